// The window procedure of an MDI child ("MdiClass"): what a document window
// inside a frame does differently, in front of the main window procedure's
// handling of everything else. Its keys belong to the frame.
#include "mdi_links.h"
#include "../runtime/shared_block.h"
#include "../window/win_proc.h"

namespace {

// The frame's open drop-down menu is closed first; true when that was all
// the input did.
bool frame_end_popup(const WinMessage &m)
{
    ZEK_object *frame = mdi_frame_of(m.d);
    return frame && win_call<kWinEndPopupWindow>(frame) != 0;
}

LRESULT on_create(const WinMessage &m)
{
    m.d.bShowB = m.d.bShow;
    win_call<kWinCreateMdi>(m.object);
    return 0;
}

// The window list shows which child is active.
LRESULT on_set_focus(const WinMessage &m)
{
    for (int32_t n = 0; n < kMdiListed; ++n) {
        ZEK_object *frame = mdi_frame_of(m.d);
        ZEK_object *child = frame ? win_data_of(frame)->pMdiChild[n] : nullptr;
        if (child)
            win_call<kWinCheckMenu>(frame, kMdiFirstListItem + n, int32_t(child == m.object));
    }
    m.d.bFocus = 1;
    if (ZEK_object *frame = mdi_frame_of(m.d))
        win_data_of(frame)->bMdiSelPos = m.d.bMdiSelPos;
    win_call<kWinFocusChange>(m.object);
    return win_default(m);
}

// The drawing thread is asked to end and waited for (with the core's time
// limit) before the MDI client closes the window.
LRESULT on_close(const WinMessage &m)
{
    WinLife *life = win_life(m.object);
    if (!life || life->closing || life->destroying)
        return 0;
    const HWND window = m.d.hWnd;
    life->closing = true;
    win_wait_drawing_thread(m.object, m.d);
    life->closing = false;
    if (life->destroying || !IsWindow(window) || win_object_of(window) != m.object)
        return 0;  // destroyed by a message dispatched while waiting
    return win_default(m);
}

// The child's window-list item is blanked before the common teardown.
LRESULT on_destroy(const WinMessage &m)
{
    for (int32_t n = 0; n < kMdiListed; ++n) {
        ZEK_object *frame = mdi_frame_of(m.d);
        if (!frame || win_data_of(frame)->pMdiChild[n] != m.object)
            continue;
        win_call<kWinSetMenuName>(frame, kMdiFirstListItem + n, "");
        win_call<kWinCheckMenu>(frame, kMdiFirstListItem + n, int32_t(0));
    }
    return win_on_destroy(m);
}

// The frame deletes the child object and clears its slot on WIN_MDIEND.
LRESULT on_ncdestroy(const WinMessage &m)
{
    const HWND window = m.d.hWnd;
    const LRESULT r = win_on_ncdestroy(m);
    ZEK_object *frame = mdi_frame_of(m.d);
    if (Win_data *f = win_data_of(frame); f && f->hWnd)
        PostMessageA(f->hWnd, WIN_MDIEND, reinterpret_cast<WPARAM>(window), 0);
    return r;
}

LRESULT to_frame(const WinMessage &m)
{
    Win_data *f = win_data_of(mdi_frame_of(m.d));
    if (f && f->hWnd)
        PostMessageA(f->hWnd, m.message, m.wParam, m.lParam);
    return 0;
}

LRESULT on_size(const WinMessage &m)
{
    Win_data &d = m.d;
    if (m.wParam != SIZE_MINIMIZED) {
        win_call<kWinSize>(m.object, int32_t(m.wParam), int32_t(LOWORD(m.lParam)),
                           int32_t(HIWORD(m.lParam)));
        d.HScrollPos = d.HScrollNew;
        d.VScrollPos = d.VScrollNew;
        win_call<kWinSetHScrollBar>(m.object);
        win_call<kWinSetVScrollBar>(m.object);
        win_call<kWinScaleNew>(m.object);
    }
    // The MDI client maximises and restores its children here.
    return win_default(m);
}

void every_child_redraws(const WinMessage &m)
{
    if (ZEK_object *frame = mdi_frame_of(m.d)) {
        mdi_for_each_child(frame, [](ZEK_object *child, int32_t) {
            if (Win_data *c = win_data_of(child))
                c->bBmpFlag = 0;
        });
    } else {
        m.d.bBmpFlag = 0;
    }
}

LRESULT on_syscommand(const WinMessage &m)
{
    if (frame_end_popup(m))
        return 0;
    Win_data &d = m.d;
    ZEK_object *o = m.object;
    // The low four bits are the system's own (0xF032 is a maximise by double click).
    const WPARAM command = m.wParam & 0xFFF0;
    const int32_t edge = int32_t(m.wParam & 0xF);
    switch (command) {
    case SC_SIZE:
        if (edge >= 1 && edge <= 8)
            d.bEdType = edge;
        break;
    case SC_MINIMIZE:
        d.wSxBuf = d.wSx0;
        d.wSyBuf = d.wSy0;
        d.wMxBuf = d.wMx0;
        d.wMyBuf = d.wMy0;
        d.bEdType = 9;
        d.bShow = SW_SHOWMINIMIZED;
        win_call<kWinChangeMdiSize>(o);
        break;
    case SC_MAXIMIZE:
        d.bEdType = 10;
        d.bShow = SW_SHOWMAXIMIZED;
        d.bBmpFlag = 0;
        win_call<kWinChangeMdiSize>(o);
        break;
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
        every_child_redraws(m);
        win_call<kWinChangeMdiSize>(o);
        break;
    case SC_CLOSE:
        if (win_call<kWinAltF4>(o))
            return 0;
        break;
    case SC_RESTORE: {
        const MdiShow s = mdi_restored(d.bShow, d.bShowB);
        d.bShow = s.show;
        d.bShowB = s.showB;
        d.bEdType = s.edType;
        d.bBmpFlag = 0;
        win_call<kWinChangeMdiSize>(o);
        break;
    }
    default:
        break;
    }
    return win_default(m);
}

LRESULT on_exit_size_move(const WinMessage &m)
{
    m.d.bEdType = 0;
    m.d.bBmpFlag = 0;
    InvalidateRect(m.d.hWnd, nullptr, TRUE);
    return win_default(m);
}

// The shared hide flag decides whether moving over a child shows the cursor.
LRESULT on_mouse_move(const WinMessage &m)
{
    ZekSharedHead *head = zek_shared_head();
    if (!head->cursorHide) {
        win_show_mouse_cursor();
    } else {
        // Bounded: the count falls by one a call, from at most SHRT_MAX.
        for (int i = 0; i < 0x10000 && head->cursorCount >= 0; ++i)
            head->cursorCount = int16_t(ShowCursor(FALSE));
    }
    return win_on_mouse_track(m);
}

// Small wheel steps add up to one scroll; the wheel is not passed on to the
// frame, which would scroll too.
LRESULT on_wheel(const WinMessage &m)
{
    Win_data &d = m.d;
    const int32_t delta = int16_t(HIWORD(m.wParam));
    if (!mdi_wheel_add(d.bWheelCnt, delta))
        return 0;
    RECT area{};
    GetClientRect(d.hWnd, &area);
    MapWindowPoints(d.hWnd, nullptr, reinterpret_cast<POINT *>(&area), 2);
    const POINT at{int16_t(LOWORD(m.lParam)), int16_t(HIWORD(m.lParam))};
    if (PtInRect(&area, at))
        win_call<kWinMouseWheel>(m.object, int32_t(delta <= 0 ? 1 : 0));
    return 0;
}

// The scroll timers move the picture of every child that shows the same
// drawing: each takes its rubber band down, this child scrolls, each puts
// it back.
LRESULT on_scroll_timer(const WinMessage &m)
{
    ZEK_object *frame = mdi_frame_of(m.d);
    Win_data *f = win_data_of(frame);
    const void *set = f ? f->pCadDat : nullptr;
    auto each_sharing = [&] {
        if (!frame) {
            win_call<kWinwork_m1>(m.object);
            return;
        }
        mdi_for_each_child(frame, [set](ZEK_object *child, int32_t) {
            Win_data *c = win_data_of(child);
            if (c && mdi_in_drawing_set(c->pCadDat, set))
                win_call<kWinwork_m1>(child);
        });
    };
    each_sharing();
    if (m.wParam == WIN_TIMER_SCROLL_L)
        win_call<kWinwork_sl>(m.object);
    else
        win_call<kWinwork_sr>(m.object);
    each_sharing();
    win_call<kWinSetButtonTimer>(m.object, int32_t(30));
    return win_default(m);
}

// A press that only closed the frame's drop-down menu goes no further.
LRESULT on_press(const WinMessage &m)
{
    if (!frame_end_popup(m))
        return win_dispatch(m);
    if (m.message == WM_LBUTTONDOWN)
        m.d.MouseSwL = 1;
    else if (m.message == WM_RBUTTONDOWN)
        m.d.MouseSwR = 1;
    else
        m.d.MouseSwM = 1;
    return 0;
}

LRESULT mdi_child_dispatch(const WinMessage &m)
{
    switch (m.message) {
    case WM_CREATE:
        return on_create(m);
    case WM_SETFOCUS:
        return on_set_focus(m);
    case WM_CLOSE:
        return on_close(m);
    case WM_DESTROY:
        return on_destroy(m);
    case WM_NCDESTROY:
        return on_ncdestroy(m);
    case WM_KEYDOWN:
    case WM_CHAR:
    case MACRO_CHAR:
        return to_frame(m);
    case WIN_DTOR:
        // Closed the MDI way, through WM_CLOSE and the client.
        m.d.bDtor = 1;
        PostMessageA(m.d.hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SIZE:
        return on_size(m);
    case WM_SYSCOMMAND:
        return on_syscommand(m);
    case WM_EXITSIZEMOVE:
        return on_exit_size_move(m);
    case WM_NCRBUTTONDOWN:
        return frame_end_popup(m) ? 0 : win_default(m);
    case WM_MOUSEMOVE:
        return on_mouse_move(m);
    case WM_MOUSEWHEEL:
        return on_wheel(m);
    case WM_TIMER:
        if (m.wParam == WIN_TIMER_SCROLL_L || m.wParam == WIN_TIMER_SCROLL_R)
            return on_scroll_timer(m);
        return win_dispatch(m);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return on_press(m);
    default:
        return win_dispatch(m);
    }
}

// The child Win made the creation parameter of Win_CreateMdiWnd, which MDI
// windows receive inside their MDI creation data.
ZEK_object *created_object(LPARAM lParam)
{
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    void *param = create ? create->lpCreateParams : nullptr;
    if (param && !win_is_live(static_cast<ZEK_object *>(param)))
        param = reinterpret_cast<void *>(static_cast<const MDICREATESTRUCTA *>(param)->lParam);
    auto *object = static_cast<ZEK_object *>(param);
    return win_is_live(object) ? object : nullptr;
}

}  // namespace

LRESULT CALLBACK mdi_child_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ZEK_object *object = win_bound_object(window, message, lParam, created_object);
    if (!object)
        return DefMDIChildProcA(window, message, wParam, lParam);
    LRESULT handed = 0;
    if (win_take_deletion(object, message, lParam, &handed))
        return handed;
    return win_proc_run(object, message, wParam, lParam, mdi_child_dispatch);
}
