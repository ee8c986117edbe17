// A window's buttons addressed by command id, as the Win button methods
// share them.
#ifndef ZEK_FURNITURE_WIN_BUTTON_LOOKUP_H
#define ZEK_FURNITURE_WIN_BUTTON_LOOKUP_H

#include <cstdint>

#include "atr_table.h"

struct WinButton {
    ZEK_object *table;
    AtrTable_data *d;
    AtrButtons all;
    int32_t index;
    AtrTable_button *rec;
};

// The window's button table, or null when it has none of the table's class.
ZEK_object *win_button_table(ZEK_object *w);

// The button with the command id, found through w's GetButtonTbl slot (an
// index a replacement gives is checked against the records); false when w
// has no such button.
bool win_button(ZEK_object *w, int32_t id, WinButton *out);

// The mode cell a button shows: the group's, else its own.
inline int16_t *mode_cell(AtrTable_button &r)
{
    return r.pMode ? r.pMode : &r.pModeD;
}

#endif
