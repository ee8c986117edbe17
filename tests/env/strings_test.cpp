#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "zek2/strings.h"

// "\x83\x5C" is one two-byte character whose trail byte is a backslash.

TEST(IsKanji, LeadByteRangesAndSignedChars)
{
    for (int b : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(IsKanji(b)) << b;
    for (int b : {0x00, 0x5C, 0x80, 0xA0, 0xDF, 0xFD})
        EXPECT_FALSE(IsKanji(b)) << b;
    EXPECT_TRUE(IsKanji(static_cast<char>(0x81)));  // negative as plain char
}

TEST(SetByteToWordStr, OneUnitPerCharacter)
{
    unsigned short wide[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(3, SetByteToWordStr("A\x83\x5C" "B", wide));
    EXPECT_EQ(0x41, wide[0]);
    EXPECT_EQ(0x835C, wide[1]);
    EXPECT_EQ(0x42, wide[2]);
    EXPECT_EQ(0, wide[3]);

    EXPECT_EQ(0, SetByteToWordStr("", wide));
    EXPECT_EQ(0, wide[0]);
    EXPECT_EQ(0, SetByteToWordStr(nullptr, wide));
    EXPECT_EQ(0, wide[0]);

    // A lead byte cut off by the end is a character of its own.
    EXPECT_EQ(2, SetByteToWordStr("a\x83", wide));
    EXPECT_EQ(0x83, wide[1]);
    EXPECT_EQ(0, wide[2]);
}

TEST(Scanners, TrailBytesAreNotSeparators)
{
    const char *text = "a\\b\x83\x5C";
    EXPECT_EQ(text + 1, strrchrJ(text, '\\'));
    EXPECT_EQ(nullptr, strrchrJ("\x83\x5C", '\\'));
    EXPECT_EQ(nullptr, strrchrJ("", 'a'));
    EXPECT_EQ(nullptr, strrchrJ(nullptr, 'a'));

    const char *path = "c:/dir\\\x83\x5C.txt";
    EXPECT_EQ(path + 6, strrchrS(path));
    const char *later = "a\\b/c";
    EXPECT_EQ(later + 3, strrchrS(later));
    EXPECT_EQ(nullptr, strrchrS("\x83\x5C"));
    EXPECT_EQ(nullptr, strrchrS(nullptr));
}

TEST(Scanners, SerchCStartIndex)
{
    const char *text = "\x83\x5C\\a\\";
    EXPECT_EQ(2, serch_c(text, 0, '\\'));
    EXPECT_EQ(2, serch_c(text, 1, '\\'));  // start on a trail byte
    EXPECT_EQ(4, serch_c(text, 3, '\\'));
    EXPECT_EQ(-1, serch_c(text, 5, '\\'));  // start at the end
    EXPECT_EQ(-1, serch_c(text, 100, '\\'));
    EXPECT_EQ(-1, serch_c(text, -1, '\\'));
    EXPECT_EQ(-1, serch_c(text, 0, 'z'));
    EXPECT_EQ(-1, serch_c(nullptr, 0, 'a'));
}

TEST(Scanners, StrupperJLeavesTwoByteCharacters)
{
    char text[] = "ab\x82\x61z1";
    strupperJ(text);
    EXPECT_STREQ("AB\x82\x61Z1", text);
    strupperJ(nullptr);
}

TEST(Scanners, StNcmpFindsBytes)
{
    EXPECT_EQ(2, st_ncmp("abcabc", "ca"));
    EXPECT_EQ(3, st_ncmp("abcd", "d"));
    EXPECT_EQ(-1, st_ncmp("abc", "abcd"));
    EXPECT_EQ(-1, st_ncmp("abc", "x"));
    EXPECT_EQ(-1, st_ncmp(nullptr, "a"));
}

TEST(Scanners, StNcpyClipsToTheSource)
{
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

TEST(Compare, StrcmpUFoldsOnlyLetters)
{
    EXPECT_EQ('C' - 'D', strcmpU("abc", "ABD"));
    EXPECT_EQ(0, strcmpU("MixEd", "mIXed"));
    EXPECT_EQ(1, strcmpU("abc", "ab"));
    EXPECT_EQ(-1, strcmpU("", "a"));
    EXPECT_GT(strcmpU("\xE0", "z"), 0);  // bytes are unsigned
    EXPECT_NE(0, strcmpU("[", "{"));     // only a-z fold
    EXPECT_EQ(-1, strcmpU(nullptr, "a"));
}

TEST(Compare, StrncmpUStopsAtCount)
{
    EXPECT_EQ(0, strncmpU("abcX", "ABCy", 3));
    EXPECT_NE(0, strncmpU("abcX", "ABCy", 4));
    EXPECT_EQ(0, strncmpU("a", "b", 0));
    EXPECT_EQ(0, strncmpU("a", "b", -3));
    EXPECT_EQ(-1, strncmpU("ab", "abc", 5));
}

TEST(Compare, StCmpNaturalOrder)
{
    EXPECT_EQ(-1, st_cmp("x9", "x10"));
    EXPECT_EQ(-1, st_cmp("x10", "y1"));
    EXPECT_EQ(0, st_cmp("a12b3", "a12b3"));
    EXPECT_EQ(-1, st_cmp("a2b10", "a10b2"));
    EXPECT_EQ(-1, st_cmp("a", "a1"));
    EXPECT_EQ(-1, st_cmp("", "a"));
    EXPECT_EQ(0, st_cmp(nullptr, ""));
    // Runs of 15 digits or more are not padded.
    EXPECT_EQ(1, st_cmp("123456789012345", "99"));
}

TEST(Compare, StCmpLongStringsCompareWhole)
{
    const std::string stem(300, 'p');
    EXPECT_EQ(-1, st_cmp((stem + "x9").c_str(), (stem + "x10").c_str()));
    EXPECT_EQ(1, st_cmp((stem + "b").c_str(), (stem + "a").c_str()));
    EXPECT_EQ(0, st_cmp((stem + "7").c_str(), (stem + "7").c_str()));
    std::string digits1(40, '1'), digits2(40, '1');
    digits2.back() = '2';
    EXPECT_EQ(-1, st_cmp(digits1.c_str(), digits2.c_str()));
}

TEST(Compare, DbKeyCmpNumberFirst)
{
    EXPECT_EQ(-1, DbKeyCmp(-1, "z", 1, "a"));
    EXPECT_EQ(1, DbKeyCmp(2, "a", 1, "z"));
    EXPECT_EQ(-1, DbKeyCmp(5, "n2", 5, "n10"));
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
    EXPECT_TRUE(std::isnan(n) && m == 1);

    ChgSwab(&m, nullptr);
    ChgMinMax(nullptr, &m);
    EXPECT_EQ(1, m);
}
