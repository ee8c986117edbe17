// Win: position and size before creation, and the layout on WM_SIZE.
#include <cstdint>

#include "win_call.h"
#include "../graphics/dc_scope.h"
#include "../graphics/raster/pixel.h"

namespace {

// Members are 32-bit; arithmetic runs in 64 bits and saturates on the way back.
using zek_raster::sat32;

int32_t non_negative(int64_t v)
{
    return v < 0 ? 0 : sat32(v);
}

// Whole cells in a span; a cell size of zero or less (fonts not set up, or a
// program's own values) gives no cells instead of a fault.
int32_t cells(int64_t span, int32_t cell)
{
    return cell > 0 && span > 0 ? sat32(span / cell) : 0;
}

// Steps shared by the cell and pixel forms: the origin and the cell size.
Win_data *prepare(ZEK_object *object, ZEK_object *base, int64_t *ox, int64_t *oy)
{
    ZEK_layer *layer = win_layer(object);
    if (!layer)
        return nullptr;
    Win_data *d = win_data(layer);
    *ox = *oy = 0;
    // A base that is not a Win has no client origin: placed as without one.
    if (win_layer(base)) {
        int32_t x = 0, y = 0;
        win_call<kWinGetDefPos>(base, &x, &y);
        *ox = x;
        *oy = y;
        d->bDefPos = 0;
    }
    d->ChrWdBx = sat32(int64_t(d->ChrWdGx[0]) + d->ChrWdGx[1] + d->ChrWdGx[2]);
    d->ChrWdBy = sat32(int64_t(d->ChrWdGy[0]) + d->ChrWdGy[1] + d->ChrWdGy[2]);
    d->WinStCx = d->WinStCy = 0;
    return d;
}

// Inclusive corners to a size; corners given backwards make an empty window.
int32_t span(int32_t from, int32_t to)
{
    return non_negative(int64_t(to) - from + 1);
}

template <int K>
int32_t call_sizing(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                    ZEK_object *base)
{
    return win_call<K>(object, x1, y1, span(x1, x2), span(y1, y2), base);
}

void move(HWND piece, int64_t x, int64_t y, int64_t w, int64_t h)
{
    if (piece && IsWindow(piece))
        MoveWindow(piece, sat32(x), sat32(y), non_negative(w), non_negative(h), TRUE);
}

// A piece of furniture built on Win is moved through its own window.
void move(ZEK_object *piece, int64_t x, int64_t y, int64_t w, int64_t h)
{
    if (ZEK_layer *l = win_layer(piece))
        move(win_data(l)->hWnd, x, y, w, h);
}

}  // namespace

extern "C" int32_t ZEKAPI Win_SizeWdd(ZEK_object *object, int32_t x, int32_t y, int32_t width,
                                      int32_t height, ZEK_object *base)
{
    int64_t ox, oy;
    Win_data *d = prepare(object, base, &ox, &oy);
    if (!d)
        return 0;
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    d->WinWdCx = width;
    d->WinWdCy = height;
    d->WinStGx = sat32(int64_t(d->ChrWdBx) * x + ox);
    d->WinStGy = sat32(int64_t(d->ChrWdBy) * y + oy);
    d->WinWdGx = sat32(int64_t(d->ChrWdBx) * width);
    d->WinWdGy = sat32(int64_t(d->ChrWdBy) * height);
    return d->WinWdGx;
}

extern "C" int32_t ZEKAPI Win_SizeAdd(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2,
                                      int32_t y2, ZEK_object *base)
{
    return call_sizing<kWinSizeWdd>(object, x1, y1, x2, y2, base);
}

extern "C" int32_t ZEKAPI Win_SizeWddG(ZEK_object *object, int32_t x, int32_t y, int32_t width,
                                       int32_t height, ZEK_object *base)
{
    int64_t ox, oy;
    Win_data *d = prepare(object, base, &ox, &oy);
    if (!d)
        return 0;
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    d->WinWdCx = cells(width, d->ChrWdBx);
    d->WinWdCy = cells(height, d->ChrWdBy);
    d->WinStGx = sat32(ox + x);
    d->WinStGy = sat32(oy + y);
    d->WinWdGx = width;
    d->WinWdGy = height;
    return d->WinWdGx;
}

extern "C" int32_t ZEKAPI Win_SizeAddG(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2,
                                       int32_t y2, ZEK_object *base)
{
    return call_sizing<kWinSizeWddG>(object, x1, y1, x2, y2, base);
}

