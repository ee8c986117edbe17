// FdioInput: cursor and page moves, positioning by mouse, line insertion and
// deletion, and drawing the page through the program's row hooks.
#include "fdio_input.h"

#include <algorithm>
#include <climits>

#include "../window/win_call.h"
#include "zek2/keys.h"

namespace {

int32_t clamp32(int64_t v)
{
    return int32_t(std::min<int64_t>(std::max<int64_t>(v, INT32_MIN), INT32_MAX));
}

// The page's last record and the lines a row, as the cursor arithmetic
// counts them (rows a page and lines a row below 1 count as 1).
int32_t page_end(const FdioParts &p)
{
    return clamp32(int64_t(p.d->bDatPg) + table_rows_per_page(fdio_cursor(p)) - 1);
}

int32_t row_lines(const FdioParts &p)
{
    return table_lines_per_row(fdio_cursor(p));
}

void scroll_bar(const FdioParts &p, ZEK_object *w)
{
    win_call<kWinSetVScrollPos>(w, p.rec->bDatS, p.rec->bDatE, p.d->bDspYn, p.d->bDatPg);
    win_call<kWinSetVScrollBar>(w);
}

// A page-level move: the state it left, the whole page drawn, the scroll bar.
int32_t turned(ZEK_object *f, const FdioParts &p, ZEK_object *w, const TableCursor &t,
               TableMove m)
{
    if (!m.moved)
        return 0;
    fdio_store(p, t);
    fdio_call<void>(f, p, kFdinDrawPage, w);
    scroll_bar(p, w);
    return 1;
}

// After a move down the empty row is entered at its head, whatever the check
// hook chose, so that the next pass clears its record in the file first.
void head_of_empty_row(const FdioParts &p)
{
    if (p.rec->bDatC > p.rec->bDatE)
        p.d->bCurX = 0;
}

}  // namespace

extern "C" int32_t ZEKAPI FdioInput_BackPage(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    return turned(f, p, w, t, table_back_page(t));
}

extern "C" int32_t ZEKAPI FdioInput_NextPage(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    return turned(f, p, w, t, table_next_page(t));
}

extern "C" int32_t ZEKAPI FdioInput_CurHome(ZEK_object *f, ZEK_object *w, int32_t flag)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    if (flag)
        t.bInpFlag = 1;
    return turned(f, p, w, t, table_home(t));
}

extern "C" int32_t ZEKAPI FdioInput_CurSHome(ZEK_object *f, ZEK_object *w, int32_t flag)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    if (flag)
        t.bInpFlag = 1;
    return turned(f, p, w, t, table_end(t));
}

extern "C" int32_t ZEKAPI FdioInput_CurUp(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    const TableMove m = table_up(t);
    if (!m.moved)
        return 0;
    fdio_store(p, t);
    if (m.redraw)
        fdio_call<void>(f, p, kFdinDrawPage, w);
    fdio_call<void>(f, p, kFdinCurUpCk);
    scroll_bar(p, w);
    return 1;
}

extern "C" int32_t ZEKAPI FdioInput_CurDown(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    const TableMove m = table_down(t);
    if (!m.moved)
        return 0;
    fdio_store(p, t);
    if (m.redraw)
        fdio_call<void>(f, p, kFdinDrawPage, w);
    fdio_call<void>(f, p, kFdinCurDownCk);
    head_of_empty_row(p);
    scroll_bar(p, w);
    return 1;
}

// The cell input in progress is ended by the posted key, so that the loop
// starts the cell at the new position.
extern "C" int32_t ZEKAPI FdioInput_CurVertScroll(ZEK_object *f, ZEK_object *w, int32_t d)
{
    FdioParts p = fdio_parts(f);
    Win_data *wd = win_data_of(w);
    if (!p || d == 0)
        return 0;
    const COLORREF color = wd ? wd->Color : 0, back = wd ? wd->BackColor : 0;
    TableCursor t = fdio_cursor(p);
    table_scroll(t, d);
    fdio_store(p, t);
    fdio_call<void>(f, p, kFdinDrawPage, w);
    fdio_call<void>(f, p, d < 0 ? kFdinCurUpCk : kFdinCurDownCk);
    if (d > 0)
        head_of_empty_row(p);
    if (wd) {
        wd->Color = color;
        wd->BackColor = back;
        win_post_key(*wd, ZEK_CMD_SCROLLED);
    }
    scroll_bar(p, w);
    return 1;
}

extern "C" void ZEKAPI FdioInput_CurLeft(ZEK_object *f)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return;
    TableCursor t = fdio_cursor(p);
    table_left(t);
    fdio_store(p, t);
    fdio_call<void>(f, p, kFdinCurLeftCk);
}

extern "C" void ZEKAPI FdioInput_CurRight(ZEK_object *f)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return;
    TableCursor t = fdio_cursor(p);
    table_right(t);
    fdio_store(p, t);
    fdio_call<void>(f, p, kFdinCurRightCk);
}

extern "C" void ZEKAPI FdioInput_CurUpCk(ZEK_object *f)
{
    FdioParts p = fdio_parts(f);
    if (p)
        fdio_call<void>(f, p, kFdinCurLeftCk);
}

