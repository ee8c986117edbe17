// The off-screen bitmap of a Win: making and reusing it, opening and closing
// it on a window, the direct writers read back from its bits, the GDI
// fallbacks, and writes that never leave the memory.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"

namespace {

struct Win : TestWin {
    explicit Win(const char *className = "ZekDrawBmp") : TestWin(className) {}
    void area(int32_t w, int32_t h)  // identity mapping on a w x h area
    {
        m<RECT>("bRect") = RECT{0, 0, w, h};
        Win_ScaleNew(o);
    }
    bool make(int32_t w, int32_t h) { return area(w, h), Win_DrawBmpCreate(o) == 1; }
    uint8_t *bits() { return static_cast<uint8_t *>(m<void *>("pjBits")); }
    uint32_t colour(int32_t x, int32_t y)  // as 0x00BBGGRR
    {
        GdiFlush();
        const uint8_t *p = bits() + (i("bScrWy") - 1 - y) * i("bBmpWx") + 3 * x;
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    std::set<std::pair<int32_t, int32_t>> lit()
    {
        std::set<std::pair<int32_t, int32_t>> s;
        for (int32_t y = 0; y < i("bScrWy"); ++y)
            for (int32_t x = 0; x < i("bScrWx"); ++x)
                if (colour(x, y))
                    s.insert({x, y});
        return s;
    }
};

std::string gCalls;
std::string num(int32_t n) { return std::to_string(n); }
int32_t ZEKAPI recSetPen(ZEK_object *, COLORREF, int32_t type, int32_t width)
{
    return gCalls += "SetPen(" + num(type) + "," + num(width) + ") ", 1;
}
int32_t ZEKAPI recLineI(ZEK_object *, int32_t, int32_t, int32_t x2, int32_t) { return gCalls += "LineI(" + num(x2) + ") ", 1; }
int32_t ZEKAPI recPsetI(ZEK_object *, int32_t, int32_t) { return gCalls += "PsetI ", 1; }
int32_t ZEKAPI recMarkI(ZEK_object *, int32_t, int32_t, double, int32_t) { return gCalls += "MarkI ", 1; }
int32_t ZEKAPI recCircleI(ZEK_object *, int32_t, int32_t, int32_t rx, int32_t, double, double, double)
{
    return gCalls += "CircleI(" + num(rx) + ") ", 1;
}

}  // namespace

TEST(DrawBmp, MadeOnceForASizeColoursAndRows)
{
    Win w;
    ASSERT_TRUE(w.make(101, 50));
    const BITMAPINFOHEADER &h = w.m<BITMAPINFO>("pBmi").bmiHeader;
    EXPECT_TRUE(w.i("bBmpWx") == 304 && h.biSizeImage == 15200u && h.biHeight == 50 && h.biBitCount == 24);
    Win_DrawBmpPsetAsm(w.o, 0, 49, 0x00112233);  // y = Vy2: the first stored row
    EXPECT_TRUE(w.bits()[0] == 0x11 && w.bits()[1] == 0x22 && w.bits()[2] == 0x33);
    EXPECT_EQ(Win_DrawBmpCreate(w.o), 0);
    EXPECT_EQ(w.colour(0, 49), 0x112233u) << "reused, pixels kept";

    w.m<COLORREF>("BackColor") = 0xFFFFFF;
    Win_DrawBmpPsetAsm(w.o, 1, 1, 0);  // black drawn white on white
    w.m<COLORREF>("BackColor") = 0x0000FF;
    w.i("Rop") = 'R';
    Win_DrawBmpPsetAsm(w.o, 2, 2, 0x00FF00);  // erase mode paints the background
    EXPECT_TRUE(w.colour(1, 1) == 0xFFFFFFu && w.colour(2, 2) == 0x0000FFu);

    EXPECT_TRUE(w.make(120, 50) && w.i("bBmpWx") == 360 && w.colour(0, 49) == 0u) << "made anew, cleared";
}

TEST(DrawBmp, WorldFormsDrawDirectly)
{
    Win w, a;
    ASSERT_TRUE(w.make(60, 60) && a.make(60, 60));
    Win_DrawBmpLine(w.o, 0.0, 0.0, 3.0, 0.0, 1, 1, 0xFF);
    EXPECT_EQ(w.lit(), (std::set<std::pair<int32_t, int32_t>>{{0, 0}, {2, 0}}));
    Win_DrawBmpLineBox(w.o, 5.0, 5.0, 10.0, 8.0, 0, 1, 0xFF);
    Win_LineInit(w.o);
    Win_LineSvI(w.o, 1, 11);
    Win_LineSvI(w.o, 1, 15);
    Win_LineSvI(w.o, 6, 15);
    Win_DrawBmpPolyline(w.o, 0, 1, 0xFF);
    EXPECT_EQ(Win_LineSvI(w.o, 9, 19), 0) << "the buffer was emptied";
    Win_DrawBmpPolyline(w.o, 0, 1, 0xFF);  // one point: drawn as itself
    Win_DrawBmpMark(w.o, 40.0, 10.0, 0.0, 5, 0xFF);
    EXPECT_EQ(w.lit().size(), 2u + 16 + 10 + 1 + 13);

    // 350 to 10 degrees: only the top.
    Win_DrawBmpCircle(a.o, 30.0, 30.0, 20.0, 20.0, 350.0, 10.0, 0.0, 0, 1, 0xFF);
    ASSERT_FALSE(a.lit().empty());
    for (auto [x, y] : a.lit())
        EXPECT_TRUE(y <= 12 && std::abs(x - 30) <= 4) << x << "," << y;
}

TEST(DrawBmp, ExclusiveOrWideAndHugeGoToGdi)
{
    Win w;
    ASSERT_TRUE(w.make(100, 100));
    overwrite(w.o, "SetPen", recSetPen), overwrite(w.o, "LineI", recLineI);
    overwrite(w.o, "PsetI", recPsetI), overwrite(w.o, "MarkI", recMarkI), overwrite(w.o, "CircleI", recCircleI);
    gCalls.clear();
    Win_DrawBmpLine(w.o, 1.0, 2.0, 30.0, 40.0, 3, 2, 0xAB);
    Win_DrawBmpCircle(w.o, 50.0, 50.0, -10.0, 10.0, 0.0, 90.0, 0.0, 0, 2, 0xAB);
    Win_DrawBmpCircle(w.o, 50.0, 50.0, 40000.0, 40000.0, 0.0, 90.0, 0.0, 0, 1, 0xAB);
    w.i("Rop") = 'X';
    Win_DrawBmpPset(w.o, 5.0, 6.0, 0xAB);
    Win_DrawBmpMark(w.o, 5.0, 6.0, 0.0, 5, 0xAB);
    EXPECT_EQ(gCalls, "SetPen(3,2) LineI(30) SetPen(0,2) CircleI(10) SetPen(0,1) CircleI(40000) "
                      "SetPen(0,1) PsetI SetPen(0,1) MarkI ");
    EXPECT_TRUE(w.lit().empty());
}

TEST(DrawBmp, AViewLargerThanTheBitmapOrNoBitmapWritesNothingOutside)
{
    // The bitmap of a 21 x 10 area, then larger views (a resize or a scale
    // change without a new bitmap); the writers see a guarded copy.
    Win w;
    ASSERT_TRUE(w.make(21, 10));
    const size_t stride = size_t(w.i("bBmpWx")), guard = 4096, image = stride * 10;
    std::vector<uint8_t> mem(guard * 2 + image, 0xA5);
    std::memset(mem.data() + guard, 0, image);
    w.m<void *>("pjBits") = mem.data() + guard;
    for (auto view : {std::pair{200, 200}, {26, 10}, {20, 301}})
        for (int32_t k = -50; k < 250; k += 7) {
            w.area(view.first, view.second);
            Win_DrawBmpLineAsm(w.o, -60, k, 260, k + 13, 0, 0xFFFFFF);
            Win_DrawBmpPsetAsm(w.o, k, k / 3, 0xFFFFFF);
            Win_DrawBmpMarkAsm(w.o, k % 30, k / 5, 30.0, 7, 0xFFFFFF);
            Win_DrawBmpCircleAsm(w.o, k % 30, 8, 6, 9, 0.0, 360.0, 0.0, 0, 0xFFFFFF);
            Win_DrawBmpCircleAsm(w.o, 10, k, 15, 4, 30.0, 300.0, 10.0, 3, 0xFFFFFF);
            Win_DrawBmpLineBoxAsm(w.o, -5, k, 25, k + 4, 0, 0xFFFFFF);
        }
    for (size_t k = 0; k < guard; ++k)
        ASSERT_TRUE(mem[k] == 0xA5 && mem[guard + image + k] == 0xA5) << k;
    for (size_t r = 0; r < 10; ++r)
        ASSERT_EQ(mem[guard + r * stride + stride - 1], 0) << "row padding " << r;
    w.m<void *>("pjBits") = nullptr;  // the copy goes with the test

    // No bitmap means no writes and no redirection.
    Win n;
    n.area(0, 0);  // furniture is made at 0 x 0
    EXPECT_TRUE(Win_DrawBmpCreate(n.o) == 0 && n.m<void *>("pjBits") == nullptr);
    n.area(50, 50);  // a view, still without a bitmap
    n.m<RECT>("bRect") = RECT{};
    Win_DrawBmpPsetAsm(n.o, 1, 1, 1);
    EXPECT_EQ(Win_DrawBmpLineAsm(n.o, 0, 0, 9, 9, 0, 1), 0);
    Win_DrawBmpCircleAsm(n.o, 20, 20, 5, 3, 0.0, 90.0, 0.0, 1, 1);
    HDC before = n.m<HDC>("hDC");
    EXPECT_EQ(Win_DrawBmpOpen(n.o), nullptr);
    Win_DrawBmpClose(n.o);
    EXPECT_TRUE(n.m<HDC>("hDC") == before && n.i("bBmpFlag") == 1);
    ASSERT_TRUE(n.make(30, 20));  // too large to make: the old bitmap stays, with its size
    void *bits = n.m<void *>("pjBits");
    EXPECT_FALSE(n.make(60000, 60000));
    EXPECT_EQ(n.m<void *>("pjBits"), bits);
    EXPECT_TRUE(n.i("bScrWx") == 30 && n.i("bScrWy") == 20);
}

// A shown 160 x 120 window made by Win_con, its class with or without CS_OWNDC.
struct Shown : Win {
    explicit Shown(bool ownDC) : Win(ownDC ? "ZekDrawBmpOwn" : "ZekDrawBmpCommon")
    {
        m<uint32_t>("ClassStyle") = CS_HREDRAW | CS_VREDRAW | (ownDC ? CS_OWNDC : 0);
        i("WinWdGx") = 160, i("WinWdGy") = 120;
        EXPECT_EQ(Win_con(o, 0), 0);
        pump();
    }
    void paint()  // WM_PAINT dispatched now, as a key wait would
    {
        InvalidateRect(hwnd(), nullptr, FALSE);
        UpdateWindow(hwnd());
    }
    COLORREF screen(int x, int y)
    {
        HDC dc = GetDCEx(hwnd(), nullptr, DCX_CACHE);  // not the own context's origin
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd(), dc);
        return c;
    }
};

