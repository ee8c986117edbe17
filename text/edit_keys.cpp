// Win: the editing keys of a field and the primitives they run.
#include <cstring>

#include "field_clipboard.h"
#include "line_field.h"
#include "zek2/keys.h"
#include "zek2/text.h"

using namespace zek_edit;

namespace {

constexpr int32_t kShift = ZEK_KEY_SPECIAL | ZEK_KEY_SHIFT, kCtrl = ZEK_KEY_CTRL;

// The program's key table, checked before every key of the editor's own.
bool table_key(ZEK_object *object, const Win_data &d, int32_t *result)
{
    const auto *row = static_cast<const Win_key_row *>(d.pKeyTable);
    for (; row && row->key != 0; ++row)
        if (row->key == d.InpKey && row->handler) {
            *result = row->handler(object);
            return true;
        }
    return false;
}

// Shift+Left and Shift+Right: the plain move, from an anchor kept while
// the selection is being made.
int32_t select_move(ZEK_object *object, Win_data &d, bool right)
{
    if (d.InpMax == 0)
        return 0;
    if (d.flInpSelMode != 1)
        d.InpSelStCx = d.InpNx;
    d.flInpSelMode = 0;
    right ? win_call<kWinRight>(object) : win_call<kWinLeft>(object);
    d.flInpSelMode = 1;
    return 0;
}

// Shift+Page Up and Shift+Page Down: the cursor to an end of the text, and
// the key ends the input.
int32_t jump(ZEK_object *object, Win_data &d, bool toEnd)
{
    const char *text = field_text(d);
    d.InpNx = toEnd ? column_of(text, length(text), d.TabStep) : 0;
    if (field_scrolls(d)) {
        const int32_t xoff = xoff_showing(d.InpXOff, d.InpNx, field_width(d));
        if (xoff != d.InpXOff) {
            d.InpXOff = xoff;
            win_call<kWinRedraw>(object);
        }
    }
    field_to_cursor(object, d);
    return d.InpKey;
}

// A plain cursor move ends a selection being made: it is dropped at the
// next display.
void moved(ZEK_object *object, Win_data &d)
{
    field_to_cursor(object, d);
    if (d.flInpSelMode == 1)
        d.flInpSelMode = 2;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_esc_search(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    int32_t result = 0;
    if (table_key(object, *d, &result))
        return result;
    switch (const int32_t key = d->InpKey) {
    case ZEK_KEY_SPECIAL | ZEK_KEY_BACKSPACE:
        return win_call<kWinRub>(object), 0;
    case ZEK_KEY_SPECIAL | ZEK_KEY_END:
        return win_call<kWinClkey>(object), 0;
    case ZEK_KEY_SPECIAL | ZEK_KEY_LEFT:
        return win_call<kWinLeft>(object), 0;
    case ZEK_KEY_SPECIAL | ZEK_KEY_RIGHT:
        return win_call<kWinRight>(object), 0;
    case ZEK_KEY_SPECIAL | ZEK_KEY_INSERT:
        return win_call<kWinIns>(object), 0;
    case ZEK_KEY_SPECIAL | ZEK_KEY_DELETE:
        return win_call<kWinDel>(object), 0;
    case kShift | ZEK_KEY_PAGEUP:
        return jump(object, *d, false);
    case kShift | ZEK_KEY_PAGEDOWN:
        return jump(object, *d, true);
    case kShift | ZEK_KEY_LEFT:
        return select_move(object, *d, false);
    case kShift | ZEK_KEY_RIGHT:
        return select_move(object, *d, true);
    case kCtrl | 'C':
        return field_copy_selection(object, *d, false);
    case kCtrl | 'X':
        return field_copy_selection(object, *d, true);
    case kCtrl | 'V':
        return field_paste(object, *d);
    default:
        return (key & 0xF0000) ? key : -1;
    }
}

extern "C" int32_t ZEKAPI Win_pos(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    return d ? pos(field_text(*d), d->InpNx, d->TabStep) : 0;
}

extern "C" int32_t ZEKAPI Win_left(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int32_t from = d->InpNx;
    d->InpNx = column_left(field_text(*d), from, d->TabStep);
    if (field_scrolls(*d) && d->InpNx < d->InpXOff) {
        d->InpXOff = xoff_after_left(d->InpXOff, from, d->InpNx);
        win_call<kWinRedraw>(object);
    }
    moved(object, *d);
    return 0;
}

extern "C" int32_t ZEKAPI Win_right(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const char *text = field_text(*d);
    d->InpNx = column_right(text, d->InpNx, d->TabStep);
    if (field_scrolls(*d)) {
        const int32_t under = char_bytes(text, pos(text, d->InpNx, d->TabStep)) == 2 ? 2 : 1;
        const int32_t xoff = xoff_after_right(d->InpXOff, d->InpNx, under, field_width(*d));
        if (xoff != d->InpXOff) {
            d->InpXOff = xoff;
            win_call<kWinRedraw>(object);
        }
    }
    moved(object, *d);
    return 0;
}

extern "C" int32_t ZEKAPI Win_ins(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object)) {
        d->bEdit = 1;
        d->InpInsMode = d->InpInsMode == 1 ? 0 : 1;
    }
    return 0;
}

extern "C" int32_t ZEKAPI Win_del(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    char *text = field_text(*d);
    if (delete_char(text, win_call<kWinPos>(object))) {
        d->bEdit = 1;
        win_call<kWinRedraw>(object);
    }
    field_to_cursor(object, *d);
    return 0;
}

extern "C" int32_t ZEKAPI Win_rub(ZEK_object *object)
{
    win_call<kWinLeft>(object);
    win_call<kWinDel>(object);
    return 0;
}

// The whole line goes, with its scrolling and any selection of it.
extern "C" int32_t ZEKAPI Win_clkey(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->sBuf[0])
        d->bEdit = 1;
    memset(d->sBuf, 0, sizeof d->sBuf);
    d->InpInsMode = d->InpNx = d->InpNy = 0;
    d->InpXOff = d->flInpSelMode = 0;
    win_call<kWinRedraw>(object);
    return 0;
}
