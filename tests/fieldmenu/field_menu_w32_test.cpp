// The clipboard methods and the right-button menus of an edited field, on a
// real window; a second thread plays the user of the menu.
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "../wincore/wincore_util.h"

namespace {

using Act = std::function<void(HWND)>;

// The last pop-up made, and where it was asked to open in its owner's client
// area, measured from where the owner is at that moment: the window system
// may move windows at any time.
std::atomic<HWND> gPopup;
POINT gAsked;
LRESULT CALLBACK creation(int code, WPARAM wp, LPARAM lp)
{
    const CREATESTRUCTA *cs = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDA *>(lp)->lpcs : nullptr;
    if (cs && HIWORD(cs->lpszClass) && !strcmp(cs->lpszClass, "ZekFieldMenu")) {
        POINT origin{0, 0};
        ClientToScreen(cs->hwndParent, &origin);
        gAsked = {cs->x - origin.x, cs->y - origin.y}, gPopup = reinterpret_cast<HWND>(wp);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

struct Field : ::testing::Test {
    TestWin w{"ZekFieldTest"};
    ZEK_object *o = w.o;
    RECT client{};  // of the last pop-up
    HHOOK hook = SetWindowsHookExA(WH_CBT, creation, nullptr, GetCurrentThreadId());
    ~Field() override { UnhookWindowsHookEx(hook); }
    void SetUp() override { place(o, 40, 40, 300, 150), Win_con(o, 0), pump(); }
    std::string text() { return &member<char>(o, "sBuf"); }
    void field(const char *text, int32_t nx, int32_t sel, int32_t st, int32_t ed)
    {
        strcpy(&member<char>(o, "sBuf"), text);
        mi(o, "InpNx") = nx, mi(o, "flInpSelMode") = sel, mi(o, "InpSelStCx") = st;
        mi(o, "InpSelEdCx") = ed, mi(o, "InpStGx") = 12, mi(o, "InpStGy") = 100;
        mi(o, "InpMax") = 20, mi(o, "MouseGx") = 90, mi(o, "InpCopyFlag") = 1;
    }
    std::string clip()  // the text and the size given
    {
        int32_t n = 7;
        char *p = Win_GetClipbrd(o, &n);
        const std::string s = std::string(p ? p : "(none)") + "/" + std::to_string(n);
        free(p);  // the library's C runtime is the caller's
        return s;
    }
    // Menu 1 or 2, or with 0 a right press at `at`, while a second thread acts
    // on the pop-up once it shows. Gives the menu's answer.
    int32_t run(int menu, Act act, LPARAM at = 0)
    {
        HWND popup = gPopup = nullptr;
        std::thread user([&] {
            for (int i = 0; i < 1000 && !((popup = gPopup) && IsWindowVisible(popup)); ++i)
                Sleep(5);
            if (popup)
                GetClientRect(popup, &client), act(popup);
        });
        const int32_t r = menu ? menu == 1 ? Win_CutCopy1(o) : Win_CutCopy2(o)
                               : int32_t(SendMessageA(w.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, at));
        user.join();
        EXPECT_TRUE(popup && !IsWindow(popup));
        EXPECT_EQ(member<ZEK_object *>(o, "pUnderMenu"), nullptr);
        return r;
    }
};

Act click(int32_t item)  // moving there first lights the row
{
    const LPARAM at = MAKELPARAM(60, 16 * item - 8);
    return [at](HWND h) { PostMessageA(h, WM_MOUSEMOVE, 0, at), PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at); };
}
void esc(HWND h) { PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0); }

std::string gSeen;  // slots the menus called
void ZEKAPI under(ZEK_object *o, ZEK_object *menu) { gSeen += menu ? "open " : "closed "; Win_SetUnderMenuWin(o, menu); }
int32_t ZEKAPI clkey(ZEK_object *) { return gSeen += "clkey ", 0; }
void ZEKAPI redraw(ZEK_object *) { gSeen += "redraw "; }
void ZEKAPI shown(ZEK_object *) { gSeen += "shown "; }
int32_t ZEKAPI refuse(ZEK_object *, const void *, UINT, int32_t) { return 0; }

TEST_F(Field, ClipboardRoundTripForeignTextWithoutNulAndAClipboardHeldElsewhere)
{
    ASSERT_EQ(Win_SetClipbrd(o, "ab\x88\x9f", CF_TEXT, 5), 1);
    EXPECT_EQ(clip(), "ab\x88\x9f/5");
    free(Win_GetClipbrd(o, nullptr));
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 5);
    memcpy(GlobalLock(h), "abcdefgh", 5), GlobalUnlock(h);
    ASSERT_TRUE(OpenClipboard(w.hwnd()) && EmptyClipboard() && SetClipboardData(CF_TEXT, h) && CloseClipboard());
    const std::string foreign = clip();  // Wine itself ends it over its last byte
    EXPECT_TRUE(foreign == "abcde/5" || foreign == "abcd/5") << foreign;
    // Held open by another thread: refused every time, and no block kept.
    std::atomic<int> step{0};
    std::thread holder([&] { OpenClipboard(nullptr), step = 1; while (step != 2) Sleep(1); CloseClipboard(); });
    while (step != 1)
        Sleep(1);
    const std::string big(1 << 20, 'x');
    PROCESS_MEMORY_COUNTERS before{}, after{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
    int refused = 0;
    for (int i = 0; i < 40; ++i)
        refused += !Win_SetClipbrd(o, big.data(), CF_TEXT, int32_t(big.size()));
    K32GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
    step = 2, holder.join();
    EXPECT_EQ(refused, 40);
    EXPECT_LT(after.PagefileUsage, before.PagefileUsage + (10u << 20));
    OpenClipboard(w.hwnd()), EmptyClipboard(), CloseClipboard();
    EXPECT_EQ(clip(), "(none)/0");
}

TEST_F(Field, EveryItemActsOnTheFieldThroughItsSlots)
{
    overwrite(o, "SetUnderMenuWin", under), overwrite(o, "clkey", clkey);
    overwrite(o, "redraw", redraw), overwrite(o, "SelModeDisp", shown);
    struct Case { int menu, item; const char *before; int32_t nx, sel, st, ed; const char *after; int32_t nxAfter, selAfter; const char *clip, *seen; };
    const Case cases[] = {
        {1, 1, "abcdef", 4, 1, 1, 4, "abcdef", 4, 2, "-\x88\x9f/4", "shown "},
        {1, 2, "abcdef", 4, 1, 1, 4, "aef", 1, 0, "bcd/4", "redraw shown "},
        {1, 2, "abcdef", 2, 1, 9, 2, "ab", 2, 0, "cdef/5", "redraw shown "},  // past the text end
        {1, 3, "abcdef", 1, 1, 4, 1, "abcdef", 1, 2, "bcd/4", "shown "},
        {2, 1, "", 0, 0, 0, 0, "", 0, 0, "-\x88\x9f/4", "shown 2d.500001 88.1 9f.1 "},
        {2, 2, "abcdef", 3, 0, 0, 0, "abcdef", 3, 0, "-\x88\x9f/4", "clkey shown "},
        {2, 3, "abcdef", 3, 0, 0, 0, "abcdef", 0, 0, "-\x88\x9f/4", "shown "},
        {2, 4, "ab\x88\x9f", 1, 0, 0, 0, "ab\x88\x9f", 4, 0, "-\x88\x9f/4", "shown "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.menu * 10 + c.item);
        Win_SetClipbrd(o, "-\x88\x9f", CF_TEXT, 4), field(c.before, c.nx, c.sel, c.st, c.ed);
        gSeen.clear();
        EXPECT_EQ(run(c.menu, click(c.item)), c.item);
        char typed[32];  // what a paste posted
        for (MSG m; PeekMessageA(&m, w.hwnd(), WM_CHAR, WM_CHAR, PM_REMOVE);)
            gSeen += (sprintf(typed, "%x.%x ", unsigned(m.wParam), unsigned(m.lParam)), typed);
        EXPECT_EQ(text() + "|" + clip(), std::string(c.after) + "|" + c.clip);
        EXPECT_EQ(mi(o, "InpNx") * 10 + mi(o, "flInpSelMode"), c.nxAfter * 10 + c.selAfter);
        EXPECT_EQ(gSeen, "open closed " + std::string(c.seen));
    }
    // A cut that the clipboard refuses keeps the text.
    overwrite(o, "SetClipbrd", refuse), field("abcdef", 4, 1, 1, 4);
    EXPECT_EQ(run(1, click(2)), 2);
    EXPECT_EQ(text(), "abcdef");
}

TEST_F(Field, EscRightClickOrAPressInTheFieldCancelsAndTheListOpensNearTheMouse)
{
    const Act cancels[] = {esc, [](HWND h) { PostMessageA(h, WM_RBUTTONDOWN, MK_RBUTTON, 0); },
                           [this](HWND) { PostMessageA(w.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0); }};
    for (const Act &cancel : cancels) {
        field("abc", 1, 0, 0, 0);
        EXPECT_EQ(run(2, cancel), 0);
        EXPECT_EQ(text(), "abc");
        EXPECT_EQ(client.right * 100 + client.bottom, 120 * 100 + 64);
    }
    // A right press in the field with a selection opens three items at mouse
    // x - 60, 58 above the field, clamped at the client origin. Where it was
    // asked to open is checked: the window system may still move it.
    const auto open_at = [&](int32_t gy, int32_t mx) {
        mi(o, "InpStGx") = 0, mi(o, "InpStGy") = gy;
        run(0, esc, MAKELPARAM(mx, gy + 1));
        EXPECT_EQ(client.right * 100 + client.bottom, 120 * 100 + 48);
        return gAsked.x * 1000 + gAsked.y;
    };
    field("abc", 1, 1, 0, 2);
    EXPECT_EQ(open_at(100, 90), 30 * 1000 + 42);
    EXPECT_EQ(open_at(5, 3), 0);
}

}  // namespace
