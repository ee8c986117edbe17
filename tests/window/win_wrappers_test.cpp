// Win wrappers and links, applied to a plain window that the test creates.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ZEK2.h"
#include "../class_members.h"

namespace {


const char kClass[] = "ZekWrapperTest";

HWND plainWindow(const char *title)
{
    static ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(intptr_t(COLOR_WINDOW + 1));
        return RegisterClassA(&wc);
    }();
    EXPECT_NE(atom, 0);
    return CreateWindowExA(0, kClass, title, WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Dispatches this thread's messages for a while; true once `until` holds.
template <typename Pred>
bool pumpUntil(Pred until, DWORD ms = 3000)
{
    DWORD start = GetTickCount();
    MSG m;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (until(m))
                return true;
            DispatchMessageA(&m);
        }
        Sleep(5);
    }
    return false;
}

struct Windowed {
    ZEK_object *o = nullptr;
    HWND hwnd = nullptr;
    explicit Windowed(const char *title = "wrap")
    {
        o = Win_ctor2(nullptr);
        hwnd = plainWindow(title);
        if (o)
            member<HWND>(o, "hWnd") = hwnd;
    }
    ~Windowed()
    {
        if (hwnd)
            DestroyWindow(hwnd);
        if (o)
            o->vtbl->deleting_dtor(o, 1);
    }
};

struct WinWrappers : ::testing::Test {
    Windowed w;
    ZEK_object *o = w.o;
    HWND hwnd = w.hwnd;
    void SetUp() override
    {
        ASSERT_NE(o, nullptr);
        ASSERT_NE(hwnd, nullptr);
    }
};

bool sameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(WinWrappers, TitleGeometryAndVisibilityActOnTheObjectsWindow)
{
    EXPECT_NE(Win_SetTitle(o, "新しい題"), 0);
    char text[64] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "新しい題");

    EXPECT_NE(Win_SetWindowPos(o, nullptr, 150, 160, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE), 0);
    RECT mine, sys;
    ASSERT_NE(Win_GetWindowRect(o, &mine), 0);
    GetWindowRect(hwnd, &sys);
    EXPECT_TRUE(sameRect(mine, sys));
    EXPECT_TRUE(sameRect(mine, RECT{150, 160, 470, 400}));
    ASSERT_NE(Win_GetClientRect(o, &mine), 0);
    GetClientRect(hwnd, &sys);
    EXPECT_TRUE(sameRect(mine, sys));
    EXPECT_GT(mine.right, 0);

    Win_ShowWindow(o, nullptr, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    Win_ShowWindow(o, nullptr, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(hwnd));

    // A window given explicitly is the one shown.
    Windowed other("other");
    Win_ShowWindow(o, other.hwnd, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(other.hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(WinWrappers, InvalidateWithoutRectangleUsesTheStoredClientRectangle)
{
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    ValidateRect(hwnd, nullptr);
    member<RECT>(o, "bRect") = RECT{10, 20, 30, 40};
    ASSERT_NE(Win_InvalidateRect(o, nullptr, 0), 0);
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(hwnd, &dirty, FALSE));
    EXPECT_TRUE(sameRect(dirty, RECT{10, 20, 30, 40}));

    // Update paints at once, leaving nothing to repaint.
    EXPECT_NE(Win_Update(o), 0);
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));

    RECT given{5, 5, 15, 25};
    ASSERT_NE(Win_InvalidateRect(o, &given, 0), 0);
    ASSERT_TRUE(GetUpdateRect(hwnd, &dirty, FALSE));
    EXPECT_TRUE(sameRect(dirty, given));
    ASSERT_NE(Win_RedrawWindow(o, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW), 0);
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));
}

TEST_F(WinWrappers, TimerTicksReachTheWindowUntilKilled)
{
    ASSERT_NE(Win_SetTimer(o, 204, 10), 0u);
    EXPECT_TRUE(pumpUntil([&](const MSG &m) {
        return m.hwnd == hwnd && m.message == WM_TIMER && m.wParam == 204;
    }));
    EXPECT_NE(Win_KillTimer(o, 204), 0);
    EXPECT_EQ(Win_KillTimer(o, 204), 0);
    EXPECT_FALSE(pumpUntil([&](const MSG &m) { return m.message == WM_TIMER; }, 100));
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
    Win_EnableWindow(o, 0);
    EXPECT_EQ(member<int32_t>(o, "bLockFocus"), 0);
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_FALSE(IsWindowEnabled(plot.hwnd));
    EXPECT_FALSE(IsWindowEnabled(toolbar.hwnd));
    EXPECT_TRUE(IsWindowEnabled(tenkey.hwnd));
    Win_EnableWindow(o, 1);
    EXPECT_EQ(member<int32_t>(o, "bLockFocus"), 1);
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(IsWindowEnabled(plot.hwnd));
    EXPECT_TRUE(IsWindowEnabled(toolbar.hwnd));
}

