// Intersections of straight lines, foot points and parallel offsets.
#include "zek2/survey.h"

#include <cmath>

#include "survey_internal.h"

using zek_survey::allFinite;
using zek_survey::put;

int ZEKAPI Kouten4(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                   double X4, double Y4, double *X, double *Y) {
    const double a = X2 - X1, b = Y2 - Y1, c = X4 - X3, d = Y4 - Y3;
    const double det = d * a - c * b;
    if (!(std::fabs(det) >= 1e-8)) return 0;  // parallel, or not numbers
    const double x = ((X3 * Y4 - Y3 * X4) * a - (X1 * Y2 - Y1 * X2) * c) / det;
    // Y from the line that spreads more along X, to divide by the larger extent.
    const double y = std::fabs(c) >= std::fabs(a) ? (x - X3) * d / c + Y3
                                                  : (x - X1) * b / a + Y1;
    if (!allFinite(x, y)) return 0;
    put(X, x);
    put(Y, y);
    return 1;
}

int ZEKAPI KoutenH4(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                    double X4, double Y4, double *X, double *Y) {
    double x, y;
    if (!Kouten4(X1, Y1, X2, Y2, X3, Y3, X4, Y4, &x, &y)) return 0;
    put(X, x);
    put(Y, y);
    return KoutenOk(X1, Y1, X2, Y2, x, y) && KoutenOk(X3, Y3, X4, Y4, x, y);
}

int ZEKAPI KoutenAZ2(double X1, double Y1, double az1, double X2, double Y2, double az2,
                     double *X, double *Y) {
    const double t1 = tan_o(ang_ch(az1)), t2 = tan_o(ang_ch(az2));
    if (!(std::fabs(t1 - t2) >= 1e-6)) return 0;
    const double dX = (Y2 - Y1 - (X2 - X1) * t2) / (t1 - t2);
    const double x = X1 + dX, y = Y1 + dX * t1;
    if (!allFinite(x, y)) return 0;
    put(X, x);
    put(Y, y);
    return 1;
}

int ZEKAPI KoutenAZ3(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                     double az3, double *X, double *Y) {
    return KoutenAZ2(X1, Y1, az_n(X1, Y1, X2, Y2), X3, Y3, az3, X, Y);
}

int ZEKAPI KoutenOkEx(double X1, double Y1, double X2, double Y2, double X, double Y,
                      double tol) {
    const double xl = std::fmin(X1, X2) - tol, xh = std::fmax(X1, X2) + tol;
    const double yl = std::fmin(Y1, Y2) - tol, yh = std::fmax(Y1, Y2) + tol;
    return X >= xl && X <= xh && Y >= yl && Y <= yh;
}

int ZEKAPI KoutenOk(double X1, double Y1, double X2, double Y2, double X, double Y) {
    return KoutenOkEx(X1, Y1, X2, Y2, X, Y, 1e-5);
}

int ZEKAPI KoutenT90(double X1, double Y1, double X2, double Y2, double Xp, double Yp,
                     double *X, double *Y) {
    const double dX = X2 - X1, dY = Y2 - Y1;
    const double L2 = dX * dX + dY * dY;
    const double L = std::sqrt(L2);
    if (L == 0.0) {
        put(X, X1);
        put(Y, Y1);
        return 1;
    }
    const double p1X = Xp - X1, p1Y = Yp - Y1, p2X = Xp - X2, p2Y = Yp - Y2;
    const double d1 = p1X * p1X + p1Y * p1Y, d2 = p2X * p2X + p2Y * p2Y;
    // The distance along the line as a projection: the root of |P1P|^2 - h^2 loses
    // all its digits when P lies far from a short line.
    const double s = (p1X * dX + p1Y * dY) / L;
    int on = 1;
    if (L2 + 1e-6 + d1 < d2)
        on = 0;  // before P1
    else if (L2 + 1e-6 + d2 < d1)
        on = 0;  // beyond P2
    const double x = X1 + s * dX / L, y = Y1 + s * dY / L;
    if (!allFinite(x, y)) return 0;
    put(X, x);
    put(Y, y);
    return on;
}

void ZEKAPI GetHeikouIdouZahyo(double X1, double Y1, double X2, double Y2, double d,
                               double *X1o, double *Y1o, double *X2o, double *Y2o) {
    const double az = az_n(X1, Y1, X2, Y2) + 90.0;
    const double c = cos_o(az) * d, s = sin_o(az) * d;
    put(X1o, X1 + c);
    put(Y1o, Y1 + s);
    put(X2o, X2 + c);
    put(Y2o, Y2 + s);
}

void ZEKAPI GetKatagawaIdouZahyo(int end, double X1, double Y1, double X2, double Y2,
                                 double d, double *X, double *Y) {
    const double az = az_n(X1, Y1, X2, Y2) + 90.0;
    put(X, (end ? X2 : X1) + cos_o(az) * d);
    put(Y, (end ? Y2 : Y1) + sin_o(az) * d);
}
