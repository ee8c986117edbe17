// Angle unit, trigonometry, the rud rounding primitive and angle normalisation.
#include "zek2/survey.h"

#include <atomic>
#include <cmath>

#include "survey_internal.h"

namespace {

// Set once at start by a program but read from any thread.
std::atomic<int> g_mode{2};

// Factor from the current unit to radians and back.
inline double toRad(int mode) {
    return mode == 2 ? zek_survey::kDegToRad : mode == 3 ? zek_survey::kPi / 200.0 : 1.0;
}
inline double fromRad(int mode) {
    return mode == 2 ? zek_survey::kRadToDeg : mode == 3 ? 200.0 / zek_survey::kPi : 1.0;
}
inline int mode() { return g_mode.load(std::memory_order_relaxed); }

// 10^15 as the last power is deliberate: callers rely on rud(x, r, 14) so rounding.
const double kPow[15] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e15};
// About four units of the sixteenth significant digit of a value below kPow[i].
const double kGuard[15] = {4e-15, 4e-14, 4e-13, 4e-12, 4e-11, 4e-10, 4e-9, 4e-8,
                           4e-7, 4e-6, 4e-5, 4e-4, 4e-3, 4e-2, 4e-1};

}  // namespace

int ZEKAPI MathMode(int m) {
    g_mode.store(m, std::memory_order_relaxed);
    return m;
}

int zek_survey::currentMode() { return mode(); }

double ZEKAPI sin_o(double a) { return std::sin(a * toRad(mode())); }
double ZEKAPI cos_o(double a) { return std::cos(a * toRad(mode())); }

double ZEKAPI tan_o(double a) {
    const int m = mode();
    double turn, q1, q3, nudge;
    if (m == 2) {
        turn = 360.0, q1 = 90.0, q3 = 270.0, nudge = 1e-13;
    } else if (m == 3) {
        turn = 400.0, q1 = 100.0, q3 = 300.0, nudge = 1e-13;
    } else {
        turn = 2.0 * zek_survey::kPi, q1 = zek_survey::kPi / 2.0, q3 = 1.5 * zek_survey::kPi, nudge = 1e-14;
    }
    double r = mod(a, turn);
    if (r < 0.0) r += turn;
    // A pole gives a large finite value rather than an infinity.
    if (r == q1 || r == q3) r -= nudge;
    return std::tan(r * toRad(m));
}

double ZEKAPI asin_o(double x) {
    if (x < -1.0 || x > 1.0) return 0.0;
    return std::asin(x) * fromRad(mode());
}

double ZEKAPI acos_o(double x) {
    if (x < -1.0 || x > 1.0) return 0.0;
    return std::acos(x) * fromRad(mode());
}

double ZEKAPI atan_o(double x) { return std::atan(x) * fromRad(mode()); }

double ZEKAPI atan2_o(double a, double b) { return b == 0.0 ? 0.0 : atan_o(a / b); }

double ZEKAPI cot(double a) {
    const double t = tan_o(a);
    return t == 0.0 ? 0.0 : 1.0 / t;
}

double ZEKAPI csec(double a) {
    const double s = sin_o(a);
    return s == 0.0 ? 0.0 : 1.0 / s;
}

double ZEKAPI log_o(double x) { return std::log(std::fabs(x)); }
double ZEKAPI log10_o(double x) { return std::log10(std::fabs(x)); }

double ZEKAPI pow_o(double x, double y) {
    if (x == 0.0 && y < 0.0) return 1.0;
    return std::pow(x, y);
}

double ZEKAPI sqrt_o(double x) { return x < 0.0 ? 0.0 : std::sqrt(x); }

double ZEKAPI sgn(double x) { return x >= 0.0 ? 1.0 : -1.0; }

double ZEKAPI mod(double a, double b) {
    if (b == 0.0) return a;
    return a - rud(a / b, 0, 0) * b;
}

double ZEKAPI rud(double value, int r, int d) {
    if (d < 0) d = 0;
    if (d > 14) d = 14;
    const double a = std::fabs(value);
    int i = 0;
    while (i < 15 && !(a < kPow[i])) ++i;
    if (i == 15) i = 0;
    // trunc, not an integer cast: the product may exceed every integer type.
    const double x = std::trunc((a + kGuard[i]) * kPow[d] + r * 0.1) / kPow[d];
    return value < 0.0 ? -x : x;
}

double ZEKAPI ang_ch(double a) {
    if (!std::isfinite(a)) return std::nan("");
    // fmod is exact, so the result equals repeated adding or subtracting of 360
    // done without rounding, and it takes no time for huge angles.
    if (a < 0.0) {
        double r = std::fmod(a, 360.0);
        if (r == 0.0) return 0.0;
        r += 360.0;
        return r > 359.99999999999 ? 0.0 : r;
    }
    if (a <= 360.0) return a + 0.0;  // +0.0 turns -0 into +0
    const double r = std::fmod(a, 360.0);
    return r == 0.0 ? 360.0 : r;
}

double ZEKAPI az_n(double X1, double Y1, double X2, double Y2) {
    const double dX = X2 - X1, dY = Y2 - Y1;
    if (dX != 0.0) {
        const double t = atan_o(dY / dX);
        if (dX < 0.0) return t + 180.0;
        if (dY < 0.0) return t + 360.0;
        return t;
    }
    if (dY == 0.0) return 0.0;
    return dY < 0.0 ? 270.0 : 90.0;
}

double ZEKAPI dist_12(double X1, double Y1, double X2, double Y2) {
    const double dX = X2 - X1, dY = Y2 - Y1;
    return std::sqrt(dX * dX + dY * dY);
}

void ZEKAPI RudSurveyZahyo(int on, int r, int d, double X, double Y, double *outX,
                           double *outY) {
    if (on) {
        X = rud(X, r, d);
        Y = rud(Y, r, d);
    }
    if (outX) *outX = X;
    if (outY) *outY = Y;
}

void ZEKAPI RudSurveyDist(int on, int r, int d, double dist, double *out) {
    if (on && d < 4) dist = rud(dist, 5, 3);
    if (out) *out = rud(dist, r, d);
}

void ZEKAPI Kaiten(double *X, double *Y, double cX, double cY, double angle) {
    if (angle == 0.0 || !X || !Y) return;
    // Per thread, and keyed by the unit too: the same number is another angle
    // after MathMode changed.
    thread_local double cAngle = 0.0, cCos = 1.0, cSin = 0.0;
    thread_local int cMode = -1;
    const int m = mode();
    if (angle != cAngle || m != cMode) {
        cCos = cos_o(angle);
        cSin = sin_o(angle);
        cAngle = angle;
        cMode = m;
    }
    const double dX = *X - cX, dY = *Y - cY;
    *X = cCos * dX - cSin * dY + cX;
    *Y = cCos * dY + cSin * dX + cY;
}
