// Geodetic latitude and longitude to and from Japan's plane rectangular coordinates
// (Gauss-Krueger series, scale 0.9999 on each zone's central meridian) and to and from
// Earth-centred Cartesian coordinates on GRS80.
//
// Input and output angles are decimal degrees whatever unit MathMode selects.
#include "zek2/survey.h"

#include <cmath>
#include <limits>

#include "survey_internal.h"

using zek_survey::kDegToRad;
using zek_survey::kRadToDeg;
using zek_survey::put;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kM0 = 0.9999;

struct EllipsoidDef {
    double a, invF;
    double A, B, C, D, E, F;  // meridian arc series
};

const EllipsoidDef kEllipsoidDefs[2] = {
    {6377397.155, 299.152813, 1.005037306045518, 0.005047849237799, 1.0563786819e-05,
     2.0633321e-08, 3.8853e-11, 7e-14},
    {6378137.0, 298.257222101, 1.005052501813087, 0.005063108622224, 1.0627590263e-05,
     2.0820379e-08, 3.9324e-11, 7.1e-14},
};

// Zone origins (latitude, longitude): 1..19 are zones I..XIX; 20 repeats zone III.
const double kOrigin[21][2] = {
    {0.0, 0.0},
    {33.0, 129.5},
    {33.0, 131.0},
    {36.0, 132.16666666666666},
    {33.0, 133.5},
    {36.0, 134.33333333333334},
    {36.0, 136.0},
    {36.0, 137.16666666666666},
    {36.0, 138.5},
    {36.0, 139.83333333333334},
    {40.0, 140.83333333333334},
    {44.0, 140.25},
    {44.0, 142.25},
    {44.0, 144.25},
    {26.0, 142.0},
    {26.0, 127.5},
    {26.0, 124.0},
    {26.0, 131.0},
    {20.0, 136.0},
    {26.0, 154.0},
    {36.0, 132.16666666666666},
};
constexpr int kZones = 21;
constexpr int kFootTerms = 6;

struct Ellipsoid {
    EllipsoidDef d;
    double e2, ep2, c, invC, arcScale, invArcScale, invMu;  // arcScale = a (1 - e^2)
    double foot[kFootTerms];      // latitude - mu as a series in sin 2k mu
    double S0[kZones];            // meridian arc of each zone origin
};

// Meridian arc from the equator, given sin and cos of the latitude; sin 2k phi by
// the angle-sum recurrence.
double arc(const Ellipsoid &g, double phiDeg, double s, double c) {
    const double r = phiDeg * kDegToRad;
    const double s2 = 2.0 * s * c, k = 2.0 * (c - s) * (c + s);
    const double s4 = k * s2, s6 = k * s4 - s2, s8 = k * s6 - s4, s10 = k * s8 - s6;
    const EllipsoidDef &d = g.d;
    return g.arcScale * (d.A * r - d.B / 2.0 * s2 + d.C / 4.0 * s4 - d.D / 6.0 * s6 +
                         d.E / 8.0 * s8 - d.F / 10.0 * s10);
}

// The textbook series for the latitude of a rectifying latitude mu disagrees with the
// tabulated arc coefficients by 5e-14 rad, enough to cost a second Newton step. So the
// series is fitted to this arc: latitude - mu is odd and has period pi, a sine series
// in 2k mu whose coefficients come from a midpoint sum over a quarter turn.
void fitFootSeries(Ellipsoid &g) {
    constexpr int kSamples = 64;
    const double quarter = zek_survey::kPi / 2.0;
    for (double &c : g.foot) c = 0.0;
    for (int j = 0; j < kSamples; ++j) {
        const double mu = (j + 0.5) * quarter / kSamples;
        const double target = g.arcScale * g.d.A * mu;
        double phi = mu;
        for (int i = 0; i < 8; ++i) {
            const double s = std::sin(phi), c = std::cos(phi), w = 1.0 - g.e2 * s * s;
            phi -= (arc(g, phi * kRadToDeg, s, c) - target) * w * std::sqrt(w) / g.arcScale;
        }
        for (int k = 0; k < kFootTerms; ++k)
            g.foot[k] += (phi - mu) * std::sin(2.0 * (k + 1) * mu) * (2.0 / kSamples);
    }
}

Ellipsoid make(const EllipsoidDef &d) {
    Ellipsoid g{};
    g.d = d;
    const double f = 1.0 / d.invF;
    g.e2 = (2.0 - f) * f;
    g.ep2 = g.e2 / (1.0 - g.e2);
    g.c = d.a * std::sqrt(1.0 + g.ep2);
    g.arcScale = d.a * (1.0 - g.e2);
    g.invC = 1.0 / g.c;
    g.invArcScale = 1.0 / g.arcScale;
    g.invMu = 1.0 / (g.arcScale * d.A);
    fitFootSeries(g);
    for (int z = 0; z < kZones; ++z) {
        const double r = kOrigin[z][0] * kDegToRad;
        g.S0[z] = arc(g, kOrigin[z][0], std::sin(r), std::cos(r));
    }
    return g;
}

