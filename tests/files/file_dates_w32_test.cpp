// Last-write times as MS-DOS date and time and as a SYSTEMTIME.
#include <gtest/gtest.h>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

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

}  // namespace
