// Drive and write tests; their message boxes are answered by a helper thread.
#include <gtest/gtest.h>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

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
