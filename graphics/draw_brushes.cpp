// Win: hatch, solid and tile brushes and the brush origin.
#include "draw_common.h"
#include "dc_scope.h"
#include "raster/dash_tables.h"

using namespace zek_draw;

extern "C" int32_t ZEKAPI Win_SetHatchBrush(ZEK_object *object, int32_t style)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->hDC)
        return 0;
    HBRUSH brush = CreateHatchBrush(style, drawing_colour(*d));
    if (!brush)
        return 0;
    DcScope::select_brush(*d, brush);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetSolidBrush(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->hDC)
        return 0;
    const COLORREF colour = drawing_colour(*d);
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush)
        return 0;
    DcScope::select_brush(*d, brush);
    SetTextColor(d->hDC, colour);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetTileBrush(ZEK_object *object, int32_t n)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->hDC)
        return 0;
    // Monochrome rows are word aligned, most significant bit leftmost.
    const uint16_t *rows = zek_raster::tile_pattern(n);
    BYTE bits[32];
    for (int r = 0; r < 16; ++r) {
        bits[2 * r] = BYTE(rows[r] >> 8);
        bits[2 * r + 1] = BYTE(rows[r] & 0xFF);
    }
    HBITMAP bitmap = CreateBitmap(16, 16, 1, 1, bits);
    if (!bitmap)
        return 0;
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (!brush) {
        DeleteObject(bitmap);
        return 0;
    }
    // The brush holds its own copy of the pattern, so the old bitmap can go.
    if (d->hTileBitmap)
        DeleteObject(d->hTileBitmap);
    d->hTileBitmap = bitmap;
    DcScope::select_brush(*d, brush);
    SetTextColor(d->hDC, drawing_colour(*d));
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetBrushOrg(ZEK_object *object, int32_t x, int32_t y)
{
    Win_data *d = win_data_of(object);
    return d && d->hDC ? SetBrushOrgEx(d->hDC, x & 7, y & 7, nullptr) : 0;
}
