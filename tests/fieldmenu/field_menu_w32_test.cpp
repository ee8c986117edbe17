// The clipboard methods and the right-button menus of an edited field, on a
// real window; a second thread plays the user of the menu.
#include <windows.h>
#include <psapi.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "../wincore/wincore_util.h"

namespace {

struct Field : ::testing::Test {
    TestWin w{"ZekFieldTest"};
    ZEK_object *o = w.o;
    void SetUp() override
    {
        place(o, 40, 40, 300, 150);
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
    }
    std::string text() { return &member<char>(o, "sBuf"); }
    void field(const char *text, int32_t nx, int32_t sel, int32_t st, int32_t ed)
    {
        strcpy(&member<char>(o, "sBuf"), text);
        mi(o, "InpNx") = nx, mi(o, "flInpSelMode") = sel;
        mi(o, "InpSelStCx") = st, mi(o, "InpSelEdCx") = ed;
        mi(o, "InpStGx") = 12, mi(o, "InpStGy") = 100, mi(o, "InpMax") = 20;
        mi(o, "MouseGx") = 90, mi(o, "InpCopyFlag") = 1;
    }
};

std::string clip(ZEK_object *o)
{
    int32_t n = -1;
    char *p = Win_GetClipbrd(o, &n);
    std::string s = p ? p : "(none)";
    free(p);  // the library's C runtime is the caller's
    return s;
}

void put_foreign(HWND window, const char *bytes, size_t n)
{
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(GlobalLock(h), bytes, n);
    GlobalUnlock(h);
    EXPECT_TRUE(SetClipboardData(CF_TEXT, h));
    CloseClipboard();
}

TEST_F(Field, ClipboardRoundTripAndForeignTextWithoutItsNul)
{
    ASSERT_EQ(Win_SetClipbrd(o, "ab\x88\x9f", CF_TEXT, 5), 1);
    int32_t n = 0;
    char *p = Win_GetClipbrd(o, &n);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "ab\x88\x9f");
    EXPECT_EQ(n, 5);
    free(p);
    free(Win_GetClipbrd(o, nullptr));  // no size wanted
    put_foreign(w.hwnd(), "abcdefgh", 5);
    p = Win_GetClipbrd(o, &n);
    ASSERT_NE(p, nullptr);
    // Wine ends a text block with a NUL of its own, over its last byte.
    EXPECT_TRUE(!strcmp(p, "abcde") || !strcmp(p, "abcd")) << p;
    EXPECT_EQ(n, 5);
    free(p);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    n = 7;
    EXPECT_EQ(Win_GetClipbrd(o, &n), nullptr);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(Win_SetClipbrd(o, nullptr, CF_TEXT, 4), 0);
}

SIZE_T private_bytes()
{
    PROCESS_MEMORY_COUNTERS c{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return c.PagefileUsage;
}

TEST_F(Field, ClipboardHeldByAnotherThreadRefusesAndKeepsNoBlock)
{
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(done, 20000);
        CloseClipboard();
    });
    WaitForSingleObject(opened, 5000);
    std::string big(1 << 20, 'x');
    const SIZE_T before = private_bytes();
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(Win_SetClipbrd(o, big.data(), CF_TEXT, int32_t(big.size())), 0);
    EXPECT_LT(private_bytes(), before + (10u << 20));
    SetEvent(done);
    holder.join();
    EXPECT_EQ(Win_SetClipbrd(o, "ok", CF_TEXT, 3), 1);
    CloseHandle(opened), CloseHandle(done);
}

