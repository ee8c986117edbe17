// Table editor arithmetic: rows, pages, the limits of each move and clicks.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "../../records/table_cursor.h"

namespace {

// A 10-row page from line 2, columns 1..3, records 0..last, current rec.
TableCursor table(int32_t last, int32_t rec = 0, int32_t page = 0)
{
    return TableCursor{0, last, rec, 9000, page, 2, 10, 1, 1, 3, 1, 2, 0, 0};
}

std::vector<int32_t> where(const TableCursor &t)
{
    return {t.bDatC, t.bDatPg, t.bCurX, t.bCurY};
}

}  // namespace

TEST(TableCursor, RowsAndPages)
{
    TableCursor t = table(99, 37, 30);
    t.bInpY = 3;
    EXPECT_EQ(table_row(t), 23);
    t.bInpY = 0;  // counts as one line a row
    EXPECT_EQ(table_row(t), 9);
    EXPECT_EQ(table_page_for(t, 37), 30) << "on the current page";
    t.bDatPg = 0;
    EXPECT_EQ(table_page_for(t, 37), 30);
    EXPECT_EQ(table_page_for(t, -3), 0) << "never before bDatS";
    t.bDspYn = 0;  // no division by zero
    EXPECT_EQ(table_page_for(t, 37), 37);
    EXPECT_EQ(table_reachable(t, 500), 100);
    EXPECT_EQ(table_reachable(t, -5), 0);
}

TEST(TableCursor, DownReachesTheEmptyRowAndNoFurther)
{
    TableCursor t = table(9, 9);
    EXPECT_TRUE(table_down(t).redraw);
    EXPECT_EQ(where(t), (std::vector<int32_t>{10, 1, 1, 11}));
    EXPECT_FALSE(table_down(t).moved);
    t = table(9, 0);
    EXPECT_FALSE(table_up(t).moved);
    t.bMaxRec = 0;
    EXPECT_FALSE(table_down(t).moved) << "capacity reached";
}

TEST(TableCursor, EnterWalksColumnsThenAppendsOnTheEmptyRow)
{
    TableCursor t = table(-1, 0);  // empty table, the cursor on its empty row
    EXPECT_FALSE(table_next(t).moved);
    EXPECT_FALSE(table_next(t).moved);
    EXPECT_EQ(t.bCurX, 3);
    EXPECT_TRUE(table_next(t).moved);
    EXPECT_EQ(t.bDatE, 0);
    EXPECT_EQ(where(t), (std::vector<int32_t>{1, 0, 0, 3}));
    EXPECT_EQ(t.bInpFlag, 1);
    t = table(20, 9, 0);
    t.bCurX = 3;
    EXPECT_TRUE(table_next(t).redraw) << "left the page";
    EXPECT_EQ(t.bDatPg, 1);
}

TEST(TableCursor, ColumnsWrap)
{
    TableCursor t = table(5);
    t.bCurX = 3;
    table_right(t);
    EXPECT_EQ(t.bCurX, 1);
    EXPECT_EQ(t.bAbsMode, 1);
    table_left(t);
    EXPECT_EQ(t.bCurX, 3);
    EXPECT_EQ(t.bAbsMode, 0);
}

TEST(TableCursor, PagesAndHomes)
{
    TableCursor t = table(-1);
    EXPECT_FALSE(table_back_page(t).moved) << "empty table";
    EXPECT_FALSE(table_next_page(t).moved);
    EXPECT_TRUE(table_end(t).moved);
    EXPECT_EQ(where(t), (std::vector<int32_t>{0, 0, 0, 2}));
    t = table(24, 3, 0);
    EXPECT_TRUE(table_next_page(t).moved);
    EXPECT_TRUE(table_next_page(t).moved);
    EXPECT_FALSE(table_next_page(t).moved) << "no page starts past the last record";
    EXPECT_EQ(where(t), (std::vector<int32_t>{20, 20, 1, 2}));
    table_back_page(t), table_back_page(t), table_back_page(t);
    EXPECT_EQ(where(t), (std::vector<int32_t>{0, 0, 1, 2}));
    table_end(t);
    EXPECT_EQ(where(t), (std::vector<int32_t>{25, 16, 0, 11}));
    t.bMaxRec = 24;  // full: the last record, not a new row
    table_end(t);
    EXPECT_EQ(t.bDatC, 24);
}

TEST(TableCursor, ScrollStopsAtTheEmptyRowAndTheFirstRecord)
{
    TableCursor t = table(99, 5, 0);
    table_scroll(t, 1000);
    EXPECT_EQ(where(t), (std::vector<int32_t>{100, 91, 1, 11}));
    table_scroll(t, -3);
    EXPECT_EQ(where(t), (std::vector<int32_t>{97, 88, 1, 11}));
    table_scroll(t, INT32_MIN);
    EXPECT_EQ(where(t), (std::vector<int32_t>{0, 0, 1, 2}));
    EXPECT_FALSE(table_scroll(t, 0).moved);
    t = table(INT32_MAX - 1, INT32_MAX - 5, INT32_MAX - 9);
    t.bMaxRec = INT32_MAX;
    table_scroll(t, INT32_MAX);  // no sum wraps
    EXPECT_EQ(t.bDatC, INT32_MAX);
    EXPECT_EQ(table_row(t), 11);
}

TEST(TableCursor, ClicksOffTheTableAreRefused)
{
    TableCursor t = table(14, 12, 10);  // rows of records 10..19 on lines 2..11
    t.bDatS = 5;
    EXPECT_EQ(table_mouse_record(t, 2), 10);
    EXPECT_EQ(table_mouse_record(t, 7), 15) << "the empty row";
    EXPECT_EQ(table_mouse_record(t, 8), -1) << "past the empty row";
    EXPECT_EQ(table_mouse_record(t, 1), -1) << "above the table";
    EXPECT_EQ(table_mouse_record(t, INT32_MIN), -1);
    t.bInpY = 2;
    EXPECT_EQ(table_mouse_record(t, 1), -1) << "one line above must not truncate to row 0";
    EXPECT_EQ(table_mouse_record(t, 5), 11);
    t.bInpY = 0;
    EXPECT_EQ(table_mouse_record(t, 3), 11);
    t = table(99, 2, 0);
    t.bDatS = 3;  // a page starting before the table's first record
    EXPECT_EQ(table_mouse_record(t, 2), -1);
    EXPECT_EQ(table_mouse_record(t, 12), -1) << "below the page";
}
