// The message-name trace, read back from the shared log.
#include <cstdlib>
#include <string>
#include <vector>

#include <dde.h>
#include <ime.h>

#include "winloop_util.h"

namespace {

// A text screen of one column per character that keeps what the log shows.
struct Screen {
    int32_t WinWdCx;
    int32_t WinWdCy;
};
std::vector<std::string> gShown;

void ZEKAPI screenDtor(ZEK_object *) {}
void ZEKAPI screenCursor(ZEK_object *, int, int) {}
ZEK_object *ZEKAPI screenPutsn(ZEK_object *o, const char *text)
{
    std::string s(text);
    s.erase(s.find_last_not_of(' ') + 1);
    gShown.push_back(s);
    return o;
}

const ZEK_member kScreenRows[] = {
    {ZEK_KIND_DATA, "WinWdCx", offsetof(Screen, WinWdCx), 4, 1},
    {ZEK_KIND_DATA, "WinWdCy", offsetof(Screen, WinWdCy), 4, 1},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(screenDtor), 0, 0},
    {ZEK_KIND_METHOD, "Cursor", reinterpret_cast<uintptr_t>(screenCursor), 0, 0},
    {ZEK_KIND_METHOD, "putsn", reinterpret_cast<uintptr_t>(screenPutsn), 4, 1},
};

// The newest lines of the log, oldest first.
std::vector<std::string> last_lines(int n)
{
    auto *object = static_cast<ZEK_object *>(
        std::calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer)));
    ZEK_class_ctor2(object);
    ZEK_layer *layer = ZEK_layer_at(object, 1);
    ZEK_tbl_Init1(layer, kScreenRows, 5, 3 * sizeof(void *), sizeof(Screen));
    ZEK_overwrite(layer, ZEK_layer_at(object, 0), nullptr, 0, nullptr);
    auto *screen = static_cast<Screen *>(layer->pDataArea);
    screen->WinWdCx = 200;
    screen->WinWdCy = n;
    gShown.clear();
    Shared_Paint(object);
    for (int level = 1; level >= 0; --level)
        ZEK_dtor(object, ZEK_layer_at(object, level));
    std::free(object);
    return gShown;
}

std::string trace(UINT message, WPARAM wp = 0, LPARAM lp = 0)
{
    Win_MessageDisp(nullptr, reinterpret_cast<HWND>(uintptr_t(0x2a0b4)), message, wp, lp);
    return last_lines(1).at(0);
}

TEST(MessageTrace, NamesMessagesFromEveryBlockOfTheTable)
{
    const struct {
        UINT message;
        const char *name;
    } named[] = {{WM_NULL, "WM_NULL"}, {WM_CREATE, "WM_CREATE"}, {WM_QUIT, "WM_QUIT"},
                 {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCMBUTTONDBLCLK, "WM_NCMBUTTONDBLCLK"},
                 {EM_GETSEL, "EM_GETSEL"}, {EM_GETPASSWORDCHAR, "EM_GETPASSWORDCHAR"},
                 {BM_SETSTYLE, "BM_SETSTYLE"}, {WM_KEYDOWN, "WM_KEYDOWN"},
                 {WM_CONVERTREQUEST, "WM_CONVERTREQUEST"}, {WM_INTERIM, "WM_INTERIM"},
                 {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"}, {CB_GETLOCALE, "CB_GETLOCALE"},
                 {STM_GETICON, "STM_GETICON"}, {LB_SETCOUNT, "LB_SETCOUNT"},
                 {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_IME_REPORT, "WM_IME_REPORT"},
                 {WM_IMEKEYUP, "WM_IMEKEYUP"}, {WM_HOTKEY, "WM_HOTKEY"},
                 {WM_DDE_EXECUTE, "WM_DDE_EXECUTE"}, {0x401, "MACRO_CHAR"},
                 {0x409, "WIN_BUTTON_REPEET"}, {0x415, "WIN_COMM_GPS_THREAD_END"}};
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
    EXPECT_EQ(last_lines(1).at(0), "marker");
    // 64-bit handles and parameters show their low half, as a 32-bit library
    // would write them into the same log.
    const uintptr_t handle = sizeof(void *) == 8 ? uintptr_t(0x1234567887654321ull) : 0x87654321u;
    Win_MessageDisp(nullptr, reinterpret_cast<HWND>(handle), WM_CHAR, WPARAM(-2), LPARAM(-1));
    EXPECT_EQ(last_lines(1).at(0), "87654321 WM_CHAR fffffffe ffffffff");
}

}  // namespace
