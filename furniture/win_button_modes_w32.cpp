// The Win methods that change one button of a window's table: its mode
// cell, texts, repeat flag and enabled state.
#include "win_button_lookup.h"

#include <cstdint>

#include "../env/sjis_fit.h"
#include "../window/win_call.h"

namespace {

// Longer texts are cut to what the record holds with its terminator, never
// between the two bytes of a character.
template <size_t N>
void set_text(char (&field)[N], const char *text)
{
    if (text)
        atr_copy_text(field, N, text, sjis_fit(text, SIZE_MAX, N - 1));
}

}  // namespace

extern "C" int32_t ZEKAPI Win_SetButtonAdd(ZEK_object *w, int32_t id, int32_t *cell)
{
    WinButton b;
    // A null cell would leave the group without a mode to draw.
    if (!cell || !win_button(w, id, &b))
        return 0;
    // Mode cells are 16 bits wide; the program's cell is read as one.
    int16_t *const to = reinterpret_cast<int16_t *>(cell);
    int16_t *const from = b.rec->pMode;
    for (int32_t k = 0; k < b.all.count; ++k)
        if (&b.all.rec[k] == b.rec || (from && b.all.rec[k].pMode == from))
            b.all.rec[k].pMode = to;
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetButtonMode(ZEK_object *w, int32_t id, int32_t value)
{
    WinButton b;
    if (!win_button(w, id, &b))
        return 0;
    int16_t *const cell = mode_cell(*b.rec);
    b.d->BefMode = *cell;
    *cell = int16_t(value);
    AtrDraws draws;
    const int16_t group = b.rec->group;
    for (int32_t k = 0; k < b.all.count; ++k)
        if (k == b.index || (group != 0 && b.all.rec[k].group == group))
            draws.push_back({k, 0, 0});
    atr_redraw(b.table, draws);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetButtonStr(ZEK_object *w, int32_t id, const char *text,
                                           const char *hint)
{
    WinButton b;
    if (!win_button(w, id, &b))
        return 0;
    set_text(b.rec->str, text);
    set_text(b.rec->hint, hint);
    atr_redraw(b.table, {{b.index, b.index == b.d->RvPos ? 1 : 0, 0}});
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetRepeetMode(ZEK_object *w, int32_t id, int32_t flag)
{
    WinButton b;
    if (!win_button(w, id, &b))
        return 0;
    b.rec->bRepeet = uint8_t(flag & 0xFF);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetButtonGlayed(ZEK_object *w, int32_t id, int32_t state,
                                              int32_t redraw)
{
    WinButton b;
    if (!win_button(w, id, &b))
        return 0;
    b.rec->bGlay = uint8_t(state);
    if (redraw == 1)
        atr_redraw(b.table, {{b.index, 0, 0}});
    else if (redraw == 2)
        win_call<kWinPaint>(w);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetButtonOn(ZEK_object *w, int32_t id)
{
    return win_call<kWinSetButtonGlayed>(w, id, int32_t(0), int32_t(1));
}

extern "C" int32_t ZEKAPI Win_SetButtonOff(ZEK_object *w, int32_t id)
{
    return win_call<kWinSetButtonGlayed>(w, id, int32_t(1), int32_t(1));
}
