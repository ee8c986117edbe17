// Window procedure: painting and erasing the background.
#include "win_proc.h"

#include <cstring>

#include "../graphics/dc_scope.h"

namespace {

// The hooks, the button table and the line input, drawn on hDC.
void paint_contents(ZEK_object *o, Win_data &d)
{
    win_call<kWinPaint>(o);
    win_call<kWinwork_m1>(o);
    if (d.pButtonTbl)
        call_named<int32_t>(d.pButtonTbl, "Paint");
    if (d.bBufDisp && d.InpStGx != -1) {
        if (d.flInpSelMode) {
            win_call<kWinSelModeDisp>(o);
        } else {
            win_call<kWinCursorG>(o, d.InpStGx, d.InpStGy, -d.InpXOff, int32_t(0));
            const int32_t width = d.InpMax > 0 ? d.ChrWdBx * d.InpMax : 0;
            const RECT clip{d.InpStGx, d.InpStGy, d.InpStGx + width, d.InpStGy + d.ChrWdBy};
            const char *text = d.sBuf;  // the edited text, whatever pBuf says
            win_call<kWinPutsnn>(o, text, int32_t(strnlen(text, sizeof d.sBuf - 1)), &clip);
        }
    }
    if (d.InpStGx != -1)
        win_call<kWinCursorG>(o, d.InpStGx, d.InpStGy, d.InpNx - d.InpXOff, d.InpNy);
}

}  // namespace

LRESULT win_on_paint(const WinMessage &m)
{
    Win_data &d = m.d;
    ZEK_object *o = m.object;
    const int32_t painting = d.bPaint;
    const COLORREF colour = d.Color, back = d.BackColor;
    d.bPaint = 1;
    {
        // The paint may interrupt the program's own drawing (graphics mode,
        // the open bitmap): the scope puts its context, pen and brush back.
        DcScope scope(d);
        scope.begin_paint(d.hWnd);
        paint_contents(o, d);
        // Pens and brushes leave the paint context while it is still valid.
        win_call<kWinGmodeReset>(o);
    }
    d.bPaint = painting;
    d.Color = colour;
    d.BackColor = back;
    return 0;
}

LRESULT win_on_erase(const WinMessage &m)
{
    SetClassLongPtrA(m.d.hWnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(m.d.hbrBackground));
    if (win_call<kWinEraseBkGnd>(m.object))
        return 0;
    return win_default(m);
}
