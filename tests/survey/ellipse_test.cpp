// Ellipses: every reported point must lie on the figures it belongs to.
#include "survey_test.h"

namespace {

using namespace survey_test;
class Ellipse : public Degrees {};

struct Ell {
    double Xc, Yc, a, b, tilt;
    // Distance-like residual of the implicit equation, in metres near the curve.
    double off(double X, double Y) const {
        const double u = X - Xc, v = Y - Yc, c = std::cos(rad(tilt)), s = std::sin(rad(tilt));
        const double x = u * c + v * s, y = -u * s + v * c;
        return (std::sqrt(x * x / (a * a) + y * y / (b * b)) - 1.0) * std::fmin(a, b);
    }
    void point(double t, double *X, double *Y) const {
        const double x = a * std::cos(rad(t)), y = b * std::sin(rad(t));
        *X = Xc + x * std::cos(rad(tilt)) - y * std::sin(rad(tilt));
        *Y = Yc + y * std::cos(rad(tilt)) + x * std::sin(rad(tilt));
    }
    // (X, Y) lies on this ellipse at parameter t, and on f.
    void expectAt(double t, double X, double Y, const Ell &f) const {
        double px, py;
        point(t, &px, &py);
        EXPECT_NEAR(X, px, 1e-6) << t;
        EXPECT_NEAR(Y, py, 1e-6) << t;
        EXPECT_NEAR(0.0, off(X, Y), 1e-9);
        EXPECT_NEAR(0.0, f.off(X, Y), 1e-9);
    }
};

TEST_F(Ellipse, ParameterOfAPoint) {
    const Ell e{-2000.0, 3000.0, 40.0, 25.0, 35.0};
    for (double t = 5; t < 360; t += 37) {
        double X, Y;
        e.point(t, &X, &Y);
        EXPECT_NEAR(t, KoutenDaz(e.Xc, e.Yc, e.a, e.b, e.tilt, X, Y), 1e-9);
    }
    EXPECT_EQ(0.0, KoutenDaz(0, 0, 0, 5, 0, 1, 1));
}

TEST_F(Ellipse, LineCrossings) {
    const Ell e{100.0, -50.0, 20.0, 35.0, -25.0};
    for (int i = 0; i < 18; ++i) {
        const double az = i * 20.0 + 3, off = -15 + 1.7 * i;
        const double X1 = e.Xc + off * std::cos(rad(az + 90)) - 80 * std::cos(rad(az));
        const double Y1 = e.Yc + off * std::sin(rad(az + 90)) - 80 * std::sin(rad(az));
        const double X2 = X1 + 160 * std::cos(rad(az)), Y2 = Y1 + 160 * std::sin(rad(az));
        auto offLine = [&](double x, double y) {
            return ((x - X1) * (Y2 - Y1) - (y - Y1) * (X2 - X1)) / 160;
        };
        double xa, ya, ta, xb, yb, tb;
        ASSERT_EQ(1, KoutenDT(e.Xc, e.Yc, e.a, e.b, e.tilt, X1, Y1, X2, Y2, &xa, &ya, &ta, &xb,
                              &yb, &tb)) << i;
        e.expectAt(ta, xa, ya, e);
        e.expectAt(tb, xb, yb, e);
        EXPECT_NEAR(0.0, offLine(xa, ya), 1e-9) << i;
        EXPECT_NEAR(0.0, offLine(xb, yb), 1e-9) << i;
    }
    double xa, ya, xb, yb;
    EXPECT_EQ(0, KoutenDT(0, 0, 10, 5, 0, 20, -10, 20, 10, &xa, &ya, nullptr, &xb, &yb, nullptr));
    EXPECT_EQ(0, KoutenDT(0, 0, 0, 5, 0, 2, -10, 2, 10, &xa, &ya, nullptr, &xb, &yb, nullptr));
}

TEST_F(Ellipse, ProjectionOntoAnArc) {
    const Ell e{0.0, 0.0, 30.0, 10.0, 0.0};
    const double Px = 60 * std::cos(rad(40)), Py = 20 * std::sin(rad(40));
    double X, Y, t, span, off;
    // A point out along the parameter direction projects to that parameter.
    EXPECT_EQ(1, KoutenD90(0, 0, 30, 10, 0, 90, 0, Px, Py, &X, &Y, &t, &span, &off));
    EXPECT_NEAR(40.0, t, 1e-9);
    EXPECT_NEAR(0.0, e.off(X, Y), 1e-12);
    EXPECT_EQ(90.0, span);
    // Outside the arc: written anyway, result 0; a negative a runs the arc backwards.
    EXPECT_EQ(0, KoutenD90(0, 0, 30, 10, 0, 30, 0, Px, Py, &X, &Y, &t, &span, &off));
    EXPECT_NEAR(40.0, t, 1e-9);
    EXPECT_EQ(1, KoutenD90(0, 0, -30, 10, 0, 30, 0, Px, Py, &X, &Y, nullptr, nullptr, nullptr));
}

TEST_F(Ellipse, CircleCrossings) {
    const Ell e{-1500.0, 2500.0, 40.0, 20.0, 30.0};
    const Ell c{-1490.0, 2520.0, 25.0, 25.0, 0.0};
    double x1, y1, t1, x2, y2, t2;
    ASSERT_EQ(1, KoutenDC(e.Xc, e.Yc, e.a, e.b, e.tilt, c.Xc, c.Yc, c.a, &x1, &y1, &t1, &x2, &y2, &t2));
    e.expectAt(t1, x1, y1, c);
    e.expectAt(t2, x2, y2, c);
    EXPECT_LT(t1, t2);  // first met walking up from 0, then down from 360
    // Concentric, touching at the ends of the long axis.
    ASSERT_EQ(1, KoutenDC(0, 0, 5, 3, 0, 0, 0, 5, &x1, &y1, &t1, &x2, &y2, &t2));
    EXPECT_NEAR(5.0, std::fabs(x1), 1e-6);
    EXPECT_NEAR(0.0, y1, 1e-6);
    // Apart, and the same curve: nothing.
    EXPECT_EQ(0, KoutenDC(0, 0, 5, 3, 0, 100, 0, 5, &x1, &y1, &t1, &x2, &y2, &t2));
    EXPECT_EQ(0, KoutenDC(0, 0, 5, 5, 40, 0, 0, 5, &x1, &y1, &t1, &x2, &y2, &t2));
}

TEST_F(Ellipse, EllipseCrossingsInEitherOrder) {
    const Ell e{0.0, 0.0, 50.0, 20.0, 0.0};
    const Ell f{0.0, 0.0, 45.0, 30.0, 60.0};  // concentric, four crossings
    const Ell g{0.0, 0.0, 30.0, 60.0, 0.0};   // larger, crossing: once refused in one order
    const Ell *pairs[][2] = {{&e, &f}, {&f, &e}, {&e, &g}, {&g, &e}};
    for (const auto &pq : pairs) {
        const Ell &p = *pq[0], &q = *pq[1];
        double x1, y1, t1, x2, y2, t2;
        ASSERT_EQ(1, KoutenDD(p.Xc, p.Yc, p.a, p.b, p.tilt, q.Xc, q.Yc, q.a, q.b, q.tilt, &x1,
                              &y1, &t1, &x2, &y2, &t2)) << p.a << " " << q.a;
        p.expectAt(t1, x1, y1, q);
        p.expectAt(t2, x2, y2, q);
    }
    // The same ellipse given with its axes exchanged or turned a half-turn; no a: no answer.
    double x1, y1, t1, x2, y2, t2;
    EXPECT_EQ(0, KoutenDD(0, 0, 50, 20, 10, 0, 0, 20, -50, 100, &x1, &y1, &t1, &x2, &y2, &t2));
    EXPECT_EQ(0, KoutenDD(0, 0, 50, 20, 10, 0, 0, 50, 20, 190, &x1, &y1, &t1, &x2, &y2, &t2));
    EXPECT_EQ(0, KoutenDD(0, 0, 0, 20, 10, 0, 0, 50, 20, 190, &x1, &y1, &t1, &x2, &y2, &t2));
}

}  // namespace
