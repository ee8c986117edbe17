// Calling a Win's method slots from inside the library.
#ifndef ZEK_WINDOW_WIN_CALL_H
#define ZEK_WINDOW_WIN_CALL_H

#include "win_data.h"
#include "zek2/win_loop.h"
#include "../runtime/class_rows.h"
#include "../runtime/member_lookup.h"

// The object's Win data area, or null for an object without a Win layer.
inline Win_data *win_data_of(ZEK_object *object)
{
    ZEK_layer *layer = object ? win_layer(object) : nullptr;
    return layer ? win_data(layer) : nullptr;
}

// Calls slot k of the object's Win layer; a missing layer or slot gives R's
// zero. Arguments must have the method's exact types: they are passed as the
// slot's function type is built from them.
template <typename R = int32_t, typename... Args>
R win_call(ZEK_object *object, int k, Args... args)
{
    ZEK_layer *layer = object ? win_layer(object) : nullptr;
    if (!layer || !layer->pSlot || !layer->pSlot[k])
        return R();
    return zek_call_slot<R>(object, layer, k, args...);
}

// Calls another object's method by name (button tables and other furniture
// classes); a missing object or method gives R's zero.
template <typename R = int32_t, typename... Args>
R call_named(ZEK_object *object, const char *name, Args... args)
{
    ZEK_method_fn fn = object ? zek_find_method(object, name) : nullptr;
    if (!fn)
        return R();
    return reinterpret_cast<R(ZEKAPI *)(ZEK_object *, Args...)>(fn)(object, args...);
}

// Posts a message to the object's window; FALSE without a window.
inline BOOL win_post(const Win_data &d, UINT message, WPARAM wParam, LPARAM lParam)
{
    return d.hWnd ? PostMessageA(d.hWnd, message, wParam, lParam) : FALSE;
}

inline BOOL win_post_key(const Win_data &d, int32_t key)
{
    return win_post(d, MACRO_CHAR, WPARAM(uint32_t(key)), 0);
}

// The object bound to a window (its extra bytes at byte 14), or null.
ZEK_object *win_object_of(HWND window);

#endif
