// The Win button methods that reach over all the furniture of a window.
#include "win_button_lookup.h"

#include "../window/win_call.h"

namespace {

// w's own table first, then its status bar, toolbars, MDI children and the
// left, right, top and bottom lock menus. Stops when fn returns true.
template <typename Fn>
void each_furniture_win(ZEK_object *w, Fn fn)
{
    Win_data *d = win_data_of(w);
    if (!d || fn(w) || fn(d->pStatusBar))
        return;
    for (ZEK_object *bar : d->pToolBar)
        if (fn(bar))
            return;
    for (ZEK_object *child : d->pMdiChild)
        if (fn(child))
            return;
    for (ZEK_object *menu : {d->pLeftMenuBar, d->pRightMenuBar, d->pTopMenuBar, d->pDownMenuBar})
        if (fn(menu))
            return;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_SetAllButtonMode(ZEK_object *w, int32_t id, int32_t value)
{
    int32_t done = 0;
    each_furniture_win(w, [&](ZEK_object *f) {
        if (!win_data_of(f) || win_call<kWinGetButtonTbl>(f, id) < 0)
            return false;
        done = win_call<kWinSetButtonMode>(f, id, value);
        return true;
    });
    return done;
}

extern "C" void ZEKAPI Win_ResetOnOffButton(ZEK_object *w, ZEK_object *skip)
{
    each_furniture_win(w, [&](ZEK_object *f) {
        ZEK_object *t = win_button_table(f);
        if (!t || t == skip)
            return false;
        AtrTable_data &d = *atr_data(t);
        const AtrButtons b = atr_buttons(t);
        AtrDraws draws;
        for (int32_t k = 0; k < b.count; ++k) {
            int16_t *const cell = mode_cell(b.rec[k]);
            if (b.rec[k].bOnOff == 2 && *cell == 1) {
                *cell = 0;
                draws.push_back({k, 0, 0});
            }
        }
        atr_redraw(t, draws);
        d.BefMode = 0;
        d.RunProc = d.RunPos = -1;
        return false;
    });
}
