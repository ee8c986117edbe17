// Window procedure: creation, moving, destruction and the private messages
// about toolbars, MDI children, drop-down menus and threads.
#include "win_proc.h"

#include <algorithm>
#include <vector>

#include "message_pump.h"
#include "zek2/shared.h"
#include "../furniture/leave_check.h"
#include "../graphics/back_buffer.h"
#include "../runtime/object.h"

namespace {

// Long enough for a drawing thread to finish a picture; a thread that never
// answers must not keep its window alive for ever.
constexpr ULONGLONG kDrawingThreadTimeoutMs = 5000;

// Windows whose WIN_DTOR is waiting for the drawing thread; the messages
// dispatched meanwhile may bring a second WIN_DTOR.
thread_local std::vector<HWND> tClosing;

int32_t drawing_thread_id(const Win_data &d)
{
    return __atomic_load_n(&d.bProcID, __ATOMIC_ACQUIRE);
}

// Releases a toolbar: its layout saved by the program's hook and by itself.
void release_toolbar(ZEK_object *object, Win_data &d, int32_t i)
{
    ZEK_object *bar = d.pToolBar[i];
    if (!bar)
        return;
    win_call<kWinPutToolBarEx>(object, i);
    win_call<kWinPutToolBar>(bar);
    d.pToolBar[i] = nullptr;
    zek_delete_object(bar);
}

int32_t toolbar_of_window(const Win_data &d, HWND window)
{
    for (int32_t i = 0; i < 20; ++i) {
        Win_data *bar = win_data_of(d.pToolBar[i]);
        if (bar && window && bar->hWnd == window)
            return i;
    }
    return -1;
}

}  // namespace

void win_wait_drawing_thread(Win_data &d)
{
    const int32_t id = drawing_thread_id(d);
    if (!id)
        return;
    if (d.hProcTh)
        SetThreadPriority(d.hProcTh, THREAD_PRIORITY_HIGHEST);
    // One request suffices; it is repeated only while the thread has no queue yet.
    bool asked = PostThreadMessageA(DWORD(id), WIN_REDRAWEND, 0, 0);
    const ULONGLONG deadline = GetTickCount64() + kDrawingThreadTimeoutMs;
    PendingQuit quit;
    while (drawing_thread_id(d)) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            Shared_printf0("drawing thread %x did not end; window closed without it\n",
                           unsigned(id));
            return;
        }
        const DWORD wait = DWORD(std::min<ULONGLONG>(deadline - now, 20));
        HANDLE thread = d.hProcTh;
        DWORD r = MsgWaitForMultipleObjects(thread ? 1 : 0, thread ? &thread : nullptr, FALSE,
                                            wait, QS_ALLINPUT);
        if (thread && r == WAIT_OBJECT_0)
            return;  // ended without clearing its identifier
        if (!asked)
            asked = PostThreadMessageA(DWORD(id), WIN_REDRAWEND, 0, 0);
        while (pump_one(nullptr, quit)) {
        }
    }
}

LRESULT win_on_create(const WinMessage &m)
{
    win_call<kWinCreate>(m.object);
    m.d.bShowB = m.d.bShow;
    return 0;
}

LRESULT win_on_destroy(const WinMessage &m)
{
    Win_data &d = m.d;
    win_wait_drawing_thread(d);
    if (d.hmtxDisp) {
        CloseHandle(d.hmtxDisp);
        d.hmtxDisp = nullptr;
    }
    if (d.bBackgroundF && d.hbrBackground) {
        // The class may still name it; the next window of the class sets its own.
        SetClassLongPtrA(d.hWnd, GCLP_HBRBACKGROUND, COLOR_WINDOW + 1);
        DeleteObject(d.hbrBackground);
        d.hbrBackground = nullptr;
        d.bBackgroundF = 0;
    }
    win_release_back_buffer(d);
    win_call<kWinDestroy>(m.object);
    return win_default(m);
}