extern "C" void ZEKAPI FdioInput_CurDownCk(ZEK_object *f)
{
    FdioParts p = fdio_parts(f);
    if (p)
        fdio_call<void>(f, p, kFdinCurLeftCk);
}

extern "C" int32_t ZEKAPI FdioInput_CurNext(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    TableCursor t = fdio_cursor(p);
    const TableMove m = table_next(t);
    fdio_store(p, t);
    if (m.redraw)
        fdio_call<void>(f, p, kFdinDrawPage, w);
    if (m.moved)
        scroll_bar(p, w);
    return 1;
}

// A click on the empty row clears its record in the file, as entering it by
// key does, so that no bytes left in the file behind the table join the new
// record.
extern "C" int32_t ZEKAPI FdioInput_SetMouseAdd(ZEK_object *f, ZEK_object *w, int32_t column)
{
    FdioParts p = fdio_parts(f);
    Win_data *wd = win_data_of(w);
    if (!p || !wd)
        return 0;
    TableCursor t = fdio_cursor(p);
    const int32_t r = table_mouse_record(t, wd->MouseCy);
    if (r < 0)
        return 0;
    t.bDatC = r;
    t.bCurY = table_row(t);
    fdio_store(p, t);
    if (r > t.bDatE) {
        column = std::min(column, int32_t(1));
        fdio_io_call<int32_t>(f, p, kFdIoPut0, r);
        fdio_call<void>(f, p, kFdinDrawLine, w, r, int32_t(0), t.bCurY);
    }
    p.d->bCurX = std::min(column, p.d->bDspXe);
    p.d->bAbsMode = p.d->bCurX == 1;
    return 1;
}

extern "C" void ZEKAPI FdioInput_SetDrawPage(ZEK_object *f, ZEK_object *w, int32_t rec)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return;
    const TableCursor t = fdio_cursor(p);
    rec = table_reachable(t, rec);
    fdio_call<void>(f, p, kFdinSetDrawPageA, w, table_page_for(t, rec), rec);
}

extern "C" void ZEKAPI FdioInput_SetDrawPageA(ZEK_object *f, ZEK_object *w, int32_t page,
                                              int32_t rec)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return;
    TableCursor t = fdio_cursor(p);
    turned(f, p, w, t, table_show(t, page, rec));
}

extern "C" void ZEKAPI FdioInput_DrawPage(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return;
    FdioInput_data &d = *p.d;
    fdio_call<void>(f, p, kFdinDrawPageDir, w, d.bDatPg, page_end(p), d.bDspYs, row_lines(p));
    if (int64_t(p.rec->bDatC) == int64_t(p.rec->bDatE) + 1) {
        d.bCurY = table_row(fdio_cursor(p));
        fdio_call<void>(f, p, kFdinDrawLine, w, p.rec->bDatC, clamp32(int64_t(d.bCurX) - 1),
                        d.bCurY);
    }
}

extern "C" void ZEKAPI FdioInput_DrawPageDir(ZEK_object *f, ZEK_object *w, int32_t first,
                                             int32_t last, int32_t y, int32_t dy)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return;
    int64_t line = y;
    for (int64_t rec = first; rec <= last; ++rec, line += dy) {
        if (rec > p.rec->bDatE)
            fdio_call<void>(f, p, kFdinDrawDelLine, w, clamp32(line));
        else
            fdio_call<void>(f, p, kFdinDrawLine, w, int32_t(rec), p.d->bDspXe, clamp32(line));
    }
}

// Insertion and deletion change the file through the record file's own
// operations, which either finish or leave every record where it was; only a
// finished one changes the table and the screen.
extern "C" int32_t ZEKAPI FdioInput_LineIns(ZEK_object *f, ZEK_object *w, int32_t n)
{
    FdioParts p = fdio_parts(f);
    if (!p || !fdio_io_call<int32_t>(f, p, kFdIoInsData, p.rec->bDatC, n))
        return 0;
    FdioInput_data &d = *p.d;
    d.bInpFlag = 1;
    d.bCurX = 0;
    if (d.bInsFlag) {
        fdio_call<void>(f, p, kFdinDrawDelLine, w, d.bCurY);
        fdio_call<void>(f, p, kFdinDrawLine, w, p.rec->bDatC, int32_t(0), d.bCurY);
        if (p.rec->bDatC < page_end(p))
            fdio_call<void>(f, p, kFdinDrawPageDir, w, p.rec->bDatC + 1, page_end(p),
                            clamp32(int64_t(d.bCurY) + row_lines(p)), row_lines(p));
    }
    scroll_bar(p, w);
    return 1;
}

extern "C" int32_t ZEKAPI FdioInput_LineDel(ZEK_object *f, ZEK_object *w, int32_t n)
{
    FdioParts p = fdio_parts(f);
    if (!p || !fdio_io_call<int32_t>(f, p, kFdIoDelData, p.rec->bDatC, n))
        return 0;
    FdioInput_data &d = *p.d;
    d.bInpFlag = 1;
    d.bCurX = 0;
    if (d.bInsFlag)
        fdio_call<void>(f, p, kFdinDrawPageDir, w, p.rec->bDatC, page_end(p), d.bCurY,
                        row_lines(p));
    scroll_bar(p, w);
    return 1;
}
