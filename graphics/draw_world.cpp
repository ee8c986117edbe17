// Win: the world-coordinate forms of the drawing primitives. Each converts
// through the object's mapping slots and calls its pixel form's slot.
#include <utility>

#include "draw_common.h"

using namespace zek_draw;

namespace {

int32_t vx(ZEK_object *o, double x)
{
    return win_call<kWinWldToVewX>(o, x);
}

int32_t vy(ZEK_object *o, double y)
{
    return win_call<kWinWldToVewY>(o, y);
}

}  // namespace

extern "C" int32_t ZEKAPI Win_Pset(ZEK_object *object, double x, double y)
{
    return win_call<kWinPsetI>(object, vx(object, x), vy(object, y));
}

extern "C" int32_t ZEKAPI Win_Line(ZEK_object *object, double x1, double y1, double x2, double y2)
{
    return win_call<kWinLineI>(object, vx(object, x1), vy(object, y1), vx(object, x2),
                               vy(object, y2));
}

extern "C" int32_t ZEKAPI Win_LineBox(ZEK_object *object, double x1, double y1, double x2, double y2)
{
    return win_call<kWinLineBoxI>(object, vx(object, x1), vy(object, y1), vx(object, x2),
                                  vy(object, y2));
}

extern "C" int32_t ZEKAPI Win_FillBox(ZEK_object *object, double x1, double y1, double x2, double y2)
{
    return win_call<kWinFillBoxI>(object, vx(object, x1), vy(object, y1), vx(object, x2),
                                  vy(object, y2));
}

extern "C" int32_t ZEKAPI Win_LineSv(ZEK_object *object, double x, double y)
{
    return win_call<kWinLineSvI>(object, vx(object, x), vy(object, y));
}

extern "C" int32_t ZEKAPI Win_FillSv(ZEK_object *object, double x, double y)
{
    return win_call<kWinFillSvI>(object, vx(object, x), vy(object, y));
}

extern "C" int32_t ZEKAPI Win_Mark(ZEK_object *object, double x, double y, double angle, int32_t type)
{
    return win_call<kWinMarkI>(object, vx(object, x), vy(object, y), angle, type);
}

extern "C" int32_t ZEKAPI Win_FillCir(ZEK_object *object, double cx, double cy, double rx, double ry)
{
    int32_t x = 0, y = 0;
    win_call<kWinWldToVewXY>(object, cx, cy, &x, &y);
    const int32_t px = win_call<kWinGetVewWX>(object, rx);
    const int32_t py = win_call<kWinGetVewWY>(object, ry);
    return win_call<kWinFillCirI>(object, x, y, px, py);
}

extern "C" int32_t ZEKAPI Win_Circle(ZEK_object *object, double cx, double cy, double rx, double ry,
                                    double a1, double a2, double tilt)
{
    if (rx < 0) {
        std::swap(a1, a2);
        rx = -rx;
        ry = ry < 0 ? -ry : ry;
    }
    if (a1 > a2)
        a2 += 360;
    const int32_t px = abs_sat(win_call<kWinGetVewWX>(object, rx));
    const int32_t py = abs_sat(win_call<kWinGetVewWY>(object, ry));
    return win_call<kWinCircleI>(object, vx(object, cx), vy(object, cy), px, py, a1, a2,
                                 tilt);
}
