// Win: number fields into 16-bit, 32-bit and long integers and doubles.
#include <climits>

#include "line_field.h"
#include "typed_field.h"
#include "../window/win_lifetime.h"

using zek_typed::Read;

namespace {

// Runs the field until its text is read. read stores an accepted value and
// tells what it found; show prints the variable in the field's format. A
// refused value leaves the variable as it was, shown again (or the field
// blanked without redisplay), and the field runs again.
template <typename ReadFn, typename ShowFn>
int32_t number_field(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                     int32_t redisplay, ReadFn read, ShowFn show)
{
    const int32_t cells = zek_typed::field_cells(width);
    for (;;) {
        Win_data *d = win_data_of(object);
        if (!d)
            return -1;
        typed_field_start(object, *d, gx, gy, width);
        const int32_t r = win_call<kWinGets>(object);
        if (r != kFieldEnter)
            return r;
        if (!win_is_live(object))
            return -1;
        const Read got = read(field_text(*d));
        if (redisplay == 1)
            show(cells);
        else if (got == Read::Refused)
            typed_field_print(object, gx, gy, "%*s", cells, "");
        if (got != Read::Refused)
            return r;
    }
}

template <typename T>
int32_t integer_field(ZEK_object *object, int32_t gx, int32_t gy, int32_t width, T *value,
                      int32_t redisplay, int64_t lo, int64_t hi, const char *format)
{
    return number_field(
        object, gx, gy, width, redisplay,
        [&](const char *text) {
            int64_t v = 0;
            const Read got = zek_typed::read_integer(text, lo, hi, &v);
            if (got == Read::Value && value)
                *value = T(v);
            return got;
        },
        [&](int32_t cells) {
            if (value)
                typed_field_print(object, gx, gy, format, cells, *value);
        });
}

}  // namespace

extern "C" int32_t ZEKAPI Win_Keyin_wG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       int16_t *value, int32_t redisplay)
{
    return integer_field(object, gx, gy, width, value, redisplay, INT16_MIN, INT16_MAX, "%*d");
}

extern "C" int32_t ZEKAPI Win_Keyin_iG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       int32_t *value, int32_t redisplay)
{
    return integer_field(object, gx, gy, width, value, redisplay, INT32_MIN, INT32_MAX, "%*d");
}

extern "C" int32_t ZEKAPI Win_Keyin_lG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       long *value, int32_t redisplay)
{
    return integer_field(object, gx, gy, width, value, redisplay, LONG_MIN, LONG_MAX, "%*ld");
}

extern "C" int32_t ZEKAPI Win_Keyin_dG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       int32_t decimals, double *value, int32_t redisplay)
{
    const int32_t places = zek_typed::field_decimals(decimals);
    return number_field(
        object, gx, gy, width, redisplay,
        [&](const char *text) {
            double v = 0;
            const Read got = zek_typed::read_decimal(text, width, places, &v);
            if (got == Read::Value && value)
                *value = v;
            return got;
        },
        [&](int32_t cells) {
            if (value)
                typed_field_print(object, gx, gy, "%*.*f", cells, places, *value);
        });
}
