// Lines, foot points, offsets, circles and arcs against closed-form geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "zek2/survey.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

class Plane : public ::testing::Test {
protected:
    void SetUp() override { MathMode(2); }
    void TearDown() override { MathMode(2); }
};

TEST_F(Plane, Kouten4) {
    double X = 7, Y = 7;
    ASSERT_EQ(1, Kouten4(0, 0, 10, 0, 5, -5, 5, 5, &X, &Y));
    EXPECT_EQ(5.0, X);
    EXPECT_EQ(0.0, Y);
    X = Y = 7;
    EXPECT_EQ(0, Kouten4(0, 0, 10, 0, 0, 1, 10, 1, &X, &Y));
    EXPECT_EQ(7.0, X);
    // Lines through a known point in many directions, survey-sized coordinates.
    const double Px = -35123.456, Py = 12345.678;
    for (int i = 0; i < 36; ++i) {
        const double t1 = i * 10.0 * kPi / 180, t2 = t1 + 0.3 + i * 0.05;
        ASSERT_EQ(1, Kouten4(Px - 100 * std::cos(t1), Py - 100 * std::sin(t1),
                             Px + 50 * std::cos(t1), Py + 50 * std::sin(t1),
                             Px + 70 * std::cos(t2), Py + 70 * std::sin(t2),
                             Px + 170 * std::cos(t2), Py + 170 * std::sin(t2), &X, &Y));
        EXPECT_NEAR(Px, X, 1e-8) << i;
        EXPECT_NEAR(Py, Y, 1e-8) << i;
    }
}

TEST_F(Plane, KoutenH4WritesThePointOutsideTheSegments) {
    double X = 7, Y = 7;
    EXPECT_EQ(1, KoutenH4(0, 0, 10, 0, 5, -5, 5, 5, &X, &Y));
    EXPECT_EQ(0, KoutenH4(0, 0, 10, 0, 20, -5, 20, 5, &X, &Y));
    EXPECT_EQ(20.0, X);
    EXPECT_EQ(0.0, Y);
}

TEST_F(Plane, AzimuthLines) {
    double X, Y;
    ASSERT_EQ(1, KoutenAZ2(0, 0, 45, 10, 0, 315, &X, &Y));
    EXPECT_NEAR(5.0, X, 1e-12);
    EXPECT_NEAR(5.0, Y, 1e-12);
    // Azimuths past a turn or negative are the same lines.
    ASSERT_EQ(1, KoutenAZ2(0, 0, 45 + 720, 10, 0, -45, &X, &Y));
    EXPECT_NEAR(5.0, Y, 1e-12);
    // One line due east (pole of the tangent).
    ASSERT_EQ(1, KoutenAZ2(3, 0, 90, 0, 4, 0, &X, &Y));
    EXPECT_NEAR(3.0, X, 1e-9);
    EXPECT_NEAR(4.0, Y, 1e-9);
    EXPECT_EQ(0, KoutenAZ2(0, 0, 10, 5, 5, 190, &X, &Y));
    ASSERT_EQ(1, KoutenAZ3(0, 0, 1, 1, 10, 0, 315, &X, &Y));
    EXPECT_NEAR(5.0, X, 1e-12);
}

TEST_F(Plane, KoutenOkTolerance) {
    EXPECT_EQ(1, KoutenOk(0, 0, 10, 10, 10 + 0.00001, 5));
    EXPECT_EQ(0, KoutenOk(0, 0, 10, 10, 10 + 0.0001, 5));
    EXPECT_EQ(1, KoutenOk(10, 10, 0, 0, 5, -0.00001));
    EXPECT_EQ(1, KoutenOkEx(0, 0, 10, 10, 10.5, 5, 1.0));
    EXPECT_EQ(0, KoutenOkEx(0, 0, 10, 10, 11.5, 5, 1.0));
    EXPECT_EQ(0, KoutenOk(0, 0, 10, 10, kNaN, 5));
}

