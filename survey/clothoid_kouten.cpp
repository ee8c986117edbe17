// Intersections of a clothoid piece with a point, a line, a circle, an ellipse and
// another clothoid.
#include "zek2/survey.h"

#include <cmath>

#include "clothoid_internal.h"
#include "survey_internal.h"

using zek_survey::Clothoid;
using zek_survey::clothoidPoint;
using zek_survey::clothoidSetup;
using zek_survey::put;

namespace {

void report(const Clothoid &c, double x, double y, double l, double *X, double *Y,
            double *R, double *L) {
    put(X, x);
    put(Y, y);
    put(R, l > 0.0 ? c.flag * c.A * c.A / l : 0.0);
    put(L, l);
}

// Intersection of the chord P-Q with another figure, if one lies on the chord.
struct ChordCut {
    virtual bool cut(double Px, double Py, double Qx, double Qy, double *X,
                     double *Y) const = 0;
    virtual ~ChordCut() = default;
};

bool pickOnChord(double Px, double Py, double Qx, double Qy, double ax, double ay,
                 double bx, double by, double *X, double *Y) {
    if (KoutenOk(Px, Py, Qx, Qy, ax, ay)) {
        *X = ax, *Y = ay;
        return true;
    }
    if (KoutenOk(Px, Py, Qx, Qy, bx, by)) {
        *X = bx, *Y = by;
        return true;
    }
    return false;
}

struct CircleCut : ChordCut {
    double Xc, Yc, R;
    CircleCut(double x, double y, double r) : Xc(x), Yc(y), R(r) {}
    bool cut(double Px, double Py, double Qx, double Qy, double *X, double *Y) const override {
        double ax, ay, bx, by;
        return KoutenCT(Xc, Yc, R, Px, Py, Qx, Qy, &ax, &ay, &bx, &by) &&
               pickOnChord(Px, Py, Qx, Qy, ax, ay, bx, by, X, Y);
    }
};

struct EllipseCut : ChordCut {
    double Xc, Yc, a, b, tilt;
    EllipseCut(double x, double y, double a_, double b_, double t)
        : Xc(x), Yc(y), a(a_), b(b_), tilt(t) {}
    bool cut(double Px, double Py, double Qx, double Qy, double *X, double *Y) const override {
        double ax, ay, bx, by;
        return KoutenDT(Xc, Yc, a, b, tilt, Px, Py, Qx, Qy, &ax, &ay, nullptr, &bx, &by,
                        nullptr) &&
               pickOnChord(Px, Py, Qx, Qy, ax, ay, bx, by, X, Y);
    }
};

struct ClothoidCut : ChordCut {
    double X1, Y1, X2, Y2, R1, R2, A;
    ClothoidCut(double x1, double y1, double x2, double y2, double r1, double r2, double a)
        : X1(x1), Y1(y1), X2(x2), Y2(y2), R1(r1), R2(r2), A(a) {}
    bool cut(double Px, double Py, double Qx, double Qy, double *X, double *Y) const override {
        // Which sense of the bisection suits depends on how the chord lies; try both.
        for (int mode = 0; mode < 2; ++mode) {
            double x, y;
            if (KoutenKT(mode, X1, Y1, X2, Y2, R1, R2, A, Px, Py, Qx, Qy, &x, &y, nullptr,
                         nullptr) &&
                KoutenOk(Px, Py, Qx, Qy, x, y)) {
                *X = x, *Y = y;
                return true;
            }
        }
        return false;
    }
};

// Walks the piece from one end in chords of a tenth of its length; a chord that
// meets the figure is walked again in tenths until the chord is below 1e-6 long.
int march(int mode, const Clothoid &c, const ChordCut &fig, double *X, double *Y,
          double *R, double *L) {
    // mode 0 starts at the first point as given.
    const bool fromNear = (mode == 0) != c.swapped;
    const double dir = fromNear ? 1.0 : -1.0;
    double step = (c.L2 - c.L1) * 0.1;
    double cur = fromNear ? c.L1 : c.L2;
    double px, py;
    clothoidPoint(c, cur, &px, &py);
    for (int round = 0; round < 100; ++round) {
        double next = cur + dir * step;
        if (next > c.L2) next = c.L2;
        if (next < c.L1) next = c.L1;
        if (next == cur) return 0;
        double qx, qy, x, y;
        clothoidPoint(c, next, &qx, &qy);
        if (fig.cut(px, py, qx, qy, &x, &y)) {
            if (step < 1e-6) {
                const double chord = dist_12(px, py, qx, qy);
                const double part = chord > 0.0 ? dist_12(px, py, x, y) / chord : 0.0;
                report(c, x, y, cur + (next - cur) * std::fmin(part, 1.0), X, Y, R, L);
                return 1;
            }
            step *= 0.1;
        } else {
            cur = next, px = qx, py = qy;
        }
    }
    return 0;
}

}  // namespace

