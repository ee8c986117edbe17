// Win: the clipboard as the line editor uses it.
//
// GetClipbrd's copy comes from malloc of the C runtime this library links,
// msvcrt.dll (the mingw-w64 default), so a caller frees it with that
// runtime's free. Programs built with mingw-w64 link the same msvcrt.dll; a
// program on another runtime must not free it with its own.
#include <cstdlib>
#include <cstring>

#include "../window/win_call.h"

extern "C" char *ZEKAPI Win_GetClipbrd(ZEK_object *object, int32_t *size)
{
    if (size)
        *size = 0;
    Win_data *d = win_data_of(object);
    if (!d || !OpenClipboard(d->hWnd))
        return nullptr;
    char *copy = nullptr;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        const SIZE_T bytes = GlobalSize(data);
        const char *text = static_cast<const char *>(GlobalLock(data));
        if (text && bytes > 0 && bytes < INT32_MAX) {
            // Another program's block need not end in a NUL within its size.
            const size_t n = strnlen(text, bytes);
            copy = static_cast<char *>(std::malloc(n + 1));
            if (copy) {
                memcpy(copy, text, n);
                copy[n] = 0;
                if (size)
                    *size = int32_t(bytes);
            }
        }
        if (text)
            GlobalUnlock(data);
    }
    CloseClipboard();
    return copy;
}

extern "C" int32_t ZEKAPI Win_SetClipbrd(ZEK_object *object, const void *data, UINT format,
                                          int32_t size)
{
    Win_data *d = win_data_of(object);
    if (!d || !data || size <= 0)
        return 0;
    // Ours until SetClipboardData takes it; freed on every way that it does not.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, SIZE_T(size));
    if (!block)
        return 0;
    void *bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return 0;
    }
    memcpy(bytes, data, size_t(size));
    GlobalUnlock(block);
    if (!OpenClipboard(d->hWnd)) {
        GlobalFree(block);
        return 0;
    }
    const bool taken = EmptyClipboard() && SetClipboardData(format, block);
    CloseClipboard();
    if (!taken)
        GlobalFree(block);
    return taken ? 1 : 0;
}
