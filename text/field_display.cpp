// Win: showing an edited field and its selection.
#include "cells.h"
#include "line_field.h"
#include "../graphics/dc_scope.h"

using namespace zek_edit;
using zek_cells::pitch;
using zek_cells::scaled;

namespace {

const char kBlanks[] = "                                                                ";
constexpr int32_t kBlankRun = int32_t(sizeof kBlanks) - 1;

}  // namespace

// Only the field's cells are painted: the text from its first visible
// column, then blanks to the field's end.
extern "C" void ZEKAPI Win_redraw(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const char *text = field_text(*d);
    const int32_t width = field_width(*d);
    const Redraw r = redraw_span(length(text), width, d->InpXOff);
    const RECT clip{d->InpStGx, d->InpStGy, scaled(width, pitch(d->ChrWdGx), d->InpStGx),
                    scaled(1, pitch(d->ChrWdGy), d->InpStGy)};
    {
        DcScope scope(object, *d);  // one window context for every run
        win_call<kWinCursorG>(object, d->InpStGx, d->InpStGy, -d->InpXOff, int32_t(0));
        win_call<kWinPutsnn>(object, text, r.bytes, &clip);
        for (int32_t left = r.blanks; left > 0; left -= kBlankRun)
            win_call<kWinPutsnn>(object, kBlanks, left < kBlankRun ? left : kBlankRun, &clip);
    }
    field_to_cursor(object, *d);
}

extern "C" void ZEKAPI Win_SelModeDisp(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || d->flInpSelMode == 0)
        return;
    d->InpSelEdCx = d->InpNx;
    DcScope scope(object, *d);
    win_call<kWinRedraw>(object);  // takes the old highlight away
    if (d->flInpSelMode == 2) {
        d->flInpSelMode = 0;
        return;
    }
    const Span s = selection(d->InpSelStCx, d->InpSelEdCx);
    const Band band = selection_band(s.a, s.b, d->InpXOff, field_width(*d), d->InpStGx,
                                     pitch(d->ChrWdGx));
    if (!d->hDC || band.right <= band.left)
        return;
    const RECT r{band.left, d->CurGy, band.right, scaled(1, d->ChrWdGy[1], d->CurGy)};
    InvertRect(d->hDC, &r);
}
