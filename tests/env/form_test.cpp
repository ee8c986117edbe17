#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>

#include "zek2/strings.h"

TEST(Form, FormatsCutsAndKeepsRecentResults)
{
    char *a = form("%d-%s-%5.2f", 42, "x", 3.14159), *b = form("%04X", 0xBEEF);
    EXPECT_EQ(std::string(a) + "|" + b + "|" + form(nullptr), "42-x- 3.14|BEEF|");
    EXPECT_EQ(std::string(511, 'q'), form("%s", std::string(2000, 'q').c_str()));
    std::string hyo;  // 表 is 0x95 0x5C: 511 bytes would end in a lone lead byte
    for (int i = 0; i < 300; ++i)
        hyo += "\x95\x5C";
    EXPECT_EQ(hyo.substr(0, 510), form("%s", hyo.c_str()));
    EXPECT_EQ("a" + hyo.substr(0, 510), form("a%s", hyo.c_str())) << "a whole character fits";
}

// Results of many calls, short and overlong, all lie in one 4000-byte span,
// and the ring is reused once about 4000 bytes have been formatted.
TEST(Form, WrapsInsideTheRing)
{
    const std::string big(600, 'w');
    uintptr_t low = UINTPTR_MAX, high = 0;
    const char *first = form("first");
    bool reused = false;
    for (int i = 0; i < 200; ++i) {
        const char *r = (i % 3 == 0) ? form("%s", big.c_str()) : form("item %d", i);
        const uintptr_t p = reinterpret_cast<uintptr_t>(r);
        low = std::min(low, p);
        high = std::max(high, p + std::strlen(r) + 1);
        reused = reused || r == first;
    }
    EXPECT_LE(high - low, 4000u);
    EXPECT_TRUE(reused || std::strcmp(first, "first") != 0);
}

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
