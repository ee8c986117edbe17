// What the typed fields share: starting a field on sBuf and printing a
// value at the field.
#ifndef ZEK_TEXT_TYPED_FIELD_H
#define ZEK_TEXT_TYPED_FIELD_H

#include "typed_values.h"
#include "../window/win_call.h"

// The key that accepts a field.
constexpr int32_t kFieldEnter = 0x10008;

// A new field of width cells (held to 0..128) at (gx, gy), empty or
// holding text cut to the width, and shown when display is 1.
void typed_field_start(ZEK_object *object, Win_data &d, int32_t gx, int32_t gy, int32_t width,
                       const char *text = nullptr, int32_t display = 0);

// Prints at (gx, gy) through the window's _printf slot.
void typed_field_print(ZEK_object *object, int32_t gx, int32_t gy, const char *format, ...);

#endif
