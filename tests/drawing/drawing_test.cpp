// Drawing primitives of a Win pointed at a memory context holding a DIB
// section: pixels read back exactly for the library's own routines, GDI
// shapes checked loosely, pens checked by their attributes.
#include <algorithm>
#include <cmath>
#include <set>
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
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = make();
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBITMAP make()
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32};
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits), nullptr, 0);
    }
    ~Canvas() { SelectObject(dc, oldBitmap), DeleteDC(dc), DeleteObject(bitmap); }
    void clear() { GdiFlush(), std::fill(bits, bits + kSize * kSize, 0xFFFFFFu); }
    COLORREF at(int32_t x, int32_t y) { return GdiFlush(), swap_rb(bits[y * kSize + x] & 0xFFFFFF); }
    Pixels marked(bool clearAfter = false)  // pixels not white
    {
        Pixels s;
        for (int32_t y = 0; y < kSize; ++y)
            for (int32_t x = 0; x < kSize; ++x)
                if (at(x, y) != kWhite)
                    s.insert({x, y});
        if (clearAfter)
            clear();
        return s;
    }
    Pixels take() { return marked(true); }
};

struct Drawing : ::testing::Test {
    Canvas canvas;
    TestWin win{"ZekDrawingTest"};
    ZEK_object *o = win.o;
    template <typename T>
    T &m(const char *name) { return member<T>(o, name); }
    int32_t &i(const char *name) { return mi(o, name); }
    void SetUp() override  // identity mapping over the whole white canvas
    {
        ASSERT_NE(canvas.bits, nullptr);
        canvas.clear();
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
    void view(int32_t x1, int32_t y1, int32_t x2, int32_t y2) { i("Vx1") = x1, i("Vy1") = y1, i("Vx2") = x2, i("Vy2") = y2; }
};

using Ints = std::vector<int32_t>;

// An upright or level segment, both ends drawn.
Pixels seg(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Pixels s = {})
{
    for (int32_t x = x1; x <= x2; ++x)
        for (int32_t y = y1; y <= y2; ++y)
            s.insert({x, y});
    return s;
}
Pixels row(int32_t y, int32_t x1, int32_t x2) { return seg(x1, y, x2, y); }

}  // namespace

TEST_F(Drawing, PixelsAndLinesInsideTheViewAndEraseMode)
{
    view(10, 10, 99, 99);
    EXPECT_EQ((Ints{Win_PsetI(o, 10, 99), Win_PsetI(o, 9, 50), Win_PsetI(o, 50, 100)}), (Ints{1, 0, 0}));
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
    EXPECT_TRUE(i("Rop") == 'Q' && GetROP2(canvas.dc) == R2_XORPEN);
    EXPECT_EQ(Win_SetROP2(o, R2_COPYPEN), R2_XORPEN);

    // Lines are clipped to the view.
    canvas.clear(), Win_SetRop(o, 'N');
    view(10, 10, 89, 89);
    Win_SetPen(o, kRed, 0, 1);
    // Crossing both side edges: the ends come back swapped, GDI leaves out
    // its last pixel, so x runs 89 down to 11.
    EXPECT_EQ(Win_LineI(o, -50, 20, 200, 20), 1);
    EXPECT_EQ(canvas.take(), row(20, 11, 89));
    EXPECT_EQ(Win_LineI(o, -50, 20, 9, 80), 0) << "wholly left of the view";
    EXPECT_TRUE(canvas.marked().empty());
    EXPECT_EQ(Win_LineI(o, 50, 50, 50, 50), 1);
    EXPECT_EQ(canvas.marked(), (Pixels{{50, 50}}));
    int32_t y1 = 0, x2 = -1, y2 = 3;
    EXPECT_EQ(Win_Clip_ck(o, nullptr, &y1, &x2, &y2), 0);
}

