// Win: ruled lines anchored to points inside character cells. The anchors
// come from the pitches of the window drawn on at every call, so windows of
// different sizes and threads never share them.
#include <functional>

#include "cells.h"
#include "zek2/win.h"
#include "../graphics/dc_scope.h"
#include "../window/win_call.h"

using namespace zek_cells;

namespace {

constexpr int32_t kFarthest = 32767;  // pixel row beyond every window

// Copy mode and the ruled-line pen on the held context, then draw(p, h).
void rule(ZEK_object *object, const std::function<void(int32_t, int32_t)> &draw)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    DcScope scope(object, *d);
    win_call<kWinSetRop>(object, int32_t('N'));
    win_call<kWinSetPen>(object, GetKsenColor(), int32_t(0), int32_t(1));
    draw(pitch(d->ChrWdGx), pitch(d->ChrWdGy));
}

}  // namespace

extern "C" void ZEKAPI Win_KsenOn(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        d->bKsenFlag = 1;
}

extern "C" void ZEKAPI Win_KsenOff(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        d->bKsenFlag = 0;
}

extern "C" void ZEKAPI Win_Ksen(ZEK_object *object, int32_t cx1, int32_t cy1, int32_t code1,
                                int32_t cx2, int32_t cy2, int32_t code2)
{
    rule(object, [&](int32_t p, int32_t h) {
        const Point a = anchor(cx1, cy1, code1, p, h), b = anchor(cx2, cy2, code2, p, h);
        win_call<kWinLineI>(object, a.x, a.y, b.x, b.y);
    });
}

extern "C" void ZEKAPI Win_KsenBox(ZEK_object *object, int32_t cx1, int32_t cy1, int32_t code1,
                                   int32_t cx2, int32_t cy2, int32_t code2)
{
    rule(object, [&](int32_t p, int32_t h) {
        const Point a = anchor(cx1, cy1, code1, p, h), b = anchor(cx2, cy2, code2, p, h);
        win_call<kWinLineBoxI>(object, a.x, a.y, b.x, b.y);
    });
}

extern "C" void ZEKAPI Win_KsenN(ZEK_object *object, int32_t cx1, int32_t cy1, int32_t code1,
                                 int32_t cx2, int32_t cy2, int32_t code2, int32_t n)
{
    rule(object, [&](int32_t p, int32_t h) {
        const Point a = anchor(cx1, cy1, code1, p, h), b = anchor(cx2, cy2, code2, p, h);
        // Lines below any window's reach, or repeats on one row without a
        // pitch, would only cost time.
        const int32_t count = h > 0 ? n : (n > 0 ? 1 : 0);
        for (int32_t i = 0; i < count; ++i) {
            const int32_t y = scaled(i, h, a.y);
            if (y > kFarthest)
                break;
            win_call<kWinLineI>(object, a.x, y, b.x, y);
        }
    });
}
