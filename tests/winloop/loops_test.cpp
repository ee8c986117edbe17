// The plain loops and timed waits: they dispatch, end when they should, keep
// a quit message for the loop around them, and sleep rather than spin.
#include "winloop_util.h"

namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kQuitFlag = WM_APP + 2;

ZEK_object *gOwner;
int gPings, gTimers;

LRESULT CALLBACK counting(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case kPing:
        ++gPings;
        return 40 + LRESULT(wp);
    case kQuitFlag:
        member<int32_t>(gOwner, "bQuitFlag") = int32_t(wp);
        return 0;
    case WM_TIMER:
        ++gTimers;
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

struct LoopTest : ::testing::Test {
    WinObj o;
    PlainWindow w{counting, o};
    void SetUp() override
    {
        gOwner = o;
        w.take_posted();
        gPings = gTimers = 0;
    }
    static WPARAM quit_waiting()
    {
        MSG m;
        return PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? m.wParam : WPARAM(-1);
    }
};

double cpu_ms()
{
    FILETIME c, e, k, u;
    GetThreadTimes(GetCurrentThread(), &c, &e, &k, &u);
    return double(((ULONGLONG(k.dwHighDateTime) + u.dwHighDateTime) << 32) + k.dwLowDateTime + ULONGLONG(u.dwLowDateTime)) / 1e4;
}

TEST_F(LoopTest, OneMessagePerCallWithTheDispatchResultLeavingAQuitForTheOuterLoop)
{
    EXPECT_EQ(MessageLoopEx(o), 0);
    PostMessageA(w.hwnd, kPing, 2, 0);
    PostMessageA(w.hwnd, kPing, 3, 0);
    EXPECT_EQ(MessageLoopEx(nullptr), 42);
    EXPECT_EQ(gPings, 1);
    EXPECT_EQ(MessageLoopEx(o), 43);
    PostQuitMessage(5);
    EXPECT_EQ(MessageLoopEx(o), 0);
    EXPECT_EQ(quit_waiting(), 5u);
}

TEST_F(LoopTest, TimedWaitLastsItsTimeDispatchingAndSleepingAndKeepsAQuit)
{
    WaitTimeMsecEx(-5, o);
    PostMessageA(w.hwnd, kPing, 0, 0);
    SetTimer(w.hwnd, 1, 20, nullptr);
    const double cpu0 = cpu_ms();
    ULONGLONG t0 = GetTickCount64();
    WaitTimeMsecEx(400, o);
    const ULONGLONG took = GetTickCount64() - t0;
    KillTimer(w.hwnd, 1);
    EXPECT_TRUE(took >= 390u && took < 2000u) << took;
    EXPECT_EQ(gPings, 1);
    EXPECT_GE(gTimers, 3);
    EXPECT_LT(cpu_ms() - cpu0, 200.0) << "CPU milliseconds used while waiting: a loop that polled uses it all";

    PostQuitMessage(9);  // neither cuts the wait short nor is taken
    t0 = GetTickCount64();
    WaitTimeMsecEx(150, nullptr);
    EXPECT_GE(GetTickCount64() - t0, 140u);
    EXPECT_EQ(quit_waiting(), 9u);
}

TEST_F(LoopTest, QuitLoopEndsWhenAMessageSetsTheFlagOrAfterThreeSeconds)
{
    member<int32_t>(o, "bQuitFlag") = 3;
    EXPECT_EQ(WinQuitLoopEx(o), 3);
    member<int32_t>(o, "bQuitFlag") = 0;
    PostMessageA(w.hwnd, kPing, 0, 0);
    PostMessageA(w.hwnd, kQuitFlag, 1, 0);
    PostMessageA(w.hwnd, kPing, 0, 0);
    EXPECT_EQ(WinQuitLoopEx(o), 1);
    EXPECT_EQ(gPings, 1);  // the message after the flag waits for the next loop

    member<int32_t>(o, "bQuitFlag") = 0;
    w.take_posted();
    SetTimer(w.hwnd, 1, 50, nullptr);
    const double cpu0 = cpu_ms();
    const ULONGLONG t0 = GetTickCount64();
    EXPECT_EQ(WinQuitLoopEx(o), 0);
    const ULONGLONG took = GetTickCount64() - t0;
    KillTimer(w.hwnd, 1);
    EXPECT_TRUE(took >= 2990u && took < 6000u) << took;
    EXPECT_GE(gTimers, 20);
    EXPECT_LT(cpu_ms() - cpu0, 1000.0);
}

TEST_F(LoopTest, MainLoopEndsOnTheFlagOrTheQuitMessage)
{
    PostMessageA(w.hwnd, kPing, 0, 0);
    PostMessageA(w.hwnd, kQuitFlag, 6, 0);
    EXPECT_EQ(Win_MainLoop(o), 6);  // wParam of the last message
    member<int32_t>(o, "bQuitFlag") = 0;
    PostQuitMessage(11);
    EXPECT_EQ(Win_MainLoop(o), 11);
    EXPECT_EQ(gPings, 1);
}

// On a real Win window: closing the window ends the waits.
TEST(RealWindow, ClosingTheWindowEndsTheWaits)
{
    TestWin o("ZekLoopTest");
    ASSERT_EQ(Win_con(o, 0), 0);
    const HWND w = o.hwnd();
    PostMessageA(w, WIN_DTOR, 0, 0);
    PostMessageA(w, MACRO_CHAR, 0x41, 0);
    EXPECT_EQ(Win_Keyin(o, 0, 0, 0), -1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(WinQuitLoopEx(o), 1);
}

}  // namespace
