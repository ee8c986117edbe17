// CreateTreeDirectory on the disk, including names with the trail byte 0x5C.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

#define HYO "\x95\x5C"  // 表
#define SO "\x83\x5C"   // ソ

int create(const std::string &path)
{
    char buffer[MAX_PATH * 2];
    std::strcpy(buffer, path.c_str());
    return CreateTreeDirectory(buffer);
}

TEST(CreateTreeDirectory, CreatesEveryLevelAndDropsOneTrailingBackslash)
{
    ScratchDir dir("tree");
    char path[MAX_PATH];
    std::strcpy(path, (dir / "a\\b\\c\\").c_str());
    EXPECT_EQ(CreateTreeDirectory(path), 1);
    EXPECT_EQ(std::string(path), dir / "a\\b\\c");
    EXPECT_TRUE(isDirectory(dir / "a\\b\\c"));
    EXPECT_EQ(CreateTreeDirectory(path), 1) << "existing levels are fine";

    writeFile(dir / "file");
    EXPECT_EQ(create(dir / "file\\sub"), 0);
    EXPECT_EQ(create(dir / "file"), 0) << "a file is not a directory";
    EXPECT_EQ(create(""), 0);
    EXPECT_EQ(CreateTreeDirectory(nullptr), 0);

    // Relative and rooted paths create their first level.
    char saved[MAX_PATH];
    GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.path().c_str()));
    EXPECT_EQ(create("r1\\r2"), 1);
    EXPECT_EQ(create((dir / "s1\\s2").substr(2)), 1) << "rooted on the current drive";
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(isDirectory(dir / "r1\\r2") && isDirectory(dir / "s1\\s2"));
}

TEST(CreateTreeDirectory, NamesWithTrailByte5C)
{
    ScratchDir dir("sjis");
    char path[MAX_PATH];
    std::strcpy(path, (dir / HYO "\\" SO).c_str());
    EXPECT_EQ(CreateTreeDirectory(path), 1);
    EXPECT_EQ(std::string(path), dir / HYO "\\" SO) << "a trail byte is no trailing backslash";
    EXPECT_TRUE(isDirectory(dir / HYO "\\" SO));
    // The only entry made is 表 itself, not one named by its lead byte.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
