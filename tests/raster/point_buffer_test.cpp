// Point buffers: geometric growth and the split of a fill buffer into
// polygons (indices and the per-thread pair are checked through the window
// drawing calls).
#include <gtest/gtest.h>

#include <vector>

#include "../../graphics/raster/point_buffer.h"

using namespace zek_raster;

TEST(PointBufferTest, MillionPointsGrowGeometrically) {
    PointBuffer b;
    int moves = 0;
    const PointI *last = nullptr;
    for (int32_t i = 0; i < 1000000; ++i) {
        ASSERT_EQ(b.append({i, -i}), i);
        if (b.data() != last) {
            ++moves;
            last = b.data();
        }
    }
    // Growth by a fixed step would move the block about a thousand times.
    EXPECT_LT(moves, 40);
    EXPECT_EQ(b.data()[999999].x, 999999);
    EXPECT_EQ(b.append({999999, -999999}), 1000000);  // plain append keeps a repeated point
    EXPECT_EQ(b.append_unique({999999, -999999}), 1000000);
}

TEST(SplitPolygons, ClosedRunsAndTail) {
    // A closed run with its closing point, then an unclosed tail that runs to
    // the last point; a lone last point is dropped.
    const PointI tail[] = {{0, 0}, {1, 0}, {0, 0}, {5, 5}, {6, 5}, {6, 6}, {0, 0}};
    int32_t starts[8], counts[8];
    ASSERT_EQ(split_polygons(tail, 6, starts, counts, 8), 2);
    EXPECT_TRUE(starts[0] == 0 && counts[0] == 3 && starts[1] == 3 && counts[1] == 3);
    ASSERT_EQ(split_polygons(tail, 4, starts, counts, 8), 1);
    ASSERT_EQ(split_polygons(tail, 7, starts, counts, 8), 2);  // a later {0,0} closes nothing
    EXPECT_EQ(split_polygons(tail, 0, starts, counts, 8), 0);

    // No more polygons than the caller has room for.
    std::vector<PointI> points;
    for (int32_t i = 0; i < 2000; ++i)
        points.insert(points.end(), {{i, 0}, {i, 1}, {i, 0}});
    std::vector<int32_t> many(999), sizes(999);
    EXPECT_EQ(split_polygons(points.data(), int32_t(points.size()), many.data(), sizes.data(), 999), 999);
    EXPECT_EQ(many[998], 998 * 3);
}
