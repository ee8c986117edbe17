// Windows of this process stand in for another program's: found by title and
// class (their titles carry the process id, so the system's own windows never
// match), their children walked, and posted keys, characters and clicks read
// back by a capture window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../class_members.h"

namespace {

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Posted &o) const
    {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
std::vector<Posted> gPosted;

LRESULT CALLBACK capture_proc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    switch (m) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
        gPosted.push_back({m, wp, lp});
        return 0;
    case WM_USER + 5:
        return 1234;
    }
    return DefWindowProcA(w, m, wp, lp);
}

std::string with_pid(const char *tag) { return tag + std::to_string(GetCurrentProcessId()); }

const char *capture_class()
{
    static const std::string name = with_pid("RwCapture");
    static const ATOM atom = [] {
        WNDCLASSA c{};
        c.lpfnWndProc = capture_proc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = name.c_str();
        return RegisterClassA(&c);
    }();
    return atom ? name.c_str() : nullptr;
}

// What the system has delivered to the capture window since the last call.
std::vector<Posted> delivered()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&m);
    return std::exchange(gPosted, {});
}

struct RunWin : ::testing::Test {
    ZEK_object *rw = RuningWin_ctor2(nullptr);
    std::vector<HWND> made;  // destroyed by TearDown, children with their parents
    void TearDown() override
    {
        for (HWND w : made)
            DestroyWindow(w);
        rw->vtbl->deleting_dtor(rw, 1);
    }
    HWND make(const std::string &title, HWND parent = nullptr, const char *cls = capture_class())
    {
        HWND w = CreateWindowExA(0, cls, title.c_str(), parent ? WS_CHILD : WS_OVERLAPPED, 0, 0,
                                 80, 40, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(w, nullptr);
        if (!parent)
            made.push_back(w);
        return w;
    }
    HWND &hwnd() { return member<HWND>(rw, "hWnd"); }
    HWND search(const std::string &text, int32_t mode) { return RuningWin_isRuningWnd(rw, text.c_str(), mode, nullptr); }
    HWND search(const std::string &text, int32_t mode, int32_t &count) { return RuningWin_isRuningWnd(rw, text.c_str(), mode, &count); }
};

// The windows of wanted in the order the system enumerates top-level windows.
struct Walk { std::vector<HWND> wanted, seen; };
BOOL CALLBACK walk_step(HWND w, LPARAM p)
{
    auto &k = *reinterpret_cast<Walk *>(p);
    if (std::count(k.wanted.begin(), k.wanted.end(), w))
        k.seen.push_back(w);
    return TRUE;
}
std::vector<HWND> in_order(std::vector<HWND> wanted)
{
    Walk walk{wanted, {}};
    EnumWindows(walk_step, reinterpret_cast<LPARAM>(&walk));
    return walk.seen;
}

// Programs reach methods by slot index, so the order is part of the interface.
TEST_F(RunWin, LayerOverTheRootWithSlotsInInterfaceOrder) {
    ZEK_layer *l = ZEK_layer_at(rw, 1);
    EXPECT_STREQ(l->pszClass, "RuningWin");
    EXPECT_EQ(l->pBase, ZEK_layer_at(rw, 0));
    EXPECT_EQ(l->nMethodRow, 20);
    const char *names[] = {"dtor", "isRuningWnd", "PostMessage", "PostChar", "PostSysKey", "GetWindowText"};
    const int32_t slots[] = {0, 1, 6, 10, 12, 19};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ZEK_NameSearch(l, names[i]), slots[i]) << names[i];
    EXPECT_EQ(hwnd(), nullptr);
}

