// Win: the typed fields placed in cells, each calling its pixel form.
#include "cells.h"
#include "../window/win_call.h"

using zek_cells::scaled;

namespace {

// The pixel point of cell (cx, cy), as Keyin and Cursor place it; a
// missing Win layer gives the origin, and the pixel form refuses it then.
struct Point {
    int32_t gx, gy;
};

Point cell_point(ZEK_object *object, int32_t cx, int32_t cy)
{
    const Win_data *d = win_data_of(object);
    if (!d)
        return {0, 0};
    return {scaled(cx, d->ChrWdBx, scaled(1, d->TopOx, d->ChrWdGx[0])),
            scaled(cy, d->ChrWdBy, scaled(1, d->TopOy, d->ChrWdGy[0]))};
}

}  // namespace

extern "C" int32_t ZEKAPI Win_Keyin_w(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, int16_t *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinKeyin_wG>(object, p.gx, p.gy, width, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Keyin_i(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, int32_t *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinKeyin_iG>(object, p.gx, p.gy, width, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Keyin_l(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, long *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinKeyin_lG>(object, p.gx, p.gy, width, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Keyin_d(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, int32_t decimals, double *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinKeyin_dG>(object, p.gx, p.gy, width, decimals, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Keyin_s(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, char *text, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinKeyin_sG>(object, p.gx, p.gy, width, text, redisplay);
}

extern "C" int32_t ZEKAPI Win_Keyin_k(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, char *text, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinKeyin_kG>(object, p.gx, p.gy, width, text, redisplay);
}

extern "C" int32_t ZEKAPI Win_Input_w(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, int32_t min, int32_t max, int16_t *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinInput_wG>(object, p.gx, p.gy, width, min, max, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Input_l(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, long min, long max, long *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinInput_lG>(object, p.gx, p.gy, width, min, max, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Input_d(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, int32_t decimals, double *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinInput_dG>(object, p.gx, p.gy, width, decimals, value, redisplay);
}

extern "C" int32_t ZEKAPI Win_Input_d2(ZEK_object *object, int32_t cx, int32_t cy, int32_t width, int32_t decimals, double *value, int32_t redisplay)
{
    const Point p = cell_point(object, cx, cy);
    return win_call<kWinInput_d2G>(object, p.gx, p.gy, width, decimals, value, redisplay);
}
