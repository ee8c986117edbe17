// Cell arithmetic of the text screen, without windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../text/cells.h"

using namespace zek_cells;

namespace {

// The advances of every run of s, runs joined, and the runs' lengths.
struct Runs {
    std::vector<int32_t> dx, bytes;
    bool straddles = false;
};
Runs runs_of(const std::string &s, int32_t n, int32_t p = 6)
{
    Runs r;
    int32_t dx[kMaxRun + 1];
    dx[kMaxRun] = -7;  // guard
    const auto *b = reinterpret_cast<const unsigned char *>(s.data());
    for (int32_t done = 0; done < n;) {
        const Run run = advance_run(b + done, n - done, p, dx);
        EXPECT_GT(run.bytes, 0);
        EXPECT_LE(run.bytes, kMaxRun);
        EXPECT_EQ(dx[kMaxRun], -7);
        r.dx.insert(r.dx.end(), dx, dx + run.bytes);
        r.bytes.push_back(run.bytes);
        r.straddles = run.straddles;
        done += run.bytes;
    }
    return r;
}

}  // namespace

TEST(Cells, AdvancesTwoCellsAPairAndNeverSplitAPair)
{
    const Runs mixed = runs_of("a\x88\x9f" "b", 4);
    EXPECT_EQ(mixed.dx, (std::vector<int32_t>{6, 12, 0, 6}));
    EXPECT_FALSE(mixed.straddles);

    // A lead byte last of the n bytes: one clipped cell, the trail not read.
    const Runs cut = runs_of(std::string("ab\x88", 3), 3);
    EXPECT_EQ(cut.dx, (std::vector<int32_t>{6, 6, 12}));
    EXPECT_TRUE(cut.straddles);

    // 511 single bytes then a pair on the bound: the pair starts the next run.
    const std::string edge = std::string(511, 'x') + "\x88\x9f" + std::string(600, 'y');
    const Runs big = runs_of(edge, int32_t(edge.size()));
    EXPECT_EQ(big.bytes, (std::vector<int32_t>{511, 512, 90}));
    EXPECT_EQ(big.dx[511], 12);
    EXPECT_EQ(big.dx[512], 0);
}

TEST(Cells, NewLineStepsDownOrStaysOnTheLastRow)
{
    struct Case { int32_t cy, rows; bool autoScroll; NewLine want; };
    for (const Case &c : std::vector<Case>{{0, 25, true, {1, true, false}},
                                           {24, 25, true, {24, false, true}},
                                           {24, 25, false, {24, false, false}},
                                           {40, 25, false, {24, false, false}},
                                           {0, 0, true, {0, false, true}}}) {
        const NewLine got = new_line(c.cy, c.rows, c.autoScroll);
        EXPECT_EQ(got.cy, c.want.cy) << c.cy << "/" << c.rows;
        EXPECT_EQ(got.down, c.want.down) << c.cy << "/" << c.rows;
        EXPECT_EQ(got.scroll, c.want.scroll) << c.cy << "/" << c.rows;
    }
}

TEST(Cells, BoxesAnchorsAndCellsOfPixels)
{
    const Box plain = cell_box(1, 2, 3, 2, 8, 16, false), ruled = cell_box(1, 2, 3, 2, 8, 16, true);
    EXPECT_EQ((std::vector<int32_t>{plain.left, plain.top, plain.right, plain.bottom}),
              (std::vector<int32_t>{8, 32, 32, 48}));
    EXPECT_EQ(ruled.bottom, 47);
    EXPECT_EQ(cell_box(0, 0, INT32_MAX, 0, 8, 8, false).right, INT32_MAX);

    struct Case { int32_t code, x, y; };
    for (const Case &c : std::vector<Case>{{0x0000, 16, 48}, {0x1111, 20, 56}, {0x2222, 23, 63},
                                           {0x0102, 16 + 1, 48 + 2}, {0x1000, 16 + 3, 48},
                                           {0xFFFF, 23, 63}}) {
        const Point p = anchor(2, 3, c.code, 8, 16);
        EXPECT_EQ(p.x, c.x) << std::hex << c.code;
        EXPECT_EQ(p.y, c.y) << std::hex << c.code;
    }
    EXPECT_EQ(anchor(5, 5, 0x2222, 0, 0).x, -1);  // no pitch: no division either

    EXPECT_EQ(cell_at(17, 8), 2);
    EXPECT_EQ(cell_at(-1, 8), -1);
    EXPECT_EQ(cell_at(17, 0), 0);
    EXPECT_EQ(pitch(std::vector<int32_t>{INT32_MAX, 1, 1}.data()), INT32_MAX);
}

TEST(Cells, PutchCompletesPairsAndBlanksTheLastColumn)
{
    struct Case { int32_t c, kinBk, cx; Putch want; };
    for (const Case &c : std::vector<Case>{
             {'A', 0, 3, {Putch::Byte, 'A', 0, 4, 1}},
             {0, 0x88, 3, {Putch::None, 0, 0x88, 3, 0}},
             {0x88, 0, 3, {Putch::None, 0, 0x88, 3, 0}},
             {0x88, 0, 9, {Putch::Space, ' ', 0x88, 10, 1}},
             {0x9F, 0x88, 3, {Putch::Pair, 0x889F, 0, 5, 2}},
             {'\n', 0, 3, {Putch::None, 0, 0, 10, 1}}}) {
        const Putch got = putch_step(c.c, c.kinBk, c.cx, 10);
        EXPECT_EQ(got.draw, c.want.draw) << c.c;
        EXPECT_EQ(got.code, c.want.code) << c.c;
        EXPECT_EQ(got.kinBk, c.want.kinBk) << c.c;
        EXPECT_EQ(got.cx, c.want.cx) << c.c;
        EXPECT_EQ(got.advance, c.want.advance) << c.c;
    }
}

TEST(Cells, CaretShapeAndPieces)
{
    const Caret over = caret_shape(8, 13, true, false), insert = caret_shape(8, 13, false, true);
    EXPECT_EQ((std::vector<int32_t>{over.width, over.height, over.dy}), (std::vector<int32_t>{16, 13, 0}));
    EXPECT_EQ((std::vector<int32_t>{insert.width, insert.height, insert.dy}), (std::vector<int32_t>{8, 6, 7}));

    bool nl = false;
    EXPECT_EQ(next_piece("ab\ncd", 5, &nl), 2u);
    EXPECT_TRUE(nl);
    EXPECT_EQ(next_piece("cd", 2, &nl), 2u);
    EXPECT_FALSE(nl);
}
