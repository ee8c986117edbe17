// Win_CreateToolBar: a toolbar's window, docked in the strip or floating.
#include <vector>

#include "button_layout.h"
#include "toolbar.h"
#include "toolbar_place.h"

namespace {

constexpr DWORD kDockedStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kFixedStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kSizedStyle = kFixedStyle | WS_THICKFRAME;
constexpr int32_t kDockedY = 1;

bool has_window(const Win_data &b)
{
    return b.hWnd && IsWindow(b.hWnd) && win_object_of(b.hWnd);
}

// The other docked bars of the strip that have their window.
struct Strip {
    std::vector<AtrTable_data *> tables;
    std::vector<HWND> windows;
    std::vector<DockedBar> bars;
};

Strip docked_others(Win_data &owner, const ZEK_object *self)
{
    Strip s;
    for (ZEK_object *bar : owner.pToolBar) {
        Win_data *b = bar != self ? live_win(bar) : nullptr;
        AtrTable_data *t = b ? atr_data(b->pButtonTbl) : nullptr;
        if (!t || t->bPos != kPosBar || !has_window(*b))
            continue;
        s.tables.push_back(t);
        s.windows.push_back(b->hWnd);
        s.bars.push_back({t->bFsx, t->bFwx, false});
    }
    return s;
}

// Writes the strip's new x values back and moves the windows that changed.
void move_strip(Strip &s)
{
    for (size_t k = 0; k < s.tables.size(); ++k) {
        AtrTable_data &t = *s.tables[k];
        if (t.bFsx == s.bars[k].x && t.bFsy == kDockedY)
            continue;
        t.bFsx = s.bars[k].x;
        t.bFsy = kDockedY;
        MoveWindow(s.windows[k], t.bFsx, t.bFsy, t.bFwx, t.bFwy, TRUE);
    }
}

struct Placement {
    DWORD style, exStyle;
    int32_t x, y, width, height;
    bool atRightEdge;  // moved back to end at the screen's right edge
};

// Docked: at the strip's right end, or dropped into it and the strip packed.
Placement dock(Win_data &owner, ZEK_object *self, AtrTable_data &t, bool replace)
{
    Strip s = docked_others(owner, self);
    if (!replace) {
        t.bFsx = dock_append_x(s.bars.data(), int32_t(s.bars.size()));
    } else {
        s.bars.push_back({t.bTsx, t.bFwx, true});
        dock_repack(s.bars.data(), int32_t(s.bars.size()), nullptr);
        t.bFsx = s.bars.back().x;
        s.bars.pop_back();
        move_strip(s);
    }
    t.bFsy = kDockedY;
    return {kDockedStyle, 0, t.bFsx, t.bFsy, t.bFwx, t.bFwy, false};
}

// Floating. A bar pulled out of the strip closes its gap once (whatever its
// floating kind). After a drag or a resize the position is the screen's, for
// the fixed kind too; at first it is relative to the owner window. Where the
// window really went is kept in bWsx, bWsy.
Placement float_bar(Win_data &owner, ZEK_object *self, AtrTable_data &t, bool replace)
{
    if (replace && t.bTcl) {
        Strip s = docked_others(owner, self);
        dock_close_gap(s.bars.data(), int32_t(s.bars.size()), t.bTsx, t.bTwx);
        move_strip(s);
        t.bTcl = 0;
    }
    Placement p{t.bPos == kPosLock ? kFixedStyle : kSizedStyle,
                WS_EX_TOOLWINDOW,
                t.bFsx,
                t.bFsy,
                t.bFwx,
                t.bFwy,
                false};
    RECT frame{0, 0, t.bFwx, t.bFwy};
    AdjustWindowRectEx(&frame, p.style, FALSE, p.exStyle);
    p.width = frame.right - frame.left;
    p.height = frame.bottom - frame.top;
    if (!replace) {
        p.x = int32_t(int64_t(t.bFsx) + owner.WinStGx);
        p.y = int32_t(int64_t(t.bFsy) + owner.WinStGy);
    }
    const int32_t screenW = GetSystemMetrics(SM_CXSCREEN);
    const PlacePoint on = keep_bar_on_screen(p.x, p.y, p.width, p.height, screenW,
                                             GetSystemMetrics(SM_CYSCREEN));
    p.atRightEdge = p.x >= screenW;
    p.x = t.bWsx = on.x;
    p.y = t.bWsy = on.y;
    return p;
}

// The system may make a captioned window wider than asked (its minimum
// tracking size): one placed to end at the right edge then ends there with
// the width it really has.
void end_at_right_edge(HWND window)
{
    RECT r{};
    const int32_t screen = GetSystemMetrics(SM_CXSCREEN);
    if (GetWindowRect(window, &r) && r.right > screen)
        SetWindowPos(window, nullptr, screen - (r.right - r.left), r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

// replace: the bar comes back after a drag or a resize (WIN_TOOLMOVE).
extern "C" int32_t ZEKAPI Win_CreateToolBar(ZEK_object *w, int32_t i, int32_t replace)
{
    Win_data *d = live_win(w);
    if (!d || i < 0 || i >= kToolBarSlots)
        return 0;
    ZEK_object *bar = d->pToolBar[i];
    Win_data *b = live_win(bar);
    Win_data *frame = live_win(toolbar_frame(bar));
    AtrTable_data *t = toolbar_table(bar);
    if (!b || !frame || !frame->hWnd || !t || has_window(*b))
        return 0;
    atr_call<void>(b->pButtonTbl, kAtrLayoutToolBar);
    ToolMoving &moving = tool_moving();
    if (moving.recreating == b->hWnd)
        moving.recreating = nullptr;

    Placement p{};
    if (t->bPos == kPosBar)
        p = dock(*d, bar, *t, replace != 0);
    else if (t->bPos >= kPosLock && t->bPos <= kPosFree)
        p = float_bar(*d, bar, *t, replace != 0);
    else
        return 0;
    b->WinStyle = p.style;
    b->ExStyle = p.exStyle;
    const HWND window = CreateWindowExA(p.exStyle, b->pClassName, b->bMenuName, p.style, p.x, p.y,
                                        p.width, p.height, frame->hWnd, nullptr, b->hInst, bar);
    if (window && p.atRightEdge)
        end_at_right_edge(window);
    return window ? 1 : 0;
}
