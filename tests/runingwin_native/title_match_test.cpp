#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../process/title_match.h"

namespace {

TEST(TitleMatch, ModesCompareLengthsBeforeBytes) {
    EXPECT_EQ(title_match_count("Survey", "Survey", kTitleEquals), 1);
    EXPECT_EQ(title_match_count("Survey", "Surv", kTitleEquals), 0);
    EXPECT_EQ(title_match_count("xPlan", "Plan", kTitleEndsWith), 0);   // one longer
    EXPECT_EQ(title_match_count("xyPlan", "Plan", kTitleEndsWith), 1);  // two longer
    EXPECT_EQ(title_match_count("an", "Plan", kTitleEndsWith), 0);      // text longer than title
    EXPECT_EQ(title_match_count("", "ab", kTitleEndsWith), 0);
    EXPECT_EQ(title_match_count("Plan 1", "Plan", kTitleBeginsWith), 1);
    EXPECT_EQ(title_match_count("Pl", "Plan", kTitleBeginsWith), 0);
    EXPECT_EQ(title_match_count("Plan--Plan", "Plan", kTitleBeginsOrEnds), 2);
    EXPECT_EQ(title_match_count("Plan", "Plan", kTitleBeginsOrEnds), 1);
    EXPECT_EQ(title_match_count("Edit", "Edit", kClassEquals), 1);
    EXPECT_EQ(title_match_count("Plan", "Plan", 5), 0);
    EXPECT_EQ(title_match_count(nullptr, "Plan", kTitleEquals), 0);
    EXPECT_EQ(title_match_count("Plan", nullptr, kTitleBeginsWith), 0);
    EXPECT_TRUE(title_match_reads_class(kClassEquals));
    EXPECT_FALSE(title_match_reads_class(kTitleBeginsOrEnds));
}

struct Window { const char *name; uintptr_t handle; };
const std::vector<Window> kWindows = {
    {"other", 1}, {"abPlan", 2}, {"Plan--Plan", 3}, {"Plan", 4}, {"xyzPlan", 5}};

WindowSearch run(const char *text, int32_t mode, bool counting) {
    WindowSearch s = window_search_start(text, mode, counting);
    for (const Window &w : kWindows)
        if (!window_search_take(s, w.name, w.handle))
            break;
    return s;
}

TEST(TitleMatch, SearchGivesFirstMatchOrLastWithCount) {
    WindowSearch first = run("Plan", kTitleEndsWith, false);
    EXPECT_EQ(first.found, 2u);
    EXPECT_EQ(first.count, 0);
    WindowSearch last = run("Plan", kTitleEndsWith, true);
    EXPECT_EQ(last.found, 5u);
    EXPECT_EQ(last.count, 3);
    WindowSearch both = run("Plan", kTitleBeginsOrEnds, true);  // 3 and 4 begin; 2, 3, 5 end
    EXPECT_EQ(both.count, 5);
    EXPECT_EQ(both.found, 5u);
    WindowSearch none = run("Plan", 9, true);
    EXPECT_EQ(none.found, 0u);
    EXPECT_EQ(none.count, 0);
}

TEST(TitleMatch, ClassSearchStopsAtFirstEvenWhenCounting) {
    WindowSearch s = window_search_start("Edit", kClassEquals, true);
    EXPECT_TRUE(window_search_take(s, "Button", 1));
    EXPECT_FALSE(window_search_take(s, "Edit", 2));
    EXPECT_EQ(s.found, 2u);
    EXPECT_EQ(s.count, 1);
}

TEST(TitleMatch, NthNameCountsFromOne) {
    auto nth = [](int32_t n) {
        NthNameSearch s = nth_name_start("OK", n);
        const char *names[] = {"OK", "Cancel", "OK", "OK"};
        for (uintptr_t i = 0; i < 4; ++i)
            if (!nth_name_take(s, names[i], i + 1))
                break;
        return s.found;
    };
    EXPECT_EQ(nth(0), 0u);
    EXPECT_EQ(nth(-1), 0u);
    EXPECT_EQ(nth(1), 1u);
    EXPECT_EQ(nth(2), 3u);
    EXPECT_EQ(nth(4), 0u);
}

}  // namespace
