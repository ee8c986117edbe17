// Window procedure: keys, macro keys, mouse movement, buttons and the wheel,
// with the line input's own use of the mouse inside its field.
#include "win_proc.h"

#include "zek2/keys.h"
#include "zek2/strings.h"
#include "../runtime/shared_block.h"

namespace {

constexpr int32_t kAltF4 = ZEK_KEY_ALT | ZEK_KEY_SPECIAL | 0x73;

// Hands the key now in InpKey to the line input unless a loop reads it.
LRESULT feed_line_input(const WinMessage &m)
{
    if (m.d.bKeyLoop)
        return 0;
    win_call<kWinSetCurPos>(m.object, m.d.bSetFocus, int32_t(0));
    win_call<kWinInput>(m.object);
    win_call<kWinSetCurPos>(m.object, m.d.bSetFocus, int32_t(1));
    return 0;
}

int32_t translate(const WinMessage &m)
{
    return win_call<kWinMesToKeyCode>(m.object, m.message, m.wParam, m.lParam);
}

bool in_input_field(const Win_data &d)
{
    if (!d.InpCopyFlag || d.InpStGx == -1 || d.InpMax <= 0 || d.ChrWdBx <= 0)
        return false;
    return d.MouseGx >= d.InpStGx && d.MouseGx <= d.InpStGx + d.ChrWdBx * d.InpMax - 1 &&
           d.MouseGy >= d.InpStGy && d.MouseGy <= d.InpStGy + d.ChrWdBy - 1;
}

// The text column under the mouse, never inside a two-byte character nor
// beyond the text.
int32_t input_column(const Win_data &d)
{
    const int32_t wanted = (d.MouseGx - d.InpStGx) / d.ChrWdBx;
    const char *text = d.sBuf;  // the edited text, whatever pBuf says
    int32_t column = 0;
    while (column < int32_t(sizeof d.sBuf) - 1 && text[column] && column < wanted) {
        const int32_t step = IsKanji(uint8_t(text[column])) && text[column + 1] ? 2 : 1;
        if (column + step > wanted)
            break;
        column += step;
    }
    return column;
}

void place_input_cursor(const WinMessage &m)
{
    Win_data &d = m.d;
    win_call<kWinCursorG>(m.object, d.InpStGx, d.InpStGy, d.InpNx - d.InpXOff, d.InpNy);
}

bool input_takes_left_press(const WinMessage &m)
{
    Win_data &d = m.d;
    if (!d.InpCopyFlag)
        return false;
    if (d.flInpSelMode) {
        d.flInpSelMode = 2;
        win_call<kWinSelModeDisp>(m.object);
    }
    if (!in_input_field(d))
        return false;
    win_call<kWinSetCurPos>(m.object, d.bSetFocus, int32_t(0));
    d.InpNx = d.InpSelStCx = input_column(d);
    place_input_cursor(m);
    win_call<kWinSetCurPos>(m.object, d.bSetFocus, int32_t(1));
    return true;
}

bool input_takes_drag(const WinMessage &m)
{
    Win_data &d = m.d;
    if (!(m.wParam & MK_LBUTTON) || !in_input_field(d))
        return false;
    if (d.flInpSelMode == 0)
        d.flInpSelMode = 1;
    const int32_t column = input_column(d);
    if (column <= d.InpSelStCx)
        return true;
    win_call<kWinSetCurPos>(m.object, d.bSetFocus, int32_t(0));
    d.InpNx = column;
    place_input_cursor(m);
    win_call<kWinSelModeDisp>(m.object);
    win_call<kWinSetCurPos>(m.object, d.bSetFocus, int32_t(1));
    return true;
}

bool input_takes_right_press(const WinMessage &m)
{
    if (!in_input_field(m.d))
        return false;
    m.d.flInpSelMode ? win_call<kWinCutCopy1>(m.object) : win_call<kWinCutCopy2>(m.object);
    return true;
}

}  // namespace

void win_show_mouse_cursor()
{
    ZekSharedHead *head = zek_shared_head();
    // Bounded: the count rises by one a call, from at least SHRT_MIN.
    for (int i = 0; i < 0x10000 && head->cursorCount < 0; ++i)
        head->cursorCount = int16_t(ShowCursor(TRUE));
}

LRESULT win_on_key(const WinMessage &m)
{
    if (!translate(m))
        return 0;
    return feed_line_input(m);
}

LRESULT win_on_syskeydown(const WinMessage &m)
{
    if (win_end_popup_first(m))
        return 0;
    if (!translate(m))
        return win_default(m);
    if (m.d.InpKey == kAltF4 &&
        win_call<kWinAltF4>(m.object))
        return 0;
    return feed_line_input(m);
}

