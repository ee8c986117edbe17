// Direct writes into a 24-bit bottom-up bitmap: lines against a reference
// Bresenham, dash patterns, marks, and a guard band around the memory.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "../../graphics/raster/direct_bitmap.h"

using namespace zek_raster;
using Pixels = std::set<std::pair<int32_t, int32_t>>;

namespace {

constexpr size_t kGuard = 256;

// w x h pixels, rows padded to 4 bytes, inside 0xA5 guard bytes.
struct Canvas {
    int32_t w, h, stride;
    std::vector<uint8_t> mem;
    DirectBitmap b;
    Canvas(int32_t width, int32_t height)
        : w(width), h(height), stride((width * 24 + 31) / 32 * 4),
          mem(2 * kGuard + size_t(stride) * height, 0xA5)
    {
        std::fill(mem.begin() + kGuard, mem.end() - kGuard, 0);
        b = DirectBitmap{mem.data() + kGuard, stride, w, h, h - 1, ClipRect{0, 0, w - 1, h - 1}};
    }
    Pixels pixels() const {
        Pixels s;
        for (int32_t r = 0; r < h; ++r)
            for (int32_t x = 0; x < w; ++x)
                if (const uint8_t *p = &mem[kGuard + size_t(r) * stride + 3 * x]; p[0] | p[1] | p[2])
                    s.insert({x, b.originRow - r});
        return s;
    }
    bool guard_intact() const {
        for (size_t i = 0; i < kGuard; ++i)
            if (mem[i] != 0xA5 || mem[mem.size() - 1 - i] != 0xA5)
                return false;
        for (int32_t r = 0; r < h; ++r)  // row padding is never a pixel
            for (int32_t i = 3 * w; i < stride; ++i)
                if (mem[kGuard + size_t(r) * stride + i])
                    return false;
        return true;
    }
};

// Bresenham in closed form: major-axis pixel i is offset on the minor axis
// by (major / 2 + i * minor) / major from the first end.
Pixels reference_line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Pixels s;
    const int32_t ax = std::abs(x2 - x1), ay = std::abs(y2 - y1);
    const int32_t sx = x2 < x1 ? -1 : 1, sy = y2 < y1 ? -1 : 1;
    const int32_t major = std::max(ax, ay), minor = std::min(ax, ay);
    for (int32_t i = 0; i <= major; ++i) {
        const int32_t m = major ? (major / 2 + i * minor) / major : 0;
        s.insert(ax >= ay ? std::pair{x1 + sx * i, y1 + sy * m} : std::pair{x1 + sx * m, y1 + sy * i});
    }
    return s;
}

}  // namespace

TEST(DirectLine, ReferenceBresenhamBothEndsAndDashes) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> px(0, 63), py(0, 47);
    for (int n = 0; n < 500; ++n) {
        Canvas c(64, 48);
        const int32_t x1 = px(rng), y1 = py(rng), x2 = px(rng), y2 = py(rng);
        ASSERT_EQ(direct_line(c.b, x1, y1, x2, y2, 0xFFFF, 0xFFFFFF), 1);
        ASSERT_EQ(c.pixels(), reference_line(x1, y1, x2, y2)) << x1 << "," << y1 << " " << x2 << "," << y2;
    }
    Canvas one(8, 8);
    direct_line(one.b, 3, 4, 3, 4, 0xFFFF, 1);
    EXPECT_EQ(one.pixels(), (Pixels{{3, 4}}));

    Canvas dash(64, 40);
    direct_line(dash.b, 0, 0, 3, 0, 0x5555, 0xFFFFFF);  // bits 0 and 2
    EXPECT_EQ(dash.pixels(), (Pixels{{0, 0}, {2, 0}}));
    direct_line(dash.b, 1, 1, 1, 39, 0x0FFF, 0x010203);  // 12 on, 4 off, repeated
    for (int32_t k = 0; k <= 38; ++k)
        EXPECT_EQ(dash.pixels().count({1, 1 + k}), (k % 16) < 12 ? 1u : 0u) << k;
}

// Views and origin rows beyond the memory are left to the fuzzer and the
// window bitmap tests; here a width the stride cannot hold and no memory.
TEST(DirectLine, ViewBeyondTheMemoryWritesNothingOutside) {
    Canvas s(8, 4);
    s.b.width = 1000;
    direct_line(s.b, 0, 1, 999, 1, 0xFFFF, 0xFFFFFF);
    EXPECT_TRUE(s.guard_intact());
    EXPECT_EQ(s.pixels().size(), 8u);
    s.b.bits = nullptr;
    EXPECT_EQ(direct_line(s.b, 0, 0, 3, 3, 0xFFFF, 1), 0);
}

TEST(DirectMark, ShapesAndTurnedCross) {
    Canvas plus(16, 16), dot(16, 16), cross(16, 16), turned(16, 16);
    direct_mark(plus.b, 8, 8, 1, false, false, 1000, 0, 1);
    EXPECT_EQ(plus.pixels(), (Pixels{{7, 8}, {8, 8}, {9, 8}, {8, 7}, {8, 9}}));
    direct_mark(dot.b, 8, 8, 1, true, false, 1000, 0, 1);
    EXPECT_EQ(dot.pixels().size(), 21u);  // 5 x 5 less the corners
    EXPECT_EQ(dot.pixels().count({6, 6}) + dot.pixels().count({10, 10}), 0u);
    Pixels expect;
    for (int32_t k = -3; k <= 3; ++k)
        expect.insert({{8 + k, 8}, {8, 8 + k}});
    direct_mark(cross.b, 8, 8, 7, false, false, 1000, 0, 1);
    EXPECT_EQ(cross.pixels(), expect);
    direct_mark(turned.b, 8, 8, 7, false, true, 0, 1000, 1);  // a quarter turn
    EXPECT_EQ(turned.pixels(), expect);
}
