// Drawing primitives of a Win pointed at a memory context holding a DIB
// section: pixels read back exactly for the library's own routines, GDI
// shapes checked loosely, pens checked by their attributes.
#include <algorithm>
#include <cmath>
#include <set>
#include <thread>
#include <utility>

#include "../wincore/wincore_util.h"

namespace {

using Pixels = std::set<std::pair<int32_t, int32_t>>;

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;
constexpr int32_t kSize = 128;

// 0x00BBGGRR to the DIB's 0x00RRGGBB and back.
uint32_t swap_rb(uint32_t c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

// A top-down 32-bit DIB section selected into a memory context.
struct Canvas {
    uint32_t *bits = nullptr;
    HBITMAP bitmap;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap;

    Canvas()
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32};
        void *p = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<uint32_t *>(p);
        oldBitmap = SelectObject(dc, bitmap);
        clear(kWhite);
    }
    ~Canvas()
    {
        SelectObject(dc, oldBitmap);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    void clear(COLORREF c)
    {
        GdiFlush();
        std::fill(bits, bits + kSize * kSize, swap_rb(c));
    }
    COLORREF at(int32_t x, int32_t y)
    {
        GdiFlush();
        return swap_rb(bits[y * kSize + x] & 0xFFFFFF);
    }
    Pixels marked(COLORREF background = kWhite)  // pixels not the background
    {
        Pixels s;
        for (int32_t y = 0; y < kSize; ++y)
            for (int32_t x = 0; x < kSize; ++x)
                if (at(x, y) != background)
                    s.insert({x, y});
        return s;
    }
};

struct Drawing : ::testing::Test {
    Canvas canvas;
    TestWin win{"ZekDrawingTest"};
    ZEK_object *o = win.o;

    template <typename T>
    T &m(const char *name) { return member<T>(o, name); }
    int32_t &i(const char *name) { return member<int32_t>(o, name); }

    void SetUp() override
    {
        ASSERT_NE(canvas.bits, nullptr);
        // Identity mapping over the whole canvas.
        m<RECT>("bRect") = RECT{0, 0, kSize, kSize};
        Win_ScaleNew(o);
        m<HDC>("hDC") = canvas.dc;
        i("bGmode") = 1;
        view(0, 0, kSize - 1, kSize - 1);
        m<COLORREF>("Color") = 0;
        m<COLORREF>("BackColor") = kWhite;
        Win_SetRop(o, 'N');
    }
    void TearDown() override { Win_GmodeReset(o); }
    void view(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        i("Vx1") = x1, i("Vy1") = y1, i("Vx2") = x2, i("Vy2") = y2;
    }
};

Pixels row(int32_t y, int32_t x1, int32_t x2)
{
    Pixels s;
    for (int32_t x = x1; x <= x2; ++x)
        s.insert({x, y});
    return s;
}

}  // namespace

TEST_F(Drawing, PixelsInsideTheViewAndEraseMode)
{
    view(10, 10, 99, 99);
    EXPECT_EQ(Win_PsetI(o, 10, 99), 1);
    EXPECT_EQ(Win_PsetI(o, 9, 50), 0);
    EXPECT_EQ(Win_PsetI(o, 50, 100), 0);
    EXPECT_EQ(canvas.marked(), (Pixels{{10, 99}}));
    EXPECT_EQ(canvas.at(10, 99), 0u);

    // Erase mode paints the background colour; SetRop answers the old mode.
    m<COLORREF>("BackColor") = kBlue;
    EXPECT_EQ(Win_SetRop(o, 'R'), R2_COPYPEN);
    EXPECT_EQ(m<COLORREF>("Color"), kBlue);
    Win_PsetI(o, 20, 20);
    EXPECT_EQ(canvas.at(20, 20), kBlue);
    EXPECT_EQ(Win_SetRop(o, 'X'), R2_COPYPEN);
    EXPECT_EQ(GetROP2(canvas.dc), R2_XORPEN);
    EXPECT_EQ(Win_SetRop(o, 'Q'), 0);  // unknown: no GDI change
    EXPECT_EQ(i("Rop"), 'Q');
    EXPECT_EQ(GetROP2(canvas.dc), R2_XORPEN);
    EXPECT_EQ(Win_SetROP2(o, R2_COPYPEN), R2_XORPEN);
}

