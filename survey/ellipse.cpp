// Ellipses: parameter of a point, projection onto an arc, intersections with lines,
// circles and ellipses.
#include "zek2/survey.h"

#include <cmath>

#include "survey_internal.h"

using zek_survey::allFinite;
using zek_survey::put;

namespace {

struct Ellipse {
    double Xc, Yc, a, b, tilt;
};

void ellipsePoint(const Ellipse &e, double t, double *X, double *Y) {
    double x = e.Xc + std::fabs(e.a) * cos_o(t), y = e.Yc + std::fabs(e.b) * sin_o(t);
    if (e.tilt != 0.0) Kaiten(&x, &y, e.Xc, e.Yc, e.tilt);
    *X = x, *Y = y;
}

// Angles equal up to a multiple of a half-turn.
bool sameHalfTurn(double t1, double t2) {
    const double d = std::fmod(std::fabs(t1 - t2), 180.0);
    return d < 1e-6 || 180.0 - d < 1e-6;
}

// Whether two ellipses are the same curve, whichever is given first.
bool sameCurve(const Ellipse &e, const Ellipse &f) {
    if (dist_12(e.Xc, e.Yc, f.Xc, f.Yc) >= 1e-6) return false;
    const double a = std::fabs(e.a), b = std::fabs(e.b);
    const double a2 = std::fabs(f.a), b2 = std::fabs(f.b);
    auto near = [](double u, double v) { return std::fabs(u - v) < 1e-6; };
    if (near(a, a2) && near(b, b2) && (near(a, b) || sameHalfTurn(e.tilt, f.tilt)))
        return true;
    return near(a, b2) && near(b, a2) && sameHalfTurn(e.tilt, f.tilt + 90.0);
}

// The first intersection met walking the first ellipse from parameter 0 upwards
// (s = 0) or from 360 downwards (s = 1), refined by tenths of the step.
int solve(int s, Ellipse e, const Ellipse &f, double *X, double *Y, double *t) {
    if (e.a == 0.0 || e.b == 0.0 || f.a == 0.0 || f.b == 0.0) return 0;
    e.a = std::fabs(e.a), e.b = std::fabs(e.b);
    if (sameCurve(e, f)) return 0;
    const double dir = s == 0 ? 1.0 : -1.0;
    double step = 5.0, cur = s == 0 ? 0.0 : 360.0;
    double px, py;
    ellipsePoint(e, cur, &px, &py);
    for (int round = 1; round < 200; ++round) {
        double next = cur + dir * step;
        if (next > 360.0) next = 360.0;
        if (next < 0.0) next = 0.0;
        if (next == cur) return 0;
        double qx, qy, ax, ay, bx, by, x, y;
        ellipsePoint(e, next, &qx, &qy);
        bool hit = false;
        if (KoutenDT(f.Xc, f.Yc, f.a, f.b, f.tilt, px, py, qx, qy, &ax, &ay, nullptr, &bx,
                     &by, nullptr)) {
            if (KoutenOk(px, py, qx, qy, ax, ay))
                x = ax, y = ay, hit = true;
            else if (KoutenOk(px, py, qx, qy, bx, by))
                x = bx, y = by, hit = true;
        }
        if (hit) {
            if (step < 1e-6) {
                put(X, x);
                put(Y, y);
                put(t, KoutenDaz(e.Xc, e.Yc, e.a, e.b, e.tilt, x, y));
                return 1;
            }
            step *= 0.1;
        } else {
            cur = next, px = qx, py = qy;
        }
    }
    return 0;
}

int solveBoth(const Ellipse &e, const Ellipse &f, double *X1, double *Y1, double *t1,
              double *X2, double *Y2, double *t2) {
    double x1, y1, a1, x2, y2, a2;
    if (!solve(0, e, f, &x1, &y1, &a1) || !solve(1, e, f, &x2, &y2, &a2)) return 0;
    put(X1, x1), put(Y1, y1), put(t1, a1);
    put(X2, x2), put(Y2, y2), put(t2, a2);
    return 1;
}

}  // namespace

