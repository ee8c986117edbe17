// Win: the MDI frame, its client window, arranging its children and waiting
// for one of them to close.
#include "mdi_links.h"
#include "../window/message_pump.h"

namespace {

// The frame's data while it is an MDI frame with its client window.
Win_data *frame_with_client(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->bMdiId || !d->hWnd || !d->hMdiWnd || !IsWindow(d->hMdiWnd) ||
        GetParent(d->hMdiWnd) != d->hWnd)
        return nullptr;
    return d;
}

// The frame's window list goes into the first pop-up of its menu bar.
HMENU window_menu(HWND frame)
{
    HMENU bar = GetMenu(frame);
    const int count = bar ? GetMenuItemCount(bar) : 0;
    for (int i = 0; i < count; ++i)
        if (HMENU popup = GetSubMenu(bar, i))
            return popup;
    return nullptr;
}

// Before an arrangement every child redraws from scratch.
void forget_pictures(ZEK_object *frame)
{
    mdi_for_each_child(frame, [](ZEK_object *child, int32_t) {
        if (Win_data *c = win_data_of(child))
            c->bBmpFlag = 0;
    });
}

}  // namespace

extern "C" void ZEKAPI Win_InitMdiFrame(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        d->bMdiId = 1;
}

extern "C" int32_t ZEKAPI Win_CreateMdiFrame(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->hWnd)
        return 0;
    // A second client would hide the first with the children it holds.
    if (frame_with_client(object))
        return 1;
    CLIENTCREATESTRUCT client{window_menu(d->hWnd), 0};
    // The frame's sizing places it (Size): made with no size here. The client
    // is a child of the frame's window and goes with it.
    d->hMdiWnd = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, d->hWnd,
                                 nullptr, d->hInst, &client);
    return d->hMdiWnd ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_GetMdiWndNextPos(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->bMdiId)
        return -1;
    const void *slots[kMdiChildren];
    for (int32_t n = 0; n < kMdiChildren; ++n)
        slots[n] = d->pMdiChild[n];
    return mdi_next_free(slots);
}

extern "C" int32_t ZEKAPI Win_CascadeWindow(ZEK_object *object)
{
    if (!frame_with_client(object))
        return 0;
    forget_pictures(object);
    Win_data *d = frame_with_client(object);
    return d ? int32_t(SendMessageA(d->hMdiWnd, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0)) : 0;
}

extern "C" int32_t ZEKAPI Win_TileWindows(ZEK_object *object, int32_t how)
{
    if (!frame_with_client(object))
        return 0;
    forget_pictures(object);
    Win_data *d = frame_with_client(object);
    const WPARAM side = how ? MDITILE_HORIZONTAL : MDITILE_VERTICAL;
    return d ? int32_t(SendMessageA(d->hMdiWnd, WM_MDITILE, side | MDITILE_SKIPDISABLED, 0)) : 0;
}

extern "C" void ZEKAPI Win_EndMdiLoop(ZEK_object *object, int32_t number)
{
    if (!mdi_valid_number(number))
        return;
    // A quit met here is posted again for the loop around this one.
    PendingQuit quit;
    for (;;) {
        // Once the frame's window has gone nothing could end the child.
        Win_data *d = win_is_live(object) ? win_data_of(object) : nullptr;
        if (!d || !d->hWnd || !IsWindow(d->hWnd) || quit.seen)
            return;
        Win_data *c = win_data_of(d->pMdiChild[number]);
        if (!c)
            return;
        if (!c->hWnd) {
            // Its window has gone (or never came): what is queued may still
            // bring the frame the news that clears the slot; no more is awaited.
            while (win_is_live(object) && d->pMdiChild[number] && !quit.seen &&
                   pump_one(object, quit)) {
            }
            return;
        }
        // Sleeps until a message comes instead of asking again at once.
        if (!pump_one(object, quit))
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

extern "C" int32_t ZEKAPI Win_CreateMdi(ZEK_object *)
{
    return 0;
}

extern "C" int32_t ZEKAPI Win_ChangeMdiSize(ZEK_object *)
{
    return 0;
}

extern "C" int32_t ZEKAPI Win_FocusChange(ZEK_object *)
{
    return 0;
}

extern "C" int32_t ZEKAPI Win_MdiCadClose(ZEK_object *)
{
    return 0;
}
