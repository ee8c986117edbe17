#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "zek2/strings.h"

namespace {

struct WildCase { const char *pattern; int kind; const char *first, *second, *patternAfter; };

const WildCase kCases[] = {
    {"", ZEK_WILD_EMPTY, "", "", ""},           {"abc", ZEK_WILD_PLAIN, "", "", "abc"},
    {"*", ZEK_WILD_ALL, "", "", "*"},           {"*abc", ZEK_WILD_SUFFIX, "abc", "", "*abc"},
    {"ab*cd", ZEK_WILD_PREFIX, "ab", "", "ab*cd"}, {"ab*/", ZEK_WILD_COUNT, "ab", "50", "ab*/"},
    {"ab*/20", ZEK_WILD_COUNT, "ab", "20", "ab*/20"}, {"*ab/7", ZEK_WILD_COUNT, "ab", "7", "*ab/7"},
    {"A/B", ZEK_WILD_RANGE, "A", "B", "A/B"},   {"/B", ZEK_WILD_PLAIN, "", "", "/B"},
    {"A/", ZEK_WILD_PLAIN, "", "", "A/"},    {"^abc", ZEK_WILD_CARET, "abc", "", "^abc"},
    {"^", ZEK_WILD_PLAIN, "", "", "^"},
    // Parts and plain patterns are cut to 15 bytes.
    {"0123456789abcdefgh", ZEK_WILD_PLAIN, "", "", "0123456789abcde"},
    {"0123456789abcdefgh*", ZEK_WILD_PREFIX, "0123456789abcde", "", nullptr},
    {"a/0123456789abcdefgh", ZEK_WILD_RANGE, "a", "0123456789abcde", nullptr},
    // A two-byte character across the cut is dropped whole.
    {"01234567890123\x83\x5C*", ZEK_WILD_PREFIX, "01234567890123", "", nullptr},
};

}  // namespace

TEST(GetWildCardName, SplitsPatterns)
{
    for (const WildCase &c : kCases) {
        char pattern[64];
        std::strcpy(pattern, c.pattern);
        char first[16] = "junk", second[16] = "junk";
        EXPECT_EQ(c.kind, GetWildCardName(pattern, first, second)) << c.pattern;
        EXPECT_EQ(std::string(first) + "|" + second, std::string(c.first) + "|" + c.second) << c.pattern;
        EXPECT_TRUE(!c.patternAfter || !std::strcmp(c.patternAfter, pattern)) << c.pattern;
    }
    char pattern[] = "a/b";
    EXPECT_EQ(ZEK_WILD_RANGE, GetWildCardName(pattern, nullptr, nullptr));
    char first[16] = "junk";
    EXPECT_EQ(ZEK_WILD_EMPTY, GetWildCardName(nullptr, first, nullptr));
    EXPECT_STREQ("", first);
}
