// Deleting a Win: its window goes first, on the window's own thread and with
// the whole teardown; an object still in use below (its own window procedure,
// its drawing thread) is released only once that use has ended.
#include "win_lifetime.h"

#include <algorithm>

#include "message_pump.h"
#include "win_proc.h"
#include "zek2/shared.h"
#include "../graphics/back_buffer.h"
#include "../runtime/object.h"

namespace {

// Long enough for a drawing thread to finish a picture; a thread that never
// answers must not keep its window alive for ever.
constexpr ULONGLONG kDrawingThreadTimeoutMs = 5000;

// A deletion (or, for windowOnly, the window's end) handed to the window's
// thread; done is signalled there once it is over.
struct HandedDeletion {
    ZEK_object *object;
    int32_t flags;
    HANDLE done;
    bool windowOnly;
};

UINT deletion_message()
{
    static const UINT message = RegisterWindowMessageA("ZEK2 Win deletion");
    return message;
}

int32_t drawing_thread_id(const Win_data &d)
{
    return __atomic_load_n(&d.bProcID, __ATOMIC_ACQUIRE);
}

void signal(HANDLE done)
{
    if (done)
        SetEvent(done);
}

// The window bound to this object, or null (a stale hWnd is forgotten).
HWND bound_window(ZEK_object *object, Win_data &d)
{
    if (d.hWnd && win_object_of(d.hWnd) == object && IsWindow(d.hWnd))
        return d.hWnd;
    d.hWnd = nullptr;
    return nullptr;
}

bool on_other_thread(HWND window)
{
    return GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId();
}

// Waits for done, still answering messages sent to this thread's windows.
void wait_answering(HANDLE done)
{
    while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG m;
        PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// Hands the request to the window's thread and waits until it is carried
// out; false when the window went before its thread took the request.
bool hand_over(HWND window, ZEK_object *object, int32_t flags, bool windowOnly)
{
    HandedDeletion request{object, flags, CreateEventA(nullptr, TRUE, FALSE, nullptr), windowOnly};
    if (!request.done)
        return false;
    const bool taken =
        SendMessageA(window, deletion_message(), 0, reinterpret_cast<LPARAM>(&request)) == 1;
    if (taken)
        wait_answering(request.done);
    CloseHandle(request.done);
    return taken;
}

// Destroys the window on this (its own) thread while it is still bound, so
// WM_DESTROY and WM_NCDESTROY do the whole teardown. Within that teardown
// the window cannot be destroyed again: it is only unbound.
void destroy_bound_window(ZEK_object *object, Win_data &d, HWND window, const WinLife *life)
{
    if (!life || !life->destroying) {
        d.bDtor = 1;
        DestroyWindow(window);
    }
    if (IsWindow(window) && win_object_of(window) == object) {
        Shared_printf0("Win %p released while its window %p was being destroyed\n",
                       static_cast<void *>(object), static_cast<void *>(window));
        win_bind(window, nullptr);
    }
    d.hWnd = nullptr;
}

// A handle to the drawing thread while it runs (not this thread), else null.
HANDLE running_drawing_thread(const Win_data &d)
{
    const int32_t id = drawing_thread_id(d);
    if (!id || DWORD(id) == GetCurrentThreadId())
        return nullptr;
    HANDLE thread = nullptr;
    if (!d.hProcTh || !DuplicateHandle(GetCurrentProcess(), d.hProcTh, GetCurrentProcess(),
                                       &thread, SYNCHRONIZE, FALSE, 0))
        thread = OpenThread(SYNCHRONIZE, FALSE, DWORD(id));
    if (thread && WaitForSingleObject(thread, 0) != WAIT_TIMEOUT) {
        CloseHandle(thread);
        thread = nullptr;
    }
    return thread;
}

struct KeptObject {
    ZEK_object *object;
    int32_t flags;
    HANDLE thread;
};

DWORD WINAPI release_after_drawing_thread(void *p)
{
    auto *kept = static_cast<KeptObject *>(p);
    WaitForSingleObject(kept->thread, INFINITE);
    CloseHandle(kept->thread);
    Shared_printf0("Win %p released after its drawing thread ended\n",
                   static_cast<void *>(kept->object));
    zek_delete_derived(kept->object, &Win_vtbl, kept->flags);
    delete kept;
    return 0;
}

// The drawing thread may still write into the object's buffers: the object
// stays until that thread has ended (for ever, if it never does).
void keep_for_drawing_thread(ZEK_object *object, int32_t flags, HANDLE thread)
{
    Shared_printf0("Win %p kept: its drawing thread has not ended\n",
                   static_cast<void *>(object));
    auto *kept = new KeptObject{object, flags, thread};
    HANDLE keeper = CreateThread(nullptr, 0, release_after_drawing_thread, kept, 0, nullptr);
    if (keeper) {
        CloseHandle(keeper);
        return;
    }
    CloseHandle(thread);
    delete kept;
}

}  // namespace

bool win_wait_drawing_thread(ZEK_object *object, Win_data &d)
{
    const int32_t id = drawing_thread_id(d);
    if (!id || DWORD(id) == GetCurrentThreadId())
        return true;
    WinLife *life = win_life(object);
    if (life && life->threadLeft)
        return false;  // asked and waited for once already
    if (d.hProcTh)
        SetThreadPriority(d.hProcTh, THREAD_PRIORITY_HIGHEST);
    // One request suffices; it is repeated only while the thread has no queue yet.
    bool asked = PostThreadMessageA(DWORD(id), WIN_REDRAWEND, 0, 0);
    const ULONGLONG deadline = GetTickCount64() + kDrawingThreadTimeoutMs;
    PendingQuit quit;
    // The messages dispatched meanwhile cannot free the object: it is inside
    // its own window procedure or its deletion, and a deletion waits for both.
    while (drawing_thread_id(d)) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            Shared_printf0("drawing thread %x did not end; window closed without it\n",
                           unsigned(id));
            if (life)
                life->threadLeft = true;
            return false;
        }
        const DWORD wait = DWORD(std::min<ULONGLONG>(deadline - now, 20));
        HANDLE thread = d.hProcTh;
        DWORD r = MsgWaitForMultipleObjects(thread ? 1 : 0, thread ? &thread : nullptr, FALSE,
                                            wait, QS_ALLINPUT);
        if (thread && r == WAIT_OBJECT_0)
            return true;  // ended without clearing its identifier
        if (!asked)
            asked = PostThreadMessageA(DWORD(id), WIN_REDRAWEND, 0, 0);
        while (pump_one(nullptr, quit)) {
        }
    }
    return true;
}

