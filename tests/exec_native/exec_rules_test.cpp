// The run log's names, lines and rotation; exception texts; help addresses.
#include <gtest/gtest.h>

#include <string>

#include "../../process/exception_text.h"
#include "../../process/exec_log_rules.h"
#include "../../process/help_address.h"

TEST(ExecLog, NamesLinesAndWhenADaysFileIsReplaced)
{
    EXPECT_EQ(exec_log_name(3), "UxSys03.LOG");
    EXPECT_EQ(exec_log_name(0) + exec_log_name(32), "");
    EXPECT_EQ(exec_log_line(9, 5, 0, "a\\Run"), "09:05:00  a\\Run\n");
    EXPECT_EQ(exec_log_open({2024, 3}, false, {0, 0}), LogOpen::Append);
    EXPECT_EQ(exec_log_open({2024, 3}, true, {2024, 3}), LogOpen::Append);
    EXPECT_EQ(exec_log_open({2024, 3}, true, {2024, 2}), LogOpen::Rewrite);
    EXPECT_EQ(exec_log_open({2024, 3}, true, {2023, 3}), LogOpen::Rewrite);
}

TEST(ExceptionText, TableTextsAndTheCodeOfAnyOther)
{
    char text[128];
    exception_text(0xC0000005u, text, sizeof text);
    EXPECT_STREQ(text, "不正なメモリーアクセスが発生しました");
    exception_text(0x80000003u, text, sizeof text);
    EXPECT_STREQ(text, "不明なエラーです 80000003 確認が必要です");
    exception_text(0x1Au, text, sizeof text);
    EXPECT_STREQ(text, "不明なエラーです 1a 確認が必要です");
    exception_text(0xC0000094u, text, 5);  // cut, terminated
    EXPECT_EQ(std::string(text).size(), 4u);
}

TEST(HelpAddress, TheFileOrTheFileAndTopicWithinTheBuffer)
{
    char out[32];
    EXPECT_TRUE(help_address("C:\\H\\Halvex.chm", "", out, sizeof out));
    EXPECT_STREQ(out, "C:\\H\\Halvex.chm");
    EXPECT_TRUE(help_address("C:\\H\\Halvex.chm", "a.htm", out, sizeof out));
    EXPECT_STREQ(out, "C:\\H\\Halvex.chm::/a.htm");
    EXPECT_FALSE(help_address("C:\\H\\Halvex.chm", "a-very-long-topic.htm", out, sizeof out));
    EXPECT_STREQ(out, "C:\\H\\Halvex.chm");  // the file alone
    EXPECT_FALSE(help_address(std::string(40, 'f').c_str(), nullptr, out, sizeof out));
    EXPECT_STREQ(out, "");
}
