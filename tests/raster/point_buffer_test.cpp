// Point buffers: indices, duplicate suppression, geometric growth, one pair
// per thread, and the split of a fill buffer into polygons.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "../../graphics/raster/point_buffer.h"

using namespace zek_raster;

TEST(PointBufferTest, IndicesAndUniqueAppend)
{
    PointBuffer b;
    EXPECT_EQ(b.index(), -1);
    EXPECT_EQ(b.append({1, 2}), 0);
    EXPECT_EQ(b.append({1, 2}), 1);  // plain append keeps duplicates
    EXPECT_EQ(b.append_unique({1, 2}), 1);
    EXPECT_EQ(b.append_unique({3, 4}), 2);
    EXPECT_EQ(b.size(), 3);
    EXPECT_EQ(b.data()[2].y, 4);
    b.clear();
    EXPECT_EQ(b.index(), -1);
    EXPECT_EQ(b.append_unique({3, 4}), 0);  // nothing to compare with after clear
}

TEST(PointBufferTest, MillionPointsGrowGeometrically)
{
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
}

TEST(PointBufferTest, EachThreadHasItsOwnBuffers)
{
    PointBuffers &mine = thread_point_buffers();
    mine.line.clear();
    mine.line.append({7, 7});
    int32_t otherIndex = 99;
    const PointBuffers *otherAddress = nullptr;
    std::thread t([&] {
        PointBuffers &theirs = thread_point_buffers();
        otherAddress = &theirs;
        otherIndex = theirs.line.index();
        theirs.line.append({1, 1});
    });
    t.join();
    EXPECT_NE(otherAddress, &mine);
    EXPECT_EQ(otherIndex, -1);
    EXPECT_EQ(mine.line.index(), 0);
    EXPECT_EQ(&thread_point_buffers(), &mine);
    mine.line.clear();
}

TEST(SplitPolygons, ClosedRunsAndTail)
{
    // A B C A D E F D: two triangles, closing points included.
    const PointI abcadefd[] = {{0, 0}, {9, 0}, {0, 9}, {0, 0}, {20, 20}, {29, 20}, {20, 29}, {20, 20}};
    int32_t starts[8], counts[8];
    ASSERT_EQ(split_polygons(abcadefd, 8, starts, counts, 8), 2);
    EXPECT_TRUE(starts[0] == 0 && counts[0] == 4 && starts[1] == 4 && counts[1] == 4);

    // An unclosed tail runs to the last point; a lone last point is dropped.
    const PointI tail[] = {{0, 0}, {1, 0}, {0, 0}, {5, 5}, {6, 5}, {6, 6}, {0, 0}};
    ASSERT_EQ(split_polygons(tail, 6, starts, counts, 8), 2);
    EXPECT_EQ(counts[1], 3);
    ASSERT_EQ(split_polygons(tail, 4, starts, counts, 8), 1);
    ASSERT_EQ(split_polygons(tail, 7, starts, counts, 8), 2);  // {0,0} after F starts no match

    EXPECT_EQ(split_polygons(tail, 0, starts, counts, 8), 0);

    // No more polygons than the caller has room for.
    std::vector<PointI> points;
    for (int32_t i = 0; i < 2000; ++i)
        points.insert(points.end(), {{i, 0}, {i, 1}, {i, 0}});
    std::vector<int32_t> many(999), sizes(999);
    EXPECT_EQ(split_polygons(points.data(), int32_t(points.size()), many.data(), sizes.data(), 999), 999);
    EXPECT_EQ(many[998], 998 * 3);
}
