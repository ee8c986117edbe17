// The message-name trace, read back from the shared log.
#include <string>

#include <dde.h>
#include <ime.h>

#include "winloop_util.h"

namespace {

std::string gShown;

void ZEKAPI noCursor(ZEK_object *, int, int) {}
ZEK_object *ZEKAPI keepLine(ZEK_object *o, const char *text)
{
    gShown = text;
    gShown.erase(gShown.find_last_not_of(' ') + 1);
    return o;
}

// The newest line of the log, shown on a one-row Win whose output is kept.
std::string last_line()
{
    WinObj screen;
    overwrite(screen, "Cursor", noCursor);
    overwrite(screen, "putsn", keepLine);
    member<int32_t>(screen, "WinWdCx") = 200;
    member<int32_t>(screen, "WinWdCy") = 1;
    Shared_Paint(screen);
    return gShown;
}

std::string trace(UINT message, WPARAM wp = 0, LPARAM lp = 0)
{
    Win_MessageDisp(nullptr, reinterpret_cast<HWND>(uintptr_t(0x2a0b4)), message, wp, lp);
    return last_line();
}

TEST(MessageTrace, NamesMessagesFromEveryBlockOfTheTable)
{
    const struct { UINT message; const char *name; } named[] = {
        {WM_NULL, "WM_NULL"}, {EM_GETPASSWORDCHAR, "EM_GETPASSWORDCHAR"}, {WM_INTERIM, "WM_INTERIM"},
        {WM_IMEKEYUP, "WM_IMEKEYUP"}, {WM_DDE_EXECUTE, "WM_DDE_EXECUTE"},
        {0x415, "WIN_COMM_GPS_THREAD_END"}};
    for (const auto &n : named)
        EXPECT_EQ(trace(n.message, 0x41, 0x1e0001), std::string("   2a0b4 ") + n.name + " 41 1e0001")
            << n.name;
}

TEST(MessageTrace, UnnamedMessagesShowTheirNumberPaintAndTimerAreLeftOutValuesAre32Bits)
{
    EXPECT_EQ(trace(0x416, 1, 2), "   2a0b4 WM_00000416 1 2");
    EXPECT_EQ(trace(0x464), "   2a0b4 WM_00000464 0 0");
    EXPECT_EQ(trace(0xC123), "   2a0b4 WM_0000c123 0 0");
    Shared_printf0("marker\n");
    Win_MessageDisp(nullptr, nullptr, WM_PAINT, 0, 0);
    Win_MessageDisp(nullptr, nullptr, WM_TIMER, 204, 0);
    EXPECT_EQ(last_line(), "marker");
    // 64-bit handles and parameters show their low half, as a 32-bit library
    // would write them into the same log.
    const uintptr_t handle = sizeof(void *) == 8 ? uintptr_t(0x1234567887654321ull) : 0x87654321u;
    Win_MessageDisp(nullptr, reinterpret_cast<HWND>(handle), WM_CHAR, WPARAM(-2), LPARAM(-1));
    EXPECT_EQ(last_line(), "87654321 WM_CHAR fffffffe ffffffff");
}

}  // namespace
