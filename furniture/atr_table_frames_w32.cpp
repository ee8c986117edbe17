// AtrTable: the frame painters. Bevels through pWin's DrawFrameBox, single
// lines through its pen and LineI (the end point is not painted, as in a GDI
// polyline). State -1 paints the edge away in the face colour.
#include "atr_table.h"

#include <initializer_list>

#include "../window/win_call.h"
#include "zek2/win.h"

namespace {

constexpr int32_t kCopyPen = 'N';

ZEK_object *win_of(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    return d && win_data_of(d->pWin) ? d->pWin : nullptr;
}

void box(ZEK_object *w, int32_t x0, int32_t y0, int32_t x1, int32_t y1, COLORREF tl, COLORREF br)
{
    win_call<kWinDrawFrameBox>(w, x0, y0, x1, y1, tl, br);
}

// A polyline of 1-pixel segments in colour c.
void line(ZEK_object *w, COLORREF c, std::initializer_list<POINT> pts)
{
    win_call<kWinSetRop>(w, kCopyPen);
    win_call<kWinSetPen>(w, c, int32_t(0), int32_t(1));
    const POINT *p = pts.begin();
    for (size_t k = 1; k < pts.size(); ++k)
        win_call<kWinLineI>(w, int32_t(p[k - 1].x), int32_t(p[k - 1].y), int32_t(p[k].x),
                            int32_t(p[k].y));
}

}  // namespace

extern "C" void ZEKAPI AtrTable_DrawFrame11(ZEK_object *t, int32_t x, int32_t y, int32_t w,
                                            int32_t h, int32_t state)
{
    ZEK_object *o = win_of(t);
    if (!o)
        return;
    switch (state) {
    case -1: box(o, x - 1, y - 1, x + w, y + h, Color3dFace(), Color3dFace()); break;
    case 0: box(o, x - 1, y - 1, x + w, y + h, Color3dHiLight(), Color3dDkShadow()); break;
    case 1: box(o, x - 1, y - 1, x + w, y + h, Color3dDkShadow(), Color3dHiLight()); break;
    case 2: box(o, x, y, x + w - 1, y + h - 1, Color3dShadow(), Color3dHiLight()); break;
    default: break;
    }
}

extern "C" void ZEKAPI AtrTable_DrawFrame12(ZEK_object *t, int32_t x, int32_t y, int32_t w,
                                            int32_t h, int32_t state)
{
    ZEK_object *o = win_of(t);
    if (!o || state < -1 || state > 1)
        return;
    const COLORREF face = Color3dFace();
    if (state == 1) {
        box(o, x - 1, y - 1, x + w + 1, y + h + 1, Color3dDkShadow(), Color3dHiLight());
        line(o, Color3dShadow(), {{x, y + h}, {x, y}, {x + w, y}});
        return;
    }
    const bool erase = state == -1;
    box(o, x - 1, y - 1, x + w + 1, y + h + 1, erase ? face : Color3dHiLight(),
        erase ? face : Color3dDkShadow());
    line(o, erase ? face : Color3dShadow(), {{x, y + h}, {x + w, y + h}, {x + w, y}});
}

extern "C" void ZEKAPI AtrTable_DrawFrame22(ZEK_object *t, int32_t x, int32_t y, int32_t w,
                                            int32_t h, int32_t state)
{
    ZEK_object *o = win_of(t);
    if (!o)
        return;
    COLORREF c[4];  // outer top-left, outer bottom-right, inner top-left, inner bottom-right
    switch (state) {
    case -1: c[0] = c[1] = c[2] = c[3] = Color3dFace(); break;
    case 0:
        c[0] = Color3dLight(), c[1] = Color3dDkShadow(), c[2] = Color3dHiLight(), c[3] = Color3dShadow();
        break;
    case 1:
        c[0] = Color3dDkShadow(), c[1] = Color3dHiLight(), c[2] = Color3dShadow(), c[3] = Color3dLight();
        break;
    default: return;
    }
    box(o, x - 2, y - 2, x + w + 1, y + h + 1, c[0], c[1]);
    box(o, x - 1, y - 1, x + w, y + h, c[2], c[3]);
}

// A tab: raised it joins the page below; pressed it stands 2 pixels higher
// and open at the bottom.
extern "C" void ZEKAPI AtrTable_DrawFrameTab(ZEK_object *t, int32_t x, int32_t y, int32_t w,
                                             int32_t h, int32_t state)
{
    ZEK_object *o = win_of(t);
    if (!o)
        return;
    const int32_t r = x + w + 1, b = y + h;
    if (state == 0) {
        line(o, Color3dHiLight(), {{r - 1, y - 1}, {x + 1, y - 1}, {x - 1, y + 1}, {x - 1, b}, {r + 1, b}});
        line(o, Color3dDkShadow(), {{r, y}, {r, b}});
        line(o, Color3dShadow(), {{r - 1, y}, {r - 1, b}});
    } else if (state == 1) {
        line(o, Color3dHiLight(), {{r - 1, y - 3}, {x + 1, y - 3}, {x - 1, y - 1}, {x - 1, b}});
        line(o, Color3dDkShadow(), {{r, y - 2}, {r, b}});
        line(o, Color3dShadow(), {{r - 1, y - 2}, {r - 1, b}});
    }
}
