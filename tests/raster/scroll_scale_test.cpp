// Scroll state arithmetic: long ranges scaled without overflow, moves that
// never leave the range, deltas that saturate.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "../../graphics/raster/scroll_scale.h"

using namespace zek_raster;

namespace {
std::vector<int32_t> all(const ScrollScale &s) { return {s.min, s.max, s.pos, s.cnt}; }
using V = std::vector<int32_t>;
}  // namespace

TEST(ScrollScale, LongRangesComeDownTo32000WithTheirCounts) {
    EXPECT_EQ(all(scroll_scale(0, 32000, 31999)), (V{0, 32000, 31999, 1}));
    EXPECT_EQ(all(scroll_scale(0, 100000, 50000)), (V{0, 32000, 16000, 5}));
    EXPECT_EQ(all(scroll_scale(0, 64000, 0)), (V{0, 32000, 0, 3}));
    EXPECT_EQ(all(scroll_scale(0, 200000, 100000)), (V{0, 32000, 16000, 8}));
    // pos * 32000 leaves 32 bits long before these do.
    EXPECT_EQ(all(scroll_scale(0, INT32_MAX, INT32_MAX)), (V{0, 32000, 32000, 67110}));
    EXPECT_EQ(all(scroll_scale(INT32_MIN, 40000, -1000000)), (V{-1717986918, 32000, -800000, 3}));
    // The minimum scales with the rest, so the range stays the right way up.
    EXPECT_EQ(all(scroll_scale(50000, 100000, 60000)), (V{16000, 32000, 19200, 5}));
    EXPECT_EQ(all(scroll_scale(10, -5, 7)), (V{10, -5, 7, 1}));
}

TEST(ScrollScale, MovesStopAtTheEndsAndDeltasSaturate) {
    EXPECT_EQ(scroll_up(10, 3, 0), 7);
    EXPECT_EQ(scroll_up(2, 3, 0), 0);
    EXPECT_EQ(scroll_up(-5, 3, 0), 0);  // below the range: back onto it
    EXPECT_EQ(scroll_down(10, 3, 0, 12), 12);
    EXPECT_EQ(scroll_down(10, -4, 0, 12), 10) << "a negative page moves nothing";
    EXPECT_EQ(scroll_up(10, -4, 0), 10);
    EXPECT_EQ(scroll_down(7, 5, 10, 5), 10) << "upside down: both ways end at the minimum";
    EXPECT_EQ(scroll_top(10, 5), 10);
    EXPECT_EQ(scroll_down(INT32_MAX - 1, INT32_MAX, 0, INT32_MAX), INT32_MAX);
    EXPECT_EQ(scroll_up(INT32_MIN + 1, INT32_MAX, INT32_MIN), INT32_MIN);

    EXPECT_EQ(scroll_delta(5, 16000, 16001), 5);
    EXPECT_EQ(scroll_delta(3, 9, 0), -27);
    EXPECT_EQ(scroll_delta(67110, 0, 32000), INT32_MAX);
    EXPECT_EQ(scroll_delta(INT32_MAX, INT32_MAX, INT32_MIN), INT32_MIN);
}