void win_delete(ZEK_object *object, int32_t flags, HANDLE done)
{
    for (;;) {
        WinLife *life = win_life(object);
        Win_data *d = life ? win_data_of(object) : nullptr;
        if (!d) {
            Shared_printf0("Win %p deleted twice\n", static_cast<void *>(object));
            signal(done);
            return;
        }
        HWND window = bound_window(object, *d);
        if (window && on_other_thread(window)) {
            if (hand_over(window, object, flags, false)) {
                signal(done);
                return;
            }
            // Gone meanwhile, or a window procedure of the program's own did
            // not pass the request on: then the window is only unbound.
            if (bound_window(object, *d)) {
                Shared_printf0("Win %p deleted while its window %p stays\n",
                               static_cast<void *>(object), static_cast<void *>(window));
                win_bind(window, nullptr);
                d->hWnd = nullptr;
            }
            continue;
        }
        // From here on this thread owns the object's state.
        if (life->deleting || life->deferred) {
            Shared_printf0("Win %p deleted twice\n", static_cast<void *>(object));
            signal(done);
            return;
        }
        if (life->depth > 0 || life->destroying) {
            // Deleted from inside its own window procedure: the outermost call
            // finishes the deletion once it returns.
            life->deferred = true;
            life->deferFlags = flags;
            life->deferDone = done;
            return;
        }
        life->deleting = true;
        if (window)
            destroy_bound_window(object, *d, window, life);
        win_wait_drawing_thread(object, *d);
        if (HANDLE thread = running_drawing_thread(*d))
            keep_for_drawing_thread(object, flags, thread);
        else
            zek_delete_derived(object, &Win_vtbl, flags);
        signal(done);
        return;
    }
}

void win_end_window(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    HWND window = d ? bound_window(object, *d) : nullptr;
    if (!window)
        return;
    if (on_other_thread(window) && hand_over(window, object, 0, true))
        return;
    if (on_other_thread(window)) {
        win_bind(window, nullptr);
        d->hWnd = nullptr;
        return;
    }
    destroy_bound_window(object, *d, window, win_life(object));
}

bool win_take_deletion(ZEK_object *object, UINT message, LPARAM lParam, LRESULT *result)
{
    if (message != deletion_message() || !message)
        return false;
    auto *request = reinterpret_cast<HandedDeletion *>(lParam);
    *result = 0;
    if (!request || request->object != object)
        return true;
    *result = 1;
    if (request->windowOnly) {
        win_end_window(object);
        SetEvent(request->done);
    } else {
        win_delete(object, request->flags, request->done);
    }
    return true;
}

void win_proc_enter(WinLife *life)
{
    ++life->depth;
}

void win_proc_leave(ZEK_object *object, WinLife *life)
{
    if (--life->depth > 0 || !life->deferred || life->destroying)
        return;
    life->deferred = false;
    win_delete(object, life->deferFlags, life->deferDone);
}

void win_release_drawing_buffers(Win_data &d)
{
    if (d.hmtxDisp) {
        CloseHandle(d.hmtxDisp);
        d.hmtxDisp = nullptr;
    }
    win_release_back_buffer(d);
}
