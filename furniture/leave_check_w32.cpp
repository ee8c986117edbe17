// The leave check of the button tables: hover, hint, repeat and held states
// end when the pointer is no longer over the table's window.
#include "leave_check.h"

#include "../window/win_call.h"
#include "atr_table.h"

void atr_table_leave_check(ZEK_object *window)
{
    Win_data *w = win_data_of(window);
    ZEK_object *t = w ? w->pButtonTbl : nullptr;
    AtrTable_data *d = atr_data(t);
    RECT r;
    POINT p;
    if (!d || !w->hWnd || !GetWindowRect(w->hWnd, &r) || !GetCursorPos(&p))
        return;
    const bool inside = p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    if (!inside) {
        atr_call<void>(t, kAtrResetRepeetTimer);
        d->bWaitPaint = 0;
        d->HintTimer = 1000;
        if (d->bHint)
            atr_call(t, kAtrHintOff, int32_t(1));
        if (d->SelPos >= 0) {
            const int32_t i = d->SelPos;
            d->SelPos = -1;
            atr_redraw(t, {{i, 0, 0}});
            return;
        }
    }
    if (d->RvPos >= 0) {
        const int32_t i = d->RvPos;
        d->RvPos = -1;
        atr_redraw(t, {{i, 0, 0}});
    }
}
