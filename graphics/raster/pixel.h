// Pixels: truncation of world results to pixels and segment clipping.
// Pure arithmetic, no system headers, so it also runs natively.
#ifndef ZEK_GRAPHICS_RASTER_PIXEL_H
#define ZEK_GRAPHICS_RASTER_PIXEL_H

#include <cstdint>

namespace zek_raster {

struct PointI {
    int32_t x;
    int32_t y;
};

// Inclusive pixel rectangle.
struct ClipRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// A 64-bit result brought back to 32 bits, saturating at the limits.
inline int32_t sat32(int64_t value)
{
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : int32_t(value);
}

// The magnitude, INT32_MIN giving INT32_MAX.
inline int32_t abs_sat(int32_t value)
{
    return value == INT32_MIN ? INT32_MAX : value < 0 ? -value : value;
}

// Truncates toward zero, saturating at the 32-bit limits; NaN gives 0.
int32_t trunc_sat(double value);

// Cohen-Sutherland clipping of a segment to the rectangle. The four values
// are written back in every case; a visible segment may come back with its
// ends swapped. Products are exact beyond 64 bits and every cut is taken
// from the original segment, so a cut end is its true crossing truncated
// toward the outside for segments of any 32-bit length; the loop is bounded.
// 1 when something is visible, else 0.
int clip_segment(const ClipRect &rect, int32_t &x1, int32_t &y1, int32_t &x2, int32_t &y2);

}  // namespace zek_raster

#endif
