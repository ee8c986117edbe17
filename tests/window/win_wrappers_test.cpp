// Win wrappers and links, applied to a plain window that the test creates.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "window_util.h"

namespace {

// Dispatches this thread's messages until one satisfies `until` (true) or
// the time is up (false).
template <typename Pred>
bool pumpUntil(Pred until, DWORD ms = 5000)
{
    const DWORD start = GetTickCount();
    MSG m;
    do {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (until(m))
                return true;
            DispatchMessageA(&m);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
    return false;
}

bool isTimer(const MSG &m) { return m.message == WM_TIMER; }

struct WinWrappers : ::testing::Test {
    Windowed w{"wrap"};
    ZEK_object *o = w.o;
    HWND hwnd = w.hwnd;
};

TEST_F(WinWrappers, TitleAndVisibilityActOnTheObjectsOrTheGivenWindow)
{
    EXPECT_NE(Win_SetTitle(o, "新しい題"), 0);
    char text[64] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "新しい題");

    Windowed other("other");  // a window given explicitly is the one shown
    Win_ShowWindow(o, other.hwnd, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(other.hwnd) && !IsWindowVisible(hwnd));
    char name[8] = "x";
    EXPECT_EQ(Win_DragQueryFile(nullptr, nullptr, 0, name, sizeof name), 0u);
}

TEST_F(WinWrappers, InvalidateWithoutRectangleUsesTheStoredClientRectangle)
{
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    ValidateRect(hwnd, nullptr);
    const RECT stored{10, 20, 30, 40};
    member<RECT>(o, "bRect") = stored;
    ASSERT_NE(Win_InvalidateRect(o, nullptr, 0), 0);
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(hwnd, &dirty, FALSE));
    EXPECT_TRUE(EqualRect(&dirty, &stored));
    EXPECT_NE(Win_Update(o), 0);  // paints at once, leaving nothing to repaint
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));
}

TEST_F(WinWrappers, TimerTicksReachTheWindowUntilKilled)
{
    ASSERT_NE(Win_SetTimer(o, 204, 10), 0u);
    EXPECT_TRUE(pumpUntil([&](const MSG &m) { return m.hwnd == hwnd && isTimer(m) && m.wParam == 204; }));
    EXPECT_NE(Win_KillTimer(o, 204), 0);
    EXPECT_EQ(Win_KillTimer(o, 204), 0);
    EXPECT_FALSE(pumpUntil(isTimer, 100));
}

TEST_F(WinWrappers, FocusGoesToTheWindowOrToTheMothersWindow)
{
    Windowed mother("mother");
    ShowWindow(mother.hwnd, SW_SHOW);
    ShowWindow(hwnd, SW_SHOW);
    Win_SetFocus(o);
    EXPECT_EQ(Win_GetFocus(o), hwnd);
    EXPECT_EQ(Win_SetMotherFocus(o), nullptr);  // no mother yet
    EXPECT_EQ(GetFocus(), hwnd);
    Win_SetMotherWin(o, mother.o);
    Win_SetMotherFocus(o);
    EXPECT_EQ(GetFocus(), mother.hwnd);
}

TEST_F(WinWrappers, EnablingLeavesOnlyTheTenKeyPadAlone)
{
    Windowed plot("plot"), tenkey("tenkey"), toolbar("toolbar");
    member<ZEK_object *>(o, "pPlotTh") = plot.o;
    member<ZEK_object *>(o, "pTenkeyTh") = tenkey.o;
    (&member<ZEK_object *>(o, "pToolBar"))[3] = toolbar.o;
    for (int32_t on : {0, 1}) {
        Win_EnableWindow(o, on);
        EXPECT_EQ(member<int32_t>(o, "bLockFocus"), on);
        for (HWND h : {hwnd, plot.hwnd, toolbar.hwnd})
            EXPECT_EQ(!!IsWindowEnabled(h), !!on);
        EXPECT_TRUE(IsWindowEnabled(tenkey.hwnd));
    }
    (&member<ZEK_object *>(o, "pToolBar"))[3] = nullptr;  // the test's own
}

