#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "../../furniture/button_geometry.h"
#include "../../furniture/button_layout.h"

namespace {

using Buttons = std::vector<AtrTable_button>;

AtrTable_button button(int32_t wx, int32_t wy, int16_t frame = 101, int16_t group = 0, int32_t id = 0)
{
    AtrTable_button b{};
    b.wx = wx, b.wy = wy, b.frame = frame, b.group = group, b.bComId = id;
    return b;
}

// "sx,sy " for every record; the frame rectangle, then the window rectangle.
std::string places(const Buttons &r)
{
    std::string s;
    for (const AtrTable_button &b : r)
        s += std::to_string(b.sx) + "," + std::to_string(b.sy) + " ";
    return s;
}
std::string rects(const AtrLayout &t)
{
    return std::to_string(t.bFsx) + "," + std::to_string(t.bFsy) + " " + std::to_string(t.bFwx) + "x" +
           std::to_string(t.bFwy) + " / " + std::to_string(t.bWsx) + "," + std::to_string(t.bWsy) + " " +
           std::to_string(t.bWwx) + "x" + std::to_string(t.bWwy);
}

}  // namespace

TEST(ButtonLayout, BarRowAndColumn)
{
    // A button 20 x 16 with a 2-pixel edge, a separator, a button 30 x 20 with 4.
    Buttons r{button(20, 16), button(0, 0, 110), button(30, 20, 103)};
    AtrLayout t{};
    t.bWsx = 7, t.bWsy = 9, t.bWwx = 500, t.bWwy = 600;
    set_pos_bar(t, r.data(), 3, 30);
    EXPECT_EQ(places(r), "10,7 32,15 40,5 ");
    EXPECT_EQ(rects(t), "0,0 78x30 / 7,9 500x600");
    EXPECT_EQ(button_max_h(r.data(), 3), 24);
    set_pos_yoko(t, r.data(), 3);
    EXPECT_EQ(places(r), "4,7 26,15 34,5 ");
    EXPECT_EQ(rects(t), "7,9 72x30 / 7,9 72x30");
    set_pos_tate(t, r.data(), 3);
    EXPECT_EQ(places(r), "4,4 4,22 4,30 ");
    EXPECT_EQ(rects(t), "7,9 40x58 / 7,9 40x58");
    t.bWsx = 1, t.bWwx = 2, t.bPos = kPosLock;
    layout_tool_bar(t, r.data(), 3, 0);
    EXPECT_EQ(places(r), "4,4 4,22 4,30 ");
    EXPECT_EQ(rects(t), "1,9 2x58 / 1,9 2x58");
}

TEST(ButtonLayout, FreeLayoutPicksRowColumnOrGrid)
{
    Buttons r(5, button(20, 10));
    const FrameMaxSize s = frame_max_size(r.data(), 5);
    EXPECT_EQ(std::vector<int32_t>({s.maxW, s.maxH, s.sumW, s.sumH, s.count}),
              std::vector<int32_t>({22, 12, 118, 68, 5}));
    AtrLayout t{};
    t.bPos = t.bPosBuf = kPosFree, t.bFwx = 118;
    set_pos_free(t, r.data(), 5);
    EXPECT_EQ(t.bPos, kPosYoko); EXPECT_EQ(t.bPosBuf, kPosYoko); EXPECT_EQ(+r[4].sx, 92);
    t.bPos = kPosFree, t.bFwx = 60, t.bFwy = 68;
    layout_tool_bar(t, r.data(), 5, 0);
    EXPECT_EQ(t.bPos, kPosTate); EXPECT_EQ(+r[4].sy, 52);
    // Grid: ceil((60 - 8) / 22) = 3 columns, rows 12 apart; bPos stays.
    t.bPos = kPosFree, t.bFwx = 60, t.bFwy = 40;
    set_pos_free(t, r.data(), 5);
    EXPECT_EQ(t.bPos, kPosFree);
    EXPECT_EQ(places(r), "4,4 26,4 48,4 4,16 26,16 ");
    EXPECT_EQ(rects(t), "0,0 74x32 / 0,0 74x32");

    // Narrower than one button, or no frame width at all: one column.
    for (int32_t width : {20, -50}) {
        t.bFwx = width, t.bFwy = 0;
        set_pos_free(t, r.data(), 5);
        EXPECT_EQ(places(r), "4,4 4,16 4,28 4,40 4,52 ");
        EXPECT_EQ(t.bFwx, 30);
    }
    // Every button 0 wide: the widest is 0, still one column.
    Buttons thin(3, button(0, 10));
    t.bFwx = 10, t.bFwy = 20;
    set_pos_free(t, thin.data(), 3);
    EXPECT_EQ(places(thin), "4,4 4,16 4,28 ");
    EXPECT_EQ(rects(t), "0,0 8x44 / 0,0 8x44");
}

