// Cursor and page arithmetic of the table editor. Sums are taken in 64 bits
// and held to the 32-bit range, so members a program set to extremes cannot
// wrap a record index around.
#include "table_cursor.h"

#include <algorithm>
#include <climits>

namespace {

int32_t clamp32(int64_t v)
{
    return int32_t(std::min<int64_t>(std::max<int64_t>(v, INT32_MIN), INT32_MAX));
}

void place_row(TableCursor &t)
{
    t.bCurY = table_row(t);
}

// Keeps the current record on the page after a move that may have pushed it off.
bool keep_on_page(TableCursor &t)
{
    const int64_t rows = table_rows_per_page(t);
    if (t.bDatC < t.bDatPg) {
        t.bDatPg = t.bDatC;
        return true;
    }
    if (int64_t(t.bDatC) > t.bDatPg + rows - 1) {
        t.bDatPg = clamp32(t.bDatC - rows + 1);
        return true;
    }
    return false;
}

// A move that turns to a new page and puts the cursor on its first input column.
TableMove turn_to(TableCursor &t, int32_t page, int32_t rec)
{
    t.bDatPg = page;
    t.bDatC = rec;
    t.bCurX = t.bDspXs;
    place_row(t);
    return TableMove{true, true};
}

}  // namespace

int32_t table_rows_per_page(const TableCursor &t)
{
    return t.bDspYn < 1 ? 1 : t.bDspYn;
}

int32_t table_lines_per_row(const TableCursor &t)
{
    return t.bInpY < 1 ? 1 : t.bInpY;
}

int32_t table_row(const TableCursor &t)
{
    return clamp32((int64_t(t.bDatC) - t.bDatPg) * table_lines_per_row(t) + t.bDspYs);
}

int32_t table_page_for(const TableCursor &t, int32_t rec)
{
    const int64_t rows = table_rows_per_page(t);
    if (t.bDatPg <= rec && rec < t.bDatPg + rows)
        return t.bDatPg;
    int64_t page = rec / rows * rows;
    if (page > rec)  // division truncates toward zero: floor for negative records
        page -= rows;
    return clamp32(std::max<int64_t>(page, t.bDatS));
}

int32_t table_reachable(const TableCursor &t, int32_t rec)
{
    const int64_t last = std::max<int64_t>(int64_t(t.bDatE) + 1, t.bDatS);
    return clamp32(std::min<int64_t>(std::max<int64_t>(rec, t.bDatS), last));
}

void table_right(TableCursor &t)
{
    t.bCurX = t.bCurX >= t.bDspXe ? t.bDspXs : t.bCurX + 1;
    t.bAbsMode = t.bCurX == 1;
}

void table_left(TableCursor &t)
{
    t.bCurX = t.bCurX <= t.bDspXs ? t.bDspXe : t.bCurX - 1;
    t.bAbsMode = t.bCurX == 1;
}

TableMove table_next(TableCursor &t)
{
    t.bInpFlag = 1;
    t.bAbsMode = 0;
    if (t.bCurX < t.bDspXe) {
        ++t.bCurX;
        return TableMove{};
    }
    t.bCurX = 0;
    TableMove m{true, false};
    if (table_on_empty_row(t))
        ++t.bDatE;  // the typed row becomes a record
    if (t.bDatC < t.bMaxRec) {
        ++t.bDatC;
        m.redraw = keep_on_page(t);
    }
    place_row(t);
    return m;
}

TableMove table_up(TableCursor &t)
{
    if (t.bDatC <= t.bDatS)
        return TableMove{};
    --t.bDatC;
    TableMove m{true, keep_on_page(t)};
    place_row(t);
    return m;
}

// The cursor may reach the empty row after the last record, but no further.
TableMove table_down(TableCursor &t)
{
    if (t.bDatC >= t.bMaxRec || t.bDatC > t.bDatE)
        return TableMove{};
    ++t.bDatC;
    TableMove m{true, keep_on_page(t)};
    place_row(t);
    return m;
}

TableMove table_back_page(TableCursor &t)
{
    if (t.bDatE < t.bDatS)
        return TableMove{};
    const int32_t page = clamp32(std::max<int64_t>(int64_t(t.bDatPg) - table_rows_per_page(t),
                                                   t.bDatS));
    return turn_to(t, page, page);
}

TableMove table_next_page(TableCursor &t)
{
    const int64_t page = int64_t(t.bDatPg) + table_rows_per_page(t);
    if (page > t.bDatE)
        return TableMove{};
    return turn_to(t, int32_t(page), int32_t(page));
}

TableMove table_home(TableCursor &t)
{
    return turn_to(t, t.bDatS, t.bDatS);
}

TableMove table_end(TableCursor &t)
{
    t.bDatC = t.bDatE < t.bMaxRec ? t.bDatE + 1 : t.bDatE;
    t.bDatPg = clamp32(std::max<int64_t>(int64_t(t.bDatC) - table_rows_per_page(t) + 1, t.bDatS));
    t.bCurX = 0;
    place_row(t);
    return TableMove{true, true};
}

TableMove table_scroll(TableCursor &t, int32_t d)
{
    if (d == 0)
        return TableMove{};
    if (d < 0) {
        t.bDatC = clamp32(std::max<int64_t>(int64_t(t.bDatC) + d, t.bDatS));
        t.bDatPg = clamp32(std::max<int64_t>(int64_t(t.bDatPg) + d, t.bDatS));
    } else {
        const int64_t lastRow = std::min<int64_t>(int64_t(t.bDatE) + 1, t.bMaxRec);
        const int64_t lastPage =
            std::max<int64_t>(int64_t(t.bDatE) - table_rows_per_page(t) + 2, t.bDatS);
        t.bDatC = clamp32(std::min<int64_t>(int64_t(t.bDatC) + d, lastRow));
        t.bDatPg = clamp32(std::min<int64_t>(int64_t(t.bDatPg) + d, lastPage));
    }
    keep_on_page(t);
    place_row(t);
    return TableMove{true, true};
}

TableMove table_show(TableCursor &t, int32_t page, int32_t rec)
{
    return turn_to(t, page, rec);
}

int32_t table_mouse_record(const TableCursor &t, int32_t mouseCy)
{
    if (mouseCy < t.bDspYs)
        return -1;
    const int64_t r = (int64_t(mouseCy) - t.bDspYs) / table_lines_per_row(t) + t.bDatPg;
    if (r >= int64_t(t.bDatPg) + table_rows_per_page(t) || r < t.bDatS || r < 0 ||
        r > t.bMaxRec || r > int64_t(t.bDatE) + 1)
        return -1;
    return int32_t(r);
}
