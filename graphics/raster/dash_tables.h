// Pen dash tables, arc dash masks, direct-line patterns and tile patterns.
// Every lookup maps an index outside its table (PenType -1 "no pen yet"
// included) to entry 0.
#ifndef ZEK_GRAPHICS_RASTER_DASH_TABLES_H
#define ZEK_GRAPHICS_RASTER_DASH_TABLES_H

#include <cstdint>

namespace zek_raster {

constexpr int32_t kPenTypes = 10;
constexpr int32_t kTilePatterns = 29;

// Segment lengths in pixels, alternately drawn and gap.
struct PenDash {
    int32_t count;
    uint32_t lengths[10];
};

// The pen type as a table index: 0-9, anything else 0.
int32_t pen_type_index(int32_t type);
// Lengths of a wide pen (to be multiplied by its width) and of a one-pixel pen.
const PenDash &wide_pen_dash(int32_t type);
const PenDash &thin_pen_dash(int32_t type);
// One bit per arc vertex or arc pixel, most significant bit first.
uint16_t arc_dash_mask(int32_t type);
// One bit per pixel of a direct line, bit 0 first.
uint16_t direct_line_pattern(int32_t type);
// 16 rows of 16 bits, most significant bit the leftmost pixel.
const uint16_t *tile_pattern(int32_t n);

}  // namespace zek_raster

#endif
