// The window classes of the library: where a window keeps its Win object,
// and the one way they are registered.
#ifndef ZEK_WINDOW_WIN_WINDOW_CLASS_H
#define ZEK_WINDOW_WIN_WINDOW_CLASS_H

#include "zek2/win_loop.h"

// Every window class of the library (Win windows and the furniture's own
// classes) keeps the object pointer at byte 14 of its window extra bytes:
// 18 bytes in 32 bits, 22 in 64.
constexpr int kWinObjectOffset = 14;
constexpr int kWinExtraBytes = kWinObjectOffset + int(sizeof(void *));
static_assert(kWinExtraBytes == (sizeof(void *) == 4 ? 18 : 22), "window extra bytes");

// What differs between the library's window classes; the rest (extra bytes,
// arrow cursor, no class extra bytes) is the same for all.
struct WinClassInfo {
    const char *name = nullptr;
    UINT style = 0;
    HINSTANCE instance = nullptr;
    WNDPROC procedure = DefWndProc;
    HBRUSH background = nullptr;
    const char *menu = nullptr;
    HICON icon = nullptr;       // none when null
    HICON smallIcon = nullptr;  // none when null
};

// Registers the class unless the instance already has one of that name;
// true when it is registered now.
bool win_register_class(const WinClassInfo &info);

// Icon resource 101 of the instance (16 x 16 when small), else the system's
// application icon.
HICON win_class_icon(HINSTANCE instance, bool smallSize);

#endif