TEST_F(RunWin, TitleModesAndClassFindFirstOrLastWithCount) {
    const std::string t = with_pid("rw-");
    HWND exact = make(t), oneLonger = make("x" + t), twoLonger = make("xy" + t),
         begins = make(t + " tail"), both = make(t + "--" + t);
    int32_t count = -1;
    EXPECT_EQ(search(t, 0, count), exact);
    EXPECT_EQ(count, 1);

    std::vector<HWND> ends = in_order({twoLonger, both});  // never oneLonger
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(search(t, 1), ends.front());
    EXPECT_EQ(hwnd(), ends.front());
    EXPECT_EQ(search(t, 1, count), ends.back());
    EXPECT_EQ(count, 2);
    EXPECT_EQ(search(t, 2, count), in_order({exact, begins, both}).back());
    EXPECT_EQ(count, 3);
    EXPECT_EQ(search(t, 3, count), in_order({exact, twoLonger, begins, both}).back());
    EXPECT_EQ(count, 5);  // both begins and ends with the text

    HWND first = in_order({exact, oneLonger, twoLonger, begins, both}).front();
    EXPECT_EQ(search(capture_class(), 4, count), first);
    EXPECT_EQ(count, 1);  // the class search stops at its first match

    EXPECT_EQ(search(t, 7, count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(hwnd(), nullptr);
    hwnd() = exact;
    EXPECT_EQ(RuningWin_isRuningWnd(rw, nullptr, 0, &count), nullptr);
    EXPECT_EQ(hwnd(), nullptr);
}

TEST_F(RunWin, ChildWalksCountFromOneAndCopyBoundedTitles) {
    HWND parent = make(with_pid("rw-parent-"));
    HWND box = make("box", parent);
    make("a", parent, "STATIC");
    HWND grandchild = make("a", box);  // the second child of the capture class
    make(std::string(200, 'x'), parent, "STATIC");
    hwnd() = parent;

    std::vector<HWND> order(4);
    ASSERT_EQ(RuningWin_GetChildHWND(rw, nullptr), 4);
    ASSERT_EQ(RuningWin_GetChildHWND(rw, order.data()), 4);
    std::vector<HWND> named_a;
    for (HWND w : order) {
        char title[8] = "";
        if (GetWindowTextA(w, title, sizeof title) && !std::strcmp(title, "a"))
            named_a.push_back(w);
    }
    ASSERT_EQ(named_a.size(), 2u);
    EXPECT_EQ(RuningWin_GetChildWin(rw, "a", 0), nullptr);
    EXPECT_EQ(RuningWin_GetChildWin(rw, "a", 3), nullptr);
    const std::pair<ZEK_object *, HWND> found[] = {
        {RuningWin_GetChildWin(rw, "a", 2), named_a[1]},
        {RuningWin_GetChildClass(rw, capture_class(), 2), grandchild}};
    for (auto [child, expected] : found) {
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(member<HWND>(child, "hWnd"), expected);
        child->vtbl->deleting_dtor(child, 1);
    }

    char text[200];
    std::memset(text, '#', sizeof text);
    for (int32_t i = 0; i < 4; ++i) {
        if (GetWindowTextLengthA(order[i]) == 200) {
            EXPECT_EQ(RuningWin_GetChildText(rw, i, text), 0);
        }
    }
    EXPECT_EQ(std::string(text), std::string(126, 'x'));
    EXPECT_EQ(text[127], '#');
    EXPECT_EQ(RuningWin_GetChildText(rw, 4, text), 1);
    EXPECT_EQ(RuningWin_GetChildText(rw, 0, nullptr), 1);

    hwnd() = nullptr;
    EXPECT_EQ(RuningWin_GetChildHWND(rw, nullptr), 0);
    EXPECT_EQ(RuningWin_GetChildWin(rw, "a", 1), nullptr);
#if defined(_WIN64)
    EXPECT_EQ(RuningWin_GetChildText(rw, 0, text), 0);
#else
    EXPECT_EQ(RuningWin_GetChildText(rw, 0, text), int32_t(intptr_t(rw)));
#endif
}

void post_everything(ZEK_object *rw)
{
    RuningWin_PostKey(rw, 'A');
    RuningWin_PostSysKey(rw, 'F');
    RuningWin_CurUp(rw);
    RuningWin_CurDown(rw);
    RuningWin_CurRet(rw);
    RuningWin_CurEsc(rw);
    RuningWin_PostStr(rw, "");
    RuningWin_PostStr(rw, "a\xB1");
    RuningWin_LButtonDown(rw);
    RuningWin_LButtonDblClk(rw);
}
const std::vector<Posted> kEverything = {
    {WM_KEYDOWN, 'A', 0x20140001}, {WM_SYSKEYDOWN, 'F', 0x20140001},
    {WM_KEYDOWN, VK_UP, 0}, {WM_KEYDOWN, VK_DOWN, 0}, {WM_KEYDOWN, VK_RETURN, 0},
    {WM_KEYDOWN, VK_ESCAPE, 0}, {WM_CHAR, 'a', 1}, {WM_CHAR, 0xB1, 1},
    {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)}, {WM_LBUTTONUP, 0, MAKELPARAM(10, 10)},
    {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)}};

std::vector<Posted> gSlotCalls;
int32_t ZEKAPI record_post(ZEK_object *, UINT m, WPARAM wp, LPARAM lp)
{
    gSlotCalls.push_back({m, wp, lp});
    return 1;
}
void ZEKAPI record_char(ZEK_object *, int32_t c) { gSlotCalls.push_back({WM_CHAR, WPARAM(c), 0}); }

TEST_F(RunWin, KeysCharactersAndClicksArriveExactlyAndGoThroughSlots) {
    hwnd() = make(with_pid("rw-capture-"));
    post_everything(rw);
    EXPECT_EQ(delivered(), kEverything);
    EXPECT_EQ(RuningWin_SendMessage(rw, WM_USER + 5, 0, 0), 1234);
    char title[4];
    EXPECT_EQ(RuningWin_GetWindowText(rw, title, sizeof title), 3);
    EXPECT_STREQ(title, "rw-");
    EXPECT_EQ(RuningWin_GetWindowText(rw, nullptr, 10), 0);

    overwrite(rw, "PostMessage", record_post);
    post_everything(rw);
    EXPECT_EQ(gSlotCalls, kEverything);
    EXPECT_TRUE(delivered().empty());
    gSlotCalls.clear();
    overwrite(rw, "PostChar", record_char);
    RuningWin_PostStr(rw, "\x81\x40");
    EXPECT_EQ(gSlotCalls, (std::vector<Posted>{{WM_CHAR, 0x81, 0}, {WM_CHAR, 0x40, 0}}));

    // Without a window nothing lands in this thread's own queue.
    overwrite(rw, "PostMessage", RuningWin_PostMessage);
    hwnd() = nullptr;
    post_everything(rw);
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_MOUSELAST, PM_REMOVE));
    EXPECT_EQ(RuningWin_PostMessage(rw, WM_USER, 0, 0), 0);
}

}  // namespace