TEST_F(WinWrappers, MessageBoxIsOwnedByTheWindow)
{
    // Titled by process: other test programs may show boxes on the same desktop.
    char title[32];
    wsprintfA(title, "ZekWrapBox%lu", GetCurrentProcessId());
    std::atomic<HWND> owner{nullptr};
    std::thread dismiss([&] {
        for (int i = 0; i < 3000; ++i) {  // up to 30 s on a busy machine
            if (HWND box = FindWindowA("#32770", title)) {
                owner = GetWindow(box, GW_OWNER);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    EXPECT_EQ(Win_MessageBox(o, "本文", title, MB_OKCANCEL), IDOK);
    dismiss.join();
    EXPECT_EQ(owner.load(), hwnd);
}

// Given a null handle, several of these calls would act on every window, the
// desktop or the thread instead.
TEST(WinWindowless, CallsWithoutAWindowFailAndTouchNothingElse)
{
    ZEK_object *o = Win_ctor2(nullptr);
    HWND other = plainWindow("bystander");
    ShowWindow(other, SW_SHOW);
    SetFocus(other);
    ASSERT_EQ(GetFocus(), other);
    for (ZEK_object *x : {o, static_cast<ZEK_object *>(nullptr)}) {
        EXPECT_EQ(Win_SetTitle(x, "t"), 0);
        EXPECT_EQ(Win_ShowWindow(x, nullptr, SW_HIDE), 0);
        EXPECT_EQ(Win_InvalidateRect(x, nullptr, 1), 0);
        EXPECT_EQ(Win_RedrawWindow(x, nullptr, nullptr, RDW_INVALIDATE), 0);
        EXPECT_EQ(Win_SetFocus(x), nullptr);
        EXPECT_EQ(Win_SetMotherFocus(x), nullptr);
        EXPECT_EQ(Win_SetTimer(x, 204, 10), 0u);
        EXPECT_EQ(Win_EnableWindow(x, 0), 0);
        Win_SetDefPos(x, o);
    }
    EXPECT_EQ(Win_MessageBox(nullptr, "t", "t", MB_OK), 0);
    EXPECT_EQ(GetFocus(), other);
    EXPECT_TRUE(IsWindowVisible(other));
    EXPECT_FALSE(pumpUntil(isTimer, 100));
    DestroyWindow(other);
    o->vtbl->deleting_dtor(o, 1);
}

// The other window's client origin becomes the stored position (its
// GetDefPos slot is covered by the sizing tests).
TEST(WinLinks, SettersAndTheStoredPositionFromTheOtherWindow)
{
    ZEK_object *o = Win_ctor2(nullptr), *p = Win_ctor2(nullptr);
    Win_SetMotherWin(o, p);
    Win_SetChildWin(o, p);
    Win_SetUnderMenuWin(o, p);
    for (const char *link : {"pMother", "pChild", "pUnderMenu"})
        EXPECT_EQ(member<ZEK_object *>(o, link), p) << link;
    member<RECT>(p, "bScRect") = RECT{200, 100, 600, 400};
    member<int32_t>(p, "ClSx") = 4;
    member<int32_t>(p, "ClSy") = 30;
    auto stored = [&] { return member<int32_t>(o, "WinStGx") * 1000 + member<int32_t>(o, "WinStGy"); };
    Win_SetDefPos(o, p);
    EXPECT_EQ(stored(), 204130);
    EXPECT_EQ(member<int32_t>(o, "bDefPos"), 0);
    member<int32_t>(o, "bDefPos") = 1;
    Win_SetDefPos(o, nullptr);  // without another window the stored position stays
    EXPECT_EQ(stored(), 204130);
    EXPECT_EQ(member<int32_t>(o, "bDefPos"), 0);
    Win_SetWindowGenten(o, -5, 12);
    EXPECT_EQ(stored(), -4988);
    o->vtbl->deleting_dtor(o, 1);
    p->vtbl->deleting_dtor(p, 1);
}

}  // namespace
