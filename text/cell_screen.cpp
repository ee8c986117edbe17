// Win: clearing cells, the print position and the caret.
#include <cstring>

#include "cells.h"
#include "zek2/strings.h"
#include "../graphics/dc_scope.h"
#include "../window/win_call.h"
#include "../window/win_proc.h"

using namespace zek_cells;

namespace {

// Fills r (right and bottom exclusive) with BackColor; the brush is made
// and deleted here.
void fill(ZEK_object *object, Win_data &d, const RECT &r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    DcScope scope(object, d);
    if (!d.hDC)
        return;
    if (HBRUSH brush = CreateSolidBrush(d.BackColor)) {
        FillRect(d.hDC, &r, brush);
        DeleteObject(brush);
    }
}

}  // namespace

extern "C" void ZEKAPI Win_Cls(ZEK_object *object, int32_t cx1, int32_t cy1, int32_t cx2,
                               int32_t cy2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const Box b = cell_box(cx1, cy1, cx2, cy2, d->ChrWdBx, d->ChrWdBy, d->bKsenFlag != 0);
    fill(object, *d, RECT{b.left, b.top, b.right, b.bottom});
}

extern "C" void ZEKAPI Win_ClsG(ZEK_object *object, int32_t gx1, int32_t gy1, int32_t gx2,
                                int32_t gy2)
{
    if (Win_data *d = win_data_of(object))
        fill(object, *d, RECT{gx1, gy1, scaled(1, gx2, 1), scaled(1, gy2, 1)});
}

extern "C" void ZEKAPI Win_ClsA(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    RECT client{};
    if (d && d->hWnd && GetClientRect(d->hWnd, &client))
        fill(object, *d, client);
}

extern "C" void ZEKAPI Win_Cursor(ZEK_object *object, int32_t cx, int32_t cy)
{
    if (Win_data *d = win_data_of(object)) {
        d->CurCx = cx;
        d->CurCy = cy;
        d->CurGx = scaled(cx, d->ChrWdBx, scaled(1, d->TopOx, d->ChrWdGx[0]));
        d->CurGy = scaled(cy, d->ChrWdBy, scaled(1, d->TopOy, d->ChrWdGy[0]));
    }
}

extern "C" void ZEKAPI Win_CursorG(ZEK_object *object, int32_t gx, int32_t gy, int32_t cx,
                                   int32_t cy)
{
    if (Win_data *d = win_data_of(object)) {
        d->CurGx = scaled(cx, pitch(d->ChrWdGx), gx);
        d->CurGy = scaled(cy, pitch(d->ChrWdGy), gy);
    }
}

extern "C" void ZEKAPI Win_CursorOn(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        d->bCursorFlag = 1;
}

extern "C" void ZEKAPI Win_CursorOff(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        d->bCursorFlag = 0;
}

// The caret is the window's while bUseCursor, focus and cursor are all 1;
// it is made, placed and shown when that starts and destroyed when it ends.
extern "C" void ZEKAPI Win_SetCurPos(ZEK_object *object, int32_t focus, int32_t cursor)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const bool before = d->bUseCursor == 1 && d->bSetFocus == 1 && d->bCursorFlag == 1;
    d->bSetFocus = focus;
    d->bCursorFlag = cursor;
    const bool after = d->bUseCursor == 1 && focus == 1 && cursor == 1;
    if (before == after || !d->hWnd)
        return;
    if (!after) {
        HideCaret(d->hWnd);
        DestroyCaret();
        return;
    }
    win_call<kWinCursorG>(object, d->InpStGx, d->InpStGy, d->InpNx - d->InpXOff, d->InpNy);
    const int32_t at = win_call<kWinPos>(object);
    const bool lead = at >= 0 && size_t(at) < strnlen(d->sBuf, sizeof d->sBuf - 1) &&
                      IsKanji(d->sBuf[at]);
    const Caret caret = caret_shape(pitch(d->ChrWdGx), d->ChrWdGy[1], lead, d->InpInsMode == 1);
    CreateCaret(d->hWnd, nullptr, caret.width, caret.height);
    SetCaretPos(d->CurGx, scaled(1, d->CurGy, caret.dy));
    win_ime_place(d->hWnd, scaled(1, d->CurGx, d->ImeGx), scaled(1, d->CurGy, d->ImeGy));
    ShowCaret(d->hWnd);
}
