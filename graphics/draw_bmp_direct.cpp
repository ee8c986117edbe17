// Win: direct writes into the pixel memory of the off-screen bitmap.
#include "zek2/survey.h"

#include "draw_common.h"
#include "raster/arcs.h"
#include "raster/dash_tables.h"
#include "raster/direct_bitmap.h"
#include "raster/point_buffer.h"

using zek_raster::DirectBitmap;

namespace {

// The bitmap as made; without one (not made, creation failed, or freed on
// destruction) the bits are null and nothing is written.
DirectBitmap target(const Win_data &d)
{
    DirectBitmap b{};
    b.bits = d.hBmp ? static_cast<uint8_t *>(d.pjBits) : nullptr;
    b.stride = d.bBmpWx;
    b.width = d.bScrWx;
    b.rows = d.bScrWy < d.bBmpWy ? d.bScrWy : d.bBmpWy;
    b.originRow = d.Vy2;
    b.view = zek_raster::ClipRect{d.Vx1, d.Vy1, d.Vx2, d.Vy2};
    return b;
}

// Erase mode writes the background; on a white background black and white
// trade places so that a figure drawn for a black screen stays visible.
uint32_t direct_colour(const Win_data &d, COLORREF colour)
{
    if (d.Rop == 'R')
        return d.BackColor;
    if (d.BackColor == 0xFFFFFF) {
        if (colour == 0xFFFFFF)
            return 0;
        if (colour == 0)
            return 0xFFFFFF;
    }
    return colour;
}

struct Plot {
    DirectBitmap bitmap;
    uint32_t colour;
};

void plot_direct(void *context, int32_t x, int32_t y)
{
    const Plot *p = static_cast<const Plot *>(context);
    zek_raster::direct_plot(p->bitmap, x, y, p->colour);
}

struct PlotSlot {
    ZEK_object *object;
    COLORREF colour;
};

void plot_through_slot(void *context, int32_t x, int32_t y)
{
    const PlotSlot *p = static_cast<const PlotSlot *>(context);
    win_call<kWinDrawBmpPsetAsm>(p->object, x, y, p->colour);
}

}  // namespace

extern "C" void ZEKAPI Win_DrawBmpPsetAsm(ZEK_object *object, int32_t x, int32_t y,
                                          COLORREF colour)
{
    if (Win_data *d = win_data_of(object))
        zek_raster::direct_plot(target(*d), x, y, direct_colour(*d, colour));
}

extern "C" int32_t ZEKAPI Win_DrawBmpLineAsm(ZEK_object *object, int32_t x1, int32_t y1,
                                             int32_t x2, int32_t y2, int32_t type,
                                             COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    return zek_raster::direct_line(target(*d), x1, y1, x2, y2,
                                   zek_raster::direct_line_pattern(type),
                                   direct_colour(*d, colour));
}

extern "C" void ZEKAPI Win_DrawBmpLineBoxAsm(ZEK_object *object, int32_t x1, int32_t y1,
                                             int32_t x2, int32_t y2, int32_t type,
                                             COLORREF colour)
{
    win_call<kWinDrawBmpLineAsm>(object, x1, y1, x1, y2, type, colour);
    win_call<kWinDrawBmpLineAsm>(object, x1, y2, x2, y2, type, colour);
    win_call<kWinDrawBmpLineAsm>(object, x2, y2, x2, y1, type, colour);
    win_call<kWinDrawBmpLineAsm>(object, x2, y1, x1, y1, type, colour);
}

extern "C" void ZEKAPI Win_DrawBmpPolylineAsm(ZEK_object *object, int32_t type, COLORREF colour)
{
    zek_raster::PointBuffer &line = zek_raster::thread_point_buffers().line;
    // Indexed afresh each step: an overwritten LineAsm may use the buffer.
    for (int32_t i = 0; i + 1 < line.size(); ++i) {
        const zek_raster::PointI a = line.data()[i], b = line.data()[i + 1];
        win_call<kWinDrawBmpLineAsm>(object, a.x, a.y, b.x, b.y, type, colour);
    }
    line.clear();
}

extern "C" void ZEKAPI Win_DrawBmpMarkAsm(ZEK_object *object, int32_t x, int32_t y, double angle,
                                          int32_t type, COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const bool bigDot = type == 1 && win_call<kWinGetLineW>(object, 20.0) > 1;
    const bool turned = angle != 0.0;
    const int32_t c = turned ? zek_raster::trunc_sat(1000.0 * cos_o(angle)) : 1000;
    const int32_t s = turned ? zek_raster::trunc_sat(1000.0 * sin_o(angle)) : 0;
    zek_raster::direct_mark(target(*d), x, y, type, bigDot, turned, c, s,
                            direct_colour(*d, colour));
}

extern "C" void ZEKAPI Win_DrawBmpCircleAsm(ZEK_object *object, int32_t cx, int32_t cy,
                                            int32_t rx, int32_t ry, double a1, double a2,
                                            double tilt, int32_t type, COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (zek_raster::arc_is_full(a1, a2) && type == 0 && tilt == 0.0) {
        Plot p{target(*d), direct_colour(*d, colour)};
        zek_raster::midpoint_ellipse(cx, cy, rx, ry, plot_direct, &p);
        return;
    }
    // A circle looks the same turned; its tilt is ignored.
    zek_raster::StyledArc arc{cx, cy, rx, ry, a1, a2, rx == ry ? 0.0 : tilt,
                              zek_draw::angle_to_radians(), zek_raster::arc_dash_mask(type)};
    PlotSlot p{object, colour};
    zek_raster::styled_arc(arc, plot_through_slot, &p);
}
