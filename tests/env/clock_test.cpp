#include <gtest/gtest.h>

#include <cstdio>

#include "zek2/strings.h"

TEST(Clock, TextMatchesOutputs)
{
    int h = -1, m = -1, s = -1, y = -1, mo = -1, d = -1;
    char expect[32];
    const char *t = GetTimeB(&h, &m, &s);
    std::snprintf(expect, sizeof expect, "%2d:%2d:%2d", h, m, s);
    EXPECT_STREQ(expect, t);
    EXPECT_TRUE(h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s <= 60);
    const char *date = GetDateB(&y, &mo, &d);
    std::snprintf(expect, sizeof expect, "%4d/%2d/%2d", y, mo, d);
    EXPECT_STREQ(expect, date);
    EXPECT_TRUE(y >= 2000 && mo >= 1 && mo <= 12 && d >= 1 && d <= 31);
    EXPECT_NE(nullptr, GetTimeB(nullptr, nullptr, nullptr));
    EXPECT_NE(nullptr, GetDateB(nullptr, nullptr, nullptr));
}

// Retried in case a second ticks over between two readings.
TEST(Clock, ReadingsAgree)
{
    bool agreed = false;
    for (int attempt = 0; attempt < 5 && !agreed; ++attempt) {
        int h, m, s;
        GetTimeB(&h, &m, &s);
        const int daySec = GetTimeSecEx(), hourMsec = GetTimeMsecEx();
        ASSERT_TRUE(daySec >= 0 && daySec < 86400 && hourMsec >= 0 && hourMsec < 3600000);
        agreed = daySec == s + (m + h * 60) * 60 && hourMsec / 1000 == daySec % 3600;
    }
    EXPECT_TRUE(agreed);
}
