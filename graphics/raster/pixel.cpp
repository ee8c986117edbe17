// Truncation to pixels and Cohen-Sutherland segment clipping.
#include "pixel.h"

#include <utility>

namespace zek_raster {

int32_t trunc_sat(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return int32_t(value);
}

namespace {

int outcode(const ClipRect &r, int64_t x, int64_t y)
{
    int code = 0;
    if (x < r.left)
        code |= 1;
    if (y < r.top)
        code |= 2;
    if (x > r.right)
        code |= 4;
    if (y > r.bottom)
        code |= 8;
    return code;
}

// a * m / d truncated toward zero, exactly, for |a| <= |d|, d != 0: the
// product of two 32-bit differences can reach 2^64, so it is split as
// |m| = q|d| + r, where a q and a r both fit 64 bits unsigned.
int64_t scale_exact(int64_t a, int64_t m, int64_t d)
{
    if (d == 0)
        return 0;
    const bool negative = ((a < 0) != (m < 0)) != (d < 0);
    uint64_t ua = uint64_t(a < 0 ? -a : a);
    uint64_t um = uint64_t(m < 0 ? -m : m);
    uint64_t ud = uint64_t(d < 0 ? -d : d);
    uint64_t q = um / ud, r = um % ud;
    uint64_t mag = ua * q + (ua * r) / ud;
    return negative ? -int64_t(mag) : int64_t(mag);
}

}  // namespace

int clip_segment(const ClipRect &rect, int32_t &x1, int32_t &y1, int32_t &x2, int32_t &y2)
{
    // Current ends a and b, each with the original end it started from: every
    // cut is taken from the original segment, so an end is its exact crossing
    // with one edge truncated toward the outside, with no drift from earlier
    // cuts.
    int64_t ax = x1, ay = y1, bx = x2, by = y2;
    int64_t oax = ax, oay = ay, obx = bx, oby = by;
    int ca = outcode(rect, ax, ay), cb = outcode(rect, bx, by);
    int visible = 0;
    // An end crosses at most two edge lines; the bound also ends the walk of
    // a segment that passes outside a corner.
    for (int pass = 0; pass < 16; ++pass) {
        if ((ca | cb) == 0) {
            visible = 1;
            break;
        }
        if (ca & cb)
            break;
        if (ca == 0) {
            std::swap(ax, bx);
            std::swap(ay, by);
            std::swap(oax, obx);
            std::swap(oay, oby);
            std::swap(ca, cb);
        }
        if (ca & 1) {
            ay = oay + scale_exact(rect.left - oax, oby - oay, obx - oax);
            ax = rect.left;
        } else if (ca & 2) {
            ax = oax + scale_exact(rect.top - oay, obx - oax, oby - oay);
            ay = rect.top;
        } else if (ca & 4) {
            ay = oay + scale_exact(rect.right - oax, oby - oay, obx - oax);
            ax = rect.right;
        } else {
            ax = oax + scale_exact(rect.bottom - oay, obx - oax, oby - oay);
            ay = rect.bottom;
        }
        ca = outcode(rect, ax, ay);
    }
    // Cut ends lie between the original ones, so they fit 32 bits.
    x1 = int32_t(ax);
    y1 = int32_t(ay);
    x2 = int32_t(bx);
    y2 = int32_t(by);
    return visible;
}

}  // namespace zek_raster
