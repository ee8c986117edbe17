// The iterative survey solvers on arbitrary doubles: every call must end (run with
// -timeout), stay within memory, and report success only with finite results.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "zek2/survey.h"

namespace {

struct Input {
    const uint8_t *p;
    size_t n;
    double next() {
        double v = 0;
        if (n >= sizeof v) {
            std::memcpy(&v, p, sizeof v);
            p += sizeof v, n -= sizeof v;
        }
        return v;
    }
    int small() {
        if (!n) return 0;
        --n;
        return static_cast<int8_t>(*p++);
    }
};

void check(int ok, std::initializer_list<double> outs) {
    if (!ok) return;
    for (double v : outs)
        if (!std::isfinite(v)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Input in{data, size};
    const int which = in.small() & 15;
    MathMode(which == 15 ? in.small() : 2);
    double d[16];
    for (double &v : d) v = in.next();
    double X = 0, Y = 0, R = 0, L = 0, a = 0, b = 0, c = 0, e = 0;
    switch (which) {
    case 0:
        check(WGS84_BL_XY(in.small() & 1, in.small() % 21, d[0], d[1], &X, &Y), {X, Y});
        check(WGS84_XY_BL(in.small() & 1, in.small() % 21, d[2], d[3], &a, &b, &c), {a, b, c});
        break;
    case 1:
        check(WGS84_BL_XY3D(d[0], d[1], d[2], &X, &Y, &R), {X, Y, R});
        check(WGS84_XY3D_BL(d[3], d[4], d[5], &a, &b, &c), {a, b, c});
        break;
    case 2:
        check(KoutenCC(d[0], d[1], d[2], d[3], d[4], d[5], &X, &Y, &a, &b), {X, Y, a, b});
        check(KoutenCT(d[6], d[7], d[8], d[9], d[10], d[11], d[12], &X, &Y, &a, &b), {X, Y, a, b});
        check(Kouten4(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], &X, &Y), {X, Y});
        break;
    case 3:
        check(Get3PointHankei(d[0], d[1], d[2], d[3], d[4], d[5], &X, &Y, &R, &a, &b, &c),
              {X, Y, R, a, b, c});
        check(GetEnkoCk(in.small(), d[6], d[7], d[8], d[9], d[10], &X, &Y, &a, &b), {X, Y, a, b});
        check(KoutenAZ2(d[11], d[12], d[13], d[14], d[15], d[0], &X, &Y), {X, Y});
        break;
    case 4:
        check(KoutenK90(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], &X, &Y, &R, &L),
              {X, Y});
        check(KoutenKT(in.small(), d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[9], d[10], d[11],
                       d[12], &X, &Y, &R, &L), {X, Y});
        break;
    case 5:
        check(KoutenKC(in.small(), d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9], &X,
                       &Y, &R, &L), {X, Y});
        break;
    case 6:
        check(KoutenKD(in.small(), d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9],
                       d[10], d[11], &X, &Y, &R, &L), {X, Y});
        break;
    case 7:
        check(KoutenKK(in.small(), d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9],
                       d[10], d[11], d[12], d[13], &X, &Y, &R, &L), {X, Y});
        break;
    case 8:
        check(KoutenDC(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], &X, &Y, &a, &b, &c, &e),
              {X, Y, b, c});
        break;
    case 9:
        check(KoutenDD(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9], &X, &Y, &a,
                       &b, &c, &e), {X, Y, b, c});
        break;
    case 10:
        check(KoutenDT(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], &X, &Y, &a, &b,
                       &c, &e), {X, Y, b, c});
        KoutenD90(d[9], d[10], d[11], d[12], d[13], d[14], d[15], d[0], d[1], &X, &Y, &a, &b, &c);
        break;
    case 11:
        GetCrdElm(d[0], d[1], d[2], d[3], d[4], d[5], d[6], &X, &Y, &R, &a, &b, &c);
        GetCrdXYL(d[7], d[8], &X, &Y, &L);
        break;
    default: {
        X = d[0], Y = d[1];
        Kaiten(&X, &Y, d[2], d[3], d[4]);
        volatile double sink = tan_o(d[5]) + ang_ch(d[6]) + mod(d[7], d[8]) + rud(d[9], 5, 3) +
                               az_n(d[10], d[11], d[12], d[13]) + cot(d[14]) + csec(d[15]);
        (void)sink;
    }
    }
    MathMode(2);
    return 0;
}
