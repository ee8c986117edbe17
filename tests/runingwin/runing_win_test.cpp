// Windows of this process stand in for another program's: found by title and
// class (their titles carry the process id, so the system's own windows never
// match), their children walked, and posted keys, characters and clicks read
// back by a capture window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "../class_members.h"

namespace {

using Posted = std::tuple<UINT, WPARAM, LPARAM>;
std::vector<Posted> gPosted, gSlotCalls;

LRESULT CALLBACK capture_proc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_USER + 5)
        return 1234;
    if ((m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST)) {
        gPosted.emplace_back(m, wp, lp);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

std::string with_pid(const char *tag) { return tag + std::to_string(GetCurrentProcessId()); }

const std::string kClass = with_pid("RwCapture");
const ATOM kAtom = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = capture_proc;
    c.lpszClassName = kClass.c_str();
    return RegisterClassA(&c);
}();

// What the capture window has received since the last call.
std::vector<Posted> delivered()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&m);
    return std::exchange(gPosted, {});
}

// The windows of wanted in the system's top-level order (the enumeration's).
std::vector<HWND> in_order(const std::vector<HWND> &wanted)
{
    std::vector<HWND> seen;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (std::count(wanted.begin(), wanted.end(), w))
            seen.push_back(w);
    return seen;
}

struct RunWin : ::testing::Test {
    ZEK_object *rw = RuningWin_ctor2(nullptr);
    std::vector<HWND> made;  // top-level windows, destroyed with their children
    void TearDown() override
    {
        for (HWND w : made)
            DestroyWindow(w);
        rw->vtbl->deleting_dtor(rw, 1);
    }
    HWND make(const std::string &title, HWND parent = nullptr, const char *cls = kClass.c_str())
    {
        HWND w = CreateWindowExA(0, cls, title.c_str(), parent ? WS_CHILD : WS_OVERLAPPED, 0, 0,
                                 80, 40, parent, nullptr, nullptr, nullptr);
        EXPECT_NE(w, nullptr);
        if (!parent)
            made.push_back(w);
        return w;
    }
    HWND &hwnd() { return member<HWND>(rw, "hWnd"); }
    HWND search(const std::string &text, int32_t mode, int32_t *count = nullptr)
    {
        return RuningWin_isRuningWnd(rw, text.c_str(), mode, count);
    }
};

// Programs reach methods by slot index, so the order is part of the interface.
TEST_F(RunWin, SlotsInInterfaceOrder) {
    ZEK_layer *l = ZEK_layer_at(rw, 1);
    EXPECT_TRUE(kAtom && !std::strcmp(l->pszClass, "RuningWin") && l->nMethodRow == 20);
    EXPECT_EQ(ZEK_NameSearch(l, "PostMessage") * 100 + ZEK_NameSearch(l, "PostChar"), 610);
    EXPECT_EQ(ZEK_NameSearch(l, "PostSysKey") * 100 + ZEK_NameSearch(l, "GetWindowText"), 1219);
}

TEST_F(RunWin, TitleModesAndClassFindFirstOrLastWithCount) {
    const std::string t = with_pid("rw-");
    HWND exact = make(t), oneLonger = make("x" + t), twoLonger = make("xy" + t),
         begins = make(t + " tail"), both = make(t + "--" + t);
    int32_t count = -1;
    EXPECT_EQ(search(t, 0, &count), exact);
    EXPECT_EQ(count, 1);
    std::vector<HWND> ends = in_order({twoLonger, both});  // never oneLonger
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(search(t, 1), ends.front());
    EXPECT_EQ(hwnd(), ends.front());
    EXPECT_EQ(search(t, 1, &count), ends.back());
    EXPECT_EQ(count, 2);
    EXPECT_EQ(search(t, 3, &count), in_order({exact, twoLonger, begins, both}).back());
    EXPECT_EQ(count, 5);  // both begins and ends with the text
    EXPECT_EQ(search(kClass, 4, &count), in_order({exact, oneLonger, twoLonger, begins, both})[0]);
    EXPECT_EQ(count, 1);  // the class search stops at its first match
    EXPECT_EQ(search(t, 7, &count), nullptr);
    EXPECT_TRUE(count == 0 && !hwnd());
    hwnd() = exact;
    EXPECT_EQ(RuningWin_isRuningWnd(rw, nullptr, 0, &count), nullptr);
    EXPECT_EQ(hwnd(), nullptr);
}