TEST_F(Drawing, LinesAreClippedToTheView)
{
    view(10, 10, 89, 89);
    Win_SetPen(o, kRed, 0, 1);
    // Crossing both side edges: the ends come back swapped, GDI leaves out
    // its last pixel, so x runs 89 down to 11.
    EXPECT_EQ(Win_LineI(o, -50, 20, 200, 20), 1);
    EXPECT_EQ(canvas.marked(), row(20, 11, 89));
    canvas.clear(kWhite);

    // Wholly left of the view: nothing, result 0.
    EXPECT_EQ(Win_LineI(o, -50, 20, 9, 80), 0);
    EXPECT_TRUE(canvas.marked().empty());

    // One pixel.
    EXPECT_EQ(Win_LineI(o, 50, 50, 50, 50), 1);
    EXPECT_EQ(canvas.marked(), (Pixels{{50, 50}}));
    canvas.clear(kWhite);

    // Clip_ck writes back even a rejected segment.
    int32_t x1 = -5, y1 = 0, x2 = -1, y2 = 3;
    EXPECT_EQ(Win_Clip_ck(o, &x1, &y1, &x2, &y2), 0);
    EXPECT_EQ(x1, -5);
    EXPECT_EQ(Win_Clip_ck(o, nullptr, &y1, &x2, &y2), 0);
}

TEST_F(Drawing, LongLinesStayOnTheTrueLine)
{
    view(10, 10, 117, 117);
    Win_SetPen(o, kRed, 0, 1);
    // 100,000-pixel segments through the view: every pixel GDI sets lies in
    // the view and within a pixel and a half of the true line.
    const int32_t cases[][4] = {{-50000, -40000, 50000, 40100},
                                {64, -60000, 70, 60000},
                                {-70000, 100, 70000, 20},
                                {-100000, -99990, 100000, 100010}};
    for (const auto &c : cases) {
        canvas.clear(kWhite);
        ASSERT_EQ(Win_LineI(o, c[0], c[1], c[2], c[3]), 1);
        const Pixels got = canvas.marked();
        EXPECT_GT(got.size(), 50u);
        const double dx = double(c[2]) - c[0], dy = double(c[3]) - c[1], len = std::hypot(dx, dy);
        for (auto [x, y] : got) {
            EXPECT_TRUE(x >= 10 && x <= 117 && y >= 10 && y <= 117) << x << "," << y;
            EXPECT_LE(std::fabs((x - c[0]) * dy - (y - c[1]) * dx) / len, 1.5) << x << "," << y;
        }
    }
}

TEST_F(Drawing, WorldFormsConvertThroughTheMapping)
{
    // Pixels per world unit 2 with the origin at (10, 10).
    Win_Scale(o, 10, 10, 109, 109, 0, 0, 50, 50);
    EXPECT_EQ(Win_Pset(o, 5.9, 1.2), 1);
    EXPECT_EQ(canvas.marked(), (Pixels{{21, 12}}));
    canvas.clear(kWhite);
    Win_SetPen(o, kRed, 0, 1);
    Win_Line(o, 0, 5, 20, 5);
    EXPECT_EQ(canvas.marked(), row(20, 10, 49));
}

TEST_F(Drawing, MarksHaveTheirExtents)
{
    Win_SetPen(o, 0, 0, 1);
    Win_MarkI(o, 20, 20, 0, 0);
    EXPECT_EQ(canvas.marked(), (Pixels{{20, 20}}));
    canvas.clear(kWhite);

    // A plus: LineI leaves out each stroke's last pixel.
    Win_MarkI(o, 20, 20, 0, 1);
    EXPECT_EQ(canvas.marked(), (Pixels{{19, 20}, {20, 20}, {20, 19}}));
    canvas.clear(kWhite);

    // Type 5 upright: x - 3 .. x + 3 and y - 3 .. y + 3 drawn.
    Win_MarkI(o, 60, 60, 0, 5);
    Pixels cross = row(60, 57, 63);
    for (int32_t y = 57; y <= 63; ++y)
        cross.insert({60, y});
    EXPECT_EQ(canvas.marked(), cross);
    canvas.clear(kWhite);

    // Turned by 90 degrees it is still a cross through the centre.
    Win_MarkI(o, 60, 60, 90, 5);
    const Pixels turned = canvas.marked();
    EXPECT_TRUE(turned.count({60, 60}));
    for (auto [x, y] : turned)
        EXPECT_TRUE((x == 60 && std::abs(y - 60) <= 4) || (y == 60 && std::abs(x - 60) <= 4));
}

