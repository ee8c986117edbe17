// Line bookkeeping of the shared log on a private ring.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../../env/shared_log.h"

namespace {

std::unique_ptr<SharedLog> fresh_log()
{
    auto log = std::make_unique<SharedLog>();
    std::memset(log.get(), 0, sizeof *log);
    log->neverWrapped = 1;
    return log;
}

TEST(LogRing, LineFeedsCompleteLinesTheRestWaitsAndTheRingWraps)
{
    auto log = fresh_log();
    shared_log_write(log.get(), "a\nb\n");
    shared_log_write(log.get(), "abc");
    EXPECT_EQ(log->index, 2);
    EXPECT_EQ((std::vector<std::string>{log->lines[0], log->lines[1], log->lines[2]}),
              (std::vector<std::string>{"a", "b", "abc"}));
    shared_log_write(log.get(), "d\n");
    EXPECT_EQ(log->index, 3);
    EXPECT_STREQ(log->lines[2], "d") << "an unfinished line is overwritten";
    shared_log_write(log.get(), "\n");
    EXPECT_STREQ(log->lines[3], "");

    // Wraps after a hundred lines and shows the newest.
    log = fresh_log();
    log->index = 3;
    EXPECT_EQ(shared_log_first_shown(log.get(), 10), 0) << "before wrapping, from the top";
    EXPECT_EQ(shared_log_first_shown(log.get(), 2), 1);
    log->index = 0;
    for (int i = 0; i < 100; ++i)
        shared_log_write(log.get(), "x\n");
    EXPECT_TRUE(log->index == 0 && log->neverWrapped == 0);
    EXPECT_EQ(shared_log_first_shown(log.get(), 5), 95);
    EXPECT_EQ(shared_log_first_shown(log.get(), 100), 0);
}

TEST(LogRing, OutOfRangeStateAndSizesStayInsideTheRing)
{
    auto log = fresh_log();
    log->neverWrapped = 0;
    log->index = 7;
    EXPECT_EQ(shared_log_first_shown(log.get(), 250), 7) << "more rows than lines";
    EXPECT_EQ(shared_log_first_shown(log.get(), -3), 7);
    log->index = 100;  // as left by a writer of another process
    EXPECT_EQ(shared_log_index(log.get()), 0);
    shared_log_write(log.get(), "y\n");
    EXPECT_EQ(log->index, 1);
    shared_log_write(log.get(), (std::string(2000, 'z') + "\n").c_str());
    EXPECT_EQ(std::strlen(log->lines[1]), size_t(kLogLineBytes - 1));
    std::string hyo;  // 表 is 0x95 0x5C: the cut falls between its two bytes
    for (int i = 0; i < 300; ++i)
        hyo += "\x95\x5C";
    shared_log_write(log.get(), (hyo + "\n").c_str());
    EXPECT_EQ(log->lines[2], hyo.substr(0, kLogLineBytes - 2));
}

}  // namespace
