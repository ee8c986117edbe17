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

void collect(void *context, int32_t x, int32_t y) {
    static_cast<Pixels *>(context)->push_back({x, y});
}

struct Vertex {
    int32_t index, x, y;
};

void collect_vertex(void *context, int32_t index, int32_t x, int32_t y) {
    static_cast<std::vector<Vertex> *>(context)->push_back({index, x, y});
}

std::vector<Vertex> polyline(ArcPolyline arc) {
    std::vector<Vertex> v;
    const int32_t n = arc_polyline(arc, collect_vertex, &v);
    EXPECT_EQ(n, int32_t(v.size()));
    return v;
}

// Distance of (x, y) (relative to the centre) from the ellipse, by sampling.
double off_curve(double x, double y, double rx, double ry) {
    double best = 1e300;
    for (int i = 0; i < 20000; ++i) {
        const double a = i * 2 * 3.14159265358979323846 / 20000;
        best = std::min(best, std::hypot(x - rx * std::sin(a), y - ry * std::cos(a)));
    }
    return best;
}

}  // namespace

TEST(ArcPolylineTest, FullTurnsVertexCountsAndPlacement) {
    EXPECT_TRUE(arc_is_full(0, 360) && arc_is_full(350, 710.0005));
    EXPECT_FALSE(arc_is_full(0, 359.99) || arc_is_full(10, 10));
    // S = 90, rm = 100, width 2: n = trunc(90 * 100 * pi/180 / 2) + 1 = 79.
    std::vector<Vertex> v = polyline({500, 400, 100, 100, 0, 90, 0, kDeg, 2, 1, 1});
    ASSERT_EQ(v.size(), 80u);
    for (size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i].index, int32_t(i));
        EXPECT_LE(std::fabs(std::hypot(v[i].x - 500, v[i].y - 400) - 100), 1.5);
    }
    EXPECT_TRUE(v.front().x == 500 && v.front().y == 300);  // straight up
    EXPECT_EQ(v.back().x, 600);                              // clockwise to the right
    EXPECT_NEAR(v.back().y, 400, 1);
    // 100 grads is a quarter turn: ends at the right point.
    v = polyline({0, 0, 200, 200, 0, 100, 0, 3.14159265358979323846 / 200, 1, 1, 1});
    EXPECT_EQ(v.back().x, 200);
    EXPECT_NEAR(v.back().y, 0, 1);
    // A pen width of zero or below counts as one.
    const size_t one = polyline({0, 0, 50, 50, 0, 180, 0, kDeg, 1, 1, 1}).size();
    for (int32_t w : {0, -1})
        EXPECT_EQ(polyline({0, 0, 50, 50, 0, 180, 0, kDeg, w, 1, 1}).size(), one) << w;
}

TEST(ArcPolylineTest, CountsAreCappedAndBadInputIsBounded) {
    // A big radius or a huge angle span caps at 361 vertices.
    EXPECT_EQ(polyline({0, 0, 100000, 100000, 0, 360, 0, kDeg, 1, 1, 1}).size(), 361u);
    EXPECT_EQ(polyline({0, 0, 10, 10, 0, 1e12, 0, kDeg, 1, 1, 1}).size(), 361u);
    // Zoomed far in (chords of 2000 pixels measured at a large factor): the
    // chord rule asks for many more; the count stays bounded.
    size_t n = polyline({0, 0, 2000000000, 2000000000, 0, 360, 0, kDeg, 1, 1e6, 1e-6}).size();
    EXPECT_TRUE(n > 361u && n <= 4097u) << n;
    // A chord limit wider than the circle feeds asin more than 1.
    n = polyline({0, 0, 1000, 1000, 0, 360, 0, kDeg, 1, 1e6, 1e6}).size();
    EXPECT_TRUE(n >= 1u && n <= 4097u) << n;
    // Degenerate, reversed, infinite and NaN ranges give one vertex.
    for (double a2 : {0.0, -10.0, double(INFINITY), double(NAN)}) {
        std::vector<Vertex> v = polyline({10, 10, 5, 5, 0, a2, 0, kDeg, 1, 1, 1});
        ASSERT_EQ(v.size(), 1u);
        EXPECT_TRUE(v[0].x == 10 && v[0].y == 5);
    }
}

