#include <gtest/gtest.h>

#include "zek2/platform.h"

TEST(Platform, IsNtAndCached)
{
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, GetOsPlatform());
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, GetOsPlatform());
}

TEST(Platform, CursorCallsReturnThePreviousCursor)
{
    const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    WaitMsgCursorOn();
    EXPECT_EQ(wait, WaitMsgCursorOff());
    EXPECT_EQ(arrow, WaitMsgCursorOn());
    EXPECT_EQ(wait, WaitMsgCursorOff());
}
