// Dash tables and tile patterns: their entries, and indices outside the
// tables (PenType -1 "no pen yet" included) falling back to entry 0.
#include <gtest/gtest.h>

#include "../../graphics/raster/dash_tables.h"

using namespace zek_raster;

TEST(DashTables, WideEntriesAlternateDrawnAndGap) {
    // Pens are made from these directly: a count of 1 or an even count, no
    // zero length (ExtCreatePen refuses both).
    for (int32_t t = 0; t < kPenTypes; ++t) {
        for (const PenDash *d : {&wide_pen_dash(t), &thin_pen_dash(t)}) {
            ASSERT_TRUE(d->count == 1 || (d->count % 2 == 0 && d->count <= 10));
            for (int32_t i = 0; i < d->count; ++i)
                EXPECT_GT(d->lengths[i], 0u);
        }
    }
}

TEST(DashTables, OutOfTableIndicesUseEntryZero) {
    for (int32_t bad : {-1, 10, 1000, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(pen_type_index(bad), 0);
        EXPECT_EQ(&wide_pen_dash(bad), &wide_pen_dash(0));
        EXPECT_EQ(&thin_pen_dash(bad), &thin_pen_dash(0));
        EXPECT_EQ(arc_dash_mask(bad), 0xFFFF);
        EXPECT_EQ(direct_line_pattern(bad), 0xFFFF);
    }
    for (int32_t bad : {-1, 29, 1000, INT32_MIN, INT32_MAX})
        EXPECT_EQ(tile_pattern(bad), tile_pattern(0));
}

TEST(TilePatterns, ClearPatternsAndPeriods) {
    // 0 and 24..28 are clear, the rest draw something; short periods repeat down the 16 rows.
    for (int32_t n = 0; n < 29; ++n) {
        uint16_t any = 0;
        for (int r = 0; r < 16; ++r)
            any |= tile_pattern(n)[r];
        EXPECT_EQ(any != 0, n > 0 && n < 24) << n;
    }
    EXPECT_TRUE(tile_pattern(1)[0] == 0x1111 && tile_pattern(1)[15] == 0x4444);
    EXPECT_EQ(tile_pattern(18)[8], 0xDFF6);
}
