// Win: pixels, clipped lines, boxes, marks and the point buffers.
#include <cstddef>

#include "zek2/survey.h"

#include "draw_common.h"
#include "raster/arcs.h"
#include "raster/point_buffer.h"

using namespace zek_draw;
using namespace zek_raster;

namespace {

static_assert(sizeof(PointI) == sizeof(POINT) && offsetof(POINT, y) == offsetof(PointI, y),
              "pixel points pass to GDI as they are");

const POINT *as_points(const PointI *p)
{
    return reinterpret_cast<const POINT *>(p);
}

int32_t line_i(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return win_call<kWinLineI>(object, x1, y1, x2, y2);
}

// The four corners, closed, as the box forms draw them.
void box_points(POINT (&p)[5], int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    p[0] = {x1, y1};
    p[1] = {x2, y1};
    p[2] = {x2, y2};
    p[3] = {x1, y2};
    p[4] = {x1, y1};
}

constexpr int32_t kMaxPolygons = 999;

}  // namespace

extern "C" int32_t ZEKAPI Win_Clip_ck(ZEK_object *object, int32_t *x1, int32_t *y1, int32_t *x2,
                                     int32_t *y2)
{
    Win_data *d = win_data_of(object);
    if (!d || !x1 || !y1 || !x2 || !y2)
        return 0;
    return clip_segment(view_rect(*d), *x1, *y1, *x2, *y2);
}

extern "C" int32_t ZEKAPI Win_PsetI(ZEK_object *object, int32_t x, int32_t y)
{
    Win_data *d = win_data_of(object);
    if (!d || x < d->Vx1 || x > d->Vx2 || y < d->Vy1 || y > d->Vy2)
        return 0;
    return SetPixel(d->hDC, x, y, drawing_colour(*d)) != COLORREF(-1) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_LineI(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (!win_call<kWinClip_ck>(object, &x1, &y1, &x2, &y2))
        return 0;
    if (x1 == x2 && y1 == y2)
        return win_call<kWinPsetI>(object, x1, y1);
    const POINT p[2] = {{x1, y1}, {x2, y2}};
    return Polyline(d->hDC, p, 2);
}

extern "C" int32_t ZEKAPI Win_LineBoxI(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    POINT p[5];
    box_points(p, x1, y1, x2, y2);
    return Polyline(d->hDC, p, 5);
}

extern "C" int32_t ZEKAPI Win_FillBoxI(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    POINT p[5];
    box_points(p, x1, y1, x2, y2);
    return Polygon(d->hDC, p, 5);
}

extern "C" int32_t ZEKAPI Win_MarkI(ZEK_object *object, int32_t x, int32_t y, double angle, int32_t type)
{
    if (!win_data_of(object))
        return 0;
    if (type == 0)
        return win_call<kWinPsetI>(object, x, y);
    const int64_t x64 = x, y64 = y;
    if (type == 1) {
        line_i(object, sat32(x64 - 1), y, sat32(x64 + 1), y);
        return line_i(object, x, sat32(y64 - 1), x, sat32(y64 + 1));
    }
    PointI h1 = {sat32(x64 - 3), y}, h2 = {sat32(x64 + 4), y};
    PointI v1 = {x, sat32(y64 - 3)}, v2 = {x, sat32(y64 + 4)};
    if (angle != 0) {
        // Computed per call: no cache shared between drawing threads.
        const int32_t c = trunc_sat(100 * cos_o(angle)), s = trunc_sat(100 * sin_o(angle));
        h1 = turn_mark_point(x, y, h1.x, h1.y, c, s, 100);
        h2 = turn_mark_point(x, y, h2.x, h2.y, c, s, 100);
        v1 = turn_mark_point(x, y, v1.x, v1.y, c, s, 100);
        v2 = turn_mark_point(x, y, v2.x, v2.y, c, s, 100);
    }
    line_i(object, h1.x, h1.y, h2.x, h2.y);
    return line_i(object, v1.x, v1.y, v2.x, v2.y);
}

extern "C" int32_t ZEKAPI Win_LineInit(ZEK_object *)
{
    thread_point_buffers().line.clear();
    return 0;
}

extern "C" int32_t ZEKAPI Win_LineSvI(ZEK_object *, int32_t x, int32_t y)
{
    return thread_point_buffers().line.append({x, y});
}

extern "C" int32_t ZEKAPI Win_BufPolylineI(ZEK_object *object)
{
    PointBuffer &line = thread_point_buffers().line;
    Win_data *d = win_data_of(object);
    int32_t result = 0;
    if (d && line.size() > 0) {
        if (line.size() == 1)
            line.append(line.data()[0]);
        result = Polyline(d->hDC, as_points(line.data()), line.size());
    }
    line.clear();
    return result;
}

extern "C" int32_t ZEKAPI Win_FillInit(ZEK_object *)
{
    thread_point_buffers().fill.clear();
    return 0;
}

extern "C" int32_t ZEKAPI Win_FillSvI(ZEK_object *, int32_t x, int32_t y)
{
    return thread_point_buffers().fill.append_unique({x, y});
}

extern "C" int32_t ZEKAPI Win_FillI(ZEK_object *object)
{
    PointBuffer &fill = thread_point_buffers().fill;
    Win_data *d = win_data_of(object);
    int32_t result = 0;
    if (d && fill.size() >= 3) {
        int32_t starts[kMaxPolygons], counts[kMaxPolygons];
        const int32_t polygons = split_polygons(fill.data(), fill.size(), starts, counts, kMaxPolygons);
        // Only a lone last point is ever dropped, so the polygons are
        // contiguous from the first.
        if (polygons > 0) {
            const int old = SetPolyFillMode(d->hDC, ALTERNATE);
            static_assert(sizeof(INT) == sizeof(int32_t), "counts pass as they are");
            result = PolyPolygon(d->hDC, as_points(fill.data() + starts[0]),
                                 reinterpret_cast<const INT *>(counts), polygons);
            if (old != ALTERNATE)
                SetPolyFillMode(d->hDC, WINDING);
        }
    }
    fill.clear();
    return result;
}
