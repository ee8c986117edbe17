// AtrTable: where the buttons of a bar, toolbar, status bar and mode menu go.
// The arithmetic is button_layout's; this file moves the table's members in
// and out of it and reads what the layouts need from pWin.
#include "atr_table.h"

#include <algorithm>

#include "../window/win_call.h"
#include "button_layout.h"

AtrLayout atr_layout(const AtrTable_data &d)
{
    return {d.ClsSx, d.ClsSy, d.ClsEx, d.ClsEy, d.bPos, d.bPosBuf, d.bFsx, d.bFsy, d.bFwx,
            d.bFwy,  d.bWsx,  d.bWsy,  d.bWwx,  d.bWwy, d.bEdgeFlag};
}

void atr_layout_store(AtrTable_data &d, const AtrLayout &l)
{
    d.ClsSx = l.ClsSx, d.ClsSy = l.ClsSy, d.ClsEx = l.ClsEx, d.ClsEy = l.ClsEy;
    d.bPos = l.bPos, d.bPosBuf = l.bPosBuf;
    d.bFsx = l.bFsx, d.bFsy = l.bFsy, d.bFwx = l.bFwx, d.bFwy = l.bFwy;
    d.bWsx = l.bWsx, d.bWsy = l.bWsy, d.bWwx = l.bWwx, d.bWwy = l.bWwy;
    d.bEdgeFlag = l.bEdgeFlag;
}

namespace {

// Runs one pure layout over the table's members and records.
template <typename F>
void with_layout(ZEK_object *t, F layout)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    AtrLayout l = atr_layout(*d);
    const AtrButtons b = atr_buttons(t);
    layout(l, b, win_data_of(d->pWin));
    atr_layout_store(*d, l);
}

int32_t bar_height(const Win_data *w)
{
    if (!w)
        return 0;
    const int64_t h = int64_t(w->bToolHeight) - w->bToolEdge;
    return int32_t(std::clamp<int64_t>(h, INT32_MIN, INT32_MAX));
}

}  // namespace

extern "C" int32_t ZEKAPI AtrTable_GetButtonMaxH(ZEK_object *t)
{
    const AtrButtons b = atr_data(t) ? atr_buttons(t) : AtrButtons{nullptr, 0};
    return button_max_h(b.rec, b.count);
}

extern "C" int32_t ZEKAPI AtrTable_GetButtonMaxW(ZEK_object *t)
{
    const AtrButtons b = atr_data(t) ? atr_buttons(t) : AtrButtons{nullptr, 0};
    return button_max_w(b.rec, b.count);
}

extern "C" void ZEKAPI AtrTable_GetFrameMaxSize(ZEK_object *t, int32_t *maxW, int32_t *maxH,
                                                int32_t *sumW, int32_t *sumH, int32_t *count)
{
    const AtrButtons b = atr_data(t) ? atr_buttons(t) : AtrButtons{nullptr, 0};
    const FrameMaxSize s = frame_max_size(b.rec, b.count);
    const int32_t *from[] = {&s.maxW, &s.maxH, &s.sumW, &s.sumH, &s.count};
    int32_t *to[] = {maxW, maxH, sumW, sumH, count};
    for (int k = 0; k < 5; ++k)
        if (to[k])
            *to[k] = *from[k];
}

extern "C" void ZEKAPI AtrTable_SetPosBar(ZEK_object *t)
{
    with_layout(t, [](AtrLayout &l, AtrButtons b, Win_data *w) {
        set_pos_bar(l, b.rec, b.count, bar_height(w));
    });
}

extern "C" void ZEKAPI AtrTable_SetPosLock(ZEK_object *t)
{
    with_layout(t, [](AtrLayout &l, AtrButtons, Win_data *) { set_pos_lock(l); });
}

extern "C" void ZEKAPI AtrTable_SetPosYoko(ZEK_object *t)
{
    with_layout(t, [](AtrLayout &l, AtrButtons b, Win_data *) { set_pos_yoko(l, b.rec, b.count); });
}

extern "C" void ZEKAPI AtrTable_SetPosTate(ZEK_object *t)
{
    with_layout(t, [](AtrLayout &l, AtrButtons b, Win_data *) { set_pos_tate(l, b.rec, b.count); });
}

// The sizes come through the GetFrameMaxSize slot and a row or column through
// its own slot; the grid holds at least one column whatever the sizes say.
extern "C" void ZEKAPI AtrTable_SetPosFree(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    FrameMaxSize s{};
    atr_call<void>(t, kAtrGetFrameMaxSize, &s.maxW, &s.maxH, &s.sumW, &s.sumH, &s.count);
    const int32_t kind = free_kind(atr_layout(*d), s);
    if (kind == kPosFree) {
        with_layout(t, [&s](AtrLayout &l, AtrButtons b, Win_data *) {
            set_pos_grid(l, b.rec, b.count, s);
        });
        return;
    }
    d->bPos = d->bPosBuf = kind;
    atr_call<void>(t, kind == kPosYoko ? kAtrSetPosYoko : kAtrSetPosTate);
}

extern "C" void ZEKAPI AtrTable_LayoutToolBar(ZEK_object *t)
{
    const AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    static const int kSlots[] = {kAtrSetPosBar, kAtrSetPosLock, kAtrSetPosYoko, kAtrSetPosTate,
                                 kAtrSetPosFree};
    if (d->bPos >= 0 && d->bPos < 5)
        atr_call<void>(t, kSlots[d->bPos]);
}

extern "C" void ZEKAPI AtrTable_LayoutStatusBar(ZEK_object *t)
{
    with_layout(t, [](AtrLayout &, AtrButtons b, Win_data *w) {
        RECT client{};
        if (w && w->hWnd)
            GetClientRect(w->hWnd, &client);
        layout_status_bar(b.rec, b.count, client.right - client.left);
    });
}

extern "C" void ZEKAPI AtrTable_LayoutModeMenu(ZEK_object *t)
{
    with_layout(t, [](AtrLayout &l, AtrButtons b, Win_data *w) {
        if (w)
            layout_mode_menu(l, b.rec, b.count, w->bRect.bottom);
    });
}
