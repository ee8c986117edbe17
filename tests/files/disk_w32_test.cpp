// The disk: free space, the current drive and per-computer file names, file
// dates, and the drive and write checks, whose message boxes a helper thread
// answers.
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
    EXPECT_TRUE(space > 0 && space <= int64_t(total.QuadPart)) << space;
    EXPECT_EQ(GetDiskSpace((dir / "no\\such").c_str()) | GetDiskSpace(nullptr), 0);

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
    EXPECT_FALSE(GetNetFileName(nullptr) || GetNetFileName(std::string(MAX_PATH, 'n').c_str())) << "never cut";
}

// 2021-07-15 13:45:30 (MS-DOS seconds count in twos).
const unsigned short kDate = ((2021 - 1980) << 9) | (7 << 5) | 15;
const unsigned short kTime = (13 << 11) | (45 << 5) | (30 / 2);

TEST(FileDates, SetAndReadBackAndFailuresLeaveOutputsAndTimesAlone)
{
    ScratchDir dir("dates");
    const std::string file = dir / "d.dat", missing = dir / "missing.dat";
    writeFile(file);
    ASSERT_EQ(SetFdate(file.c_str(), kDate, kTime), 1);
    unsigned short date = 0, time = 0;
    ASSERT_EQ(GetFdate(file.c_str(), &date, &time), 1);
    EXPECT_TRUE(date == kDate && time == kTime) << date << " " << time;
    SYSTEMTIME st{};
    ASSERT_EQ(GetFileTimeDir(file.c_str(), &st), 1);
    EXPECT_EQ(st.wYear * 10000 + st.wMonth * 100 + st.wDay, 20210715);
    EXPECT_EQ(st.wHour * 10000 + st.wMinute * 100 + st.wSecond, 134530);
    EXPECT_EQ(SetFdate(file.c_str(), ((2021 - 1980) << 9) | (13 << 5) | 1, kTime), 0) << "month 13";

    ASSERT_EQ(SetFdate(dir.path().c_str(), kDate, kTime), 1);
    date = 7;
    EXPECT_EQ(GetFdate(dir.path().c_str(), &date, nullptr), 1) << "a null output is skipped";
    EXPECT_EQ(date, kDate);

    date = 7;
    EXPECT_EQ(GetFdate(missing.c_str(), &date, &time) | GetFdate(nullptr, &date, &time), 0);
    EXPECT_EQ(date, 7);
    EXPECT_EQ(SetFdate(missing.c_str(), kDate, kTime) | GetFileTimeDir(missing.c_str(), &st) |
                  GetFileTimeDir(dir.path().c_str(), nullptr), 0);
    ASSERT_EQ(GetFdate(file.c_str(), &date, &time), 1);
    EXPECT_EQ(date, kDate) << "the refused month 13 left the time alone";
}

TEST(TestDriveCheck, ReportsHowTheFileOpens)
{
    ScratchDir dir("drive");
    const std::string file = dir / "a.dat";
    writeFile(file);
    EXPECT_EQ(TestDriveCheck(file.c_str()), 0);
    EXPECT_EQ(TestDriveCheck((dir / "missing.dat").c_str()), 2);
    EXPECT_EQ(TestDriveCheck(nullptr), 2);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS)) << "the thread's last error is cleared";
    EXPECT_EQ(TestDriveCheck(dir.path().c_str()), 3) << "a directory: access denied";
    // Held open without sharing: the open fails with a sharing violation.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(TestDriveCheck(file.c_str()), 2);
    CloseHandle(held);
}

// A writable directory passes without a box and leaves nothing; failures show
// their message and return 0.
TEST(TestFileWriteCheck, FailuresShowTheirMessageAndReturnZero)
{
    ScratchDir dir("write");
    // A directory standing where the test file would go cannot be opened.
    CreateDirectoryA((dir / "busy").c_str(), nullptr);
    CreateDirectoryA((dir / "busy\\_File_Write_Test_899.TST").c_str(), nullptr);
    const std::string dirs[] = {dir.path(), "", dir / "no\\such", dir / "busy", dir / std::string(MAX_PATH, 'x')};
    const char *const messages[] = {nullptr, nullptr, "ホルダーの選択を確認して下さい", "ファイルが開けません",
                                    "ファイルが開けません"};
    for (int i = 0; i < 5; ++i) {
        BoxAnswerer answerer("エラーメッセージ", messages[i] ? 10000 : 1000);
        EXPECT_EQ(TestFileWriteCheck(i == 1 ? nullptr : dirs[i].c_str()), i == 0) << i;
        EXPECT_EQ(answerer.seen(), messages[i] != nullptr) << i;
        EXPECT_EQ(answerer.text(), messages[i] ? messages[i] : "") << i;
    }
    EXPECT_EQ(GetFileAttributesA((dir / "_File_Write_Test_899.TST").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
