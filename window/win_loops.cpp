// Classless message loops: one message, waiting for a window to go, timed
// waits, and the plain main loop of a Win.
#include <atomic>

#include "message_pump.h"
#include "win_lifetime.h"

PendingQuit::~PendingQuit()
{
    if (seen)
        PostQuitMessage(int(code));
}

bool pump_one(ZEK_object *object, PendingQuit &quit, LRESULT *result)
{
    MSG msg;
    // Removing in the peek itself: a get after a non-removing peek can block
    // when the peeked message was a paint or timer that has gone meanwhile.
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        quit.seen = true;
        quit.code = msg.wParam;
        return true;
    }
    // An earlier message of the same wait may have deleted the object.
    Win_data *d = win_is_live(object) ? win_data_of(object) : nullptr;
    if (d && d->bMdiId && d->hMdiWnd && TranslateMDISysAccel(d->hMdiWnd, &msg)) {
        if (result)
            *result = 1;
        return true;
    }
    TranslateMessage(&msg);
    const LRESULT r = DispatchMessageA(&msg);
    if (result)
        *result = r;
    return true;
}

namespace {

// Sleeps until input arrives or the time is up, without spinning.
void wait_for_input(ULONGLONG milliseconds)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, DWORD(milliseconds), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

}  // namespace

extern "C" LRESULT ZEKAPI MessageLoopEx(ZEK_object *object)
{
    LRESULT result = 0;
    PendingQuit quit;
    if (!pump_one(object, quit, &result))
        return 0;
    return result;
}

extern "C" int32_t ZEKAPI WinQuitLoopEx(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->bQuitFlag)
        return d->bQuitFlag;
    // A monotonic clock: a clock of the hour would stop short or never end
    // across the turn of the hour.
    const ULONGLONG start = GetTickCount64();
    PendingQuit quit;
    for (;;) {
        // A message dispatched here may delete the object: its window is gone then.
        bool live = true;
        while ((live = win_is_live(object)) && !d->bQuitFlag && pump_one(object, quit)) {
        }
        if (!live)
            return 1;
        if (d->bQuitFlag)
            return d->bQuitFlag;
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (elapsed >= 3000)
            return 0;
        wait_for_input(3000 - elapsed);
    }
}

extern "C" void ZEKAPI WaitTimeMsecEx(int32_t milliseconds, ZEK_object *object)
{
    if (milliseconds < 1)
        return;
    const ULONGLONG start = GetTickCount64(), total = ULONGLONG(milliseconds);
    PendingQuit quit;
    for (;;) {
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (elapsed >= total)
            return;
        wait_for_input(total - elapsed);
        while (pump_one(object, quit) && GetTickCount64() - start < total) {
        }
    }
}

extern "C" void ZEKAPI MsToolWaitClose(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object)) {
        if (d->hWnd)
            UpdateWindow(d->hWnd);
        for (ZEK_object *tool : d->pToolBar)
            if (Win_data *t = win_data_of(tool); t && t->hWnd)
                UpdateWindow(t->hWnd);
    }
    WaitTimeMsecEx(30, nullptr);
}

extern "C" int32_t ZEKAPI GetKeyType(void)
{
    // 0 = not asked yet; the keyboard does not change within a process.
    static std::atomic<int32_t> type{0};
    int32_t t = type.load();
    if (t == 0) {
        const int subtype = GetKeyboardType(1);
        t = subtype == 0x0D01 || subtype == 0x0D04 ? 16 : 1;
        type.store(t);
    }
    return t;
}

extern "C" int32_t ZEKAPI Win_MainLoop(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    MSG msg{};
    // GetMessage gives -1 on failure (a bad filter or window); that ends the
    // loop rather than spinning on the error.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (d && d->bMdiId && d->hMdiWnd && TranslateMDISysAccel(d->hMdiWnd, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (d && (!win_is_live(object) || d->bQuitFlag))
            break;
    }
    return int32_t(msg.wParam);
}
