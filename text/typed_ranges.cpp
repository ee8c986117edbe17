// Win: number fields repeated until the value lies in a range.
#include "typed_field.h"
#include "../window/win_lifetime.h"

namespace {

// Runs field on a copy of *value until it accepts an acceptable value,
// which is then stored; any other ending key leaves *value untouched. A
// value out of range shows the old one again (show) before the next run.
template <typename T, typename FieldFn, typename FitsFn, typename ShowFn>
int32_t ranged(ZEK_object *object, T *value, FieldFn field, FitsFn fits, ShowFn show)
{
    const T old = value ? *value : T();
    for (;;) {
        T v = old;
        const int32_t r = field(&v);
        if (r != kFieldEnter || !win_is_live(object))
            return r;
        if (fits(v)) {
            if (value)
                *value = v;
            return r;
        }
        show(old);
    }
}

// The 0..max code fields: three cells, shown again after every run.
int32_t code_field(ZEK_object *object, int32_t gx, int32_t gy, int16_t *value, int32_t max,
                   Win_callback_fn callback)
{
    const int32_t r = ranged(
        object, value,
        [&](int16_t *v) { return win_call<kWinKeyin_wG>(object, gx, gy, int32_t(3), v, int32_t(1)); },
        [&](int16_t v) { return v >= 0 && v <= max; },
        [&](int16_t v) { typed_field_print(object, gx, gy, "%3d", int(v)); });
    if (r == kFieldEnter && callback && win_is_live(object))
        callback(object);
    return r;
}

// The double fields: refused values print the old one as the field does.
template <typename FitsFn>
int32_t double_field(ZEK_object *object, int32_t gx, int32_t gy, int32_t width, int32_t decimals,
                     double *value, int32_t redisplay, FitsFn fits)
{
    return ranged(
        object, value,
        [&](double *v) {
            return win_call<kWinKeyin_dG>(object, gx, gy, width, decimals, v, redisplay);
        },
        fits,
        [&](double v) {
            typed_field_print(object, gx, gy, "%*.*f", zek_typed::field_cells(width),
                              zek_typed::field_decimals(decimals), v);
        });
}

}  // namespace

extern "C" int32_t ZEKAPI Win_Input_wG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       int32_t min, int32_t max, int16_t *value,
                                       int32_t redisplay)
{
    return ranged(
        object, value,
        [&](int16_t *v) { return win_call<kWinKeyin_wG>(object, gx, gy, width, v, redisplay); },
        [&](int16_t v) { return min <= v && v <= max; },
        [&](int16_t v) {
            typed_field_print(object, gx, gy, "%*d", zek_typed::field_cells(width), int(v));
        });
}

extern "C" int32_t ZEKAPI Win_Input_lG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       long min, long max, long *value, int32_t redisplay)
{
    return ranged(
        object, value,
        [&](long *v) { return win_call<kWinKeyin_lG>(object, gx, gy, width, v, redisplay); },
        [&](long v) { return min <= v && v <= max; },
        [&](long v) { typed_field_print(object, gx, gy, "%*ld", zek_typed::field_cells(width), v); });
}

extern "C" int32_t ZEKAPI Win_Input_dG(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                       int32_t decimals, double *value, int32_t redisplay)
{
    return double_field(object, gx, gy, width, decimals, value, redisplay,
                        [](double v) { return v >= 0; });
}

extern "C" int32_t ZEKAPI Win_Input_d2G(ZEK_object *object, int32_t gx, int32_t gy, int32_t width,
                                        int32_t decimals, double *value, int32_t redisplay)
{
    return double_field(object, gx, gy, width, decimals, value, redisplay,
                        [](double v) { return v > 0; });
}

extern "C" int32_t ZEKAPI Win_Input_cG(ZEK_object *object, int32_t gx, int32_t gy, int16_t *value,
                                       Win_callback_fn callback)
{
    return code_field(object, gx, gy, value, 255, callback);
}

extern "C" int32_t ZEKAPI Win_Input_c2G(ZEK_object *object, int32_t gx, int32_t gy, int16_t *value,
                                        Win_callback_fn callback)
{
    return code_field(object, gx, gy, value, 511, callback);
}