TEST_F(Drawing, PointBuffers)
{
    Win_SetPen(o, 0, 0, 1);
    Win_LineInit(o);
    EXPECT_EQ(Win_LineSvI(o, 10, 10), 0);
    EXPECT_NE(Win_BufPolylineI(o), 0);  // one point doubled
    EXPECT_EQ(Win_LineSvI(o, 10, 10), 0);  // the buffer was emptied
    EXPECT_EQ(Win_LineSvI(o, 30, 10), 1);
    EXPECT_EQ(Win_LineSvI(o, 30, 20), 2);
    Win_BufPolylineI(o);
    Pixels path = row(10, 10, 29);
    for (int32_t y = 10; y < 20; ++y)
        path.insert({30, y});
    EXPECT_EQ(canvas.marked(), path);

    Win_FillInit(o);
    EXPECT_EQ(Win_FillSvI(o, 1, 1), 0);
    EXPECT_EQ(Win_FillSvI(o, 1, 1), 0);  // the same point once
    EXPECT_EQ(Win_FillSvI(o, 2, 1), 1);
    EXPECT_EQ(Win_FillI(o), 0);  // under three points: nothing, emptied
    EXPECT_EQ(Win_FillSvI(o, 1, 1), 0);
    Win_FillInit(o);

    // Each thread has buffers of its own.
    Win_LineSvI(o, 1, 1);
    int32_t other = -2;
    std::thread([&] {
        Win_LineInit(o);
        other = Win_LineSvI(o, 2, 2);
        Win_LineInit(o);
    }).join();
    EXPECT_EQ(other, 0);
    EXPECT_EQ(Win_LineSvI(o, 3, 3), 1);
    Win_LineInit(o);
}

TEST_F(Drawing, FillBufferWithTwoClosedTriangles)
{
    Win_SetPen(o, kRed, 0, 1);
    m<COLORREF>("Color") = kRed;
    Win_SetSolidBrush(o);
    // A B C A D E F D.
    const int32_t pts[][2] = {{10, 10}, {60, 10}, {10, 60}, {10, 10},
                              {120, 120}, {70, 120}, {120, 70}, {120, 120}};
    Win_FillInit(o);
    for (const auto &p : pts)
        Win_FillSvI(o, p[0], p[1]);
    EXPECT_NE(Win_FillI(o), 0);
    EXPECT_EQ(canvas.at(20, 20), kRed);      // inside A B C
    EXPECT_EQ(canvas.at(110, 110), kRed);    // inside D E F
    EXPECT_EQ(canvas.at(64, 64), kWhite);    // between: no third polygon joins them
    EXPECT_EQ(canvas.at(50, 50), kWhite);
    EXPECT_EQ(Win_FillSvI(o, 5, 5), 0);     // emptied
    Win_FillInit(o);
    EXPECT_EQ(GetPolyFillMode(canvas.dc), ALTERNATE);
}

