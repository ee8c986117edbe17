// Splitting command lines and comparing options.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "zek2/args.h"

namespace {

std::vector<std::string> split(const char *line, int *count)
{
    std::vector<char> buffer(std::strlen(line) + 1, 'X');
    std::vector<char *> argv(std::strlen(line) + 2, nullptr);
    EXPECT_EQ(setArgv(line, count, argv.data(), buffer.data()), *count);
    std::vector<std::string> out;
    for (int i = 1; i < *count; ++i) {
        EXPECT_GE(argv[i], buffer.data());
        EXPECT_LT(argv[i], buffer.data() + buffer.size());
        out.push_back(argv[i]);
    }
    return out;
}

using Args = std::vector<std::string>;

TEST(SetArgv, SplitsAtSpacesOutsideQuotes)
{
    int count = 0;
    EXPECT_EQ(split("a b", &count), (Args{"a", "b"}));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(split("\"a b\" c", &count), (Args{"\"a b\"", "c"}));
    EXPECT_EQ(split("a   b", &count), (Args{"a", "b"}));
    EXPECT_EQ(split("a b   ", &count), (Args{"a", "b"}));
    EXPECT_EQ(split(" a", &count), (Args{"", "a"})) << "a leading space gives an empty first";
    EXPECT_EQ(split("", &count), Args{});
    EXPECT_EQ(count, 1);
}

TEST(SetArgv, RunsOfSpacesBecomeNulBytes)
{
    const char line[] = "a   b";
    char buffer[sizeof line];
    char *argv[4] = {};
    int count = 0;
    setArgv(line, &count, argv, buffer);
    EXPECT_EQ(std::memcmp(buffer, "a\0\0\0b", 6), 0);
}

TEST(SetArgv, BackslashProtectsTheNextByte)
{
    int count = 0;
    EXPECT_EQ(split("a\\ b c", &count), (Args{"a\\ b", "c"}));
    EXPECT_EQ(split("\\\"a b", &count), (Args{"\\\"a", "b"}));
}

TEST(SetArgv, TrailingBackslashStaysInsideTheLine)
{
    int count = 0;
    EXPECT_EQ(split("a b\\", &count), (Args{"a", "b\\"}));
    // What follows the terminator must never be scanned as more arguments.
    char buffer[16];
    std::memset(buffer, 'Z', sizeof buffer);
    char *argv[8] = {};
    setArgv("x\\", &count, argv, buffer);
    EXPECT_EQ(count, 2);
    EXPECT_STREQ(argv[1], "x\\");
}

TEST(SetArgv, TrailByteOfTwoByteCharacterIsNotAnEscape)
{
    int count = 0;
    // 0x83 0x5C is one character whose trail byte is a backslash.
    EXPECT_EQ(split("\x83\x5C \x83\x5C\"q r\"", &count), (Args{"\x83\x5C", "\x83\x5C\"q r\""}));
    // A trail byte of 0x20 does not separate.
    EXPECT_EQ(split("\x81\x20x y", &count), (Args{"\x81\x20x", "y"}));
}

TEST(SetArgv, NullArgumentsAreRefused)
{
    char buffer[4];
    char *argv[4];
    int count = -1;
    EXPECT_EQ(setArgv(nullptr, &count, argv, buffer), 0);
    EXPECT_EQ(setArgv("a", nullptr, argv, buffer), 0);
    EXPECT_EQ(count, -1);
}

TEST(ArgCmp, MatchesPrefixesFoldingCaseAndSlashes)
{
    EXPECT_EQ(argcmp("/D", "/data"), 0);
    EXPECT_EQ(argcmp("\\d", "/data"), 0);
    EXPECT_EQ(argcmp("/data", "/data"), 0);
    EXPECT_EQ(argcmp("", "/data"), 0);
    EXPECT_EQ(argcmp("/x", "/data"), 1);
    EXPECT_EQ(argcmp("/datax", "/data"), 1);
    EXPECT_EQ(argcmp(nullptr, "/data"), 1);
}

}  // namespace
