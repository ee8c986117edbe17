// Scroll state arithmetic of a Win: long ranges brought down to what a
// scroll bar can carry, and the clamped moves of a scroll request.
// Pure arithmetic: every product runs in 64 bits and nothing divides by a
// value that can be zero.
#ifndef ZEK_GRAPHICS_RASTER_SCROLL_SCALE_H
#define ZEK_GRAPHICS_RASTER_SCROLL_SCALE_H

#include <cstdint>

namespace zek_raster {

// The largest maximum a bar is handed unscaled: the thumb's track position
// reaches the window in 16 bits.
constexpr int32_t kScrollUnits = 32000;

// A vertical range in bar units and the program units of one bar unit.
struct ScrollScale {
    int32_t min;
    int32_t max;
    int32_t pos;
    int32_t cnt;
};

// Up to kScrollUnits the range is taken as it is (cnt 1). Above, max becomes
// kScrollUnits and min and pos become trunc(v * kScrollUnits / max), while cnt
// is max / kScrollUnits + 1, or + 2 when max is not a multiple. That count
// runs ahead of the ratio the position is scaled by (100000 gives 5, not
// 3.125); it is kept, as the redraw deltas programs receive are defined by it.
ScrollScale scroll_scale(int32_t min, int32_t max, int32_t pos);

// A move of n units from old towards lo (up) or towards hi (down), stopping
// at that end. A negative n moves nothing, and a range given upside down
// (hi < lo) ends at lo both ways, so the result never leaves the range.
int32_t scroll_up(int32_t old, int32_t n, int32_t lo);
int32_t scroll_down(int32_t old, int32_t n, int32_t lo, int32_t hi);

// The upper end that scroll_down stops at.
inline int32_t scroll_top(int32_t lo, int32_t hi)
{
    return hi < lo ? lo : hi;
}

// cnt * (to - from) in program units, saturated to 32 bits.
int32_t scroll_delta(int32_t cnt, int32_t from, int32_t to);

}  // namespace zek_raster

#endif
