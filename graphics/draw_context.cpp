// Win: the device-context protocol, drawing modes and object selection.
#include "draw_common.h"

using namespace zek_draw;

void zek_draw::select_own_brush(Win_data &d, HBRUSH brush)
{
    HGDIOBJ replaced = SelectObject(d.hDC, brush);
    if (d.bBrush) {
        // Deleting the brush found in the context would destroy a brush the
        // program owns; only the object's own brush goes.
        if (d.hBrush && d.hBrush != brush)
            DeleteObject(d.hBrush);
    } else {
        d.hBrushOld = replaced;
    }
    d.hBrush = brush;
    d.bBrush = 1;
}

extern "C" HDC ZEKAPI Win_SetHDC(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return nullptr;
    // While painting, in graphics mode or with the bitmap open, hDC is held
    // already (an open bitmap's memory context must stay the target).
    if (d->bPaint || d->bGmode || d->hMemDC)
        return d->hDC;
    // Without a window GetDC would hand out the whole screen.
    if (d->hWnd)
        d->hDC = GetDC(d->hWnd);
    return d->hDC;
}

extern "C" int32_t ZEKAPI Win_ResetHDC(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || d->bPaint || d->bGmode || d->hMemDC || !d->hWnd || !d->hDC)
        return 0;
    const int32_t released = ReleaseDC(d->hWnd, d->hDC);
    d->hDC = nullptr;  // a released context must not be drawn on
    return released;
}

extern "C" HDC ZEKAPI Win_GmodeSet(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return nullptr;
    HDC dc = win_call<kWinSetHDC>(object);
    d->bGmode = 1;
    return dc;
}

extern "C" int32_t ZEKAPI Win_GmodeReset(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->hDC)
        SetMapMode(d->hDC, MM_TEXT);
    if (d->bPen) {
        if (d->hDC && d->hPenOld)
            SelectObject(d->hDC, d->hPenOld);
        if (d->hPen)
            DeleteObject(d->hPen);
    }
    if (d->bBrush) {
        // A selected brush cannot be deleted: put the original back first.
        if (d->hDC)
            SelectObject(d->hDC, d->hBrushOld ? d->hBrushOld : GetStockObject(WHITE_BRUSH));
        if (d->hBrush)
            DeleteObject(d->hBrush);
    }
    if (d->hTileBitmap)
        DeleteObject(d->hTileBitmap);
    if (d->hRgn)
        DeleteObject(d->hRgn);
    d->hTileBitmap = nullptr;
    d->hRgn = nullptr;
    d->hPen = nullptr;
    d->hPenOld = nullptr;
    d->hBrush = nullptr;
    d->hBrushOld = nullptr;
    d->bGmode = 0;
    d->bPen = 0;
    d->bBrush = 0;
    d->PenType = -1;
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
