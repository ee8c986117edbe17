#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "zek2/strings.h"

// The texts match the outputs and the readings agree; retried in case a
// second ticks over between two readings.
TEST(Clock, TextsAndReadingsAgree)
{
    bool agreed = false;
    for (int attempt = 0; attempt < 5 && !agreed; ++attempt) {
        int h = -1, m = -1, s = -1, y = -1, mo = -1, d = -1;
        char time[32], date[32];
        std::snprintf(time, sizeof time, "%s", GetTimeB(&h, &m, &s));
        std::snprintf(date, sizeof date, "%s", GetDateB(&y, &mo, &d));
        const int daySec = GetTimeSecEx(), hourMsec = GetTimeMsecEx();
        char expect[64];
        std::snprintf(expect, sizeof expect, "%2d:%2d:%2d %4d/%2d/%2d", h, m, s, y, mo, d);
        EXPECT_EQ(std::string(time) + " " + date, expect);
        EXPECT_TRUE(y >= 2000 && mo >= 1 && mo <= 12 && d >= 1 && d <= 31 && h < 24 && m < 60 && s <= 60);
        ASSERT_TRUE(daySec >= 0 && daySec < 86400 && hourMsec >= 0 && hourMsec < 3600000);
        agreed = daySec == s + (m + h * 60) * 60 && hourMsec / 1000 == daySec % 3600;
    }
    EXPECT_TRUE(agreed);
    EXPECT_TRUE(GetTimeB(nullptr, nullptr, nullptr) && GetDateB(nullptr, nullptr, nullptr));
}
