// The daily run log: one text line per call, the day's file replaced once a
// month, months compared in local time (the suite runs at UTC+9).
#include <cstring>
#include <fstream>
#include <sstream>

#include "exec_util.h"

namespace {

int32_t ZEKAPI nothing(ZEK_object *) { return 1; }
const ZEK_member kRows[] = {proc_row("Survey", nothing)};

struct RunLog : ::testing::Test {
    std::string file;
    OwnExec e{kRows, 1};
    void SetUp() override
    {
        char root[MAX_PATH];
        GetTempPathA(sizeof root, root);
        std::strcat(root, "zek_exec_log");
        for (const char *sub : {"", "\\Prog", "\\UxLog"})
            CreateDirectoryA((root + std::string(sub)).c_str(), nullptr);
        const std::string program = root + std::string("\\Prog\\survey.exe");
        CloseHandle(CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_EQ(SetUxProgDir(program.c_str()), 1);
        SYSTEMTIME now;
        GetLocalTime(&now);
        file = GetUxLogFile(form("UxSys%02d.LOG", now.wDay), nullptr);
        DeleteFileA(file.c_str());
        e.m<int32_t>("bLogOn") = 1;
    }
    std::string text() const
    {
        std::stringstream s;
        s << std::ifstream(file, std::ios::binary).rdbuf();
        return s.str();
    }
    // A file last written at the given local time.
    void write(const char *content, SYSTEMTIME local) const
    {
        std::ofstream(file, std::ios::binary) << content;
        SYSTEMTIME utc;
        FILETIME ft;
        TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
        SystemTimeToFileTime(&utc, &ft);
        HANDLE f = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(f, nullptr, nullptr, &ft), CloseHandle(f);
    }
};

// "hh:mm:ss  text" and the line end of a text file
bool is_line(const std::string &s, size_t at, const std::string &text)
{
    const std::string line = s.substr(at);
    return line.size() == 12 + text.size() && line[2] == ':' && line[5] == ':' &&
           line.substr(8) == "  " + text + "\r\n";
}

}  // namespace

TEST_F(RunLog, EachCallIsALineAndTheSwitchStopsIt)
{
    EXPECT_EQ(Exec_ExecCall(e, "Survey", nullptr, 0, 0), 1);
    EXPECT_TRUE(is_line(text(), 0, "Survey")) << text();
    e.m<int32_t>("bLogOn") = 0;
    Exec_LogFile(e, "quiet");
    EXPECT_EQ(text().size(), 18u);
}

TEST_F(RunLog, AFileOfAnEarlierMonthIsReplacedOneOfThisMonthAppendedTo)
{
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    EXPECT_EQ(zone.Bias, -540) << "the suite runs in Asia/Tokyo";
    SYSTEMTIME written;
    GetLocalTime(&written);
    written.wYear -= 1, written.wDay = 1;
    write("old\n", written);
    Exec_LogFile(e, "new");
    EXPECT_TRUE(is_line(text(), 0, "new")) << text();
    // 00:30 on the 1st of this month is still last month in UTC: appended to.
    GetLocalTime(&written);
    written.wDay = 1, written.wHour = 0, written.wMinute = 30, written.wSecond = 0;
    write("first\n", written);
    Exec_LogFile(e, "again");
    EXPECT_TRUE(text().compare(0, 6, "first\n") == 0 && is_line(text(), 6, "again")) << text();
}

TEST_F(RunLog, AFileThatCannotBeOpenedLeavesTheCallRunning)
{
    CreateDirectoryA(file.c_str(), nullptr);  // a directory where the file would be
    EXPECT_EQ(Exec_ExecCall(e, "Survey", nullptr, 0, 0), 1);
    RemoveDirectoryA(file.c_str());
}
