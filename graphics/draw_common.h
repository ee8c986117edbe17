// Helpers shared by the drawing primitives of the Win class.
#ifndef ZEK_GRAPHICS_DRAW_COMMON_H
#define ZEK_GRAPHICS_DRAW_COMMON_H

#include <cstdint>

#include "zek2/platform.h"

#include "../survey/survey_internal.h"
#include "../window/win_call.h"
#include "raster/pixel.h"

namespace zek_draw {

// Brushes, pixels and text use the background colour in erase mode.
inline COLORREF drawing_colour(const Win_data &d)
{
    return d.Rop == 'R' ? d.BackColor : d.Color;
}

inline bool nt_platform()
{
    return GetOsPlatform() == 2;
}

// Factor from the program's angle unit (MathMode) to radians.
inline double angle_to_radians()
{
    const int mode = zek_survey::currentMode();
    return mode == 2 ? zek_survey::kDegToRad : mode == 3 ? zek_survey::kPi / 200.0 : 1.0;
}

using zek_raster::abs_sat;
using zek_raster::sat32;

inline zek_raster::ClipRect view_rect(const Win_data &d)
{
    return {d.Vx1, d.Vy1, d.Vx2, d.Vy2};
}

}  // namespace zek_draw

#endif
