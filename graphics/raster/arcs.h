// Ellipse arcs and marks on the pixel grid. Angles run clockwise from
// straight up: the point at angle a is (cx + rx sin a, cy - ry cos a).
// Arc ranges are in the program's angle unit; toRadians converts it (pi/180
// for degrees). The full-circle test and the range rules use 360 as given.
#ifndef ZEK_GRAPHICS_RASTER_ARCS_H
#define ZEK_GRAPHICS_RASTER_ARCS_H

#include <cstdint>

#include "pixel.h"

namespace zek_raster {

// Receives one pixel.
using PlotFn = void (*)(void *context, int32_t x, int32_t y);

// The arc from a1 to a2 is a full one: abs(a2 - a1 - 360) < 0.001.
bool arc_is_full(double a1, double a2);

// The polyline method of an arc: vertices i = 0..n, each with its index so
// the caller can apply the arc dash mask (bit i mod 16, most significant
// first). penWidth below 1 counts as 1. pixelsPerWorldY and worldPerPixelY
// are the window's plain-mapping factors of y (the chord limit of 2000 pixels
// is measured with them). The count is capped at 360, but the chord rule of
// huge radii may raise it to at most 4096; asin is fed at most 1; a
// degenerate, reversed or non-finite range gives the single vertex at a1.
struct ArcPolyline {
    int32_t cx, cy, rx, ry;
    double a1, a2, tilt;  // in the angle unit; tilt 0 means none
    double toRadians;
    int32_t penWidth;
    double pixelsPerWorldY, worldPerPixelY;
};
using VertexFn = void (*)(void *context, int32_t index, int32_t x, int32_t y);
// Returns the number of vertices emitted.
int32_t arc_polyline(const ArcPolyline &arc, VertexFn vertex, void *context);

// A full ellipse by the midpoint algorithm: four symmetric pixels a step
// (each pixel once). Radii above 32767 are not walked: callers draw those by
// the polyline method.
void midpoint_ellipse(int32_t cx, int32_t cy, int32_t rx, int32_t ry, PlotFn plot,
                      void *context);

// The styled arc routine: the ellipse traversed pixel by pixel clockwise,
// quadrant by quadrant from the top, plotting from the start point S to the
// end point E (the second arrival at E for a full arc; at most two turns).
// A pixel is plotted when bit c of mask is set, c counting down from 15 over
// every traversal pixel from S on. With tilt the pixel is turned about the
// centre (tilt in the angle unit, 0 for none).
struct StyledArc {
    int32_t cx, cy, rx, ry;
    double a1, a2, tilt;
    double toRadians;
    uint16_t mask;
};
void styled_arc(const StyledArc &arc, PlotFn plot, void *context);

// End point of a mark stroke turned about (x, y): with C = trunc(scale cos),
// S = trunc(scale sin) for the mark's angle, scale 100 or 1000.
PointI turn_mark_point(int32_t x, int32_t y, int32_t px, int32_t py, int32_t c, int32_t s,
                       int32_t scale);

}  // namespace zek_raster

#endif