TEST_F(Drawing, ArcsAndEllipses)
{
    Win_SetPen(o, 0, 0, 1);
    // Both radii below 2: the centre only.
    Win_CircleI(o, 40, 40, 1, 1, 0, 360, 0);
    EXPECT_EQ(canvas.marked(), (Pixels{{40, 40}}));
    canvas.clear(kWhite);

    // 350 to 10 degrees through straight up, by the world form.
    Win_Circle(o, 64, 64, 40, 40, 350, 10, 0);
    const Pixels top = canvas.marked();
    EXPECT_GT(top.size(), 5u);
    EXPECT_TRUE(top.count({64, 24}) || top.count({64, 25}));
    for (auto [x, y] : top) {
        EXPECT_LE(std::abs(x - 64), 8) << x;
        EXPECT_LE(y, 27) << y;
    }
    canvas.clear(kWhite);

    // A flat full ellipse is plotted pixel by pixel: symmetric, from
    // cx - rx to cx + rx.
    Win_CircleI(o, 64, 64, 30, 1, 0, 360, 0);
    const Pixels flat = canvas.marked();
    EXPECT_TRUE(flat.count({34, 64}) && flat.count({94, 64}));
    for (auto [x, y] : flat) {
        EXPECT_TRUE(flat.count({128 - x, y}) && flat.count({x, 128 - y}));
        EXPECT_LE(std::abs(y - 64), 1);
    }
    canvas.clear(kWhite);

    // A dashed flat arc takes every other traversal pixel.
    Win_SetPen(o, 0, 1, 1);
    Win_CircleI(o, 64, 64, 30, 1, 0, 180, 0);
    const Pixels dashed = canvas.marked();
    EXPECT_GT(dashed.size(), 10u);
    for (auto [x, y] : dashed)
        EXPECT_GE(x, 64);
    canvas.clear(kWhite);

    // A huge circle whose top passes through the view: drawn by chords that
    // stay within a pixel of the curve there.
    Win_SetPen(o, 0, 0, 1);
    Win_CircleI(o, 64, 1000064, 1000000, 1000000, -20, 20, 0);
    const Pixels huge = canvas.marked();
    EXPECT_GT(huge.size(), 100u);
    for (auto [x, y] : huge)
        EXPECT_LE(std::abs(y - 64), 1) << x << "," << y;

    // Filled: GDI's ellipse spans cx - r .. cx + r.
    canvas.clear(kWhite);
    m<COLORREF>("Color") = kBlue;
    Win_SetSolidBrush(o);
    EXPECT_NE(Win_FillCirI(o, 64, 64, 10, -10), 0);
    EXPECT_EQ(canvas.at(64, 64), kBlue);
    EXPECT_EQ(canvas.at(64 + 12, 64), kWhite);
    EXPECT_NE(canvas.at(64, 64 - 10), kWhite);
}

TEST_F(Drawing, PensCarryTheirAttributes)
{
    EXPECT_EQ(i("PenType"), -1);
    Win_SetPen(o, kRed, 0, 3);
    HPEN first = m<HPEN>("hPen");
    Win_SetPen(o, kRed, 0, 3);
    EXPECT_EQ(m<HPEN>("hPen"), first);  // the same pen, not remade
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), first);

    // EXTLOGPEN ends in a one-entry array; the other entries follow it.
    union {
        EXTLOGPEN pen;
        BYTE bytes[sizeof(EXTLOGPEN) + 16 * sizeof(DWORD)];
    } ext;
    struct {
        int32_t type, width;
        DWORD kind, style, width_, entries, first, third;
    } const cases[] = {
        {0, 3, PS_COSMETIC, PS_SOLID, 3, 0, 0, 0},  // plain pens read back as cosmetic
        {3, 1, PS_COSMETIC, PS_USERSTYLE, 1, 2, 3, 0},  // the thin entry
        {5, 4, PS_GEOMETRIC, PS_USERSTYLE, 4, 4, 32, 4},  // wide: lengths times the width
        {1, 1, PS_COSMETIC, PS_ALTERNATE, 1, 0, 0, 0},
        {-1, 0, PS_COSMETIC, PS_SOLID, 1, 0, 0, 0},  // no pen yet, or out of the table:
        {10, 0, PS_COSMETIC, PS_SOLID, 1, 0, 0, 0},  // solid, width at least 1
    };
    for (const auto &c : cases) {
        Win_SetPen(o, kBlue, c.type, c.width);
        ext = {};
        HPEN pen = m<HPEN>("hPen");
        if (GetObjectType(pen) == OBJ_PEN) {  // made by CreatePen
            LOGPEN lp = {};
            GetObjectA(pen, sizeof lp, &lp);
            EXPECT_EQ(lp.lopnStyle, UINT(c.style)) << c.type;
            EXPECT_EQ(DWORD(lp.lopnWidth.x), c.width_) << c.type;
            continue;
        }
        ASSERT_GT(GetObjectA(pen, sizeof ext, &ext), 0) << c.type;
        EXPECT_EQ(ext.pen.elpPenStyle & PS_TYPE_MASK, c.kind) << c.type;
        EXPECT_EQ(ext.pen.elpPenStyle & PS_STYLE_MASK, c.style) << c.type;
        EXPECT_EQ(ext.pen.elpWidth, c.width_) << c.type;
        EXPECT_EQ(ext.pen.elpColor, kBlue);
        ASSERT_EQ(ext.pen.elpNumEntries, c.entries) << c.type;
        if (c.entries) {
            EXPECT_EQ(ext.pen.elpStyleEntry[0], c.first) << c.type;
            EXPECT_EQ(ext.pen.elpStyleEntry[2], c.third) << c.type;
        }
        if (c.kind == PS_GEOMETRIC)
            EXPECT_EQ(ext.pen.elpPenStyle & PS_ENDCAP_MASK, DWORD(PS_ENDCAP_ROUND));
    }
    // Arcs with such a pen draw solid, dividing by no width 0.
    i("PenWidth") = 0;
    i("PenType") = -1;
    Win_CircleI(o, 64, 100000, 99950, 99950, -10, 10, 30);
    Win_CircleI(o, 64, 64, 20, 1, 0, 90, 0);
}

