// Arc vertices, the midpoint ellipse, the styled arc routine and mark turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "../../graphics/raster/arcs.h"

using namespace zek_raster;

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

using Pixels = std::vector<std::pair<int32_t, int32_t>>;

void collect(void *context, int32_t x, int32_t y)
{
    static_cast<Pixels *>(context)->push_back({x, y});
}

struct Vertex {
    int32_t index, x, y;
};

void collect_vertex(void *context, int32_t index, int32_t x, int32_t y)
{
    static_cast<std::vector<Vertex> *>(context)->push_back({index, x, y});
}

std::vector<Vertex> polyline(ArcPolyline arc)
{
    std::vector<Vertex> v;
    const int32_t n = arc_polyline(arc, collect_vertex, &v);
    EXPECT_EQ(n, int32_t(v.size()));
    return v;
}

// Distance of (x, y) (relative to the centre) from the ellipse, by sampling.
double off_curve(double x, double y, double rx, double ry)
{
    double best = 1e300;
    for (int i = 0; i < 20000; ++i) {
        const double a = i * 2 * 3.14159265358979323846 / 20000;
        best = std::min(best, std::hypot(x - rx * std::sin(a), y - ry * std::cos(a)));
    }
    return best;
}

}  // namespace

TEST(Arcs, FullArcTest)
{
    EXPECT_TRUE(arc_is_full(0, 360));
    EXPECT_TRUE(arc_is_full(350, 710.0005));
    EXPECT_FALSE(arc_is_full(0, 359.99));
    EXPECT_FALSE(arc_is_full(10, 10));
}

TEST(ArcPolylineTest, VertexCountAndPlacement)
{
    // S = 90, rm = 100, width 2: n = trunc(90 * 100 * pi/180 / 2) + 1 = 79.
    ArcPolyline arc = {500, 400, 100, 100, 0, 90, 0, kDeg, 2, 1, 1};
    std::vector<Vertex> v = polyline(arc);
    ASSERT_EQ(v.size(), 80u);
    for (size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i].index, int32_t(i));
        EXPECT_LE(std::fabs(std::hypot(v[i].x - 500, v[i].y - 400) - 100), 1.5);
    }
    EXPECT_EQ(v.front().x, 500);  // straight up
    EXPECT_EQ(v.front().y, 300);
    EXPECT_EQ(v.back().x, 600);  // clockwise to the right
    EXPECT_NEAR(v.back().y, 400, 1);
}

TEST(ArcPolylineTest, PenWidthZeroOrNegativeCountsAsOne)
{
    ArcPolyline arc = {0, 0, 50, 50, 0, 180, 0, kDeg, 1, 1, 1};
    const size_t one = polyline(arc).size();
    arc.penWidth = 0;
    EXPECT_EQ(polyline(arc).size(), one);
    arc.penWidth = -1;
    EXPECT_EQ(polyline(arc).size(), one);
}

TEST(ArcPolylineTest, GradsUseTheirConversion)
{
    // 100 grads is a quarter turn: ends at the right point.
    ArcPolyline arc = {0, 0, 200, 200, 0, 100, 0, 3.14159265358979323846 / 200, 1, 1, 1};
    std::vector<Vertex> v = polyline(arc);
    EXPECT_EQ(v.back().x, 200);
    EXPECT_NEAR(v.back().y, 0, 1);
}

TEST(ArcPolylineTest, CountsAreCappedAndBadInputIsBounded)
{
    // A big radius caps at 361 vertices.
    ArcPolyline arc = {0, 0, 100000, 100000, 0, 360, 0, kDeg, 1, 1, 1};
    EXPECT_EQ(polyline(arc).size(), 361u);
    // Zoomed far in (chords of 2000 pixels measured at a large factor): the
    // chord rule asks for many more; the count stays bounded.
    arc = {0, 0, 2000000000, 2000000000, 0, 360, 0, kDeg, 1, 1e6, 1e-6};
    size_t n = polyline(arc).size();
    EXPECT_GT(n, 361u);
    EXPECT_LE(n, 4097u);
    // A chord limit wider than the circle feeds asin more than 1.
    arc = {0, 0, 1000, 1000, 0, 360, 0, kDeg, 1, 1e6, 1e6};
    n = polyline(arc).size();
    EXPECT_GE(n, 1u);
    EXPECT_LE(n, 4097u);
    // Degenerate, reversed, infinite and NaN ranges give one vertex.
    for (double a2 : {0.0, -10.0, double(INFINITY), double(NAN)}) {
        arc = {10, 10, 5, 5, 0, a2, 0, kDeg, 1, 1, 1};
        std::vector<Vertex> v = polyline(arc);
        ASSERT_EQ(v.size(), 1u);
        EXPECT_EQ(v[0].x, 10);
        EXPECT_EQ(v[0].y, 5);
    }
    // A huge angle span stays at the cap.
    arc = {0, 0, 10, 10, 0, 1e12, 0, kDeg, 1, 1, 1};
    EXPECT_EQ(polyline(arc).size(), 361u);
}

