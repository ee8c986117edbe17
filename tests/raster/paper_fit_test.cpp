// World/view arithmetic: truncation and saturation of the plain mapping, the
// paper fit on many shapes, the resize modes, refused fits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../../graphics/raster/paper_fit.h"

using namespace zek_raster;

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
}

TEST(PlainMapping, TruncationSaturationAndEmptyRanges) {
    // Truncation and saturation of single values are checked through the window calls.
    EXPECT_EQ(world_to_pixel(1e9, 0, 1, 2000000000), INT32_MAX);  // the sum saturates too
    EXPECT_EQ(world_to_pixel(kNaN, 0, 1, 7), 7);
    const AxisFactors f = axis_factors(10, 19, 50.0, 0.0);  // reversed world
    EXPECT_DOUBLE_EQ(f.worldPerPixel, -5.0);
    EXPECT_DOUBLE_EQ(f.pixelsPerWorld, -0.2);
    // No pixels (0 x 0 area: last = first - 1) or no world: finite, collapsed.
    for (AxisFactors e : {axis_factors(0, -1, 0.0, 100.0), axis_factors(0, 99, 3.0, 3.0)})
        EXPECT_TRUE(e.worldPerPixel == 0.0 && e.pixelsPerWorld == 0.0);
}

TEST(PaperFit, CentredWhollyVisibleSquareOnManyShapes) {
    WorldRect exact{};  // the default paper on its own shape: t 297, u 420.5
    ASSERT_TRUE(fit_rect(WorldRect{0, 0, 594, 841}, 841, 594, exact));
    EXPECT_TRUE(exact.sx == 0 && exact.sy == 0 && exact.mx == 594 && exact.my == 841);

    const WorldRect papers[] = {{0, 0, 594, 841}, {-50, 10, 50, 20}, {100, 100, 900, 101},
                                {-1e6, -3e6, 2e6, 5e6}, {5, 5, 5, 9}, {50, 100, 0, 0}};
    const double areas[][2] = {{841, 594}, {640, 480}, {300, 900}, {1000, 100}, {1, 1}, {7, 3000}};
    for (const WorldRect &given : papers)
        for (const auto &a : areas) {
            const WorldRect p = ordered_rect(given.sx, given.sy, given.mx, given.my);
            WorldRect w{};
            ASSERT_TRUE(fit_rect(given, a[0], a[1], w));
            const double tol = 1e-9 * (p.mx - p.sx + p.my - p.sy + 1);
            EXPECT_NEAR(w.sx + w.mx, p.sx + p.mx, tol);
            EXPECT_NEAR(w.sy + w.my, p.sy + p.my, tol);
            EXPECT_TRUE(w.sx <= p.sx + tol && w.mx >= p.mx - tol && w.sy <= p.sy + tol && w.my >= p.my - tol);
            EXPECT_TRUE(std::fabs(w.mx - w.sx - (p.mx - p.sx)) <= tol ||
                        std::fabs(w.my - w.sy - (p.my - p.sy)) <= tol) << "tight on one axis";
            PaperScale s{};
            ASSERT_TRUE(paper_scale(w, a[0], a[1], s));
            EXPECT_NEAR(s.zwSclX / s.zwSclY, 1.0, 1e-12) << "square pixels";
        }
}

// Empty areas and papers are checked through the window calls; here what
// only arithmetic meets.
TEST(PaperFit, EmptyAreaOrPaperIsRefusedUntouched) {
    WorldRect w{1, 2, 3, 4};
    PaperScale s{9, 9, 9, 9, 9, 9};
    EXPECT_FALSE(fit_rect(WorldRect{0, 0, 594, 841}, kNaN, 480, w));
    EXPECT_FALSE(paper_scale(WorldRect{0, 0, 594, 841}, 640, -5, s));
    EXPECT_TRUE(w.sx == 1 && w.my == 4 && s.zwSclX == 9);
    EXPECT_FALSE(fit_rect(WorldRect{-1e308, -1e308, 1e308, 1e308}, 640, 480, w));
    EXPECT_FALSE(paper_scale(WorldRect{0, 0, 0, 841}, 640, 480, s));
}

TEST(ResizeModes, EdgesKeptAtThePresentScale) {
    // 640 x 480 at one unit a pixel, resized to 800 x 600.
    const WorldRect expect[9] = {{}, {0, -160, 480, 640}, {0, 0, 480, 800}, {0, 0, 600, 640},
                                 {0, -160, 600, 640}, {0, 0, 600, 800}, {-120, 0, 480, 640},
                                 {-120, -160, 480, 640}, {-120, 0, 480, 800}};
    for (int32_t mode = 1; mode <= 8; ++mode) {
        WorldRect w{0, 0, 480, 640};
        ASSERT_TRUE(keep_edges(mode, w, 800, 600, 1.0, 1.0)) << mode;
        EXPECT_TRUE(w.sx == expect[mode].sx && w.sy == expect[mode].sy && w.mx == expect[mode].mx &&
                    w.my == expect[mode].my) << mode;
    }
    WorldRect w{0, 0, 480, 640};
    for (int32_t mode : {0, 9, 11})
        EXPECT_FALSE(keep_edges(mode, w, 800, 600, 1, 1));
    EXPECT_FALSE(keep_edges(2, w, 800, 600, 0.0, 1)) << "never fitted: no scale";
    EXPECT_FALSE(keep_edges(1, w, 0, 600, 1, 1));
    EXPECT_TRUE(keep_edges(3, w, 800, 600, 0.0, 1)) << "moves the top only";
}

TEST(LineWidth, NominalWidthAtLeastOnePixel) {
    EXPECT_EQ(line_width_pixels(0, 1.0), 1);
    EXPECT_EQ(line_width_pixels(25, 11.0), 2);
    EXPECT_EQ(line_width_pixels(-500, 1.0), 1);
    EXPECT_EQ(line_width_pixels(1e300, 1e300), INT32_MAX);
}