TEST_F(WinWrappers, DroppedFilesAreAcceptedByTheWindow)
{
    Win_DragAcceptFiles(o, 1);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Win_DragAcceptFiles(o, 0);
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    char name[8] = "x";
    EXPECT_EQ(Win_DragQueryFile(nullptr, nullptr, 0, name, sizeof name), 0u);
}

TEST_F(WinWrappers, MessageBoxIsOwnedByTheWindow)
{
    std::atomic<HWND> owner{nullptr};
    std::thread dismiss([&] {
        for (int i = 0; i < 500; ++i) {
            if (HWND box = FindWindowA("#32770", "ZekWrapBox")) {
                owner = GetWindow(box, GW_OWNER);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    EXPECT_EQ(Win_MessageBox(o, "本文", "ZekWrapBox", MB_OKCANCEL), IDOK);
    dismiss.join();
    EXPECT_EQ(owner.load(), hwnd);
}

// Given a null handle, several of these calls would act on every window, the
// desktop or the thread instead.
TEST(WinWindowless, CallsWithoutAWindowFailAndTouchNothingElse)
{
    ZEK_object *o = Win_ctor2(nullptr);
    ASSERT_NE(o, nullptr);
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
    EXPECT_FALSE(pumpUntil([](const MSG &m) { return m.message == WM_TIMER; }, 100));
    DestroyWindow(other);
    o->vtbl->deleting_dtor(o, 1);
}

void ZEKAPI programsDefPos(ZEK_object *, int32_t *x, int32_t *y)
{
    *x = 7;
    *y = 8;
}

struct WinLinks : ::testing::Test {
    ZEK_object *o = Win_ctor2(nullptr);
    ZEK_object *p = Win_ctor2(nullptr);
    void TearDown() override
    {
        o->vtbl->deleting_dtor(o, 1);
        p->vtbl->deleting_dtor(p, 1);
    }
};

TEST_F(WinLinks, SettersStoreTheLinkedObjects)
{
    Win_SetMotherWin(o, p);
    Win_SetChildWin(o, p);
    Win_SetUnderMenuWin(o, p);
    EXPECT_EQ(member<ZEK_object *>(o, "pMother"), p);
    EXPECT_EQ(member<ZEK_object *>(o, "pChild"), p);
    EXPECT_EQ(member<ZEK_object *>(o, "pUnderMenu"), p);
}

TEST_F(WinLinks, StoredPositionComesFromTheOtherWindowsClientOrigin)
{
    member<RECT>(p, "bScRect") = RECT{200, 100, 600, 400};
    member<int32_t>(p, "ClSx") = 4;
    member<int32_t>(p, "ClSy") = 30;
    int32_t x = 0, y = 0;
    Win_GetDefPos(p, &x, &y);
    EXPECT_EQ(x, 204);
    EXPECT_EQ(y, 130);

    ASSERT_EQ(member<int32_t>(o, "bDefPos"), 1);
    Win_SetDefPos(o, p);
    EXPECT_EQ(member<int32_t>(o, "WinStGx"), 204);
    EXPECT_EQ(member<int32_t>(o, "WinStGy"), 130);
    EXPECT_EQ(member<int32_t>(o, "bDefPos"), 0);

    // A program's own GetDefPos of the other window is the one asked.
    ZEK_layer_at(p, 1)->pSlot[ZEK_NameSearch(ZEK_layer_at(p, 1), "GetDefPos")] =
        reinterpret_cast<ZEK_method_fn>(programsDefPos);
    Win_SetDefPos(o, p);
    EXPECT_EQ(member<int32_t>(o, "WinStGx"), 7);
    EXPECT_EQ(member<int32_t>(o, "WinStGy"), 8);

    // Without another window only the stored position is kept as it is.
    member<int32_t>(o, "bDefPos") = 1;
    Win_SetDefPos(o, nullptr);
    EXPECT_EQ(member<int32_t>(o, "WinStGx"), 7);
    EXPECT_EQ(member<int32_t>(o, "bDefPos"), 0);

    Win_SetWindowGenten(o, -5, 12);
    EXPECT_EQ(member<int32_t>(o, "WinStGx"), -5);
    EXPECT_EQ(member<int32_t>(o, "WinStGy"), 12);
}

}  // namespace
