// Win: filled ellipses and ellipse arcs.
#include <cmath>

#include "draw_common.h"
#include "raster/arcs.h"
#include "raster/dash_tables.h"

using namespace zek_draw;
using namespace zek_raster;

namespace {

constexpr int64_t kGdi16 = 32767;

void plot_pset(void *context, int32_t x, int32_t y)
{
    win_call<kWinPsetI>(static_cast<ZEK_object *>(context), x, y);
}

// Runs of drawn vertices go out as polylines through the point buffer.
struct DashedRun {
    ZEK_object *object;
    uint16_t mask;
    bool open;
};

void flush(DashedRun &run)
{
    if (run.open)
        win_call<kWinBufPolylineI>(run.object);
    run.open = false;
}

void dashed_vertex(void *context, int32_t index, int32_t x, int32_t y)
{
    DashedRun &run = *static_cast<DashedRun *>(context);
    if (!(run.mask & (0x8000u >> (index & 15)))) {
        flush(run);
        return;
    }
    if (!run.open)
        win_call<kWinLineInit>(run.object);
    run.open = true;
    win_call<kWinLineSvI>(run.object, x, y);
}

void polyline_method(ZEK_object *object, const Win_data &d, int32_t cx, int32_t cy, int32_t rx,
                     int32_t ry, double a1, double a2, double tilt)
{
    const ArcPolyline arc = {cx, cy, rx, ry, a1, a2, tilt, angle_to_radians(), d.PenWidth,
                             d.dWvy, d.dVwy};
    DashedRun run = {object, arc_dash_mask(d.PenType), false};
    arc_polyline(arc, dashed_vertex, &run);
    flush(run);
}

PointI arc_point(int32_t cx, int32_t cy, int32_t rx, int32_t ry, double a)
{
    return {trunc_sat(double(cx) + std::trunc(rx * std::sin(a))),
            trunc_sat(double(cy) - std::trunc(ry * std::cos(a)))};
}

}  // namespace

extern "C" int32_t ZEKAPI Win_FillCirI(ZEK_object *object, int32_t cx, int32_t cy, int32_t rx, int32_t ry)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int64_t ax = abs_sat(rx), ay = abs_sat(ry);
    const int64_t l = int64_t(cx) - ax, t = int64_t(cy) - ay;
    const int64_t r = int64_t(cx) + ax + 1, b = int64_t(cy) + ay + 1;
    if (!nt_platform() && (std::llabs(l) > kGdi16 || std::llabs(t) > kGdi16 ||
                           std::llabs(r) > kGdi16 || std::llabs(b) > kGdi16))
        return 0;
    return Ellipse(d->hDC, sat32(l), sat32(t), sat32(r), sat32(b));
}

extern "C" int32_t ZEKAPI Win_CircleI(ZEK_object *object, int32_t cx, int32_t cy, int32_t rx,
                                     int32_t ry, double a1, double a2, double tilt)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    rx = abs_sat(rx);
    ry = abs_sat(ry);
    if (rx == 0)
        rx = 1;
    if (ry == 0)
        ry = 1;
    if (rx < 2 && ry < 2)
        return win_call<kWinPsetI>(object, cx, cy);
    const bool full = arc_is_full(a1, a2);
    const int64_t x = cx, y = cy;
    const bool large = std::llabs(x) > kGdi16 || std::llabs(y) > kGdi16 || rx > kGdi16 ||
                       ry > kGdi16 || std::llabs(x - rx) > kGdi16 || std::llabs(y - ry) > kGdi16 ||
                       std::llabs(x + 1 + rx) > kGdi16 || std::llabs(y + 1 + ry) > kGdi16;
    if (large) {
        polyline_method(object, *d, cx, cy, rx, ry, a1, a2, tilt);
        return 1;
    }
    const double toRad = angle_to_radians();
    const int32_t type = pen_type_index(d->PenType);
    if (rx > 1 && ry > 1) {
        const bool nt = nt_platform();
        if (tilt == 0 && (nt || type < 1)) {
            const PointI p1 = arc_point(cx, cy, rx, ry, a1 * toRad);
            const PointI p2 = full ? p1 : arc_point(cx, cy, rx, ry, a2 * toRad);
            if (!full && (a2 - a1) * toRad < zek_survey::kPi && p1.x == p2.x && p1.y == p2.y)
                return win_call<kWinPsetI>(object, p1.x, p1.y);
            // GDI's counter-clockwise sweep from P2 to P1 is the clockwise
            // sweep from a1 to a2; the direction is set for the call.
            const int oldDirection = SetArcDirection(d->hDC, AD_COUNTERCLOCKWISE);
            const int32_t result = Arc(d->hDC, cx - rx, cy - ry, cx + 1 + rx, cy + 1 + ry, p2.x,
                                       p2.y, p1.x, p1.y);
            if (oldDirection && oldDirection != AD_COUNTERCLOCKWISE)
                SetArcDirection(d->hDC, oldDirection);
            return result;
        }
        if (tilt == 0 && !nt && d->PenWidth <= 1) {
            styled_arc({cx, cy, rx, ry, a1, a2, 0, toRad, arc_dash_mask(type)}, plot_pset, object);
            return 1;
        }
        polyline_method(object, *d, cx, cy, rx, ry, a1, a2, tilt);
        return 1;
    }
    // A flat ellipse: pixel by pixel.
    if (full && type == 0)
        midpoint_ellipse(cx, cy, rx, ry, plot_pset, object);
    else
        styled_arc({cx, cy, rx, ry, a1, a2, tilt, toRad, arc_dash_mask(type)}, plot_pset, object);
    return 1;
}
