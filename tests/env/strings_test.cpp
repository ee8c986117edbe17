#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "zek2/strings.h"

// "\x83\x5C" is one two-byte character whose trail byte is a backslash.

TEST(SetByteToWordStr, OneUnitPerCharacterAndLeadByteEdges)
{
    for (int b : {0x80, 0x81, 0x9F, 0xA0, 0xDF, 0xE0, 0xFC, 0xFD})
        EXPECT_EQ(IsKanji(b), (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) << b;
    EXPECT_TRUE(IsKanji(static_cast<char>(0x81)));  // negative as plain char

    unsigned short wide[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(3, SetByteToWordStr("A\x83\x5C" "B", wide));
    EXPECT_TRUE(wide[0] == 0x41 && wide[1] == 0x835C && wide[2] == 0x42 && wide[3] == 0);
    for (const char *empty : {"", static_cast<const char *>(nullptr)}) {
        wide[0] = 1;
        EXPECT_TRUE(SetByteToWordStr(empty, wide) == 0 && wide[0] == 0);
    }
    // A lead byte cut off by the end is a character of its own.
    EXPECT_EQ(2, SetByteToWordStr("a\x83", wide));
    EXPECT_TRUE(wide[1] == 0x83 && wide[2] == 0);
}

TEST(Scanners, TrailBytesAreNotSeparatorsAndRangesStayInTheText)
{
    const char *text = "a\\b\x83\x5C";
    EXPECT_EQ(text + 1, strrchrJ(text, '\\'));
    EXPECT_FALSE(strrchrJ("\x83\x5C", '\\') || strrchrJ("", 'a') || strrchrJ(nullptr, 'a'));
    const char *path = "c:/dir\\\x83\x5C.txt", *later = "a\\b/c";
    EXPECT_EQ(path + 6, strrchrS(path));
    EXPECT_EQ(later + 3, strrchrS(later));
    EXPECT_FALSE(strrchrS("\x83\x5C") || strrchrS(nullptr));
    char upper[] = "ab\x82\x61z1";
    strupperJ(upper);
    EXPECT_STREQ("AB\x82\x61Z1", upper);
    strupperJ(nullptr);

    // serch_c from a start on a trail byte, at the end, past the end, before the start.
    const char *marks = "\x83\x5C\\a\\";
    const int cases[][2] = {{0, 2}, {1, 2}, {3, 4}, {5, -1}, {100, -1}, {-1, -1}};
    for (const auto &c : cases) EXPECT_EQ(c[1], serch_c(marks, c[0], '\\')) << c[0];
    EXPECT_EQ(-1, serch_c(marks, 0, 'z') & serch_c(nullptr, 0, 'a'));
    EXPECT_EQ(2, st_ncmp("abcabc", "ca"));
    EXPECT_EQ(3, st_ncmp("abcd", "d"));
    EXPECT_EQ(-1, st_ncmp("abc", "abcd") & st_ncmp("abc", "x") & st_ncmp(nullptr, "a"));
    char dst[16] = "junk";
    EXPECT_EQ(dst, st_ncpy(dst, "abcdef", 1, 3));
    EXPECT_STREQ("bcd", dst);
    EXPECT_STREQ("", st_ncpy(dst, "abcdef", 3, 2));
    EXPECT_STREQ("ef", st_ncpy(dst, "abcdef", 4, 100));
    EXPECT_STREQ("", st_ncpy(dst, "abc", 10, 20));
    EXPECT_STREQ("ab", st_ncpy(dst, "abc", -5, 1));
    EXPECT_STREQ("", st_ncpy(dst, nullptr, 0, 3));
    char inPlace[] = "0123456";
    EXPECT_STREQ("234", st_ncpy(inPlace, inPlace, 2, 4));
}

TEST(Compare, CaseFoldingAndNaturalOrder)
{
    // Bytes are unsigned; only a-z fold.
    EXPECT_EQ((std::vector<int>{strcmpU("abc", "ABD"), strcmpU("MixEd", "mIXed"), strcmpU("abc", "ab"),
                                strcmpU("", "a"), strcmpU("\xE0", "z") > 0, strcmpU("[", "{") != 0,
                                strcmpU(nullptr, "a")}),
              (std::vector<int>{'C' - 'D', 0, 1, -1, 1, 1, -1}));
    EXPECT_EQ((std::vector<int>{strncmpU("abcX", "ABCy", 3), strncmpU("abcX", "ABCy", 4) != 0,
                                strncmpU("a", "b", -3), strncmpU("ab", "abc", 5)}),
              (std::vector<int>{0, 1, 0, -1}));

    const std::string stem(300, 'p'), ones(40, '1');
    const struct { std::string a, b; int want; } cases[] = {
        {"x9", "x10", -1}, {"x10", "y1", -1}, {"a12b3", "a12b3", 0}, {"a2b10", "a10b2", -1},
        {"a", "a1", -1}, {"", "a", -1},
        {"123456789012345", "99", 1},  // runs of 15 digits or more are not padded
        {stem + "x9", stem + "x10", -1}, {stem + "b", stem + "a", 1}, {stem + "7", stem + "7", 0},
        {ones, ones.substr(1) + "2", -1}};
    for (const auto &c : cases) EXPECT_EQ(c.want, st_cmp(c.a.c_str(), c.b.c_str())) << c.a;
    EXPECT_EQ(0, st_cmp(nullptr, ""));
    EXPECT_EQ((std::vector<int>{DbKeyCmp(-1, "z", 1, "a"), DbKeyCmp(2, "a", 1, "z"), DbKeyCmp(5, "n2", 5, "n10")}),
              (std::vector<int>{-1, 1, -1}));
}

TEST(Doubles, SwapAndOrder)
{
    double v[4] = {1, 2, 3, 4};
    ChgSwab2(&v[0], &v[1], &v[2], &v[3]);
    EXPECT_TRUE(v[0] == 3 && v[1] == 4 && v[2] == 1 && v[3] == 2);
    double r[4] = {5, -1, 2, 7};  // corners (5, -1) and (2, 7)
    ChgMinMax2(&r[0], &r[1], &r[2], &r[3]);
    EXPECT_TRUE(r[0] == 2 && r[1] == -1 && r[2] == 5 && r[3] == 7);
    double n = NAN, m = 1;
    ChgMinMax(&n, &m);
    ChgSwab(&m, nullptr);
    ChgMinMax(nullptr, &m);
    EXPECT_TRUE(std::isnan(n) && m == 1);
}

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
