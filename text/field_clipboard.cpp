// The clipboard keys of an edited field.
#include "field_clipboard.h"

#include <cstdlib>
#include <cstring>

#include "zek2/strings.h"
#include "line_field.h"

int32_t field_copy_selection(ZEK_object *object, Win_data &d, bool cut)
{
    return d.flInpSelMode == 1 ? field_copy_range(object, d, cut) : 0;
}

int32_t field_copy_range(ZEK_object *object, Win_data &d, bool cut)
{
    char *text = field_text(d);
    const zek_edit::Span s = zek_edit::selection(d.InpSelStCx, d.InpSelEdCx);
    const int32_t a = zek_edit::pos(text, s.a, d.TabStep);
    const int32_t b = zek_edit::pos(text, s.b, d.TabStep);
    char piece[zek_edit::kBufSize];
    memcpy(piece, text + a, size_t(b - a));
    piece[b - a] = 0;
    const int32_t stored = win_call<kWinSetClipbrd>(object, static_cast<const void *>(piece),
                                                    UINT(CF_TEXT), b - a + 1);
    if (!cut) {
        d.flInpSelMode = 2;
        return 0;
    }
    // Text the clipboard did not take stays in the field.
    if (stored)
        field_remove_selection(object, d);
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
