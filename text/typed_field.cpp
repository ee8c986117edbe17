// Starting a typed field and printing its value.
#include "typed_field.h"

#include <cstdarg>

void typed_field_start(ZEK_object *object, Win_data &d, int32_t gx, int32_t gy, int32_t width,
                       const char *text, int32_t display)
{
    win_call<kWinGetsCtorSet>(object);
    d.bInpDisp = display;
    d.InpStGx = gx;
    d.InpStGy = gy;
    d.InpMax = zek_typed::field_cells(width);
    if (text)
        zek_typed::copy_cut(d.sBuf, text, d.InpMax);
    // GetsInit clears bEdit and shows the text when bInpDisp asks for it.
    win_call<kWinGetsInit>(object);
}

void typed_field_print(ZEK_object *object, int32_t gx, int32_t gy, const char *format, ...)
{
    win_call<kWinCursorG>(object, gx, gy, int32_t(0), int32_t(0));
    va_list arguments;
    va_start(arguments, format);
    win_call<kWin_printf>(object, format, arguments);
    va_end(arguments);
}