const Ellipsoid &ellipsoid(int i) {
    static const Ellipsoid g[2] = {make(kEllipsoidDefs[0]), make(kEllipsoidDefs[1])};
    return g[i];
}

bool validIndices(int e, int zone) { return e >= 0 && e <= 1 && zone >= 0 && zone < kZones; }

// Latitude (degrees) whose meridian arc is St, with its sine and cosine; NaN beyond
// the poles. Every step is phi' = phi - rho (S(phi) - St) (1 - e^2 sin^2 phi)^1.5 /
// (a (1 - e^2)), a Newton step, and the search ends when |phi' - phi| < 1e-12 degrees
// with phi'. Starting from the fitted series (error about 1e-16 rad) instead
// of 20 degrees, one step suffices and every latitude is reached, in both hemispheres.
double footLatitude(const Ellipsoid &g, double St, double *sinPhi, double *cosPhi) {
    double mu = St * g.invMu;  // rectifying latitude, radians
    const double quarter = zek_survey::kPi / 2.0;
    if (!(std::fabs(mu) <= quarter + 1e-15)) return kNaN;  // beyond a pole
    mu = std::fmax(-quarter, std::fmin(quarter, mu));
    // One sine and cosine serve the series and the first step: sin and cos of
    // phi = mu + delta follow from those of mu, delta (below 0.004 rad) by Taylor.
    const double sm = std::sin(mu), cm = std::cos(mu);
    const double k = 2.0 * (cm - sm) * (cm + sm);
    double sPrev = 0.0, sCur = 2.0 * sm * cm, delta = 0.0;
    for (int i = 0; i < kFootTerms; ++i) {
        delta += g.foot[i] * sCur;
        const double sNext = k * sCur - sPrev;
        sPrev = sCur, sCur = sNext;
    }
    const double d2 = delta * delta;
    const double sd = delta * (1.0 - d2 / 6.0 * (1.0 - d2 / 20.0));
    const double cd = 1.0 - d2 / 2.0 * (1.0 - d2 / 12.0 * (1.0 - d2 / 30.0));
    double phi = (mu + delta) * kRadToDeg;
    double s = sm * cd + cm * sd, c = cm * cd - sm * sd;
    for (int round = 0; round < 20; ++round) {
        if (round > 0) {
            const double r = phi * kDegToRad;
            s = std::sin(r), c = std::cos(r);
        }
        const double w = 1.0 - g.e2 * s * s;
        const double step = kRadToDeg * (arc(g, phi, s, c) - St) * w * std::sqrt(w) * g.invArcScale;
        if (std::fabs(step) < 1e-12) {
            const double next = std::fmax(-90.0, std::fmin(90.0, phi - step));
            // sine and cosine moved by the tiny step to first order (exact in doubles)
            const double d = step * kDegToRad;
            *sinPhi = s - c * d;
            // never 0 or below at a pole: cos of the double nearest pi/2 at least
            *cosPhi = std::fmax(c + s * d, 6.123233995736766e-17);
            return next;
        }
        phi -= step;
    }
    return kNaN;
}

}  // namespace

int ZEKAPI WGS84_BL_XY(int e, int zone, double B, double L, double *X, double *Y) {
    if (!validIndices(e, zone)) return 0;
    if (!(std::fabs(B) <= 90.0) || !std::isfinite(L)) {
        put(X, kNaN), put(Y, kNaN);
        return 0;
    }
    const Ellipsoid &g = ellipsoid(e);
    const double r = B * kDegToRad;
    const double s = std::sin(r), c = std::cos(r), t = s / c, t2 = t * t;
    const double eta2 = g.ep2 * c * c;
    const double N = g.c / std::sqrt(1.0 + eta2);
    const double dl = (L - kOrigin[zone][1]) * kDegToRad;
    const double dl2 = dl * dl, c2 = c * c, c3 = c2 * c;
    const double x = kM0 * (arc(g, B, s, c) - g.S0[zone] +
                            N / 2.0 * s * c * dl2 +
                            N / 24.0 * s * c3 * (5.0 - t2 + 9.0 * eta2 + 4.0 * eta2 * eta2) *
                                dl2 * dl2 +
                            N / 720.0 * s * c3 * c2 * (61.0 - 58.0 * t2 + t2 * t2) * dl2 *
                                dl2 * dl2);
    const double y = kM0 * (N * c * dl + N / 6.0 * c3 * (1.0 - t2 + eta2) * dl2 * dl +
                            N / 120.0 * c3 * c2 * (5.0 - 18.0 * t2 + t2 * t2) * dl2 * dl2 * dl);
    if (!std::isfinite(x) || !std::isfinite(y)) {  // absurd longitude differences
        put(X, kNaN), put(Y, kNaN);
        return 0;
    }
    put(X, x), put(Y, y);
    return 1;
}

