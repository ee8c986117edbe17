// Boxes and etched lines drawn into a real window's bitmap and read back by
// pixel, in a colour table whose entries all differ; never glyph shapes.
#include <algorithm>
#include <vector>

#include "text_window.h"

namespace {

constexpr COLORREF kFore = 0x111111, kBack = 0x222222;
struct Px { int32_t x, y; COLORREF c; };
using Cs = std::vector<COLORREF>;

struct Boxes : TextWindow {
    COLORREF saved[18], mine[18];

    void SetUp() override {
        std::copy(GetSysColorTbl(), GetSysColorTbl() + 18, saved);
        for (int i = 0; i < 18; ++i)
            mine[i] = 0x203040 + COLORREF(i) * 0x080808;
        SetSysColorTbl(mine);
        TextWindow::SetUp();
        clear();
    }
    void TearDown() override { TextWindow::TearDown(), SetSysColorTbl(saved); }
    void clear() { Win_Color(o, 0, kRed), Win_ClsA(o), Win_Color(o, kFore, kBack); }
    Cs colours() { return {member<COLORREF>(o, "Color"), member<COLORREF>(o, "BackColor")}; }
    void expect(const std::vector<Px> &want) {
        for (const Px &p : want)
            EXPECT_EQ(at(p.x, p.y), p.c) << p.x << ", " << p.y;
    }
};

std::vector<int32_t> gFrames;
void ZEKAPI record_frame(ZEK_object *, int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF, COLORREF) {
    gFrames.insert(gFrames.end(), {x1, y1, x2, y2});
}

}  // namespace

TEST_F(Boxes, InputBoxesBevelInTheirRingsAndFillInTheirPair) {
    const COLORREF hi = Color3dHiLight(), li = Color3dLight(), sh = Color3dShadow(),
                   dk = Color3dDkShadow(), r = kRed;
    struct Case { int32_t type, style; std::vector<Px> px; };
    for (const Case &c : std::vector<Case>{  // inner rectangle (20, 20) - (49, 29)
             {1, 2, {{17, 25, r}, {18, 25, sh}, {19, 25, dk}, {30, 18, sh}, {30, 19, dk},
                     {51, 25, hi}, {50, 25, li}, {30, 31, hi}, {30, 30, li}, {52, 25, r}}},
             {2, 2, {{18, 25, hi}, {19, 25, li}, {51, 25, dk}, {50, 25, sh}, {30, 30, sh}}},
             {0, 0, {{18, 25, r}, {19, 25, dk}, {51, 25, hi}, {30, 30, li}, {50, 25, li}}},
             {3, 1, {{17, 25, r}, {18, 25, hi}, {19, 25, li}, {30, 19, li}, {50, 25, dk}}}}) {
        SCOPED_TRACE(c.type * 10 + c.style);
        clear();
        Win_InputBoxExG(o, c.type, 20, 20, 30, 10, c.style);
        expect(c.px);
        const bool box = c.type == 0 || c.type == 2;
        EXPECT_EQ(count(20, 20, 50, 30, mine[box ? 1 : 6], false), 0);
        EXPECT_EQ(colours(), (Cs{mine[box ? 0 : 5], mine[box ? 1 : 6]}));
    }
    overwrite(o, "DrawFrameBox", record_frame);
    Win_InputBoxEx(o, 0, 2, 3, 4, 1, 2);  // 6 x 12 cells: (12, 36) 24 x 12
    EXPECT_EQ(gFrames, (std::vector<int32_t>{10, 34, 37, 49, 11, 35, 36, 48}));
}

TEST_F(Boxes, ATitleIsCutAtItsBox) {
    Win_TitleBoxExG(o, 0, 10, 40, 30, 14, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 2, 1);
    EXPECT_EQ(count(41, 30, 300, 70, kRed, false), 0);  // inner rectangle to (39, 53)
    EXPECT_GT(count(10, 40, 40, 54, GetForeTitleColor()), 0);
    expect({{9, 45, Color3dHiLight()}, {40, 45, Color3dDkShadow()}});
    EXPECT_EQ(colours(), (Cs{GetForeTitleColor(), GetBackTitleColor()}));
    Win_TitleBoxExG(o, 1, 10, 40, 30, 14, "", 0, 0);
    expect({{40, 45, Color3dShadow()}, {25, 54, Color3dShadow()}, {41, 45, Color3dDkShadow()}});
}

TEST_F(Boxes, EtchedFramesAndLinesKeepTheTextColours) {
    const COLORREF hi = Color3dHiLight(), sh = Color3dShadow();
    Win_DrawBoxLine(o, 20, 70, 80, 100, nullptr);  // the frame alone
    expect({{50, 70, sh}, {50, 71, hi}, {50, 101, hi}, {80, 85, sh}, {81, 85, hi}});
    EXPECT_EQ(count(0, 0, 200, 150, kRed, false), count(0, 0, 200, 150, sh) + count(0, 0, 200, 150, hi));
    Win_DrawBoxLine(o, 20, 70, 80, 100, "AB");  // printed from (27, 65)
    EXPECT_GT(count(27, 65, 39, 77, kFore) * count(27, 65, 39, 77, kBack), 0);

    Win_DrawHorzLine(o, 5, 40, 60);
    Win_DrawVertLine(o, 70, 90, 100);
    EXPECT_EQ(count(5, 60, 40, 61, sh, false) + count(5, 61, 40, 62, hi, false), 0);
    EXPECT_EQ(count(100, 70, 101, 90, sh, false) + count(101, 70, 102, 90, hi, false), 0);
    expect({{40, 60, kRed}, {4, 60, kRed}, {100, 90, kRed}});
    RECT client{};
    GetClientRect(w.hwnd(), &client);
    Win_DrawMenuLine(o);  // the whole width, though the view turns the line round
    EXPECT_EQ(count(0, 0, client.right, 1, sh, false) + count(0, 1, client.right, 2, hi, false), 0);
    EXPECT_EQ(colours(), (Cs{kFore, kBack}));
}

// Outside graphics mode a box holds the window's context for the call only
// and leaves no pen in it; in graphics mode its last pen stays until GmodeReset.
TEST_F(Boxes, TheContextIsHeldOnlyForTheCallOutsideGraphicsMode) {
    Win_DrawBmpClose(o);
    HDC before = member<HDC>(o, "hDC"), dc = GetDC(w.hwnd());
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    Win_InputBoxExG(o, 0, 10, 10, 20, 6, 2);
    Win_DrawHorzLine(o, 0, 50, 40);
    EXPECT_EQ(member<HDC>(o, "hDC"), before);
    EXPECT_EQ((Cs{GetPixel(dc, 10, 40), GetPixel(dc, 15, 12)}), (Cs{Color3dShadow(), GetBackBoxColor()}));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    ReleaseDC(w.hwnd(), dc);

    HDC held = Win_GmodeSet(o);
    Win_DrawVertLine(o, 0, 20, 60);
    EXPECT_EQ(GetCurrentObject(held, OBJ_PEN), member<HPEN>(o, "hPen"));
    Win_GmodeReset(o);
    EXPECT_EQ(GetCurrentObject(held, OBJ_PEN), pen);
}
