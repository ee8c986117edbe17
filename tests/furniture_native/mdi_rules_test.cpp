#include <gtest/gtest.h>

#include <climits>

#include "../../furniture/mdi_rules.h"

namespace {

TEST(MdiRules, NextFreeNumberAndWhatTheSubLoopDoesWithAKey)
{
    int x;
    const void *slots[kMdiChildren] = {&x, nullptr, &x};
    EXPECT_EQ(mdi_next_free(slots), 1);
    for (const void *&s : slots)
        s = &x;
    EXPECT_EQ(mdi_next_free(slots), -1);
    using S = MdiKeyStep;
    const std::pair<int32_t, S> keys[] = {{0x10035, S::End}, {0x10037, S::Leave}, {0x1003D, S::Leave},
                                          {0x1003E, S::Redraw}, {-1, S::Gone}, {0x41, S::Key},
                                          {0x10036, S::Key}, {0x1003C, S::Key}, {0x1003F, S::Key}};
    for (const auto &[key, step] : keys)
        EXPECT_EQ(mdi_key_step(key, 1), step) << key;
    EXPECT_EQ(mdi_key_step(0x10034, 0), S::LeaveForCommand);
    EXPECT_EQ(mdi_key_step(0x10034, 2), S::RunCommand);
}

TEST(MdiRules, WheelNotchesAndRestoredShowStates)
{
    int32_t count = 0;
    EXPECT_FALSE(mdi_wheel_add(count, 60));
    EXPECT_TRUE(mdi_wheel_add(count, -60) && count == 0);
    EXPECT_FALSE(mdi_wheel_add(count, 119));
    count = INT_MAX;  // whatever a program left there
    EXPECT_TRUE(mdi_wheel_add(count, INT_MIN) && count == 0);
    const MdiShow maxAgain = mdi_restored(3, 3), fromMin = mdi_restored(2, 5);
    EXPECT_TRUE(maxAgain.show == 5 && maxAgain.showB == 5 && maxAgain.edType == 0);
    EXPECT_TRUE(fromMin.show == 5 && fromMin.showB == 5 && fromMin.edType == 11);
}

}  // namespace
