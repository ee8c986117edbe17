// The traverse computation against loops adjusted by hand.
#include <gtest/gtest.h>

#include <string>

extern "C" {
#include "compute.h"
}

namespace {

// A 100 x 50 m loop walked north, west, south, east; each inside angle
// measured 10" too large and the legs a few centimetres off, so the
// misclosure is +40" in angle and (+0.04, +0.04) m in position.
const Station kLoop[] = {{"A", 90.0010, 100.03}, {"B", 90.0010, 50.00},
                         {"C", 90.0010, 99.99}, {"D", 90.0010, 50.04}};
const TraverseStart kStart = {1000.0, 2000.0, 0.0, 9};

TEST(Traverse, ClosedLoopIsAdjustedByTheCompassRule) {
    TraversePoint p[4];
    TraverseResult r;
    traverse_compute(kLoop, 4, &kStart, p, &r);
    ASSERT_TRUE(r.ok);
    EXPECT_NEAR(40.0, r.angle_misclosure, 1e-6);
    EXPECT_NEAR(0.04, r.error_x, 1e-9);
    EXPECT_NEAR(0.04, r.error_y, 1e-9);
    EXPECT_NEAR(0.0565685, r.closing_error, 1e-7);
    EXPECT_NEAR(300.06, r.perimeter, 1e-9);
    char text[32];
    traverse_precision_text(&r, text, sizeof text);
    EXPECT_EQ("1/5304", std::string(text));
    // Each leg takes its share of 0.04 m: 100.03 / 300.06 of it for A-B.
    EXPECT_NEAR(1000.0, p[0].x, 1e-12);
    EXPECT_NEAR(1100.016665, p[1].x, 1e-6);
    EXPECT_NEAR(1999.986665, p[1].y, 1e-6);
    EXPECT_NEAR(1100.010000, p[2].x, 1e-6);
    EXPECT_NEAR(1949.980000, p[2].y, 1e-6);
    EXPECT_NEAR(270.0, p[1].azimuth, 1e-9);
}

TEST(Traverse, OutsideAnglesCloseOnTheirOwnSum) {
    // The same loop walked the other way: the angles are the outside ones.
    const Station reverse[] = {{"A", 270.0010, 50.04}, {"D", 270.0010, 99.99},
                               {"C", 270.0010, 50.00}, {"B", 270.0010, 100.03}};
    const TraverseStart start = {1000.0, 2000.0, 270.0, 9};
    TraversePoint p[4];
    TraverseResult r;
    traverse_compute(reverse, 4, &start, p, &r);
    ASSERT_TRUE(r.ok);
    EXPECT_NEAR(40.0, r.angle_misclosure, 1e-6);
    EXPECT_NEAR(-0.04, r.error_x, 1e-9);
    EXPECT_NEAR(-0.04, r.error_y, 1e-9);
    EXPECT_NEAR(1000.0 + 99.99 + 0.04 * (99.99 + 50.04) / 300.06, p[2].x, 1e-6);
}

TEST(Traverse, RefusesWhatIsNoLoop) {
    TraversePoint p[4] = {};
    TraverseResult r;
    traverse_compute(kLoop, 2, &kStart, p, &r);
    EXPECT_FALSE(r.ok);
    Station bad[4];
    for (int i = 0; i < 4; ++i) bad[i] = kLoop[i];
    bad[2].distance = 0;
    traverse_compute(bad, 4, &kStart, p, &r);
    EXPECT_FALSE(r.ok);
    bad[2] = kLoop[2];
    bad[1].angle = 90.6000;  // 60 minutes: no D.MMSS value
    traverse_compute(bad, 4, &kStart, p, &r);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(0.0, p[1].x);  // points untouched
    char text[8];
    traverse_precision_text(&r, text, sizeof text);
    EXPECT_EQ("-", std::string(text));
}

}  // namespace