TEST_F(Drawing, PenColourRules)
{
    // {mode, method, colour asked, colour of the pen}, on a white background.
    struct {
        int32_t rop;
        int32_t(ZEKAPI *set)(ZEK_object *, COLORREF, int32_t, int32_t);
        COLORREF asked, pen;
    } const cases[] = {
        {'X', Win_SetPen, 0, kWhite},     {'X', Win_SetPen, kRed, kRed},
        {'R', Win_SetPen, kRed, kWhite},  {'N', Win_SetPen2, kWhite, 0},
        {'N', Win_SetPen2, 0, kWhite},    {'N', Win_SetPen2, kRed, kRed},
    };
    for (const auto &c : cases) {
        Win_SetRop(o, c.rop);
        c.set(o, c.asked, 0, 1);
        EXPECT_EQ(m<COLORREF>("PenColor"), c.pen) << char(c.rop) << " " << c.asked;
        EXPECT_EQ(m<COLORREF>("Color"), c.pen);
    }
}

TEST_F(Drawing, BrushesTilesAndReset)
{
    HGDIOBJ pen0 = GetCurrentObject(canvas.dc, OBJ_PEN);
    HGDIOBJ brush0 = GetCurrentObject(canvas.dc, OBJ_BRUSH);
    m<COLORREF>("Color") = kRed;
    SetBkColor(canvas.dc, kBlue);
    // Tile 5: rows 0000 FFFF: clear bits in the text (drawing) colour, set
    // bits in the background colour.
    ASSERT_EQ(Win_SetTileBrush(o, 5), 1);
    SelectObject(canvas.dc, GetStockObject(NULL_PEN));
    Win_FillBoxI(o, 0, 0, 40, 40);
    EXPECT_EQ(canvas.at(5, 16), kRed);
    EXPECT_EQ(canvas.at(5, 17), kBlue);
    EXPECT_EQ(canvas.at(6, 18), kRed);
    // Out of the table: pattern 0, all text colour.
    ASSERT_EQ(Win_SetTileBrush(o, 99), 1);
    Win_FillBoxI(o, 50, 0, 90, 40);
    EXPECT_EQ(canvas.at(60, 17), kRed);
    EXPECT_EQ(Win_SetHatchBrush(o, HS_CROSS), 1);
    EXPECT_EQ(Win_SetHatchBrush(o, 1000), 0);  // refused; the hatch stays
    EXPECT_NE(m<HBRUSH>("hBrush"), nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BRUSH), m<HBRUSH>("hBrush"));

    EXPECT_NE(Win_SetBrushOrg(o, 13, -3), 0);
    POINT org = {};
    GetBrushOrgEx(canvas.dc, &org);
    EXPECT_EQ(org.x, 5);
    EXPECT_EQ(org.y, 5);

    SelectObject(canvas.dc, pen0);
    Win_SetPen(o, kRed, 2, 2);
    EXPECT_EQ(Win_SetRectRgn(o, 0, 0, 10, 10), 1);
    HRGN firstRegion = m<HRGN>("hRgn");
    EXPECT_EQ(Win_SetEllipticRgn(o, 0, 0, 10, 10), 1);
    EXPECT_EQ(GetObjectType(firstRegion), 0u);  // replaced and deleted
    HBRUSH hatch = m<HBRUSH>("hBrush");
    HBITMAP tile = m<HBITMAP>("hTileBitmap");
    HPEN pen = m<HPEN>("hPen");
    Win_SetRop(o, 'X');

    Win_GmodeReset(o);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), pen0);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BRUSH), brush0);
    EXPECT_EQ(GetObjectType(hatch), 0u);
    EXPECT_EQ(GetObjectType(tile), 0u);
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(m<HRGN>("hRgn"), nullptr);
    EXPECT_EQ(i("PenType"), -1);
    EXPECT_EQ(i("bGmode"), 0);
    EXPECT_EQ(i("bPen") | i("bBrush"), 0);
    EXPECT_EQ(GetROP2(canvas.dc), R2_COPYPEN);
    EXPECT_EQ(m<HDC>("hDC"), canvas.dc);  // no window: nothing released
}

