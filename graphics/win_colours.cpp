// The Win methods that pick a window's colours, and the sixteen-colour palette.
#include "zek2/win.h"

#include "../window/win_data.h"

namespace {

const COLORREF kPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

Win_data *data_of(ZEK_object *object)
{
    ZEK_layer *layer = win_layer(object);
    return layer ? win_data(layer) : nullptr;
}

void set_from_table(ZEK_object *object, int fore, int back)
{
    const COLORREF *table = GetSysColorTbl();
    Win_Color(object, table[fore], table[back]);
}

}  // namespace

extern "C" void ZEKAPI Win_Color(ZEK_object *object, COLORREF fore, COLORREF back)
{
    if (Win_data *d = data_of(object)) {
        d->Color = fore;
        d->BackColor = back;
    }
}

extern "C" void ZEKAPI Win_SetWndColor(ZEK_object *object)
{
    set_from_table(object, 0, 1);
}

extern "C" void ZEKAPI Win_SetBoxColor(ZEK_object *object)
{
    set_from_table(object, 0, 1);
}

extern "C" void ZEKAPI Win_SetPopColor(ZEK_object *object)
{
    set_from_table(object, 5, 6);
}

extern "C" void ZEKAPI Win_SetTitleColor(ZEK_object *object)
{
    set_from_table(object, 2, 3);
}

extern "C" void ZEKAPI Win_SetReverseColor(ZEK_object *object)
{
    set_from_table(object, 7, 8);
}

extern "C" HBRUSH ZEKAPI Win_SetBackGroundColor(ZEK_object *object, COLORREF colour)
{
    Win_data *d = data_of(object);
    if (!d)
        return nullptr;
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush)
        return nullptr;  // keep the brush the window has
    // Only a brush the window made itself is its to delete.
    if (d->bBackgroundF && d->hbrBackground)
        DeleteObject(d->hbrBackground);
    d->hbrBackground = brush;
    d->bBackgroundF = 1;
    return brush;
}

extern "C" void ZEKAPI Win_SetBackColor(ZEK_object *object, COLORREF colour)
{
    Win_data *d = data_of(object);
    if (!d)
        return;
    d->BackColor = colour;
    if (d->hDC)
        SetBkColor(d->hDC, colour);
}

extern "C" COLORREF ZEKAPI Win_GetSysColor(ZEK_object *, int32_t index)
{
    return GetSysColor(index);
}

extern "C" COLORREF ZEKAPI Win_GetRGBColor(ZEK_object *, int32_t index)
{
    return index >= 0 && index < 16 ? kPalette[index] : kPalette[15];
}
