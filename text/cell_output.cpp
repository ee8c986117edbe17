// Win: writing text into the character cells at the print position.
#include <cstdio>
#include <cstring>
#include <vector>

#include "cells.h"
#include "../graphics/dc_scope.h"
#include "../window/win_call.h"

using namespace zek_cells;

namespace {

// The new line after a line of text; on the last row the screen scrolls up
// when bAutoScroll asks for it.
void new_line_step(ZEK_object *object, Win_data &d)
{
    const NewLine step = new_line(d.CurCy, d.WinWdCy, d.bAutoScroll != 0);
    d.CurCy = step.cy;
    if (step.down)
        d.CurGy = scaled(1, pitch(d.ChrWdGy), d.CurGy);
    if (step.scroll)
        win_call<kWinScrollA>(object, int32_t(0), int32_t(1));
    d.CurCx = 0;
    d.CurGx = scaled(1, d.TopOx, d.ChrWdGx[0]);
}

}  // namespace

extern "C" ZEK_object *ZEKAPI Win_putsnn(ZEK_object *object, const char *text, int32_t n,
                                          const RECT *clip)
{
    Win_data *d = win_data_of(object);
    if (!d || !text || n <= 0)
        return object;
    const int32_t p = pitch(d->ChrWdGx), h = pitch(d->ChrWdGy);
    DcScope scope(object, *d);
    if (d->hDC) {
        SetTextColor(d->hDC, d->Color);
        SetBkColor(d->hDC, d->BackColor);
        scope.select_font(d->hFont);
    }
    // One call per run keeps the advance array inside its bound and never
    // cuts a two-byte character.
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(text);
    INT dx[kMaxRun];
    for (int32_t done = 0; done < n;) {
        const Run run = advance_run(bytes + done, n - done, p, dx);
        if (d->hDC) {
            RECT cells{d->CurGx, d->CurGy, scaled(run.bytes, p, d->CurGx), scaled(1, h, d->CurGy)};
            const RECT *box = clip ? clip : run.straddles ? &cells : nullptr;
            ExtTextOutA(d->hDC, d->CurGx, d->CurGy, box ? ETO_CLIPPED : 0, box, text + done,
                        UINT(run.bytes), dx);
        }
        done += run.bytes;
        d->CurCx = scaled(1, d->CurCx, run.bytes);
        d->CurGx = scaled(run.bytes, p, d->CurGx);
    }
    return object;
}

extern "C" ZEK_object *ZEKAPI Win_putsn(ZEK_object *object, const char *text)
{
    if (text)
        win_call<kWinPutsnn>(object, text, int32_t(strnlen(text, INT32_MAX)),
                             static_cast<const RECT *>(nullptr));
    return object;
}

extern "C" ZEK_object *ZEKAPI Win_puts(ZEK_object *object, const char *text)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return object;
    win_call<kWinPutsn>(object, text);
    new_line_step(object, *d);
    return object;
}

// The whole formatted text is written however long it is: the usual
// 1,024-byte buffer is only the first try.
extern "C" ZEK_object *ZEKAPI Win__printf(ZEK_object *object, const char *format, va_list arguments)
{
    if (!win_data_of(object) || !format)
        return object;
    char small[1024];
    std::vector<char> large;
    char *text = small;
    va_list copy;
    va_copy(copy, arguments);
    const int length = _vscprintf(format, copy);
    va_end(copy);
    if (length < 0)
        return object;
    if (size_t(length) >= sizeof small) {
        large.resize(size_t(length) + 1);
        text = large.data();
    }
    va_copy(copy, arguments);
    _vsnprintf(text, size_t(length) + 1, format, copy);
    va_end(copy);
    text[length] = 0;
    // Each line through puts (its LF is the new line), the rest through putsn.
    size_t left = size_t(length);
    while (left > 0) {
        bool newline = false;
        const size_t piece = next_piece(text, left, &newline);
        if (newline) {
            text[piece] = 0;
            win_call<kWinPuts>(object, static_cast<const char *>(text));
            text += piece + 1;
            left -= piece + 1;
        } else {
            win_call<kWinPutsn>(object, static_cast<const char *>(text));
            break;
        }
    }
    return object;
}

extern "C" ZEK_object *ZEKAPI Win_putch(ZEK_object *object, int32_t c)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return object;
    const Putch step = putch_step(c, d->KinBk, d->CurCx, d->WinWdCx);
    if (step.draw != Putch::None) {
        DcScope scope(object, *d);
        if (d->hDC) {
            SetTextColor(d->hDC, d->Color);
            SetBkColor(d->hDC, d->BackColor);
            scope.select_font(d->hFont);
            const char glyph[2] = {char(step.draw == Putch::Pair ? step.code >> 8 : step.code),
                                   char(step.code)};
            if (step.draw == Putch::Pair)
                TextOutA(d->hDC, d->CurGx, d->CurGy, glyph, 2);
            else
                TextOutA(d->hDC, d->CurGx, d->CurGy, glyph + 1, 1);
        }
    }
    d->KinBk = step.kinBk;
    d->CurCx = step.cx;
    d->CurGx = scaled(step.advance, pitch(d->ChrWdGx), d->CurGx);
    return object;
}