TEST_F(Plane, KoutenT90) {
    double X, Y;
    EXPECT_EQ(1, KoutenT90(0, 0, 10, 0, 5, 5, &X, &Y));
    EXPECT_EQ(5.0, X);
    EXPECT_EQ(0.0, Y);
    EXPECT_EQ(0, KoutenT90(0, 0, 10, 0, -5, 5, &X, &Y));
    EXPECT_EQ(-5.0, X);
    EXPECT_EQ(0, KoutenT90(0, 0, 10, 0, 15, -5, &X, &Y));
    EXPECT_EQ(15.0, X);
    EXPECT_EQ(1, KoutenT90(3, 4, 3, 4, 9, 9, &X, &Y));
    EXPECT_EQ(3.0, X);
    EXPECT_EQ(4.0, Y);
    // A point 100 km off a short line: the foot keeps its digits.
    EXPECT_EQ(1, KoutenT90(0, 0, 1, 1, 0.001 - 70710.678, 0.001 + 70710.678, &X, &Y));
    EXPECT_NEAR(0.001, X, 1e-9);
    EXPECT_NEAR(0.001, Y, 1e-9);
}

TEST_F(Plane, Offsets) {
    double a, b, c, d;
    GetHeikouIdouZahyo(0, 0, 10, 0, 2, &a, &b, &c, &d);  // right of a northward line: east
    EXPECT_NEAR(0.0, a, 1e-15);
    EXPECT_NEAR(2.0, b, 1e-15);
    EXPECT_NEAR(10.0, c, 1e-15);
    EXPECT_NEAR(2.0, d, 1e-15);
    GetKatagawaIdouZahyo(1, 0, 0, 0, 10, -3, &a, &b);  // left of an eastward line: north
    EXPECT_NEAR(3.0, a, 1e-15);
    EXPECT_NEAR(10.0, b, 1e-15);
    GetKatagawaIdouZahyo(0, 0, 0, 0, 10, -3, &a, &b);
    EXPECT_NEAR(0.0, b, 1e-15);
}

TEST_F(Plane, CircleAndLine) {
    double xa, ya, xb, yb;
    ASSERT_EQ(1, KoutenCT(0, 0, 5, 3, -10, 3, 10, &xa, &ya, &xb, &yb));
    EXPECT_NEAR(3.0, xa, 1e-12);  // a lies back towards P1, b ahead
    EXPECT_NEAR(-4.0, ya, 1e-12);
    EXPECT_NEAR(3.0, xb, 1e-12);
    EXPECT_NEAR(4.0, yb, 1e-12);
    // The same with the centre on the other side and a negative radius.
    ASSERT_EQ(1, KoutenCT(6, 0, -5, 3, -10, 3, 10, &xa, &ya, &xb, &yb));
    EXPECT_NEAR(-4.0, ya, 1e-12);
    EXPECT_NEAR(4.0, yb, 1e-12);
    // Tangent: one point twice; missing and degenerate: nothing.
    ASSERT_EQ(1, KoutenCTaz(0, 0, 5, 5, -10, 90, &xa, &ya, &xb, &yb));
    EXPECT_NEAR(0.0, ya, 1e-12);
    EXPECT_NEAR(0.0, yb, 1e-12);
    xa = 7;
    EXPECT_EQ(0, KoutenCTaz(0, 0, 5, 6, -10, 90, &xa, &ya, &xb, &yb));
    EXPECT_EQ(0, KoutenCT(0, 0, 0, 3, -10, 3, 10, &xa, &ya, &xb, &yb));
    EXPECT_EQ(0, KoutenCT(0, 0, 5, 3, 3, 3, 3, &xa, &ya, &xb, &yb));
    EXPECT_EQ(7.0, xa);
    // Slanted lines through survey-sized coordinates: both points on both figures.
    const double Xc = -35000.5, Yc = 12000.25, R = 123.4;
    for (int i = 0; i < 24; ++i) {
        const double az = i * 15.0 + 7, off = -100 + i * 8.0;
        const double X1 = Xc + off * std::cos((az + 90) * kPi / 180) - 300 * std::cos(az * kPi / 180);
        const double Y1 = Yc + off * std::sin((az + 90) * kPi / 180) - 300 * std::sin(az * kPi / 180);
        ASSERT_EQ(1, KoutenCTaz(Xc, Yc, R, X1, Y1, az, &xa, &ya, &xb, &yb)) << i;
        EXPECT_NEAR(R, std::hypot(xa - Xc, ya - Yc), 1e-9);
        EXPECT_NEAR(R, std::hypot(xb - Xc, yb - Yc), 1e-9);
        EXPECT_NEAR(std::fabs(off), std::hypot(0.5 * (xa + xb) - Xc, 0.5 * (ya + yb) - Yc), 1e-8);
        EXPECT_NEAR(std::fmod(az, 360.0), az_n(xa, ya, xb, yb), 1e-7);
    }
}

