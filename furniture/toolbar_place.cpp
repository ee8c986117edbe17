// Toolbar placement arithmetic.
#include "toolbar_place.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

int32_t sat(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int32_t bars_in(const DockedBar *bars, int32_t count)
{
    return bars && count > 0 ? count : 0;
}

}  // namespace

int32_t dock_append_x(const DockedBar *others, int32_t count)
{
    int64_t x = 0;
    for (int32_t i = 0, n = bars_in(others, count); i < n; ++i)
        x += others[i].width;
    return sat(x);
}

void dock_repack(DockedBar *bars, int32_t count, int32_t *order)
{
    const int32_t n = bars_in(bars, count);
    std::vector<int32_t> at(size_t(n), 0);
    std::iota(at.begin(), at.end(), 0);
    std::stable_sort(at.begin(), at.end(), [bars](int32_t a, int32_t b) {
        if (bars[a].x != bars[b].x)
            return bars[a].x < bars[b].x;
        return bars[a].dropped && !bars[b].dropped;
    });
    int64_t x = 0;
    for (int32_t k = 0; k < n; ++k) {
        DockedBar &bar = bars[at[size_t(k)]];
        bar.x = sat(x);
        x += bar.width;
        if (order)
            order[k] = at[size_t(k)];
    }
}

void dock_close_gap(DockedBar *bars, int32_t count, int32_t gapX, int32_t gapWidth)
{
    for (int32_t i = 0, n = bars_in(bars, count); i < n; ++i)
        if (bars[i].x > gapX)
            bars[i].x = sat(int64_t(bars[i].x) - gapWidth);
}

bool drop_docks(const PlaceRect &owner, int32_t x, int32_t y)
{
    return owner.left <= x && x < owner.right && owner.top <= y && y < owner.bottom;
}

PlacePoint keep_bar_on_screen(int32_t x, int32_t y, int32_t width, int32_t height,
                              int32_t screenW, int32_t screenH)
{
    constexpr int32_t kBottomBand = 20, kBackY = 103;
    PlacePoint p{x, y};
    if (int64_t(x) + width <= 0)
        p.x = 0;
    else if (x >= screenW)
        p.x = sat(int64_t(screenW) - width);
    if (int64_t(y) + height <= 0)
        p.y = 0;
    else if (int64_t(y) >= int64_t(screenH) - kBottomBand)
        p.y = kBackY;
    return p;
}