TEST(MidpointEllipse, SymmetricCloseAndConnected)
{
    for (auto [rx, ry] : {std::pair{40, 40}, {60, 13}, {7, 90}, {1, 20}, {30, 1}, {2, 2}}) {
        SCOPED_TRACE(::testing::Message() << rx << "x" << ry);
        Pixels got;
        midpoint_ellipse(100, 200, rx, ry, collect, &got);
        std::set<std::pair<int32_t, int32_t>> set(got.begin(), got.end());
        EXPECT_EQ(set.size(), got.size()) << "a pixel plotted twice";
        for (auto [x, y] : set) {
            const int32_t dx = x - 100, dy = y - 200;
            EXPECT_TRUE(set.count({100 - dx, y}) && set.count({x, 200 - dy}));
            EXPECT_LE(off_curve(dx, dy, rx, ry), 1.0);
            // A closed curve: every pixel has two neighbours, but for the
            // tips of a flat ellipse, where the halves fold together.
            int neighbours = 0;
            for (int ox = -1; ox <= 1; ++ox)
                for (int oy = -1; oy <= 1; ++oy)
                    neighbours += (ox || oy) && set.count({x + ox, y + oy});
            EXPECT_GE(neighbours, (ry > 1 && rx > 1) ? 2 : 1);
        }
        EXPECT_TRUE(set.count({100, 200 - ry}) && set.count({100 + rx, 200}));
    }
}

TEST(MidpointEllipse, DegenerateAndOversizedRadii)
{
    Pixels got;
    midpoint_ellipse(0, 0, 3, 0, collect, &got);
    EXPECT_EQ(got.size(), 7u);  // the run -3..3
    got.clear();
    midpoint_ellipse(0, 0, 0, 0, collect, &got);
    EXPECT_EQ(got.size(), 1u);
    got.clear();
    midpoint_ellipse(0, 0, 40000, 5, collect, &got);
    EXPECT_TRUE(got.empty());  // beyond the walk; callers use the polyline method
}

TEST(StyledArc, SolidFullArcMatchesTheMidpointEllipse)
{
    Pixels full, styled;
    midpoint_ellipse(50, 50, 30, 12, collect, &full);
    styled_arc({50, 50, 30, 12, 0, 360, 0, kDeg, 0xFFFF}, collect, &styled);
    std::set<std::pair<int32_t, int32_t>> a(full.begin(), full.end()), b(styled.begin(), styled.end());
    EXPECT_EQ(a, b);
    // Start pixel plotted again at the end of the turn, nothing else twice.
    EXPECT_EQ(styled.size(), full.size() + 1);
    EXPECT_EQ(styled.front(), std::make_pair(50, 38));
}

TEST(StyledArc, ArcThroughTheTopStaysAtTheTop)
{
    Pixels got;
    styled_arc({100, 100, 50, 50, 350, 370, 0, kDeg, 0xFFFF}, collect, &got);
    ASSERT_FALSE(got.empty());
    for (auto [x, y] : got) {
        EXPECT_LE(std::abs(x - 100), 10);  // 50 sin 10
        EXPECT_LE(y, 100 - 49 + 1);
    }
    EXPECT_TRUE(std::count(got.begin(), got.end(), std::make_pair(100, 50)));
    // Clockwise: left end first.
    EXPECT_LT(got.front().first, got.back().first);
}

