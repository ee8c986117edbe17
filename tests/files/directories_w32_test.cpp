// The shared directory table, set here and in a second process.
#include <gtest/gtest.h>

#include "../peer_process.h"

#include <cstring>
#include <string>
#include <vector>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

char *(ZEKAPI *const kDirs[])(void) = {GetUxRootDir, GetUxProgDir, GetUxDataDir, GetUxFontDir,
                                       GetUxHelpDir, GetUxTempDir, GetUxLogDir, GetUxToolDir,
                                       GetUxSnbolDir, GetUxSakuhyoDir, GetUxAutoBackupDir};
char *(ZEKAPI *const kFiles[])(const char *, char *) = {
    GetUxProgFile, GetUxDataFile, GetUxFontFile, GetUxHelpFile, GetUxTempFile,
    GetUxLogFile, GetUxToolFile, GetUxSnbolFile, GetUxSakuhyoFile, GetUxAutoBackupFile};
const char *const kBelowRoot[] = {"UxData", "UxFont", "UxHelp", "UxTemp", "UxLog",
                                  "UxTool", "UxSnbol", "UxSakuhyo", "UxBackup"};

std::string parentOf(const std::string &path) { return path.substr(0, path.rfind('\\')); }

// Leaves the stack below the caller full of non-zero bytes.
__attribute__((noinline)) void dirty_stack()
{
    volatile char junk[64 * 1024];
    for (size_t i = 0; i < sizeof junk; ++i)
        junk[i] = '\xA5';
}

DWORD runPeer(const std::string &arguments) { return run_peer_program("zek_dirs_peer.exe " + arguments); }

// Other programs share the table: it is put back as it was.
struct DirectoryTable : ::testing::Test {
    void SetUp() override
    {
        for (int i = 0; i < 11; ++i)
            std::strcpy(saved_[i], kDirs[i]());
        ASSERT_EQ(SetUxProgDir("test_files.exe"), 1);
    }
    void TearDown() override
    {
        for (int i = 0; i < 11; ++i)
            std::strcpy(kDirs[i](), saved_[i]);
    }
    char saved_[11][264];
};

std::vector<std::string> table()
{
    std::vector<std::string> t;
    for (auto dir : kDirs)
        t.push_back(dir());
    return t;
}

TEST_F(DirectoryTable, FilledFromTheProgramFoundOnThePathAndSharedWithASecondProcess)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string prog = parentOf(self), root = parentOf(prog);
    std::vector<std::string> want = {root, prog};
    for (const char *below : kBelowRoot)
        want.push_back(root + "\\" + below);
    EXPECT_EQ(table(), want);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(std::string(kFiles[i]("a.dat", nullptr)), std::string(kDirs[1 + i]()) + "\\a.dat");
    char buffer[MAX_PATH] = "";
    EXPECT_TRUE(GetUxTempFile("t.tmp", buffer) == buffer && buffer == root + "\\UxTemp\\t.tmp");
    // No cut paths: a result beyond 259 bytes, or no name, gives "".
    EXPECT_TRUE(GetUxLogFile(std::string(MAX_PATH, 'n').c_str(), buffer) == buffer && !buffer[0]);
    EXPECT_STREQ(GetUxDataFile(nullptr, nullptr), "");

    // Every process reads the table: the bytes behind each name are zero,
    // never what the setting process's stack held.
    dirty_stack();
    ASSERT_EQ(SetUxProgDir("test_files.exe"), 1);
    for (int i = 0; i < 11; ++i) {
        const char *d = kDirs[i]();
        for (size_t b = std::strlen(d); b < 264; ++b)
            ASSERT_EQ(d[b], 0) << i << " byte " << b;
    }
    // Unchanged when the program is not found.
    const auto before = table();
    const std::string missing = "zek_missing_" + std::to_string(GetCurrentProcessId()) + ".exe";
    EXPECT_EQ(SetUxProgDir(missing.c_str()) | SetUxProgDir(nullptr), 0);
    EXPECT_EQ(table(), before);

    // Seen and set by a second process.
    EXPECT_EQ(runPeer("expect 10 \"" + std::string(GetUxAutoBackupDir()) + "\""), 0u);
    std::strcpy(GetUxRootDir(), "X:\\Elsewhere");
    std::strcpy(GetUxDataDir(), "X:\\Elsewhere\\UxData");
    EXPECT_EQ(runPeer("expect 2 X:\\Elsewhere\\UxData"), 0u);
    EXPECT_EQ(runPeer("set zek_dirs_peer.exe"), 1u);
    EXPECT_EQ(std::string(GetUxRootDir()), root);
    EXPECT_EQ(std::string(GetUxDataDir()), root + "\\UxData");
}

}  // namespace
