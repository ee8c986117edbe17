#include <gtest/gtest.h>

#include "zek2/platform.h"

TEST(Platform, IsNtAndCursorCallsReturnThePreviousCursor)
{
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, GetOsPlatform());
    const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    WaitMsgCursorOn();
    EXPECT_EQ(wait, WaitMsgCursorOff());
    EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), WaitMsgCursorOn());
    EXPECT_EQ(wait, WaitMsgCursorOff());
}
