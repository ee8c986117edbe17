// The "ToolBarClass" window: a toolbar docked in the strip or floating. Its
// window is destroyed and made again whenever it is dragged or resized; the
// owner re-creates it on WIN_TOOLMOVE and saves and deletes it on WIN_TOOLEND.
#include "../window/win_proc.h"
#include "button_layout.h"
#include "furniture_proc.h"
#include "toolbar.h"

namespace {

constexpr int32_t kGripWidth = 10;
constexpr WPARAM kCaptionDrag = SC_MOVE | HTCAPTION;

bool docked(const FurnitureMessage &m)
{
    const AtrTable_data *t = toolbar_table(m.object);
    return t && t->bPos == kPosBar;
}

void post_to_frame(const FurnitureMessage &m, UINT message, HWND self)
{
    if (Win_data *frame = live_win(toolbar_frame(m.object)))
        win_post(*frame, message, reinterpret_cast<WPARAM>(self), 0);
}

// The window goes and comes back placed anew by the owner.
void recreate(const FurnitureMessage &m)
{
    const HWND self = m.d.hWnd;
    tool_moving().recreating = self;
    DestroyWindow(self);
    post_to_frame(m, WIN_TOOLMOVE, self);
}

bool grip_press(const FurnitureMessage &m)
{
    const int32_t x = int16_t(LOWORD(m.lParam)), y = int16_t(HIWORD(m.lParam));
    if (x >= kGripWidth || !docked(m))
        return false;
    m.d.MouseGx = x;
    m.d.MouseGy = y;
    m.d.MouseSwL = 1;
    ZEK_object *owner = toolbar_owner(m.object);
    Win_data *o = live_win(owner);
    if (o && o->pUnderMenu)
        win_call<kWinEndPopupWindow>(owner);
    else
        tool_drag_start(m.object, false);
    return true;
}

bool system_command(const FurnitureMessage &m, LRESULT *result)
{
    const WPARAM command = m.wParam & 0xFFF0, edge = m.wParam & 0xF;
    if (command == SC_SIZE && edge >= WMSZ_LEFT && edge <= WMSZ_BOTTOMRIGHT) {
        tool_moving().resizing = m.d.hWnd;
        return false;
    }
    if ((m.wParam & 0xFFFF) == kCaptionDrag) {
        const AtrTable_data *t = toolbar_table(m.object);
        if (!t || t->bPos == kPosLock)
            return false;
        tool_drag_start(m.object, true);
        *result = 0;
        return true;
    }
    if (command == SC_CLOSE && win_call<kWinAltF4>(m.object)) {
        *result = 0;
        return true;
    }
    return false;
}

// A floating bar resized by an edge comes back with its buttons fitted in
// rows to the client area the user gave it.
bool resized(const FurnitureMessage &m)
{
    ToolMoving &moving = tool_moving();
    AtrTable_data *t = toolbar_table(m.object);
    if (moving.resizing != m.d.hWnd || !t)
        return false;
    moving.resizing = nullptr;
    RECT client{};
    GetClientRect(m.d.hWnd, &client);
    t->bPos = t->bPosBuf = kPosFree;
    t->bWsx = m.d.WinStGx;
    t->bWsy = m.d.WinStGy;
    t->bWwx = t->bFwx = client.right;
    t->bWwy = t->bFwy = client.bottom;
    recreate(m);
    return true;
}

// The handle stays in hWnd after the window has gone: the owner finds the
// toolbar's slot by it when WIN_TOOLMOVE or WIN_TOOLEND arrives. Nothing
// else follows it: the window is unbound, and every user checks IsWindow.
LRESULT window_gone(const FurnitureMessage &m)
{
    const HWND self = m.d.hWnd;
    ToolMoving &moving = tool_moving();
    const bool again = moving.recreating == self;
    if (again)
        moving.recreating = nullptr;
    if (moving.resizing == self)
        moving.resizing = nullptr;
    WinLife *life = win_life(m.object);
    // A deleted toolbar has left its slot already (its dtor).
    if (!again && !(life && life->deleting))
        post_to_frame(m, WIN_TOOLEND, self);
    const LRESULT r = furniture_default(m);
    win_bind(self, nullptr);
    m.d.hDC = nullptr;
    if (life)
        life->destroying = life->closing = false;
    Win_data *owner = live_win(toolbar_owner(m.object));
    if (owner && owner->hWnd && IsWindow(owner->hWnd))
        SetForegroundWindow(owner->hWnd);
    return r;
}

bool bar_own(const FurnitureMessage &m, LRESULT *result)
{
    switch (m.message) {
    case WM_LBUTTONDOWN:
        if (!grip_press(m))
            return false;
        *result = 0;
        return true;
    case WM_SYSCOMMAND:
        return system_command(m, result);
    case WM_EXITSIZEMOVE:
        if (!resized(m))
            return false;
        *result = 0;
        return true;
    case WIN_TOOLMOVE:
        recreate(m);
        *result = 0;
        return true;
    case WM_MOVE:
        // Where a floating bar is now, also when it moved with its owner.
        if (AtrTable_data *t = toolbar_table(m.object); t && t->bPos != kPosBar) {
            RECT r{};
            GetWindowRect(m.d.hWnd, &r);
            t->bWsx = r.left;
            t->bWsy = r.top;
        }
        return false;
    case WIN_DTOR:
        m.d.bMenuName[0] = '\0';
        return false;
    case WM_NCDESTROY:
        *result = window_gone(m);
        return true;
    default:
        return false;
    }
}

void no_layout(const FurnitureMessage &) {}

// A docked bar: the grip (two ridges) and its right edge.
void grip(const FurnitureMessage &m, HDC dc)
{
    if (!docked(m))
        return;
    RECT c{};
    GetClientRect(m.d.hWnd, &c);
    const int bottom = c.bottom - 2;
    for (int x : {2, 5})
        furniture_line(dc, Color3dHiLight(), x, 2, x, bottom);
    for (int x : {4, 7})
        furniture_line(dc, Color3dShadow(), x, 2, x, bottom);
    furniture_line(dc, Color3dShadow(), c.right - 1, 0, c.right - 1, c.bottom);
}

ZEK_object *bar_owner(const FurnitureMessage &m)
{
    return toolbar_owner(m.object);
}

FurnitureKind bar_kind()
{
    FurnitureKind k;
    k.own = bar_own;
    k.layout = no_layout;
    k.decorate = grip;
    k.owner = bar_owner;
    k.deletesObject = false;
    return k;
}

}  // namespace

LRESULT CALLBACK toolbar_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const FurnitureKind kind = bar_kind();
    return furniture_proc(kind, window, message, wParam, lParam);
}