TEST_F(Drawing, WorldFormsAndMarks)
{
    // Pixels per world unit 2 with the origin at (10, 10).
    Win_Scale(o, 10, 10, 109, 109, 0, 0, 50, 50);
    EXPECT_EQ(Win_Pset(o, 5.9, 1.2), 1);
    EXPECT_EQ(canvas.take(), (Pixels{{21, 12}}));
    Win_SetPen(o, kRed, 0, 1);
    Win_Line(o, 0, 5, 20, 5);
    EXPECT_EQ(canvas.take(), row(20, 10, 49));

    // Marks have their extents.
    Win_SetPen(o, 0, 0, 1);
    Win_MarkI(o, 20, 20, 0, 0);
    EXPECT_EQ(canvas.take(), (Pixels{{20, 20}}));
    Win_MarkI(o, 20, 20, 0, 1);  // a plus: LineI leaves out each stroke's last pixel
    EXPECT_EQ(canvas.take(), (Pixels{{19, 20}, {20, 20}, {20, 19}}));
    Win_MarkI(o, 60, 60, 0, 5);  // type 5 upright: x - 3 .. x + 3 and y - 3 .. y + 3
    EXPECT_EQ(canvas.take(), seg(60, 57, 60, 63, row(60, 57, 63)));
}

TEST_F(Drawing, PointBuffers)
{
    Win_SetPen(o, 0, 0, 1);
    Win_LineInit(o);
    EXPECT_EQ(Win_LineSvI(o, 10, 10), 0);
    EXPECT_NE(Win_BufPolylineI(o), 0);  // one point doubled; the buffer emptied
    EXPECT_EQ((Ints{Win_LineSvI(o, 10, 10), Win_LineSvI(o, 30, 10), Win_LineSvI(o, 30, 20)}), (Ints{0, 1, 2}));
    Win_BufPolylineI(o);
    EXPECT_EQ(canvas.take(), seg(30, 10, 30, 19, row(10, 10, 29)));

    // The same point once; under three points nothing is filled, the buffer emptied.
    Win_FillInit(o);
    EXPECT_EQ((Ints{Win_FillSvI(o, 1, 1), Win_FillSvI(o, 1, 1), Win_FillSvI(o, 2, 1), Win_FillI(o),
                    Win_FillSvI(o, 1, 1)}),
              (Ints{0, 0, 1, 0, 0}));

    // A fill buffer with two closed triangles.
    Win_SetPen(o, kRed, 0, 1);
    m<COLORREF>("Color") = kRed;
    Win_SetSolidBrush(o);
    // A B C A D E F D: inside each triangle red, between them (no third polygon) white.
    const int32_t pts[][2] = {{10, 10}, {60, 10}, {10, 60}, {10, 10},
                              {120, 120}, {70, 120}, {120, 70}, {120, 120}};
    Win_FillInit(o);
    for (const auto &p : pts)
        Win_FillSvI(o, p[0], p[1]);
    EXPECT_NE(Win_FillI(o), 0);
    EXPECT_EQ((std::vector<COLORREF>{canvas.at(20, 20), canvas.at(110, 110), canvas.at(64, 64), canvas.at(50, 50)}),
              (std::vector<COLORREF>{kRed, kRed, kWhite, kWhite}));
    EXPECT_EQ(Win_FillSvI(o, 5, 5), 0);     // emptied
    Win_FillInit(o);
    EXPECT_EQ(GetPolyFillMode(canvas.dc), ALTERNATE);
}

