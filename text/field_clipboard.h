// The clipboard keys of an edited field (Ctrl+C, Ctrl+X, Ctrl+V) and the
// actions that the field's right-button menus share with them.
#ifndef ZEK2_TEXT_FIELD_CLIPBOARD_H
#define ZEK2_TEXT_FIELD_CLIPBOARD_H

#include "../window/win_data.h"

// Copies the selected bytes of the field with their NUL to the clipboard as
// CF_TEXT (through the SetClipbrd slot); with cut, also removes them, puts
// the cursor at the selection start and redraws. Nothing while no selection
// is being made (flInpSelMode != 1). Returns 0, the result of a handled key.
int32_t field_copy_selection(ZEK_object *object, Win_data &d, bool cut);

// The same whatever the selection state: the right-button menu offers it
// for any selection still shown.
int32_t field_copy_range(ZEK_object *object, Win_data &d, bool cut);

// Posts the clipboard text (through the GetClipbrd slot) to the window as
// typed characters. Returns 0.
int32_t field_paste(ZEK_object *object, Win_data &d);

#endif
