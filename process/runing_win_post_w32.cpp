// RuningWin messages: keys, characters and clicks posted to the window, all
// through the object's PostMessage slot (PostStr through PostChar).
#include "runing_win.h"

#include "../runtime/class_rows.h"

namespace {

constexpr LPARAM kKeyDownBits = 0x20140001;

void post(ZEK_object *object, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ZEK_layer *layer = runing_win_layer(object))
        zek_call_slot<int32_t>(object, layer, kRwPostMessage, message, wParam, lParam);
}

}  // namespace

extern "C" int32_t ZEKAPI RuningWin_PostMessage(ZEK_object *object, UINT message, WPARAM wParam,
                                                LPARAM lParam)
{
    HWND window = runing_win_hwnd(object);
    // A null window would post into the calling thread's own queue.
    return window ? PostMessageA(window, message, wParam, lParam) : 0;
}

extern "C" LRESULT ZEKAPI RuningWin_SendMessage(ZEK_object *object, UINT message, WPARAM wParam,
                                                LPARAM lParam)
{
    HWND window = runing_win_hwnd(object);
    return window ? SendMessageA(window, message, wParam, lParam) : 0;
}

extern "C" void ZEKAPI RuningWin_LButtonDown(ZEK_object *object)
{
    post(object, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    post(object, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

extern "C" void ZEKAPI RuningWin_LButtonDblClk(ZEK_object *object)
{
    post(object, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
}

extern "C" void ZEKAPI RuningWin_PostChar(ZEK_object *object, int32_t character)
{
    post(object, WM_CHAR, WPARAM(uint32_t(character)), 1);
}

extern "C" void ZEKAPI RuningWin_PostStr(ZEK_object *object, const char *text)
{
    ZEK_layer *layer = runing_win_layer(object);
    if (!layer || !text)
        return;
    // Bytes, not signed chars: a Shift-JIS lead byte goes out as 0x81, not as a negative code.
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p)
        zek_call_slot<void>(object, layer, kRwPostChar, int32_t(*p));
}

extern "C" void ZEKAPI RuningWin_PostSysKey(ZEK_object *object, int32_t virtualKey)
{
    post(object, WM_SYSKEYDOWN, WPARAM(uint32_t(virtualKey)), kKeyDownBits);
}

extern "C" void ZEKAPI RuningWin_PostKey(ZEK_object *object, int32_t virtualKey)
{
    post(object, WM_KEYDOWN, WPARAM(uint32_t(virtualKey)), kKeyDownBits);
}

extern "C" void ZEKAPI RuningWin_CurUp(ZEK_object *object)
{
    post(object, WM_KEYDOWN, VK_UP, 0);
}

extern "C" void ZEKAPI RuningWin_CurDown(ZEK_object *object)
{
    post(object, WM_KEYDOWN, VK_DOWN, 0);
}

extern "C" void ZEKAPI RuningWin_CurRet(ZEK_object *object)
{
    post(object, WM_KEYDOWN, VK_RETURN, 0);
}

extern "C" void ZEKAPI RuningWin_CurEsc(ZEK_object *object)
{
    post(object, WM_KEYDOWN, VK_ESCAPE, 0);
}

extern "C" int32_t ZEKAPI RuningWin_SetForegroundWindow(ZEK_object *object)
{
    HWND window = runing_win_hwnd(object);
    return window ? SetForegroundWindow(window) : 0;
}

extern "C" int32_t ZEKAPI RuningWin_GetWindowText(ZEK_object *object, char *buffer, int32_t size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = '\0';
    HWND window = runing_win_hwnd(object);
    return window ? GetWindowTextA(window, buffer, size) : 0;
}