// The user of the menu: waits on its own thread for the pop-up of the test
// thread, notes where it is, then acts on it.
struct MenuUser {
    DWORD owner = GetCurrentThreadId();
    HWND popup = nullptr;
    RECT frame{}, client{};
    std::thread t;
    explicit MenuUser(std::function<void(HWND)> act)
        : t([this, act] {
              for (int i = 0; i < 1000 && !popup; ++i, Sleep(5))
                  EnumThreadWindows(owner, find, reinterpret_cast<LPARAM>(&popup));
              if (!popup)
                  return;
              GetWindowRect(popup, &frame), GetClientRect(popup, &client);
              act(popup);
          })
    {
    }
    static BOOL CALLBACK find(HWND h, LPARAM found)
    {
        char name[32];
        if (GetClassNameA(h, name, sizeof name) && !strcmp(name, "ZekFieldMenu") &&
            IsWindowVisible(h))
            *reinterpret_cast<HWND *>(found) = h;
        return TRUE;
    }
    void join() { t.join(); }
};

void click(HWND h, int32_t item)
{
    const LPARAM at = MAKELPARAM(60, 16 * (item - 1) + 8);
    PostMessageA(h, WM_MOUSEMOVE, 0, at);
    PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(h, WM_LBUTTONUP, 0, at);
}

std::string gUnder;  // the pop-up's comings and goings in the field
void ZEKAPI under(ZEK_object *o, ZEK_object *menu)
{
    gUnder += menu ? "open " : "closed ";
    Win_SetUnderMenuWin(o, menu);
}
POINT gAsked;  // where the last pop-up was asked to open
LRESULT CALLBACK creation(int code, WPARAM wp, LPARAM lp)
{
    const CREATESTRUCTA *cs = reinterpret_cast<CBT_CREATEWNDA *>(lp)->lpcs;
    if (code == HCBT_CREATEWND && HIWORD(cs->lpszClass) && !strcmp(cs->lpszClass, "ZekFieldMenu"))
        gAsked = {cs->x, cs->y};
    return CallNextHookEx(nullptr, code, wp, lp);
}
int32_t gCalls, gShown;
int32_t ZEKAPI counted(ZEK_object *) { return ++gCalls, 0; }
void ZEKAPI shown(ZEK_object *) { ++gShown; }
int32_t ZEKAPI refuse(ZEK_object *, const void *, UINT, int32_t) { return 0; }

TEST_F(Field, EveryItemActsOnTheFieldAndThePopupGoesAfterwards)
{
    overwrite(o, "SetUnderMenuWin", under);
    overwrite(o, "clkey", counted);
    overwrite(o, "redraw", counted);
    overwrite(o, "SelModeDisp", shown);
    struct Case {
        int menu, item;
        const char *before;
        int32_t nx, sel, st, ed;
        const char *after;
        int32_t nxAfter, selAfter;
        const char *clip;
        int32_t calls;  // clkey and redraw
    };
    const Case cases[] = {
        {1, 1, "abcdef", 4, 1, 1, 4, "abcdef", 4, 2, "-", 0},
        {1, 2, "abcdef", 4, 1, 1, 4, "aef", 1, 0, "bcd", 1},
        {1, 2, "abcdef", 2, 1, 9, 2, "ab", 2, 0, "cdef", 1},  // past the text end
        {1, 3, "abcdef", 1, 1, 4, 1, "abcdef", 1, 2, "bcd", 0},
        {2, 2, "abcdef", 3, 0, 0, 0, "abcdef", 3, 0, "-", 1},
        {2, 3, "abcdef", 3, 0, 0, 0, "abcdef", 0, 0, "-", 0},
        {2, 4, "ab\x88\x9f", 1, 0, 0, 0, "ab\x88\x9f", 4, 0, "-", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.menu * 10 + c.item);
        Win_SetClipbrd(o, "-", CF_TEXT, 2);
        field(c.before, c.nx, c.sel, c.st, c.ed);
        gUnder.clear(), gCalls = gShown = 0;
        MenuUser user([&](HWND h) { click(h, c.item); });
        EXPECT_EQ(c.menu == 1 ? Win_CutCopy1(o) : Win_CutCopy2(o), c.item);
        user.join();
        EXPECT_EQ(text(), c.after);
        EXPECT_EQ(mi(o, "InpNx"), c.nxAfter);
        EXPECT_EQ(mi(o, "flInpSelMode"), c.selAfter);
        EXPECT_EQ(clip(o), c.clip);
        EXPECT_EQ(gCalls * 10 + gShown, c.calls * 10 + 1);
        EXPECT_EQ(gUnder, "open closed ");
        EXPECT_FALSE(IsWindow(user.popup));
        EXPECT_EQ(member<ZEK_object *>(o, "pUnderMenu"), nullptr);
    }
    // A cut the clipboard refuses leaves the text where it was.
    overwrite(o, "SetClipbrd", refuse);
    field("abcdef", 4, 1, 1, 4);
    MenuUser user([](HWND h) { click(h, 2); });
    EXPECT_EQ(Win_CutCopy1(o), 2);
    user.join();
    EXPECT_EQ(text(), "abcdef");
}