LRESULT win_on_macro_char(const WinMessage &m)
{
    if (!translate(m) || m.d.InpMacroFlag)
        return 0;
    return feed_line_input(m);
}

LRESULT win_on_mouse_move(const WinMessage &m)
{
    win_show_mouse_cursor();
    return win_on_mouse_track(m);
}

LRESULT win_on_mouse_track(const WinMessage &m)
{
    Win_data &d = m.d;
    if (Win_data *mother = win_data_of(d.pMother); mother && mother->pButtonTbl) {
        mother->MouseGx = mother->MouseGy = 0;
        call_named<void>(mother->pButtonTbl, "MouseMove");
    }
    win_record_mouse_move(d, m.wParam, m.lParam);
    if (!input_takes_drag(m))
        win_call<kWinMouseMove>(m.object);
    return 0;
}

// Mouse coordinates are signed: a captured mouse may be left of or above the window.
void win_record_mouse(Win_data &d, LPARAM lParam)
{
    d.MouseGx = int16_t(LOWORD(lParam));
    d.MouseGy = int16_t(HIWORD(lParam));
    d.MouseCx = d.ChrWdBx > 0 ? d.MouseGx / d.ChrWdBx : 0;
    d.MouseCy = d.ChrWdBy > 0 ? d.MouseGy / d.ChrWdBy : 0;
}

void win_record_mouse_move(Win_data &d, WPARAM wParam, LPARAM lParam)
{
    d.MouseGxB = d.MouseGx;
    d.MouseGyB = d.MouseGy;
    win_record_mouse(d, lParam);
    if (!(wParam & MK_LBUTTON))
        d.MouseSwL = 0;
    if (!(wParam & MK_RBUTTON))
        d.MouseSwR = 0;
    if (!(wParam & MK_MBUTTON))
        d.MouseSwM = 0;
}

LRESULT win_on_button(const WinMessage &m)
{
    Win_data &d = m.d;
    ZEK_object *o = m.object;
    // The press itself says where it happened, whether or not a move came first.
    win_record_mouse(d, m.lParam);
    switch (m.message) {
    case WM_LBUTTONDOWN:
        d.MouseSwL = 1;
        if (win_end_popup_first(m) || input_takes_left_press(m))
            return 0;
        win_call<kWinLButtonDown>(o, m.wParam);
        break;
    case WM_LBUTTONUP:
        d.MouseSwL = 0;
        win_call<kWinResetButtonTimer>(o);
        win_call<kWinLButtonUp>(o, m.wParam);
        break;
    case WM_LBUTTONDBLCLK:
        win_call<kWinLButtonDblClk>(o, m.wParam);
        break;
    case WM_RBUTTONDOWN:
        d.MouseSwR = 1;
        if (win_end_popup_first(m) || input_takes_right_press(m))
            return 0;
        win_call<kWinRButtonDown>(o, m.wParam);
        break;
    case WM_RBUTTONUP:
        d.MouseSwR = 0;
        win_call<kWinResetButtonTimer>(o);
        win_call<kWinRButtonUp>(o, m.wParam);
        break;
    case WM_RBUTTONDBLCLK:
        win_call<kWinRButtonDblClk>(o, m.wParam);
        break;
    case WM_MBUTTONDOWN:
        d.MouseSwM = 1;
        if (win_end_popup_first(m))
            return 0;
        win_call<kWinSetFocus>(o);
        win_call<kWinMButtonDown>(o, m.wParam);
        break;
    case WM_MBUTTONUP:
        d.MouseSwM = 0;
        win_call<kWinMButtonUp>(o, m.wParam);
        break;
    }
    return win_default(m);
}

LRESULT win_on_wheel(const WinMessage &m)
{
    Win_data &d = m.d;
    const int32_t down = int16_t(HIWORD(m.wParam)) <= 0 ? 1 : 0;
    RECT area = d.bRect;
    if (IsRectEmpty(&area))
        GetClientRect(d.hWnd, &area);
    MapWindowPoints(d.hWnd, nullptr, reinterpret_cast<POINT *>(&area), 2);
    const POINT at{int16_t(LOWORD(m.lParam)), int16_t(HIWORD(m.lParam))};
    if (!PtInRect(&area, at))
        return win_default(m);
    for (ZEK_object *child : {d.pChild, d.pChild2, d.pChild3, d.pUnderMenu}) {
        if (child && win_call<kWinbOnMouse>(child)) {
            win_call<kWinMouseWheel>(child, down);
            return win_default(m);
        }
    }
    if (Win_data *mother = win_data_of(d.pMother); mother && mother->pChild &&
                                                   mother->pChild != m.object)
        return win_default(m);
    win_call<kWinMouseWheel>(m.object, down);
    return win_default(m);
}