int ZEKAPI WGS84_XY_BL(int e, int zone, double X, double Y, double *B, double *L,
                       double *gamma) {
    if (!validIndices(e, zone)) return 0;
    const Ellipsoid &g = ellipsoid(e);
    double s = kNaN, c = kNaN;
    const double phi1 = std::isfinite(X) && std::isfinite(Y)
                            ? footLatitude(g, g.S0[zone] + X / kM0, &s, &c)
                            : kNaN;
    // The series in y with N1 = c / V and M1 = c / V^3, written in u = y / N1 (so
    // 1 / (M1 N1^k) = V^2 / N1^(k+1)) to spare the divisions.
    const double ic = 1.0 / c, t = s * ic, t2 = t * t, t4 = t2 * t2;
    const double eta2 = g.ep2 * c * c, V2 = 1.0 + eta2;
    const double u = Y / kM0 * std::sqrt(V2) * g.invC, u2 = u * u, u3 = u2 * u;
    const double rho = kRadToDeg;
    const double b = phi1 + rho * t * V2 * u2 *
                                (-0.5 + (5.0 + 3.0 * t2 + eta2 - 9.0 * t2 * eta2 -
                                         4.0 * eta2 * eta2) / 24.0 * u2 -
                                 (61.0 + 90.0 * t2 + 45.0 * t4) / 720.0 * u2 * u2);
    const double l = kOrigin[zone][1] +
                     rho * ic * (u - (1.0 + 2.0 * t2 + eta2) / 6.0 * u3 +
                                 (5.0 + 28.0 * t2 + 24.0 * t4) / 120.0 * u3 * u2);
    const double gm = -rho * t * (u - (1.0 + t2 - eta2) / 3.0 * u3 +
                                  (2.0 + 3.0 * t2) * (1.0 + t2) / 15.0 * u3 * u2);
    if (!std::isfinite(b) || !std::isfinite(l) || !std::isfinite(gm)) {
        put(B, kNaN), put(L, kNaN), put(gamma, kNaN);
        return 0;
    }
    put(B, b), put(L, l), put(gamma, gm);
    return 1;
}

int ZEKAPI WGS84_BL_XY3D(double B, double L, double h, double *X, double *Y, double *Z) {
    if (!(std::fabs(B) <= 90.0) || !std::isfinite(L) || !std::isfinite(h)) {
        put(X, kNaN), put(Y, kNaN), put(Z, kNaN);
        return 0;
    }
    const Ellipsoid &g = ellipsoid(1);
    const double sb = std::sin(B * kDegToRad), cb = std::cos(B * kDegToRad);
    const double sl = std::sin(L * kDegToRad), cl = std::cos(L * kDegToRad);
    const double N = g.d.a / std::sqrt(1.0 - g.e2 * sb * sb);
    put(X, (N + h) * cb * cl);
    put(Y, (N + h) * cb * sl);
    put(Z, (N * (1.0 - g.e2) + h) * sb);
    return 1;
}

int ZEKAPI WGS84_XY3D_BL(double X, double Y, double Z, double *B, double *L, double *h) {
    const double p = std::sqrt(X * X + Y * Y);
    // The centre of the Earth has no latitude; not-a-number never settles.
    if (!std::isfinite(p) || !std::isfinite(Z) || (p == 0.0 && Z == 0.0)) {
        put(B, kNaN), put(L, kNaN), put(h, kNaN);
        return 0;
    }
    const Ellipsoid &g = ellipsoid(1);
    const double a = g.d.a, e2 = g.e2, bAxis = a * std::sqrt(1.0 - e2);
    // Start from Bowring's estimate; then iterate tan B = (Z + e^2 N sin B) / p, which
    // holds in both hemispheres and at the poles, until a step is below 1e-12 degrees.
    // Angles are kept as sine and cosine; the step is the sine of the difference.
    double su = Z * a, cu = p * bAxis;
    double k = 1.0 / std::sqrt(su * su + cu * cu);
    su *= k, cu *= k;
    double sb = Z + g.ep2 * bAxis * su * su * su, cb = p - e2 * a * cu * cu * cu;
    k = 1.0 / std::sqrt(sb * sb + cb * cb);
    sb *= k, cb *= k;
    bool settled = false;
    double num = 0.0;
    for (int round = 0; round < 200; ++round) {
        const double N = a / std::sqrt(1.0 - e2 * sb * sb);
        num = Z + e2 * N * sb;
        k = 1.0 / std::sqrt(num * num + p * p);
        const double sn = num * k, cn = p * k;
        const double sinStep = sn * cb - cn * sb, cosStep = cn * cb + sn * sb;
        sb = sn, cb = cn;
        if (cosStep > 0.0 && std::fabs(sinStep) * kRadToDeg < 1e-12) {
            settled = true;
            break;
        }
    }
    if (!settled) return 0;
    const double b = std::atan2(num, p) * kRadToDeg;
    // Height along the normal, without the division by cos B that fails at the poles.
    const double hh = p * cb + Z * sb - a * std::sqrt(1.0 - e2 * sb * sb);
    double l = std::atan2(Y, X) * kRadToDeg;
    if (l < 0.0) l += 360.0;
    put(B, b), put(L, l + 0.0), put(h, hh);
    return 1;
}
