// Win: rotated graphic text in one of the system fonts.
#include <cstring>

#include "zek2/fonts.h"

#include "dc_scope.h"
#include "draw_common.h"
#include "font_cache.h"

using namespace zek_draw;

extern "C" int32_t ZEKAPI Win_GchrI(ZEK_object *object, const char *text, int32_t x, int32_t y,
                                   double angle, int32_t width, int32_t height, int32_t face,
                                   int32_t italic, int32_t weight)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->hDC || !text)
        return 0;
    if (face < 0 || face > 3)
        face = 0;  // the four system font names
    char name[32] = {};
    GetSystemFontName(face, name);
    HDC dc = d->hDC;
    SetTextColor(dc, d->Color);
    const UINT oldAlign = SetTextAlign(dc, UINT(uint16_t(d->GchrAlign)));
    const int32_t tenths = zek_raster::trunc_sat(angle * 10);
    // Held until it has left the context, which the scope does first.
    HeldFont font(name, italic, width, height, tenths, weight);
    DcScope scope(*d);
    scope.select_font(font.get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const size_t length = strlen(text);
    const int n = length > 0x7FFFFFFF ? 0x7FFFFFFF : int(length);
    int32_t result;
    if (d->Rop == 'X') {
        BeginPath(dc);
        TextOutA(dc, x, y, text, n);
        EndPath(dc);
        win_call<kWinSetSolidBrush>(object);
        result = FillPath(dc);
    } else {
        result = TextOutA(dc, x, y, text, n);
    }
    if (oldMode != TRANSPARENT)
        SetBkMode(dc, OPAQUE);
    if (oldAlign != GDI_ERROR)
        SetTextAlign(dc, oldAlign);
    return result;
}

extern "C" int32_t ZEKAPI Win_Gchr(ZEK_object *object, const char *text, double x, double y,
                                  double angle, double width, double height, int32_t face,
                                  int32_t italic, int32_t weight)
{
    int32_t vx = 0, vy = 0;
    win_call<kWinWldToVewXY>(object, x, y, &vx, &vy);
    // Only the position is mapped; the font sizes are pixels already.
    const int32_t w = zek_raster::trunc_sat(width), h = zek_raster::trunc_sat(height);
    return win_call<kWinGchrI>(object, text, vx, vy, angle, w, h, face, italic, weight);
}
