// Buttons painted into a window's bitmap in a colour table whose entries all
// differ, read back by pixel; the layouts read back from the records.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"
#include "button.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
struct Px { int32_t x, y; COLORREF c; };

std::vector<std::string> gCalls;
void ZEKAPI note(ZEK_object *, int32_t i, int32_t mode, int32_t pressed)
{
    gCalls.push_back(std::to_string(i) + ":" + std::to_string(mode) + std::to_string(pressed));
}
void ZEKAPI sizes(ZEK_object *, int32_t *mw, int32_t *mh, int32_t *sw, int32_t *sh, int32_t *n)
{
    *mw = 0, *mh = 10, *sw = *sh = 1000, *n = 3;
}

struct Paint : ::testing::Test {
    TestWin win{"ZekPaintTest"};
    ZEK_object *o = win.o, *t = AtrTable_ctor2(nullptr);
    Button *b = nullptr;
    int records = 0;
    COLORREF saved[18], mine[18];

    void SetUp() override {
        std::copy(GetSysColorTbl(), GetSysColorTbl() + 18, saved);
        for (int i = 0; i < 18; ++i)
            mine[i] = 0x203040 + COLORREF(i) * 0x080808;
        SetSysColorTbl(mine);
        place(win, 30, 30, 400, 200);
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
        member<ZEK_object *>(t, "pWin", 2) = o;
        win.m<ZEK_object *>("pButtonTbl") = t;  // deleted with the window object
        ASSERT_NE(Win_DrawBmpOpen(o), nullptr);
    }
    void TearDown() override { Win_DrawBmpClose(o), SetSysColorTbl(saved); }
    void make(int n) {
        ASSERT_EQ(Fd_Mem_Alloc(t, n), 1);
        b = static_cast<Button *>(t->pBlock);
        std::memset(b, 0, sizeof(Button) * size_t(records = n));  // Alloc keeps what was there
        for (int i = 0; i < n; ++i)
            b[i].pMode = &b[i].pModeD;
    }
    // One button of 30 x 20 at (20, 20) drawn on a red page.
    void one(int16_t frame, int32_t mode, int32_t pressed, uint8_t glay = 0, const char *s = "") {
        make(1);
        b[0].frame = frame, b[0].sx = b[0].sy = 20, b[0].wx = 30, b[0].wy = 20, b[0].bGlay = glay;
        std::strcpy(b[0].str, s);
        Win_Color(o, 0, kRed), Win_ClsA(o);
        AtrTable_DrawButton1(t, 0, mode, pressed);
    }
    COLORREF at(int32_t x, int32_t y) { return GetPixel(member<HDC>(o, "hDC"), x, y); }
    int32_t count(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF c, bool is = true) {
        int32_t n = 0;
        for (int32_t y = y1; y < y2; ++y)
            for (int32_t x = x1; x < x2; ++x)
                n += (at(x, y) == c) == is;
        return n;
    }
    void expect(const std::vector<Px> &want) {
        for (const Px &p : want)
            EXPECT_EQ(at(p.x, p.y), p.c) << p.x << ", " << p.y;
    }
    std::vector<int32_t> places() {
        std::vector<int32_t> v;
        for (int i = 0; i < records; ++i)
            v.insert(v.end(), {b[i].sx, b[i].sy});
        return v;
    }
    int32_t &ti(const char *name) { return member<int32_t>(t, name, 2); }
};

}  // namespace

