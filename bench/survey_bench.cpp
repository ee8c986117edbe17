// Prints conversions per second of the geodetic functions and, when built with PROJ
// (ZEK_BENCH_PROJ), of PROJ on the same points, side by side. Not a test: it asserts
// nothing about speed.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "zek2/survey.h"

#ifdef ZEK_BENCH_PROJ
#include <proj.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

struct Points {
    std::vector<double> B, L, h, X, Y, Z;
};

// Deterministic points over zone IX (Kanto) and its surroundings.
Points makePoints(size_t n) {
    Points p;
    unsigned long long s = 88172645463325252ull;
    auto next = [&s] {
        s ^= s << 13, s ^= s >> 7, s ^= s << 17;
        return (s >> 11) * (1.0 / 9007199254740992.0);
    };
    for (size_t i = 0; i < n; ++i) {
        p.B.push_back(34.5 + 3.5 * next());
        p.L.push_back(138.4 + 2.7 * next());
        p.h.push_back(-50 + 3000 * next());
    }
    p.X.resize(n), p.Y.resize(n), p.Z.resize(n);
    return p;
}

// Runs fn over all points repeatedly for at least 0.3 s; returns points per second.
template <class Fn>
double rate(size_t n, Fn fn) {
    size_t done = 0;
    const auto start = Clock::now();
    double secs = 0;
    do {
        fn();
        done += n;
        secs = std::chrono::duration<double>(Clock::now() - start).count();
    } while (secs < 0.3);
    return done / secs;
}

void row(const char *what, double ours, double proj) {
    if (proj > 0)
        std::printf("%-28s %12.0f %12.0f %9.2f\n", what, ours, proj, ours / proj);
    else
        std::printf("%-28s %12.0f %12s %9s\n", what, ours, "-", "-");
}

}  // namespace

int main(int argc, char **argv) {
    const size_t n = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    Points p = makePoints(n);
    std::vector<double> b(n), l(n), hh(n);
    volatile double sink = 0;

    const double fwd = rate(n, [&] {
        for (size_t i = 0; i < n; ++i) WGS84_BL_XY(1, 9, p.B[i], p.L[i], &p.X[i], &p.Y[i]);
        sink = sink + p.X[n / 2];
    });
    const double inv = rate(n, [&] {
        for (size_t i = 0; i < n; ++i) WGS84_XY_BL(1, 9, p.X[i], p.Y[i], &b[i], &l[i], nullptr);
        sink = sink + b[n / 2];
    });
    std::vector<double> gx(n), gy(n), gz(n);
    const double fwd3 = rate(n, [&] {
        for (size_t i = 0; i < n; ++i) WGS84_BL_XY3D(p.B[i], p.L[i], p.h[i], &gx[i], &gy[i], &gz[i]);
        sink = sink + gx[n / 2];
    });
    const double inv3 = rate(n, [&] {
        for (size_t i = 0; i < n; ++i) WGS84_XY3D_BL(gx[i], gy[i], gz[i], &b[i], &l[i], &hh[i]);
        sink = sink + b[n / 2];
    });

    double pf = 0, pi = 0, pf3 = 0, pi3 = 0;
#ifdef ZEK_BENCH_PROJ
    double worstPlane = 0, worstGeo = 0;
    PJ_CONTEXT *ctx = proj_context_create();
    PJ *plane = proj_create_crs_to_crs(ctx, "EPSG:6668", "EPSG:6677", nullptr);
    PJ *cart = proj_create(ctx, "+proj=pipeline +step +proj=axisswap +order=2,1 "
                                "+step +proj=unitconvert +xy_in=deg +xy_out=rad "
                                "+step +proj=cart +ellps=GRS80");
    if (!plane || !cart) {
        std::fprintf(stderr, "PROJ could not set up the conversions\n");
        return 1;
    }
    std::vector<PJ_COORD> in(n), work(n), back(n);
    for (size_t i = 0; i < n; ++i) in[i] = proj_coord(p.B[i], p.L[i], p.h[i], 0);
    pf = rate(n, [&] {
        work = in;
        proj_trans_array(plane, PJ_FWD, n, work.data());
    });
    for (size_t i = 0; i < n; ++i)
        worstPlane = std::fmax(worstPlane, std::hypot(work[i].xy.x - p.X[i], work[i].xy.y - p.Y[i]));
    const std::vector<PJ_COORD> planar = work;
    pi = rate(n, [&] {
        back = planar;
        proj_trans_array(plane, PJ_INV, n, back.data());
    });
    pf3 = rate(n, [&] {
        work = in;
        proj_trans_array(cart, PJ_FWD, n, work.data());
    });
    for (size_t i = 0; i < n; ++i)
        worstGeo = std::fmax(worstGeo, std::fabs(work[i].xyz.x - gx[i]) + std::fabs(work[i].xyz.y - gy[i]) +
                                           std::fabs(work[i].xyz.z - gz[i]));
    const std::vector<PJ_COORD> geo = work;
    pi3 = rate(n, [&] {
        back = geo;
        proj_trans_array(cart, PJ_INV, n, back.data());
    });
    proj_destroy(plane);
    proj_destroy(cart);
    proj_context_destroy(ctx);
#endif

    std::printf("%zu points over zone IX, GRS80; conversions per second\n\n", n);
    std::printf("%-28s %12s %12s %9s\n", "conversion", "ZEK2", "PROJ", "ZEK2/PROJ");
    row("plane forward  (BL -> XY)", fwd, pf);
    row("plane inverse  (XY -> BL)", inv, pi);
    row("Earth-centred forward", fwd3, pf3);
    row("Earth-centred inverse", inv3, pi3);
    std::printf("\ninverse takes %.2f times the forward (plane), %.2f (Earth-centred)\n",
                fwd / inv, fwd3 / inv3);
#ifdef ZEK_BENCH_PROJ
    std::printf("largest difference from PROJ: plane %.3g m, Earth-centred %.3g m\n",
                worstPlane, worstGeo);
    std::printf("PROJ %s through proj_trans_array\n", proj_info().release);
#endif
    return 0;
}
