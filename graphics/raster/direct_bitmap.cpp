// Direct writes into a 24-bit bottom-up bitmap.
#include "direct_bitmap.h"

#include <algorithm>

namespace zek_raster {

namespace {

// The pixels that may be written: the view within what the memory holds
// (columns limited by the stride as well as the width). False when none.
bool writable(const DirectBitmap &b, ClipRect &r)
{
    if (!b.bits || b.stride <= 0 || b.width <= 0 || b.rows <= 0)
        return false;
    const int64_t columns = std::min<int64_t>(b.width, b.stride / 3);
    const int64_t firstY = int64_t(b.originRow) - b.rows + 1;  // y of the last stored row
    const int64_t left = std::max<int64_t>(b.view.left, 0);
    const int64_t right = std::min<int64_t>(b.view.right, columns - 1);
    const int64_t top = std::max<int64_t>(b.view.top, firstY);
    const int64_t bottom = std::min<int64_t>(b.view.bottom, b.originRow);
    if (left > right || top > bottom)
        return false;
    r = ClipRect{sat32(left), sat32(top), sat32(right), sat32(bottom)};
    return true;
}

// The one place a direct pixel is stored: inside r (already within the
// memory) or nothing.
inline void plot(const DirectBitmap &b, const ClipRect &r, int64_t x, int64_t y,
                 uint32_t colour)
{
    if (x < r.left || x > r.right || y < r.top || y > r.bottom)
        return;
    uint8_t *p = b.bits + (int64_t(b.originRow) - y) * b.stride + x * 3;
    p[0] = uint8_t(colour >> 16);
    p[1] = uint8_t(colour >> 8);
    p[2] = uint8_t(colour);
}

}  // namespace

void direct_plot(const DirectBitmap &b, int32_t x, int32_t y, uint32_t colour)
{
    ClipRect r;
    if (writable(b, r))
        plot(b, r, x, y, colour);
}

namespace {

// A walk of the pixels of a clipped segment with the address kept beside
// the coordinates; each store still goes through the range check of r.
struct LineWalk {
    uint8_t *p;
    int32_t x, y;
    uint32_t spanX, spanY;  // r's width and height less one
    int32_t left, top;
    uint8_t b0, b1, b2;

    void put()
    {
        if (uint32_t(x - left) <= spanX && uint32_t(y - top) <= spanY) {
            p[0] = b0;
            p[1] = b1;
            p[2] = b2;
        }
    }
};

// Bresenham along the major axis: both ends drawn; a pixel is written when
// the pattern bit for its position (bit 0 first, repeating) is set.
template <bool Solid>
void walk(LineWalk &w, int64_t major, int64_t minor, bool xMajor, int32_t sx, int32_t sy,
          int64_t stepMajor, int64_t stepMinor, uint16_t pattern)
{
    int64_t err = major / 2;
    for (int64_t i = 0; i <= major; ++i) {
        if (Solid || (pattern >> (i & 15) & 1))
            w.put();
        if (xMajor)
            w.x += sx;
        else
            w.y += sy;
        w.p += stepMajor;
        err += minor;
        if (err >= major && minor) {
            err -= major;
            if (xMajor)
                w.y += sy;
            else
                w.x += sx;
            w.p += stepMinor;
        }
    }
}

}  // namespace

int direct_line(const DirectBitmap &b, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                uint16_t pattern, uint32_t colour)
{
    // Clipping to the writable part, not only the view, keeps the walk as
    // short as what can be seen even when the view outgrew the bitmap.
    ClipRect r;
    if (!writable(b, r) || !clip_segment(r, x1, y1, x2, y2))
        return 0;
    const int64_t dx = int64_t(x2) - x1, dy = int64_t(y2) - y1;
    const int64_t ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    const int32_t sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = ax >= ay;
    // Rows are stored bottom-up: a step down the screen is a step back in memory.
    const int64_t stepX = 3 * int64_t(sx), stepY = -int64_t(sy) * b.stride;
    LineWalk w{b.bits + (int64_t(b.originRow) - y1) * b.stride + int64_t(x1) * 3,
               x1,
               y1,
               uint32_t(r.right - r.left),
               uint32_t(r.bottom - r.top),
               r.left,
               r.top,
               uint8_t(colour >> 16),
               uint8_t(colour >> 8),
               uint8_t(colour)};
    const int64_t major = xMajor ? ax : ay, minor = xMajor ? ay : ax;
    const int64_t stepMajor = xMajor ? stepX : stepY, stepMinor = xMajor ? stepY : stepX;
    if (pattern == 0xFFFF)
        walk<true>(w, major, minor, xMajor, sx, sy, stepMajor, stepMinor, pattern);
    else
        walk<false>(w, major, minor, xMajor, sx, sy, stepMajor, stepMinor, pattern);
    return 1;
}

void direct_mark(const DirectBitmap &b, int32_t x, int32_t y, int32_t type, bool bigDot,
                 bool turned, int32_t c, int32_t s, uint32_t colour)
{
    ClipRect r;
    if (!writable(b, r))
        return;
    if (type == 0) {
        plot(b, r, x, y, colour);
        return;
    }
    if (type == 1) {
        for (int64_t dx = -2; dx <= 2; ++dx) {
            // A plus is the dot's middle column and middle row of three.
            const int64_t reach = bigDot ? (dx == -2 || dx == 2 ? 1 : 2) : (dx == 0 ? 1 : 0);
            if (!bigDot && (dx < -1 || dx > 1))
                continue;
            for (int64_t dy = -reach; dy <= reach; ++dy)
                plot(b, r, x + dx, y + dy, colour);
        }
        return;
    }
    PointI ends[4] = {{sat32(int64_t(x) - 3), y},
                      {sat32(int64_t(x) + 3), y},
                      {x, sat32(int64_t(y) - 3)},
                      {x, sat32(int64_t(y) + 3)}};
    if (turned)
        for (PointI &e : ends)
            e = turn_mark_point(x, y, e.x, e.y, c, s, 1000);
    direct_line(b, ends[0].x, ends[0].y, ends[1].x, ends[1].y, 0xFFFF, colour);
    direct_line(b, ends[2].x, ends[2].y, ends[3].x, ends[3].y, 0xFFFF, colour);
}

}  // namespace zek_raster