TEST(MidpointEllipse, SymmetricCloseAndConnected) {
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

TEST(MidpointEllipse, DegenerateAndOversizedRadii) {
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

TEST(StyledArc, SolidFullArcMatchesTheMidpointEllipse) {
    Pixels full, styled;
    midpoint_ellipse(50, 50, 30, 12, collect, &full);
    styled_arc({50, 50, 30, 12, 0, 360, 0, kDeg, 0xFFFF}, collect, &styled);
    std::set<std::pair<int32_t, int32_t>> a(full.begin(), full.end()), b(styled.begin(), styled.end());
    EXPECT_EQ(a, b);
    // Start pixel plotted again at the end of the turn, nothing else twice.
    EXPECT_EQ(styled.size(), full.size() + 1);
    EXPECT_EQ(styled.front(), std::make_pair(50, 38));
}

TEST(StyledArc, ArcsStayInTheirQuadrantsAndGoClockwise) {
    Pixels got;
    styled_arc({100, 100, 50, 50, 350, 370, 0, kDeg, 0xFFFF}, collect, &got);  // through the top
    ASSERT_FALSE(got.empty());
    for (auto [x, y] : got)
        EXPECT_TRUE(std::abs(x - 100) <= 10 && y <= 100 - 49 + 1) << x << "," << y;  // 50 sin 10
    EXPECT_TRUE(std::count(got.begin(), got.end(), std::make_pair(100, 50)));
    EXPECT_LT(got.front().first, got.back().first);  // clockwise: left end first
    const int sx[] = {1, 1, -1, -1}, sy[] = {-1, 1, 1, -1};
    for (int q = 0; q < 4; ++q) {
        got.clear();
        styled_arc({0, 0, 40, 25, q * 90.0, q * 90.0 + 90, 0, kDeg, 0xFFFF}, collect, &got);
        ASSERT_GT(got.size(), 40u);
        for (auto [x, y] : got)
            EXPECT_TRUE(x * sx[q] >= 0 && y * sy[q] >= 0) << q;
    }
}

TEST(StyledArc, MaskCountsEveryTraversalPixel) {
    Pixels solid, dotted;
    styled_arc({0, 0, 60, 3, 0, 180, 0, kDeg, 0xFFFF}, collect, &solid);
    styled_arc({0, 0, 60, 3, 0, 180, 0, kDeg, 0xAAAA}, collect, &dotted);
    // 0xAAAA has bits 15, 13, ... set: the first, third ... pixels.
    ASSERT_EQ(dotted.size(), (solid.size() + 1) / 2);
    for (size_t i = 0; i < dotted.size(); ++i)
        EXPECT_EQ(dotted[i], solid[2 * i]);
}

TEST(StyledArc, TiltAndBadInputStayBounded) {
    Pixels got;
    styled_arc({0, 0, 50, 5, 0, 360, 90, kDeg, 0xFFFF}, collect, &got);
    for (auto [x, y] : got) {
        EXPECT_LE(std::abs(x), 6);
        EXPECT_LE(std::abs(y), 51);
    }
    got.clear();
    styled_arc({0, 0, 50, 5, NAN, 10, 0, kDeg, 0xFFFF}, collect, &got);
    EXPECT_TRUE(got.empty());
    styled_arc({0, 0, 1, 1, 0, 5, 0, kDeg, 0xFFFF}, collect, &got);
    EXPECT_EQ(got.size(), 1u);  // ends meet on a short arc: the start pixel
}

TEST(MarkTurn, TurnsAboutTheCentre) {
    const struct {
        int32_t cx, cy, x, y, c, s, scale, ex, ey;
    } cases[] = {{10, 10, 13, 7, 100, 0, 100, 13, 13},  // angle 0 mirrors dy as the formula does
                 {10, 10, 13, 10, 0, 100, 100, 10, 13},  // 90: a point to the right goes below
                 {0, 0, 3, 0, 707, 707, 1000, 2, 2},     // divisions truncate toward zero
                 {INT32_MAX, 0, INT32_MIN, 0, 1000, 0, 1, INT32_MIN, 0},  // far points saturate
                 {0, 0, 3, 0, 1, 0, 0, 3, 0}};           // a zero scale does not divide by zero
    for (const auto &t : cases) {
        const PointI p = turn_mark_point(t.cx, t.cy, t.x, t.y, t.c, t.s, t.scale);
        EXPECT_EQ(p.x, t.ex) << t.x << "," << t.y;
        if (t.scale > 1) {
            EXPECT_EQ(p.y, t.ey) << t.x << "," << t.y;
        }
    }
}