TEST_F(RunWin, ChildWalksCountFromOneAndCopyBoundedTitles) {
    hwnd() = make(with_pid("rw-parent-"));
    HWND box = make("box", hwnd());
    make("a", hwnd(), "STATIC");
    HWND grandchild = make("a", box);  // the second child of the capture class
    HWND longTitle = make(std::string(200, 'x'), hwnd(), "STATIC");

    std::vector<HWND> order(4), named_a;
    ASSERT_EQ(RuningWin_GetChildHWND(rw, nullptr), 4);
    ASSERT_EQ(RuningWin_GetChildHWND(rw, order.data()), 4);
    std::copy_if(order.begin(), order.end(), std::back_inserter(named_a),
                 [](HWND w) { return GetWindowTextLengthA(w) == 1; });
    ASSERT_EQ(named_a.size(), 2u);
    EXPECT_EQ(RuningWin_GetChildWin(rw, "a", 0), nullptr);
    EXPECT_EQ(RuningWin_GetChildWin(rw, "a", 3), nullptr);
    const std::pair<ZEK_object *, HWND> found[] = {
        {RuningWin_GetChildWin(rw, "a", 2), named_a[1]},
        {RuningWin_GetChildClass(rw, kClass.c_str(), 2), grandchild}};
    for (auto [child, expected] : found) {
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(member<HWND>(child, "hWnd"), expected);
        child->vtbl->deleting_dtor(child, 1);
    }

    char text[200];
    std::memset(text, '#', sizeof text);
    int32_t at = int32_t(std::find(order.begin(), order.end(), longTitle) - order.begin());
    EXPECT_EQ(RuningWin_GetChildText(rw, at, text), 0);
    EXPECT_EQ(std::string(text), std::string(126, 'x'));
    EXPECT_EQ(text[127], '#');
    EXPECT_EQ(RuningWin_GetChildText(rw, 4, text), 1);
    EXPECT_EQ(RuningWin_GetChildText(rw, 0, nullptr), 1);

    hwnd() = nullptr;
    EXPECT_EQ(RuningWin_GetChildHWND(rw, nullptr), 0);
    EXPECT_EQ(RuningWin_GetChildWin(rw, "a", 1), nullptr);
    EXPECT_EQ(RuningWin_GetChildText(rw, 0, text), sizeof(void *) == 4 ? int32_t(intptr_t(rw)) : 0);
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

int32_t ZEKAPI record_post(ZEK_object *, UINT m, WPARAM wp, LPARAM lp)
{
    gSlotCalls.emplace_back(m, wp, lp);
    return 1;
}
void ZEKAPI record_char(ZEK_object *, int32_t c) { gSlotCalls.emplace_back(WM_CHAR, WPARAM(c), 0); }

TEST_F(RunWin, KeysCharactersAndClicksArriveExactlyAndGoThroughSlots) {
    hwnd() = make(with_pid("rw-capture-"));
    post_everything(rw);
    EXPECT_EQ(delivered(), kEverything);
    EXPECT_EQ(RuningWin_SendMessage(rw, WM_USER + 5, 0, 0), 1234);
    char title[4];
    EXPECT_TRUE(RuningWin_GetWindowText(rw, title, 4) == 3 && !std::strcmp(title, "rw-"));
    EXPECT_EQ(RuningWin_GetWindowText(rw, nullptr, 10), 0);

    overwrite(rw, "PostMessage", record_post);
    post_everything(rw);
    EXPECT_EQ(std::exchange(gSlotCalls, {}), kEverything);
    EXPECT_TRUE(delivered().empty());
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
