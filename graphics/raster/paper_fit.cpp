// World/view arithmetic: plain mapping, paper fit, resize modes.
#include "paper_fit.h"

#include <algorithm>
#include <cmath>

#include "pixel.h"

namespace zek_raster {

namespace {

bool finite(double a) { return std::isfinite(a); }
bool finite(const WorldRect &r)
{
    return finite(r.sx) && finite(r.sy) && finite(r.mx) && finite(r.my);
}
// A usable extent: finite and not zero.
bool extent(double a) { return finite(a) && a != 0.0; }
double or_zero(double a) { return finite(a) ? a : 0.0; }

}  // namespace

int32_t add_sat(int32_t a, int32_t b)
{
    return sat32(int64_t(a) + b);
}

int32_t world_to_pixel(double world, double origin, double factor, int32_t pixelOrigin)
{
    return add_sat(trunc_sat((world - origin) * factor), pixelOrigin);
}

AxisFactors axis_factors(int32_t first, int32_t last, double w1, double w2)
{
    const double pixels = double(int64_t(last) - first + 1);
    const double range = w2 - w1;
    return AxisFactors{or_zero(range / pixels), or_zero(pixels / range)};
}

WorldRect ordered_rect(double x1, double y1, double x2, double y2)
{
    return WorldRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

bool fit_rect(const WorldRect &r, double areaW, double areaH, WorldRect &out)
{
    if (!(extent(areaW) && extent(areaH) && areaW > 0 && areaH > 0 && finite(r)))
        return false;
    const WorldRect o = ordered_rect(r.sx, r.sy, r.mx, r.my);
    const double cX = (o.sx + o.mx) * 0.5, cY = (o.sy + o.my) * 0.5;
    const double WX = o.mx - o.sx, WY = o.my - o.sy;
    if (!(WX > 0 || WY > 0))
        return false;
    double t, u;
    // A rectangle of no height is never flatter than the area: the width decides.
    if (WY > 0 && WX / WY < areaH / areaW) {
        t = WY * areaH / areaW * 0.5;
        u = WY * 0.5;
    } else {
        t = WX * 0.5;
        u = WX * areaW / areaH * 0.5;
    }
    const WorldRect f{cX - t, cY - u, cX + t, cY + u};
    if (!finite(f) || !(f.mx > f.sx) || !(f.my > f.sy))
        return false;
    out = f;
    return true;
}

bool paper_scale(const WorldRect &w, double areaW, double areaH, PaperScale &out)
{
    const double ww = w.my - w.sy, wh = w.mx - w.sx;
    if (!(extent(ww) && extent(wh) && extent(areaW) && extent(areaH) && areaW > 0 && areaH > 0))
        return false;
    const PaperScale s{ww, wh, ww / areaW, wh / areaH, areaW / ww, areaH / wh};
    if (!(extent(s.zwSclX) && extent(s.zwSclY) && extent(s.wzSclX) && extent(s.wzSclY)))
        return false;
    out = s;
    return true;
}

bool keep_edges(int32_t mode, WorldRect &w, double areaW, double areaH, double zwSclX,
                double zwSclY)
{
    if (mode < 1 || mode > 8 || !(areaW > 0 && areaH > 0))
        return false;
    const bool vertical = mode >= 3;  // 3-8 move the top or the bottom
    const bool horizontal = mode != 3 && mode != 6;
    if ((vertical && !extent(zwSclY)) || (horizontal && !extent(zwSclX)))
        return false;
    WorldRect n = w;
    if (mode >= 3 && mode <= 5)
        n.mx = n.sx + zwSclY * areaH;  // bottom stays
    else if (mode >= 6)
        n.sx = n.mx - zwSclY * areaH;  // top stays
    if (mode == 1 || mode == 4 || mode == 7)
        n.sy = n.my - zwSclX * areaW;  // right stays
    else if (mode == 2 || mode == 5 || mode == 8)
        n.my = n.sy + zwSclX * areaW;  // left stays
    if (!finite(n) || n.mx == n.sx || n.my == n.sy)
        return false;
    w = n;
    return true;
}

int32_t line_width_pixels(double width, double wzSclX)
{
    const int32_t n = trunc_sat(width * wzSclX * 0.00909090909090909);
    return n < 1 ? 1 : n;
}

}  // namespace zek_raster
