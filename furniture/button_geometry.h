// Where a button's content and background go when it is drawn: pure
// arithmetic for the painting code. No Windows here: built and tested natively.
#ifndef ZEK_FURNITURE_BUTTON_GEOMETRY_H
#define ZEK_FURNITURE_BUTTON_GEOMETRY_H

#include <cstdint>

#include "button_layout.h"
#include "button_record.h"

struct ButtonPoint {
    int32_t x, y;
};
// Where the text or bitmap starts (CurGx, CurGy); rowHeight is the cell height.
ButtonPoint text_origin(const AtrTable_button &b, bool pressed, int32_t rowHeight);

// The background fill of a button drawn in mode (0 normal, 1 hover, 2
// selected): whether there is one, whether it takes the selection colours,
// and its inclusive corners, also stored in ClsSx ... ClsEy when it is made.
struct BackFill {
    bool fill;
    bool select;
};
BackFill back_fill(const AtrTable_button &b, int32_t mode, AtrLayout &t);

#endif
