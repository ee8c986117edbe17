// Writing class descriptor tables once: data and field rows take their place,
// element size and count from the struct that describes the area.
#ifndef ZEK_RUNTIME_CLASS_ROWS_H
#define ZEK_RUNTIME_CLASS_ROWS_H

#include <cstddef>

#include "zek2/runtime.h"

template <typename T>
struct ZekMemberShape {
    static constexpr int32_t size = sizeof(T);
    static constexpr int32_t count = 1;
};
template <typename T, size_t N>
struct ZekMemberShape<T[N]> {
    static constexpr int32_t size = sizeof(T);
    static constexpr int32_t count = int32_t(N);
};

// The member's name is its spelling in the struct, so the macro needs #.
#define ZEK_DATA_ROW(Area, member)                                             \
    ZEK_member{ZEK_KIND_DATA, #member, offsetof(Area, member),                 \
               ZekMemberShape<decltype(Area::member)>::size,                   \
               ZekMemberShape<decltype(Area::member)>::count}

#define ZEK_FIELD_ROW(Record, field)                                           \
    ZEK_member{ZEK_KIND_FIELD, #field, offsetof(Record, field),                \
               ZekMemberShape<decltype(Record::field)>::size,                  \
               ZekMemberShape<decltype(Record::field)>::count}

// Result sizes of method rows.
enum ZekResult : int32_t { kNoResult = 0, kIntResult = 4, kDoubleResult = 8 };

template <typename Fn>
ZEK_member zek_method_row(const char *name, Fn *function, ZekResult result)
{
    return ZEK_member{ZEK_KIND_METHOD, name, reinterpret_cast<uintptr_t>(function), result,
                      result == kNoResult ? 0 : 1};
}

// Calls slot k of a layer with the object first.
template <typename R, typename... Args>
R zek_call_slot(ZEK_object *object, const ZEK_layer *layer, int k, Args... args)
{
    auto fn = reinterpret_cast<R(ZEKAPI *)(ZEK_object *, Args...)>(layer->pSlot[k]);
    return fn(object, args...);
}

#endif
