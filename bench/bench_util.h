// What the Wine benchmarks share: a clock, the best of five timed rounds and
// members reached by name as a program reaches them.
#ifndef ZEK_BENCH_BENCH_UTIL_H
#define ZEK_BENCH_BENCH_UTIL_H

#include <windows.h>

#include <algorithm>

#include "ZEK2.h"

inline double now_ns()
{
    static const double ticksPerNs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart) / 1e9;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / ticksPerNs;
}

// Nanoseconds per call of f, best of five runs of n calls.
template <typename F>
double best(int n, F f)
{
    double b = 1e300;
    for (int round = 0; round < 5; ++round) {
        const double start = now_ns();
        for (int k = 0; k < n; ++k)
            f(k);
        b = std::min(b, (now_ns() - start) / n);
    }
    return b;
}

template <typename T>
T &member(ZEK_object *o, const char *name, int level = 1)
{
    ZEK_layer *l = ZEK_layer_at(o, level);
    const int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, name);
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[i].place)));
}

#endif
