// Exec: waiting for a procedure's thread while the caller's messages are
// dispatched, and ending the thread from outside.
#include "exec_threads.h"

#include "../runtime/class_rows.h"
#include "../window/win_call.h"
#include "../window/win_lifetime.h"

namespace {

// Waits for one of the handles or a message, for at most timeoutMs.
// Messages are dispatched; a quit request is kept for after the wait.
// Gives the index of a signalled handle, -1 otherwise.
int wait_dispatching(const HANDLE *handles, DWORD count, DWORD timeoutMs, bool *quit,
                     WPARAM *quitCode)
{
    const DWORD r = MsgWaitForMultipleObjects(count, handles, FALSE, timeoutMs, QS_ALLINPUT);
    if (r < WAIT_OBJECT_0 + count)
        return int(r - WAIT_OBJECT_0);
    if (r == WAIT_FAILED) {
        Sleep(1);  // a handle went bad under us: still no busy loop
        return -1;
    }
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            *quit = true;
            *quitCode = m.wParam;
            continue;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return -1;
}

// Dispatches until the thread has ended.
void wait_thread_end(HANDLE thread, const int32_t *threadId)
{
    bool quit = false;
    WPARAM quitCode = 0;
    while (!(threadId && exec_load(*threadId) == 0)) {
        if (wait_dispatching(&thread, 1, INFINITE, &quit, &quitCode) == 0)
            break;
    }
    if (quit)
        PostQuitMessage(int(quitCode));
}

void finish_hold(ZEK_object *object)
{
    if (exec_unhold(object, ExecUnhold::Wait))
        ZEK_delete(object);
}

}  // namespace

extern "C" int32_t ZEKAPI Exec_ExecThreadEndWait(ZEK_object *object)
{
    HANDLE thread = exec_thread_hold(object);
    if (!thread)
        return 0;
    wait_thread_end(thread, &exec_data_of(object)->bThreadID);
    CloseHandle(thread);
    finish_hold(object);
    return 0;
}

extern "C" ZEK_object *ZEKAPI Exec_ExecThreadRunWait(ZEK_object *object)
{
    HANDLE handles[2] = {};
    handles[0] = exec_thread_hold(object, &handles[1]);
    if (!handles[0])
        return nullptr;
    SetThreadPriority(handles[0], THREAD_PRIORITY_HIGHEST);
    Exec_data *d = exec_data_of(object);
    const DWORD count = handles[1] ? 2 : 1;
    bool quit = false;
    WPARAM quitCode = 0;
    ZEK_object *runWin = nullptr;
    for (;;) {
        runWin = exec_load(d->pRunWin);
        if (runWin)
            break;
        // SetRunWin signals at once; a program that writes the member by
        // name is seen within the interval.
        if (wait_dispatching(handles, count, 20, &quit, &quitCode) == 0) {
            runWin = exec_load(d->pRunWin);
            break;  // the thread has ended
        }
    }
    if (quit)
        PostQuitMessage(int(quitCode));
    CloseHandle(handles[0]);
    if (handles[1])
        CloseHandle(handles[1]);
    finish_hold(object);
    return runWin;
}

extern "C" void ZEKAPI Exec_ExecThreadEnd(ZEK_object *object)
{
    ZEK_layer *layer = exec_layer(object);
    HANDLE thread = nullptr;
    if (!layer || !exec_thread_claim_stop(object, &thread))
        return;
    Exec_data *d = &exec_area(layer)->data;
    if (thread)
        SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
    ZEK_object *runWin = exec_load(d->pRunWin);
    if (runWin && win_is_live(runWin))
        win_call<kWinAltF4>(runWin);
    zek_call_slot<int32_t>(object, layer, kExecExecThreadEndWait);
    if (thread) {
        // A replaced wait may return early: the object goes only after its thread.
        wait_thread_end(thread, nullptr);
        CloseHandle(thread);
    }
    if (exec_thread_finish_stop(object))
        ZEK_delete(object);
}

extern "C" int32_t ZEKAPI Exec_ExecThreadOpen(ZEK_object *object, Exec_proc_fn procedure,
                                              int32_t priority)
{
    Exec_data *d = exec_data_of(object);
    if (!d)
        return 0;
    // The window the thread was started for; it is told when the thread ends.
    HWND mother = nullptr;
    if (d->pMother && win_is_live(d->pMother))
        mother = win_data_of(d->pMother)->hWnd;
    return exec_thread_start(object, procedure, priority, mother) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Exec_ExecThreadPriority(ZEK_object *object, int32_t priority)
{
    return exec_thread_priority(object, priority);
}