int ZEKAPI KoutenKT(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double Xa, double Ya, double Xb, double Yb,
                    double *X, double *Y, double *R, double *L) {
    Clothoid c;
    if (!clothoidSetup(X1, Y1, X2, Y2, R1, R2, A, &c)) return 0;
    double l = (c.L1 + c.L2) * 0.5, step = (c.L2 - c.L1) * 0.5;
    for (int round = 0; round < 50; ++round) {
        step *= 0.5;
        double px, py, fx = NAN, fy = NAN;
        clothoidPoint(c, l, &px, &py);
        KoutenT90(Xa, Ya, Xb, Yb, px, py, &fx, &fy);
        if (dist_12(px, py, fx, fy) < 1e-6) {
            report(c, px, py, l, X, Y, R, L);
            return 1;
        }
        const bool footNearer = dist_12(c.Xo, c.Yo, fx, fy) <= dist_12(c.Xo, c.Yo, px, py);
        l += footNearer == (mode == 0) ? -step : step;
    }
    return 0;
}

int ZEKAPI KoutenK90(double X1, double Y1, double X2, double Y2, double R1, double R2,
                     double A, double Xp, double Yp, double *X, double *Y, double *R,
                     double *L) {
    Clothoid c;
    if (!clothoidSetup(X1, Y1, X2, Y2, R1, R2, A, &c)) return 0;
    double l = (c.L1 + c.L2) * 0.5, step = (c.L2 - c.L1) * 0.5;
    for (int round = 0; round < 50; ++round) {
        step *= 0.5;
        double px, py;
        clothoidPoint(c, l, &px, &py);
        // The tangent turns by L / 2R radians from the origin tangent.
        double tau = l * l * 90.0 / (zek_survey::kPi * c.A * c.A);
        if (c.Rs < 0.0) tau = -tau;
        const double phi = ang_ch(az_n(px, py, Xp, Yp) - (c.azo + tau));
        if (dist_12(px, py, Xp, Yp) < 1e-6 || std::fabs(phi - 90.0) < 1e-6 ||
            std::fabs(phi - 270.0) < 1e-6) {
            report(c, px, py, l, X, Y, R, L);
            return 1;
        }
        if (phi < 90.0 || phi > 270.0)
            l += step;  // the point lies ahead
        else
            l -= step;
    }
    return 0;
}

int ZEKAPI KoutenKC(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double Xc, double Yc, double Rc, double *X,
                    double *Y, double *R, double *L) {
    Clothoid c;
    if (!clothoidSetup(X1, Y1, X2, Y2, R1, R2, A, &c)) return 0;
    return march(mode, c, CircleCut(Xc, Yc, Rc), X, Y, R, L);
}

int ZEKAPI KoutenKD(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double Xc, double Yc, double a, double b,
                    double tilt, double *X, double *Y, double *R, double *L) {
    Clothoid c;
    if (!clothoidSetup(X1, Y1, X2, Y2, R1, R2, A, &c)) return 0;
    return march(mode, c, EllipseCut(Xc, Yc, a, b, tilt), X, Y, R, L);
}

int ZEKAPI KoutenKK(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double X3, double Y3, double X4, double Y4,
                    double R3, double R4, double A2, double *X, double *Y, double *R,
                    double *L) {
    Clothoid c;
    if (!clothoidSetup(X1, Y1, X2, Y2, R1, R2, A, &c)) return 0;
    return march(mode, c, ClothoidCut(X3, Y3, X4, Y4, R3, R4, A2), X, Y, R, L);
}
