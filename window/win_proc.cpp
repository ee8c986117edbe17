// The window procedure of every Win window class: binding object and window,
// and turning each message into calls of the object's slots.
#include "win_proc.h"

#include "../runtime/object.h"

ZEK_object *win_object_of(HWND window)
{
    // A destroyed window, or one of a class with fewer extra bytes, reads as 0.
    return window ? reinterpret_cast<ZEK_object *>(GetWindowLongPtrA(window, kWinObjectOffset))
                  : nullptr;
}

void win_bind(HWND window, ZEK_object *object)
{
    SetWindowLongPtrA(window, kWinObjectOffset, reinterpret_cast<LONG_PTR>(object));
}

ZEK_object *win_created_param(LPARAM lParam)
{
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    auto *object = create ? static_cast<ZEK_object *>(create->lpCreateParams) : nullptr;
    return win_is_live(object) ? object : nullptr;
}

ZEK_object *win_bound_object(HWND window, UINT message, LPARAM lParam,
                             ZEK_object *(*created)(LPARAM))
{
    if (ZEK_object *object = win_object_of(window))
        return object;
    if (message != WM_CREATE)
        return nullptr;
    // Only a live Win is followed; a foreign creation parameter gets no binding.
    ZEK_object *object = created(lParam);
    Win_data *d = win_data_of(object);
    if (!d)
        return nullptr;
    win_bind(window, object);
    d->hWnd = window;
    return object;
}

