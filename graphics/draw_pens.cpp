// Win: pens with the library's dash patterns.
#include "draw_common.h"
#include "dc_scope.h"
#include "raster/dash_tables.h"

using namespace zek_draw;
using namespace zek_raster;

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
// Dash lengths of a very wide pen stop growing here instead of wrapping.
constexpr uint64_t kMaxDash = 1u << 24;

HPEN make_pen_nt(COLORREF colour, int32_t type, int32_t width)
{
    const int32_t t = pen_type_index(type);
    if (t == 0)
        return CreatePen(PS_SOLID, width, colour);
    LOGBRUSH brush = {BS_SOLID, colour, 0};
    if (width == 1) {
        if (t == 1)
            return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
        const PenDash &dash = thin_pen_dash(t);
        DWORD lengths[10];
        for (int32_t i = 0; i < dash.count; ++i)
            lengths[i] = dash.lengths[i];
        return ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, &brush, DWORD(dash.count), lengths);
    }
    const PenDash &dash = wide_pen_dash(t);
    DWORD lengths[10];
    for (int32_t i = 0; i < dash.count; ++i) {
        const uint64_t length = uint64_t(dash.lengths[i]) * uint64_t(width);
        lengths[i] = DWORD(length > kMaxDash ? kMaxDash : length);
    }
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_ROUND | PS_JOIN_ROUND, DWORD(width),
                        &brush, DWORD(dash.count), lengths);
}

HPEN make_pen_other(COLORREF colour, int32_t type, int32_t width)
{
    switch (pen_type_index(type)) {
    case 0:
        return CreatePen(PS_SOLID, width, colour);
    case 1:
    case 2:
        return CreatePen(PS_DOT, 1, colour);
    case 3:
    case 4:
        return CreatePen(PS_DASH, 1, colour);
    case 5:
    case 6:
        return CreatePen(PS_DASHDOT, 1, colour);
    default:
        return CreatePen(PS_DASHDOTDOT, 1, colour);
    }
}

}  // namespace

extern "C" int32_t ZEKAPI Win_SetPen(ZEK_object *object, COLORREF colour, int32_t type, int32_t width)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->Rop == 'R')
        colour = d->BackColor;
    else if (d->Rop == 'X' && d->BackColor == kWhite && colour == 0)
        colour = kWhite;
    if (width < 1)
        width = 1;
    const bool same = d->bPen && d->hPen && colour == d->PenColor && width == d->PenWidth &&
                      type == d->PenType;
    d->Color = colour;
    d->PenColor = colour;
    d->PenWidth = width;
    d->PenType = type;
    if (same)
        return 1;
    HPEN pen = nt_platform() ? make_pen_nt(colour, type, width) : make_pen_other(colour, type, width);
    if (!pen)
        pen = CreatePen(PS_SOLID, width, colour);  // a styled pen the system refused
    if (!pen) {
        d->PenType = -1;  // nothing made: the next call tries again
        return 0;
    }
    DcScope::select_pen(*d, pen);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetPen2(ZEK_object *object, COLORREF colour, int32_t type, int32_t width)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->Rop == 'N' && d->BackColor == kWhite) {
        if (colour == kWhite)
            colour = 0;
        else if (colour == 0)
            colour = kWhite;
    }
    return win_call<kWinSetPen>(object, colour, type, width);
}
