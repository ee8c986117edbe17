// The clipboard keys of an edited field.
#include "field_clipboard.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "zek2/strings.h"
#include "../window/win_call.h"

namespace {

// A field holds at most this many bytes (sBuf less its NUL).
constexpr int32_t kFieldBytes = int32_t(sizeof(Win_data::sBuf)) - 1;

}  // namespace

int32_t field_copy_selection(ZEK_object *object, Win_data &d, bool cut)
{
    return d.flInpSelMode == 1 ? field_copy_range(object, d, cut) : 0;
}

int32_t field_copy_range(ZEK_object *object, Win_data &d, bool cut)
{
    char *text = d.pBuf;
    if (!text)
        return 0;
    // A selection reaching past the text stops at its end.
    const int32_t len = int32_t(strnlen(text, kFieldBytes));
    const int32_t a = std::clamp(std::min(d.InpSelStCx, d.InpSelEdCx), 0, len);
    const int32_t b = std::clamp(std::max(d.InpSelStCx, d.InpSelEdCx), 0, len);
    char piece[kFieldBytes + 1];
    memcpy(piece, text + a, size_t(b - a));
    piece[b - a] = 0;
    const int32_t stored = win_call<kWinSetClipbrd>(object, static_cast<const void *>(piece),
                                                    UINT(CF_TEXT), b - a + 1);
    if (!cut) {
        d.flInpSelMode = 2;
        return 0;
    }
    // Text the clipboard did not take stays in the field.
    if (!stored)
        return 0;
    memmove(text + a, text + b, size_t(len - b));
    text[len - (b - a)] = 0;
    d.bEdit = 1;
    d.InpNx = a;
    if (d.InpXOff > d.InpNx)
        d.InpXOff = d.InpNx < d.InpMax ? 0 : d.InpNx - d.InpMax;
    win_call<kWinRedraw>(object);
    d.flInpSelMode = 0;
    return 0;
}

int32_t field_paste(ZEK_object *object, Win_data &d)
{
    int32_t size = 0;
    char *text = win_call<kWinGetClipbrd>(object, &size);
    if (!text)
        return 0;
    // The pasted text arrives as typed keys, a two-byte character as its two
    // bytes; posting stops when the queue is full.
    const unsigned char *c = reinterpret_cast<const unsigned char *>(text);
    for (size_t i = 0, n = size > 0 ? strnlen(text, size_t(size)) : strlen(text); i < n;) {
        if (IsKanji(c[i])) {
            if (i + 1 >= n || !c[i + 1])
                break;
            if (!win_post(d, WM_CHAR, c[i], 1) || !win_post(d, WM_CHAR, c[i + 1], 1))
                break;
            i += 2;
        } else {
            if (!win_post(d, WM_CHAR, c[i], 0x500001))
                break;
            ++i;
        }
    }
    std::free(text);
    return 0;
}
