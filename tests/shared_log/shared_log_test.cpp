// Printing into the shared log and showing it on an object found by names.
#include <gtest/gtest.h>

#include "../peer_process.h"

#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZEK2.h"

namespace {

// A text screen that records what is shown on it.
struct Screen { int32_t WinWdCx, WinWdCy; };
struct Shown {
    std::vector<int> rows;  // x is always 0: noted as -1 otherwise
    std::vector<std::string> texts;
    int invalidations = 0;  // of the whole window, not erased
} shown;

void ZEKAPI screen_dtor(ZEK_object *) {}
void ZEKAPI screen_cursor(ZEK_object *, int x, int y) { shown.rows.push_back(x ? -1 : y); }
ZEK_object *ZEKAPI screen_putsn(ZEK_object *o, const char *text) { return shown.texts.push_back(text), o; }
int ZEKAPI screen_invalidate(ZEK_object *, const RECT *rect, int erase)
{
    return shown.invalidations += !rect && !erase, 1;
}

const ZEK_member kRows[] = {
    {ZEK_KIND_DATA, "WinWdCx", offsetof(Screen, WinWdCx), 4, 1},
    {ZEK_KIND_DATA, "WinWdCy", offsetof(Screen, WinWdCy), 4, 1},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(screen_dtor), 0, 0},
    {ZEK_KIND_METHOD, "InvalidateRect", reinterpret_cast<uintptr_t>(screen_invalidate), 4, 1},
    {ZEK_KIND_METHOD, "Cursor", reinterpret_cast<uintptr_t>(screen_cursor), 0, 0},
    {ZEK_KIND_METHOD, "putsn", reinterpret_cast<uintptr_t>(screen_putsn), 4, 1},
};

struct ScreenObject {
    ZEK_object *object = static_cast<ZEK_object *>(std::calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer)));
    ScreenObject(int columns, int rows)
    {
        ZEK_class_ctor2(object);
        ZEK_layer *layer = ZEK_layer_at(object, 1);
        ZEK_tbl_Init1(layer, kRows, 6, 4 * sizeof(void *), sizeof(Screen));
        layer->pszClass = "Screen";
        ZEK_overwrite(layer, ZEK_layer_at(object, 0), nullptr, 0, nullptr);
        *static_cast<Screen *>(layer->pDataArea) = {columns, rows};
        shown = Shown();
    }
    ~ScreenObject()
    {
        for (int level = 1; level >= 0; --level)
            ZEK_dtor(object, ZEK_layer_at(object, level));
        std::free(object);
    }
};

// The last line is printed for the window, which is asked to repaint.
TEST(SharedLog, ShowsTheNewestLinesPaddedOldestFirst)
{
    ScreenObject screen(10, 3);
    for (int i = 0; i < 99; ++i)
        Shared_printf0("line %d\n", i);
    Shared_printf(screen.object, "line %d\n", 99);
    EXPECT_EQ(shown.invalidations, 1);
    Shared_printf(nullptr, "no window\n");
    Shared_printf0(nullptr);
    EXPECT_EQ(Shared_Paint(screen.object), 0);
    EXPECT_EQ(shown.rows, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(shown.texts, (std::vector<std::string>{"line 98   ", "line 99   ", "no window "}));
}

// Tall windows and long lines stay in bounds; lines from another process appear.
TEST(SharedLog, TallWindowsLongLinesAndOtherProcesses)
{
    Shared_printf0("%s\n", std::string(3000, 'q').c_str());
    ScreenObject screen(600, 130);
    Shared_Paint(screen.object);
    ASSERT_EQ(shown.texts.size(), 130u);
    EXPECT_EQ(shown.texts[99].substr(0, 10), "qqqqqqqqqq") << "the newest line is the last";
    EXPECT_EQ(shown.texts[100].find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(Shared_Paint(nullptr), 0);

    std::string text = "peer" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(run_peer_program("zek_shared_peer.exe log " + text), 0u);
    ScreenObject one(20, 1);
    Shared_Paint(one.object);
    ASSERT_EQ(shown.texts.size(), 1u);
    EXPECT_EQ(shown.texts[0].substr(0, text.size()), text);
}

}  // namespace
