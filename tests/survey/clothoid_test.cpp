// Clothoids against Fresnel integrals summed independently here.
#include "survey_test.h"

namespace {

using namespace survey_test;

// x = int_0^L cos(s^2 / 2A^2) ds, y = int_0^L sin(s^2 / 2A^2) ds by their power series.
void fresnel(double L, double A, double *x, double *y) {
    const double t = L * L / (2 * A * A);
    double sx = 0, sy = 0, term = 1;  // term = t^k / k!
    for (int k = 0; k < 80; ++k) {
        if (k > 0) term *= t / k;
        const double add = ((k / 2) % 2 ? -1.0 : 1.0) * term / (2 * k + 1);
        (k % 2 == 0 ? sx : sy) += add;
        if (term < 1e-19 && k > 4) break;
    }
    *x = L * sx, *y = L * sy;
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
    void expectAt(double L, double X, double Y) const {
        double Px, Py;
        point(L, &Px, &Py);
        EXPECT_NEAR(Px, X, 1e-5) << L;
        EXPECT_NEAR(Py, Y, 1e-5) << L;
    }
};

class Clothoid : public Degrees {
protected:
    const Spiral s{-35000.0, 12000.0, 30.0, 1.0, 100.0};
    const double L1 = 40.0, L2 = 120.0, R1 = s.radius(L1), R2 = s.radius(L2);
    double X1, Y1, X2, Y2;
    void SetUp() override { Degrees::SetUp(), s.point(L1, &X1, &Y1), s.point(L2, &X2, &Y2); }
};

TEST_F(Clothoid, SeriesMatchesFresnelIntegrals) {
    for (double A : {30.0, 250.0})
        for (double ratio : {1e-4, 0.05, 0.7, 2.0}) {  // L / R; the sign of R does not matter
            const double L = A * std::sqrt(ratio), R = A * A / L;
            double x, y, l, fx, fy, xn, yn, ln;
            fresnel(L, A, &fx, &fy);
            GetCrdXYL(R, A, &x, &y, &l);
            GetCrdXYL(-R, A, &xn, &yn, &ln);
            EXPECT_TRUE(x == xn && y == yn && l == ln) << A << " " << ratio;
            EXPECT_NEAR(L, l, 1e-12 * L);
            EXPECT_LT(std::hypot(fx - x, fy - y), 1e-8) << A << " " << ratio;
        }
    double x = 1, y = 1, l = 1;
    GetCrdXYL(0, 50, &x, &y, &l);
    EXPECT_EQ(0.0, x + y + l);
}

TEST_F(Clothoid, ElementsOfAPieceInEitherDirectionAndSenseOrNone) {
    // Direction and sense by themselves at a zero (straight) end; the rest is GetCrdElm's.
    EXPECT_TRUE(GetCrdMuki(0, 100) == 0 && GetCrdMuki(100, 0) == 1 && GetCrdMuki(-200, 100) == 0);
    EXPECT_TRUE(GetCrdFlag(100, 0) == 1 && GetCrdFlag(0, -5) == -1 && GetCrdFlag(-200, 100) == -1);
    const Spiral m{500.0, -800.0, 250.0, -1.0, 80.0};
    double a, b, c, d;
    m.point(10, &a, &b);
    m.point(70, &c, &d);
    const struct { const Spiral &sp; double Xa, Ya, Xb, Yb, Ra, Rb, La, Lb; int back; } cases[] = {
        {s, X1, Y1, X2, Y2, R1, R2, L1, L2, 0},
        {s, X2, Y2, X1, Y1, -R2, -R1, L1, L2, 1},  // walked backwards it turns the other way
        {s, s.Xo, s.Yo, X2, Y2, 0, R2, 0, L2, 0},
        {m, c, d, a, b, -m.radius(70), -m.radius(10), 10, 70, 1}};
    for (const auto &k : cases) {
        double Xo, Yo, Rs, azo, r1, r2;
        EXPECT_EQ(k.back, GetCrdElm(k.Xa, k.Ya, k.Xb, k.Yb, k.Ra, k.Rb, k.sp.A, &Xo, &Yo, &Rs,
                                    &azo, &r1, &r2));
        EXPECT_LT(std::hypot(k.sp.Xo - Xo, k.sp.Yo - Yo), 1e-6);
        EXPECT_NEAR(k.sp.azo, azo, 1e-8);
        EXPECT_NEAR(k.sp.radius(k.Lb), Rs, 1e-9);
        EXPECT_NEAR(k.La, r1, 1e-9);
        EXPECT_NEAR(k.Lb, r2, 1e-9);
    }

    double Xo = 1, Yo = 1, Rs, azo, r1, r2, X, Y;  // not a clothoid
    EXPECT_EQ(0, GetCrdElm(0, 0, 10, 10, 50, 50, 100, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_TRUE(std::isnan(Xo));
    EXPECT_EQ(0, GetCrdElm(0, 0, 10, 10, 0, 0, 100, &Xo, &Yo, &Rs, &azo, &r1, &r2) |
                     GetCrdElm(0, 0, 10, 10, 0, 50, 0, &Xo, &Yo, &Rs, &azo, &r1, &r2));
    EXPECT_EQ(0, KoutenK90(0, 0, 10, 10, 50, -50, 100, 5, 5, &X, &Y, nullptr, nullptr) |
                     KoutenKC(0, 0, 0, 10, 10, 50, 50, 100, 0, 0, 5, &X, &Y, nullptr, nullptr));
}

TEST_F(Clothoid, CrossingsWithPerpendicularsLinesCirclesEllipsesAndClothoids) {
    for (double Lq : {45.0, 80.0, 117.0}) {
        double Px, Py, X, Y, R, L;
        s.point(Lq, &Px, &Py);
        for (double off : {-20.0, 3.0, 15.0}) {
            const double n = rad(s.tangent(Lq) + 90);
            ASSERT_EQ(1, KoutenK90(X1, Y1, X2, Y2, R1, R2, s.A, Px + off * std::cos(n),
                                   Py + off * std::sin(n), &X, &Y, &R, &L)) << Lq << " " << off;
            s.expectAt(Lq, X, Y);
            EXPECT_NEAR(Lq, L, 1e-5);
            EXPECT_NEAR(s.A * s.A / Lq, R, 1e-4);
        }
        const double n = rad(s.tangent(Lq) + 80);  // nearly square to the curve
        ASSERT_EQ(1, KoutenKT(0, X1, Y1, X2, Y2, R1, R2, s.A, Px - 30 * std::cos(n),
                              Py - 30 * std::sin(n), Px + 30 * std::cos(n), Py + 30 * std::sin(n),
                              &X, &Y, &R, &L)) << Lq;
        s.expectAt(Lq, X, Y);
        EXPECT_NEAR(Lq, L, 1e-5);
    }

    double Px, Py, X, Y, R, L;
    s.point(70, &Px, &Py);
    const double t = rad(s.tangent(70) + 45);
    const double a = 30, b = 12, tilt = rad(20), th = rad(200);
    const double ex = a * std::cos(th), ey = b * std::sin(th);
    const double Xe = Px - (ex * std::cos(tilt) - ey * std::sin(tilt));
    const double Ye = Py - (ey * std::cos(tilt) + ex * std::sin(tilt));
    for (int mode = 0; mode < 2; ++mode) {
        // A circle and a tilted ellipse through the point at L = 70.
        const double Xc = Px + 25 * std::cos(t), Yc = Py + 25 * std::sin(t);
        ASSERT_EQ(1, KoutenKC(mode, X1, Y1, X2, Y2, R1, R2, s.A, Xc, Yc, 25, &X, &Y, &R, &L));
        EXPECT_NEAR(25.0, std::hypot(X - Xc, Y - Yc), 1e-6);
        s.expectAt(L, X, Y);
        EXPECT_NEAR(s.A * s.A / L, R, 1e-6 * R);
        ASSERT_EQ(1, KoutenKD(mode, X1, Y1, X2, Y2, R1, R2, s.A, Xe, Ye, a, b, 20, &X, &Y, &R, &L));
        const double u = X - Xe, v = Y - Ye;
        const double lx = u * std::cos(tilt) + v * std::sin(tilt);
        const double ly = -u * std::sin(tilt) + v * std::cos(tilt);
        EXPECT_NEAR(1.0, lx * lx / (a * a) + ly * ly / (b * b), 1e-6);
        s.expectAt(L, X, Y);
    }
    // A second clothoid turning the other way through the point at L = 70.
    Spiral o{0, 0, s.tangent(70) + 60, -1.0, 90.0};
    double ox, oy, A1x, A1y, A2x, A2y;
    o.point(60, &ox, &oy);
    o.Xo = Px - ox, o.Yo = Py - oy;
    o.point(20, &A1x, &A1y), o.point(100, &A2x, &A2y);
    ASSERT_EQ(1, KoutenKK(0, X1, Y1, X2, Y2, R1, R2, s.A, A1x, A1y, A2x, A2y, o.radius(20),
                          o.radius(100), o.A, &X, &Y, &R, &L));
    s.expectAt(70, X, Y);
    s.expectAt(L, X, Y);
    EXPECT_EQ(0, KoutenKC(0, X1, Y1, X2, Y2, R1, R2, s.A, Px + 500, Py, 10, &X, &Y, &R, &L));
}

}  // namespace
