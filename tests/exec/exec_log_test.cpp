// The daily run log: one line per call, the day's file replaced once a month,
// months compared in local time (the suite runs at UTC+9).
#include <fstream>
#include <sstream>
#include <string>

#include "exec_util.h"

namespace {

int32_t ZEKAPI nothing(ZEK_object *) { return 1; }
const ZEK_member kRows[] = {proc_row("Survey", nothing)};

struct LogDir : ::testing::Test {
    std::string root, logFile;
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        root = std::string(temp) + "zek_exec_log";
        for (const char *sub : {"", "\\Prog", "\\UxLog"})
            CreateDirectoryA((root + sub).c_str(), nullptr);
        const std::string program = root + "\\Prog\\survey.exe";
        CloseHandle(CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_EQ(SetUxProgDir(program.c_str()), 1);
        SYSTEMTIME now;
        GetLocalTime(&now);
        char name[16];
        wsprintfA(name, "\\UxSys%02d.LOG", now.wDay);
        logFile = root + "\\UxLog" + name;
        DeleteFileA(logFile.c_str());
    }
    std::string text() const
    {
        std::ifstream in(logFile, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void write(const char *content, SYSTEMTIME localWritten) const
    {
        { std::ofstream(logFile, std::ios::binary) << content; }
        SYSTEMTIME utc;
        FILETIME ft;
        TzSpecificLocalTimeToSystemTime(nullptr, &localWritten, &utc);
        SystemTimeToFileTime(&utc, &ft);
        HANDLE f = CreateFileA(logFile.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(f, nullptr, nullptr, &ft);
        CloseHandle(f);
    }
};

// "hh:mm:ss  text", a line of a text file
bool is_line(const std::string &s, size_t at, const std::string &text)
{
    const std::string line = s.substr(at, 12 + text.size());
    return line.size() == 12 + text.size() && line[2] == ':' && line[5] == ':' &&
           line.substr(8) == "  " + text + "\r\n";
}

}  // namespace

TEST_F(LogDir, EachCallIsALineAndTheSwitchStopsIt)
{
    OwnExec e(kRows, 1);
    e.m<int32_t>("bLogOn") = 1;
    EXPECT_EQ(Exec_ExecCall(e, "Survey", nullptr, 0, 0), 1);
    EXPECT_EQ(Exec_ExecCall(e, "Survey", nullptr, 0, 0), 1);
    const std::string s = text();
    EXPECT_EQ(s.size(), 2 * 18u) << s;
    EXPECT_TRUE(is_line(s, 0, "Survey") && is_line(s, 18, "Survey")) << s;
    e.m<int32_t>("bLogOn") = 0;
    Exec_LogFile(e, "quiet");
    EXPECT_EQ(text(), s);
}

TEST_F(LogDir, AFileOfAnEarlierMonthIsReplacedOneOfThisMonthAppendedTo)
{
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    EXPECT_EQ(zone.Bias, -540) << "the suite's zone is Asia/Tokyo";
    OwnExec e(nullptr, 0);
    e.m<int32_t>("bLogOn") = 1;
    SYSTEMTIME written;
    GetLocalTime(&written);
    written.wYear -= 1;  // the same day of the month a year ago
    written.wDay = 1;
    write("old\n", written);
    Exec_LogFile(e, "new");
    EXPECT_TRUE(is_line(text(), 0, "new")) << text();
    EXPECT_EQ(text().size(), 15u);
    // 00:30 on the 1st of this month is still last month in UTC: appended to.
    GetLocalTime(&written);
    written.wDay = 1, written.wHour = 0, written.wMinute = 30, written.wSecond = 0;
    write("first\n", written);
    Exec_LogFile(e, "again");
    EXPECT_EQ(text().substr(0, 6), "first\n");
    EXPECT_TRUE(is_line(text(), 6, "again")) << text();
}

TEST_F(LogDir, AFileThatCannotBeOpenedLeavesTheCallRunning)
{
    CreateDirectoryA(logFile.c_str(), nullptr);  // a directory where the file would be
    OwnExec e(kRows, 1);
    e.m<int32_t>("bLogOn") = 1;
    EXPECT_EQ(Exec_ExecCall(e, "Survey", nullptr, 0, 0), 1);
    RemoveDirectoryA(logFile.c_str());
}
