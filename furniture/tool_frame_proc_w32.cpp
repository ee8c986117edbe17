// The "ToolFrame" window: the strip the docked toolbars sit in. It has no
// buttons; it passes what its toolbars send on to its owner.
#include "furniture_proc.h"
#include "toolbar.h"

namespace {

bool frame_own(const FurnitureMessage &m, LRESULT *result)
{
    switch (m.message) {
    case MACRO_CHAR:
    case WIN_COMMAND:
    case WIN_TOOLMOVE:
    case WIN_TOOLEND:
        if (Win_data *owner = live_win(m.d.pMother))
            win_post(*owner, m.message, m.wParam,
                     m.message == MACRO_CHAR || m.message == WIN_COMMAND ? m.lParam : 0);
        *result = 0;
        return true;
    case WM_NCDESTROY:
        // The toolbars read their place from the frame and its owner: they
        // are saved and go before the frame does (the shared handling then
        // clears pToolFrame and deletes the frame).
        release_toolbars(m.d.pMother);
        return false;
    default:
        return false;
    }
}

void no_layout(const FurnitureMessage &) {}

// bToolEdge: bit 1 a line along the top, bit 2 along the bottom.
void frame_edges(const FurnitureMessage &m, HDC dc)
{
    RECT c{};
    GetClientRect(m.d.hWnd, &c);
    if (m.d.bToolEdge & 1)
        furniture_line(dc, Color3dShadow(), 0, 0, c.right, 0);
    if (m.d.bToolEdge & 2)
        furniture_line(dc, Color3dShadow(), 0, c.bottom - 1, c.right, c.bottom - 1);
}

FurnitureKind frame_kind()
{
    FurnitureKind k;
    k.own = frame_own;
    k.layout = no_layout;
    k.decorate = frame_edges;
    k.scrolls = false;
    k.mouseTable = false;
    return k;
}

}  // namespace

LRESULT CALLBACK tool_frame_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const FurnitureKind kind = frame_kind();
    return furniture_proc(kind, window, message, wParam, lParam);
}
