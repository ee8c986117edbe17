// Win: the plain world/view mapping and the survey paper fitted to the
// drawing area. The arithmetic is in raster/paper_fit; here the members.
#include <cmath>

#include "../window/win_call.h"
#include "raster/paper_fit.h"
#include "raster/pixel.h"

using zek_raster::WorldRect;

namespace {

WorldRect current_window(const Win_data &d) { return WorldRect{d.wSx0, d.wSy0, d.wMx0, d.wMy0}; }

void set_current(Win_data &d, const WorldRect &w)
{
    d.wSx0 = w.sx;
    d.wSy0 = w.sy;
    d.wMx0 = w.mx;
    d.wMy0 = w.my;
}

void set_home(Win_data &d, const WorldRect &w)
{
    d.wSx1 = w.sx;
    d.wSy1 = w.sy;
    d.wMx1 = w.mx;
    d.wMy1 = w.my;
}

void set_saved(Win_data &d, const WorldRect &w)
{
    d.wSxBuf = w.sx;
    d.wSyBuf = w.sy;
    d.wMxBuf = w.mx;
    d.wMyBuf = w.my;
}

void set_scale(Win_data &d, const zek_raster::PaperScale &s)
{
    d.dWdWx = s.dWdWx;
    d.dWdWy = s.dWdWy;
    d.zwSclX = s.zwSclX;
    d.zwSclY = s.zwSclY;
    d.wzSclX = s.wzSclX;
    d.wzSclY = s.wzSclY;
}

// Recomputes the scale of the current window; an empty one keeps the old.
void rescale(Win_data &d)
{
    zek_raster::PaperScale s;
    if (zek_raster::paper_scale(current_window(d), d.dWdVx, d.dWdVy, s))
        set_scale(d, s);
}

void corner_to_bitmap_origin(Win_data &d)
{
    d.bBmpGx = d.wMx0;
    d.bBmpGy = d.wSy0;
}

// A drawing area with no pixels (furniture is made at 0 x 0) has nothing to
// fit; refitting it would only produce infinities.
bool area_usable(const Win_data &d)
{
    return std::isfinite(d.dWdVx) && std::isfinite(d.dWdVy) && d.dWdVx > 0 && d.dWdVy > 0;
}

int32_t non_negative(int64_t v) { return v < 0 ? 0 : v > INT32_MAX ? INT32_MAX : int32_t(v); }

}  // namespace

extern "C" void ZEKAPI Win_Scale(ZEK_object *object, int32_t vx1, int32_t vy1, int32_t vx2,
                                 int32_t vy2, double wx1, double wy1, double wx2, double wy2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    d->Vx2 = vx2;
    d->Vy2 = vy2;
    d->Vx0 = d->Vx1 = vx1;
    d->Vy0 = d->Vy1 = vy1;
    d->dWx0 = wx1;
    d->dWy0 = wy1;
    const zek_raster::AxisFactors fx = zek_raster::axis_factors(vx1, vx2, wx1, wx2);
    const zek_raster::AxisFactors fy = zek_raster::axis_factors(vy1, vy2, wy1, wy2);
    d->dVwx = fx.worldPerPixel;
    d->dWvx = fx.pixelsPerWorld;
    d->dVwy = fy.worldPerPixel;
    d->dWvy = fy.pixelsPerWorld;
}

extern "C" void ZEKAPI Win_ScaleNew(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const int32_t W = non_negative(int64_t(d->bRect.right) - d->bRect.left);
    const int32_t H = non_negative(int64_t(d->bRect.bottom) - d->bRect.top);
    d->Vx2 = d->Vx6 = W - 1;
    d->Vy2 = d->Vy6 = H - 1;
    d->Vx0 = d->Vy0 = d->Vx1 = d->Vy1 = d->Vx5 = d->Vy5 = 0;
    d->dWdVx = d->dWdWx = W;
    d->dWdVy = d->dWdWy = H;
    d->dWx0 = d->dWy0 = d->dWx5 = d->dWy5 = 0.0;
    d->dVwx = d->dVwy = d->dVxb = d->dVyb = 1.0;
    d->dWvx = d->dWvy = d->dWxb = d->dWyb = 1.0;
    win_call<kWinScaleSet>(object);
}

extern "C" void ZEKAPI Win_ScaleOn(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    // Plain x := survey Y, plain y := survey X running upwards.
    win_call<kWinScale>(object, d->Vx1, d->Vy1, d->Vx2, d->Vy2, d->wSy0, d->wMx0, d->wMy0,
                        d->wSx0);
}

extern "C" void ZEKAPI Win_ScaleOff(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    d->Vx0 = d->Vx1 = d->Vx5;
    d->Vy0 = d->Vy1 = d->Vy5;
    d->Vx2 = d->Vx6;
    d->Vy2 = d->Vy6;
    d->dVwx = d->dVxb;
    d->dVwy = d->dVyb;
    d->dWx0 = d->dWx5;
    d->dWy0 = d->dWy5;
    d->dWvx = d->dWxb;
    d->dWvy = d->dWyb;
}

extern "C" int32_t ZEKAPI Win_SetViewport(ZEK_object *object, int32_t x, int32_t y,
                                          POINT *previous)
{
    Win_data *d = win_data_of(object);
    return d ? SetViewportOrgEx(d->hDC, x, y, previous) : 0;
}

extern "C" int32_t ZEKAPI Win_WldToVewX(ZEK_object *object, double x)
{
    Win_data *d = win_data_of(object);
    return d ? zek_raster::world_to_pixel(x, d->dWx0, d->dWvx, d->Vx0) : 0;
}

