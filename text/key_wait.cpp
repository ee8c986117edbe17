// Win: waiting for one key while the window's messages keep flowing.
#include <atomic>

#include "../window/win_call.h"
#include "../window/win_lifetime.h"

namespace {

// The last message the key wait saw, for the whole process: a second WM_CHAR
// in a row is the tail of a two-byte character and is not a shortcut.
std::atomic<UINT> gLastMessage{0};

int32_t shortcut_code(int32_t key)
{
    const int32_t c = key & 0xFFFF;
    return c >= 'a' && c <= 'z' ? key - ('a' - 'A') : key;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_Kin(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    d->InpKey = 0;
    MSG msg;
    UINT previous = 0;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            return -1;
        if (got == 0) {
            // A quit for this window ends the wait. Any other quit is meant
            // for the loop around this one: it is posted again for that loop,
            // and the wait ends too, as no key can be had after a quit.
            if (!msg.hwnd || msg.hwnd != d->hWnd) {
                if (msg.hwnd)
                    PostMessageA(msg.hwnd, WM_QUIT, msg.wParam, msg.lParam);
                else
                    PostQuitMessage(int(msg.wParam));
            }
            return -1;
        }
        if (!(d->bMdiId && d->hMdiWnd && TranslateMDISysAccel(d->hMdiWnd, &msg))) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // A message dispatched here may have deleted the object.
        if (!win_is_live(object) || d->bQuitFlag)
            return -1;
        previous = gLastMessage.exchange(msg.message);
        if (d->InpKey != 0)
            break;
    }
    if (!(msg.message == WM_CHAR && previous == WM_CHAR))
        if (const int32_t k = win_call<kWinRunShortCutProc>(object,
                                                            shortcut_code(d->InpKey)))
            d->InpKey = k;
    return d->InpKey;
}

extern "C" int32_t ZEKAPI Win_KeyinG(ZEK_object *object, int32_t gx, int32_t gy, int32_t caret)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    win_call<kWinGetsCtorSet>(object);
    d->InpStGx = gx;
    d->InpStGy = gy;
    d->InpMax = 0;
    d->InpMacroFlag = 0;
    win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(0));
    // A wait that asks for the caret shows it, whatever bUseCursor was.
    const int32_t useCursor = d->bUseCursor;
    if (caret == 1) {
        d->bUseCursor = 1;
        win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(1));
    }
    const int32_t key = win_call<kWinKin>(object);
    if (caret == 1 && win_is_live(object)) {
        win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(0));
        d->bUseCursor = useCursor;
    }
    return key;
}

extern "C" int32_t ZEKAPI Win_Keyin(ZEK_object *object, int32_t cx, int32_t cy, int32_t caret)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    const int32_t gx = cx * d->ChrWdBx + d->TopOx + d->ChrWdGx[0];
    const int32_t gy = cy * d->ChrWdBy + d->TopOy + d->ChrWdGy[0];
    return win_call<kWinKeyinG>(object, gx, gy, caret);
}
