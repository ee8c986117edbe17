// The small pop-up list that a field's right-button menus show.
#ifndef ZEK2_TEXT_FIELD_POPUP_H
#define ZEK2_TEXT_FIELD_POPUP_H

#include "../window/win_data.h"

// The window class of the pop-up list.
extern const char kFieldPopupClass[];

// Shows count (3 or 4) items in a pop-up owned by the field's window,
// below-left of the mouse above the field, and waits for a choice on this
// thread. Returns the item chosen (1 .. count), or 0 when cancelled (Esc,
// Alt+F4, a right click on the list, a press elsewhere in the field's window).
int32_t field_popup_choose(ZEK_object *field, Win_data &d, const char *const *items,
                           int32_t count);

#endif
