// Key codes from keyboard messages, characters and macro keys, with the
// modifiers set in the thread's keyboard state as the keyboard would.
#include <gtest/gtest.h>

#include "ZEK2.h"
#include "../class_members.h"

namespace {

enum Mods { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };

void holdModifiers(int mods)
{
    BYTE state[256] = {};
    const int vks[][2] = {{VK_SHIFT, VK_LSHIFT}, {VK_CONTROL, VK_LCONTROL}, {VK_MENU, VK_LMENU}};
    for (int i = 0; i < 3; ++i)
        if (mods & (1 << i))
            state[vks[i][0]] = state[vks[i][1]] = 0x80;
    ASSERT_TRUE(SetKeyboardState(state));
}

struct KeyboardState : ::testing::Test {
    void TearDown() override { holdModifiers(None); }
};

TEST_F(KeyboardState, MessagesGiveKeyCodes)
{
    const struct { int mods; UINT message; WPARAM wParam; int32_t code; } cases[] = {
        // Unmodified: special and function keys only; printable keys wait for WM_CHAR.
        {None, WM_KEYDOWN, VK_HELP, 0x10013}, {None, WM_KEYDOWN, VK_F12, 0x1007B},
        {None, WM_KEYDOWN, VK_F13, 0}, {None, WM_KEYDOWN, VK_SPACE, 0},
        {None, WM_KEYDOWN, 0x0012000D, 0x10008},  // only the low word is the key
        {None, WM_KEYDOWN, 0x1FF, 0},             // past the 256-entry table
        // Shift alone: special keys, function keys and Space.
        {Shift, WM_KEYDOWN, VK_TAB, 0x30006}, {Shift, WM_KEYDOWN, VK_F4, 0x30073},
        {Shift, WM_KEYDOWN, 'A', 0}, {Shift, WM_KEYDOWN, VK_SHIFT, 0},
        // Ctrl or Alt: every key, printable ones as their character.
        {Ctrl, WM_KEYDOWN, VK_NUMPAD5, 0x40035}, {Ctrl, WM_KEYDOWN, VK_OEM_3, 0x40040},
        {Ctrl, WM_KEYDOWN, VK_HOME, 0x50014},
        {Ctrl, WM_KEYDOWN, VK_KANJI, 0x40019}, {Ctrl, WM_KEYDOWN, 0x1FF, 0x401FF},
        {Alt, WM_SYSKEYDOWN, VK_KANJI, 0}, {Shift | Ctrl | Alt, WM_SYSKEYDOWN, VK_DELETE, 0xF001B},
        // Characters: the low byte, control characters dropped, modifiers ignored.
        {Shift, WM_CHAR, 'A', 'A'}, {Ctrl, WM_CHAR, 0x01, 0}, {None, WM_CHAR, 0x3141, 0x41},
        // Macro keys carry their code as it is; anything else gives no key.
        {Shift, ZEK_MACRO_CHAR, ZEK_CMD_END, 0x10035}, {None, WM_KEYUP, VK_RETURN, 0},
        {Alt, WM_SYSCHAR, 'x', 0}, {None, ZEK_MACRO_CHAR + 1, 0x10034, 0},
    };
    for (const auto &c : cases) {
        holdModifiers(c.mods);
        EXPECT_EQ(DirMesToKeyCode(c.message, c.wParam), c.code)
            << "mods " << c.mods << " message 0x" << std::hex << c.message << " wParam 0x"
            << c.wParam;
    }
}

// Win_MesToKeyCode through the object's slot, as the window procedure calls it.
struct WinKeys : KeyboardState {
    ZEK_object *o = Win_ctor2(nullptr);
    void TearDown() override
    {
        o->vtbl->deleting_dtor(o, 1);
        KeyboardState::TearDown();
    }
    int32_t send(UINT message, WPARAM wParam)
    {
        using Fn = int32_t(ZEKAPI *)(ZEK_object *, UINT, WPARAM, LPARAM);
        return reinterpret_cast<Fn>(slot(o, "MesToKeyCode"))(o, message, wParam, 0);
    }
};

TEST_F(WinKeys, MessagesUpdateTheInputMembers)
{
    const struct {
        int mods; UINT message; WPARAM wParam;
        int32_t ready, inpKey, inpKeyEx, kinBk;
    } steps[] = {
        {None, WM_KEYDOWN, VK_RETURN, 1, 0x10008, 0x10008, 0},
        {None, WM_MOUSEMOVE, 0, 0, 0x10008, 0x10008, 0},  // untouched
        {None, WM_KEYDOWN, 'A', 0, 0, 0x10008, 0},  // no key: the last one stays in InpKeyEx
        // A two-byte character arrives as its first byte, then its second.
        {None, WM_CHAR, 0x82, 0, 0, 0x10008, 0x82},
        {None, WM_KEYUP, 'A', 0, 0, 0x10008, 0x82},
        {None, WM_CHAR, 0xA0, 1, 0x82A0, 0x10008, 0},
        {None, WM_CHAR, 0xB1, 1, 0xB1, 0xB1, 0},  // half-width kana: one byte
        // A control character clears the key and a waiting first byte.
        {None, WM_CHAR, 0x93, 0, 0, 0xB1, 0x93},
        {None, WM_CHAR, 0x0D, 0, 0, 0, 0},
        {None, WM_CHAR, 'b', 1, 'b', 'b', 0},
        // Macro keys: commands routed as key codes; 0 is no key.
        {None, ZEK_MACRO_CHAR, ZEK_CMD_RESIZED, 1, 0x1001F, 0x1001F, 0},
        {None, ZEK_MACRO_CHAR, 0, 0, 0, 0x1001F, 0},
    };
    int n = 0;
    for (const auto &s : steps) {
        holdModifiers(s.mods);
        SCOPED_TRACE(testing::Message() << "step " << n++);
        EXPECT_EQ(send(s.message, s.wParam), s.ready);
        EXPECT_EQ(member<int32_t>(o, "InpKey"), s.inpKey);
        EXPECT_EQ(member<int32_t>(o, "InpKeyEx"), s.inpKeyEx);
        EXPECT_EQ(member<int32_t>(o, "KinBk"), s.kinBk);
    }
    // Without a Win object nothing happens.
    EXPECT_EQ(Win_MesToKeyCode(nullptr, WM_KEYDOWN, VK_RETURN, 0), 0);
}

}  // namespace
