#include <gtest/gtest.h>

#include "../../process/title_match.h"

TEST(TitleMatch, ModesCompareLengthsBeforeBytes) {
    EXPECT_EQ(title_match_count("Plan", "Plan", kTitleEquals), 1);
    EXPECT_EQ(title_match_count("Plan", "Pla", kTitleEquals), 0);
    EXPECT_EQ(title_match_count("xPlan", "Plan", kTitleEndsWith), 0);   // one longer
    EXPECT_EQ(title_match_count("xyPlan", "Plan", kTitleEndsWith), 1);  // two longer
    EXPECT_EQ(title_match_count("an", "Plan", kTitleEndsWith), 0);      // text longer
    EXPECT_EQ(title_match_count("Pl", "Plan", kTitleBeginsWith), 0);
    EXPECT_EQ(title_match_count("Plan--Plan", "Plan", kTitleBeginsOrEnds), 2);
    EXPECT_EQ(title_match_count("Plan", "Plan", 5), 0);
    EXPECT_EQ(title_match_count(nullptr, "Plan", kTitleEquals), 0);
    EXPECT_EQ(title_match_count("Plan", nullptr, kTitleBeginsWith), 0);
}

TEST(TitleMatch, CountingGoesOnExceptByClass) {
    WindowSearch s = window_search_start("Plan", kTitleBeginsOrEnds, true);
    EXPECT_TRUE(window_search_take(s, "Plan--Plan", 1));
    EXPECT_TRUE(window_search_take(s, "other", 2));
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.found, 1u);
    WindowSearch c = window_search_start("Edit", kClassEquals, true);
    EXPECT_FALSE(window_search_take(c, "Edit", 3));
    EXPECT_EQ(c.count, 1);
}
