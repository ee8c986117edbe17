// Packed degree-minute-second values and DMS text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "zek2/survey.h"

namespace {

std::string dms(double deg, int n, int hyphen) {
    char out[ZEK_DMS_TEXT_SIZE];
    std::memset(out, 'x', sizeof out);
    if (!ChgDegToDms(deg, n, out, hyphen)) return "<refused:" + std::string(out) + ">";
    return out;
}

TEST(Dms, PackedRoundTripOverAGrid) {
    for (int d : {0, 1, 12, 45, 89, 179, 359})
        for (int m = 0; m < 60; ++m)
            for (int s = 0; s < 60; s += 7)
                for (double frac : {0.0, 0.25, 0.999}) {
                    const double x = d + m / 100.0 + (s + frac) / 10000.0;
                    EXPECT_NEAR(d + m / 60.0 + (s + frac) / 3600.0, cdeg(x), 1e-12) << x;
                    EXPECT_NEAR(x, cdms(cdeg(x)), 1e-12) << x;
                    EXPECT_NEAR(-x, cdms(cdeg(-x)), 1e-12) << x;
                }
    EXPECT_NEAR(0.0001, cdms(1.0 / 3600), 1e-15);
}

TEST(Dms, TextFormatsAndCarries) {
    const double v = 12 + 30 / 60.0 + 45.6 / 3600, w = 1 + 2 / 60.0 + 3 / 3600.0;
    const struct { double deg; int n, hyphen; const char *text; } cases[] = {
        {v, 2, 0, "12 30 45.60"},  {v, 2, 1, "12-30-45.60"},       {-v, 2, 1, "-12-30-45.60"},
        {v, 0, 0, "12 30 46"},     {w, 0, 0, "1  2  3"},           {w, 6, 1, "1-02-03.000000"},
        {12.999999, 0, 0, "13  0  0"}, {-0.5, 1, 1, "-0-30-00.0"},
        {1.0 - 0.001 / 3600, 2, 1, "1-00-00.00"}};
    for (const auto &c : cases) EXPECT_EQ(c.text, dms(c.deg, c.n, c.hyphen));
    char out[ZEK_DMS_TEXT_SIZE];
    ChgDmsToDms(12.3045, 0, out, 1);
    EXPECT_STREQ("12-30-45", out);
}

// minutes / 60.0 is often a hair below the minute: the seconds must not read 60.
TEST(Dms, WholeMinutesCarry) {
    for (int minutes = 0; minutes < 3000; minutes += 7)
        for (int n : {0, 3, 6}) {
            char want[32];
            std::snprintf(want, sizeof want, "%d-%02d-%0*.*f", minutes / 60, minutes % 60,
                          n ? n + 3 : 2, n, 0.0);
            EXPECT_EQ(want, dms(minutes / 60.0, n, 1));
        }
}

TEST(Dms, BadInput) {
    EXPECT_EQ("0-00-00", dms(-1e-9, 0, 1));  // rounds to nothing: no sign
    EXPECT_EQ(dms(1.2345678, 6, 0), dms(1.2345678, 9, 0));
    EXPECT_EQ(dms(1.2345678, 0, 0), dms(1.2345678, -2, 0));
    // Not numbers and values too large for their seconds are refused with empty text.
    for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -1e300})
        EXPECT_EQ("<refused:>", dms(bad, 0, 1)) << bad;
    EXPECT_EQ("<refused:>", dms(3000.0, 6, 1));
    EXPECT_EQ(0, ChgDegToDms(2000.0, 6, nullptr, 0));
    // The largest accepted value still fits the documented buffer.
    const std::string t = dms(-2.7e9, 0, 1);
    EXPECT_LT(t.size(), static_cast<size_t>(ZEK_DMS_TEXT_SIZE)) << t;
}

}  // namespace
