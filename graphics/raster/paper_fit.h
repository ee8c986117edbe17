// World/view arithmetic of a Win: the plain linear mapping between pixels and
// world doubles, and the survey-paper window fitted to the drawing area.
// Pure arithmetic; every pixel result saturates, and a fit that would divide
// by a zero extent is refused instead of producing infinities.
#ifndef ZEK_GRAPHICS_RASTER_PAPER_FIT_H
#define ZEK_GRAPHICS_RASTER_PAPER_FIT_H

#include <cstdint>

namespace zek_raster {

// trunc((world - origin) * factor) + pixelOrigin, saturated to 32 bits.
int32_t world_to_pixel(double world, double origin, double factor, int32_t pixelOrigin);
// a + b saturated to 32 bits.
int32_t add_sat(int32_t a, int32_t b);

// Factors of the plain mapping of pixels first..last (inclusive) onto world
// w1..w2: world per pixel and pixels per world. An empty pixel or world range
// gives 0 for a factor that would be infinite or not a number, so that axis
// collapses onto its origin.
struct AxisFactors {
    double worldPerPixel;
    double pixelsPerWorld;
};
AxisFactors axis_factors(int32_t first, int32_t last, double w1, double w2);

// A survey window: X (up the screen) from sx to mx, Y (right) from sy to my.
struct WorldRect {
    double sx, sy, mx, my;
};

// The rectangle with its corners ordered.
WorldRect ordered_rect(double x1, double y1, double x2, double y2);

// Fits r (ordered) into an area of areaW x areaH pixels: centred, wholly
// visible, square pixels. False, out untouched, when the area has no width or
// height, r has neither, or anything is not finite.
bool fit_rect(const WorldRect &r, double areaW, double areaH, WorldRect &out);

// The survey-mapping values derived from a window and the area.
struct PaperScale {
    double dWdWx, dWdWy;    // world width (Y extent), height (X extent)
    double zwSclX, zwSclY;  // world per pixel
    double wzSclX, wzSclY;  // pixels per world
};
// False, out untouched, when the window or the area is empty or not finite.
bool paper_scale(const WorldRect &w, double areaW, double areaH, PaperScale &out);

// Resize modes 1-8: moves the free edges of w to the area at the present
// scale (1 keep right, 2 left, 3 bottom, 4 bottom-right, 5 bottom-left,
// 6 top, 7 top-right, 8 top-left). False, w untouched, for another mode or
// when a result would not be finite.
bool keep_edges(int32_t mode, WorldRect &w, double areaW, double areaH, double zwSclX,
                double zwSclY);

// Pen width in pixels of a nominal width in 1/110 world unit; at least 1.
int32_t line_width_pixels(double width, double wzSclX);

}  // namespace zek_raster

#endif
