// Win: moving pixels of the drawing area, and the cell-sized scrolls of the
// text screen built on it.
#include "../window/win_call.h"

extern "C" void ZEKAPI Win_ScrollEx(ZEK_object *object, int32_t direction, const RECT *rect,
                                    int32_t pixels, int32_t invalidate)
{
    Win_data *d = win_data_of(object);
    if (!d || !rect)
        return;
    const int32_t dx[4] = {0, 0, -pixels, pixels}, dy[4] = {-pixels, pixels, 0, 0};
    // A program already in graphics mode stays in it.
    const bool entered = !d->bGmode;
    if (entered)
        win_call<kWinGmodeSet>(object);
    RECT uncovered{};
    if (d->hDC && direction >= 0 && direction < 4)
        ScrollDC(d->hDC, dx[direction], dy[direction], rect, rect, nullptr, &uncovered);
    if (entered)
        win_call<kWinGmodeReset>(object);
    if (invalidate && !IsRectEmpty(&uncovered))
        win_call<kWinInvalidateRect>(object, static_cast<const RECT *>(&uncovered), int32_t(0));
}

extern "C" void ZEKAPI Win_ScrollA(ZEK_object *object, int32_t direction, int32_t clear)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const RECT area = d->bRect;
    win_call<kWinScrollEx>(object, direction, &area, direction < 2 ? d->ChrWdBy : d->ChrWdBx,
                           int32_t(1));
    if (clear && direction == 0)
        win_call<kWinCls>(object, int32_t(0), d->WinWdCy - 1, d->WinWdCx - 1, d->WinWdCy - 1);
    else if (clear && direction == 1)
        win_call<kWinCls>(object, int32_t(0), int32_t(0), d->WinWdCx - 1, int32_t(0));
}

// The block's rectangle takes its last pixel column and row along, as the
// scroll rectangle excludes its right and bottom edges.
extern "C" void ZEKAPI Win_Scroll(ZEK_object *object, int32_t direction, int32_t clear,
                                  int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const int64_t bx = d->ChrWdBx, by = d->ChrWdBy;
    auto clamp = [](int64_t v) { return LONG(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v); };
    const RECT block{clamp(bx * x1), clamp(by * y1), clamp((x2 + int64_t(1)) * bx),
                     clamp((y2 + int64_t(1)) * by)};
    win_call<kWinScrollEx>(object, direction, &block, direction < 2 ? d->ChrWdBy : d->ChrWdBx,
                           int32_t(1));
    if (!clear)
        return;
    if (direction == 0)
        win_call<kWinCls>(object, x1, y2, x2, y2);
    else if (direction == 1)
        win_call<kWinCls>(object, x1, y1, x2, y1);
    else if (direction == 2)
        win_call<kWinCls>(object, x2, y1, x2, y2);
    else if (direction == 3)
        win_call<kWinCls>(object, x1, y1, x1, y2);
}
