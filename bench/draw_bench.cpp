// Prints the speed of the Win drawing primitives side by side with plain GDI
// doing the same work, on 1920 x 1080 DIB sections held by memory contexts:
// world-coordinate lines through clipping and GDI, direct writes into the
// Win's own bitmap, arcs (huge radii too), the point buffers and graphic
// text with the font cache hit and missed.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ZEK2.h"

namespace {

constexpr int32_t kW = 1920, kH = 1080;
// The world of the line and arc runs: x from -10 to 10 across the view,
// y from 5.625 at the top to -5.625 at the bottom.
constexpr double kWx1 = -10, kWy1 = 5.625, kWx2 = 10, kWy2 = -5.625;

double gTicksPerSecond;
volatile int64_t gSink;

double now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / gTicksPerSecond;
}

ZEK_layer *win_layer(ZEK_object *o)
{
    return ZEK_layer_at(o, 1);
}

template <typename T>
T &member(ZEK_object *o, const char *name)
{
    ZEK_layer *l = win_layer(o);
    const int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, name);
    if (i < 0) {
        std::fprintf(stderr, "no member %s\n", name);
        ExitProcess(2);
    }
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[i].place)));
}

int32_t &ival(ZEK_object *o, const char *name)
{
    return member<int32_t>(o, name);
}

void set_view(ZEK_object *o, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    ival(o, "Vx1") = x1, ival(o, "Vy1") = y1, ival(o, "Vx2") = x2, ival(o, "Vy2") = y2;
}

// Pixel to world under the mapping above (the library converts back).
double world_x(double px) { return kWx1 + px * (kWx2 - kWx1) / (kW - 1); }
double world_y(double py) { return kWy1 + py * (kWy2 - kWy1) / (kH - 1); }
double world_len_x(double px) { return px * (kWx2 - kWx1) / (kW - 1); }
double world_len_y(double py) { return py * (kWy1 - kWy2) / (kH - 1); }

// A small deterministic generator, the same figures every run.
struct Rng {
    uint64_t s = 0x9E3779B97F4A7C15ull;
    uint32_t next()
    {
        s ^= s << 13, s ^= s >> 7, s ^= s << 17;
        return uint32_t(s >> 16);
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }
    int32_t range(int32_t lo, int32_t hi) { return lo + int32_t(next() % uint32_t(hi - lo + 1)); }
};

