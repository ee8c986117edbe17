// Clothoids against Fresnel integrals summed independently here.
#include <gtest/gtest.h>

#include <cmath>

#include "zek2/survey.h"

namespace {

const double kPi = 3.14159265358979323846;
double rad(double deg) { return deg * kPi / 180.0; }

// x = int_0^L cos(s^2 / 2A^2) ds, y = int_0^L sin(s^2 / 2A^2) ds by their power series,
// summed until the terms no longer change the sums.
void fresnel(double L, double A, double *x, double *y) {
    const double t = L * L / (2 * A * A);
    double sx = 0, sy = 0, term = 1;  // term = t^k / k!
    for (int k = 0; k < 80; ++k) {
        if (k > 0) term *= t / k;
        const double sign = (k / 2) % 2 ? -1.0 : 1.0;
        const double add = sign * term / (2 * k + 1);
        if (k % 2 == 0)
            sx += add;
        else
            sy += add;
        if (term < 1e-19 && k > 4) break;
    }
    *x = L * sx;
    *y = L * sy;
}

// A clothoid placed in the plane: origin, origin azimuth, sense (+1 clockwise), A.
struct Spiral {
    double Xo, Yo, azo, sense, A;
    void point(double L, double *X, double *Y) const {
        double x, y;
        fresnel(L, A, &x, &y);
        y *= sense;
        *X = Xo + x * std::cos(rad(azo)) - y * std::sin(rad(azo));
        *Y = Yo + x * std::sin(rad(azo)) + y * std::cos(rad(azo));
    }
    double tangent(double L) const { return azo + sense * L * L / (2 * A * A) * 180 / kPi; }
    double radius(double L) const { return sense * A * A / L; }
};

class Clothoid : public ::testing::Test {
protected:
    void SetUp() override { MathMode(2); }
    void TearDown() override { MathMode(2); }
    const Spiral s{-35000.0, 12000.0, 30.0, 1.0, 100.0};
    double X1, Y1, X2, Y2;
    const double L1 = 40.0, L2 = 120.0;
    void SetUpPiece() {
        s.point(L1, &X1, &Y1);
        s.point(L2, &X2, &Y2);
    }
};

TEST_F(Clothoid, SeriesMatchesFresnelIntegrals) {
    for (double A : {30.0, 100.0, 250.0})
        for (double ratio : {0.05, 0.3, 0.7, 1.0, 1.5, 2.0}) {  // L / R
            const double L = A * std::sqrt(ratio), R = A * A / L;
            double x, y, l, fx, fy;
            GetCrdXYL(R, A, &x, &y, &l);
            fresnel(L, A, &fx, &fy);
            EXPECT_NEAR(L, l, 1e-12 * L);
            EXPECT_NEAR(fx, x, 1e-8) << A << " " << ratio;
            EXPECT_NEAR(fy, y, 1e-8) << A << " " << ratio;
            GetCrdXYL(-R, A, &x, &y, &l);  // the sign of R does not matter here
            EXPECT_NEAR(fy, y, 1e-8);
        }
    double x = 1, y = 1, l = 1;
    GetCrdXYL(0, 50, &x, &y, &l);
    EXPECT_EQ(0.0, x + y + l);
    GetCrdXYL(10000, 50, &x, &y, &l);  // short against the radius
    EXPECT_NEAR(l, x, 1e-9);
    EXPECT_NEAR(l * l / 60000, y, 1e-12);
}

TEST_F(Clothoid, DirectionAndFlag) {
    EXPECT_EQ(0, GetCrdMuki(0, 100));
    EXPECT_EQ(1, GetCrdMuki(100, 0));
    EXPECT_EQ(1, GetCrdMuki(100, -200));
    EXPECT_EQ(0, GetCrdMuki(-200, 100));
    EXPECT_EQ(1.0, GetCrdFlag(100, 0));
    EXPECT_EQ(-1.0, GetCrdFlag(-200, 100));
    EXPECT_EQ(1.0, GetCrdFlag(-100, 200));
    EXPECT_EQ(-1.0, GetCrdFlag(0, -5));
}

TEST_F(Clothoid, ElementsOfAPieceInEitherDirection) {
    SetUpPiece();
    const double R1 = s.radius(L1), R2 = s.radius(L2);
    double Xo, Yo, Rs, azo, r1, r2;
    EXPECT_EQ(0, GetCrdElm(X1, Y1, X2, Y2, R1, R2, s.A, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_NEAR(s.Xo, Xo, 1e-6);
    EXPECT_NEAR(s.Yo, Yo, 1e-6);
    EXPECT_NEAR(s.azo, azo, 1e-8);
    EXPECT_NEAR(R2, Rs, 1e-9);
    EXPECT_NEAR(L1, r1, 1e-9);
    EXPECT_NEAR(L2, r2, 1e-9);
    // Walked backwards the piece turns the other way.
    EXPECT_EQ(1, GetCrdElm(X2, Y2, X1, Y1, -R2, -R1, s.A, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_NEAR(s.Xo, Xo, 1e-6);
    EXPECT_NEAR(s.Yo, Yo, 1e-6);
    EXPECT_NEAR(s.azo, azo, 1e-8);
    EXPECT_NEAR(R2, Rs, 1e-9);
    // From the origin itself, and counter-clockwise.
    EXPECT_EQ(0, GetCrdElm(s.Xo, s.Yo, X2, Y2, 0, R2, s.A, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_EQ(s.Xo, Xo);
    EXPECT_NEAR(s.azo, azo, 1e-8);
    EXPECT_EQ(0.0, r1);
    const Spiral m{500.0, -800.0, 250.0, -1.0, 80.0};
    double a, b, c, d;
    m.point(10, &a, &b);
    m.point(70, &c, &d);
    EXPECT_EQ(1, GetCrdElm(c, d, a, b, -m.radius(70), -m.radius(10), m.A, &Xo, &Yo, &Rs, &azo,
                           &r1, &r2));
    EXPECT_NEAR(m.Xo, Xo, 1e-6);
    EXPECT_NEAR(m.Yo, Yo, 1e-6);
    EXPECT_NEAR(m.azo, azo, 1e-8);
    EXPECT_LT(Rs, 0.0);
}

TEST_F(Clothoid, NotAClothoid) {
    double Xo = 1, Yo = 1, Rs, azo, r1, r2, X, Y;
    EXPECT_EQ(0, GetCrdElm(0, 0, 10, 10, 50, 50, 100, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_TRUE(std::isnan(Xo));
    EXPECT_EQ(0, GetCrdElm(0, 0, 10, 10, 0, 0, 100, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_EQ(0, GetCrdElm(0, 0, 10, 10, 0, 50, 0, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_EQ(0, KoutenK90(0, 0, 10, 10, 50, -50, 100, 5, 5, &X, &Y, nullptr, nullptr));
    EXPECT_EQ(0, KoutenKC(0, 0, 0, 10, 10, 50, 50, 100, 0, 0, 5, &X, &Y, nullptr, nullptr));
}

TEST_F(Clothoid, PerpendicularFoot) {
    SetUpPiece();
    for (double Lq : {45.0, 80.0, 117.0})
        for (double off : {-20.0, 3.0, 15.0}) {
            double Px, Py;
            s.point(Lq, &Px, &Py);
            const double n = rad(s.tangent(Lq) + 90);
            double X, Y, R, L;
            ASSERT_EQ(1, KoutenK90(X1, Y1, X2, Y2, s.radius(L1), s.radius(L2), s.A,
                                   Px + off * std::cos(n), Py + off * std::sin(n), &X, &Y, &R, &L))
                << Lq << " " << off;
            EXPECT_NEAR(Px, X, 1e-5);
            EXPECT_NEAR(Py, Y, 1e-5);
            EXPECT_NEAR(Lq, L, 1e-5);
            EXPECT_NEAR(s.A * s.A / Lq, R, 1e-4);
        }
}

TEST_F(Clothoid, CrossingLine) {
    SetUpPiece();
    for (double Lq : {50.0, 99.0}) {
        double Px, Py;
        s.point(Lq, &Px, &Py);
        const double n = rad(s.tangent(Lq) + 80);  // nearly square to the curve
        double X, Y, R, L;
        ASSERT_EQ(1, KoutenKT(0, X1, Y1, X2, Y2, s.radius(L1), s.radius(L2), s.A,
                              Px - 30 * std::cos(n), Py - 30 * std::sin(n), Px + 30 * std::cos(n),
                              Py + 30 * std::sin(n), &X, &Y, &R, &L));
        EXPECT_NEAR(Px, X, 1e-5);
        EXPECT_NEAR(Py, Y, 1e-5);
        EXPECT_NEAR(Lq, L, 1e-5);
    }
}

// The result lies on the clothoid where its length says.
void expectOnSpiral(const Spiral &s, double X, double Y, double L) {
    double Px, Py;
    s.point(L, &Px, &Py);
    EXPECT_NEAR(Px, X, 1e-5);
    EXPECT_NEAR(Py, Y, 1e-5);
}

TEST_F(Clothoid, CircleEllipseAndClothoidCrossings) {
    SetUpPiece();
    const double R1 = s.radius(L1), R2 = s.radius(L2);
    double Px, Py;
    s.point(70, &Px, &Py);
    const double t = rad(s.tangent(70) + 45);
    for (int mode = 0; mode < 2; ++mode) {
        double X, Y, R, L;
        // A circle through the point at L = 70, crossing the curve there.
        const double Xc = Px + 25 * std::cos(t), Yc = Py + 25 * std::sin(t);
        ASSERT_EQ(1, KoutenKC(mode, X1, Y1, X2, Y2, R1, R2, s.A, Xc, Yc, 25, &X, &Y, &R, &L));
        EXPECT_NEAR(25.0, std::hypot(X - Xc, Y - Yc), 1e-6);
        expectOnSpiral(s, X, Y, L);
        EXPECT_NEAR(s.A * s.A / L, R, 1e-6 * R);
        // A tilted ellipse through the same point.
        const double a = 30, b = 12, tilt = 20, th = rad(200);
        double ex = a * std::cos(th), ey = b * std::sin(th);
        const double Xe = Px - (ex * std::cos(rad(tilt)) - ey * std::sin(rad(tilt)));
        const double Ye = Py - (ey * std::cos(rad(tilt)) + ex * std::sin(rad(tilt)));
        ASSERT_EQ(1, KoutenKD(mode, X1, Y1, X2, Y2, R1, R2, s.A, Xe, Ye, a, b, tilt, &X, &Y, &R, &L));
        double u = X - Xe, v = Y - Ye;
        const double lx = u * std::cos(rad(tilt)) + v * std::sin(rad(tilt));
        const double ly = -u * std::sin(rad(tilt)) + v * std::cos(rad(tilt));
        EXPECT_NEAR(1.0, lx * lx / (a * a) + ly * ly / (b * b), 1e-6);
        expectOnSpiral(s, X, Y, L);
    }
    // A second clothoid turning the other way through the point at L = 70.
    Spiral o{0, 0, s.tangent(70) + 60, -1.0, 90.0};
    double ox, oy;
    o.point(60, &ox, &oy);
    o.Xo = Px - ox, o.Yo = Py - oy;
    double A1x, A1y, A2x, A2y;
    o.point(20, &A1x, &A1y);
    o.point(100, &A2x, &A2y);
    double X, Y, R, L;
    ASSERT_EQ(1, KoutenKK(0, X1, Y1, X2, Y2, R1, R2, s.A, A1x, A1y, A2x, A2y, o.radius(20),
                          o.radius(100), o.A, &X, &Y, &R, &L));
    EXPECT_NEAR(Px, X, 1e-5);
    EXPECT_NEAR(Py, Y, 1e-5);
    expectOnSpiral(s, X, Y, L);
    // A circle that misses the piece.
    EXPECT_EQ(0, KoutenKC(0, X1, Y1, X2, Y2, R1, R2, s.A, Px + 500, Py, 10, &X, &Y, &R, &L));
}

}  // namespace
