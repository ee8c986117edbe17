// AtrTable: the hint window of the button under the pointer.
#include "atr_table.h"

#include <cstring>

#include "../graphics/dc_scope.h"
#include "../runtime/object.h"
#include "../window/win_proc.h"

namespace {

constexpr char kHintClass[] = "HintClass";

AtrTable_data *table_of_hint(const Win_data &h)
{
    return atr_data(reinterpret_cast<ZEK_object *>(h.Extra));
}

void paint_hint(ZEK_object *h, Win_data &d)
{
    ZEK_object *t = reinterpret_cast<ZEK_object *>(d.Extra);
    AtrTable_data *td = atr_data(t);
    const int32_t painting = d.bPaint;
    d.bPaint = 1;
    {
        DcScope scope(d);
        scope.begin_paint(d.hWnd);
        win_call<kWinColor>(h, GetSysColor(COLOR_INFOTEXT), GetSysColor(COLOR_INFOBK));
        win_call<kWinClsA>(h);
        win_call<kWinCursor>(h, int32_t(0), int32_t(0));
        const AtrButtons b = td ? atr_buttons(t) : AtrButtons{nullptr, 0};
        if (td && td->HintRec >= 0 && td->HintRec < b.count) {
            atr_mem_call(t, kFdMemGet, td->HintRec);
            char text[sizeof b.rec->hint];
            atr_copy_text(text, sizeof text, b.rec[td->HintRec].hint, sizeof b.rec->hint);
            win_call<kWinPutsn>(h, static_cast<const char *>(text));
        }
        win_call<kWinGmodeReset>(h);
    }
    d.bPaint = painting;
}

LRESULT CALLBACK hint_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ZEK_object *h = win_object_of(window);
    if (!h) {
        if (message != WM_CREATE)
            return DefWindowProcA(window, message, wParam, lParam);
        auto *create = reinterpret_cast<CREATESTRUCTA *>(lParam);
        h = create ? static_cast<ZEK_object *>(create->lpCreateParams) : nullptr;
        Win_data *d = win_is_live(h) ? win_data_of(h) : nullptr;
        if (!d)
            return DefWindowProcA(window, message, wParam, lParam);
        win_bind(window, h);
        d->hWnd = window;
    }
    Win_data &d = *win_data_of(h);
    switch (message) {
    case WM_PAINT:
        paint_hint(h, d);
        return 0;
    case WM_SIZE:
        win_call<kWinSize>(h, int32_t(wParam), int32_t(LOWORD(lParam)), int32_t(HIWORD(lParam)));
        return 0;
    case WM_SETFOCUS:
        if (AtrTable_data *td = table_of_hint(d); td && IsWindow(static_cast<HWND>(td->hFocus)))
            SetFocus(static_cast<HWND>(td->hFocus));
        return 0;
    case WM_MOUSEMOVE:
        win_show_mouse_cursor();
        return 0;
    case WM_DESTROY:
        win_call<kWinGmodeReset>(h);
        if (d.bBackgroundF && d.hbrBackground) {
            DeleteObject(d.hbrBackground);
            d.hbrBackground = nullptr;
            d.bBackgroundF = 0;
        }
        return 0;
    case WM_NCDESTROY: {
        if (AtrTable_data *td = table_of_hint(d); td && td->pHint == h) {
            td->bHint = 0;
            td->bWaitPaint = 1;
            td->pHint = nullptr;
        }
        const LRESULT r = DefWindowProcA(window, message, wParam, lParam);
        win_bind(window, nullptr);
        d.hWnd = nullptr;
        zek_delete_object(h);
        return r;
    }
    case WIN_DTOR:
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int32_t pitch(const int32_t (&cells)[3])
{
    return cells[0] + cells[1] + cells[2];
}

}  // namespace

void atr_hint_destroy(AtrTable_data &d)
{
    ZEK_object *h = d.pHint;
    d.pHint = nullptr;
    d.bHint = 0;
    Win_data *hd = win_data_of(h);
    if (!hd)
        return;
    // Detached first: the window's end no longer reaches the table.
    hd->Extra = 0;
    if (hd->hWnd && IsWindow(hd->hWnd))
        DestroyWindow(hd->hWnd);  // deletes the Win on its last message
    else
        zek_delete_object(h);
}

extern "C" void ZEKAPI AtrTable_DispHint(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    atr_call<void>(t, kAtrResetHintTimer);
    const AtrButtons b = atr_buttons(t);
    Win_data *w = win_data_of(d->pWin);
    if (d->HintRec < 0 || d->HintRec >= b.count || !w || !w->hWnd)
        return;
    char text[sizeof b.rec->hint];
    const size_t length = atr_copy_text(text, sizeof text, b.rec[d->HintRec].hint, sizeof text);
    POINT p;
    RECT r;
    if (!length || !GetCursorPos(&p) || !GetWindowRect(w->hWnd, &r) || p.x < r.left ||
        p.x >= r.right || p.y < r.top || p.y >= r.bottom)
        return;
    atr_hint_destroy(*d);  // one hint at a time
    d->hFocus = GetFocus();
    ZEK_object *h = Win_ctor2(nullptr);
    Win_data *hd = win_data_of(h);
    if (!hd) {
        zek_delete_object(h);
        return;
    }
    hd->Extra = reinterpret_cast<intptr_t>(t);
    hd->pMother = d->pWin;
    hd->ClassStyle = 0;
    hd->hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    hd->bBackgroundF = 0;
    hd->pClassName = kHintClass;
    hd->WinStyle = 0x94800000;
    hd->ExStyle = 0;
    hd->TopOx = hd->TopOy = 2;
    hd->hInst = w->hInst;
    const int32_t width = int32_t(length) * pitch(hd->ChrWdGx) + 5;
    const int32_t height = pitch(hd->ChrWdGy) + 5;
    int32_t x = p.x, y = p.y + 20;
    const int32_t screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    if (x + width > screenW)
        x = screenW - width;
    if (y + height > screenH)
        y = screenH - height;
    d->HintGx = w->MouseGx;
    d->HintGy = w->MouseGy + 20;
    WinClassInfo info;
    info.name = kHintClass;
    info.style = hd->ClassStyle;
    info.instance = hd->hInst;
    info.procedure = hint_proc;
    info.background = hd->hbrBackground;
    if (!win_register_class(info) ||
        !CreateWindowExA(hd->ExStyle, kHintClass, "", hd->WinStyle, x, y, width, height, w->hWnd,
                         nullptr, hd->hInst, h)) {
        if (win_is_live(h) && !win_data_of(h)->hWnd)
            zek_delete_object(h);
        return;
    }
    d->pHint = h;
    d->bHint = 1;
}

extern "C" int32_t ZEKAPI AtrTable_HintOff(ZEK_object *t, int32_t force)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return -1;
    const int32_t i = atr_call(t, kAtrGetMousePos);
    Win_data *w = win_data_of(d->pWin);
    const bool stayed = w && d->HintGx == w->MouseGx && d->HintGy == w->MouseGy + 20;
    if (d->bHint && (force || (i != d->HintRec && !stayed))) {
        if (Win_data *hd = win_data_of(d->pHint)) {
            if (hd->hWnd)
                ShowWindow(hd->hWnd, SW_HIDE);
            win_call<kWinClose>(d->pHint);
        }
    }
    return i;
}