TEST_F(Paint, FramesShowTheirEdgesRaisedAndPressed)
{
    const COLORREF hi = Color3dHiLight(), li = Color3dLight(), sh = Color3dShadow(),
                   dk = Color3dDkShadow(), face = Color3dFace();
    struct Case { int16_t frame; int32_t mode, pressed; std::vector<Px> px; };
    for (const Case &c : std::vector<Case>{
             {101, 0, 0, {{19, 30, hi}, {30, 19, hi}, {50, 30, dk}, {30, 40, dk}, {30, 30, face}, {51, 30, kRed}}},
             {101, 0, 1, {{19, 30, dk}, {50, 30, hi}, {30, 40, hi}}},
             {102, 0, 0, {{19, 30, hi}, {51, 30, dk}, {30, 41, dk}, {50, 30, sh}, {30, 40, sh}, {20, 30, face}}},
             {102, 0, 1, {{19, 30, dk}, {51, 30, hi}, {20, 30, sh}, {30, 20, sh}}},
             {103, 0, 0, {{18, 30, li}, {51, 30, dk}, {19, 30, hi}, {50, 30, sh}, {17, 30, kRed}}},
             {103, 0, 1, {{18, 30, dk}, {51, 30, hi}, {19, 30, sh}, {50, 30, li}}},
             {104, 0, 0, {{19, 30, face}, {50, 30, face}}},  // hot tracking: no edge at rest
             {104, 1, 0, {{19, 30, hi}, {50, 30, dk}}},
             {104, 2, 1, {{19, 30, dk}, {30, 30, ColorSelect()}}},
             {107, 0, 0, {{30, 19, hi}, {19, 30, hi}, {51, 30, dk}, {50, 30, sh}, {30, 40, hi}, {30, 17, face}}},
             {107, 0, 1, {{30, 17, hi}, {19, 30, hi}, {51, 30, dk}, {50, 30, sh}, {30, 40, face}}},
             {108, 0, 0, {{20, 30, sh}, {49, 30, hi}, {19, 30, kRed}}},
             {110, 0, 0, {{22, 3, sh}, {23, 41, hi}, {22, 42, kRed}, {24, 30, kRed}, {21, 30, kRed}}}}) {
        SCOPED_TRACE(c.frame * 100 + c.mode * 10 + c.pressed);
        one(c.frame, c.mode, c.pressed);
        expect(c.px);
    }
}

TEST_F(Paint, GrayedHiddenAndLongTexts)
{
    one(104, 1, 0, 1, "WW");  // grayed: gray text, no raised edge under the pointer
    EXPECT_GT(count(20, 20, 50, 40, ColorGrayText()), 0);
    EXPECT_EQ(count(20, 20, 50, 40, Color3dText()), 0);
    EXPECT_EQ(at(19, 30), kRed);
    one(101, 1, 1, 2, "WW");
    EXPECT_EQ(count(0, 0, 100, 100, kRed, false), 0) << "hidden";

    // A text that fills its 64 bytes is not read on into the next field.
    make(1);
    const int32_t pitch = mi(o, "ChrWdGx") + (&mi(o, "ChrWdGx"))[1] + (&mi(o, "ChrWdGx"))[2];
    std::memset(b[0].str, 'W', 128);
    b[0].frame = 101, b[0].sx = 0, b[0].sy = 20, b[0].wx = 390, b[0].wy = 20, b[0].ox = -60 * pitch;
    Win_Color(o, 0, kRed), Win_ClsA(o);
    AtrTable_DrawButton1(t, 0, 0, 0);
    EXPECT_GT(count(0, 20, 4 * pitch, 40, Color3dText()), 0);
    EXPECT_EQ(count(5 * pitch, 20, 380, 40, Color3dText()), 0);
}

TEST_F(Paint, BitmapsShowTheSelectedPictureAndNoFrame)
{
    make(1);
    const COLORREF colours[2] = {0x404040, 0x909090};  // the same in either byte order
    std::vector<uint32_t> px[2] = {std::vector<uint32_t>(64, colours[0]), std::vector<uint32_t>(64, colours[1])};
    HBITMAP pics[2] = {CreateBitmap(8, 8, 1, 32, px[0].data()), CreateBitmap(8, 8, 1, 32, px[1].data())};
    b[0].bButtonType = 1, b[0].hBmp = pics[0], b[0].hBmpUn = pics[1], b[0].bBmpX = b[0].bBmpY = 8;
    b[0].frame = 102, b[0].sx = b[0].sy = 20, b[0].wx = b[0].wy = 14, b[0].ox = b[0].oy = 3;
    for (int32_t mode : {0, 2}) {
        Win_Color(o, 0, kRed), Win_ClsA(o);
        AtrTable_DrawButton1(t, 0, mode, 0);
        expect({{23, 23, colours[mode / 2]}, {30, 30, colours[mode / 2]}, {19, 25, kRed}, {20, 20, Color3dFace()}});
    }
}

