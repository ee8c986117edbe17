// The window's own button timer: auto-repeat of held mouse actions outside
// the button tables.
#include "../window/win_call.h"

extern "C" void ZEKAPI Win_InitButtonTimer(ZEK_object *w, int32_t id, int32_t interval)
{
    Win_data *d = win_data_of(w);
    if (!d)
        return;
    win_call<kWinResetButtonTimer>(w);
    d->bButtonTimerId = id;
    d->bButtonTimerSpeed = interval;
    // Identifier 0 stands for "no timer", so none is started under it.
    if (id)
        win_call<kWinSetTimer>(w, UINT_PTR(uint32_t(id)), UINT(interval));
}

extern "C" void ZEKAPI Win_SetButtonTimer(ZEK_object *w, int32_t interval)
{
    Win_data *d = win_data_of(w);
    if (!d || interval == d->bButtonTimerSpeed)
        return;
    d->bButtonTimerSpeed = interval;
    if (d->bButtonTimerId)
        win_call<kWinSetTimer>(w, UINT_PTR(uint32_t(d->bButtonTimerId)), UINT(interval));
}

extern "C" void ZEKAPI Win_ResetButtonTimer(ZEK_object *w)
{
    Win_data *d = win_data_of(w);
    if (!d || !d->bButtonTimerId)
        return;
    win_call<kWinKillTimer>(w, UINT_PTR(uint32_t(d->bButtonTimerId)));
    d->bButtonTimerId = 0;
    d->bButtonTimerSpeed = 0;
}

// Programs overwrite this by name to repeat their own action.
extern "C" int32_t ZEKAPI Win_RepeetButton(ZEK_object *)
{
    return 0;
}