// A 1920 x 1080 top-down DIB section of the given depth in a memory context.
struct Canvas {
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
    void *bits = nullptr;
    explicit Canvas(int bpp)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kW;
        info.bmiHeader.biHeight = -kH;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = WORD(bpp);
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
    }
    ~Canvas()
    {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

// A Win object drawing into a memory context in graphics mode, with the
// world mapping above over the whole 1920 x 1080 view.
ZEK_object *make_win(const char *className)
{
    ZEK_object *o = Win_ctor2(nullptr);
    member<const char *>(o, "pClassName") = className;
    member<RECT>(o, "bRect") = RECT{0, 0, kW, kH};
    Win_ScaleNew(o);
    return o;
}

void attach(ZEK_object *o, HDC dc)
{
    member<HDC>(o, "hDC") = dc;
    ival(o, "bGmode") = 1;
    Win_Scale(o, 0, 0, kW - 1, kH - 1, kWx1, kWy1, kWx2, kWy2);
    set_view(o, 0, 0, kW - 1, kH - 1);
    member<COLORREF>(o, "Color") = 0x3080C0;
    member<COLORREF>(o, "BackColor") = 0;
    Win_SetRop(o, 'N');
}

// ---------------------------------------------------------------------------
// Timing: each variant is one pass over a batch; a pass is repeated enough
// times to last about `target` seconds, rounds are interleaved across the
// variants and the fastest round of each is kept.

struct Variant {
    std::string name;
    std::function<void()> pass;
    double perPass = 0;  // best seconds per pass
};

double time_passes(const std::function<void()> &pass, long reps)
{
    GdiFlush();
    const double start = now();
    for (long r = 0; r < reps; ++r)
        pass();
    GdiFlush();
    return (now() - start) / double(reps);
}

void run_variants(std::vector<Variant> &vs, double target = 0.12, int rounds = 3)
{
    std::vector<long> reps(vs.size());
    for (size_t k = 0; k < vs.size(); ++k) {
        const double once = time_passes(vs[k].pass, 1);  // warm-up and estimate
        reps[k] = once >= target ? 1 : std::max(1L, long(target / std::max(once, 1e-9)));
        vs[k].perPass = once;
        // A pass slower than the whole budget is not repeated.
        if (once >= 4 * target)
            reps[k] = 0;
    }
    for (int r = 0; r < rounds; ++r)
        for (size_t k = 0; k < vs.size(); ++k)
            if (reps[k] > 0)
                vs[k].perPass = std::min(vs[k].perPass, time_passes(vs[k].pass, reps[k]));
}

void row(const char *name, double perSecond, double ns, const char *extra = "")
{
    std::printf("  %-50s %12.0f /s %10.1f ns %s\n", name, perSecond, ns, extra);
}

// ---------------------------------------------------------------------------
// Line sets: world end points and the library's own pixels for them.

struct Segment {
    double wx1, wy1, wx2, wy2;  // world
    int32_t x1, y1, x2, y2;     // pixels as the mapping gives them
    int32_t cx1, cy1, cx2, cy2; // clipped to the view (when visible)
    bool visible;
    int64_t pixels;             // pixels along the visible part
};

struct LineSet {
    const char *name;
    std::vector<Segment> s;
    double visibleShare = 0, pixelsPerLine = 0;
};

LineSet make_lines(ZEK_object *o, const char *name, bool shortLines, int n)
{
    Rng rng;
    if (shortLines)
        rng.s ^= 0x1234567;
    LineSet set{name, {}};
    int64_t visible = 0, pixels = 0;
    for (int i = 0; i < n; ++i) {
        double px1, py1, px2, py2;
        if (shortLines) {
            // 1 to 24 pixels long, starting anywhere a little beyond the view.
            px1 = rng.uniform(-32, kW + 32), py1 = rng.uniform(-32, kH + 32);
            const double a = rng.uniform(0, 6.283185307179586), len = rng.uniform(1, 24);
            px2 = px1 + len * std::cos(a), py2 = py1 + len * std::sin(a);
        } else {
            // Ends anywhere in an area four times the view around it: most
            // lines cross an edge, some miss the view altogether.
            px1 = rng.uniform(-kW / 2.0, 1.5 * kW), py1 = rng.uniform(-kH / 2.0, 1.5 * kH);
            px2 = rng.uniform(-kW / 2.0, 1.5 * kW), py2 = rng.uniform(-kH / 2.0, 1.5 * kH);
        }
        Segment g{};
        g.wx1 = world_x(px1), g.wy1 = world_y(py1), g.wx2 = world_x(px2), g.wy2 = world_y(py2);
        g.x1 = Win_WldToVewX(o, g.wx1), g.y1 = Win_WldToVewY(o, g.wy1);
        g.x2 = Win_WldToVewX(o, g.wx2), g.y2 = Win_WldToVewY(o, g.wy2);
        int32_t a = g.x1, b = g.y1, c = g.x2, d = g.y2;
        g.visible = Win_Clip_ck(o, &a, &b, &c, &d) != 0;
        g.cx1 = a, g.cy1 = b, g.cx2 = c, g.cy2 = d;
        if (g.visible) {
            g.pixels = std::max(std::abs(int64_t(c) - a), std::abs(int64_t(d) - b)) + 1;
            ++visible;
            pixels += g.pixels;
        }
        set.s.push_back(g);
    }
    set.visibleShare = double(visible) / n;
    set.pixelsPerLine = double(pixels) / n;
    return set;
}

// ---------------------------------------------------------------------------
// 1. Win_Line against MoveToEx/LineTo.

void bench_lines_gdi(ZEK_object *o, HDC dc, const char *canvasName, const LineSet &set)
{
    const std::vector<Segment> &s = set.s;
    const double n = double(s.size());
    int64_t acc = 0;
    std::vector<Variant> vs;
    vs.push_back({"GDI MoveToEx/LineTo, precomputed pixels", [&] {
                      for (const Segment &g : s) {
                          MoveToEx(dc, g.x1, g.y1, nullptr);
                          acc += LineTo(dc, g.x2, g.y2);
                      }
                  }});
    vs.push_back({"Win_Line (world, clipped, GDI Polyline)", [&] {
                      for (const Segment &g : s)
                          acc += Win_Line(o, g.wx1, g.wy1, g.wx2, g.wy2);
                  }});
    vs.push_back({"  Win_LineI (pixels, clipped, GDI Polyline)", [&] {
                      for (const Segment &g : s)
                          acc += Win_LineI(o, g.x1, g.y1, g.x2, g.y2);
                  }});
    vs.push_back({"  Win_SetPen (unchanged) + Win_Line", [&] {
                      for (const Segment &g : s) {
                          Win_SetPen(o, 0x3080C0, 0, 1);
                          acc += Win_Line(o, g.wx1, g.wy1, g.wx2, g.wy2);
                      }
                  }});
    vs.push_back({"  GDI Polyline of the clipped pixels", [&] {
                      for (const Segment &g : s) {
                          if (!g.visible)
                              continue;
                          const POINT p[2] = {{g.cx1, g.cy1}, {g.cx2, g.cy2}};
                          acc += Polyline(dc, p, 2);
                      }
                  }});
    vs.push_back({"  Win_Line, empty view (library work only)", [&] {
                      set_view(o, 1, 1, 0, 0);
                      for (const Segment &g : s)
                          acc += Win_Line(o, g.wx1, g.wy1, g.wx2, g.wy2);
                      set_view(o, 0, 0, kW - 1, kH - 1);
                  }});
    vs.push_back({"  4 Win_WldToVewX/Y + Win_Clip_ck (direct calls)", [&] {
                      for (const Segment &g : s) {
                          int32_t x1 = Win_WldToVewX(o, g.wx1), y1 = Win_WldToVewY(o, g.wy1);
                          int32_t x2 = Win_WldToVewX(o, g.wx2), y2 = Win_WldToVewY(o, g.wy2);
                          acc += Win_Clip_ck(o, &x1, &y1, &x2, &y2) + x1 + y2;
                      }
                  }});
    Win_SetPen(o, 0x3080C0, 0, 1);
    run_variants(vs);
    gSink += acc;
    std::printf("\n %s lines on the %s DIB: %zu lines, %.0f%% visible, %.1f visible pixels a line\n",
                set.name, canvasName, s.size(), 100 * set.visibleShare, set.pixelsPerLine);
    const double base = vs[0].perPass;
    for (const Variant &v : vs) {
        char extra[64];
        std::snprintf(extra, sizeof extra, "%5.2fx GDI", v.perPass / base);
        row(v.name.c_str(), n / v.perPass, v.perPass / n * 1e9, extra);
    }
    std::printf("  => Win_Line overhead: %.2fx plain GDI (aim: within 1.30x)\n", vs[1].perPass / base);
}

// ---------------------------------------------------------------------------
// 2. Direct writes into the Win's bitmap against GDI into the same bitmap.

void bench_direct(ZEK_object *o, HDC dc, const LineSet &set)
{
    const std::vector<Segment> &s = set.s;
    const double n = double(s.size());
    int64_t acc = 0;
    const COLORREF colour = 0x3080C0;
    std::printf("\n %s lines into the Win's 24-bit bitmap: %zu lines, %.1f visible pixels a line\n",
                set.name, s.size(), set.pixelsPerLine);
    for (int32_t type : {0, 3}) {
        std::vector<Variant> vs;
        vs.push_back({"GDI MoveToEx/LineTo (the Win's pen)", [&] {
                          for (const Segment &g : s) {
                              MoveToEx(dc, g.x1, g.y1, nullptr);
                              acc += LineTo(dc, g.x2, g.y2);
                          }
                      }});
        vs.push_back({"Win_DrawBmpLineAsm (pixels)", [&] {
                          for (const Segment &g : s)
                              acc += Win_DrawBmpLineAsm(o, g.x1, g.y1, g.x2, g.y2, type, colour);
                      }});
        vs.push_back({"Win_DrawBmpLine (world)", [&] {
                          for (const Segment &g : s)
                              Win_DrawBmpLine(o, g.wx1, g.wy1, g.wx2, g.wy2, type, 1, colour);
                      }});
        vs.push_back({"Win_LineI (pixels, GDI)", [&] {
                          for (const Segment &g : s)
                              acc += Win_LineI(o, g.x1, g.y1, g.x2, g.y2);
                      }});
        Win_SetPen(o, colour, type, 1);
        run_variants(vs);
        std::printf("  type %d (%s)%*s %16s %13s %14s\n", type, type == 0 ? "solid" : "dashed", 33,
                    "", "lines", "ns a line", "Mpixels/s");
        const double base = vs[0].perPass;
        for (const Variant &v : vs) {
            char extra[64];
            std::snprintf(extra, sizeof extra, "%9.1f Mpx/s %5.2fx GDI time",
                          n * set.pixelsPerLine / v.perPass / 1e6, v.perPass / base);
            row(v.name.c_str(), n / v.perPass, v.perPass / n * 1e9, extra);
        }
    }
    gSink += acc;
}

// ---------------------------------------------------------------------------
// 3. Arcs.

struct Circle {
    int32_t cx, cy, r;
    double a1, a2;
};

void bench_arcs(ZEK_object *o, HDC dc)
{
    Rng rng;
    auto circles = [&](int n, int32_t rlo, int32_t rhi, bool partial, bool offView) {
        std::vector<Circle> v;
        for (int i = 0; i < n; ++i) {
            Circle c;
            c.r = rng.range(rlo, rhi);
            if (offView) {
                // The centre beyond the view's bottom edge: the top of the
                // circle crosses the view, the rest lies outside.
                c.cx = rng.range(0, kW - 1);
                c.cy = rng.range(kH / 4, 3 * kH / 4) + c.r;
            } else {
                c.cx = rng.range(0, kW - 1), c.cy = rng.range(0, kH - 1);
            }
            c.a1 = partial ? rng.uniform(0, 180) : 0;
            c.a2 = partial ? c.a1 + rng.uniform(30, 170) : 360;
            v.push_back(c);
        }
        return v;
    };
    struct Set {
        const char *name;
        std::vector<Circle> c;
        bool gdi;
    };
    std::vector<Set> sets;
    sets.push_back({"full, r 10-400 px, centre in view", circles(512, 10, 400, false, false), true});
    sets.push_back({"arc 30-170 deg, r 10-400 px", circles(512, 10, 400, true, false), true});
    sets.push_back({"full, r 2000-30000 px, crossing the view", circles(64, 2000, 30000, false, true), true});
    sets.push_back({"full, r 1e5 px, crossing the view", circles(16, 100000, 100000, false, true), false});
    sets.push_back({"full, r 1e6 px, crossing the view", circles(8, 1000000, 1000000, false, true), false});
    sets.push_back({"arc 30-170 deg, r 1e6 px", circles(8, 1000000, 1000000, true, true), false});
    Win_SetPen(o, 0x3080C0, 0, 1);
    int64_t acc = 0;
    std::printf("\n3. Arcs on the 32-bit DIB (solid pen of width 1)\n");
    for (const Set &set : sets) {
        const std::vector<Circle> &c = set.c;
        std::vector<Variant> vs;
        // The radial end points of each arc, clockwise from the top in
        // degrees; GDI sweeps counter-clockwise from the second to the first.
        std::vector<POINT> ends;
        for (const Circle &k : c)
            for (double a : {k.a1, k.a2 >= k.a1 + 360 ? k.a1 : k.a2}) {
                const double t = a * 3.141592653589793 / 180;
                ends.push_back(POINT{LONG(k.cx + std::trunc(k.r * std::sin(t))),
                                     LONG(k.cy - std::trunc(k.r * std::cos(t)))});
            }
        if (set.gdi)
            vs.push_back({"GDI Arc (same box and end points)", [&] {
                              const int old = SetArcDirection(dc, AD_COUNTERCLOCKWISE);
                              for (size_t i = 0; i < c.size(); ++i) {
                                  const Circle &k = c[i];
                                  acc += Arc(dc, k.cx - k.r, k.cy - k.r, k.cx + 1 + k.r,
                                             k.cy + 1 + k.r, ends[2 * i + 1].x, ends[2 * i + 1].y,
                                             ends[2 * i].x, ends[2 * i].y);
                              }
                              SetArcDirection(dc, old);
                          }});
        vs.push_back({"Win_CircleI (pixels)", [&] {
                          for (const Circle &k : c)
                              acc += Win_CircleI(o, k.cx, k.cy, k.r, k.r, k.a1, k.a2, 0);
                      }});
        vs.push_back({"Win_Circle (world)", [&] {
                          for (const Circle &k : c)
                              acc += Win_Circle(o, world_x(k.cx), world_y(k.cy), world_len_x(k.r),
                                                world_len_y(k.r), k.a1, k.a2, 0);
                      }});
        run_variants(vs, 0.1, 2);
        std::printf(" %s (%zu arcs)\n", set.name, c.size());
        for (const Variant &v : vs)
            row(v.name.c_str(), double(c.size()) / v.perPass, v.perPass / double(c.size()) * 1e9);
    }
    gSink += acc;
}

// ---------------------------------------------------------------------------
// 4. The point buffers.

void bench_points(ZEK_object *o)
{
    const int32_t n = 1000000;
    int64_t acc = 0;
    auto line = [&] {
        Win_LineInit(o);
        for (int32_t i = 0; i < n; ++i)
            acc += Win_LineSvI(o, i & 1023, i >> 10);
    };
    auto fill = [&] {
        Win_FillInit(o);
        for (int32_t i = 0; i < n; ++i)
            acc += Win_FillSvI(o, i & 1023, i >> 10);
    };
    auto lineWorld = [&] {
        Win_LineInit(o);
        for (int32_t i = 0; i < n; ++i)
            acc += Win_LineSv(o, world_x(i & 1023), world_y(i >> 10));
    };
    std::vector<POINT> plain;
    auto vec = [&] {
        plain.clear();
        for (int32_t i = 0; i < n; ++i)
            plain.push_back(POINT{i & 1023, i >> 10});
        acc += plain.back().x;
    };
    std::vector<Variant> vs = {{"Win_LineInit + 1e6 Win_LineSvI", line},
                               {"Win_FillInit + 1e6 Win_FillSvI", fill},
                               {"Win_LineInit + 1e6 Win_LineSv (world)", lineWorld},
                               {"std::vector<POINT>::push_back (reference)", vec}};
    std::printf("\n4. Appending one million points (first run grows the buffer; then best of 5)\n");
    std::printf("  %-50s %12s %12s %10s\n", "", "first ms", "ms/million", "ns/point");
    for (Variant &v : vs) {
        const double first = time_passes(v.pass, 1);
        double best = first;
        for (int r = 0; r < 5; ++r)
            best = std::min(best, time_passes(v.pass, 1));
        std::printf("  %-50s %12.2f %12.2f %10.2f\n", v.name.c_str(), first * 1e3, best * 1e3,
                    best / n * 1e9);
    }
    Win_LineInit(o);
    Win_FillInit(o);
    gSink += acc;
}

// ---------------------------------------------------------------------------
// 5. Graphic text.

void bench_text(ZEK_object *o, HDC dc)
{
    const char *text = "ZEK2 draw 123";
    const int32_t len = int32_t(std::strlen(text));
    char face[32] = "";
    GetSystemFontName(0, face);
    SetFontInit2();
    int64_t acc = 0;
    const int perPass = 256;
    // Plain GDI gets its own copy of the cache's font: the uncached run
    // below deletes the cache's handles as it evicts them.
    LOGFONTA lf = {};
    GetObjectA(GetFont2(face, 0, 0, 16, 0, 400), sizeof lf, &lf);
    HFONT font = CreateFontIndirectA(&lf);
    std::vector<Variant> vs;
    vs.push_back({"GDI TextOutA, font selected once", [&] {
                      HGDIOBJ old = SelectObject(dc, font);
                      SetBkMode(dc, TRANSPARENT);
                      for (int i = 0; i < perPass; ++i)
                          acc += TextOutA(dc, (i * 37) % 1800, (i * 53) % 1040, text, len);
                      SelectObject(dc, old);
                  }});
    vs.push_back({"  GDI select font, TextOutA, select back", [&] {
                      SetBkMode(dc, TRANSPARENT);
                      for (int i = 0; i < perPass; ++i) {
                          HGDIOBJ old = SelectObject(dc, font);
                          acc += TextOutA(dc, (i * 37) % 1800, (i * 53) % 1040, text, len);
                          SelectObject(dc, old);
                      }
                  }});
    vs.push_back({"  GDI as Gchr: colour, align, font, mode, text", [&] {
                      for (int i = 0; i < perPass; ++i) {
                          SetTextColor(dc, 0x3080C0);
                          const UINT oldAlign = SetTextAlign(dc, 0);
                          HGDIOBJ old = SelectObject(dc, font);
                          const int oldMode = SetBkMode(dc, TRANSPARENT);
                          acc += TextOutA(dc, (i * 37) % 1800, (i * 53) % 1040, text, len);
                          SetBkMode(dc, oldMode);
                          SelectObject(dc, old);
                          SetTextAlign(dc, oldAlign);
                      }
                  }});
    vs.push_back({"Win_GchrI cached (16 px, 0 deg)", [&] {
                      for (int i = 0; i < perPass; ++i)
                          acc += Win_GchrI(o, text, (i * 37) % 1800, (i * 53) % 1040, 0.0, 0, 16,
                                           0, 0, 400);
                  }});
    vs.push_back({"Win_Gchr cached (world position)", [&] {
                      for (int i = 0; i < perPass; ++i)
                          acc += Win_Gchr(o, text, world_x((i * 37) % 1800),
                                          world_y((i * 53) % 1040), 0.0, 0, 16, 0, 0, 400);
                  }});
    vs.push_back({"Win_GchrI cached, turned 30 deg", [&] {
                      for (int i = 0; i < perPass; ++i)
                          acc += Win_GchrI(o, text, (i * 37) % 1800, (i * 53) % 1040, 30.0, 0, 16,
                                           0, 0, 400);
                  }});
    // 40 heights by 3 angles in turn: 120 faces for a cache of 20, so
    // every request makes a font.
    vs.push_back({"Win_GchrI uncached (40 heights x 3 angles)", [&] {
                      for (int i = 0; i < perPass; ++i)
                          acc += Win_GchrI(o, text, (i * 37) % 1800, (i * 53) % 1040,
                                           30.0 * (i % 3), 0, 10 + i % 40, 0, 0, 400);
                  }});
    vs.push_back({"  GetFont2 alone, uncached (same sequence)", [&] {
                      for (int i = 0; i < perPass; ++i)
                          acc += GetFont2(face, 0, 0, 10 + i % 40, 300 * (i % 3), 400) != nullptr;
                  }});
    run_variants(vs, 0.15, 3);
    std::printf("\n5. Graphic text \"%s\" on the 32-bit DIB (system font 0, %d strings a pass)\n",
                text, perPass);
    const double base = vs[0].perPass;
    for (const Variant &v : vs) {
        char extra[64];
        std::snprintf(extra, sizeof extra, "%5.2fx GDI", v.perPass / base);
        row(v.name.c_str(), perPass / v.perPass, v.perPass / perPass * 1e9, extra);
    }
    SetFontInit2();
    DeleteObject(font);
    gSink += acc;
}

// 6. Character cells: printing lines and scrolling the whole screen, against
// plain GDI doing the same work (colours, font, advance array; scroll and
// clear the freed row).
void bench_cells(ZEK_object *o, HDC dc)
{
    std::string line;
    while (line.size() < 80)
        line += "ABCDEFGH12345678\x88\x9F\x88\x9F";
    const int32_t n = int32_t(line.size()), p = 6, h = 12, rows = kH / h;
    ival(o, "WinWdCx") = kW / p;
    ival(o, "WinWdCy") = rows;
    member<COLORREF>(o, "BackColor") = 0;
    HFONT font = member<HFONT>(o, "hFont");
    const int perPass = 64;
    std::vector<INT> dx(size_t(n), p);
    for (int32_t i = 0; i < n; ++i)
        if (IsKanji(line[size_t(i)]))
            dx[size_t(i)] = 2 * p, dx[size_t(++i)] = 0;
    std::vector<Variant> vs;
    vs.push_back({"GDI ExtTextOutA with an advance array", [&] {
                      for (int i = 0; i < perPass; ++i) {
                          SetTextColor(dc, 0x3080C0);
                          SetBkColor(dc, 0);
                          HGDIOBJ old = SelectObject(dc, font);
                          ExtTextOutA(dc, 0, (i % rows) * h, 0, nullptr, line.data(), UINT(n), dx.data());
                          SelectObject(dc, old);
                      }
                  }});
    vs.push_back({"Win_Cursor, Win_putsn", [&] {
                      for (int i = 0; i < perPass; ++i) {
                          Win_Cursor(o, 0, i % rows);
                          Win_putsn(o, line.c_str());
                      }
                  }});
    const RECT all{0, 0, kW, kH}, last{0, kH - h, kW, kH};
    HBRUSH black = CreateSolidBrush(0);
    vs.push_back({"GDI ScrollDC one row up, clear the last row", [&] {
                      RECT freed;
                      ScrollDC(dc, 0, -h, &all, &all, nullptr, &freed);
                      FillRect(dc, &last, black);
                  }});
    vs.push_back({"Win_ScrollA(0, 1)", [&] { Win_ScrollA(o, 0, 1); }});
    run_variants(vs, 0.15, 3);
    std::printf("\n6. Character cells on the 32-bit DIB (%d-byte lines, %d a pass; one scroll a pass)\n",
                n, perPass);
    for (size_t k = 0; k < vs.size(); ++k) {
        const double base = vs[k & ~size_t(1)].perPass;
        const int each = k < 2 ? perPass : 1;
        char extra[64];
        std::snprintf(extra, sizeof extra, "%5.2fx GDI", vs[k].perPass / base);
        row(vs[k].name.c_str(), each / vs[k].perPass, vs[k].perPass / each * 1e9, extra);
    }
    DeleteObject(black);
}

}  // namespace