double ZEKAPI KoutenDaz(double Xc, double Yc, double a, double b, double tilt, double X,
                        double Y) {
    if (a == 0.0 || b == 0.0) return 0.0;
    if (tilt != 0.0) Kaiten(&X, &Y, Xc, Yc, -tilt);
    Y = std::fabs(a) / std::fabs(b) * (Y - Yc) + Yc;
    return az_n(Xc, Yc, X, Y);
}

int ZEKAPI KoutenD90(double Xc, double Yc, double a, double b, double ts, double te,
                     double tilt, double Xp, double Yp, double *X, double *Y, double *t,
                     double *span, double *off) {
    if (a == 0.0 || b == 0.0) return 0;
    if (tilt != 0.0) Kaiten(&Xp, &Yp, Xc, Yc, -tilt);
    const double th = az_n(Xc, Yc, Xp, Yc + (Yp - Yc) * std::fabs(a / b));
    double x, y;
    ellipsePoint(Ellipse{Xc, Yc, a, b, tilt}, th, &x, &y);
    if (!allFinite(x, y)) return 0;
    double sp, of;
    if (a >= 0.0) {  // the arc runs clockwise from ts
        sp = ang_ch(te - ts);
        of = ang_ch(th - ts);
    } else {
        sp = ang_ch(ts - te);
        of = ang_ch(th - te);
    }
    put(X, x), put(Y, y), put(t, th), put(span, sp), put(off, of);
    return of <= sp;
}

int ZEKAPI KoutenDT(double Xc, double Yc, double a, double b, double tilt, double X1,
                    double Y1, double X2, double Y2, double *Xa, double *Ya, double *ta,
                    double *Xb, double *Yb, double *tb) {
    if (a == 0.0 || b == 0.0) return 0;
    if (tilt != 0.0) {
        Kaiten(&X1, &Y1, Xc, Yc, -tilt);
        Kaiten(&X2, &Y2, Xc, Yc, -tilt);
    }
    // Stretch the shorter axis so that the ellipse becomes a circle.
    const double aa = std::fabs(a), bb = std::fabs(b);
    const bool alongX = aa < bb;
    const double k = alongX ? bb / aa : aa / bb, r = alongX ? bb : aa;
    if (alongX) {
        X1 = Xc + (X1 - Xc) * k, X2 = Xc + (X2 - Xc) * k;
    } else {
        Y1 = Yc + (Y1 - Yc) * k, Y2 = Yc + (Y2 - Yc) * k;
    }
    double xa, ya, xb, yb;
    if (!KoutenCT(Xc, Yc, r, X1, Y1, X2, Y2, &xa, &ya, &xb, &yb)) return 0;
    const double tha = az_n(Xc, Yc, xa, ya), thb = az_n(Xc, Yc, xb, yb);
    if (alongX) {
        xa = Xc + (xa - Xc) / k, xb = Xc + (xb - Xc) / k;
    } else {
        ya = Yc + (ya - Yc) / k, yb = Yc + (yb - Yc) / k;
    }
    if (tilt != 0.0) {
        Kaiten(&xa, &ya, Xc, Yc, tilt);
        Kaiten(&xb, &yb, Xc, Yc, tilt);
    }
    if (!allFinite(xa, ya, xb, yb)) return 0;
    put(Xa, xa), put(Ya, ya), put(ta, tha);
    put(Xb, xb), put(Yb, yb), put(tb, thb);
    return 1;
}

int ZEKAPI KoutenDC(double Xc, double Yc, double a, double b, double tilt, double Xo,
                    double Yo, double R, double *X1, double *Y1, double *t1, double *X2,
                    double *Y2, double *t2) {
    return solveBoth(Ellipse{Xc, Yc, a, b, tilt}, Ellipse{Xo, Yo, R, R, 0.0}, X1, Y1, t1,
                     X2, Y2, t2);
}

int ZEKAPI KoutenDD(double Xc, double Yc, double a, double b, double tilt, double Xc2,
                    double Yc2, double a2, double b2, double tilt2, double *X1,
                    double *Y1, double *t1, double *X2, double *Y2, double *t2) {
    return solveBoth(Ellipse{Xc, Yc, a, b, tilt}, Ellipse{Xc2, Yc2, a2, b2, tilt2}, X1, Y1,
                     t1, X2, Y2, t2);
}