TEST_F(Drawing, GraphicTextAndForwarders)
{
    m<COLORREF>("Color") = kRed;
    EXPECT_NE(Win_GchrI(o, "AB", 20, 20, 0, 0, 24, 0, 0, 400), 0);
    Pixels text = canvas.marked();
    EXPECT_GT(text.size(), 10u);
    // Smoothed edges blend red into white: green and blue stay equal.
    for (auto [x, y] : text)
        EXPECT_EQ(canvas.at(x, y) >> 8 & 0xFF, canvas.at(x, y) >> 16) << x << "," << y;
    EXPECT_EQ(GetBkMode(canvas.dc), OPAQUE);  // restored
    canvas.clear(kWhite);
    // A face outside the four system names is face 0; turned text; XOR
    // mode goes through a path.
    EXPECT_NE(Win_GchrI(o, "AB", 60, 60, 90, 0, 24, 42, 0, 400), 0);
    EXPECT_NE(Win_GchrI(o, "AB", 60, 60, 0, 0, 24, -1, 0, 400), 0);
    Win_SetRop(o, 'X');
    EXPECT_NE(Win_GchrI(o, "AB", 10, 80, 0, 0, 24, 0, 0, 400), 0);
    Win_SetRop(o, 'N');
    EXPECT_EQ(Win_GchrI(o, nullptr, 0, 0, 0, 0, 24, 0, 0, 400), 0);

    canvas.clear(kWhite);
    Win_SetPen(o, 0, 0, 1);
    POINT previous;
    EXPECT_NE(Win_MoveTo(o, 5, 100, &previous), 0);
    EXPECT_NE(Win_LineTo(o, 15, 100), 0);
    EXPECT_EQ(canvas.marked(), row(100, 5, 14));
    EXPECT_EQ(Win_Polyline(o, nullptr, 3), 0);

    HFONT f1 = Win_CreateFont(o, 20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    ASSERT_NE(f1, nullptr);
    SelectObject(canvas.dc, f1);
    HFONT f2 = Win_CreateFont(o, 30, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_EQ(m<HFONT>("hFont"), f2);
    EXPECT_EQ(GetObjectType(f1), 0u);  // deselected, then deleted
    EXPECT_EQ(Win_GetDC(o, nullptr), nullptr);  // no window: not the screen
    HDC compatible = Win_CreateCompatibleDC(o, nullptr);
    EXPECT_NE(compatible, nullptr);
    EXPECT_NE(Win_DeleteDC(o, compatible), 0);
    EXPECT_EQ(m<HDC>("hDC"), canvas.dc);
}
