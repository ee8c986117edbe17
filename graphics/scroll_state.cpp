// Win: scroll bar geometry before creation, the scroll state and handing it
// to the bars.
#include "../window/win_call.h"
#include "raster/scroll_scale.h"
#include "scroll_bar.h"

extern "C" void ZEKAPI Win_InitVScrollBar(ZEK_object *object, int32_t id, int32_t x, int32_t y,
                                          int32_t height)
{
    if (Win_data *d = win_data_of(object)) {
        d->bVertId = id;
        d->bVertGsx = x;
        d->bVertGsy = y;
        d->bVertGww = height;
    }
}

extern "C" void ZEKAPI Win_InitHScrollBar(ZEK_object *object, int32_t id, int32_t x, int32_t y,
                                          int32_t width)
{
    if (Win_data *d = win_data_of(object)) {
        d->bHorzId = id;
        d->bHorzGsx = x;
        d->bHorzGsy = y;
        d->bHorzGww = width;
    }
}

extern "C" void ZEKAPI Win_SetSizeBoxType(ZEK_object *object, int32_t type)
{
    if (Win_data *d = win_data_of(object))
        d->bSizeBoxType = type;
}

// The page is kept in program units even when the range is scaled.
extern "C" void ZEKAPI Win_SetVScrollPos(ZEK_object *object, int32_t min, int32_t max,
                                         int32_t page, int32_t pos)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const zek_raster::ScrollScale s = zek_raster::scroll_scale(min, max, pos);
    d->VScrollMin = s.min;
    d->VScrollMax = s.max;
    d->VScrollPage = page;
    d->VScrollPos = d->VScrollNew = s.pos;
    d->VScrollCnt = s.cnt;
}

// Horizontal ranges are never scaled.
extern "C" void ZEKAPI Win_SetHScrollPos(ZEK_object *object, int32_t min, int32_t max,
                                         int32_t page, int32_t pos)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    d->HScrollMin = min;
    d->HScrollMax = max;
    d->HScrollPage = page;
    d->HScrollPos = d->HScrollNew = pos;
    d->HScrollCnt = 1;
}

namespace {
constexpr UINT kWholeState = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
}

extern "C" void ZEKAPI Win_SetVScrollBar(ZEK_object *object)
{
    if (const Win_data *d = win_data_of(object))
        scroll_bar_set(*d, true, kWholeState, d->VScrollMin, d->VScrollMax, d->VScrollPage,
                       d->VScrollPos);
}

extern "C" void ZEKAPI Win_SetHScrollBar(ZEK_object *object)
{
    if (const Win_data *d = win_data_of(object))
        scroll_bar_set(*d, false, kWholeState, d->HScrollMin, d->HScrollMax, d->HScrollPage,
                       d->HScrollPos);
}
