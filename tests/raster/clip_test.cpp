// Segment clipping against a double-precision reference clipper, with
// segments up to the whole 32-bit range, and pixel truncation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "../../graphics/raster/pixel.h"

using zek_raster::clip_segment;
using zek_raster::ClipRect;
using zek_raster::trunc_sat;

namespace {

// Liang-Barsky on doubles: the parameter range of the segment inside the
// rectangle grown by `grow` on every side; false when it misses.
bool reference_clip(const ClipRect &r, double grow, double x1, double y1, double x2, double y2,
                    double &t0, double &t1)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - (r.left - grow), (r.right + grow) - x1, y1 - (r.top - grow),
                         (r.bottom + grow) - y1};
    t0 = 0;
    t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 <= t1;
}

struct Segment {
    int32_t x1, y1, x2, y2;
};

// Checks one segment: a clipped result lies in the rectangle, less than a
// pixel from the true line (each end is an exact crossing truncated along one
// axis) and within the reference's range over the rectangle grown
// by one pixel; a segment crossing the rectangle shrunk by a pixel is kept, one
// missing the grown rectangle is dropped.
void check(const ClipRect &r, Segment s) {
    Segment c = s;
    const int got = clip_segment(r, c.x1, c.y1, c.x2, c.y2);
    double t0, t1, u0, u1;
    const bool inner = reference_clip(r, -1, s.x1, s.y1, s.x2, s.y2, t0, t1) && t1 - t0 > 1e-9;
    const bool outer = reference_clip(r, 1, s.x1, s.y1, s.x2, s.y2, u0, u1);
    SCOPED_TRACE(::testing::Message() << s.x1 << "," << s.y1 << " - " << s.x2 << "," << s.y2);
    if (inner) {
        ASSERT_EQ(got, 1);
    }
    if (!outer) {
        ASSERT_EQ(got, 0);
    }
    if (!got)
        return;
    const double dx = double(s.x2) - s.x1, dy = double(s.y2) - s.y1;
    const double length = std::hypot(dx, dy);
    for (auto [x, y] : {std::pair{c.x1, c.y1}, std::pair{c.x2, c.y2}}) {
        ASSERT_GE(x, r.left);
        ASSERT_LE(x, r.right);
        ASSERT_GE(y, r.top);
        ASSERT_LE(y, r.bottom);
        if (length == 0)
            continue;
        const double ex = double(x) - s.x1, ey = double(y) - s.y1;
        ASSERT_LT(std::fabs(ex * dy - ey * dx) / length, 1.0);  // distance to the line
        const double t = (ex * dx + ey * dy) / (length * length);
        const double slack = 1.5 / length;
        ASSERT_GE(t, u0 - slack);
        ASSERT_LE(t, u1 + slack);
    }
}

}  // namespace

TEST(TruncSat, TowardZeroSaturatingAndNan) {
    const double in[] = {2.9, -0.7, -2.9, 1e300, -1e300, 2147483647.5, -2147483648.9, INFINITY, -INFINITY, NAN};
    const int32_t out[] = {2, 0, -2, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(trunc_sat(in[i]), out[i]) << in[i];
}

// A point; a segment wholly left, rejected and written back unchanged; a
// corner-to-corner miss that passes the trivial tests. The rest is checked
// against the reference below.
TEST(Clip, AcceptRejectAndWriteBack) {
    const Segment cases[] = {{5, 5, 5, 5}, {-10, 3, -1, 50}, {-50, 60, 60, 160}};
    for (int i = 0; i < 3; ++i) {
        Segment c = cases[i];
        EXPECT_EQ(clip_segment({0, 0, 99, 99}, c.x1, c.y1, c.x2, c.y2), i == 0 ? 1 : 0);
        EXPECT_TRUE(i == 2 || (c.x1 == cases[i].x1 && c.y2 == cases[i].y2)) << i;
    }
}

TEST(Clip, ProductsBeyondThirtyTwoBitsAreExact) {
    const ClipRect r = {0, 0, 99, 99};
    // (left - x) * dy is 1e5 * 2e5: a 32-bit product would overflow; over the
    // whole 32-bit range the result is the quotient of the exact product.
    for (auto [lo, hi] : {std::pair{-100000, 100000}, std::pair{INT32_MIN, INT32_MAX}}) {
        int32_t x1 = lo, y1 = lo, x2 = hi, y2 = hi;
        ASSERT_EQ(clip_segment(r, x1, y1, x2, y2), 1);
        EXPECT_TRUE(std::min(x1, x2) == 0 && std::min(y1, y2) == 0) << lo;
        EXPECT_TRUE(std::max(x1, x2) == 99 && std::max(y1, y2) == 99) << lo;
    }
    // A shallow 200,000-pixel line: y at the left edge is exactly 25.
    int32_t x1 = -100000, y1 = 0, x2 = 100000, y2 = 50;
    ASSERT_EQ(clip_segment(r, x1, y1, x2, y2), 1);
    EXPECT_TRUE((x1 == 0 && y1 == 25) || (x2 == 0 && y2 == 25));
}

// Random segments over three spans, and 100,000-pixel segments aimed
// through the view at random angles.
TEST(Clip, RandomSegmentsAgreeWithReference) {
    std::mt19937 rng(12345);
    const ClipRect rects[] = {{0, 0, 1919, 1079}, {10, 20, 10, 400}, {-500, -300, 700, 900}};
    for (const ClipRect &r : rects) {
        for (int32_t span : {3000, 100000, 1 << 30}) {
            std::uniform_int_distribution<int32_t> coord(-span, span);
            for (int i = 0; i < 20000; ++i) {
                Segment s = {coord(rng), coord(rng), coord(rng), coord(rng)};
                if (i % 4 == 0)  // one end inside: the swap path
                    s.x1 = (r.left + r.right) / 2, s.y1 = (r.top + r.bottom) / 2;
                if (i % 7 == 0)  // axis-parallel
                    s.y2 = s.y1;
                check(r, s);
                if (HasFatalFailure())
                    return;
            }
        }
    }
    std::uniform_real_distribution<double> angle(0, 6.283185307179586);
    std::uniform_int_distribution<int32_t> inside(0, 1919);
    for (int i = 0; i < 20000 && !HasFatalFailure(); ++i) {
        const double a = angle(rng), dx = 50000 * std::cos(a), dy = 50000 * std::sin(a);
        const int32_t mx = inside(rng), my = inside(rng) % 1080;
        check(rects[0], {trunc_sat(mx - dx), trunc_sat(my - dy), trunc_sat(mx + dx), trunc_sat(my + dy)});
    }
}
