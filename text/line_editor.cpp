// Win: a field's set-up, its key loop and the typing of one key.
#include <cstring>

#include "line_field.h"
#include "../window/win_lifetime.h"

using namespace zek_edit;

namespace {

// Shows what typing changed in a plain field; a scrolling field is redrawn
// whole once its offset is known. The bytes go out as one run so that a
// pair is drawn whole wherever the print column stands.
void show_typed(ZEK_object *object, Win_data &d, const char *text, const Typed &t)
{
    field_to_cursor(object, d);
    if (t.insert)
        win_call<kWinPutsn>(object, text + t.at);
    else
        win_call<kWinPutsnn>(object, text + t.at, t.shown, static_cast<const RECT *>(nullptr));
}

}  // namespace

void field_remove_selection(ZEK_object *object, Win_data &d)
{
    char *text = field_text(d);
    const Span s = selection(d.InpSelStCx, d.InpSelEdCx);
    const int32_t a = pos(text, s.a, d.TabStep);
    if (delete_bytes(text, a, pos(text, s.b, d.TabStep)))
        d.bEdit = 1;
    d.InpNx = column_of(text, a, d.TabStep);
    d.flInpSelMode = 0;
    if (field_scrolls(d))
        d.InpXOff = xoff_after_cut(d.InpXOff, d.InpNx, field_width(d));
    win_call<kWinRedraw>(object);
}

extern "C" void ZEKAPI Win_GetsCtorSet(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    d->InpStGx = d->InpStGy = d->InpMax = -1;
    d->bInpInit = 1;
    d->InpMaxS = d->InpNx = d->InpNy = d->InpKey = d->bInpDisp = d->bEdit = d->InpInsMode = 0;
    // A new field starts unscrolled and unselected, whatever the last one left.
    d->InpXOff = d->flInpSelMode = 0;
    memset(d->sBuf, 0, sizeof d->sBuf);
    d->pBuf = d->sBuf;
}

extern "C" void ZEKAPI Win_GetsInit(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (d->InpStGx == -1)
        d->InpStGx = d->CurGx;
    if (d->InpStGy == -1)
        d->InpStGy = d->CurGy;
    // The buffer holds 128 bytes and the NUL: no width or limit goes past it.
    if (d->InpMax == -1)
        d->InpMax = bounded(d->WinWdCx + 1);
    if (d->InpMax > kMaxText)
        d->InpMax = kMaxText;
    if (d->InpMaxS > kMaxText)
        d->InpMaxS = kMaxText;
    if (d->bInpInit == 1) {
        d->InpInsMode = d->InpNx = d->InpNy = 0;
        d->InpXOff = d->flInpSelMode = 0;
    }
    d->bEdit = 0;
    field_text(*d);
    if (d->bInpDisp)
        win_call<kWinRedraw>(object);
}

// The caret shows while the field waits for a key: bUseCursor is 1 for the
// whole loop and what it was afterwards.
extern "C" int32_t ZEKAPI Win_Gets(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    d->InpMacroFlag = 1;
    win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(0));
    const int32_t useCursor = d->bUseCursor;
    d->bUseCursor = 1;
    int32_t result = 0;
    for (;;) {
        win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(1));
        d->bKeyLoop = 1;
        const int32_t key = win_call<kWinKin>(object);
        // A message dispatched by the wait may have deleted the object.
        if (!win_is_live(object))
            return -1;
        d->bKeyLoop = 0;
        win_call<kWinSetCurPos>(object, d->bSetFocus, int32_t(0));
        if (key == -1) {
            result = -1;
            break;
        }
        result = win_call<kWinInput>(object);
        if (!win_is_live(object))
            return result;
        if (result != 0)
            break;
    }
    d->InpMacroFlag = 0;
    d->bUseCursor = useCursor;
    return result;
}

extern "C" int32_t ZEKAPI Win_Input(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int32_t handled = win_call<kWinesc_search>(object);
    if (handled != -1) {
        if (win_is_live(object))
            win_call<kWinSelModeDisp>(object);
        return handled;
    }
    char *text = field_text(*d);
    if (d->flInpSelMode != 0)
        field_remove_selection(object, *d);
    d->bEdit = 1;
    const int32_t i = win_call<kWinPos>(object);
    const Typed t = type_key(text, i, d->InpKey, d->InpInsMode == 1,
                             text_limit(d->InpMax, d->InpMaxS));
    if (t.changed) {
        if (!field_scrolls(*d))
            show_typed(object, *d, text, t);
        // With bMaxPosCursor the cursor stays on the field's last position.
        if (!(d->bMaxPosCursor && t.next >= d->InpMax)) {
            const int32_t to = column_of(text, t.next, d->TabStep);
            if (field_scrolls(*d))
                d->InpXOff = xoff_after_type(d->InpXOff, d->InpNx, to - d->InpNx, field_width(*d));
            d->InpNx = to;
        }
        if (field_scrolls(*d))
            win_call<kWinRedraw>(object);
    }
    field_to_cursor(object, *d);
    win_call<kWinSelModeDisp>(object);
    return 0;
}
