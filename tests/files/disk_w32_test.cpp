// Free disk space, the current drive and per-computer file names.
#include <gtest/gtest.h>

#include <string>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

TEST(Disk, FreeSpaceDriveAndPerComputerNames)
{
    ScratchDir dir("disk");
    ULARGE_INTEGER available, total, free;
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.path().c_str(), &available, &total, &free));
    const int64_t space = GetDiskSpace(dir.path().c_str());
    EXPECT_GT(space, 0);
    EXPECT_LE(space, int64_t(total.QuadPart));
    EXPECT_EQ(GetDiskSpace((dir / "no\\such").c_str()), 0);
    EXPECT_EQ(GetDiskSpace(nullptr), 0);

    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(GetDiskDrv(), static_cast<unsigned char>(current[0]));

    // Per-computer names: the computer name goes before the file name.
    char name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    const std::string pc = name;
    EXPECT_EQ(std::string(GetNetFileName("D:\\data\\job.dat")), "D:\\data\\" + pc + ".job.dat");
    EXPECT_EQ(std::string(GetNetFileName("job.dat")), pc + ".job.dat");
    EXPECT_EQ(std::string(GetNetFileName("a/b\\c/d.x")), "a/b\\c\\" + pc + ".d.x");
    EXPECT_EQ(std::string(GetNetFileName("D:\\\x95\x5C")), "D:\\" + pc + ".\x95\x5C") << "表 is not split";
    EXPECT_EQ(GetNetFileName(nullptr), nullptr);
    EXPECT_EQ(GetNetFileName(std::string(MAX_PATH, 'n').c_str()), nullptr) << "never cut";
}

}  // namespace
