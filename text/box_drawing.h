// What the boxes and etched lines share: the context they draw on, copy mode
// with one-pixel solid pens, and the text colours the pens must not take.
#ifndef ZEK_TEXT_BOX_DRAWING_H
#define ZEK_TEXT_BOX_DRAWING_H

#include <cstdint>

#include "../graphics/dc_scope.h"
#include "../window/win_call.h"

namespace zek_boxes {

// One box or line holds the window's context for its whole drawing, through
// the SetHDC/ResetHDC slots. Inside painting, graphics mode, the open bitmap
// or a program's own SetHDC the context is already held: the hold is only
// counted and the last pen stays selected, the object's, released when that
// hold ends. Otherwise the window's context is taken for the call and, at
// its end, the pens chosen meanwhile are put out of it and deleted before it
// is given back, and the object's earlier pen state returns.
class BoxContext {
public:
    BoxContext(ZEK_object *object, Win_data &d) : scope_(object, d), object_(object), d_(d)
    {
        win_call<kWinSetRop>(object, int32_t('N'));
    }
    // Without a window there is nothing to draw on.
    bool ready() const { return d_.hDC != nullptr; }
    void pen(COLORREF colour) { win_call<kWinSetPen>(object_, colour, int32_t(0), int32_t(1)); }
    // Straight to the held context, in the present pen.
    void polyline(const POINT (&p)[3]) { Polyline(d_.hDC, p, 3); }

private:
    DcScope scope_;
    ZEK_object *object_;
    Win_data &d_;
};

// SetPen makes each pen colour the drawing colour; the text colours a box
// leaves are put back through the Color slot when this ends.
class KeepTextColours {
public:
    KeepTextColours(ZEK_object *object, const Win_data &d)
        : object_(object), fore_(d.Color), back_(d.BackColor) {}
    KeepTextColours(ZEK_object *object, COLORREF fore, COLORREF back)
        : object_(object), fore_(fore), back_(back) {}
    ~KeepTextColours() { win_call<kWinColor>(object_, fore_, back_); }
    KeepTextColours(const KeepTextColours &) = delete;
    KeepTextColours &operator=(const KeepTextColours &) = delete;

private:
    ZEK_object *object_;
    COLORREF fore_, back_;
};

// v + by, held to the 32-bit range.
inline int32_t off(int32_t v, int64_t by)
{
    const int64_t r = int64_t(v) + by;
    return r > INT32_MAX ? INT32_MAX : r < INT32_MIN ? INT32_MIN : int32_t(r);
}

}  // namespace zek_boxes

#endif