TEST_F(Field, PasteTypesTheClipboardAsCharacters)
{
    Win_SetClipbrd(o, "x\x88\x9fy", CF_TEXT, 5);
    field("", 0, 0, 0, 0);
    take_posted(w.hwnd());
    MenuUser user([](HWND h) { click(h, 1); });
    EXPECT_EQ(Win_CutCopy2(o), 1);
    user.join();
    std::vector<std::pair<WPARAM, LPARAM>> typed;
    MSG m;
    while (PeekMessageA(&m, w.hwnd(), WM_CHAR, WM_CHAR, PM_REMOVE))
        typed.emplace_back(m.wParam, m.lParam);
    const std::vector<std::pair<WPARAM, LPARAM>> want = {
        {'x', 0x500001}, {0x88, 1}, {0x9f, 1}, {'y', 0x500001}};
    EXPECT_EQ(typed, want);
}

TEST_F(Field, EscRightClickOrAPressInTheFieldCancelsAndTheListSitsNearTheMouse)
{
    const std::function<void(HWND)> cancels[] = {
        [](HWND h) { PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND h) { PostMessageA(h, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5)); },
        [this](HWND) { PostMessageA(w.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1)); },
    };
    for (const auto &cancel : cancels) {
        field("abc", 1, 0, 0, 0);
        MenuUser user(cancel);
        EXPECT_EQ(Win_CutCopy2(o), 0);
        user.join();
        EXPECT_EQ(text(), "abc");
        EXPECT_FALSE(IsWindow(user.popup));
        EXPECT_EQ(member<ZEK_object *>(o, "pUnderMenu"), nullptr);
        EXPECT_EQ(user.client.right * 100 + user.client.bottom, 120 * 100 + 64);
    }
    // Mouse x - 60 and 58 above the field for three items, clamped at the
    // client origin; a right press in the field opens it. Where it was asked
    // to open is checked: the window system may still move it.
    HHOOK hook = SetWindowsHookExA(WH_CBT, creation, nullptr, GetCurrentThreadId());
    const RECT &at = w.m<RECT>("bScRect");
    const POINT origin{at.left + mi(o, "ClSx"), at.top + mi(o, "ClSy")};
    const auto open_at = [&](int32_t gy, int32_t mx) {
        mi(o, "InpStGx") = 0, mi(o, "InpStGy") = gy;
        MenuUser user([](HWND h) { PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0); });
        SendMessageA(w.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(mx, gy + 1));
        user.join();
        EXPECT_EQ(user.client.right * 100 + user.client.bottom, 120 * 100 + 48);
        return POINT{gAsked.x - origin.x, gAsked.y - origin.y};
    };
    field("abc", 1, 1, 0, 2);
    const POINT above = open_at(100, 90), corner = open_at(5, 3);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(above.x * 1000 + above.y, 30 * 1000 + 42);
    EXPECT_EQ(corner.x * 1000 + corner.y, 0);
}

}  // namespace
