// Win: the scroll requests of the window procedure. Each moves the position,
// lets the program redraw through its hooks and updates the bar.
#include "../window/win_call.h"
#include "raster/scroll_scale.h"
#include "scroll_bar.h"
#include "zek2/keys.h"

namespace {

using zek_raster::scroll_delta;

// Moves the position from old to to: the caret is kept off the screen while
// the program redraws, and the bar follows. Vertical moves are posted as a
// key so that an input in progress ends and its loop sees the new view.
int32_t scroll_to(ZEK_object *object, Win_data &d, bool vertical, int32_t old, int32_t to,
                  bool post)
{
    (vertical ? d.VScrollPos : d.HScrollPos) = to;
    if (d.bUseCursor)
        win_call<kWinSetCurPos>(object, d.bSetFocus, int32_t(0));
    if (vertical)
        win_call<kWinDrawVScroll>(object, scroll_delta(d.VScrollCnt, old, to));
    else
        win_call<kWinDrawHScroll>(object, scroll_delta(1, old, to));
    if (d.bUseCursor)
        win_call<kWinSetCurPos>(object, d.bSetFocus, int32_t(1));
    scroll_bar_set(d, vertical, SIF_POS, 0, 0, 0, to);
    if (post)
        win_post_key(d, ZEK_CMD_SCROLLED);
    return to;
}

// A move towards one end; at that end only DrawNotScroll is called.
int32_t step(ZEK_object *object, bool vertical, bool back, int32_t n)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int32_t old = vertical ? d->VScrollPos : d->HScrollPos;
    const int32_t lo = vertical ? d->VScrollMin : d->HScrollMin;
    const int32_t hi = zek_raster::scroll_top(lo, vertical ? d->VScrollMax : d->HScrollMax);
    const int32_t to = back ? zek_raster::scroll_up(old, n, lo) : zek_raster::scroll_down(old, n, lo, hi);
    if (old == (back ? lo : hi)) {
        win_call<kWinDrawNotScroll>(object);
        return to;
    }
    return scroll_to(object, *d, vertical, old, to, vertical);
}

int32_t track(ZEK_object *object, bool vertical, int32_t pos)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int32_t old = vertical ? d->VScrollPos : d->HScrollPos;
    if (pos == old) {
        win_call<kWinDrawNotScroll>(object);
        return pos;
    }
    return scroll_to(object, *d, vertical, old, pos, false);
}

// The page-wise requests move by half a page.
int32_t half_page(ZEK_object *object, bool vertical)
{
    const Win_data *d = win_data_of(object);
    return d ? (vertical ? d->VScrollPage : d->HScrollPage) / 2 : 0;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_PageUpSub(ZEK_object *object, int32_t n)
{
    return step(object, true, true, n);
}

extern "C" int32_t ZEKAPI Win_PageDownSub(ZEK_object *object, int32_t n)
{
    return step(object, true, false, n);
}

extern "C" int32_t ZEKAPI Win_PageLeftSub(ZEK_object *object, int32_t n)
{
    return step(object, false, true, n);
}

extern "C" int32_t ZEKAPI Win_PageRightSub(ZEK_object *object, int32_t n)
{
    return step(object, false, false, n);
}

extern "C" void ZEKAPI Win_LineUp(ZEK_object *object)
{
    win_call<kWinPageUpSub>(object, int32_t(1));
}

extern "C" void ZEKAPI Win_LineDown(ZEK_object *object)
{
    win_call<kWinPageDownSub>(object, int32_t(1));
}

extern "C" void ZEKAPI Win_PageUp(ZEK_object *object)
{
    win_call<kWinPageUpSub>(object, half_page(object, true));
}

extern "C" void ZEKAPI Win_PageDown(ZEK_object *object)
{
    win_call<kWinPageDownSub>(object, half_page(object, true));
}

extern "C" void ZEKAPI Win_LineLeft(ZEK_object *object)
{
    win_call<kWinPageLeftSub>(object, int32_t(1));
}

extern "C" void ZEKAPI Win_LineRight(ZEK_object *object)
{
    win_call<kWinPageRightSub>(object, int32_t(1));
}

extern "C" void ZEKAPI Win_PageLeft(ZEK_object *object)
{
    win_call<kWinPageLeftSub>(object, half_page(object, false));
}

extern "C" void ZEKAPI Win_PageRight(ZEK_object *object)
{
    win_call<kWinPageRightSub>(object, half_page(object, false));
}

extern "C" int32_t ZEKAPI Win_VSliderTrack(ZEK_object *object, int32_t pos)
{
    return track(object, true, pos);
}

extern "C" int32_t ZEKAPI Win_HSliderTrack(ZEK_object *object, int32_t pos)
{
    return track(object, false, pos);
}
