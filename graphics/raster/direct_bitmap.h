// Writing straight into the pixel memory of a 24-bit bottom-up bitmap.
// Every pixel goes through one plot that checks both the view rectangle and
// the bitmap's own extent, so a view larger than the bitmap (after a resize
// or a scale change) never writes outside it.
#ifndef ZEK_GRAPHICS_RASTER_DIRECT_BITMAP_H
#define ZEK_GRAPHICS_RASTER_DIRECT_BITMAP_H

#include <cstdint>

#include "arcs.h"
#include "pixel.h"

namespace zek_raster {

struct DirectBitmap {
    uint8_t *bits;      // null: nothing is written
    int32_t stride;     // bytes per row
    int32_t width;      // pixels per row the memory holds
    int32_t rows;       // rows the memory holds
    int32_t originRow;  // the y whose row is stored first (Vy2): row = originRow - y
    ClipRect view;      // Vx1, Vy1, Vx2, Vy2
};

// Colour 0x00BBGGRR is stored as BB, GG, RR.
void direct_plot(const DirectBitmap &b, int32_t x, int32_t y, uint32_t colour);
// A dashed line with both ends, clipped to the view; the pattern's bit 0
// decides the first pixel. 0 when nothing is visible.
int direct_line(const DirectBitmap &b, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                uint16_t pattern, uint32_t colour);
// Marks: type 0 a pixel; 1 a 5 x 5 dot without corners when bigDot, else a
// plus; others a cross of +-3 turned by (c, s)/1000 when turned.
void direct_mark(const DirectBitmap &b, int32_t x, int32_t y, int32_t type, bool bigDot,
                 bool turned, int32_t c, int32_t s, uint32_t colour);

}  // namespace zek_raster

#endif