int main()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    gTicksPerSecond = double(frequency.QuadPart);
    const double started = now();
    std::printf("draw_bench (%d-bit, %d x %d DIB sections in memory contexts, QPC %lld Hz)\n",
                int(sizeof(void *) * 8), kW, kH, (long long)frequency.QuadPart);

    Win_INIT(GetModuleHandleA(nullptr), nullptr);

    // Win a draws with GDI into a 32-bit DIB of its own.
    Canvas canvas32(32);
    ZEK_object *a = make_win("ZekDrawBenchA");
    attach(a, canvas32.dc);

    // Win b makes its 24-bit bitmap; the bench selects it into a memory
    // context for both the Win's GDI drawing and plain GDI.
    ZEK_object *b = make_win("ZekDrawBenchB");
    if (Win_DrawBmpCreate(b) != 1 || !member<void *>(b, "pjBits")) {
        std::printf("Win_DrawBmpCreate made no bitmap\n");
        return 1;
    }
    HDC dc24 = CreateCompatibleDC(nullptr);
    HGDIOBJ old24 = SelectObject(dc24, member<HBITMAP>(b, "hBmp"));
    attach(b, dc24);
    std::printf("Win bitmap: %d x %d, stride %d bytes\n", ival(b, "bScrWx"), ival(b, "bScrWy"),
                ival(b, "bBmpWx"));

    const LineSet longLines = make_lines(a, "long random", false, 4096);
    const LineSet shortLines = make_lines(a, "short (1-24 px)", true, 4096);

    std::printf("\n1. Win_Line in world coordinates against plain GDI (best of 3 interleaved rounds)\n");
    bench_lines_gdi(a, canvas32.dc, "32-bit", longLines);
    bench_lines_gdi(a, canvas32.dc, "32-bit", shortLines);
    bench_lines_gdi(b, dc24, "24-bit", longLines);
    bench_lines_gdi(b, dc24, "24-bit", shortLines);

    std::printf("\n2. Direct bitmap lines against GDI into the same bitmap\n");
    bench_direct(b, dc24, longLines);
    bench_direct(b, dc24, shortLines);

    bench_arcs(a, canvas32.dc);
    bench_points(a);
    bench_text(a, canvas32.dc);
    bench_cells(a, canvas32.dc);

    Win_GmodeReset(a);
    member<HDC>(a, "hDC") = nullptr;
    ZEK_dtorC(a);
    Win_GmodeReset(b);
    member<HDC>(b, "hDC") = nullptr;
    SelectObject(dc24, old24);
    DeleteDC(dc24);
    ZEK_dtorC(b);
    std::printf("\nTotal %.1f s\n", now() - started);
    return 0;
}
