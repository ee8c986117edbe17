// The arithmetic of the table editor's cursor and page: where the current
// record's row lies, which page shows a record, how far each move may go and
// which record a click hits. No window or file is touched here; the editor
// copies its members in, applies a move and carries out what the result asks.
#ifndef ZEK_RECORDS_TABLE_CURSOR_H
#define ZEK_RECORDS_TABLE_CURSOR_H

#include <cstdint>

// The members a move reads and writes, named as in the editor.
struct TableCursor {
    int32_t bDatS, bDatE, bDatC, bMaxRec;  // first, last and current record; capacity
    int32_t bDatPg;                        // record on the page's first row
    int32_t bDspYs, bDspYn, bInpY;         // first screen line, rows a page, lines a row
    int32_t bDspXs, bDspXe;                // first and last input column
    int32_t bCurX, bCurY;                  // current column and screen line
    int32_t bAbsMode, bInpFlag;
};

// What the editor does after a move.
struct TableMove {
    bool moved = false;   // the current record or page changed
    bool redraw = false;  // the whole page is to be drawn
};

// Rows a page and lines a row below 1 would divide by zero or draw nothing;
// they count as 1.
int32_t table_rows_per_page(const TableCursor &t);
int32_t table_lines_per_row(const TableCursor &t);

// The screen line of the current record: (bDatC - bDatPg) * bInpY + bDspYs,
// held within the 32-bit range.
int32_t table_row(const TableCursor &t);

// The first record of the page to show rec on: the current page when rec is
// on it, else the page starting at the multiple of the rows a page at or
// below rec, never before the table's first record.
int32_t table_page_for(const TableCursor &t, int32_t rec);

// rec held to the records the cursor may reach: bDatS to the empty row after
// the last record.
int32_t table_reachable(const TableCursor &t, int32_t rec);

// Whether the current record is the empty row after the last record, where
// a new one is typed.
inline bool table_on_empty_row(const TableCursor &t)
{
    return t.bDatC > t.bDatE;
}

// Each move applies its rule and recomputes bCurY when it moves.
void table_right(TableCursor &t);        // Tab: next column, wrapping to the first
void table_left(TableCursor &t);         // Shift+Tab: previous column, wrapping to the last
TableMove table_next(TableCursor &t);    // Enter
TableMove table_up(TableCursor &t);
TableMove table_down(TableCursor &t);
TableMove table_back_page(TableCursor &t);
TableMove table_next_page(TableCursor &t);
TableMove table_home(TableCursor &t);
TableMove table_end(TableCursor &t);     // to the empty row after the last record
TableMove table_scroll(TableCursor &t, int32_t d);
TableMove table_show(TableCursor &t, int32_t page, int32_t rec);

// The record under the cell row mouseCy, or -1 when the click is off the
// table: above its first line, below the page, before bDatS or past the empty
// row after the last record (and past bMaxRec).
int32_t table_mouse_record(const TableCursor &t, int32_t mouseCy);

#endif
