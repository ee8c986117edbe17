// The pen dash tables, arc dash masks, direct-line patterns and tile patterns.
#include "dash_tables.h"

namespace zek_raster {

namespace {

const PenDash kWide[kPenTypes] = {
    {1, {16}},
    {2, {2, 2}},
    {2, {4, 2}},
    {2, {6, 2}},
    {2, {8, 2}},
    {4, {8, 2, 1, 2}},
    {4, {8, 2, 2, 2}},
    {6, {8, 2, 1, 2, 1, 2}},
    {6, {8, 2, 2, 2, 2, 2}},
    {8, {8, 2, 1, 2, 1, 2, 1, 2}},
};

const PenDash kThin[kPenTypes] = {
    {1, {16}},
    {2, {1, 1}},
    {2, {2, 1}},
    {2, {3, 2}},
    {2, {6, 3}},
    {4, {4, 1, 1, 1}},
    {4, {4, 1, 2, 1}},
    {6, {4, 1, 1, 1, 1, 1}},
    {6, {4, 1, 2, 1, 2, 1}},
    {8, {4, 1, 1, 1, 1, 1, 1, 1}},
};

const uint16_t kArcMasks[kPenTypes] = {0xFFFF, 0xAAAA, 0xCCCC, 0xFCFC, 0xFFF0,
                                       0xF93F, 0xF9CF, 0xF123, 0xF198, 0xE493};

const uint16_t kDirectPatterns[kPenTypes] = {0xFFFF, 0x5555, 0x3333, 0x3F3F, 0x0FFF,
                                             0xFC9F, 0xF39F, 0xC48F, 0x198F, 0xC927};

// One period of rows per pattern; the period divides 16.
struct TilePeriod {
    int rows;
    uint16_t row[16];
};

const TilePeriod kTilePeriods[kTilePatterns] = {
    {1, {0x0000}},
    {2, {0x1111, 0x4444}},
    {2, {0x5555, 0xAAAA}},
    {2, {0x7777, 0xDDDD}},
    {4, {0xFFFF, 0xBBBB, 0xFFFF, 0xEEEE}},
    {2, {0x0000, 0xFFFF}},
    {4, {0x0000, 0xFFFF, 0xFFFF, 0xFFFF}},
    {1, {0x5555}},
    {1, {0x7777}},
    {4, {0x7777, 0xBBBB, 0xDDDD, 0xEEEE}},
    {8, {0x7F7F, 0xBFBF, 0xDFDF, 0xEFEF, 0xF7F7, 0xFBFB, 0xFDFD, 0xFEFE}},
    {4, {0xEEEE, 0xDDDD, 0xBBBB, 0x7777}},
    {8, {0xFEFE, 0xFDFD, 0xFBFB, 0xF7F7, 0xEFEF, 0xDFDF, 0xBFBF, 0x7F7F}},
    {2, {0x0000, 0x5555}},
    {4, {0x0000, 0x7777, 0x7777, 0x7777}},
    {4, {0x7777, 0xAAAA, 0xDDDD, 0xAAAA}},
    {8, {0x7F7F, 0xBEBE, 0xDDDD, 0xEBEB, 0xF7F7, 0xEBEB, 0xDDDD, 0xBEBE}},
    {16, {0xFBBF, 0xF77F, 0xEEFF, 0xDDFF, 0xBBFF, 0x77FF, 0xEFFE, 0xDFFD, 0xBFFB, 0x7FF7,
          0xFFEE, 0xFFDD, 0xFFBB, 0xFF77, 0xFEEF, 0xFDDF}},
    {16, {0xF6DF, 0xEDBF, 0xDB7F, 0xB6FF, 0x6DFF, 0xDBFE, 0xB7FD, 0x6FFB, 0xDFF6, 0xBFED,
          0x7FDB, 0xFFB6, 0xFF6D, 0xFEDB, 0xFDB7, 0xFB6F}},
    {8, {0xDFDF, 0xDFDF, 0x0000, 0xFDFD, 0xFDFD, 0xFDFD, 0x0000, 0xDFDF}},
    {8, {0x7676, 0xFFFF, 0xFFFF, 0xE7E7, 0x6767, 0xFFFF, 0xFFFF, 0x7E7E}},
    {8, {0xFFFF, 0xAFAF, 0xDFDF, 0xAFAF, 0xFFFF, 0xFAFA, 0xFDFD, 0xFAFA}},
    {8, {0xFFFF, 0xBBBB, 0xD7D7, 0xEFEF, 0xD7D7, 0xBBBB, 0xFFFF, 0xFFFF}},
    {8, {0xFFFF, 0x8F8F, 0xDFDF, 0x8F8F, 0xFFFF, 0xF8F8, 0xFDFD, 0xF8F8}},
    {1, {0x0000}},
    {1, {0x0000}},
    {1, {0x0000}},
    {1, {0x0000}},
    {1, {0x0000}},
};

struct TileTable {
    uint16_t rows[kTilePatterns][16];
    TileTable()
    {
        for (int n = 0; n < kTilePatterns; ++n)
            for (int r = 0; r < 16; ++r)
                rows[n][r] = kTilePeriods[n].row[r % kTilePeriods[n].rows];
    }
};

}  // namespace

int32_t pen_type_index(int32_t type)
{
    return type >= 0 && type < kPenTypes ? type : 0;
}

const PenDash &wide_pen_dash(int32_t type)
{
    return kWide[pen_type_index(type)];
}

const PenDash &thin_pen_dash(int32_t type)
{
    return kThin[pen_type_index(type)];
}

uint16_t arc_dash_mask(int32_t type)
{
    return kArcMasks[pen_type_index(type)];
}

uint16_t direct_line_pattern(int32_t type)
{
    return kDirectPatterns[pen_type_index(type)];
}

const uint16_t *tile_pattern(int32_t n)
{
    static const TileTable table;
    return table.rows[n >= 0 && n < kTilePatterns ? n : 0];
}

}  // namespace zek_raster
