// The button table's state machine on a plain record array: hit test,
// hover, press, release and group modes. The table's members it changes are
// passed in; the buttons to redraw are handed back, in drawing order.
#ifndef ZEK_FURNITURE_BUTTON_STATE_H
#define ZEK_FURNITURE_BUTTON_STATE_H

#include <cstdint>
#include <vector>

#include "button_record.h"

// The members of a table that the mouse changes.
struct AtrState {
    int32_t RunProc = -1;
    int32_t RunPos = -1;
    int32_t SelPos = -1;
    int32_t RvPos = -1;
    int32_t OpeRec = 0;
    int32_t OpeGroup = 0;
    int32_t OpeMode = 0;
    int16_t BefMode = 0;
};

// One redraw: DrawButton(index, hover, pressed).
struct AtrDraw {
    int32_t index;
    int32_t hover;
    int32_t pressed;
    bool operator==(const AtrDraw &o) const
    {
        return index == o.index && hover == o.hover && pressed == o.pressed;
    }
};
using AtrDraws = std::vector<AtrDraw>;

struct AtrButtons {
    AtrTable_button *rec;
    int32_t count;
};

// Frames from 109 on (fields, separators, gaps) are never hit.
constexpr int16_t kAtrFirstUnhit = 109;

// Index of the first hit button at (x, y), recording it in OpeRec..OpeMode,
// or -1 leaving them.
int32_t atr_hit(AtrButtons b, int32_t x, int32_t y, AtrState &s);

// Hover after the pointer moved onto button i (or -1); true when the hint
// timer should start for i.
bool atr_hover(AtrButtons b, int32_t i, AtrState &s, AtrDraws &draws);

// Press on i (from the hit test, -1 for none) with m the hit's group position.
// Returns i, or -1 when nothing was pressed.
int32_t atr_press(AtrButtons b, int32_t i, int32_t m, AtrState &s, AtrDraws &draws);

// Release with j the button under the pointer; the result LButtonUp gives.
int32_t atr_release(AtrButtons b, int32_t j, AtrState &s, AtrDraws &draws);

// The DrawButton1 calls of DrawButton(i, mode, pressed): a group member
// brings its group's new and previous selection (befMode) along.
void atr_group_draws(AtrButtons b, int32_t i, int32_t mode, int32_t pressed, int16_t befMode,
                     AtrDraws &out);

// Sets the mode cell of the group's first button; the old value, or 0 when
// no button has the group.
int32_t atr_set_group_mode(AtrButtons b, int32_t group, int32_t value, AtrState &s);

// Index of the first button with the command id, or -1.
int32_t atr_find_command(AtrButtons b, int32_t id);

// Shows the changed picture (mode non-zero) or the saved normal one.
void atr_switch_picture(AtrTable_button &r, int32_t mode);

// The distinct non-null bitmaps a record owns (at most four), for deletion.
int atr_owned_bitmaps(const AtrTable_button &r, void *out[4]);

// Copies a text field into dst (size bytes) bounded and terminated;
// returns the length copied.
size_t atr_copy_text(char *dst, size_t size, const char *field, size_t fieldSize);

#endif
