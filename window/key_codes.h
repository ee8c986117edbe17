// Key-code translation on plain integers, so it needs no window or keyboard.
#ifndef ZEK2_WINDOW_KEY_CODES_H
#define ZEK2_WINDOW_KEY_CODES_H

#include <stdint.h>

namespace zek_keys {

// Message numbers of the platform and the library's macro key.
constexpr uint32_t kWmKeyDown = 0x0100;
constexpr uint32_t kWmChar = 0x0102;
constexpr uint32_t kWmSysKeyDown = 0x0104;
constexpr uint32_t kMacroChar = 0x0401;

// True for the messages whose translation depends on Shift, Ctrl and Alt.
inline bool needs_modifiers(uint32_t message)
{
    return message == kWmKeyDown || message == kWmSysKeyDown;
}

// The key code of a message; modifiers holds the Shift/Ctrl/Alt bits
// (0x20000, 0x40000, 0x80000) of the keyboard when the message is read.
int32_t translate(uint32_t message, uintptr_t wParam, uint32_t modifiers);

// The input members a message updates.
struct InputState {
    int32_t inpKey;
    int32_t inpKeyEx;
    int32_t kinBk;  // first byte of a two-byte character awaiting its second
};

// Feeds the translated code of a message into state; 1 when a key is ready.
int32_t feed(uint32_t message, int32_t code, InputState &state);

}  // namespace zek_keys

#endif