TEST_F(Plane, CircleAndCircle) {
    double xa = 7, ya, xb, yb;
    ASSERT_EQ(1, KoutenCC(0, 0, 5, 8, 0, 5, &xa, &ya, &xb, &yb));
    EXPECT_NEAR(4.0, xa, 1e-12);
    EXPECT_NEAR(-3.0, ya, 1e-12);
    EXPECT_NEAR(4.0, xb, 1e-12);
    EXPECT_NEAR(3.0, yb, 1e-12);
    ASSERT_EQ(1, KoutenCC(0, 0, 1, 2, 0, 1, &xa, &ya, &xb, &yb));  // touching
    EXPECT_NEAR(1.0, xa, 1e-12);
    EXPECT_NEAR(0.0, ya, 1e-6);
    EXPECT_NEAR(1.0, xb, 1e-12);
    ASSERT_EQ(1, KoutenCC(0, 0, 5, 2, 0, 3, &xa, &ya, &xb, &yb));  // touching inside
    EXPECT_NEAR(5.0, xa, 1e-9);
    xa = 7;
    EXPECT_EQ(0, KoutenCC(0, 0, 1, 3, 0, 1, &xa, &ya, &xb, &yb));   // apart
    EXPECT_EQ(0, KoutenCC(0, 0, 5, 1, 0, 1, &xa, &ya, &xb, &yb));   // one inside
    EXPECT_EQ(0, KoutenCC(0, 0, 5, 0, 0, 5, &xa, &ya, &xb, &yb));   // same centre
    EXPECT_EQ(0, KoutenCC(0, 0, 0, 1, 0, 1, &xa, &ya, &xb, &yb));
    EXPECT_EQ(7.0, xa);
    // Random-looking pairs: both points on both circles.
    for (int i = 1; i < 20; ++i) {
        const double r1 = 10 + i, r2 = 30 - i, d = 25 + 0.5 * i, t = i * 0.7;
        const double X1 = -1000 + i, Y1 = 500 - i, X2 = X1 + d * std::cos(t), Y2 = Y1 + d * std::sin(t);
        ASSERT_EQ(1, KoutenCC(X1, Y1, r1, X2, Y2, -r2, &xa, &ya, &xb, &yb)) << i;
        EXPECT_NEAR(r1, std::hypot(xa - X1, ya - Y1), 1e-9);
        EXPECT_NEAR(r2, std::hypot(xa - X2, ya - Y2), 1e-9);
        EXPECT_NEAR(r1, std::hypot(xb - X1, yb - Y1), 1e-9);
        EXPECT_NEAR(r2, std::hypot(xb - X2, yb - Y2), 1e-9);
    }
}

TEST_F(Plane, ArcMembership) {
    EXPECT_EQ(1, KoutenEnkoOk(1, 350, 10, 0));
    EXPECT_EQ(1, KoutenEnkoOk(1, 350, 10, 10));
    EXPECT_EQ(0, KoutenEnkoOk(1, 350, 10, 20));
    EXPECT_EQ(1, KoutenEnkoOk(-1, 10, 350, 0));
    EXPECT_EQ(0, KoutenEnkoOk(-1, 10, 350, 180));
    EXPECT_EQ(1, KoutenEnkoOk(-1, 350, 10, 180));
}

