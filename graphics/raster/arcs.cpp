// Ellipse arcs on the pixel grid: the polyline method, the midpoint walk,
// the styled arc routine and turned mark points.
#include "arcs.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace zek_raster {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Vertices of the chord-length rule for huge radii: enough for chords of a
// few pixels' sag, bounded so one arc costs bounded time.
constexpr int32_t kMaxChordVertices = 4096;
// The midpoint walk keeps 4 rx^2 ry^2 within 64 bits; larger ellipses are
// drawn by the polyline method by every caller.
constexpr int32_t kMaxWalkRadius = 32767;

int32_t add_sat(int32_t base, double offset)
{
    return trunc_sat(double(base) + std::trunc(offset));
}

// The first quadrant of the ellipse (x right, y up) from the top point to
// the right point, one pixel a step; step marks which coordinate steps.
struct QuadPixel {
    int32_t x, y;
    int8_t step;  // 1 x steps (upper part), 2 y steps (lower part)
};

void walk_quadrant(int32_t rx, int32_t ry, std::vector<QuadPixel> &out)
{
    out.clear();
    if (rx == 0 || ry == 0) {
        // Degenerate: a straight run along the nonzero axis.
        if (ry == 0)
            for (int32_t x = 0; x <= rx; ++x)
                out.push_back({x, 0, 1});
        else
            for (int32_t y = ry; y >= 0; --y)
                out.push_back({0, y, 2});
        return;
    }
    const int64_t rx2 = int64_t(rx) * rx, ry2 = int64_t(ry) * ry;
    int64_t x = 0, y = ry;
    int64_t dx = 0, dy = 2 * rx2 * y;
    // Decision values scaled by 4 to stay integral.
    int64_t d = 4 * ry2 - 4 * rx2 * ry + rx2;
    while (dx < dy) {
        out.push_back({int32_t(x), int32_t(y), 1});
        ++x;
        dx += 2 * ry2;
        if (d < 0) {
            d += 4 * (dx + ry2);
        } else {
            --y;
            dy -= 2 * rx2;
            d += 4 * (dx - dy + ry2);
        }
    }
    d = ry2 * (2 * x + 1) * (2 * x + 1) + 4 * rx2 * (y - 1) * (y - 1) - 4 * rx2 * ry2;
    while (y >= 0) {
        out.push_back({int32_t(x), int32_t(y), 2});
        --y;
        dy -= 2 * rx2;
        if (d > 0) {
            d += 4 * (rx2 - dy);
        } else {
            ++x;
            dx += 2 * ry2;
            d += 4 * (dx - dy + rx2);
        }
    }
    // A very flat ellipse leaves the upper part before its tip: run on
    // along the axis to the right point.
    for (int32_t tip = out.back().x + 1; tip <= rx; ++tip)
        out.push_back({tip, 0, 1});
}

// Per-thread scratch: drawing threads and the window thread walk at once.
std::vector<QuadPixel> &quadrant_scratch()
{
    thread_local std::vector<QuadPixel> scratch;
    return scratch;
}

// Quadrant q of the clockwise traversal from the top: 0 top-right (forward
// through the first quadrant), 1 bottom-right (backward), 2 bottom-left
// (forward), 3 top-left (backward). Position i of quadrant q as (x, y up).
QuadPixel quadrant_pixel(const std::vector<QuadPixel> &quad, int q, size_t i)
{
    const size_t last = quad.size() - 1;
    QuadPixel p = quad[(q & 1) ? last - i : i];
    if (q == 1 || q == 2)
        p.y = -p.y;
    if (q == 2 || q == 3)
        p.x = -p.x;
    return p;
}

int quadrant_of(double radians)
{
    double turn = std::fmod(radians, 2 * kPi);
    if (turn < 0)
        turn += 2 * kPi;
    int q = int(turn / (kPi / 2));
    return q < 0 ? 0 : q > 3 ? 3 : q;
}

