// Drive and write tests; their message boxes are answered by a helper thread.
#include <gtest/gtest.h>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

const char kTitle[] = "エラーメッセージ";

TEST(TestDriveCheck, ReportsHowTheFileOpens)
{
    ScratchDir dir("drive");
    const std::string file = dir / "a.dat";
    writeFile(file);
    EXPECT_EQ(TestDriveCheck(file.c_str()), 0);
    EXPECT_EQ(TestDriveCheck((dir / "missing.dat").c_str()), 2);
    EXPECT_EQ(TestDriveCheck(nullptr), 2);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS)) << "the thread's last error is cleared";

    // A directory is not a file to open: access denied.
    EXPECT_EQ(TestDriveCheck(dir.path().c_str()), 3);

    // Held open without sharing: the open fails with a sharing violation.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(TestDriveCheck(file.c_str()), 2);
    CloseHandle(held);
}

TEST(TestFileWriteCheck, WritableDirectoryPassesWithoutABoxAndLeavesNothing)
{
    ScratchDir dir("write");
    BoxAnswerer answerer(kTitle, 1000);
    EXPECT_EQ(TestFileWriteCheck(dir.path().c_str()), 1);
    EXPECT_EQ(TestFileWriteCheck(nullptr), 0);
    EXPECT_FALSE(answerer.seen()) << "no box for success, nor for a null directory";
    EXPECT_EQ(GetFileAttributesA((dir / "_File_Write_Test_899.TST").c_str()), INVALID_FILE_ATTRIBUTES);
}

struct FailingDirectory {
    const char *label;
    std::string directory;
    const char *message;
};

TEST(TestFileWriteCheck, FailuresShowTheirMessageAndReturnZero)
{
    ScratchDir dir("writefail");
    // A directory standing where the test file would go cannot be opened.
    CreateDirectoryA((dir / "busy").c_str(), nullptr);
    CreateDirectoryA((dir / "busy\\_File_Write_Test_899.TST").c_str(), nullptr);
    const FailingDirectory cases[] = {
        {"missing", dir / "no\\such", "ホルダーの選択を確認して下さい"},
        {"blocked", dir / "busy", "ファイルが開けません"},
        {"too long", dir / std::string(MAX_PATH, 'x'), "ファイルが開けません"},
    };
    for (const FailingDirectory &c : cases) {
        BoxAnswerer answerer(kTitle, 10000);
        EXPECT_EQ(TestFileWriteCheck(c.directory.c_str()), 0) << c.label;
        EXPECT_TRUE(answerer.seen()) << c.label;
        EXPECT_EQ(answerer.text(), c.message) << c.label;
    }
}

}  // namespace