TEST_F(Plane, ArcCentre) {
    double Xc, Yc, a1, a2;
    ASSERT_EQ(1, GetEnkoCk(0, 0, 0, 0, 10, 5, &Xc, &Yc, &a1, &a2));  // half circle
    EXPECT_NEAR(0.0, Xc, 1e-12);
    EXPECT_NEAR(5.0, Yc, 1e-12);
    // A positive radius puts the centre right of P1->P2 (south of an eastward chord).
    ASSERT_EQ(1, GetEnkoCk(0, 0, 0, 0, 10, 10, &Xc, &Yc, &a1, &a2));
    EXPECT_NEAR(-std::sqrt(75.0), Xc, 1e-12);
    EXPECT_NEAR(5.0, Yc, 1e-12);
    EXPECT_NEAR(330.0, a1, 1e-9);
    EXPECT_NEAR(30.0, a2, 1e-9);
    ASSERT_EQ(1, GetEnkoCk(0, 0, 0, 0, 10, -10, &Xc, &Yc, &a1, &a2));
    EXPECT_NEAR(std::sqrt(75.0), Xc, 1e-12);
    // swap exchanges the points and gives the azimuths back in the given order
    double Xs, Ys, s1, s2;
    ASSERT_EQ(1, GetEnkoCk(1, 0, 10, 0, 0, -10, &Xs, &Ys, &s1, &s2));
    EXPECT_NEAR(Xc, Xs, 1e-12);
    EXPECT_NEAR(a1, s2, 1e-9);
    EXPECT_NEAR(a2, s1, 1e-9);
    EXPECT_EQ(0, GetEnkoCk(0, 0, 0, 0, 10, 4.9, &Xc, &Yc, &a1, &a2));
    EXPECT_EQ(0, GetEnkoCk(0, 0, 0, 0, 10, 0, &Xc, &Yc, &a1, &a2));
    EXPECT_EQ(0, GetEnkoCk(0, 1, 1, 1, 1, 5, &Xc, &Yc, &a1, &a2));
}

TEST_F(Plane, CircleThroughThreePoints) {
    double Xc, Yc, R, a1, a2, a3;
    ASSERT_EQ(1, Get3PointHankei(0, 0, 1, 1, 2, 0, &Xc, &Yc, &R, &a1, &a2, &a3));
    EXPECT_NEAR(1.0, Xc, 1e-12);
    EXPECT_NEAR(0.0, Yc, 1e-12);
    EXPECT_NEAR(-1.0, R, 1e-12);
    EXPECT_NEAR(180.0, a1, 1e-12);
    EXPECT_NEAR(90.0, a2, 1e-12);
    EXPECT_NEAR(0.0, a3, 1e-12);
    // The other way round turns clockwise: positive radius, az3 past a full turn.
    ASSERT_EQ(1, Get3PointHankei(2, 0, 1, 1, 0, 0, &Xc, &Yc, &R, &a1, &a2, &a3));
    EXPECT_NEAR(1.0, R, 1e-12);
    EXPECT_NEAR(0.0, a1, 1e-12);
    EXPECT_NEAR(180.0, a3, 1e-12);
    // Points on a known circle in survey coordinates.
    const double cx = -42000.125, cy = 18000.5, r = 250.0;
    for (int i = 0; i < 12; ++i) {
        const double t1 = i * 0.5, t2 = t1 + 0.8, t3 = t2 + 1.1;
        ASSERT_EQ(1, Get3PointHankei(cx + r * std::cos(t1), cy + r * std::sin(t1),
                                     cx + r * std::cos(t2), cy + r * std::sin(t2),
                                     cx + r * std::cos(t3), cy + r * std::sin(t3), &Xc, &Yc, &R,
                                     &a1, &a2, &a3));
        EXPECT_NEAR(cx, Xc, 1e-8);
        EXPECT_NEAR(cy, Yc, 1e-8);
        EXPECT_NEAR(r, R, 1e-8);  // increasing angle is clockwise on the map
        EXPECT_NEAR(std::fmod(t1 * 180 / kPi, 360.0), a1, 1e-8);
        EXPECT_GT(a3, a1);
    }
    EXPECT_EQ(0, Get3PointHankei(0, 0, 1, 1, 2, 2.00001, &Xc, &Yc, &R, &a1, &a2, &a3));
}

}  // namespace
