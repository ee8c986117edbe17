// Window procedure: creation, moving, destruction and the private messages
// about toolbars, MDI children, drop-down menus and threads.
#include "win_proc.h"

#include "../furniture/leave_check.h"
#include "../process/exec_threads.h"
#include "../runtime/object.h"

namespace {

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

LRESULT win_on_create(const WinMessage &m)
{
    win_call<kWinCreate>(m.object);
    m.d.bShowB = m.d.bShow;
    return 0;
}

bool win_begin_teardown(ZEK_object *object, Win_data &d, int classBrush)
{
    // Runs once per window, whatever a message dispatched below brings.
    WinLife *life = win_life(object);
    if (life && life->destroying)
        return false;
    if (life)
        life->destroying = true;
    d.bDtor = 1;
    // A drawing thread that did not answer may still write: its mutex and
    // back buffer stay until the object's deletion, which waits for it.
    if (win_wait_drawing_thread(object, d))
        win_release_drawing_buffers(d);
    if (d.bBackgroundF && d.hbrBackground) {
        // The class may still name it; the next window of the class sets its own.
        SetClassLongPtrA(d.hWnd, GCLP_HBRBACKGROUND, classBrush);
        DeleteObject(d.hbrBackground);
        d.hbrBackground = nullptr;
        d.bBackgroundF = 0;
    }
    return true;
}

LRESULT win_on_destroy(const WinMessage &m)
{
    if (win_begin_teardown(m.object, m.d, COLOR_WINDOW + 1))
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
    // Procedure threads that told this window of their end are finished
    // here (their WIN_THREADEND goes with the window); running ones will not
    // tell a handle that may be reused from now on.
    exec_threads_window_gone(d.hWnd);
    win_bind(d.hWnd, nullptr);
    d.hWnd = nullptr;
    d.hDC = nullptr;
    if (WinLife *life = win_life(m.object))
        life->destroying = life->closing = false;
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
    const HWND window = d.hWnd;
    // A second WIN_DTOR met while this one waits, or one queued behind a
    // destruction already under way, has nothing left to do.
    WinLife *life = win_life(m.object);
    if (!life || life->closing || life->destroying)
        return 0;
    life->closing = true;
    win_wait_drawing_thread(m.object, d);
    life->closing = false;
    if (life->destroying || !IsWindow(window) || win_object_of(window) != m.object)
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
    for (int32_t i = 0; i < 10; ++i) {
        ZEK_object *child = m.d.pMdiChild[i];
        Win_data *c = win_data_of(child);
        if (!c)
            continue;
        // The child's window is gone by now and its handle forgotten (its
        // WM_NCDESTROY unbinds it): a child whose window has been destroyed
        // is the one that ended. One already being deleted is left to that.
        const bool ended = window && c->hWnd == window;
        const bool gone = !c->hWnd && c->bQuitFlag;
        const WinLife *life = win_life(child);
        if (!(ended || gone) || !life || life->deleting || life->deferred)
            continue;
        m.d.pMdiChild[i] = nullptr;
        m.d.bMdiEndPos = i;
        zek_delete_object(child);
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

LRESULT win_on_thread_end(const WinMessage &m)
{
    // wParam is followed only when it names a live Exec object whose thread
    // told this very window of its end.
    exec_thread_end_message(m.d.hWnd, m.wParam);
    return 0;
}
