// Handing the scroll state to the child bar or the window's own bar.
#include "scroll_bar.h"

#include "raster/scroll_scale.h"

bool scroll_bar_of(const Win_data &d, bool vertical, HWND *window, int *bar)
{
    // A child bar the program destroyed leaves its handle behind; it is
    // passed over rather than handed to the system.
    const HWND child = vertical ? d.hWndVScroll : d.hWndHScroll;
    if (child && IsWindow(child)) {
        *window = child;
        *bar = SB_CTL;
        return true;
    }
    const LONG style = vertical ? WS_VSCROLL : WS_HSCROLL;
    if (d.hWnd && IsWindow(d.hWnd) && (GetWindowLongA(d.hWnd, GWL_STYLE) & style)) {
        *window = d.hWnd;
        *bar = vertical ? SB_VERT : SB_HORZ;
        return true;
    }
    return false;
}

void scroll_bar_set(const Win_data &d, bool vertical, UINT mask, int32_t min, int32_t max,
                    int32_t page, int32_t pos)
{
    HWND window;
    int bar;
    if (!scroll_bar_of(d, vertical, &window, &bar))
        return;
    // The bar gets a range that is not upside down and a page that is not
    // negative (its page is unsigned), so it never shows a wrapped state.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.nMin = min;
    info.nMax = zek_raster::scroll_top(min, max);
    info.nPage = UINT(page < 0 ? 0 : page);
    info.nPos = pos;
    SetScrollInfo(window, bar, &info, TRUE);
}
