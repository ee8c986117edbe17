// Dash tables and tile patterns: their entries, and indices outside the
// tables (PenType -1 "no pen yet" included) falling back to entry 0.
#include <gtest/gtest.h>

#include "../../graphics/raster/dash_tables.h"

using namespace zek_raster;

TEST(DashTables, WideEntriesAlternateDrawnAndGap)
{
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

TEST(DashTables, OutOfTableIndicesUseEntryZero)
{
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

TEST(TilePatterns, ClearPatternsAndPeriods)
{
    for (int32_t n : {0, 24, 25, 26, 27, 28})
        for (int r = 0; r < 16; ++r)
            EXPECT_EQ(tile_pattern(n)[r], 0) << n;
    // Rows repeat with their period across the 16 rows.
    EXPECT_EQ(tile_pattern(1)[0], 0x1111);
    EXPECT_EQ(tile_pattern(1)[15], 0x4444);
    EXPECT_EQ(tile_pattern(6)[4], 0x0000);
    EXPECT_EQ(tile_pattern(6)[7], 0xFFFF);
    EXPECT_EQ(tile_pattern(10)[9], 0xBFBF);
    EXPECT_EQ(tile_pattern(17)[15], 0xFDDF);
    EXPECT_EQ(tile_pattern(18)[8], 0xDFF6);
    EXPECT_EQ(tile_pattern(23)[14], 0xFDFD);
    for (int32_t n = 1; n < 24; ++n) {
        bool any = false;
        for (int r = 0; r < 16; ++r)
            any |= tile_pattern(n)[r] != 0;
        EXPECT_TRUE(any) << n;
    }
}
