// Prints the cost of a window's furniture side by side with plain Win32: the
// whole layout of a window carrying every piece (four side menus, a tool frame
// of 20 docked toolbars, an MDI client, a status bar, both scroll bars) by
// Win_Size against the same number of MoveWindow calls, and a toolbar dropped
// back into a strip of 20 (its window re-made and the strip re-packed) against
// creating one child window and moving 19.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ZEK2.h"
#include "bench_util.h"

namespace {

constexpr int kBars = 20;

// Button entries as a program writes them: pixel rectangles, ended by -1.
std::vector<unsigned char> entries(int count, int width)
{
    const size_t size = 130 + 4 * sizeof(void *);
    std::vector<unsigned char> bytes((count + 1) * size, 0);
    for (int i = 0; i < count; ++i) {
        unsigned char *e = &bytes[i * size];
        const int16_t f[] = {1, 0, 0, 0, 101, int16_t(12 + i * width), 2, int16_t(width - 2), 20};
        std::memcpy(e, f, sizeof f);
        const int32_t id = 1000 + i;
        std::memcpy(e + 22, &id, 4);
        std::snprintf(reinterpret_cast<char *>(e + 34), 32, "%d", i);
    }
    std::memset(&bytes[count * size], 0xFF, size);
    return bytes;
}

void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

void line(const char *what, double ns, const char *unit)
{
    std::printf("  %-58s %9.0f %s per second (%8.1f us each)\n", what, 1e9 / ns, unit,
                ns / 1e3);
}

}  // namespace

int main()
{
    std::printf("furniture_bench (%d-bit)\n\n", int(sizeof(void *) * 8));

    Win_INIT(GetModuleHandleA(nullptr), nullptr);
    ZEK_object *w = Win_ctor2(nullptr);
    member<const char *>(w, "pClassName") = "ZekFurnitureBench";
    member<int32_t>(w, "WinStGx") = 0;
    member<int32_t>(w, "WinStGy") = 0;
    member<int32_t>(w, "WinWdGx") = 1000;
    member<int32_t>(w, "WinWdGy") = 700;
    member<int32_t>(w, "bShow") = SW_SHOWNOACTIVATE;
    member<int32_t>(w, "bHorzId") = 1;
    member<int32_t>(w, "bVertId") = 1;

    const std::vector<unsigned char> bar = entries(3, 24), side = entries(4, 24),
                                     status = entries(2, 200);
    bool made = Win_InitToolFrame(w, 26) != 0 || member<int32_t>(w, "bToolId") == 1;
    for (int i = 0; i < kBars; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "bar%d", i);
        made = made && Win_InitToolBar(w, i, name, bar.data(), 0, 4) == 1;
    }
    for (int code = 10; code <= 13; ++code)
        made = made && Win_InitLockMenu(w, code, 30, side.data());
    made = made && Win_InitStatusBar(w, status.data()) == 1;
    Win_InitMdiFrame(w);
    if (!made || Win_con(w, 0) != 0) {
        std::printf("the window or its furniture could not be made\n");
        return 1;
    }
    pump();
    const HWND window = member<HWND>(w, "hWnd");

    // Layout: every piece moved and the inner area recomputed.
    const double layout = best(300, [&](int k) { Win_Size(w, 0, 1000 - (k & 1), 700); });
    // Plain: the same pieces moved, nothing else computed.
    std::vector<HWND> direct;
    for (HWND p = GetWindow(window, GW_CHILD); p; p = GetWindow(p, GW_HWNDNEXT))
        direct.push_back(p);
    const double plain = best(300, [&](int k) {
        int x = 0;
        for (HWND p : direct)
            MoveWindow(p, x++ % 40, k & 1, 100, 20, TRUE);
    });

    // A drop: the bar's window re-made and the strip re-packed by x.
    ZEK_object **bars = &member<ZEK_object *>(w, "pToolBar");
    ZEK_object *last = bars[kBars - 1];
    ZEK_object *table = last ? member<ZEK_object *>(last, "pButtonTbl") : nullptr;
    double drop = 0;
    if (table) {
        drop = best(50, [&](int k) {
            member<int32_t>(table, "bPos", 2) = 0;
            member<int32_t>(table, "bTsx", 2) = (k & 1) ? 0 : 5000;
            DestroyWindow(member<HWND>(last, "hWnd"));
            Win_CreateToolBar(w, kBars - 1, 1);
        });
    }
    HWND strip = member<ZEK_object *>(w, "pToolFrame")
                     ? member<HWND>(member<ZEK_object *>(w, "pToolFrame"), "hWnd")
                     : window;
    const double plainDrop = best(50, [&](int k) {
        HWND c = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 1, 80, 24, strip,
                                 nullptr, nullptr, nullptr);
        for (int i = 0; i < kBars - 1; ++i)
            MoveWindow(c, 80 * i + (k & 1), 1, 80, 24, TRUE);
        DestroyWindow(c);
    });

    std::printf("A 1000 x 700 window with 4 side menus, %d docked toolbars, an MDI client,\n"
                "a status bar and two scroll bars (%zu child windows; best of 5 rounds)\n",
                kBars, direct.size());
    line("Win_Size: the whole layout", layout, "layouts");
    line("plain: MoveWindow of every child window", plain, "layouts");
    if (table) {
        line("a toolbar dropped into the strip: re-made, 20 re-packed", drop, "drops");
        line("plain: one child window made, moved 19 times, destroyed", plainDrop, "drops");
    }

    Win_Close(w);
    WinQuitLoopEx(w);
    ZEK_dtorC(w);
    return 0;
}
