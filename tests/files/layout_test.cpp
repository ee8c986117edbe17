// The levels CreateTreeDirectory creates and the directory table derived from
// a program's path.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../../env/dir_table.h"
#include "../../env/tree_levels.h"

namespace {

using Levels = std::vector<std::string>;

Levels levels(const char *path)
{
    Levels made;
    for (size_t end : zek_tree_levels(path))
        made.emplace_back(path, end);
    return made;
}

// Every creatable level; 表 = 0x95 0x5C and ソ = 0x83 0x5C do not split a name.
TEST(Layout, EveryCreatableLevelAndADirectoryTableAllOrNothing)
{
    const struct { const char *path; Levels want; } cases[] = {
        {"C:\\a\\b\\", {"C:\\a", "C:\\a\\b"}}, {"C:/a\\\\b", {"C:/a", "C:/a\\\\b"}},
        {"\\a\\b", {"\\a", "\\a\\b"}}, {"C:a\\b", {"C:a", "C:a\\b"}},
        {"\\\\pc\\share\\a\\b", {"\\\\pc\\share\\a", "\\\\pc\\share\\a\\b"}},
        {"\\\\pc\\share", {}}, {"C:\\", {}}, {nullptr, {}}, {"\x95\x5C\x83\x5C", {"\x95\x5C\x83\x5C"}}};
    for (const auto &c : cases)
        EXPECT_EQ(levels(c.path), c.want) << (c.path ? c.path : "null");
    EXPECT_EQ(levels("C:\\\x95\x5C\\\x83\x5C" "x"), (Levels{"C:\\\x95\x5C", "C:\\\x95\x5C\\\x83\x5C" "x"}));

    // The directory table: all or nothing when a directory would not fit.
    char table[kDirCount][kDirBytes];
    ASSERT_TRUE(zek_make_dir_table("C:\\app.exe", table));
    EXPECT_STREQ(table[kDirRoot], "C:") << "a program in the root is its own root";
    EXPECT_STREQ(table[kDirProg], "C:");
    std::memset(table, 'k', sizeof table);
    // The longest entry is root + "\UxSakuhyo": a root of 253 bytes just fits.
    const std::string root = "C:\\" + std::string(250, 'r');
    ASSERT_TRUE(zek_make_dir_table((root + "\\b\\x").c_str(), table));
    EXPECT_EQ(std::strlen(table[kDirSakuhyo]), size_t(kDirBytes - 1));

    char before[kDirCount][kDirBytes];
    std::memcpy(before, table, sizeof table);
    EXPECT_FALSE(zek_make_dir_table((root + "r\\b\\x").c_str(), table));
    EXPECT_EQ(std::memcmp(table, before, sizeof table), 0);
}

}  // namespace
