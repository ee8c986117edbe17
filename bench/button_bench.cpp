// Prints the cost of a 50-button bar side by side: the whole bar painted by
// AtrTable_Paint into the window's bitmap, and hit tests over it through
// AtrTable_GetMousePos against a plain loop over the same rectangles.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ZEK2.h"
#include "bench_util.h"

namespace {

#pragma pack(push, 1)
struct Button {
    char str[64], cls[64], hint[64];
    HBITMAP hBmp, hBmpUn, hBmpCh, hBmpBuf;
    void *pjBits[4];
    int32_t bBmpX, bBmpY;
    int16_t bButtonType, bButtonMode;
    int32_t bComId;
    int16_t bComType, bRunMode;
    uint8_t bGlay, bOnOff, bRepeet;
    int16_t frame, group;
    int32_t sx, sy, wx, wy, ox, oy, key;
    int16_t *pMode;
    int16_t pModeD;
    void *proc;
};
#pragma pack(pop)

constexpr int32_t kButtons = 50, kCols = 10, kW = 34, kH = 22;
volatile int32_t gSink;

}  // namespace

int main()
{
    std::printf("button_bench (%d-bit)\n\n", int(sizeof(void *) * 8));

    Win_INIT(GetModuleHandleA(nullptr), nullptr);
    ZEK_object *w = Win_ctor2(nullptr);
    member<const char *>(w, "pClassName", 1) = "ZekButtonBench";
    member<int32_t>(w, "bShow", 1) = SW_SHOWNOACTIVATE;
    member<int32_t>(w, "WinWdGx", 1) = 400;
    member<int32_t>(w, "WinWdGy", 1) = 200;
    ZEK_object *t = AtrTable_ctor2(nullptr);
    if (Win_con(w, 0) != 0 || Fd_Mem_Alloc(t, kButtons) != 1) {
        std::printf("the window or the table could not be made\n");
        return 1;
    }
    while (MessageLoopEx(w)) {
    }
    member<ZEK_object *>(t, "pWin", 2) = w;
    member<ZEK_object *>(w, "pButtonTbl", 1) = t;  // deleted with the window
    Button *b = static_cast<Button *>(t->pBlock);
    for (int32_t i = 0; i < kButtons; ++i) {
        std::snprintf(b[i].str, sizeof b[i].str, "B%d", i);
        b[i].frame = int16_t(101 + i % 3);
        b[i].sx = 4 + (i % kCols) * (kW + 4), b[i].sy = 4 + (i / kCols) * (kH + 4);
        b[i].wx = kW, b[i].wy = kH, b[i].ox = b[i].oy = 3;
        b[i].pMode = &b[i].pModeD;
    }

    Win_DrawBmpOpen(w);
    const double paint = best(200, [&](int) { AtrTable_Paint(t); });
    Win_DrawBmpClose(w);

    // Points walking the bar's area, most of them on a button.
    int32_t &mx = member<int32_t>(w, "MouseGx", 1), &my = member<int32_t>(w, "MouseGy", 1);
    const int32_t n = 100000;
    const double hit = best(n, [&](int k) {
        mx = (k * 7) % 384, my = (k * 13) % 134;
        gSink = gSink + AtrTable_GetMousePos(t);
    });
    const double plain = best(n, [&](int k) {
        const int32_t x = (k * 7) % 384, y = (k * 13) % 134;
        int32_t found = -1;
        for (int32_t i = 0; i < kButtons && found < 0; ++i)
            if (x >= b[i].sx && x < b[i].sx + b[i].wx && y >= b[i].sy && y < b[i].sy + b[i].wy)
                found = i;
        gSink = gSink + found;
    });
    std::printf("A bar of %d text buttons of %d x %d (best of 5 rounds)\n", kButtons, kW, kH);
    std::printf("  %-50s %10.0f bars per second (%7.1f us a bar)\n",
                "AtrTable_Paint into the window's bitmap", 1e9 / paint, paint / 1e3);
    std::printf("  %-50s %10.0f tests per second (%7.1f ns a test)\n",
                "AtrTable_GetMousePos", 1e9 / hit, hit);
    std::printf("  %-50s %10.0f tests per second (%7.1f ns a test)\n",
                "a plain loop over the rectangles", 1e9 / plain, plain);

    Win_Close(w);
    WinQuitLoopEx(w);
    ZEK_dtorC(w);
    return 0;
}
