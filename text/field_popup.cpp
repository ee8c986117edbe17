// The pop-up list of a field's right-button menu: a Win of its own whose
// paint, mouse jobs and mouse table are the list's.
#include "field_popup.h"

#include <algorithm>
#include <cstdio>

#include "zek2/keys.h"
#include "../runtime/object.h"
#include "../window/win_call.h"
#include "../window/win_lifetime.h"

const char kFieldPopupClass[] = "ZekFieldMenu";

namespace {

constexpr int32_t kWidth = 120, kRow = 16;
constexpr int32_t kChosen = ZEK_KEY_SPECIAL | 0x30;  // a mouse table row was hit
constexpr int32_t kCancel = ZEK_KEY_SPECIAL | ZEK_KEY_ESC;
constexpr uint32_t kStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_DLGFRAME;

// What one open list knows. It lives in the frame of field_popup_choose and
// the pop-up's Extra points to it, so the choice is the pop-up's own: lists
// open on two threads at once never see each other's.
struct PopupList {
    const char *const *items;
    int32_t count;
    int32_t lit;     // the highlighted row, or -1
    int32_t chosen;  // the item a mouse table row recorded, from 1
};

PopupList *list_of(ZEK_object *popup)
{
    Win_data *d = win_data_of(popup);
    return d ? reinterpret_cast<PopupList *>(d->Extra) : nullptr;
}

void draw_items(ZEK_object *popup, const PopupList &list)
{
    win_call<kWinGmodeSet>(popup);
    win_call<kWinSetRop>(popup, int32_t('N'));
    for (int32_t i = 0; i < list.count; ++i) {
        if (i == list.lit)
            win_call<kWinSetReverseColor>(popup);
        else
            win_call<kWinSetPopColor>(popup);
        win_call<kWinClsG>(popup, int32_t(0), kRow * i, kWidth - 1, kRow * i + kRow - 1);
        char line[64];
        snprintf(line, sizeof line, "  %-16s  ", list.items[i]);
        win_call<kWinCursorG>(popup, int32_t(0), kRow * i + 2, int32_t(0), int32_t(0));
        win_call<kWinPutsn>(popup, static_cast<const char *>(line));
    }
    win_call<kWinGmodeReset>(popup);
}

int32_t ZEKAPI popup_paint(ZEK_object *popup)
{
    if (PopupList *list = list_of(popup))
        draw_items(popup, *list);
    return 0;
}

// Mouse movement: the row under the mouse is highlighted.
int32_t ZEKAPI popup_track(ZEK_object *popup)
{
    Win_data *d = win_data_of(popup);
    PopupList *list = list_of(popup);
    if (!d || !list)
        return 0;
    const bool inside = d->MouseGx >= 0 && d->MouseGx < kWidth && d->MouseGy >= 0 &&
                        d->MouseGy < kRow * list->count;
    const int32_t lit = inside ? d->MouseGy / kRow : -1;
    if (lit != list->lit) {
        list->lit = lit;
        draw_items(popup, *list);
    }
    return 0;
}

// A right click cancels as Alt+F4 does: AltF4 posts the pop-up's AltF4Code.
int32_t ZEKAPI popup_right(ZEK_object *popup)
{
    win_call<kWinAltF4>(popup);
    return 0;
}

template <int32_t Item>
int32_t ZEKAPI pick(ZEK_object *popup)
{
    if (PopupList *list = list_of(popup))
        list->chosen = Item;
    return kChosen;
}

constexpr Win_mouse_row row(int32_t i, Win_job_fn job)
{
    return {2, 0, kRow * i, kWidth - 1, kRow * i + kRow - 1, job};
}

const Win_mouse_row kRows[] = {row(0, pick<1>), row(1, pick<2>), row(2, pick<3>),
                               row(3, pick<4>), {-1, 0, 0, 0, 0, nullptr}};
// The table of three items ends where the fourth row would be.
const Win_mouse_row kRows3[] = {kRows[0], kRows[1], kRows[2], kRows[4]};

void set_slot(ZEK_object *popup, int slot, Win_job_fn fn)
{
    ZEK_layer *layer = win_layer(popup);
    if (layer && layer->pSlot)
        layer->pSlot[slot] = reinterpret_cast<ZEK_method_fn>(fn);
}

}  // namespace

int32_t field_popup_choose(ZEK_object *field, Win_data &d, const char *const *items,
                           int32_t count)
{
    count = std::clamp(count, int32_t(1), int32_t(4));
    PopupList list{items, count, -1, 0};
    // Owner: this call. The pop-up is made, served and deleted on this thread.
    ZEK_object *popup = Win_ctor2(nullptr);
    Win_data *p = win_data_of(popup);
    if (!p) {
        zek_delete_object(popup);
        return 0;
    }
    p->pClassName = kFieldPopupClass;
    p->hInst = d.hInst;
    p->hPrev = nullptr;  // the class is the library's own: always registered
    p->WinStyle = kStyle;
    p->Extra = reinterpret_cast<intptr_t>(&list);
    p->pMouseTable = count == 4 ? kRows : count == 3 ? kRows3 : nullptr;
    p->AltF4Code = kCancel;
    p->bKeyLoop = 1;  // its keys are the loop's below, never line input
    set_slot(popup, kWinPaint, popup_paint);
    set_slot(popup, kWinwork_m1, popup_track);
    set_slot(popup, kWinwork_sr, popup_right);
    win_call<kWinSetMotherWin>(popup, field);
    win_call<kWinSetBackGroundColor>(popup, GetBackPopColor());
    const int32_t height = kRow * count;
    win_call<kWinSizeWddG>(popup, std::max(d.MouseGx - kWidth / 2, int32_t(0)),
                           std::max(d.InpStGy - height - 10, int32_t(0)), kWidth, height,
                           static_cast<ZEK_object *>(nullptr));
    int32_t chosen = 0;
    if (win_call<kWinCon>(popup, int32_t(0)) == 0) {
        win_call<kWinSetUnderMenuWin>(field, popup);
        for (;;) {
            const int32_t key = win_call<kWinKeyinG>(popup, int32_t(0), int32_t(0), int32_t(0));
            if (key == kChosen) {
                chosen = list.chosen;
                break;
            }
            // -1: the pop-up or its owner went, or the thread is quitting.
            if (key == kCancel || key == -1)
                break;
        }
    }
    // A message dispatched meanwhile may have deleted either object.
    if (win_is_live(popup))
        zek_delete_object(popup);
    if (win_is_live(field))
        win_call<kWinSetUnderMenuWin>(field, static_cast<ZEK_object *>(nullptr));
    return chosen;
}
