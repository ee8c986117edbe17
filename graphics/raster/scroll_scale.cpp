// Scroll state arithmetic: scaling of long ranges and clamped moves.
#include "scroll_scale.h"

#include "pixel.h"

namespace zek_raster {

namespace {

// max > kScrollUnits here, so the quotient is smaller in size than v.
int32_t scaled(int32_t v, int32_t max)
{
    return int32_t(int64_t(v) * kScrollUnits / max);
}

}  // namespace

ScrollScale scroll_scale(int32_t min, int32_t max, int32_t pos)
{
    if (max <= kScrollUnits)
        return ScrollScale{min, max, pos, 1};
    const int32_t cnt = max / kScrollUnits + (max % kScrollUnits ? 2 : 1);
    return ScrollScale{scaled(min, max), kScrollUnits, scaled(pos, max), cnt};
}

int32_t scroll_up(int32_t old, int32_t n, int32_t lo)
{
    const int64_t to = int64_t(old) - (n > 0 ? n : 0);
    return to < lo ? lo : int32_t(to);
}

int32_t scroll_down(int32_t old, int32_t n, int32_t lo, int32_t hi)
{
    const int64_t to = int64_t(old) + (n > 0 ? n : 0), top = scroll_top(lo, hi);
    return to > top ? int32_t(top) : int32_t(to);
}

int32_t scroll_delta(int32_t cnt, int32_t from, int32_t to)
{
    // cnt and the difference each fit in 33 bits, so the product fits in 64.
    return sat32(int64_t(cnt) * (int64_t(to) - from));
}

}  // namespace zek_raster
