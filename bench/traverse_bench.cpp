// The traverse program's computation and plan drawing for a loop of 1,000
// stations (its own files, linked in), against nothing: figures only.
#include <cmath>
#include <cstdio>

#include "bench_util.h"

extern "C" {
#include "traverse.h"
App app;
}

namespace {

const int kStations = 1000;

// A regular 1,000-sided loop of 2 km across: equal inside angles and legs.
void make_loop()
{
    const double inside = 180.0 - 360.0 / kStations;
    const double leg = 2 * 1000.0 * std::sin(M_PI / kStations);
    for (int i = 0; i < kStations; ++i) {
        Station &s = app.stations[i];
        std::snprintf(s.name, sizeof s.name, "P%d", i + 1);
        s.angle = cdms(inside);
        s.distance = leg;
    }
    app.count = kStations;
    app.start = TraverseStart{-35900.0, -5900.0, 0.0, 9};
}

int32_t ZEKAPI bench_Paint(ZEK_object *o)
{
    Win_GmodeSet(o);
    plan_draw(o, app.points, app.stations, app.count);
    Win_GmodeReset(o);
    Win_ScaleOff(o);
    return 0;
}

}  // namespace

int main()
{
    make_loop();
    const double compute = best(20, [](int) {
        traverse_compute(app.stations, app.count, &app.start, app.points, &app.result);
    });
    std::printf("compute %d stations: %10.1f us   (closing error %.6f m)\n", kStations,
                compute / 1e3, app.result.closing_error);

    Win_INIT(GetModuleHandleA(nullptr), nullptr);
    ZEK_object *w = Win_ctor2(nullptr);
    member<const char *>(w, "pClassName") = "ZekTraverseBench";
    member<const char *>(w, "pTitleName") = "traverse bench";
    member<int32_t>(w, "WinWdGx") = 900;
    member<int32_t>(w, "WinWdGy") = 700;
    ZEK_layer *layer = ZEK_layer_at(w, 1);
    layer->pSlot[ZEK_NameSearch(layer, "Paint")] = reinterpret_cast<ZEK_method_fn>(bench_Paint);
    if (Win_con(w, 0) != 0) {
        std::printf("the window could not be made\n");
        return 1;
    }
    HWND window = member<HWND>(w, "hWnd");
    UpdateWindow(window);
    const double draw = best(10, [window](int) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    });
    std::printf("draw the plan of %d stations (900 x 700 window): %10.1f us\n", kStations,
                draw / 1e3);
    const double both = best(10, [window](int) {
        traverse_compute(app.stations, app.count, &app.start, app.points, &app.result);
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    });
    std::printf("compute and draw %d stations: %10.1f us\n", kStations, both / 1e3);
    Win_Close(w);
    WinQuitLoopEx(w);
    ZEK_dtorC(w);
    return 0;
}