extern "C" int32_t ZEKAPI Win_Size(ZEK_object *object, int32_t type, int32_t, int32_t)
{
    ZEK_layer *layer = win_layer(object);
    if (!layer || type == SIZE_MINIMIZED)
        return 0;
    Win_data *d = win_data(layer);
    // The rectangles are read from the window, so without one there is
    // nothing to lay out and the last layout stays.
    if (!d->hWnd || !IsWindow(d->hWnd))
        return 0;
    // The origin belongs to the window's context; an open bitmap's memory
    // context keeps (0, 0), its pixels being the drawing area's already.
    DcScope held(object, *d);
    if (HDC dc = held.window_dc())
        SetViewportOrgEx(dc, 0, 0, nullptr);
    win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(0));

    RECT window = {}, client = {};
    GetWindowRect(d->hWnd, &window);
    GetClientRect(d->hWnd, &client);
    d->bScRect = window;
    d->WinStGx = window.left;
    d->WinStGy = window.top;
    d->WinWdGx = sat32(int64_t(window.right) - window.left);
    d->WinWdGy = sat32(int64_t(window.bottom) - window.top);

    const int64_t W = client.right - client.left, H = client.bottom - client.top;
    const int64_t T = d->pTopMenuBar ? d->bTopMenuH : 0;
    const int64_t B = d->bToolId ? d->bToolHeight : 0;
    const int64_t D = d->pDownMenuBar ? d->bDownMenuH : 0;
    const int64_t L = d->pLeftMenuBar ? d->bLeftMenuW : 0;
    const int64_t R = d->pRightMenuBar ? d->bRightMenuW : 0;
    const int64_t S = d->pStatusBar ? 23 : 0;
    const int64_t HS = d->bHorzId ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    const int64_t VS = d->bVertId ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int64_t sideH = H - D - T - B - S;
    int64_t left = 0, top = 0, right = W, bottom = H;

    if (d->pTopMenuBar) {
        move(d->pTopMenuBar, 0, 0, W, T);
        top += T;
    }
    if (d->bToolId) {
        move(d->pToolFrame, 0, T, W, B);
        top += B;
    }
    if (d->pDownMenuBar) {
        move(d->pDownMenuBar, 0, H - D - S, W, D);
        bottom -= D;
    }
    if (d->pLeftMenuBar) {
        move(d->pLeftMenuBar, 0, T + B, L, sideH);
        left += L;
    }
    if (d->pRightMenuBar) {
        move(d->pRightMenuBar, W - R, T + B, R, sideH);
        right -= R;
    }
    if (d->bMdiId)
        move(d->hMdiWnd, L, T + B, W - VS - R - L, sideH - HS);
    if (d->pStatusBar) {
        move(d->pStatusBar, 0, H - S, W, S);
        bottom -= S;
    }
    if (d->bHorzId == 1) {
        move(d->hWndHScroll, L, H - HS - D - S, W - VS - R - L, HS);
        bottom -= HS;
    } else if (d->bHorzId) {
        move(d->hWndHScroll, d->bHorzGsx, d->bHorzGsy, d->bHorzGww, HS);
    }
    if (d->bVertId == 1) {
        move(d->hWndVScroll, W - VS - R, T + B, VS, sideH - HS);
        right -= VS;
    } else if (d->bVertId) {
        move(d->hWndVScroll, d->bVertGsx, d->bVertGsy, VS, d->bVertGww);
    }
    if (d->bHorzId && d->bVertId) {
        if (d->bVertId == 1)
            move(d->hSizeBox, W - VS - R, H - HS - D - S, VS, HS);
        else
            move(d->hSizeBox, d->bVertGsx, d->bHorzGsy, VS, HS);
    }

    // Furniture larger than the client area leaves an empty inner area, not
    // an inverted one.
    if (right < left)
        right = left;
    if (bottom < top)
        bottom = top;
    d->bRect = RECT{sat32(left), sat32(top), sat32(right), sat32(bottom)};

    d->WinWdCx = cells(right - left, d->ChrWdBx);
    d->WinWdCy = cells(bottom - top, d->ChrWdBy);
    d->WinEdCx = sat32(int64_t(d->WinStCx) + d->WinWdCx - 1);
    d->WinEdCy = sat32(int64_t(d->WinStCy) + d->WinWdCy - 1);

    win_call<kWinSetHScrollBar>(object);
    win_call<kWinSetVScrollBar>(object);
    if (HDC dc = held.window_dc())
        SetViewportOrgEx(dc, d->bRect.left, d->bRect.top, nullptr);
    win_call<kWinScaleNew>(object);
    InvalidateRect(d->hWnd, &d->bRect, FALSE);
    return 0;
}
