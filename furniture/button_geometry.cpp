// Button content and background positions.
#include "button_geometry.h"

#include <algorithm>

namespace {

int32_t sat(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

bool edged(int32_t frame) { return frame >= 101 && frame <= 106; }
bool field(int32_t frame) { return frame == 108 || frame == 109; }

}  // namespace

ButtonPoint text_origin(const AtrTable_button &b, bool pressed, int32_t rowHeight)
{
    const int64_t sx = b.sx, sy = b.sy, ox = b.ox, oy = b.oy;
    const bool text = b.bButtonType == 0;
    if (field(b.frame)) {
        if (text)
            return {sat(sx + 3), sat(sy + (int64_t(b.wy) - rowHeight) / 2 + 1)};
        return {sat(sx + ox + 2), sat(sy + oy + 2)};
    }
    int64_t x = sx + ox, y = sy + oy;
    if (pressed) {
        if (text && edged(b.frame))
            ++x, ++y;
        else if (text && b.frame == 107)
            y -= 2;
        else if (!text && (b.frame == 102 || b.frame == 105))
            ++x, ++y;
    }
    return {sat(x), sat(y)};
}

BackFill back_fill(const AtrTable_button &b, int32_t mode, AtrLayout &t)
{
    const int64_t sx = b.sx, sy = b.sy, ex = sx + b.wx, ey = sy + b.wy;
    int64_t r[4];
    bool select = false;
    if (edged(b.frame)) {
        r[0] = sx, r[1] = sy, r[2] = ex - 1, r[3] = ey - 1;
        select = mode == 2 && !b.hBmpUn;
    } else if (b.frame == 107) {
        r[0] = sx - 1, r[1] = sy - 3, r[2] = ex + 1, r[3] = ey;
    } else if (field(b.frame)) {
        r[0] = sx + 1, r[1] = sy + 1, r[2] = ex - 1, r[3] = ey - 1;
    } else {
        return {false, false};
    }
    t.ClsSx = sat(r[0]), t.ClsSy = sat(r[1]), t.ClsEx = sat(r[2]), t.ClsEy = sat(r[3]);
    return {true, select};
}