TEST(StyledArc, QuarterArcsStayInTheirQuadrant)
{
    const int32_t cx = 0, cy = 0;
    const double starts[] = {0, 90, 180, 270};
    const int sx[] = {1, 1, -1, -1}, sy[] = {-1, 1, 1, -1};
    for (int q = 0; q < 4; ++q) {
        Pixels got;
        styled_arc({cx, cy, 40, 25, starts[q], starts[q] + 90, 0, kDeg, 0xFFFF}, collect, &got);
        ASSERT_GT(got.size(), 40u);
        for (auto [x, y] : got) {
            EXPECT_GE(x * sx[q], 0) << q;
            EXPECT_GE(y * sy[q], 0) << q;
        }
    }
}

TEST(StyledArc, MaskCountsEveryTraversalPixel)
{
    Pixels solid, dotted;
    styled_arc({0, 0, 60, 3, 0, 180, 0, kDeg, 0xFFFF}, collect, &solid);
    styled_arc({0, 0, 60, 3, 0, 180, 0, kDeg, 0xAAAA}, collect, &dotted);
    // 0xAAAA has bits 15, 13, ... set: the first, third ... pixels.
    ASSERT_EQ(dotted.size(), (solid.size() + 1) / 2);
    for (size_t i = 0; i < dotted.size(); ++i)
        EXPECT_EQ(dotted[i], solid[2 * i]);
}

TEST(StyledArc, TiltAndBadInputStayBounded)
{
    Pixels got;
    styled_arc({0, 0, 50, 5, 0, 360, 90, kDeg, 0xFFFF}, collect, &got);
    for (auto [x, y] : got) {
        EXPECT_LE(std::abs(x), 6);
        EXPECT_LE(std::abs(y), 51);
    }
    got.clear();
    styled_arc({0, 0, 50, 5, 0, 1e15, 0, kDeg, 0xFFFF}, collect, &got);
    EXPECT_LE(got.size(), 8u * 200);
    got.clear();
    styled_arc({0, 0, 50, 5, NAN, 10, 0, kDeg, 0xFFFF}, collect, &got);
    EXPECT_TRUE(got.empty());
    styled_arc({0, 0, 1, 1, 0, 5, 0, kDeg, 0xFFFF}, collect, &got);
    EXPECT_EQ(got.size(), 1u);  // ends meet on a short arc: the start pixel
}

TEST(MarkTurn, TurnsAboutTheCentre)
{
    // Angle 0 (C 100, S 0) mirrors dy as the turn formula does.
    PointI p = turn_mark_point(10, 10, 13, 7, 100, 0, 100);
    EXPECT_EQ(p.x, 13);
    EXPECT_EQ(p.y, 13);
    // Angle 90: C 0, S 100; a point to the right goes below the centre.
    p = turn_mark_point(10, 10, 13, 10, 0, 100, 100);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 13);
    // Divisions truncate toward zero: 707 * 3 / 1000 = 2.
    p = turn_mark_point(0, 0, 3, 0, 707, 707, 1000);
    EXPECT_EQ(p.x, 2);
    EXPECT_EQ(p.y, 2);
    // Far points saturate; a zero scale does not divide by zero.
    p = turn_mark_point(INT32_MAX, 0, INT32_MIN, 0, 1000, 0, 1);
    EXPECT_EQ(p.x, INT32_MIN);
    p = turn_mark_point(0, 0, 3, 0, 1, 0, 0);
    EXPECT_EQ(p.x, 3);
}

TEST(ArcRobustness, ExtremeRadiiAnglesAndCentresStayBounded)
{
    // Run under the sanitizers: no overflow, no unbounded walk.
    const int32_t radii[] = {0, 1, 2, 300, 32767, 32768, INT32_MAX, INT32_MIN, -7};
    const double angles[] = {0, 90, 359.9999, -360, 720, 1e300, -1e300, 1e-9};
    long pixels = 0;
    auto count = [](void *c, int32_t, int32_t) { ++*static_cast<long *>(c); };
    auto countVertex = [](void *c, int32_t, int32_t, int32_t) { ++*static_cast<long *>(c); };
    for (int32_t r : radii)
        for (double a : angles) {
            const int32_t centre = r == INT32_MIN ? INT32_MAX : -r;  // also a negative radius
            styled_arc({centre, INT32_MIN, r, 3, a, a + 200, 30, kDeg, 0x5555}, count, &pixels);
            midpoint_ellipse(centre, INT32_MAX, r, r, count, &pixels);
            arc_polyline({centre, centre, r, centre, a, a + 90, a, kDeg, r, 1e9, 1e-9}, countVertex, &pixels);
        }
    EXPECT_LT(pixels, 20000000);
}
