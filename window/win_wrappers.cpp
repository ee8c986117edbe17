// Win: thin wrappers that apply a system window call to the object's window.
// Without a window they give the failure result rather than pass a null
// handle, which several calls would take as "every window", the desktop or
// the thread (InvalidateRect, RedrawWindow, SetFocus, SetTimer).
#include "win_data.h"

#include <initializer_list>

namespace {

Win_data *data_of(ZEK_object *object)
{
    ZEK_layer *layer = win_layer(object);
    return layer ? win_data(layer) : nullptr;
}

HWND window_of(ZEK_object *object)
{
    Win_data *d = data_of(object);
    return d ? d->hWnd : nullptr;
}

// The library links only USER, GDI and the kernel; the two shell calls for
// dropped files are found when first needed.
template <typename Fn>
Fn shell_function(const char *name)
{
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell)
        shell = LoadLibraryA("shell32.dll");
    return shell ? reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(shell, name)))
                 : nullptr;
}

using DragAcceptFilesFn = void(WINAPI *)(HWND, BOOL);
using DragQueryFileFn = UINT(WINAPI *)(HDROP, UINT, LPSTR, UINT);

}  // namespace

extern "C" int32_t ZEKAPI Win_GetClientRect(ZEK_object *object, RECT *rect)
{
    HWND w = window_of(object);
    return w && rect ? ::GetClientRect(w, rect) : 0;
}

extern "C" int32_t ZEKAPI Win_GetWindowRect(ZEK_object *object, RECT *rect)
{
    HWND w = window_of(object);
    return w && rect ? ::GetWindowRect(w, rect) : 0;
}

extern "C" int32_t ZEKAPI Win_SetForegroundWindow(ZEK_object *object)
{
    HWND w = window_of(object);
    return w ? ::SetForegroundWindow(w) : 0;
}

// Queries of the system that need no window of the object.
extern "C" HWND ZEKAPI Win_GetForegroundWindow(ZEK_object *)
{
    return ::GetForegroundWindow();
}

extern "C" HWND ZEKAPI Win_GetDesktopWindow(ZEK_object *)
{
    return ::GetDesktopWindow();
}

extern "C" HWND ZEKAPI Win_GetFocus(ZEK_object *)
{
    return ::GetFocus();
}

extern "C" int32_t ZEKAPI Win_ShowWindow(ZEK_object *object, HWND window, int32_t command)
{
    HWND w = window ? window : window_of(object);
    return w ? ::ShowWindow(w, command) : 0;
}

extern "C" int32_t ZEKAPI Win_SetWindowPos(ZEK_object *object, HWND insertAfter, int32_t x,
                                          int32_t y, int32_t cx, int32_t cy, UINT flags)
{
    HWND w = window_of(object);
    return w ? ::SetWindowPos(w, insertAfter, x, y, cx, cy, flags) : 0;
}

extern "C" int32_t ZEKAPI Win_RedrawWindow(ZEK_object *object, const RECT *rect, HRGN region,
                                          UINT flags)
{
    HWND w = window_of(object);
    return w ? ::RedrawWindow(w, rect, region, flags) : 0;
}

extern "C" HWND ZEKAPI Win_SetFocus(ZEK_object *object)
{
    HWND w = window_of(object);
    return w ? ::SetFocus(w) : nullptr;
}

extern "C" HWND ZEKAPI Win_SetMotherFocus(ZEK_object *object)
{
    Win_data *d = data_of(object);
    HWND mother = d ? window_of(d->pMother) : nullptr;
    return mother ? ::SetFocus(mother) : nullptr;
}

extern "C" int32_t ZEKAPI Win_SetTitle(ZEK_object *object, const char *text)
{
    HWND w = window_of(object);
    return w ? ::SetWindowTextA(w, text) : 0;
}

extern "C" int32_t ZEKAPI Win_Update(ZEK_object *object)
{
    HWND w = window_of(object);
    return w ? ::UpdateWindow(w) : 0;
}

extern "C" int32_t ZEKAPI Win_InvalidateRect(ZEK_object *object, const RECT *rect, int32_t erase)
{
    Win_data *d = data_of(object);
    if (!d || !d->hWnd)
        return 0;
    return ::InvalidateRect(d->hWnd, rect ? rect : &d->bRect, erase);
}

extern "C" int32_t ZEKAPI Win_EnableWindow(ZEK_object *object, int32_t enable)
{
    Win_data *d = data_of(object);
    if (!d)
        return 0;
    d->bLockFocus = enable;
    int32_t result = 0;
    auto apply = [&](HWND w) {
        if (w && ::IsWindow(w))
            result = ::EnableWindow(w, enable);
    };
    apply(d->hWnd);
    for (ZEK_object *bar : d->pToolBar)
        apply(window_of(bar));
    // The ten-key pad stays usable while its owner is locked.
    for (ZEK_object *other : {d->pPlotTh, d->pNormalTh, d->pKuiutiTh, d->pViewTh})
        apply(window_of(other));
    return result;
}

// A Win without a window yet still shows the box, with no owner.
extern "C" int32_t ZEKAPI Win_MessageBox(ZEK_object *object, const char *text, const char *caption,
                                        UINT style)
{
    Win_data *d = data_of(object);
    return d ? ::MessageBoxA(d->hWnd, text, caption, style) : 0;
}

extern "C" int32_t ZEKAPI Win_MessageBeep(ZEK_object *, UINT type)
{
    return ::MessageBeep(type);
}

extern "C" UINT_PTR ZEKAPI Win_SetTimer(ZEK_object *object, UINT_PTR id, UINT milliseconds)
{
    HWND w = window_of(object);
    return w ? ::SetTimer(w, id, milliseconds, nullptr) : 0;
}

extern "C" int32_t ZEKAPI Win_KillTimer(ZEK_object *object, UINT_PTR id)
{
    HWND w = window_of(object);
    return w ? ::KillTimer(w, id) : 0;
}

extern "C" void ZEKAPI Win_DragAcceptFiles(ZEK_object *object, int32_t accept)
{
    HWND w = window_of(object);
    if (!w)
        return;
    static const auto fn = shell_function<DragAcceptFilesFn>("DragAcceptFiles");
    if (fn)
        fn(w, accept);
}

extern "C" UINT ZEKAPI Win_DragQueryFile(ZEK_object *, HDROP drop, UINT index, char *buffer,
                                        UINT size)
{
    if (!drop)
        return 0;
    static const auto fn = shell_function<DragQueryFileFn>("DragQueryFileA");
    return fn ? fn(drop, index, buffer, size) : 0;
}