TEST_F(Paint, AGroupPressRedrawsTheNewAndOldSelectionOnly)
{
    make(5);
    for (int i = 1; i < 4; ++i)
        b[i].group = 1, b[i].pMode = &b[1].pModeD;
    b[4].group = 1, b[4].pMode = &b[4].pModeD;  // the group ends at the table's end otherwise
    b[1].pModeD = 3;                              // selection: record 3
    member<int16_t>(t, "BefMode", 2) = 1;         // before: record 1
    slot(t, "DrawButton1", 2) = reinterpret_cast<ZEK_method_fn>(note);
    AtrTable_DrawButton(t, 2, 1, 1);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"1:00", "3:21"}));
    gCalls.clear();
    slot(t, "DrawButton", 2) = reinterpret_cast<ZEK_method_fn>(note);
    ti("RvPos") = 1;
    AtrTable_Paint(t);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"0:00", "1:10", "2:00", "3:00", "4:00"}));
}

TEST_F(Paint, LayoutsPlaceTheRecords)
{
    RECT client{};
    GetClientRect(win.hwnd(), &client);
    make(3);
    b[0].wx = 10, b[1].wx = 50, b[2].wx = 60;
    AtrTable_LayoutStatusBar(t);
    const int32_t rest = client.right - 116;
    EXPECT_EQ(places(), (std::vector<int32_t>{0, 4, rest + 3, 4, rest + 56, 4}));
    EXPECT_EQ((std::vector<int32_t>{b[0].wx, b[1].wy}), (std::vector<int32_t>{rest, 19}));

    for (int i = 0; i < 3; ++i)
        b[i].frame = 101, b[i].wx = b[i].wy = 20;
    b[1].frame = 110, b[1].wy = 0;
    ti("bPos") = 2;
    AtrTable_LayoutToolBar(t);  // row: height 22 + 6
    EXPECT_EQ(places(), (std::vector<int32_t>{4, 4, 26, 14, 34, 4}));
    EXPECT_EQ((std::vector<int32_t>{ti("bFwx"), ti("bFwy"), ti("bWwx")}), (std::vector<int32_t>{60, 28, 60}));

    mi(o, "bToolHeight") = 30, mi(o, "bToolEdge") = 2;
    ti("bPos") = 0;
    AtrTable_LayoutToolBar(t);
    EXPECT_EQ(places(), (std::vector<int32_t>{10, 4, 32, 14, 40, 4}));
    EXPECT_EQ((std::vector<int32_t>{ti("bFwx"), ti("bFwy")}), (std::vector<int32_t>{66, 28}));

    // A grid whose widest button is 0 wide is one column, however the sizes come.
    slot(t, "GetFrameMaxSize", 2) = reinterpret_cast<ZEK_method_fn>(sizes);
    ti("bPos") = 4, ti("bFwx") = ti("bFwy") = 100;
    AtrTable_LayoutToolBar(t);
    EXPECT_EQ(places(), (std::vector<int32_t>{4, 4, 4, 14, 4, 14}));
    EXPECT_EQ((std::vector<int32_t>{ti("bPos"), ti("bFwx"), ti("bFwy")}), (std::vector<int32_t>{4, 8, 28}));

    b[0].bComId = 80600, b[1].frame = 101, b[1].wy = 20;
    ti("bEdgeFlag") = 1;
    win.m<RECT>("bRect").bottom = 150;
    AtrTable_LayoutModeMenu(t);
    EXPECT_EQ(places(), (std::vector<int32_t>{4, 126, 4, 6, 4, 28}));
}
