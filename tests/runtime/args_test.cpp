// Splitting command lines and comparing options.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "zek2/args.h"

namespace {

using Args = std::vector<std::string>;

// The buffer is exactly as long as the line, so a scan past its end shows
// under the sanitizers.
Args split(const char *line)
{
    std::vector<char> buffer(std::strlen(line) + 1, 'X');
    std::vector<char *> argv(std::strlen(line) + 2, nullptr);
    int count = 0;
    EXPECT_EQ(setArgv(line, &count, argv.data(), buffer.data()), count);
    Args out;
    for (int i = 1; i < count; ++i)
        out.push_back(argv[i]);
    return out;
}

TEST(SetArgv, SplitsAtSpacesOutsideQuotesEscapesWholeCharactersAndRefusesNulls)
{
    const struct { const char *line; Args args; } cases[] = {
        {"a b", {"a", "b"}},        {"\"a b\" c", {"\"a b\"", "c"}}, {"a b   ", {"a", "b"}},
        {" a", {"", "a"}},           {"", {}},                        {"a\\ b c", {"a\\ b", "c"}},
        {"\\\"a b", {"\\\"a", "b"}}, {"a b\\", {"a", "b\\"}},
        // 0x83 0x5C and 0x95 0x5C (表) are characters whose trail byte is '\';
        // 0x81 0x20 has a trail byte ' '.
        {"\x83\x5C \x83\x5C\"q r\"", {"\x83\x5C", "\x83\x5C\"q r\""}},
        {"\x81\x20x y", {"\x81\x20x", "y"}},
        {"\"C:\\\x95\x5C\" x", {"\"C:\\\x95\x5C\"", "x"}},
        {"a\\\x95\x5C b", {"a\\\x95\x5C", "b"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(split(c.line), c.args) << c.line;

    // Runs of spaces become NUL bytes; null arguments are refused.
    char buffer[6];
    char *argv[4] = {};
    int count = -1;
    EXPECT_EQ(setArgv("", &count, argv, buffer), 1);
    EXPECT_EQ(setArgv("a   b", &count, argv, buffer), 3);
    EXPECT_EQ(std::memcmp(buffer, "a\0\0\0b", 6), 0);
    count = -1;
    EXPECT_EQ(setArgv(nullptr, &count, argv, buffer), 0);
    EXPECT_EQ(setArgv("a", nullptr, argv, buffer), 0);
    EXPECT_EQ(count, -1);
}

TEST(ArgCmp, MatchesPrefixesFoldingCaseAndSlashesButNotTrailBytes)
{
    const struct { const char *arg, *option; int result; } cases[] = {
        {"/D", "/data", 0},       {"\\d", "/data", 0},  {"/data", "/data", 0},
        {"", "/data", 0},         {"/x", "/data", 1},   {"/datax", "/data", 1},
        // ア (0x83 0x41) is not ャ (0x83 0x61); ソ (0x83 0x5C) is not 0x83 '/'.
        {"\x83\x41", "\x83\x61", 1}, {"\x83\x5C", "\x83/", 1}, {"/\x83\x41", "/\x83\x41x", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(argcmp(c.arg, c.option), c.result) << c.arg << " " << c.option;
    EXPECT_EQ(argcmp(nullptr, "/data"), 1);
}

}  // namespace