LRESULT win_on_ncdestroy(const WinMessage &m)
{
    Win_data &d = m.d;
    for (int32_t i = 0; i < 20; ++i)
        release_toolbar(m.object, d, i);
    if (d.bMdiId) {
        for (ZEK_object *&child : d.pMdiChild) {
            ZEK_object *c = child;
            child = nullptr;
            zek_delete_object(c);
        }
    }
    for (ZEK_object **bar : {&d.pLeftMenuBar, &d.pRightMenuBar, &d.pTopMenuBar,
                             &d.pDownMenuBar, &d.pStatusBar}) {
        ZEK_object *b = *bar;
        *bar = nullptr;
        zek_delete_object(b);
    }
    d.bQuitFlag = 1;
    const LRESULT r = win_default(m);
    // The handle may be reused by another window from now on.
    win_bind(d.hWnd, nullptr);
    d.hWnd = nullptr;
    d.hDC = nullptr;
    return r;
}

LRESULT win_on_move(const WinMessage &m)
{
    Win_data &d = m.d;
    GetWindowRect(d.hWnd, &d.bScRect);
    const int32_t dx = d.bScRect.left - d.WinStGx;
    const int32_t dy = d.bScRect.top - d.WinStGy;
    d.WinStGx = d.bScRect.left;
    d.WinStGy = d.bScRect.top;
    win_call<kWinMoveWndEx>(m.object, dx, dy);
    if (d.bToolId) {
        for (ZEK_object *bar : d.pToolBar) {
            Win_data *b = win_data_of(bar);
            if (!b)
                continue;
            auto *pos = static_cast<int32_t *>(zek_find_data(b->pButtonTbl, "bPos"));
            if (!b->pButtonTbl || !pos || *pos == 0)
                continue;
            b->WinStGx += dx;
            b->WinStGy += dy;
            if (b->hWnd)
                MoveWindow(b->hWnd, b->WinStGx, b->WinStGy, b->WinWdGx, b->WinWdGy, TRUE);
        }
    }
    return win_default(m);
}

LRESULT win_on_setcursor(const WinMessage &m)
{
    atr_table_leave_check(m.object);
    for_each_furniture(m.d, atr_table_leave_check);
    return win_default(m);
}

LRESULT win_on_dtor(const WinMessage &m)
{
    Win_data &d = m.d;
    HWND window = d.hWnd;
    if (std::find(tClosing.begin(), tClosing.end(), window) != tClosing.end())
        return 0;
    tClosing.push_back(window);
    win_wait_drawing_thread(d);
    tClosing.erase(std::find(tClosing.begin(), tClosing.end(), window));
    if (!IsWindow(window))
        return 0;  // destroyed by a message dispatched while waiting
    d.bDtor = 1;
    DestroyWindow(window);
    return 0;
}

LRESULT win_on_tool_message(const WinMessage &m)
{
    const int32_t i = toolbar_of_window(m.d, reinterpret_cast<HWND>(m.wParam));
    if (i < 0)
        return 0;
    if (m.message == WIN_TOOLMOVE)
        win_call<kWinCreateToolBar>(m.object, i, int32_t(1));
    else
        release_toolbar(m.object, m.d, i);
    return 0;
}

LRESULT win_on_mdi_end(const WinMessage &m)
{
    const HWND window = reinterpret_cast<HWND>(m.wParam);
    for (ZEK_object *&child : m.d.pMdiChild) {
        Win_data *c = win_data_of(child);
        if (c && window && c->hWnd == window) {
            ZEK_object *gone = child;
            child = nullptr;
            zek_delete_object(gone);
            break;
        }
    }
    return 0;
}

LRESULT win_on_under_end(const WinMessage &m)
{
    ZEK_object *menu = m.d.pUnderMenu;
    if (!menu)
        return 0;
    m.d.pUnderMenu = nullptr;
    win_call<kWinWaitClose>(menu, static_cast<ZEK_object *>(nullptr));
    zek_delete_object(menu);
    return 0;
}

LRESULT win_on_thread_end(const WinMessage &)
{
    // wParam would name an Exec object; none can be live while the Exec
    // class is not built, so a pointer arriving here is never followed.
    return 0;
}
