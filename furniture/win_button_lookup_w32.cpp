// Finding a window's buttons by command id.
#include "win_button_lookup.h"

#include "../window/win_call.h"

ZEK_object *win_button_table(ZEK_object *w)
{
    Win_data *wd = win_data_of(w);
    ZEK_object *t = wd ? wd->pButtonTbl : nullptr;
    return atr_data(t) ? t : nullptr;
}

bool win_button(ZEK_object *w, int32_t id, WinButton *out)
{
    ZEK_object *t = win_button_table(w);
    if (!t)
        return false;
    const AtrButtons all = atr_buttons(t);
    const int32_t i = win_call<kWinGetButtonTbl>(w, id);
    if (i < 0 || i >= all.count)
        return false;
    *out = {t, atr_data(t), all, i, &all.rec[i]};
    return true;
}

extern "C" int32_t ZEKAPI Win_GetButtonTbl(ZEK_object *w, int32_t id)
{
    ZEK_object *t = win_button_table(w);
    return t ? atr_find_command(atr_buttons(t), id) : -1;
}
