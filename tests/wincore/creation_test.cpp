// Window creation: registration, the frame kept on the screen, popups placed
// by their mother, the creation message binding object and window, closing.
#include <functional>

#include "wincore_util.h"

namespace {

int gRegistrations;
int gCreates;

int32_t ZEKAPI countingInitApplication(ZEK_object *o)
{
    ++gRegistrations;
    return Win_InitApplication(o);
}

int32_t ZEKAPI countingCreate(ZEK_object *o)
{
    ++gCreates;
    return Win_Create(o);
}

RECT windowRect(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

TEST(WinCreation, ConRegistersOnceCreatesAndBindsTheWindow)
{
    gRegistrations = gCreates = 0;
    TestWin a("ZekCoreOnce"), b("ZekCoreOnce");
    for (ZEK_object *o : {a.o, b.o}) {
        overwrite(o, "InitApplication", countingInitApplication);
        overwrite(o, "Create", countingCreate);
        member<int32_t>(o, "bHorzId") = member<int32_t>(o, "bVertId") = 1;
        ASSERT_EQ(Win_con(o, 0), 0);
    }
    EXPECT_EQ(gRegistrations, 2);
    EXPECT_EQ(gCreates, 2) << "Create runs from the creation message, through its slot";
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "ZekCoreOnce", &wc));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(wc.lpfnWndProc),
              reinterpret_cast<uintptr_t>(GetProcAddress(GetModuleHandleA("ZEK2.dll"), "DefWndProc")));
    EXPECT_EQ(wc.cbWndExtra, sizeof(void *) == 4 ? 18 : 22);
    EXPECT_EQ(wc.hIcon, LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));

    HWND w = a.hwnd();
    ASSERT_TRUE(IsWindow(w));
    EXPECT_EQ(GetWindowLongPtrA(w, 14), reinterpret_cast<LONG_PTR>(a.o));
    EXPECT_EQ(member<int32_t>(a.o, "bShowB"), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindow(member<HWND>(a.o, "hWndHScroll")));
    EXPECT_TRUE(IsWindow(member<HWND>(a.o, "hWndVScroll")));
    EXPECT_TRUE(IsWindow(member<HWND>(a.o, "hSizeBox")));
    // The text cursor starts at the first cell.
    EXPECT_EQ(member<int32_t>(a.o, "CurGx"), member<int32_t>(a.o, "ChrWdGx"));

    // A window of a Win class created with anything but a live Win stays unbound.
    int notAWin[64] = {};
    HWND stray = CreateWindowA("ZekCoreOnce", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), notAWin);
    ASSERT_TRUE(IsWindow(stray));
    EXPECT_EQ(GetWindowLongPtrA(stray, 14), 0);
    EXPECT_EQ(DefWndProc(stray, WM_PAINT, 0, 0), 0);
    DestroyWindow(stray);
}

TEST(WinCreation, ClientSizeBecomesTheFrameAndItsOffsets)
{
    TestWin t;
    member<int32_t>(t.o, "WinStGx") = 40;
    member<int32_t>(t.o, "WinStGy") = 30;
    member<int32_t>(t.o, "WinWdGx") = 300;
    member<int32_t>(t.o, "WinWdGy") = 200;
    ASSERT_EQ(Win_con(t.o, 0), 0);
    RECT client{};
    GetClientRect(t.hwnd(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    RECT frame = windowRect(t.hwnd());
    EXPECT_EQ(member<int32_t>(t.o, "WinWdGx"), frame.right - frame.left);
    POINT origin{0, 0};
    ClientToScreen(t.hwnd(), &origin);
    EXPECT_EQ(member<int32_t>(t.o, "ClSx"), origin.x - frame.left);
    EXPECT_EQ(member<int32_t>(t.o, "ClSy"),
              GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME));
}

TEST(WinCreation, AWindowBiggerThanTheScreenIsShrunkOntoIt)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU);
    TestWin big, late;
    member<int32_t>(big.o, "WinWdGx") = sw + 500;
    member<int32_t>(big.o, "WinWdGy") = sh + 500;
    ASSERT_EQ(Win_con(big.o, 0), 0);
    EXPECT_EQ(member<int32_t>(big.o, "WinWdGx"), sw);
    EXPECT_EQ(member<int32_t>(big.o, "WinWdGy"), sh);
    EXPECT_EQ(member<int32_t>(big.o, "WinStGx"), 0);

    member<int32_t>(late.o, "WinStGx") = sw - 50;
    member<int32_t>(late.o, "WinStGy") = sh - 50;
    member<int32_t>(late.o, "WinWdGx") = 200;
    member<int32_t>(late.o, "WinWdGy") = 100;
    ASSERT_EQ(Win_con(late.o, 0), 0);
    RECT r = windowRect(late.hwnd());
    EXPECT_EQ(r.right, sw);
    EXPECT_EQ(r.bottom, sh);
}

TEST(WinCreation, APopupOpensRelativeToItsMothersClientOrigin)
{
    TestWin mother, popup, placed;
    member<int32_t>(mother.o, "WinStGx") = 100;
    member<int32_t>(mother.o, "WinStGy") = 80;
    ASSERT_EQ(Win_con(mother.o, 0), 0);
    pump();
    POINT origin{0, 0};
    ClientToScreen(mother.hwnd(), &origin);
    for (ZEK_object *o : {popup.o, placed.o}) {
        Win_SetMotherWin(o, mother.o);
        member<int32_t>(o, "WinStyle") = int32_t(WS_POPUP);
        member<int32_t>(o, "WinWdGx") = 120;
        member<int32_t>(o, "WinWdGy") = 60;
    }
    member<int32_t>(popup.o, "WinStGx") = 10;
    member<int32_t>(popup.o, "WinStGy") = 20;
    Win_SetWindowGenten(placed.o, 10, 20);
    ASSERT_EQ(Win_con(popup.o, 0), 0);
    ASSERT_EQ(Win_con(placed.o, 0), 0);
    RECT r = windowRect(popup.hwnd());
    EXPECT_EQ(r.left, origin.x + 10);
    EXPECT_EQ(r.top, origin.y + 20);
    r = windowRect(placed.hwnd());
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
}

TEST(WinCreation, FailuresAreReportedAndNothingIsShown)
{
    TestWin t(nullptr);
    EXPECT_EQ(Win_con(t.o, 0), -1) << "no class name";
    EXPECT_EQ(t.hwnd(), nullptr);
    EXPECT_EQ(Win_con(nullptr, 0), -1);
    EXPECT_EQ(Win_Close(t.o), 0) << "nothing to post to";
}

// Closing: each way ends with bQuitFlag set and nothing of the window left.
TEST(WinClosing, EachWayEndsTheLoopsAndForgetsTheHandle)
{
    const std::function<void(ZEK_object *, HWND)> ways[] = {
        [](ZEK_object *o, HWND) { EXPECT_NE(Win_Close(o), 0); },
        [](ZEK_object *, HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
        [](ZEK_object *, HWND w) { DestroyWindow(w); },
    };
    for (const auto &close : ways) {
        TestWin t;
        ASSERT_EQ(Win_con(t.o, 0), 0);
        HWND w = t.hwnd();
        close(t.o, w);
        EXPECT_EQ(WinQuitLoopEx(t.o), 1);
        EXPECT_FALSE(IsWindow(w));
        EXPECT_EQ(member<int32_t>(t.o, "bQuitFlag"), 1);
        EXPECT_EQ(member<int32_t>(t.o, "bDtor"), 1) << "set before the window is destroyed";
        EXPECT_EQ(t.hwnd(), nullptr) << "the handle may belong to another window now";
    }
}

}  // namespace
