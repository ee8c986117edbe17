// Dragging a toolbar: a ghost window ("ToolMoveClass") over the bar that the
// system moves with the mouse. Where it is let go decides: inside the owner
// window the bar docks, outside it floats. The ghost's Win is its window's:
// it is deleted when the window goes.
#include "../runtime/object.h"
#include "../window/win_window_class.h"
#include "button_layout.h"
#include "furniture_proc.h"
#include "toolbar.h"
#include "toolbar_place.h"

const char kToolMoveClass[] = "ToolMoveClass";

namespace {

constexpr DWORD kGhostStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr int kBorder = 5;
constexpr WPARAM kCaptionDrag = SC_MOVE | HTCAPTION;

ToolMoving gMoving;

bool owner_rect(ZEK_object *bar, RECT *r)
{
    Win_data *o = live_win(toolbar_owner(bar));
    return o && o->hWnd && GetWindowRect(o->hWnd, r);
}

void paint(const FurnitureMessage &m)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m.d.hWnd, &ps);
    if (!dc)
        return;
    RECT c{};
    GetClientRect(m.d.hWnd, &c);
    HBRUSH light = CreateSolidBrush(Color3dLight());
    HBRUSH dark = CreateSolidBrush(Color3dDkShadow());
    HBRUSH shadow = CreateSolidBrush(Color3dShadow());
    RECT inside = c;
    InflateRect(&inside, -kBorder, -kBorder);
    if (light)
        FillRect(dc, &c, light);
    if (dark && inside.right > inside.left && inside.bottom > inside.top)
        FillRect(dc, &inside, dark);
    if (shadow)
        FrameRect(dc, &c, shadow);
    for (HBRUSH b : {light, dark, shadow})
        if (b)
            DeleteObject(b);
    EndPaint(m.d.hWnd, &ps);
}

// The drag is over: the toolbar's table learns where it goes, the ghost
// goes, and the toolbar is asked to come back placed anew.
void drop(const FurnitureMessage &m)
{
    ZEK_object *bar = m.d.pMother;
    Win_data *b = live_win(bar);
    AtrTable_data *t = toolbar_table(bar);
    RECT ghost{}, owner{};
    GetWindowRect(m.d.hWnd, &ghost);
    if (b && t) {
        t->bTcl = 0;
        if (!gMoving.floating && owner_rect(bar, &owner)) {
            t->bPos = kPosBar;
            t->bTsx = ghost.left - owner.left;
        } else {
            if (t->bPos == kPosBar) {
                t->bPos = t->bPosBuf;
                t->bTsx = t->bFsx;
                t->bTcl = 1;
                t->bTwx = t->bFwx;
            }
            t->bWsx = ghost.left;
            t->bWsy = ghost.top;
            t->bFwx = t->bWwx;
            t->bFwy = t->bWwy;
        }
    }
    DestroyWindow(m.d.hWnd);
    if (b)
        win_post(*b, WIN_TOOLMOVE, 0, 0);
}

bool ghost_own(const FurnitureMessage &m, LRESULT *result)
{
    *result = 0;
    switch (m.message) {
    case WM_CREATE:
        *result = furniture_default(m);  // black, not the furniture's face
        return true;
    case WM_ERASEBKGND:
        *result = 1;  // painted whole by WM_PAINT
        return true;
    case WM_PAINT:
        paint(m);
        return true;
    case WM_MOVE: {
        RECT ghost{}, owner{};
        GetWindowRect(m.d.hWnd, &ghost);
        if (owner_rect(m.d.pMother, &owner))
            gMoving.floating = !drop_docks({owner.left, owner.top, owner.right, owner.bottom},
                                           ghost.left, ghost.top);
        return true;
    }
    case WM_MOUSEMOVE:
        // Let go while the system was not moving it.
        if (!(m.wParam & MK_LBUTTON))
            PostMessageA(m.d.hWnd, WM_EXITSIZEMOVE, 0, 0);
        return true;
    case WM_EXITSIZEMOVE:
        drop(m);
        return true;
    default:
        return false;
    }
}

void no_layout(const FurnitureMessage &) {}

FurnitureKind ghost_kind()
{
    FurnitureKind k;
    k.own = ghost_own;
    k.layout = no_layout;
    k.scrolls = false;
    k.mouseTable = false;
    return k;
}

}  // namespace

ToolMoving &tool_moving()
{
    return gMoving;
}

LRESULT CALLBACK tool_move_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const FurnitureKind kind = ghost_kind();
    return furniture_proc(kind, window, message, wParam, lParam);
}

void tool_drag_start(ZEK_object *bar, bool floating)
{
    Win_data *b = live_win(bar);
    Win_data *frame = live_win(toolbar_frame(bar));
    if (!b || !b->hWnd || !frame || !frame->hWnd || IsWindow(gMoving.ghost))
        return;
    RECT r{};
    GetWindowRect(b->hWnd, &r);
    gMoving.dragStart = r;
    gMoving.floating = floating;

    WinClassInfo info;
    info.name = kToolMoveClass;
    info.instance = b->hInst;
    info.procedure = tool_move_proc;
    info.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (!win_register_class(info))
        return;
    ZEK_object *ghost = Win_ctor2(nullptr);
    Win_data *g = live_win(ghost);
    if (!g)
        return;
    g->pMother = bar;
    g->pClassName = kToolMoveClass;
    g->WinStyle = kGhostStyle;
    g->ExStyle = 0;
    g->MouseGx = b->MouseGx;
    g->MouseGy = b->MouseGy;
    g->bToolHeight = b->bToolHeight;
    g->bToolEdge = b->bToolEdge;
    g->WinStGx = r.left;
    g->WinStGy = r.top;
    g->WinWdGx = r.right - r.left;
    g->WinWdGy = r.bottom - r.top;
    const HWND window = CreateWindowExA(0, kToolMoveClass, "", kGhostStyle, r.left, r.top,
                                        r.right - r.left, r.bottom - r.top, frame->hWnd, nullptr,
                                        g->hInst, ghost);
    if (!window) {
        zek_delete_object(ghost);
        return;
    }
    gMoving.ghost = window;
    PostMessageA(window, WM_SYSCOMMAND, kCaptionDrag, 0);
}
