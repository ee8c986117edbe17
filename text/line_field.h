// What the line editor's methods share: the field's cursor cell and its
// kind. The edited text is always sBuf (pBuf is only its published address).
#ifndef ZEK_TEXT_LINE_FIELD_H
#define ZEK_TEXT_LINE_FIELD_H

#include "edit_model.h"
#include "../window/win_call.h"

// The print position to the cursor's cell of the field.
inline void field_to_cursor(ZEK_object *object, const Win_data &d)
{
    win_call<kWinCursorG>(object, d.InpStGx, d.InpStGy, d.InpNx - d.InpXOff, d.InpNy);
}

// A scrolling field: its text may be longer than the cells that show it.
inline bool field_scrolls(const Win_data &d) { return d.InpMaxS != 0; }

// The visible cells of the field.
inline int32_t field_width(const Win_data &d) { return zek_edit::bounded(d.InpMax); }

// The buffer ends within its 129 bytes whatever a program wrote into it.
inline char *field_text(Win_data &d)
{
    d.sBuf[zek_edit::kMaxText] = 0;
    return d.sBuf;
}

// Removes the selected columns (a typed character or a cut takes their
// place): the cursor goes to the selection start, the selection ends, a
// scrolling field shows the cursor again, and the field is redrawn.
void field_remove_selection(ZEK_object *object, Win_data &d);

#endif
