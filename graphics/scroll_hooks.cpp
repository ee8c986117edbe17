// Win: the scroll hooks. The library leaves redrawing after a scroll to the
// program, which overwrites these by name; only the end of a scroll has a
// behaviour of its own.
#include "../window/win_call.h"
#include "zek2/keys.h"

// The thumb was released at pos; the last track already moved there.
extern "C" void ZEKAPI Win_VSliderPosition(ZEK_object *, int32_t)
{
}

extern "C" void ZEKAPI Win_HSliderPosition(ZEK_object *, int32_t)
{
}

// Redraw after a vertical scroll by delta program units (negative: towards
// the top).
extern "C" void ZEKAPI Win_DrawVScroll(ZEK_object *, int32_t)
{
}

// Redraw after a horizontal scroll by delta bar units.
extern "C" void ZEKAPI Win_DrawHScroll(ZEK_object *, int32_t)
{
}

// A scroll was asked for at the end of the range, or a track to where the
// thumb already is.
extern "C" void ZEKAPI Win_DrawNotScroll(ZEK_object *)
{
}

// A scroll ended: the loop waiting for keys learns that the view moved.
extern "C" void ZEKAPI Win_DrawEndScroll(ZEK_object *object)
{
    if (const Win_data *d = win_data_of(object))
        win_post_key(*d, ZEK_CMD_SCROLLED);
}