LRESULT win_default(const WinMessage &m)
{
    if (m.d.bMdiId)
        return DefFrameProcA(m.d.hWnd, m.d.hMdiWnd, m.message, m.wParam, m.lParam);
    // An MDI child's sizing, activation and closing go through the MDI client.
    if (GetWindowLongPtrA(m.d.hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
        return DefMDIChildProcA(m.d.hWnd, m.message, m.wParam, m.lParam);
    return DefWindowProcA(m.d.hWnd, m.message, m.wParam, m.lParam);
}

bool win_end_popup_first(const WinMessage &m)
{
    return win_call<kWinEndPopupWindow>(m.object) != 0;
}

ZEK_object *win_maximised_mdi_child(const Win_data &d)
{
    if (!d.bMdiId || d.bMdiSelPos < 0 || d.bMdiSelPos >= 10)
        return nullptr;
    ZEK_object *child = d.pMdiChild[d.bMdiSelPos];
    Win_data *c = win_data_of(child);
    return c && c->hWnd && IsZoomed(c->hWnd) ? child : nullptr;
}

namespace {

// The root layer's own NetMsgJob, whatever the derived classes hold.
void run_root_net_job(ZEK_object *object)
{
    if (ZEK_method_fn job = zek_layer_method(ZEK_layer_at(object, 0), "NetMsgJob"))
        reinterpret_cast<int32_t(ZEKAPI *)(ZEK_object *)>(job)(object);
}

}  // namespace

LRESULT win_dispatch(const WinMessage &m)
{
    switch (m.message) {
    case WM_CREATE:
        return win_on_create(m);
    case WM_DESTROY:
        return win_on_destroy(m);
    case WM_MOVE:
        return win_on_move(m);
    case WM_SIZE:
        win_call<kWinSize>(m.object, int32_t(m.wParam), int32_t(LOWORD(m.lParam)),
                           int32_t(HIWORD(m.lParam)));
        return 0;
    case WM_SETFOCUS:
        m.d.bFocus = 1;
        win_call<kWinSetCurPos>(m.object, int32_t(1), m.d.bCursorFlag);
        return win_default(m);
    case WM_KILLFOCUS:
        m.d.bFocus = 0;
        win_call<kWinSetCurPos>(m.object, int32_t(0), m.d.bCursorFlag);
        win_ime_place(m.d.hWnd, -1, -1);
        return win_default(m);
    case WM_PAINT:
        return win_on_paint(m);
    case WM_ERASEBKGND:
        return win_on_erase(m);
    case WM_ACTIVATEAPP: {
        LRESULT result = 0;
        if (win_call<kWinActivateApp>(m.object, m.wParam, m.lParam, &result))
            return result;
        return win_default(m);
    }
    case WM_SETCURSOR:
        return win_on_setcursor(m);
    case WM_WINDOWPOSCHANGING: {
        auto *pos = reinterpret_cast<WINDOWPOS *>(m.lParam);
        if (!pos)
            return win_default(m);
        int32_t x = pos->x, y = pos->y, cx = pos->cx, cy = pos->cy;
        const int32_t r =
            win_call<kWinPosChanging>(m.object, &x, &y, &cx, &cy, pos->flags);
        pos->x = x;
        pos->y = y;
        pos->cx = cx;
        pos->cy = cy;
        return r ? 0 : win_default(m);
    }
    case WM_NCDESTROY:
        return win_on_ncdestroy(m);
    case WM_NCMOUSEMOVE:
        win_show_mouse_cursor();
        return win_default(m);
    case WM_NCRBUTTONDOWN:
        if (win_end_popup_first(m))
            return 0;
        return win_default(m);
    case WM_KEYDOWN:
    case WM_CHAR:
        return win_on_key(m);
    case WM_SYSKEYDOWN:
        return win_on_syskeydown(m);
    case WM_SYSCHAR:
        if (win_call<kWinSysChar>(m.object, m.wParam, m.lParam))
            return 0;
        return win_default(m);
    case WM_COMMAND:
        return win_on_command(m);
    case WM_SYSCOMMAND:
        return win_on_syscommand(m);
    case WM_TIMER:
        return win_on_timer(m);
    case WM_VSCROLL:
    case WM_HSCROLL:
        return win_on_scroll(m);
    case WM_MOUSEMOVE:
        return win_on_mouse_move(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return win_on_button(m);
    case WM_MOUSEWHEEL:
        return win_on_wheel(m);
    case WM_EXITSIZEMOVE:
        return win_on_exit_size_move(m);
    case WM_DROPFILES:
        if (win_call<kWinDropFiles>(m.object, m.wParam))
            return 0;
        return win_default(m);
    case WM_IME_NOTIFY:
        if (m.wParam == IMN_SETOPENSTATUS && !gImeBusy)
            gImeOpen = !gImeOpen;
        return win_default(m);
    case MACRO_CHAR:
        return win_on_macro_char(m);
    case WIN_DTOR:
        return win_on_dtor(m);
    case WIN_TOOLMOVE:
    case WIN_TOOLEND:
        return win_on_tool_message(m);
    case WIN_MDIEND:
        return win_on_mdi_end(m);
    case WIN_COMMAND:
        return win_on_win_command(m);
    case WIN_BUTTON_REPEET:
        win_call<kWinRepeetButton>(m.object);
        return 0;
    case WIN_THREADEND:
        return win_on_thread_end(m);
    case WIN_UNDEREND:
        return win_on_under_end(m);
    case WIN_NET_JOB:
        run_root_net_job(m.object);
        return 0;
    default:
        return win_default(m);
    }
}

LRESULT win_proc_run(ZEK_object *object, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT (*handler)(const WinMessage &))
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    // While a call runs, a deletion of the object waits for the outermost to end.
    WinLife *life = win_life(object);
    if (life)
        win_proc_enter(life);
    LRESULT result = 0;
    if (!win_call<kWinFFWndProc>(object, message, wParam, lParam, &result))
        result = handler(WinMessage{object, *d, message, wParam, lParam});
    if (life)
        win_proc_leave(object, life);
    return result;
}

extern "C" LRESULT ZEKAPI WndProcNx(ZEK_object *object, UINT message, WPARAM wParam,
                                    LPARAM lParam)
{
    return win_proc_run(object, message, wParam, lParam, win_dispatch);
}

extern "C" LRESULT CALLBACK DefWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ZEK_object *object = win_bound_object(window, message, lParam);
    if (!object)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT handed = 0;
    if (win_take_deletion(object, message, lParam, &handed))
        return handed;
    return WndProcNx(object, message, wParam, lParam);
}
