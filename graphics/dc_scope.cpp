// The drawing context of a Win: redirections, the counted window context,
// the object's pen and brush and the fonts it made.
#include "dc_scope.h"

#include <optional>
#include <unordered_map>

#include "../window/win_call.h"

namespace {

// What an object holds across calls; made on first use, dropped with the object.
struct ObjectDcState {
    int32_t holds = 0;              // SetHDC calls not yet matched by ResetHDC
    std::optional<DcScope> window;  // the window context SetHDC took
    std::optional<DcScope> bitmap;  // hDC on the open bitmap
    HFONT madeFont = nullptr;       // the newest font the object made
};

// Windows of several threads draw at once, so the table is guarded; an
// entry itself is used by its object's thread only, and stays where it is
// while others come and go. Never destroyed: objects outlive static
// destructors in some programs.
SRWLOCK gLock = SRWLOCK_INIT;
std::unordered_map<const Win_data *, ObjectDcState> &states()
{
    static auto *table = new std::unordered_map<const Win_data *, ObjectDcState>;
    return *table;
}

ObjectDcState &state_of(const Win_data &d)
{
    AcquireSRWLockExclusive(&gLock);
    ObjectDcState &s = states()[&d];
    ReleaseSRWLockExclusive(&gLock);
    return s;
}

ObjectDcState *find_state(const Win_data &d)
{
    AcquireSRWLockExclusive(&gLock);
    auto it = states().find(&d);
    ObjectDcState *s = it == states().end() ? nullptr : &it->second;
    ReleaseSRWLockExclusive(&gLock);
    return s;
}

void drop_state(const Win_data &d)
{
    AcquireSRWLockExclusive(&gLock);
    states().erase(&d);
    ReleaseSRWLockExclusive(&gLock);
}

// A font is put out of the context before it goes.
void delete_font(const Win_data &d, HFONT font)
{
    if (d.hDC && GetCurrentObject(d.hDC, OBJ_FONT) == font)
        SelectObject(d.hDC, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

}  // namespace

DcScope::DcScope(ZEK_object *object, Win_data &d) : d_(d), held_(object)
{
    win_call<kWinSetHDC>(object);
}

DcScope::~DcScope()
{
    if (fontDC_ && oldFont_)
        SelectObject(fontDC_, oldFont_);
    if (redirected_)
        end_redirect();
    if (held_)
        win_call<kWinResetHDC>(held_);
}

void DcScope::redirect(HDC dc, Giveback how)
{
    outerDC_ = d_.hDC;
    outerGmode_ = d_.bGmode;
    outer_ = take_selections(d_);
    dc_ = dc;
    window_ = d_.hWnd;
    how_ = how;
    d_.hDC = dc;
    redirected_ = true;
}

void DcScope::begin_paint(HWND window)
{
    HDC dc = BeginPaint(window, &ps_);
    d_.ps = ps_;
    redirect(dc, Giveback::EndPaint);
    window_ = window;
    saved_ = dc ? SaveDC(dc) : 0;
}

void DcScope::end_redirect()
{
    // A window context outlives its window only as a stale handle.
    if (how_ == Giveback::Release && !IsWindow(window_))
        abandoned_ = true;
    d_.hDC = abandoned_ ? nullptr : dc_;
    release_selections(d_);
    if (!abandoned_) {
        if (saved_)
            RestoreDC(dc_, saved_);
        switch (how_) {
        case Giveback::Release:
            ReleaseDC(window_, dc_);
            break;
        case Giveback::EndPaint:
            EndPaint(window_, &ps_);
            break;
        case Giveback::Delete:
            DeleteDC(dc_);
            break;
        }
    }
    d_.hDC = outerDC_;
    if (how_ == Giveback::EndPaint)
        d_.bGmode = outerGmode_;
    put_selections(d_, outer_);
    redirected_ = false;
}

void DcScope::select_font(HFONT font)
{
    if (!d_.hDC || !font)
        return;
    HGDIOBJ replaced = SelectObject(d_.hDC, font);
    if (!fontDC_) {
        fontDC_ = d_.hDC;
        oldFont_ = replaced;
    }
}

DcScope::Selections DcScope::take_selections(Win_data &d)
{
    const Selections s{d.bPen,   d.hPen,   d.hPenOld,  d.PenType,  d.PenWidth,
                       d.PenColor, d.bBrush, d.hBrush, d.hBrushOld, d.hTileBitmap};
    d.bPen = d.bBrush = 0;
    d.hPen = nullptr;
    d.hPenOld = nullptr;
    d.hBrush = nullptr;
    d.hBrushOld = nullptr;
    d.hTileBitmap = nullptr;
    d.PenType = -1;
    return s;
}

void DcScope::put_selections(Win_data &d, const Selections &s)
{
    d.bPen = s.bPen;
    d.hPen = s.hPen;
    d.hPenOld = s.hPenOld;
    d.PenType = s.PenType;
    d.PenWidth = s.PenWidth;
    d.PenColor = s.PenColor;
    d.bBrush = s.bBrush;
    d.hBrush = s.hBrush;
    d.hBrushOld = s.hBrushOld;
    d.hTileBitmap = s.hTileBitmap;
}

void DcScope::select_pen(Win_data &d, HPEN pen)
{
    HGDIOBJ replaced = SelectObject(d.hDC, pen);
    if (!d.bPen)
        d.hPenOld = replaced;
    else if (d.hPen && d.hPen != pen)
        DeleteObject(d.hPen);  // ours, just put out by the new one
    d.hPen = pen;
    d.bPen = 1;
}

void DcScope::select_brush(Win_data &d, HBRUSH brush)
{
    HGDIOBJ replaced = SelectObject(d.hDC, brush);
    if (!d.bBrush)
        d.hBrushOld = replaced;
    else if (d.hBrush && d.hBrush != brush)
        DeleteObject(d.hBrush);
    d.hBrush = brush;
    d.bBrush = 1;
}

void DcScope::release_selections(Win_data &d)
{
    if (d.bPen) {
        if (d.hDC && d.hPenOld)
            SelectObject(d.hDC, d.hPenOld);
        if (d.hPen)
            DeleteObject(d.hPen);
    }
    if (d.bBrush) {
        if (d.hDC)
            SelectObject(d.hDC, d.hBrushOld ? d.hBrushOld : GetStockObject(WHITE_BRUSH));
        if (d.hBrush)
            DeleteObject(d.hBrush);
    }
    if (d.hTileBitmap)
        DeleteObject(d.hTileBitmap);  // the brush had its own copy
    take_selections(d);
}

HDC DcScope::hold_window(Win_data &d)
{
    if (d.bPaint || d.bGmode || d.hMemDC || !d.hWnd)
        return d.hDC;  // held already; without a window GetDC would give the screen
    ObjectDcState &s = state_of(d);
    if (s.holds > 0 && s.window && d.hDC && d.hDC == s.window->dc()) {
        ++s.holds;
        return d.hDC;
    }
    s.window.reset();  // hDC was taken away meanwhile: give the old one back
    s.holds = 0;
    HDC dc = GetDC(d.hWnd);
    if (!dc)
        return nullptr;
    s.window.emplace(d);
    s.window->redirect(dc, Giveback::Release);
    s.holds = 1;
    return dc;
}

int32_t DcScope::release_window(Win_data &d)
{
    if (d.bPaint || d.bGmode || d.hMemDC)
        return 0;
    ObjectDcState *s = find_state(d);
    if (!s || s->holds <= 0)
        return 0;
    if (--s->holds > 0)
        return 1;
    s->window.reset();
    return 1;
}

void DcScope::forget(Win_data &d, HDC dc)
{
    ObjectDcState *s = find_state(d);
    if (s && s->bitmap && s->bitmap->dc() == dc) {
        s->bitmap->abandon();
        s->bitmap.reset();
        d.hMemDC = nullptr;
        release_window(d);
    } else if (s && s->window && s->window->dc() == dc) {
        s->window->abandon();
        s->window.reset();
        s->holds = 0;
    } else if (d.hDC == dc) {
        d.hDC = nullptr;
    }
}

void DcScope::begin_bitmap(Win_data &d, HDC window, HDC memory)
{
    ObjectDcState &s = state_of(d);
    s.bitmap.reset();
    d.hDC = window;
    d.hBufDC = window;
    d.hMemDC = memory;
    s.bitmap.emplace(d);
    s.bitmap->redirect(memory, Giveback::Delete);
}

void DcScope::end_bitmap(Win_data &d)
{
    ObjectDcState *s = find_state(d);
    if (s && s->bitmap) {
        s->bitmap.reset();
    } else if (d.hMemDC) {
        DeleteDC(d.hMemDC);  // set by hand, not opened here
        d.hDC = d.hBufDC;
    }
    d.hMemDC = nullptr;
}

void win_adopt_font(Win_data &d, HFONT made)
{
    if (!made)
        return;
    ObjectDcState &s = state_of(d);
    HFONT old = s.madeFont;
    s.madeFont = made;
    d.hFont = made;
    if (old && old != made)
        delete_font(d, old);
}

void win_release_drawing(Win_data &d)
{
    ObjectDcState *s = find_state(d);
    if (!s)
        return;
    s->bitmap.reset();
    s->window.reset();
    if (s->madeFont) {
        delete_font(d, s->madeFont);
        if (d.hFont == s->madeFont)
            d.hFont = nullptr;
    }
    drop_state(d);
}
