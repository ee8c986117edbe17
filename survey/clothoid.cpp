// Clothoid series, the elements of a clothoid piece and its points.
#include "zek2/survey.h"

#include <cmath>
#include <limits>
#include <utility>

#include "clothoid_internal.h"
#include "survey_internal.h"

using zek_survey::put;

namespace {

const double kCx[8] = {40.0, 3456.0, 599040.0, 175472640.0, 78033715200.0,
                       49049763840000.0, 4.14215445676032e16, 4.524946661729894e19};
const double kCy[8] = {56.0, 7040.0, 1612800.0, 588349440.0, 313373491200.0,
                       229552894771200.0, 2.2139101406822394e17, 2.7195386502316032e20};

}  // namespace

void zek_survey::clothoidSeries(double L, double A, double *x, double *y) {
    if (!(L > 0.0)) {
        *x = *y = 0.0;
        return;
    }
    const double q = L * L / (A * A);  // L / R with R = A^2 / L
    const double q2 = q * q;
    const double yLead = L * q / 6.0;
    double sx = L, sy = yLead, pow = 1.0, sign = 1.0;
    for (int k = 0; k < 8; ++k) {
        pow *= q2;
        sign = -sign;
        const double tx = L * pow / kCx[k];
        sx += sign * tx;
        sy += sign * yLead * pow / kCy[k];
        if (tx < 1e-7) break;  // both series stop together
    }
    *x = sx;
    *y = sy;
}

void ZEKAPI GetCrdXYL(double R, double A, double *x, double *y, double *L) {
    double l = 0.0, sx = 0.0, sy = 0.0;
    if (R != 0.0) {
        l = A * A / std::fabs(R);
        zek_survey::clothoidSeries(l, A, &sx, &sy);
    }
    put(x, sx);
    put(y, sy);
    put(L, l);
}

int ZEKAPI GetCrdMuki(double R1, double R2) {
    if (R1 == 0.0) return 0;
    return R2 == 0.0 || std::fabs(R2) >= std::fabs(R1);
}

double ZEKAPI GetCrdFlag(double R1, double R2) {
    const double r = std::fabs(R2) >= std::fabs(R1) ? R2 : R1;
    return r >= 0.0 ? 1.0 : -1.0;
}

int ZEKAPI GetCrdElm(double X1, double Y1, double X2, double Y2, double R1, double R2,
                     double A, double *Xo, double *Yo, double *Rs, double *azo,
                     double *rec1, double *rec2) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const bool valid = std::isfinite(X1) && std::isfinite(Y1) && std::isfinite(X2) &&
                       std::isfinite(Y2) && std::isfinite(R1) && std::isfinite(R2) &&
                       std::isfinite(A) && A != 0.0 && !(R1 == 0.0 && R2 == 0.0) &&
                       std::fabs(R1) != std::fabs(R2) && !(X1 == X2 && Y1 == Y2);
    if (!valid) {  // a circle, a straight line or nothing: no origin to find
        put(Xo, nan), put(Yo, nan), put(Rs, nan), put(azo, nan), put(rec1, nan);
        put(rec2, nan);
        return 0;
    }
    int swapped;
    double rs, xo, yo, ao, l1 = 0.0, l2;
    if (R1 != 0.0 && R2 != 0.0) {
        double r1;
        // The far end (larger curvature) goes second; walking the piece backwards
        // reverses the sense of turning.
        if (std::fabs(R2) >= std::fabs(R1)) {
            std::swap(X1, X2), std::swap(Y1, Y2);
            rs = -R1, r1 = -R2, swapped = 1;
        } else {
            rs = R2, r1 = R1, swapped = 0;
        }
        double x1, y1, x2, y2;
        GetCrdXYL(r1, A, &x1, &y1, &l1);
        GetCrdXYL(rs, A, &x2, &y2, &l2);
        const double az = az_n(X1, Y1, X2, Y2);
        const double delta = atan_o((y2 - y1) / (x2 - x1));
        ao = rs <= 0.0 ? az + delta : az - delta;
        const double n = rs <= 0.0 ? ao + 90.0 : ao - 90.0;
        xo = X2 + cos_o(n) * y2 - cos_o(ao) * x2;
        yo = Y2 + sin_o(n) * y2 - sin_o(ao) * x2;
    } else {
        if (R2 == 0.0) {
            std::swap(X1, X2), std::swap(Y1, Y2);
            rs = -R1, swapped = 1;
        } else {
            rs = R2, swapped = 0;
        }
        double x, y;
        GetCrdXYL(rs, A, &x, &y, &l2);
        const double az = az_n(X1, Y1, X2, Y2);
        const double delta = atan_o(y / x);
        ao = rs <= 0.0 ? az + delta : az - delta;
        xo = X1, yo = Y1;
    }
    put(Xo, xo), put(Yo, yo), put(Rs, rs), put(azo, ao), put(rec1, l1), put(rec2, l2);
    return swapped;
}

bool zek_survey::clothoidSetup(double X1, double Y1, double X2, double Y2, double R1,
                               double R2, double A, Clothoid *c) {
    c->swapped = GetCrdElm(X1, Y1, X2, Y2, R1, R2, A, &c->Xo, &c->Yo, &c->Rs, &c->azo,
                           &c->L1, &c->L2) == 1;
    c->A = A;
    c->flag = GetCrdFlag(R1, R2);
    return std::isfinite(c->Xo) && std::isfinite(c->Yo) && std::isfinite(c->azo) &&
           std::isfinite(c->L1) && std::isfinite(c->L2);
}

void zek_survey::clothoidPoint(const Clothoid &c, double L, double *X, double *Y) {
    double x, y;
    clothoidSeries(L, c.A, &x, &y);
    if (c.Rs < 0.0) y = -y;
    const double ca = cos_o(c.azo), sa = sin_o(c.azo);
    *X = x * ca - y * sa + c.Xo;
    *Y = x * sa + y * ca + c.Yo;
}