extern "C" int32_t ZEKAPI Win_WldToVewY(ZEK_object *object, double y)
{
    Win_data *d = win_data_of(object);
    return d ? zek_raster::world_to_pixel(y, d->dWy0, d->dWvy, d->Vy0) : 0;
}

extern "C" void ZEKAPI Win_WldToVewXY(ZEK_object *object, double wx, double wy, int32_t *vx,
                                      int32_t *vy)
{
    const int32_t x = win_call<kWinWldToVewX>(object, wx);
    const int32_t y = win_call<kWinWldToVewY>(object, wy);
    if (vx)
        *vx = x;
    if (vy)
        *vy = y;
}

extern "C" double ZEKAPI Win_VewToWldX(ZEK_object *object, int32_t v)
{
    Win_data *d = win_data_of(object);
    return d ? (double(v) - d->Vx0) * d->dVwx + d->dWx0 : 0.0;
}

extern "C" double ZEKAPI Win_VewToWldY(ZEK_object *object, int32_t v)
{
    Win_data *d = win_data_of(object);
    return d ? (double(v) - d->Vy0) * d->dVwy + d->dWy0 : 0.0;
}

extern "C" int32_t ZEKAPI Win_GetVewWX(ZEK_object *object, double length)
{
    Win_data *d = win_data_of(object);
    return d ? zek_raster::trunc_sat(length * d->dWvx) : 0;
}

extern "C" int32_t ZEKAPI Win_GetVewWY(ZEK_object *object, double length)
{
    Win_data *d = win_data_of(object);
    return d ? zek_raster::trunc_sat(length * d->dWvy) : 0;
}

extern "C" double ZEKAPI Win_GetWldWX(ZEK_object *object, int32_t n)
{
    Win_data *d = win_data_of(object);
    return d ? n * d->dVwx : 0.0;
}

extern "C" double ZEKAPI Win_GetWldWY(ZEK_object *object, int32_t n)
{
    Win_data *d = win_data_of(object);
    return d ? n * d->dVwy : 0.0;
}

extern "C" void ZEKAPI Win_SclWtoZ(ZEK_object *object, double x, double y, int32_t *vx,
                                   int32_t *vy)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (vx)
        *vx = zek_raster::world_to_pixel(y, d->wSy0, d->wzSclX, d->Vx0);
    if (vy)
        *vy = zek_raster::add_sat(zek_raster::trunc_sat((d->wMx0 - x) * d->wzSclY), d->Vy0);
}

extern "C" void ZEKAPI Win_SclZtoW(ZEK_object *object, int32_t vx, int32_t vy, double *x,
                                   double *y)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (x)
        *x = d->wMx0 - (double(vy) - d->Vy0) * d->zwSclY;
    if (y)
        *y = (double(vx) - d->Vx0) * d->zwSclX + d->wSy0;
}

extern "C" void ZEKAPI Win_ScaleSet(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !area_usable(*d))
        return;
    WorldRect paper;
    const bool fitted = zek_raster::fit_rect(WorldRect{d->ysSx, d->ysSy, d->ysMx, d->ysMy},
                                             d->dWdVx, d->dWdVy, paper);
    if (fitted) {
        set_home(*d, paper);
        d->wSx2 = paper.sx;
        d->wSy2 = paper.sy;
        d->wMx2 = paper.mx;
        d->wMy2 = paper.my;
    }
    WorldRect w = current_window(*d);
    const int32_t mode = d->bEdType;
    if (mode >= 1 && mode <= 8 &&
        zek_raster::keep_edges(mode, w, d->dWdVx, d->dWdVy, d->zwSclX, d->zwSclY)) {
        set_current(*d, w);
    } else if (mode == 9) {
        set_saved(*d, w);
    } else if (mode == 10) {
        set_saved(*d, w);
        win_call<kWinScaleSet2>(object, int32_t(1), w.sx, w.sy, w.mx, w.my);
    } else if (mode == 11) {
        win_call<kWinScaleSet2>(object, int32_t(0), d->wSxBuf, d->wSyBuf, d->wMxBuf,
                                d->wMyBuf);
    } else if (fitted) {
        // Mode 0, another value, or an edge mode without a usable present
        // scale (never fitted yet): the whole paper.
        set_current(*d, paper);
        set_saved(*d, paper);
        rescale(*d);
    }
    corner_to_bitmap_origin(*d);
}

extern "C" void ZEKAPI Win_ScaleSet0(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        rescale(*d);
}

extern "C" void ZEKAPI Win_ScaleSet2(ZEK_object *object, int32_t flag, double x1, double y1,
                                     double x2, double y2)
{
    Win_data *d = win_data_of(object);
    WorldRect w;
    if (!d || !area_usable(*d) ||
        !zek_raster::fit_rect(zek_raster::ordered_rect(x1, y1, x2, y2), d->dWdVx, d->dWdVy, w))
        return;
    set_current(*d, w);
    corner_to_bitmap_origin(*d);
    if (flag)
        set_home(*d, w);
    win_call<kWinScaleSet0>(object);
}

extern "C" void ZEKAPI Win_YousiSet(ZEK_object *object, double ysMx, double ysMy)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    d->ysSx = d->ysSy = 0.0;
    d->ysMx = ysMx;
    d->ysMy = ysMy;
    d->bEdType = 0;
    win_call<kWinScaleSet>(object);
}

extern "C" int32_t ZEKAPI Win_GetLineW(ZEK_object *object, double width)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 1;
    return d->Rop == 'X' ? 1 : zek_raster::line_width_pixels(width, d->wzSclX);
}
