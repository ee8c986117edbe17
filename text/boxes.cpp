// Win: bevelled boxes of the text screen, for input fields, pop-ups and titles.
#include <cstring>

#include "box_drawing.h"
#include "cells.h"
#include "zek2/win.h"

using namespace zek_boxes;

namespace {

// Sunken boxes are types 0 and 1; boxes (not pop-ups) are types 0 and 2.
bool sunken(int32_t type) { return type == 0 || type == 1; }
bool plain_box(int32_t type) { return type == 0 || type == 2; }

void bevel(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF c1,
           COLORREF c2)
{
    win_call<kWinDrawFrameBox>(object, x1, y1, x2, y2, c1, c2);
}

}  // namespace

extern "C" void ZEKAPI Win_DrawFrameBox(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2,
                                        int32_t y2, COLORREF c1, COLORREF c2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    KeepTextColours colours(object, *d);
    BoxContext dc(object, *d);
    if (!dc.ready())
        return;
    const POINT lead[3] = {{x1, y2}, {x1, y1}, {x2, y1}};
    const POINT trail[3] = {{x2, y1}, {x2, y2}, {x1, y2}};
    dc.pen(c1);
    win_call<kWinPolyline>(object, lead, int32_t(3));
    dc.pen(c2);
    win_call<kWinPolyline>(object, trail, int32_t(3));
}

extern "C" void ZEKAPI Win_InputBoxExG(ZEK_object *object, int32_t type, int32_t x, int32_t y,
                                       int32_t width, int32_t height, int32_t style)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const COLORREF fore = plain_box(type) ? GetForeBoxColor() : GetForePopColor();
    const COLORREF back = plain_box(type) ? GetBackBoxColor() : GetBackPopColor();
    win_call<kWinColor>(object, fore, back);
    KeepTextColours colours(object, fore, back);  // the field printed inside uses them
    BoxContext dc(object, *d);
    const int32_t x2 = off(x, int64_t(width) - 1), y2 = off(y, int64_t(height) - 1);
    win_call<kWinClsG>(object, x, y, x2, y2);
    if (!dc.ready())
        return;
    const bool in = sunken(type);
    if (style == 2) {
        bevel(object, off(x, -2), off(y, -2), off(x2, 2), off(y2, 2),
              in ? Color3dShadow() : Color3dHiLight(), in ? Color3dHiLight() : Color3dDkShadow());
        bevel(object, off(x, -1), off(y, -1), off(x2, 1), off(y2, 1),
              in ? Color3dDkShadow() : Color3dLight(), in ? Color3dLight() : Color3dShadow());
    } else if (in) {
        bevel(object, off(x, -1), off(y, -1), off(x2, 2), off(y2, 2), Color3dDkShadow(),
              Color3dHiLight());
        dc.pen(Color3dLight());
        dc.polyline({{x, off(y2, 1)}, {off(x2, 1), off(y2, 1)}, {off(x2, 1), y}});
    } else {
        bevel(object, off(x, -2), off(y, -2), off(x2, 1), off(y2, 1), Color3dHiLight(),
              Color3dDkShadow());
        dc.pen(Color3dLight());
        dc.polyline({{off(x, -1), y2}, {off(x, -1), off(y, -1)}, {x2, off(y, -1)}});
    }
}

extern "C" void ZEKAPI Win_InputBoxEx(ZEK_object *object, int32_t type, int32_t cx, int32_t cy,
                                      int32_t cwidth, int32_t cheight, int32_t style)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    using zek_cells::pitch;
    using zek_cells::scaled;
    const int32_t p = pitch(d->ChrWdGx), h = pitch(d->ChrWdGy);
    win_call<kWinInputBoxExG>(object, type, scaled(cx, p), scaled(cy, h), scaled(cwidth, p),
                              scaled(cheight, h), style);
}

extern "C" void ZEKAPI Win_TitleBoxExG(ZEK_object *object, int32_t style, int32_t x, int32_t y,
                                       int32_t width, int32_t height, const char *text,
                                       int32_t dx, int32_t dy)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const COLORREF fore = GetForeTitleColor(), back = GetBackTitleColor();
    win_call<kWinColor>(object, fore, back);
    KeepTextColours colours(object, fore, back);
    BoxContext dc(object, *d);
    const int32_t x2 = off(x, int64_t(width) - 1), y2 = off(y, int64_t(height) - 1);
    win_call<kWinClsG>(object, x, y, x2, y2);
    if (text && *text) {
        // The whole title, cut at the box rather than the text's own length.
        const RECT clip{x, y, x2, y2};
        win_call<kWinCursorG>(object, off(x, dx), off(y, dy), int32_t(0), int32_t(0));
        win_call<kWinPutsnn>(object, text, int32_t(strnlen(text, INT32_MAX)), &clip);
    }
    if (!dc.ready())
        return;
    if (style == 0) {
        bevel(object, off(x, -1), off(y, -1), off(x2, 1), off(y2, 1), Color3dHiLight(),
              Color3dDkShadow());
        return;
    }
    bevel(object, off(x, -1), off(y, -1), off(x2, 2), off(y2, 2), Color3dHiLight(),
          Color3dDkShadow());
    dc.pen(Color3dShadow());
    dc.polyline({{x, off(y2, 1)}, {off(x2, 1), off(y2, 1)}, {off(x2, 1), off(y, -1)}});
}
