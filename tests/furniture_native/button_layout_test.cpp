#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "../../furniture/button_layout.h"

namespace {

using Buttons = std::vector<AtrTable_button>;

AtrTable_button button(int32_t wx, int32_t wy, int16_t frame = 101, int16_t group = 0, int32_t id = 0)
{
    AtrTable_button b{};
    b.wx = wx;
    b.wy = wy;
    b.frame = frame;
    b.group = group;
    b.bComId = id;
    return b;
}

// A button 20 x 16 with a 2-pixel edge, a separator, a button 30 x 20 with 4.
Buttons three() { return {button(20, 16), button(0, 0, 110), button(30, 20, 103)}; }

void expect_at(const AtrTable_button &b, int32_t sx, int32_t sy)
{
    EXPECT_EQ(+b.sx, sx);
    EXPECT_EQ(+b.sy, sy);
}

}  // namespace

TEST(ButtonLayout, BarRowAndColumn)
{
    Buttons r = three();
    AtrLayout t{};
    t.bWsx = 7, t.bWsy = 9, t.bWwx = 500, t.bWwy = 600;
    set_pos_bar(t, r.data(), 3, 30);
    expect_at(r[0], 10, 7); expect_at(r[1], 32, 15); expect_at(r[2], 40, 5);
    EXPECT_EQ(t.bFsx, 0); EXPECT_EQ(t.bFwx, 78); EXPECT_EQ(t.bFwy, 30); EXPECT_EQ(t.bWwx, 500);

    EXPECT_EQ(button_max_h(r.data(), 3), 24);
    set_pos_yoko(t, r.data(), 3);
    expect_at(r[0], 4, 7); expect_at(r[1], 26, 15); expect_at(r[2], 34, 5);
    EXPECT_EQ(t.bFsx, 7); EXPECT_EQ(t.bFsy, 9);
    EXPECT_EQ(t.bFwx, 72); EXPECT_EQ(t.bWwx, 72); EXPECT_EQ(t.bFwy, 30); EXPECT_EQ(t.bWwy, 30);

    set_pos_tate(t, r.data(), 3);
    expect_at(r[0], 4, 4); expect_at(r[1], 4, 22); expect_at(r[2], 4, 30);
    EXPECT_EQ(t.bFwx, 40); EXPECT_EQ(t.bFwy, 58); EXPECT_EQ(t.bWwy, 58);

    t.bWsx = 1, t.bWwx = 2;
    t.bPos = kPosLock;
    layout_tool_bar(t, r.data(), 3, 0);
    EXPECT_EQ(t.bFsx, 1); EXPECT_EQ(t.bFwx, 2); EXPECT_EQ(+r[2].sy, 30);
}

TEST(ButtonLayout, FreeLayoutPicksRowColumnOrGrid)
{
    Buttons r(5, button(20, 10));
    AtrLayout t{};
    t.bPos = t.bPosBuf = kPosFree;
    const FrameMaxSize s = frame_max_size(r.data(), 5);
    EXPECT_EQ(s.maxW, 22); EXPECT_EQ(s.maxH, 12); EXPECT_EQ(s.sumW, 118); EXPECT_EQ(s.sumH, 68);
    EXPECT_EQ(s.count, 5);
    t.bFwx = 118;
    set_pos_free(t, r.data(), 5);
    EXPECT_EQ(t.bPos, kPosYoko); EXPECT_EQ(t.bPosBuf, kPosYoko); EXPECT_EQ(+r[4].sx, 92);

    t.bPos = kPosFree, t.bFwx = 60, t.bFwy = 68;
    layout_tool_bar(t, r.data(), 5, 0);
    EXPECT_EQ(t.bPos, kPosTate); EXPECT_EQ(+r[4].sy, 52);

    // Grid: ceil((60 - 8) / 22) = 3 columns, rows 12 apart.
    t.bPos = kPosFree, t.bFwx = 60, t.bFwy = 40;
    set_pos_free(t, r.data(), 5);
    EXPECT_EQ(t.bPos, kPosFree);
    expect_at(r[0], 4, 4); expect_at(r[2], 48, 4); expect_at(r[3], 4, 16); expect_at(r[4], 26, 16);
    EXPECT_EQ(t.bFwx, 74); EXPECT_EQ(t.bFwy, 32);

    // Narrower than one button, or no frame width at all: one column.
    for (int32_t width : {20, 0, -50}) {
        t.bFwx = width, t.bFwy = 0;
        set_pos_free(t, r.data(), 5);
        expect_at(r[1], 4, 16); expect_at(r[4], 4, 52);
        EXPECT_EQ(t.bFwx, 30);
    }
    // Every button 0 wide: the widest is 0, still one column.
    Buttons thin(3, button(0, 10));
    t.bFwx = 10, t.bFwy = 20;
    set_pos_free(t, thin.data(), 3);
    expect_at(thin[2], 4, 28);
    EXPECT_EQ(t.bFwx, 8); EXPECT_EQ(t.bFwy, 44);
}

