// Cell arithmetic of the text screen at its bounds, without windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../text/cells.h"

using namespace zek_cells;

TEST(Cells, AdvanceRunsKeepPairsWholeAndStayInBounds)
{
    struct Case { std::string text; std::vector<int32_t> runs; bool straddles; };
    const std::string bound = std::string(511, 'x') + "\x88\x9f" + std::string(600, 'y');
    for (const Case &c : std::vector<Case>{{"a\x88\x9f" "b", {4}, false},
                                           {"ab\x88", {3}, true},
                                           {bound, {511, 512, 90}, false}}) {
        int32_t dx[kMaxRun + 1];
        dx[kMaxRun] = -7;  // guard
        std::vector<int32_t> runs, all;
        zek_cells::Run run{};
        const auto *b = reinterpret_cast<const unsigned char *>(c.text.data());
        for (int32_t done = 0, n = int32_t(c.text.size()); done < n; done += run.bytes) {
            run = advance_run(b + done, n - done, 6, dx);
            ASSERT_GT(run.bytes, 0);
            runs.push_back(run.bytes);
            all.insert(all.end(), dx, dx + run.bytes);
        }
        EXPECT_EQ(dx[kMaxRun], -7);
        EXPECT_EQ(runs, c.runs);
        EXPECT_EQ(run.straddles, c.straddles);
        for (size_t k = 0; k < c.text.size(); ++k)  // a pair: 2 cells then 0
            EXPECT_EQ(all[k], (k && all[k - 1] == 12) ? 0 : (c.text[k] & 0x80) ? 12 : 6) << k;
    }
}

TEST(Cells, NoPitchNoRowsAndHugeNumbers)
{
    EXPECT_EQ(cell_at(17, 0), 0);
    EXPECT_EQ(cell_at(-1, 8), -1);
    EXPECT_EQ(anchor(5, 5, 0x2222, 0, 0).x, -1);
    EXPECT_EQ(anchor(2, 3, 0xFFFF, 8, 16).y, 63);  // digits above 2 count as 2
    EXPECT_EQ(cell_box(0, 0, INT32_MAX, 0, 8, 8, false).right, INT32_MAX);
    EXPECT_EQ(pitch(std::vector<int32_t>{INT32_MAX, 1, 1}.data()), INT32_MAX);
    const NewLine none = new_line(0, 0, true), past = new_line(40, 25, false);
    EXPECT_EQ((std::vector<int32_t>{none.cy, none.down, none.scroll, past.cy, past.down, past.scroll}),
              (std::vector<int32_t>{0, 0, 1, 24, 0, 0}));
}
