// Calling a Win's method slots from inside the library.
#ifndef ZEK_WINDOW_WIN_CALL_H
#define ZEK_WINDOW_WIN_CALL_H

#include <cstddef>
#include <type_traits>
#include <utility>

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

// Whether an argument of type A passes as a parameter declared P: implicitly
// and without narrowing, so an integer where a double is declared, a WPARAM
// where an int32_t is, or another pointer type is refused.
template <typename P, typename A, typename = void>
struct win_arg_fits : std::false_type {};
template <typename P, typename A>
struct win_arg_fits<P, A, std::void_t<decltype(P{std::declval<A>()})>>
    : std::is_convertible<A, P> {};

// One argument's check; a failure names the argument's position (I, from 0),
// the declared type (P) and the type given (A).
template <size_t I, typename P, typename A>
constexpr bool win_arg_check()
{
    static_assert(win_arg_fits<P, A>::value,
                  "win_call: argument I has type A where the method declares P "
                  "(not implicitly convertible, narrowing, or another pointer type)");
    return win_arg_fits<P, A>::value;
}

template <typename Sig, typename... A>
struct win_args_fit;
template <typename R, typename... P, typename... A>
struct win_args_fit<WinSig<R, P...>, A...> {
    static constexpr bool count = sizeof...(P) == sizeof...(A);
    static constexpr bool types()
    {
        if constexpr (count)
            return (win_arg_fits<P, A>::value && ...);
        else
            return false;
    }
    // types(), with a compile error for each argument that does not fit.
    template <size_t... I>
    static constexpr bool checked(std::index_sequence<I...>)
    {
        if constexpr (count)
            return (true & ... & win_arg_check<I, P, A>());
        else
            return false;
    }
};

// Whether win_call<K> accepts these argument types.
template <int K, typename... A>
constexpr bool win_slot_accepts = win_args_fit<typename WinSlot<K>::sig, A...>::types();

// Calls the method in slot K (kWinX) of the object's Win layer through its
// declared type and gives its declared result; a missing layer or slot gives
// that result's zero. Arguments that do not fit the declaration do not compile.
template <int K, typename... Args>
typename WinSlot<K>::result win_call(ZEK_object *object, Args... args)
{
    using Slot = WinSlot<K>;
    using Check = win_args_fit<typename Slot::sig, Args...>;
    static_assert(Check::count, "win_call: argument count differs from the method's declaration");
    using R = typename Slot::result;
    if constexpr (Check::checked(std::index_sequence_for<Args...>())) {
        ZEK_layer *layer = object ? win_layer(object) : nullptr;
        if (layer && layer->pSlot && layer->pSlot[K])
            return reinterpret_cast<typename Slot::type>(layer->pSlot[K])(object, args...);
    }
    return R();
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