TEST_F(Drawing, ArcsAndEllipses)
{
    Win_SetPen(o, 0, 0, 1);
    Win_CircleI(o, 40, 40, 1, 1, 0, 360, 0);  // both radii below 2: the centre only
    EXPECT_EQ(canvas.take(), (Pixels{{40, 40}}));
    Win_Circle(o, 64, 64, 40, 40, 350, 10, 0);  // 350 to 10 degrees through straight up
    const Pixels top = canvas.take();
    EXPECT_GT(top.size(), 5u);
    EXPECT_TRUE(top.count({64, 24}) || top.count({64, 25}));
    for (auto [x, y] : top)
        EXPECT_TRUE(std::abs(x - 64) <= 8 && y <= 27) << x << "," << y;
    // A flat full ellipse is plotted pixel by pixel: symmetric, cx - rx to cx + rx.
    Win_CircleI(o, 64, 64, 30, 1, 0, 360, 0);
    const Pixels flat = canvas.take();
    EXPECT_TRUE(flat.count({34, 64}) && flat.count({94, 64}));
    for (auto [x, y] : flat)
        EXPECT_TRUE(flat.count({128 - x, y}) && flat.count({x, 128 - y}) && std::abs(y - 64) <= 1);
    // A huge circle whose top passes through the view: drawn by chords that
    // stay within a pixel of the curve there.
    Win_CircleI(o, 64, 1000064, 1000000, 1000000, -20, 20, 0);
    const Pixels huge = canvas.take();
    EXPECT_GT(huge.size(), 100u);
    for (auto [x, y] : huge)
        EXPECT_LE(std::abs(y - 64), 1) << x << "," << y;
    // Filled: GDI's ellipse spans cx - r .. cx + r.
    m<COLORREF>("Color") = kBlue;
    Win_SetSolidBrush(o);
    EXPECT_NE(Win_FillCirI(o, 64, 64, 10, -10), 0);
    EXPECT_TRUE(canvas.at(64, 64) == kBlue && canvas.at(64 + 12, 64) == kWhite && canvas.at(64, 64 - 10) != kWhite);
}

TEST_F(Drawing, PensCarryTheirAttributesAndColourRules)
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
    struct { int32_t type, width; DWORD kind, style, width_, entries, first, third; } const cases[] = {
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
            EXPECT_TRUE(lp.lopnStyle == c.style && DWORD(lp.lopnWidth.x) == c.width_) << c.type;
            continue;
        }
        ASSERT_GT(GetObjectA(pen, sizeof ext, &ext), 0) << c.type;
        const EXTLOGPEN &e = ext.pen;
        const DWORD cap = c.kind == PS_GEOMETRIC ? e.elpPenStyle & PS_ENDCAP_MASK : PS_ENDCAP_ROUND;
        EXPECT_EQ((std::vector<DWORD>{e.elpPenStyle & PS_TYPE_MASK, e.elpPenStyle & PS_STYLE_MASK, e.elpWidth,
                                      e.elpColor, e.elpNumEntries, e.elpStyleEntry[0], e.elpStyleEntry[2], cap}),
                  (std::vector<DWORD>{c.kind, c.style, c.width_, kBlue, c.entries, c.first, c.third, PS_ENDCAP_ROUND}))
            << c.type;
    }
    // Arcs with such a pen draw solid, dividing by no width 0.
    i("PenWidth") = 0;
    i("PenType") = -1;
    Win_CircleI(o, 64, 100000, 99950, 99950, -10, 10, 30);
    Win_CircleI(o, 64, 64, 20, 1, 0, 90, 0);

    // Pen colour rules: {mode, method, colour asked, colour of the pen}, on a white background.
    struct { int32_t rop; int32_t(ZEKAPI *set)(ZEK_object *, COLORREF, int32_t, int32_t); COLORREF asked, pen; } const colours[] = {
        {'X', Win_SetPen, 0, kWhite},     {'X', Win_SetPen, kRed, kRed},
        {'R', Win_SetPen, kRed, kWhite},  {'N', Win_SetPen2, kWhite, 0},
        {'N', Win_SetPen2, 0, kWhite},    {'N', Win_SetPen2, kRed, kRed},
    };
    for (const auto &c : colours) {
        Win_SetRop(o, c.rop);
        c.set(o, c.asked, 0, 1);
        EXPECT_TRUE(m<COLORREF>("PenColor") == c.pen && m<COLORREF>("Color") == c.pen) << char(c.rop) << c.asked;
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
    EXPECT_TRUE(canvas.at(5, 16) == kRed && canvas.at(5, 17) == kBlue && canvas.at(6, 18) == kRed);
    ASSERT_EQ(Win_SetTileBrush(o, 99), 1);  // out of the table: pattern 0, all text colour
    Win_FillBoxI(o, 50, 0, 90, 40);
    EXPECT_EQ(canvas.at(60, 17), kRed);
    EXPECT_EQ(Win_SetHatchBrush(o, HS_CROSS), 1);
    EXPECT_EQ(Win_SetHatchBrush(o, 1000), 0);  // refused; the hatch stays
    EXPECT_TRUE(m<HBRUSH>("hBrush") && GetCurrentObject(canvas.dc, OBJ_BRUSH) == m<HBRUSH>("hBrush"));

    EXPECT_NE(Win_SetBrushOrg(o, 13, -3), 0);
    POINT org = {};
    GetBrushOrgEx(canvas.dc, &org);
    EXPECT_TRUE(org.x == 5 && org.y == 5);

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
    EXPECT_TRUE(GetCurrentObject(canvas.dc, OBJ_PEN) == pen0 && GetCurrentObject(canvas.dc, OBJ_BRUSH) == brush0);
    for (HGDIOBJ h : {HGDIOBJ(hatch), HGDIOBJ(tile), HGDIOBJ(pen)})
        EXPECT_EQ(GetObjectType(h), 0u) << h;
    EXPECT_EQ(m<HRGN>("hRgn"), nullptr);
    EXPECT_EQ((std::vector<int32_t>{i("PenType"), i("bGmode"), i("bPen"), i("bBrush"), GetROP2(canvas.dc)}),
              (std::vector<int32_t>{-1, 0, 0, 0, R2_COPYPEN}));
    EXPECT_EQ(m<HDC>("hDC"), canvas.dc);  // no window: nothing released
}

