// Window creation: registration, the frame kept on the screen, popups placed
// by their mother, the creation message binding object and window, closing.
#include <functional>

#include "wincore_util.h"

namespace {

int gRegistrations, gCreates;
int32_t ZEKAPI countingInitApplication(ZEK_object *o) { return ++gRegistrations, Win_InitApplication(o); }
int32_t ZEKAPI countingCreate(ZEK_object *o) { return ++gCreates, Win_Create(o); }

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
        mi(o, "bHorzId") = mi(o, "bVertId") = 1;
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

    HWND w = a.hwnd();
    ASSERT_TRUE(IsWindow(w));
    EXPECT_EQ(GetWindowLongPtrA(w, 14), reinterpret_cast<LONG_PTR>(a.o));
    EXPECT_EQ(mi(a.o, "bShowB"), SW_SHOWNOACTIVATE);
    for (const char *furniture : {"hWndHScroll", "hWndVScroll", "hSizeBox"})
        EXPECT_TRUE(IsWindow(member<HWND>(a.o, furniture))) << furniture;
    EXPECT_EQ(mi(a.o, "CurGx"), mi(a.o, "ChrWdGx")) << "the text cursor starts at the first cell";

    // A window of a Win class created with anything but a live Win stays unbound.
    int notAWin[64] = {};
    HWND stray = CreateWindowA("ZekCoreOnce", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), notAWin);
    ASSERT_TRUE(IsWindow(stray));
    EXPECT_EQ(GetWindowLongPtrA(stray, 14), 0);
    EXPECT_EQ(DefWndProc(stray, WM_PAINT, 0, 0), 0);
    DestroyWindow(stray);
}

TEST(WinCreation, FrameOffsetsScreenLimitsAndPopupsPlacedByTheirMother)
{
    TestWin t, big, late;
    place(t.o, 40, 30, 300, 200);
    ASSERT_EQ(Win_con(t.o, 0), 0);
    RECT client{}, frame = windowRect(t.hwnd());
    GetClientRect(t.hwnd(), &client);
    EXPECT_TRUE(client.right == 300 && client.bottom == 200);
    EXPECT_EQ(mi(t.o, "WinWdGx"), frame.right - frame.left);
    POINT origin{0, 0};
    ClientToScreen(t.hwnd(), &origin);
    EXPECT_EQ(mi(t.o, "ClSx"), origin.x - frame.left);
    EXPECT_EQ(mi(t.o, "ClSy"), GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME));

    // Bigger than the screen: shrunk onto it; starting near its end: moved back.
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU);
    mi(big.o, "WinWdGx") = sw + 500;
    mi(big.o, "WinWdGy") = sh + 500;
    ASSERT_EQ(Win_con(big.o, 0), 0);
    EXPECT_TRUE(mi(big.o, "WinWdGx") == sw && mi(big.o, "WinWdGy") == sh && mi(big.o, "WinStGx") == 0);
    place(late.o, sw - 50, sh - 50, 200, 100);
    ASSERT_EQ(Win_con(late.o, 0), 0);
    RECT r = windowRect(late.hwnd());
    EXPECT_TRUE(r.right == sw && r.bottom == sh) << r.right << "," << r.bottom;

    // A popup opens relative to its mother's client origin.
    TestWin mother, popup, placed;
    mi(mother.o, "WinStGx") = 100;
    mi(mother.o, "WinStGy") = 80;
    ASSERT_EQ(Win_con(mother.o, 0), 0);
    pump();
    origin = {0, 0};
    ClientToScreen(mother.hwnd(), &origin);
    for (ZEK_object *o : {popup.o, placed.o}) {
        Win_SetMotherWin(o, mother.o);
        mi(o, "WinStyle") = int32_t(WS_POPUP);
        place(o, 10, 20, 120, 60);
    }
    Win_SetWindowGenten(placed.o, 10, 20);
    ASSERT_EQ(Win_con(popup.o, 0), 0);
    ASSERT_EQ(Win_con(placed.o, 0), 0);
    r = windowRect(popup.hwnd());
    EXPECT_TRUE(r.left == origin.x + 10 && r.top == origin.y + 20) << r.left << "," << r.top;
    r = windowRect(placed.hwnd());
    EXPECT_TRUE(r.left == 10 && r.top == 20) << r.left << "," << r.top;
}

// Closing: each way ends with bQuitFlag set and nothing of the window left;
// failures are reported and nothing is shown.
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
        EXPECT_EQ(mi(t.o, "bQuitFlag"), 1);
        EXPECT_EQ(mi(t.o, "bDtor"), 1) << "set before the window is destroyed";
        EXPECT_EQ(t.hwnd(), nullptr) << "the handle may belong to another window now";
    }
    TestWin t(nullptr);
    EXPECT_EQ(Win_con(t.o, 0), -1) << "no class name";
    EXPECT_EQ(t.hwnd(), nullptr);
    EXPECT_EQ(Win_con(nullptr, 0), -1);
    EXPECT_EQ(Win_Close(t.o), 0) << "nothing to post to";
}

}  // namespace
