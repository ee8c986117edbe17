// Key codes: the exported translation with the keyboard's modifier state,
// and the Win method that keeps the object's input members.
#include "key_codes.h"
#include "win_data.h"
#include "zek2/keys.h"

namespace {

// Asked of the keyboard as the message is read, not taken from the message,
// so a key pressed with Alt through WM_KEYDOWN still counts as Alt.
uint32_t modifiers_now()
{
    uint32_t m = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        m |= ZEK_KEY_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0)
        m |= ZEK_KEY_CTRL;
    if (GetKeyState(VK_MENU) < 0)
        m |= ZEK_KEY_ALT;
    return m;
}

}  // namespace

static_assert(zek_keys::kWmKeyDown == WM_KEYDOWN && zek_keys::kWmChar == WM_CHAR &&
                  zek_keys::kWmSysKeyDown == WM_SYSKEYDOWN &&
                  zek_keys::kMacroChar == ZEK_MACRO_CHAR && ZEK_MACRO_CHAR == WM_USER + 1,
              "message numbers");

extern "C" int32_t ZEKAPI DirMesToKeyCode(uint32_t message, uintptr_t wParam)
{
    const uint32_t m = zek_keys::needs_modifiers(message) ? modifiers_now() : 0;
    return zek_keys::translate(message, wParam, m);
}

extern "C" int32_t ZEKAPI Win_MesToKeyCode(ZEK_object *object, UINT message, WPARAM wParam,
                                           LPARAM)
{
    ZEK_layer *layer = win_layer(object);
    if (!layer)
        return 0;
    Win_data &d = *win_data(layer);
    zek_keys::InputState s{d.InpKey, d.InpKeyEx, d.KinBk};
    const int32_t ready = zek_keys::feed(message, DirMesToKeyCode(message, wParam), s);
    d.InpKey = s.inpKey;
    d.InpKeyEx = s.inpKeyEx;
    d.KinBk = s.kinBk;
    return ready;
}
