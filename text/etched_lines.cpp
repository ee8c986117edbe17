// Win: etched lines (a shadow line with a highlight beside it) and the
// etched group frame with its caption.
#include <cstdarg>

#include "box_drawing.h"
#include "zek2/win.h"

using namespace zek_boxes;

namespace {

// A line cut at the view comes back turned round, and its end pixel is
// never drawn: the first point is set as well, so a line that runs off the
// view (the menu line reaches the client's right edge) keeps it.
void line(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    win_call<kWinLineI>(object, x1, y1, x2, y2);
    win_call<kWinPsetI>(object, x1, y1);
}

// The shadow line from (x1, y1) to (x2, y2), then the highlight one pixel
// below it, or right of it when right.
void etch(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool right)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    KeepTextColours colours(object, *d);
    BoxContext dc(object, *d);
    if (!dc.ready())
        return;
    const int32_t dx = right ? 1 : 0, dy = right ? 0 : 1;
    dc.pen(Color3dShadow());
    line(object, x1, y1, x2, y2);
    dc.pen(Color3dHiLight());
    line(object, off(x1, dx), off(y1, dy), off(x2, dx), off(y2, dy));
}

// Formatted output through the _printf slot, as a program's printf would go.
void print(ZEK_object *object, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    win_call<kWin_printf>(object, format, arguments);
    va_end(arguments);
}

}  // namespace

extern "C" void ZEKAPI Win_DrawBoxLine(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2,
                                       int32_t y2, const char *caption)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    BoxContext dc(object, *d);  // one context for the frame and the caption
    {
        KeepTextColours colours(object, *d);
        if (dc.ready()) {
            dc.pen(Color3dHiLight());
            win_call<kWinLineBoxI>(object, off(x1, 1), off(y1, 1), off(x2, 1), off(y2, 1));
            dc.pen(Color3dShadow());
            win_call<kWinLineBoxI>(object, x1, y1, x2, y2);
        }
    }
    if (caption) {
        win_call<kWinCursorG>(object, off(x1, 7), off(y1, -5), int32_t(0), int32_t(0));
        print(object, "%s", caption);
    }
}

extern "C" void ZEKAPI Win_DrawHorzLine(ZEK_object *object, int32_t x1, int32_t x2, int32_t y)
{
    etch(object, x1, y, x2, y, false);
}

extern "C" void ZEKAPI Win_DrawVertLine(ZEK_object *object, int32_t y1, int32_t y2, int32_t x)
{
    etch(object, x, y1, x, y2, true);
}

extern "C" void ZEKAPI Win_DrawMenuLine(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    RECT client{};
    if (d && d->hWnd && GetClientRect(d->hWnd, &client))
        etch(object, 0, 0, client.right, 0, false);
}
