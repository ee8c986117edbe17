// The window procedure the furniture windows share: binding the object,
// its lifetime, and the messages every kind handles alike.
#include "furniture_proc.h"

#include "zek2/keys.h"
#include "../graphics/dc_scope.h"
#include "../runtime/object.h"
#include "../window/win_proc.h"
#include "atr_table.h"

namespace {

WinMessage as_win(const FurnitureMessage &m)
{
    return WinMessage{m.object, m.d, m.message, m.wParam, m.lParam};
}

ZEK_object *owner_of(const FurnitureKind &kind, const FurnitureMessage &m)
{
    return kind.owner ? kind.owner(m) : m.d.pMother;
}

// The furniture's buttons, when pButtonTbl really is a button table.
ZEK_object *table_of(const Win_data &d)
{
    return d.pButtonTbl && atr_table_layer(d.pButtonTbl) ? d.pButtonTbl : nullptr;
}

template <typename... Args>
int32_t table_call(const Win_data &d, const char *name, Args... args)
{
    ZEK_object *t = table_of(d);
    return t ? call_named<int32_t>(t, name, args...) : -1;
}

int32_t cells(int64_t span, int32_t pitch)
{
    return pitch > 0 && span > 0 ? int32_t(span / pitch) : 0;
}

// An open drop-down menu of the owner is closed first and takes the press.
bool owner_popup_closed(ZEK_object *owner)
{
    Win_data *o = win_is_live(owner) ? win_data_of(owner) : nullptr;
    if (!o || !o->pUnderMenu)
        return false;
    win_call<kWinEndPopupWindow>(owner);
    return true;
}

void post_to(ZEK_object *receiver, UINT message, WPARAM wParam)
{
    if (Win_data *r = win_is_live(receiver) ? win_data_of(receiver) : nullptr)
        win_post(*r, message, wParam, 0);
}

// The side menu's edges: bit 1 top, 2 bottom, 4 left, 8 right.
void side_menu_edges(const FurnitureMessage &m, HDC dc)
{
    RECT c{};
    GetClientRect(m.d.hWnd, &c);
    const int32_t bits = m.d.bTopMenuEdge;
    const COLORREF shadow = Color3dShadow();
    if (bits & 1)
        furniture_line(dc, shadow, 0, 0, c.right, 0);
    if (bits & 2)
        furniture_line(dc, shadow, 0, c.bottom - 1, c.right, c.bottom - 1);
    if (bits & 4)
        furniture_line(dc, shadow, 0, 0, 0, c.bottom);
    if (bits & 8)
        furniture_line(dc, shadow, c.right - 1, 0, c.right - 1, c.bottom);
}

LRESULT on_create(const FurnitureMessage &m)
{
    win_call<kWinSetBackGroundColor>(m.object, Color3dFace());
    return furniture_default(m);
}

LRESULT on_destroy(const FurnitureMessage &m)
{
    win_begin_teardown(m.object, m.d, COLOR_BTNFACE + 1);
    return furniture_default(m);
}

// The owner's slot that holds this very object (the owner found through
// pMother or the parent window), or null.
ZEK_object **owner_slot(const FurnitureMessage &m)
{
    for (ZEK_object *owner : {m.d.pMother, win_object_of(GetParent(m.d.hWnd))}) {
        Win_data *o = win_is_live(owner) ? win_data_of(owner) : nullptr;
        if (!o)
            continue;
        for (ZEK_object **slot : {&o->pLeftMenuBar, &o->pRightMenuBar, &o->pTopMenuBar,
                                  &o->pDownMenuBar, &o->pStatusBar, &o->pToolFrame})
            if (*slot == m.object)
                return slot;
    }
    return nullptr;
}

LRESULT on_ncdestroy(const FurnitureKind &kind, const FurnitureMessage &m)
{
    Win_data &d = m.d;
    ZEK_object **slot = owner_slot(m);
    if (slot)
        *slot = nullptr;
    const LRESULT r = furniture_default(m);
    // The handle may be reused by another window from now on.
    win_bind(d.hWnd, nullptr);
    d.hWnd = nullptr;
    d.hDC = nullptr;
    WinLife *life = win_life(m.object);
    if (life)
        life->destroying = life->closing = false;
    // The object an owner held goes with its window, once this call has
    // returned; a deletion under way (it destroyed this window) or already
    // asked for completes by itself. One no slot held is someone else's.
    if (kind.deletesObject && slot && life && !life->deleting && !life->deferred)
        zek_delete_object(m.object);
    return r;
}

LRESULT on_move(const FurnitureMessage &m)
{
    GetWindowRect(m.d.hWnd, &m.d.bScRect);
    m.d.WinStGx = m.d.bScRect.left;
    m.d.WinStGy = m.d.bScRect.top;
    return furniture_default(m);
}

LRESULT on_size(const FurnitureKind &kind, const FurnitureMessage &m)
{
    Win_data &d = m.d;
    RECT window{}, client{};
    GetWindowRect(d.hWnd, &window);
    GetClientRect(d.hWnd, &client);
    d.bRect = client;
    d.bScRect = window;
    d.WinStGx = window.left;
    d.WinStGy = window.top;
    d.WinWdGx = window.right - window.left;
    d.WinWdGy = window.bottom - window.top;
    d.WinStCx = d.WinStCy = 0;
    d.WinWdCx = cells(client.right - client.left, d.ChrWdBx);
    d.WinWdCy = cells(client.bottom - client.top, d.ChrWdBy);
    d.WinEdCx = d.WinWdCx - 1;
    d.WinEdCy = d.WinWdCy - 1;
    win_call<kWinScaleNew>(m.object);
    if (kind.layout)
        kind.layout(m);
    else
        table_call(d, "LayoutModeMenu");
    return 0;
}

LRESULT on_paint(const FurnitureKind &kind, const FurnitureMessage &m)
{
    Win_data &d = m.d;
    ZEK_object *o = m.object;
    const int32_t painting = d.bPaint;
    d.bPaint = 1;
    {
        // Whatever the paint interrupts (a context held, graphics mode) comes back.
        DcScope scope(d);
        scope.begin_paint(d.hWnd);
        win_call<kWinSetRop>(o, int32_t('N'));
        win_call<kWinColor>(o, Color3dText(), Color3dFace());
        win_call<kWinClsA>(o);
        win_call<kWinPaint>(o);
        table_call(d, "Paint");
        if (d.hDC)
            kind.decorate ? kind.decorate(m, d.hDC) : side_menu_edges(m, d.hDC);
        // Pens and brushes leave the paint context while it is still valid.
        win_call<kWinGmodeReset>(o);
    }
    d.bPaint = painting;
    return 0;
}

LRESULT on_timer(const FurnitureKind &kind, const FurnitureMessage &m)
{
    ZEK_object *o = m.object;
    const int32_t id = int32_t(m.wParam);
    switch (id) {
    case WIN_TIMER_HINT:
        table_call(m.d, "DispHint");
        break;
    case WIN_TIMER_REPEAT: {
        table_call(m.d, "SetRepeetTimer");
        ZEK_object *owner = owner_of(kind, m);
        post_to(owner, WIN_BUTTON_REPEET, 0);
        post_to(owner, MACRO_CHAR, ZEK_CMD_MENU);
        break;
    }
    case WIN_TIMER_CAD:
        win_call<kWinTimerCad>(o, id);
        break;
    default:
        win_call_timer(o, id);
        break;
    }
    return 0;
}

LRESULT on_mouse_move(const FurnitureMessage &m)
{
    Win_data &d = m.d;
    win_show_mouse_cursor();
    win_record_mouse_move(d, m.wParam, m.lParam);
    table_call(d, "MouseMove");
    return 0;
}

LRESULT on_left_press(const FurnitureKind &kind, const FurnitureMessage &m)
{
    Win_data &d = m.d;
    // The press itself says where it happened, whether or not a move came first.
    win_record_mouse(d, m.lParam);
    d.MouseSwL = 1;
    ZEK_object *owner = owner_of(kind, m);
    if (owner_popup_closed(owner))
        return 0;
    ZEK_object *t = table_of(d);
    const int32_t i = t ? call_named<int32_t>(t, "LButtonDown", uintptr_t(m.wParam)) : -1;
    if (i >= 0) {
        if (Win_data *o = win_is_live(owner) ? win_data_of(owner) : nullptr)
            win_send_button(*o, t, i);
        return 0;
    }
    if (!kind.mouseTable)
        return 0;
    const Win_mouse_row *row = win_mouse_row_hit(m.object);
    // The job may close windows: the owner is looked at again afterwards.
    const int32_t key = row && row->job ? row->job(m.object) : 0;
    if (key)
        post_to(owner, MACRO_CHAR, WPARAM(uint32_t(key)));
    return 0;
}

LRESULT dispatch(const FurnitureKind &kind, const FurnitureMessage &m)
{
    Win_data &d = m.d;
    switch (m.message) {
    case WM_CREATE:
        return on_create(m);
    case WM_DESTROY:
        return on_destroy(m);
    case WM_NCDESTROY:
        return on_ncdestroy(kind, m);
    case WM_MOVE:
        return on_move(m);
    case WM_SIZE:
        return on_size(kind, m);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        d.bFocus = m.message == WM_SETFOCUS ? 1 : 0;
        return furniture_default(m);
    case WM_PAINT:
        return on_paint(kind, m);
    case WM_ERASEBKGND:
        SetClassLongPtrA(d.hWnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(d.hbrBackground));
        return furniture_default(m);
    case WM_TIMER:
        return on_timer(kind, m);
    case WM_HSCROLL:
    case WM_VSCROLL:
        return kind.scrolls ? win_on_scroll(as_win(m)) : furniture_default(m);
    case WM_MOUSEMOVE:
        return on_mouse_move(m);
    case WM_LBUTTONDOWN:
        return on_left_press(kind, m);
    case WM_LBUTTONUP:
        d.MouseSwL = 0;
        table_call(d, "LButtonUp", uintptr_t(m.wParam));
        return 0;
    case WM_RBUTTONDOWN:
        d.MouseSwR = 1;
        if (owner_popup_closed(owner_of(kind, m)))
            return 0;
        return furniture_default(m);
    case WM_RBUTTONUP:
        d.MouseSwR = 0;
        return furniture_default(m);
    case WIN_DTOR:
        // The window core's close: a drawing thread is waited for with a
        // time-out, and a close already under way is not repeated.
        return win_on_dtor(as_win(m));
    default:
        return furniture_default(m);
    }
}

}  // namespace

void furniture_line(HDC dc, COLORREF colour, int x1, int y1, int x2, int y2)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (!pen)
        return;
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

LRESULT furniture_default(const FurnitureMessage &m)
{
    return DefWindowProcA(m.d.hWnd, m.message, m.wParam, m.lParam);
}

LRESULT furniture_proc(const FurnitureKind &kind, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    ZEK_object *object = win_bound_object(window, message, lParam);
    if (!object)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT handed = 0;
    if (win_take_deletion(object, message, lParam, &handed))
        return handed;
    Win_data *d = win_data_of(object);
    WinLife *life = win_life(object);
    if (!d || !life)
        return DefWindowProcA(window, message, wParam, lParam);
    // While a call runs, a deletion of the object waits for the outermost to end.
    win_proc_enter(life);
    const FurnitureMessage m{object, *d, message, wParam, lParam};
    LRESULT result = 0;
    if (!kind.own || !kind.own(m, &result))
        result = dispatch(kind, m);
    win_proc_leave(object, life);
    return result;
}
