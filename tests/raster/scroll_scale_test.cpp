// Scroll state arithmetic: long ranges scaled without overflow, moves that
// never leave the range, deltas that saturate.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "../../graphics/raster/scroll_scale.h"

using namespace zek_raster;
using V = std::vector<int32_t>;

TEST(ScrollScale, LongRangesScaleIn64BitsAndMovesAndDeltasStayInBounds) {
    auto all = [](ScrollScale s) { return V{s.min, s.max, s.pos, s.cnt}; };
    EXPECT_EQ(all(scroll_scale(0, 32000, 31999)), (V{0, 32000, 31999, 1}));
    EXPECT_EQ(all(scroll_scale(0, 200000, 100000)), (V{0, 32000, 16000, 8}));
    EXPECT_EQ(all(scroll_scale(0, INT32_MAX, INT32_MAX)), (V{0, 32000, 32000, 67110}));
    EXPECT_EQ(all(scroll_scale(INT32_MIN, 40000, -1000000)), (V{-1717986918, 32000, -800000, 3}));
    EXPECT_EQ(all(scroll_scale(50000, 100000, 60000)), (V{16000, 32000, 19200, 5}))
        << "the minimum scales too, so the range stays the right way up";

    EXPECT_EQ(V({scroll_up(10, 3, 0), scroll_up(2, 3, 0), scroll_up(-5, 3, 0), scroll_up(10, -4, 0)}),
              (V{7, 0, 0, 10}));
    EXPECT_EQ(V({scroll_down(10, 3, 0, 12), scroll_down(10, -4, 0, 12), scroll_down(7, 5, 10, 5)}),
              (V{12, 10, 10})) << "a negative page moves nothing; upside down ends at the minimum";
    EXPECT_EQ(scroll_down(INT32_MAX - 1, INT32_MAX, 0, INT32_MAX), INT32_MAX);
    EXPECT_EQ(scroll_up(INT32_MIN + 1, INT32_MAX, INT32_MIN), INT32_MIN);
    EXPECT_EQ(V({scroll_delta(3, 9, 0), scroll_delta(67110, 0, 32000), scroll_delta(INT32_MAX, INT32_MAX, INT32_MIN)}),
              (V{-27, INT32_MAX, INT32_MIN}));
}
