// Win: string fields, with or without the input method opened first.
#include <cstring>

#include "line_field.h"
#include "typed_field.h"
#include "../window/win_lifetime.h"
#include "../window/win_proc.h"

namespace {

constexpr int32_t kScrolled = 0x1003F, kResized = 0x1001F;

int32_t string_field(ZEK_object *object, int32_t gx, int32_t gy, int32_t width, char *text,
                     int32_t redisplay, bool openIme)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    const int32_t cells = zek_typed::field_cells(width);
    // Opened once a process; the open flag follows the user's toggles.
    if (openIme && !gImeOpen) {
        gImeBusy = 1;
        win_ime_open(d->hWnd);
        gImeBusy = 0;
    }
    // The field shows, edits and gives back no more than its width, and
    // never half of a two-byte character.
    char shown[zek_typed::kWorkSize];
    zek_typed::copy_cut(shown, text, cells);
    if (redisplay == 1)
        typed_field_print(object, gx, gy, "%-*s", cells, shown);
    typed_field_start(object, *d, gx, gy, cells, shown, redisplay);
    d->InpCopyFlag = 1;
    const int32_t r = win_call<kWinGets>(object);
    if (!win_is_live(object))
        return r;
    d->InpCopyFlag = 0;
    if (r == kScrolled || r == kResized || (r != kFieldEnter && !d->bEdit))
        return r;
    char typed[zek_typed::kWorkSize];
    zek_typed::copy_cut(typed, field_text(*d), cells);
    zek_typed::trim_blanks(typed);
    if (text)
        memcpy(text, typed, strlen(typed) + 1);
    if (redisplay == 1)
        typed_field_print(object, gx, gy, "%-*s", cells, typed);
    return r;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_Keyin_sG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       char *text, int32_t redisplay)
{
    return string_field(object, gx, gy, width, text, redisplay, false);
}

extern "C" int32_t ZEKAPI Win_Keyin_kG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       char *text, int32_t redisplay)
{
    return string_field(object, gx, gy, width, text, redisplay, true);
}
