#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "../../furniture/toolbar_file.h"
#include "../../furniture/toolbar_place.h"

namespace {

std::string rewrite(const std::string &in, const char *fallback = "bar")
{
    std::string out = "untouched";
    EXPECT_TRUE(rewrite_tool_file(in.data(), in.size(), {0, 2, -5, 7, 120, 40}, fallback, &out));
    return out;
}

}  // namespace

TEST(ToolbarPlace, DockedStrip)
{
    DockedBar bars[] = {{0, 100, false}, {100, 60, false}, {160, 50, false}};
    EXPECT_EQ(dock_append_x(bars, 3), 210);
    EXPECT_EQ(dock_append_x(nullptr, 3), 0);

    // The last bar dropped at 40 goes between the first two; the strip closes up.
    bars[2] = {40, 50, true};
    int32_t order[3];
    dock_repack(bars, 3, order);
    EXPECT_EQ(bars[0].x, 0);
    EXPECT_EQ(bars[2].x, 100);
    EXPECT_EQ(bars[1].x, 150);
    EXPECT_EQ(order[1], 2);

    // Dropped at another bar's x: it goes first.
    DockedBar tie[] = {{0, 30, false}, {0, 20, true}};
    dock_repack(tie, 2, nullptr);
    EXPECT_EQ(tie[1].x, 0);
    EXPECT_EQ(tie[0].x, 20);

    // The middle one (x 100, 60 wide) pulled out: only the bars right of it move.
    DockedBar rest[] = {{0, 100, false}, {160, 50, false}};
    dock_close_gap(rest, 2, 100, 60);
    EXPECT_EQ(rest[0].x, 0);
    EXPECT_EQ(rest[1].x, 100);

    DockedBar huge[] = {{0, INT32_MAX, false}, {1, INT32_MAX, false}};
    dock_repack(huge, 2, nullptr);
    EXPECT_EQ(huge[1].x, INT32_MAX);
    dock_close_gap(huge, 2, -1, INT32_MIN);
    EXPECT_EQ(huge[1].x, INT32_MAX);
}

TEST(ToolbarPlace, DockDecisionAndScreen)
{
    const PlaceRect owner{100, 50, 500, 400};
    EXPECT_TRUE(drop_docks(owner, 100, 50));
    EXPECT_FALSE(drop_docks(owner, 500, 60));
    EXPECT_FALSE(drop_docks(owner, 120, 400));
    EXPECT_FALSE(drop_docks(owner, 99, 60));

    auto at = [](int32_t x, int32_t y) {
        const PlacePoint p = keep_bar_on_screen(x, y, 80, 30, 1024, 768);
        return std::to_string(p.x) + "," + std::to_string(p.y);
    };
    EXPECT_EQ(at(-80, -30), "0,0");
    EXPECT_EQ(at(-79, -29), "-79,-29");
    EXPECT_EQ(at(1024, 747), "944,747");
    EXPECT_EQ(at(1023, 748), "1023,103");
    EXPECT_EQ(at(INT32_MIN, INT32_MAX), "0,103");
}

TEST(ToolbarFile, RewriteKeepsProgramLines)
{
    std::string lines = "0 Draw 0 2\n1 1 2 3 4\n";
    for (int i = 3; i <= 150; ++i)
        lines += i == 70 ? std::string(100, 'x') + "\n" : "line " + std::to_string(i) + "\n";
    lines += "last without newline";
    const std::string out = rewrite(lines);
    const std::string head = "0 Draw 0 2\n1 -5 7 120 40\n";
    ASSERT_EQ(out.substr(0, head.size()), head);
    EXPECT_EQ(out.substr(head.size()), lines.substr(lines.find("line 3")));

    EXPECT_EQ(rewrite("0 Draw 4 4\r\n1 0 0 0 0\r\nmine\r\n"), "0 Draw 0 2\r\n1 -5 7 120 40\r\nmine\r\n");
    // One line (with or without its newline) gives exactly two.
    EXPECT_EQ(rewrite("7 Draw 1 1\n"), "0 Draw 0 2\n1 -5 7 120 40\n");
    EXPECT_EQ(rewrite("7\tDraw"), "0 Draw 0 2\r\n1 -5 7 120 40\r\n");
}

TEST(ToolbarFile, NameWithoutAUsableFirstLine)
{
    EXPECT_EQ(rewrite(""), "0 bar 0 2\r\n1 -5 7 120 40\r\n");
    EXPECT_EQ(rewrite("garbage here\nkeep\n", "my bar"), "0 my_bar 0 2\n1 -5 7 120 40\n");
    EXPECT_EQ(rewrite("12\nx\nkeep", nullptr), "0 _ 0 2\n1 -5 7 120 40\nkeep");
    EXPECT_EQ(rewrite(std::string("-3 a\0b 1\n", 9)), "0 a 0 2\n1 -5 7 120 40\n");

    std::string out = "untouched";
    EXPECT_FALSE(rewrite_tool_file(nullptr, 3, {}, "x", &out));
    const std::string big(kToolFileMaxBytes + 1, '\n');
    EXPECT_FALSE(rewrite_tool_file(big.data(), big.size(), {}, "x", &out));
    EXPECT_EQ(out, "untouched");
}