TEST(ButtonLayout, StatusBarPanes)
{
    Buttons one{button(50, 3)};
    layout_status_bar(one.data(), 1, 640);
    EXPECT_EQ(places(one), "0,4 ");
    EXPECT_EQ(+one[0].wx, 640); EXPECT_EQ(+one[0].wy, 19);
    Buttons r{button(50, 0), button(100, 0), button(60, 0)};
    layout_status_bar(r.data(), 3, 400);
    EXPECT_EQ(places(r), "0,4 237,4 340,4 ");
    EXPECT_EQ(+r[0].wx, 234); EXPECT_EQ(+r[2].wx, 60);
    r[0].wx = 10;
    layout_status_bar(r.data(), 3, 100);  // too wide: from 0, widths kept
    EXPECT_EQ(places(r), "0,4 13,4 116,4 ");
    EXPECT_EQ(+r[0].wx, 10);
}

TEST(ButtonLayout, ModeMenuTopAndBottom)
{
    Buttons r{button(40, 20), button(0, 0, 111), button(40, 20, 102, 0, kModeMenuBottomId),
              button(40, 20, 104, 3), button(0, 0, 110, 3), button(40, 20, 101, -1)};
    AtrLayout t{};
    layout_mode_menu(t, r.data(), 6, 300);
    EXPECT_EQ(places(r), "0,0 0,0 0,0 0,0 0,0 0,0 ");  // bEdgeFlag 0: nothing
    t.bEdgeFlag = 1;
    layout_mode_menu(t, r.data(), 6, 300);
    EXPECT_EQ(places(r), "4,6 4,28 4,246 4,268 4,290 0,0 ");  // negative group: not placed
}

TEST(ButtonLayout, BoundsAndHugeSizes)
{
    Buttons r{button(INT32_MAX, -5), button(INT32_MAX, INT32_MAX), button(5, 5)};
    AtrLayout t{};
    set_pos_bar(t, r.data(), 3, 10);
    // A negative height is read as 0; positions saturate instead of wrapping.
    EXPECT_EQ(places(r), "10,5 2147483647,-1073741818 2147483647,2 ");
    EXPECT_EQ(t.bFwx, INT32_MAX);
    t.bFwx = t.bFwy = 0;
    set_pos_free(t, r.data(), 2);  // a grid; the count bounds the walk
    EXPECT_EQ(places(r), "4,4 4,2147483647 2147483647,2 ");
    EXPECT_EQ(t.bFwy, INT32_MAX);
    for (auto f : {frame_max_size(nullptr, 4), frame_max_size(r.data(), -1)})
        EXPECT_EQ(f.sumW, 8);
    EXPECT_EQ(button_max_w(r.data(), 0), 0);
    for (int f : {107, 108, 109, 110, 111, 113})
        EXPECT_EQ(frame_width(f), 0);
}

TEST(ButtonGeometry, ContentOriginAndBackground)
{
    AtrTable_button b = button(30, 16);
    b.sx = 10, b.sy = 20, b.ox = 4, b.oy = 2;
    const auto at = [&](int16_t frame, int16_t type, bool pressed) {
        b.frame = frame, b.bButtonType = type;
        const ButtonPoint p = text_origin(b, pressed, 12);
        return std::to_string(p.x) + "," + std::to_string(p.y);
    };
    EXPECT_EQ(at(101, 0, false), "14,22"); EXPECT_EQ(at(104, 0, true), "15,23");
    EXPECT_EQ(at(107, 0, true), "14,20"); EXPECT_EQ(at(108, 0, true), "13,23");
    EXPECT_EQ(at(105, 1, true), "15,23"); EXPECT_EQ(at(101, 1, true), "14,22");
    EXPECT_EQ(at(109, 1, false), "16,24");

    AtrLayout t{};
    const auto fill = [&](int16_t frame, int32_t mode) {
        b.frame = frame;
        const BackFill f = back_fill(b, mode, t);
        return std::to_string(f.fill) + std::to_string(f.select) + " " + std::to_string(t.ClsSx) + "," +
               std::to_string(t.ClsSy) + "-" + std::to_string(t.ClsEx) + "," + std::to_string(t.ClsEy);
    };
    EXPECT_EQ(fill(102, 2), "11 10,20-39,35");
    EXPECT_EQ(fill(107, 2), "10 9,17-41,36");
    EXPECT_EQ(fill(110, 0), "00 9,17-41,36");  // no fill, rectangle kept
    EXPECT_EQ(fill(109, 1), "10 11,21-39,35");
    b.hBmpUn = &b;  // a selected picture shows the state instead
    EXPECT_EQ(fill(101, 2), "10 10,20-39,35");
}
