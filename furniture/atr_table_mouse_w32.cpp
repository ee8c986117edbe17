// AtrTable: the mouse, the timers on pWin and the picture switch.
#include "atr_table.h"

#include "../window/win_call.h"
#include "leave_check.h"

namespace {

constexpr UINT_PTR kHintTimer = 200;
constexpr UINT_PTR kRepeatTimer = 201;

Win_data *win_of(const AtrTable_data &d)
{
    return win_data_of(d.pWin);
}

// The hit test's record becomes the current one, as Get leaves it.
void select_record(ZEK_object *t, int32_t i)
{
    if (i >= 0)
        atr_mem_call(t, kFdMemGet, i);
}

}  // namespace

AtrState atr_state(const AtrTable_data &d)
{
    AtrState s;
    s.RunProc = d.RunProc;
    s.RunPos = d.RunPos;
    s.SelPos = d.SelPos;
    s.RvPos = d.RvPos;
    s.OpeRec = d.OpeRec;
    s.OpeGroup = d.OpeGroup;
    s.OpeMode = d.OpeMode;
    s.BefMode = d.BefMode;
    return s;
}

void atr_store(AtrTable_data &d, const AtrState &s)
{
    d.RunProc = s.RunProc;
    d.RunPos = s.RunPos;
    d.SelPos = s.SelPos;
    d.RvPos = s.RvPos;
    d.OpeRec = s.OpeRec;
    d.OpeGroup = s.OpeGroup;
    d.OpeMode = s.OpeMode;
    d.BefMode = s.BefMode;
}

void atr_redraw(ZEK_object *t, const AtrDraws &draws)
{
    AtrTable_data *d = atr_data(t);
    if (!d || draws.empty())
        return;
    win_call<kWinGmodeSet>(d->pWin);
    for (const AtrDraw &a : draws)
        atr_call<void>(t, kAtrDrawButton, a.index, a.hover, a.pressed);
    win_call<kWinGmodeReset>(d->pWin);
}

extern "C" void ZEKAPI AtrTable_SetRepeetTimer(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    // Only a running repeat speeds up: a press on a button without repeat
    // must not start one.
    if (!d || !d->bRepeetFg || d->bRepeetTimer != 500)
        return;
    d->bRepeetTimer = 30;
    win_call<kWinKillTimer>(d->pWin, kRepeatTimer);
    win_call<kWinSetTimer>(d->pWin, kRepeatTimer, UINT(30));
}

extern "C" void ZEKAPI AtrTable_ResetHintTimer(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d || !d->bTimer)
        return;
    d->bTimer = 0;
    win_call<kWinKillTimer>(d->pWin, kHintTimer);
}

extern "C" void ZEKAPI AtrTable_ResetRepeetTimer(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d || !d->bRepeetFg)
        return;
    d->bRepeetFg = 0;
    win_call<kWinKillTimer>(d->pWin, kRepeatTimer);
}

extern "C" int32_t ZEKAPI AtrTable_GetMousePos(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    Win_data *w = d ? win_of(*d) : nullptr;
    if (!w)
        return -1;
    AtrState s = atr_state(*d);
    const int32_t i = atr_hit(atr_buttons(t), w->MouseGx, w->MouseGy, s);
    atr_store(*d, s);
    select_record(t, i);
    return i;
}

extern "C" void ZEKAPI AtrTable_MouseMove(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    atr_table_leave_check(d->pWin);
    atr_call<void>(t, kAtrResetHintTimer);
    const int32_t i = atr_call(t, kAtrHintOff, int32_t(0));
    if (d->bWaitPaint)
        d->HintTimer = 500;
    AtrState s = atr_state(*d);
    const bool held = s.SelPos >= 0;
    AtrDraws draws;
    const bool hint = atr_hover(atr_buttons(t), i, s, draws);
    atr_store(*d, s);
    if (held && s.SelPos < 0)
        atr_call<void>(t, kAtrResetRepeetTimer);
    atr_redraw(t, draws);
    if (!held && i < 0)
        atr_call<void>(t, kAtrResetHintTimer);
    if (hint && !d->bHint) {
        d->HintRec = i;
        d->bTimer = 1;
        win_call<kWinSetTimer>(d->pWin, kHintTimer, UINT(d->HintTimer));
    }
}

extern "C" int32_t ZEKAPI AtrTable_LButtonDown(ZEK_object *t, uintptr_t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return -1;
    d->bWaitPaint = 0;
    d->HintTimer = 1000;
    atr_call<void>(t, kAtrResetRepeetTimer);
    atr_call<void>(t, kAtrResetHintTimer);
    const int32_t i = atr_call(t, kAtrHintOff, int32_t(1));
    AtrState s = atr_state(*d);
    AtrDraws draws;
    const int32_t r = atr_press(atr_buttons(t), i, d->OpeMode, s, draws);
    atr_store(*d, s);
    if (r < 0)
        return -1;
    atr_redraw(t, draws);
    select_record(t, r);
    const AtrButtons b = atr_buttons(t);
    if (r < b.count && b.rec[r].bRepeet) {
        d->bRepeetFg = 1;
        d->bRepeetTimer = 500;
        win_call<kWinSetTimer>(d->pWin, kRepeatTimer, UINT(500));
    }
    return r;
}

extern "C" int32_t ZEKAPI AtrTable_LButtonUp(ZEK_object *t, uintptr_t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return -1;
    atr_call<void>(t, kAtrResetRepeetTimer);
    atr_call<void>(t, kAtrResetHintTimer);
    const int32_t j = atr_call(t, kAtrHintOff, int32_t(1));
    AtrState s = atr_state(*d);
    AtrDraws draws;
    const int32_t r = atr_release(atr_buttons(t), j, s, draws);
    atr_store(*d, s);
    atr_redraw(t, draws);
    select_record(t, r);
    return r;
}

extern "C" void ZEKAPI AtrTable_RButtonDown(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    d->bWaitPaint = 0;
    d->HintTimer = 1000;
    atr_call<void>(t, kAtrResetHintTimer);
    atr_call(t, kAtrHintOff, int32_t(1));
}

extern "C" void ZEKAPI AtrTable_RButtonUp(ZEK_object *t)
{
    if (!atr_data(t))
        return;
    atr_call<void>(t, kAtrResetHintTimer);
    atr_call(t, kAtrHintOff, int32_t(1));
}

extern "C" int32_t ZEKAPI AtrTable_SetButtonMode(ZEK_object *t, int32_t comId, int32_t mode)
{
    AtrTable_data *d = atr_data(t);
    const AtrButtons b = d ? atr_buttons(t) : AtrButtons{nullptr, 0};
    const int32_t i = atr_find_command(b, comId);
    if (i < 0)
        return 0;
    AtrTable_button &r = b.rec[i];
    r.bButtonMode = int16_t(mode);
    atr_switch_picture(r, mode);
    win_call<kWinGmodeSet>(d->pWin);
    atr_call<void>(t, kAtrDrawButton1, i, int32_t(0), int32_t(0));
    win_call<kWinGmodeReset>(d->pWin);
    return 1;
}
