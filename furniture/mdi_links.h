// The MDI frame and its children inside the library: the children's window
// procedure and the links between a frame and its children.
#ifndef ZEK_FURNITURE_MDI_LINKS_H
#define ZEK_FURNITURE_MDI_LINKS_H

#include "mdi_rules.h"
#include "../window/win_call.h"
#include "../window/win_lifetime.h"

// The frame owns its children (pMdiChild, made by InitMdiWnd); a child knows
// its frame through pMother. When a Win's layer is released, a frame deletes
// the children it still holds and a child leaves its frame's slot, so no slot
// ever names a deleted object.
void mdi_release_links(ZEK_object *object, Win_data &d);

// The window procedure of "MdiClass".
LRESULT CALLBACK mdi_child_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The child's frame while it is a live Win, else null.
inline ZEK_object *mdi_frame_of(const Win_data &child)
{
    return win_is_live(child.pMother) ? child.pMother : nullptr;
}

// Calls fn(child, number) for each child the frame holds, in number order. A
// call may delete children or the frame: each step looks again.
template <typename Fn>
void mdi_for_each_child(ZEK_object *frame, Fn fn)
{
    for (int32_t n = 0; n < kMdiChildren; ++n) {
        Win_data *d = win_is_live(frame) ? win_data_of(frame) : nullptr;
        if (!d)
            return;
        if (ZEK_object *child = d->pMdiChild[n])
            fn(child, n);
    }
}

#endif