// With and without CS_OWNDC: contexts are held once and a paint puts the
// graphics mode back; a paint and a resize between DrawBmpOpen and
// DrawBmpClose leave the drawing, pen and origin in the bitmap.
TEST(DrawBmp, ContextsHeldOncePaintsAndResizesKeepTheirDrawing)
{
    for (bool ownDC : {true, false}) {
        SCOPED_TRACE(ownDC ? "CS_OWNDC" : "common contexts");
        Shown w(ownDC);
        EXPECT_EQ(w.m<HDC>("hDC"), nullptr) << "no paint context left behind";
        HDC dc = Win_SetHDC(w.o);
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(Win_SetHDC(w.o), dc) << "taken once, not overwritten";
        EXPECT_EQ(Win_ResetHDC(w.o), 1);
        EXPECT_EQ(w.m<HDC>("hDC"), dc);
        EXPECT_TRUE(Win_ResetHDC(w.o) == 1 && w.m<HDC>("hDC") == nullptr);

        dc = Win_GmodeSet(w.o);
        Win_SetRop(w.o, 'X');
        Win_SetPen(w.o, RGB(0, 255, 0), 0, 2);
        HPEN pen = w.m<HPEN>("hPen");
        w.paint();
        EXPECT_TRUE(w.m<HDC>("hDC") == dc && w.i("bGmode") == 1 && w.i("bPaint") == 0);
        EXPECT_TRUE(GetCurrentObject(dc, OBJ_PEN) == pen && GetROP2(dc) == R2_XORPEN);
        Win_GmodeReset(w.o);
        EXPECT_TRUE(GetObjectType(pen) == 0 && w.m<HDC>("hDC") == nullptr);
        Win_SetRop(w.o, 'N');

        HDC memory = Win_DrawBmpOpen(w.o);
        ASSERT_NE(memory, nullptr);
        EXPECT_TRUE(w.i("bBmpFlag") == 0 && GetCurrentObject(memory, OBJ_BITMAP) == w.m<HBITMAP>("hBmp"));
        Win_SetPen(w.o, RGB(255, 0, 0), 0, 3);
        pen = w.m<HPEN>("hPen");
        w.paint();
        EXPECT_EQ(w.m<HDC>("hDC"), memory) << "still drawing into the bitmap";
        EXPECT_TRUE(GetObjectType(pen) == OBJ_PEN && GetCurrentObject(memory, OBJ_PEN) == pen)
            << "nothing deleted while selected";
        Win_LineI(w.o, 10, 30, 100, 30);
        EXPECT_EQ(w.colour(50, 30), 0x0000FFu);
        Win_DrawBmpLineAsm(w.o, 10, 10, 100, 10, 0, RGB(0, 0, 255));

        // Furniture 32 pixels high: the window's origin moves, the bitmap's stays.
        w.i("bToolId") = 1;
        SendMessageA(w.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(160, 120));
        EXPECT_EQ(w.m<RECT>("bRect").top, 32);
        POINT origin{-1, -1};
        GetViewportOrgEx(memory, &origin);
        EXPECT_TRUE(origin.x == 0 && origin.y == 0) << origin.x << "," << origin.y;
        GetViewportOrgEx(w.m<HDC>("hBufDC"), &origin);
        EXPECT_EQ(origin.y, 32);
        Win_DrawBmpClose(w.o);
        EXPECT_EQ(w.i("bBmpFlag"), 1);
        EXPECT_EQ(GetObjectType(pen), 0u) << "released with the memory context";
        EXPECT_EQ((std::vector<COLORREF>{w.screen(50, 30 + 32), w.screen(50, 10 + 32), w.screen(50, 60 + 32)}),
                  (std::vector<COLORREF>{RGB(255, 0, 0), RGB(0, 0, 255), 0}));
    }
}
