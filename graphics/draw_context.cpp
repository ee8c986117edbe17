// Win: the device-context protocol, drawing modes and object selection.
#include "draw_common.h"
#include "dc_scope.h"

using namespace zek_draw;

extern "C" HDC ZEKAPI Win_SetHDC(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    return d ? DcScope::hold_window(*d) : nullptr;
}

extern "C" int32_t ZEKAPI Win_ResetHDC(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    return d ? DcScope::release_window(*d) : 0;
}

extern "C" HDC ZEKAPI Win_GmodeSet(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return nullptr;
    HDC dc = win_call<kWinSetHDC>(object);
    DcScope::set_graphics_mode(*d, true);
    return dc;
}

extern "C" int32_t ZEKAPI Win_GmodeReset(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->hDC)
        SetMapMode(d->hDC, MM_TEXT);
    DcScope::release_selections(*d);
    if (d->hRgn)
        DeleteObject(d->hRgn);
    d->hRgn = nullptr;
    DcScope::set_graphics_mode(*d, false);
    if (d->hDC)
        SetROP2(d->hDC, R2_COPYPEN);
    return win_call<kWinResetHDC>(object);
}

extern "C" int32_t ZEKAPI Win_SetRop(ZEK_object *object, int32_t code)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    int mode = 0;
    switch (code) {
    case 'N':
        mode = R2_COPYPEN;
        break;
    case 'O':
        mode = R2_MERGEPEN;
        break;
    case 'X':
        mode = R2_XORPEN;
        break;
    case 'R':
        mode = R2_COPYPEN;
        d->Color = d->BackColor;
        break;
    default:
        break;
    }
    d->Rop = code;
    return mode && d->hDC ? SetROP2(d->hDC, mode) : 0;
}

extern "C" int32_t ZEKAPI Win_SetROP2(ZEK_object *object, int32_t mode)
{
    Win_data *d = win_data_of(object);
    return d && d->hDC ? SetROP2(d->hDC, mode) : 0;
}

extern "C" HGDIOBJ ZEKAPI Win_SelectObject(ZEK_object *object, HDC dc, HGDIOBJ gdiObject)
{
    Win_data *d = win_data_of(object);
    if (!dc)
        dc = d ? d->hDC : nullptr;
    return dc && gdiObject ? SelectObject(dc, gdiObject) : nullptr;
}
