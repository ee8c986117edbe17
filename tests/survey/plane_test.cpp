// Lines, foot points, offsets, circles and arcs against closed-form geometry.
#include "survey_test.h"

namespace {

using namespace survey_test;
class Plane : public Degrees {};

#define EXPECT_POINT(X, Y, x, y, tol) \
    do { EXPECT_NEAR(X, x, tol); EXPECT_NEAR(Y, y, tol); } while (0)

// Point at distance r and angle t (radians) from (X, Y).
double px(double X, double r, double t) { return X + r * std::cos(t); }
double py(double Y, double r, double t) { return Y + r * std::sin(t); }

TEST_F(Plane, LineCrossingsAndPointsOnSegments) {
    double X = 7, Y = 7;
    EXPECT_EQ(0, Kouten4(0, 0, 10, 0, 0, 1, 10, 1, &X, &Y));  // parallel: nothing written
    EXPECT_EQ(7.0, X);
    // Lines through a known point in many directions, survey-sized coordinates.
    const double Px = -35123.456, Py = 12345.678;
    for (int i = 0; i < 36; ++i) {
        const double t1 = rad(i * 10.0), t2 = t1 + 0.3 + i * 0.05;
        ASSERT_EQ(1, Kouten4(px(Px, -100, t1), py(Py, -100, t1), px(Px, 50, t1), py(Py, 50, t1),
                             px(Px, 70, t2), py(Py, 70, t2), px(Px, 170, t2), py(Py, 170, t2),
                             &X, &Y)) << i;
        EXPECT_POINT(Px, Py, X, Y, 1e-8);
    }
    // KoutenH4 writes the point even outside the segments.
    EXPECT_EQ(1, KoutenH4(0, 0, 10, 0, 5, -5, 5, 5, &X, &Y));
    EXPECT_EQ(0, KoutenH4(0, 0, 10, 0, 20, -5, 20, 5, &X, &Y));
    EXPECT_POINT(20.0, 0.0, X, Y, 0);
    // Azimuths past a turn or negative are the same lines; due east is a tangent pole.
    ASSERT_EQ(1, KoutenAZ2(0, 0, 45 + 720, 10, 0, -45, &X, &Y));
    EXPECT_POINT(5.0, 5.0, X, Y, 1e-12);
    ASSERT_EQ(1, KoutenAZ2(3, 0, 90, 0, 4, 0, &X, &Y));
    EXPECT_POINT(3.0, 4.0, X, Y, 1e-9);
    EXPECT_EQ(0, KoutenAZ2(0, 0, 10, 5, 5, 190, &X, &Y));
    ASSERT_EQ(1, KoutenAZ3(0, 0, 1, 1, 10, 0, 315, &X, &Y));
    EXPECT_NEAR(5.0, X, 1e-12);
    // A point on a segment within the tolerance.
    EXPECT_EQ(1, KoutenOk(0, 0, 10, 10, 10 + 0.00001, 5) & KoutenOk(10, 10, 0, 0, 5, -0.00001) &
                     KoutenOkEx(0, 0, 10, 10, 10.5, 5, 1.0));
    EXPECT_EQ(0, KoutenOk(0, 0, 10, 10, 10 + 0.0001, 5) | KoutenOkEx(0, 0, 10, 10, 11.5, 5, 1.0) |
                     KoutenOk(0, 0, 10, 10, kNaN, 5));
}

TEST_F(Plane, FootPointsAndOffsets) {
    const struct { double X1, Y1, X2, Y2, P, Q; int inside; double X, Y; } cases[] = {
        {0, 0, 10, 0, 5, 5, 1, 5, 0},   {0, 0, 10, 0, -5, 5, 0, -5, 0},
        {0, 0, 10, 0, 15, -5, 0, 15, 0}, {3, 4, 3, 4, 9, 9, 1, 3, 4},
        // 100 km off a short line: the foot keeps its digits.
        {0, 0, 1, 1, 0.001 - 70710.678, 0.001 + 70710.678, 1, 0.001, 0.001}};
    for (const auto &c : cases) {
        double X, Y;
        EXPECT_EQ(c.inside, KoutenT90(c.X1, c.Y1, c.X2, c.Y2, c.P, c.Q, &X, &Y)) << c.P;
        EXPECT_POINT(c.X, c.Y, X, Y, 1e-9);
    }
    double a, b, c, d;
    GetHeikouIdouZahyo(0, 0, 10, 0, 2, &a, &b, &c, &d);  // right of a northward line: east
    EXPECT_POINT(0.0, 2.0, a, b, 1e-15);
    EXPECT_POINT(10.0, 2.0, c, d, 1e-15);
    GetKatagawaIdouZahyo(1, 0, 0, 0, 10, -3, &a, &b);  // left of an eastward line: north
    EXPECT_POINT(3.0, 10.0, a, b, 1e-15);
    GetKatagawaIdouZahyo(0, 0, 0, 0, 10, -3, &a, &b);
    EXPECT_NEAR(0.0, b, 1e-15);
}

TEST_F(Plane, CircleCrossingsWithLinesAndCircles) {
    double xa, ya, xb, yb;
    // a lies back towards P1, b ahead, whichever side the centre and sign of the radius.
    for (double Xc : {0.0, 6.0}) {
        ASSERT_EQ(1, KoutenCT(Xc, 0, Xc ? -5 : 5, 3, -10, 3, 10, &xa, &ya, &xb, &yb));
        EXPECT_POINT(3.0, -4.0, xa, ya, 1e-12);
        EXPECT_POINT(3.0, 4.0, xb, yb, 1e-12);
    }
    ASSERT_EQ(1, KoutenCTaz(0, 0, 5, 5, -10, 90, &xa, &ya, &xb, &yb));  // tangent
    EXPECT_POINT(5.0, 0.0, xa, ya, 1e-12);
    EXPECT_POINT(5.0, 0.0, xb, yb, 1e-12);
    xa = 7;  // missed, no radius, no line: nothing written
    EXPECT_EQ(0, KoutenCTaz(0, 0, 5, 6, -10, 90, &xa, &ya, &xb, &yb) |
                     KoutenCT(0, 0, 0, 3, -10, 3, 10, &xa, &ya, &xb, &yb) |
                     KoutenCT(0, 0, 5, 3, 3, 3, 3, &xa, &ya, &xb, &yb));
    EXPECT_EQ(7.0, xa);
    const double Xc = -35000.5, Yc = 12000.25, R = 123.4;
    for (int i = 0; i < 24; ++i) {
        const double az = i * 15.0 + 7, off = -100 + i * 8.0, t = rad(az), n = rad(az + 90);
        ASSERT_EQ(1, KoutenCTaz(Xc, Yc, R, px(px(Xc, off, n), -300, t), py(py(Yc, off, n), -300, t),
                                az, &xa, &ya, &xb, &yb)) << i;
        EXPECT_NEAR(R, std::hypot(xa - Xc, ya - Yc), 1e-9);
        EXPECT_NEAR(R, std::hypot(xb - Xc, yb - Yc), 1e-9);
        EXPECT_NEAR(std::fabs(off), std::hypot(0.5 * (xa + xb) - Xc, 0.5 * (ya + yb) - Yc), 1e-8);
        EXPECT_NEAR(std::fmod(az, 360.0), az_n(xa, ya, xb, yb), 1e-7);
    }

    xa = 7;  // circle and circle
    ASSERT_EQ(1, KoutenCC(0, 0, 5, 8, 0, 5, &xa, &ya, &xb, &yb));
    EXPECT_POINT(4.0, -3.0, xa, ya, 1e-12);
    EXPECT_POINT(4.0, 3.0, xb, yb, 1e-12);
    ASSERT_EQ(1, KoutenCC(0, 0, 1, 2, 0, 1, &xa, &ya, &xb, &yb));  // touching
    EXPECT_POINT(1.0, 0.0, xa, ya, 1e-6);
    ASSERT_EQ(1, KoutenCC(0, 0, 5, 2, 0, 3, &xa, &ya, &xb, &yb));  // touching inside
    EXPECT_NEAR(5.0, xa, 1e-9);
    xa = 7;
    const double apart[][6] = {{0, 0, 1, 3, 0, 1}, {0, 0, 5, 1, 0, 1},  // apart, one inside
                               {0, 0, 5, 0, 0, 5}, {0, 0, 0, 1, 0, 1}};
    for (const auto &c : apart)
        EXPECT_EQ(0, KoutenCC(c[0], c[1], c[2], c[3], c[4], c[5], &xa, &ya, &xb, &yb)) << c[2];
    EXPECT_EQ(7.0, xa);
    for (int i = 1; i < 20; ++i) {
        const double r1 = 10 + i, r2 = 30 - i, d = 25 + 0.5 * i, t = i * 0.7;
        const double X1 = -1000 + i, Y1 = 500 - i, X2 = px(X1, d, t), Y2 = py(Y1, d, t);
        ASSERT_EQ(1, KoutenCC(X1, Y1, r1, X2, Y2, -r2, &xa, &ya, &xb, &yb)) << i;
        for (double x : {xa, xb}) {
            const double y = x == xa ? ya : yb;
            EXPECT_NEAR(r1, std::hypot(x - X1, y - Y1), 1e-9) << i;
            EXPECT_NEAR(r2, std::hypot(x - X2, y - Y2), 1e-9) << i;
        }
    }
}

TEST_F(Plane, ArcsAndTheCircleThroughThreePoints) {
    const double member[][5] = {{1, 350, 10, 0, 1},   {1, 350, 10, 10, 1},   {1, 350, 10, 20, 0},
                                {-1, 10, 350, 0, 1},  {-1, 10, 350, 180, 0}, {-1, 350, 10, 180, 1}};
    for (const auto &c : member)
        EXPECT_EQ(c[4], KoutenEnkoOk(static_cast<int>(c[0]), c[1], c[2], c[3])) << c[3];
    double Xc, Yc, a1, a2, Xs, Ys, s1, s2;
    ASSERT_EQ(1, GetEnkoCk(0, 0, 0, 0, 10, 5, &Xc, &Yc, &a1, &a2));  // half circle
    EXPECT_POINT(0.0, 5.0, Xc, Yc, 1e-12);
    // A positive radius puts the centre right of P1->P2 (south of an eastward chord).
    ASSERT_EQ(1, GetEnkoCk(0, 0, 0, 0, 10, 10, &Xc, &Yc, &a1, &a2));
    EXPECT_POINT(-std::sqrt(75.0), 5.0, Xc, Yc, 1e-12);
    EXPECT_POINT(330.0, 30.0, a1, a2, 1e-9);
    ASSERT_EQ(1, GetEnkoCk(0, 0, 0, 0, 10, -10, &Xc, &Yc, &a1, &a2));
    EXPECT_NEAR(std::sqrt(75.0), Xc, 1e-12);
    // swap exchanges the points and gives the azimuths back in the given order
    ASSERT_EQ(1, GetEnkoCk(1, 0, 10, 0, 0, -10, &Xs, &Ys, &s1, &s2));
    EXPECT_NEAR(Xc, Xs, 1e-12);
    EXPECT_POINT(a1, a2, s2, s1, 1e-9);
    EXPECT_EQ(0, GetEnkoCk(0, 0, 0, 0, 10, 4.9, &Xc, &Yc, &a1, &a2) |  // chord beyond the diameter
                     GetEnkoCk(0, 0, 0, 0, 10, 0, &Xc, &Yc, &a1, &a2) |
                     GetEnkoCk(0, 1, 1, 1, 1, 5, &Xc, &Yc, &a1, &a2));

    double R, a3;  // the circle through three points
    ASSERT_EQ(1, Get3PointHankei(0, 0, 1, 1, 2, 0, &Xc, &Yc, &R, &a1, &a2, &a3));
    EXPECT_POINT(1.0, 0.0, Xc, Yc, 1e-12);
    EXPECT_NEAR(-1.0, R, 1e-12);
    EXPECT_POINT(180.0, 90.0, a1, a2, 1e-12);
    EXPECT_NEAR(0.0, a3, 1e-12);
    const double cx = -42000.125, cy = 18000.5, r = 250.0;
    for (int i = 0; i < 12; ++i) {  // clockwise: positive radius, az3 past a full turn from i = 9
        const double t1 = i * 0.5, t2 = t1 + 0.8, t3 = t2 + 1.1;
        ASSERT_EQ(1, Get3PointHankei(px(cx, r, t1), py(cy, r, t1), px(cx, r, t2), py(cy, r, t2),
                                     px(cx, r, t3), py(cy, r, t3), &Xc, &Yc, &R, &a1, &a2, &a3));
        EXPECT_POINT(cx, cy, Xc, Yc, 1e-8);
        EXPECT_NEAR(r, R, 1e-8);  // increasing angle is clockwise on the map
        EXPECT_NEAR(std::fmod(t1 * 180 / kPi, 360.0), a1, 1e-8);
        EXPECT_GT(a3, a1);
    }
    EXPECT_EQ(0, Get3PointHankei(0, 0, 1, 1, 2, 2.00001, &Xc, &Yc, &R, &a1, &a2, &a3));
}

}  // namespace
