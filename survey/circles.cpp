// Circles: intersections with lines and circles, arcs, circles through three points.
#include "zek2/survey.h"

#include <cmath>
#include <utility>

#include "survey_internal.h"

using zek_survey::allFinite;
using zek_survey::put;

int ZEKAPI KoutenCTaz(double Xc, double Yc, double R, double X1, double Y1, double az,
                      double *Xa, double *Ya, double *Xb, double *Yb) {
    if (R == 0.0) return 0;
    const double r = std::fabs(R);
    const double ca = cos_o(az), sa = sin_o(az);
    const double theta = ang_ch(az_n(X1, Y1, Xc, Yc) - az);
    double e = std::fabs(ca * (Y1 - Yc) - sa * (X1 - Xc));
    // A line within 1e-6 of the circle touches it (cos 90 is not exactly 0).
    if (!(e <= r + 1e-6)) return 0;
    if (e > r) e = r;
    const double alpha = asin_o(e / r);
    double a1, a2;
    if (theta <= 180.0) {  // centre on the right of the line
        a1 = alpha + az + 180.0;
        a2 = az - alpha;
    } else {
        a1 = az + 180.0 - alpha;
        a2 = az + alpha;
    }
    const double xa = Xc + r * cos_o(a1), ya = Yc + r * sin_o(a1);
    const double xb = Xc + r * cos_o(a2), yb = Yc + r * sin_o(a2);
    if (!allFinite(xa, ya, xb, yb)) return 0;
    put(Xa, xa);
    put(Ya, ya);
    put(Xb, xb);
    put(Yb, yb);
    return 1;
}

int ZEKAPI KoutenCT(double Xc, double Yc, double R, double X1, double Y1, double X2,
                    double Y2, double *Xa, double *Ya, double *Xb, double *Yb) {
    if (X1 == X2 && Y1 == Y2) return 0;  // a point gives no direction
    return KoutenCTaz(Xc, Yc, R, X1, Y1, az_n(X1, Y1, X2, Y2), Xa, Ya, Xb, Yb);
}

int ZEKAPI KoutenCC(double X1, double Y1, double R1, double X2, double Y2, double R2,
                    double *Xa, double *Ya, double *Xb, double *Yb) {
    if (R1 == 0.0 || R2 == 0.0) return 0;
    const double dX = X2 - X1, dY = Y2 - Y1;
    const double D = std::sqrt(dX * dX + dY * dY);
    if (!(D >= 1e-6)) return 0;
    const double r1 = std::fabs(R1), r2 = std::fabs(R2);
    // Circles apart or one inside the other do not meet; within 1e-6 they touch.
    if (D - (r1 + r2) > 1e-6 || std::fabs(r1 - r2) - D > 1e-6) return 0;
    const double m = (D - (R2 * R2 - R1 * R1) / D) * 0.5;
    double h2 = R1 * R1 - m * m;
    if (h2 < 0.0) h2 = 0.0;
    const double h = std::sqrt(h2);
    const double mx = X1 + m * dX / D, my = Y1 + m * dY / D;
    const double xa = mx + h * dY / D, ya = my - h * dX / D;
    const double xb = mx - h * dY / D, yb = my + h * dX / D;
    if (!allFinite(xa, ya, xb, yb)) return 0;
    put(Xa, xa);
    put(Ya, ya);
    put(Xb, xb);
    put(Yb, yb);
    return 1;
}

int ZEKAPI KoutenEnkoOk(int dir, double s, double e, double a) {
    double span, off;
    if (dir > 0) {
        span = ang_ch(e - s);
        off = ang_ch(a - s);
    } else {
        span = ang_ch(s - e);
        off = ang_ch(s - a);
    }
    return off <= span;
}

int ZEKAPI GetEnkoCk(int swap, double X1, double Y1, double X2, double Y2, double R,
                     double *Xc, double *Yc, double *az1, double *az2) {
    if (R == 0.0) return 0;
    if (swap) {
        std::swap(X1, X2);
        std::swap(Y1, Y2);
    }
    const double r = std::fabs(R);
    double az = az_n(X1, Y1, X2, Y2);
    const double D = dist_12(X1, Y1, X2, Y2);
    if (!(D >= 1e-6)) return 0;
    if (!(std::fabs(D - 2.0 * r) < 1e-6)) {
        const double s = D / (2.0 * r);
        if (s > 1.0) return 0;
        const double alpha = asin_o(s);
        az = R <= 0.0 ? az + alpha - 90.0 : az - alpha + 90.0;
    }
    const double xc = X1 + r * cos_o(az), yc = Y1 + r * sin_o(az);
    if (!allFinite(xc, yc)) return 0;
    double a1 = az_n(xc, yc, X1, Y1), a2 = az_n(xc, yc, X2, Y2);
    if (swap) std::swap(a1, a2);
    put(Xc, xc);
    put(Yc, yc);
    put(az1, a1);
    put(az2, a2);
    return 1;
}

int ZEKAPI Get3PointHankei(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                           double *Xc, double *Yc, double *R, double *az1, double *az2,
                           double *az3) {
    double fx, fy;
    KoutenT90(X1, Y1, X2, Y2, X3, Y3, &fx, &fy);
    if (!(dist_12(fx, fy, X3, Y3) >= 0.0001)) return 0;  // collinear (or not numbers)
    const double az12 = az_n(X1, Y1, X2, Y2), az23 = az_n(X2, Y2, X3, Y3);
    double xc, yc;
    if (!KoutenAZ2((X1 + X2) * 0.5, (Y1 + Y2) * 0.5, az12 + 90.0, (X2 + X3) * 0.5,
                   (Y2 + Y3) * 0.5, az23 + 90.0, &xc, &yc))
        return 0;
    double r = dist_12(xc, yc, X1, Y1);
    if (!std::isfinite(r)) return 0;
    double a1 = az_n(xc, yc, X1, Y1), a2 = az_n(xc, yc, X2, Y2), a3 = az_n(xc, yc, X3, Y3);
    if (ang_ch(a3 - a1) <= ang_ch(a2 - a1)) {  // P1 -> P2 -> P3 runs counter-clockwise
        r = -r;
        if (a1 < a3) a1 += 360.0;
    } else if (a3 < a1) {
        a3 += 360.0;
    }
    put(Xc, xc);
    put(Yc, yc);
    put(R, r);
    put(az1, a1);
    put(az2, a2);
    put(az3, a3);
    return 1;
}