TEST(ButtonLayout, StatusBarPanes)
{
    Buttons one{button(50, 3)};
    layout_status_bar(one.data(), 1, 640);
    EXPECT_EQ(+one[0].sx, 0); EXPECT_EQ(+one[0].wx, 640); EXPECT_EQ(+one[0].sy, 4); EXPECT_EQ(+one[0].wy, 19);

    Buttons r{button(50, 0), button(100, 0), button(60, 0)};
    layout_status_bar(r.data(), 3, 400);
    EXPECT_EQ(+r[0].wx, 234); EXPECT_EQ(+r[1].sx, 237); EXPECT_EQ(+r[2].sx, 340); EXPECT_EQ(+r[2].wx, 60);
    layout_status_bar(r.data(), 3, 100);  // too wide: from 0, widths kept
    EXPECT_EQ(+r[0].sx, 0); EXPECT_EQ(+r[0].wx, 234); EXPECT_EQ(+r[1].sx, 237); EXPECT_EQ(+r[2].sx, 340);
}

TEST(ButtonLayout, ModeMenuTopAndBottom)
{
    Buttons r{button(40, 20), button(0, 0, 111), button(40, 20, 102, 0, kModeMenuBottomId),
              button(40, 20, 104, 3), button(0, 0, 110, 3), button(40, 20, 101, -1)};
    r[5].sy = 77;
    AtrLayout t{};
    layout_mode_menu(t, r.data(), 6, 300);
    EXPECT_EQ(+r[0].sy, 0);  // bEdgeFlag 0: nothing
    t.bEdgeFlag = 1;
    layout_mode_menu(t, r.data(), 6, 300);
    expect_at(r[0], 4, 6); expect_at(r[1], 4, 28);
    expect_at(r[4], 4, 290); expect_at(r[3], 4, 268); expect_at(r[2], 4, 246);
    EXPECT_EQ(+r[5].sy, 77);  // negative group: not placed
}

TEST(ButtonLayout, BoundsAndHugeSizes)
{
    Buttons r{button(INT32_MAX, -5), button(INT32_MAX, INT32_MAX), button(5, 5)};
    AtrLayout t{};
    set_pos_bar(t, r.data(), 3, 10);
    EXPECT_EQ(+r[0].sy, 5);           // negative height read as 0
    EXPECT_EQ(+r[2].sx, INT32_MAX);   // saturated, not wrapped
    EXPECT_EQ(t.bFwx, INT32_MAX);
    t.bFwx = 0, t.bFwy = 0;
    set_pos_free(t, r.data(), 3);
    EXPECT_EQ(t.bFwy, INT32_MAX);
    for (auto f : {frame_max_size(nullptr, 4), frame_max_size(r.data(), -1)})
        EXPECT_EQ(f.sumW, 8);
    r[2].sx = 123;
    set_pos_yoko(t, r.data(), 2);  // the count bounds the walk
    EXPECT_EQ(+r[2].sx, 123);
    EXPECT_EQ(button_max_w(r.data(), 0), 0);
    for (int f : {107, 108, 109, 110, 111, 113})
        EXPECT_EQ(frame_width(f), 0);
}
