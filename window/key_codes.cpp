// Key codes from keyboard messages and macro keys.
#include "key_codes.h"

#include "zek2/keys.h"
#include "zek2/strings.h"

namespace zek_keys {
namespace {

constexpr uint32_t kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;
constexpr uint32_t kVkKanji = 0x19;

// Virtual key -> special key code (below 32) or the character it stands for
// when modified; 0 for none.
struct Table {
    uint8_t entry[256] = {};
    constexpr Table()
    {
        const uint8_t pairs[][2] = {
            {0x08, ZEK_KEY_BACKSPACE}, {0x09, ZEK_KEY_TAB},    {0x0D, ZEK_KEY_ENTER},
            {0x1B, ZEK_KEY_ESC},       {0x20, ' '},            {0x21, ZEK_KEY_PAGEUP},
            {0x22, ZEK_KEY_PAGEDOWN},  {0x23, ZEK_KEY_END},    {0x24, ZEK_KEY_HOME},
            {0x25, ZEK_KEY_LEFT},      {0x26, ZEK_KEY_UP},     {0x27, ZEK_KEY_RIGHT},
            {0x28, ZEK_KEY_DOWN},      {0x2D, ZEK_KEY_INSERT}, {0x2E, ZEK_KEY_DELETE},
            {0x2F, ZEK_KEY_END},       {0x6A, '*'},            {0x6B, '+'},
            {0x6D, '-'},               {0x6F, '/'},            {0xBA, ':'},
            {0xBB, ';'},               {0xBC, '<'},            {0xBD, '-'},
            {0xBE, '>'},               {0xBF, '/'},            {0xC0, '@'},
            {0xDB, '['},               {0xDC, '\\'},           {0xDD, '^'},
            {0xE1, '_'}};
        for (const auto &p : pairs)
            entry[p[0]] = p[1];
        for (int d = 0; d < 10; ++d)
            entry[0x60 + d] = uint8_t('0' + d);
    }
};
constexpr Table kTable;

bool is_function_key(uint32_t vk)
{
    return vk >= ZEK_KEY_F1 && vk <= ZEK_KEY_F12;
}

int32_t key_down(uint32_t vk, uint32_t m)
{
    if (vk == kVkShift || vk == kVkControl || vk == kVkMenu)
        return 0;
    // Virtual keys past the table have no entry rather than reading beyond it.
    const uint32_t t = vk < 256 ? kTable.entry[vk] : 0;
    const uint32_t special = ZEK_KEY_SPECIAL;
    if (m & (ZEK_KEY_CTRL | ZEK_KEY_ALT)) {
        if (is_function_key(vk))
            return int32_t(vk | m | special);
        if (t != 0)
            return int32_t(t < 32 ? t | m | special : t | m);
        return (m & ZEK_KEY_ALT) && vk == kVkKanji ? 0 : int32_t(vk | m);
    }
    if (m & ZEK_KEY_SHIFT) {
        if (is_function_key(vk))
            return int32_t(vk | m | special);
        if (t == 0 || t > 32)
            return 0;  // shifted printable keys come as WM_CHAR
        return int32_t(t < 32 ? t | m | special : t | m);
    }
    if (is_function_key(vk))
        return int32_t(vk | special);
    return t != 0 && t < 32 ? int32_t(t | special) : 0;
}

}  // namespace

int32_t translate(uint32_t message, uintptr_t wParam, uint32_t modifiers)
{
    switch (message) {
    case kMacroChar:
        return int32_t(uint32_t(wParam));
    case kWmChar: {
        const uint32_t c = wParam & 0xFF;
        return c >= 32 ? int32_t(c) : 0;
    }
    case kWmKeyDown:
    case kWmSysKeyDown:
        return key_down(wParam & 0xFFFF, modifiers & (ZEK_KEY_SHIFT | ZEK_KEY_CTRL | ZEK_KEY_ALT));
    default:
        return 0;
    }
}

int32_t feed(uint32_t message, int32_t code, InputState &state)
{
    switch (message) {
    case kWmKeyDown:
    case kWmSysKeyDown:
    case kMacroChar:
        state.inpKey = code;
        if (code == 0)
            return 0;
        state.inpKeyEx = code;
        return 1;
    case kWmChar:
        if (code < 32) {
            // A control character also drops a waiting first byte, which
            // would otherwise pair with an unrelated later character.
            state.inpKey = state.inpKeyEx = state.kinBk = 0;
            return 0;
        }
        if (state.kinBk != 0) {
            state.inpKey = (state.kinBk << 8) | code;
            state.kinBk = 0;
            return 1;
        }
        if (!IsKanji(code)) {
            state.inpKey = state.inpKeyEx = code;
            return 1;
        }
        state.kinBk = code;
        state.inpKey = 0;
        return 0;
    default:
        return 0;
    }
}

}  // namespace zek_keys
