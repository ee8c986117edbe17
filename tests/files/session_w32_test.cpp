// Starting programs with session, waiting or not.
#include <gtest/gtest.h>

#include <future>
#include <string>

#include "win_helpers.h"
#include "zek2/files.h"

namespace {

int gTicks = 0;

LRESULT CALLBACK countTicks(HWND window, UINT message, WPARAM w, LPARAM l)
{
    return gTicks += message == WM_TIMER, DefWindowProcA(window, message, w, l);
}

TEST(Session, WaitsServingTheCallersWindowsEndsForExitCode259AndKeepsAQuit)
{
    ScratchDir dir("session");
    const std::string mark = dir / "mark";
    WNDCLASSA wc{};
    wc.lpfnWndProc = countTicks;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZekSessionTicks";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetTimer(window, 1, 50, nullptr);
    gTicks = 0;
    const std::string line = "zek_dirs_peer.exe sleepmark 1000 \"" + mark + "\"";
    EXPECT_EQ(session(line.c_str(), "peer", ZEK_SESSION_WAIT), 1);
    EXPECT_NE(GetFileAttributesA(mark.c_str()), INVALID_FILE_ATTRIBUTES) << "returned too early";
    EXPECT_GE(gTicks, 5) << "the caller's window was not served while waiting";
    DestroyWindow(window);

    // Empty or missing programs; a wait ends for exit code 259 and keeps a quit request.
    EXPECT_EQ(session(nullptr, nullptr, 0), 1) << "an empty command line";
    EXPECT_EQ(session("", "t", ZEK_SESSION_WAIT), 1);
    const std::string missing = "zek_missing_" + std::to_string(GetCurrentProcessId()) + ".exe";
    EXPECT_EQ(session(missing.c_str(), nullptr, ZEK_SESSION_WAIT), 0);
    // STILL_ACTIVE as an exit code must not look like a running program.
    auto done = std::async(std::launch::async, [] {
        return session("zek_dirs_peer.exe exit 259", nullptr, ZEK_SESSION_WAIT);
    });
    ASSERT_EQ(done.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(done.get(), 1);

    PostQuitMessage(3);
    EXPECT_EQ(session("zek_dirs_peer.exe exit 0", nullptr, ZEK_SESSION_WAIT), 1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, WPARAM(3));
}

}  // namespace