TEST_F(Drawing, GraphicTextAndForwarders)
{
    m<COLORREF>("Color") = kRed;
    EXPECT_NE(Win_GchrI(o, "AB", 20, 20, 0, 0, 24, 0, 0, 400), 0);
    const Pixels text = canvas.marked();
    EXPECT_GT(text.size(), 10u);
    // Smoothed edges blend red into white: green and blue stay equal.
    for (auto [x, y] : text)
        EXPECT_EQ(canvas.at(x, y) >> 8 & 0xFF, canvas.at(x, y) >> 16) << x << "," << y;
    EXPECT_EQ(GetBkMode(canvas.dc), OPAQUE);  // restored
    // A face outside the four system names is face 0; turned text; XOR
    // mode goes through a path.
    EXPECT_NE(Win_GchrI(o, "AB", 60, 60, 90, 0, 24, 42, 0, 400), 0);
    EXPECT_NE(Win_GchrI(o, "AB", 60, 60, 0, 0, 24, -1, 0, 400), 0);
    Win_SetRop(o, 'X');
    EXPECT_NE(Win_GchrI(o, "AB", 10, 80, 0, 0, 24, 0, 0, 400), 0);
    Win_SetRop(o, 'N');
    EXPECT_EQ(Win_GchrI(o, nullptr, 0, 0, 0, 0, 24, 0, 0, 400), 0);

    EXPECT_EQ(Win_Polyline(o, nullptr, 3), 0);

    HFONT f1 = Win_CreateFont(o, 20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    ASSERT_NE(f1, nullptr);
    SelectObject(canvas.dc, f1);
    HFONT f2 = Win_CreateFont(o, 30, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_EQ(m<HFONT>("hFont"), f2);
    EXPECT_EQ(GetObjectType(f1), 0u);  // deselected, then deleted
    EXPECT_EQ(Win_GetDC(o, nullptr), nullptr);  // no window: not the screen
    EXPECT_EQ(m<HDC>("hDC"), canvas.dc);
}