// Where the traversal meets the end point t (x, y up) of angle a: the first
// position of a's quadrant whose stepping coordinate equals t's, or failing
// that the nearest position.
size_t match_position(const std::vector<QuadPixel> &quad, int q, PointI t)
{
    size_t best = 0;
    int64_t bestDistance = INT64_MAX;
    for (size_t i = 0; i < quad.size(); ++i) {
        QuadPixel p = quadrant_pixel(quad, q, i);
        if ((p.step == 1 && p.x == t.x) || (p.step == 2 && p.y == t.y))
            return i;
        int64_t ex = int64_t(p.x) - t.x, ey = int64_t(p.y) - t.y;
        int64_t distance = ex * ex + ey * ey;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

}  // namespace

bool arc_is_full(double a1, double a2)
{
    return std::fabs(a2 - a1 - 360.0) < 0.001;
}

int32_t arc_polyline(const ArcPolyline &arc, VertexFn vertex, void *context)
{
    const double toRad = arc.toRadians;
    const double span = arc.a2 - arc.a1;
    const double rm = (std::fabs(double(arc.rx)) + std::fabs(double(arc.ry))) / 2;
    const double width = arc.penWidth < 1 ? 1.0 : double(arc.penWidth);
    double start = arc.a1 * toRad;
    if (!(span > 0) || !std::isfinite(span) || !std::isfinite(start)) {
        const bool finite = std::isfinite(start);
        const double s = finite ? std::sin(start) : 0, c = finite ? std::cos(start) : 1;
        vertex(context, 0, add_sat(arc.cx, arc.rx * s), add_sat(arc.cy, -(arc.ry * c)));
        return 1;
    }
    double count = std::trunc(span * rm * toRad / width) + 1;
    if (!(count >= 1))
        count = 1;
    int32_t n;
    double step;
    if (count > 360) {
        n = 360;
        step = span / 360;
        double chord = 2 * rm * std::sin(step * toRad / 2);
        if (std::fabs(std::trunc(chord * arc.pixelsPerWorldY)) > 2000 && rm > 0) {
            double ratio = std::fabs(2000 * arc.worldPerPixelY) / (2 * rm);
            if (ratio > 1)
                ratio = 1;  // asin is defined up to 1
            double half = std::asin(ratio);
            double chordCount = half > 0 ? std::trunc(span / (2 * half)) : double(kMaxChordVertices);
            if (!(chordCount >= 1))
                chordCount = 1;
            if (chordCount > kMaxChordVertices)
                chordCount = kMaxChordVertices;
            n = int32_t(chordCount);
            step = span / n;
        }
    } else {
        n = int32_t(count);
        step = span / n;
    }
    const double tilt = arc.tilt * toRad;
    const double ct = std::cos(tilt), st = std::sin(tilt);
    const double cs = std::cos(step * toRad), ss = std::sin(step * toRad);
    double sinA = std::sin(start), cosA = std::cos(start);
    for (int32_t i = 0; i <= n; ++i) {
        if (i == n) {
            // The rotation drifts; the end of the arc is exact.
            sinA = std::sin(arc.a2 * toRad);
            cosA = std::cos(arc.a2 * toRad);
        }
        double px = arc.rx * sinA, py = arc.ry * cosA;
        if (arc.tilt != 0)
            vertex(context, i, add_sat(arc.cx, px * ct + py * st),
                   add_sat(arc.cy, -std::trunc(py * ct - px * st)));
        else
            vertex(context, i, add_sat(arc.cx, px), add_sat(arc.cy, -std::trunc(py)));
        double nextSin = sinA * cs + cosA * ss;
        cosA = cosA * cs - sinA * ss;
        sinA = nextSin;
    }
    return n + 1;
}

void midpoint_ellipse(int32_t cx, int32_t cy, int32_t rx, int32_t ry, PlotFn plot, void *context)
{
    rx = abs_sat(rx);
    ry = abs_sat(ry);
    if (rx > kMaxWalkRadius || ry > kMaxWalkRadius)
        return;
    std::vector<QuadPixel> &quad = quadrant_scratch();
    walk_quadrant(rx, ry, quad);
    for (const QuadPixel &p : quad) {
        const int64_t x = p.x, y = p.y;
        // Pixels on an axis are their own mirror: plot them once.
        plot(context, trunc_sat(double(cx + x)), trunc_sat(double(cy - y)));
        if (x != 0)
            plot(context, trunc_sat(double(cx - x)), trunc_sat(double(cy - y)));
        if (y != 0)
            plot(context, trunc_sat(double(cx + x)), trunc_sat(double(cy + y)));
        if (x != 0 && y != 0)
            plot(context, trunc_sat(double(cx - x)), trunc_sat(double(cy + y)));
    }
}

void styled_arc(const StyledArc &arc, PlotFn plot, void *context)
{
    const int32_t rx = abs_sat(arc.rx), ry = abs_sat(arc.ry);
    if (rx > kMaxWalkRadius || ry > kMaxWalkRadius)
        return;
    const double r1 = arc.a1 * arc.toRadians, r2 = arc.a2 * arc.toRadians;
    if (!std::isfinite(r1) || !std::isfinite(r2))
        return;
    std::vector<QuadPixel> &quad = quadrant_scratch();
    walk_quadrant(rx, ry, quad);

    const PointI s = {trunc_sat(rx * std::sin(r1)), trunc_sat(ry * std::cos(r1))};
    const PointI e = {trunc_sat(rx * std::sin(r2)), trunc_sat(ry * std::cos(r2))};
    const int qs = quadrant_of(r1), qe = quadrant_of(r2);
    const size_t is = match_position(quad, qs, s), ie = match_position(quad, qe, e);

    // A full arc, or one of half a turn or more whose ends meet, goes round
    // once; a short arc whose ends meet is its start pixel.
    const bool full = arc_is_full(arc.a1, arc.a2);
    const bool round = full || (qs == qe && is == ie && (r2 - r1) >= kPi);
    const double tilt = arc.tilt * arc.toRadians;
    const double ct = std::cos(tilt), st = std::sin(tilt);

    int c = 15;
    bool leftStart = false;
    int q = qs;
    size_t i = is;
    QuadPixel previous = {INT32_MIN, INT32_MIN, 0};
    // Two turns are more than any arc needs; the bound keeps the walk finite.
    const size_t limit = 8 * quad.size() + 8;
    for (size_t visited = 0; visited < limit; ++visited) {
        QuadPixel p = quadrant_pixel(quad, q, i);
        // Quadrant ends repeat as the next quadrant's start: count them once.
        if (p.x != previous.x || p.y != previous.y) {
            if (arc.mask & (1u << c)) {
                const double x = p.x, y = -double(p.y);  // screen y down
                if (arc.tilt != 0)
                    plot(context, add_sat(arc.cx, x * ct - y * st), add_sat(arc.cy, x * st + y * ct));
                else
                    plot(context, add_sat(arc.cx, x), add_sat(arc.cy, y));
            }
            c = c == 0 ? 15 : c - 1;
            previous = p;
        }
        if (q == qe && i == ie && (leftStart || !round))
            break;
        leftStart = true;
        if (++i == quad.size()) {
            i = 0;
            q = (q + 1) & 3;
        }
    }
}

PointI turn_mark_point(int32_t x, int32_t y, int32_t px, int32_t py, int32_t c, int32_t s,
                       int32_t scale)
{
    if (scale == 0)
        scale = 1;
    const int64_t dx = int64_t(px) - x, dy = int64_t(py) - y;
    const int64_t ty = int64_t(y) - (int64_t(c) * dy - int64_t(s) * dx) / scale;
    const int64_t tx = int64_t(x) + (int64_t(s) * dy + int64_t(c) * dx) / scale;
    return {trunc_sat(double(tx)), trunc_sat(double(ty))};
}

}  // namespace zek_raster
