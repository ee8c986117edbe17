// Win: class registration, window creation with its furniture, closing.
#include "win_proc.h"

#include "../runtime/object.h"

namespace {

// The client rectangle's offset inside the frame, measured from the top.
int32_t client_top_offset(DWORD style)
{
    int32_t top = 0;
    if ((style & WS_CAPTION) == WS_CAPTION)
        top += GetSystemMetrics(SM_CYCAPTION);
    if (style & WS_THICKFRAME)
        top += GetSystemMetrics(SM_CYFRAME);
    else if (style & WS_BORDER)
        top += GetSystemMetrics(SM_CYBORDER);
    return top;
}

// Shrinks the frame onto the screen and moves it back from the right and bottom.
void keep_on_screen(Win_data &d)
{
    const int32_t w = GetSystemMetrics(SM_CXSCREEN);
    const int32_t h = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU);
    if (d.WinWdGx > w)
        d.WinWdGx = w;
    if (d.WinWdGy > h)
        d.WinWdGy = h;
    if (d.WinStGx + d.WinWdGx > w)
        d.WinStGx = w - d.WinWdGx;
    if (d.WinStGy + d.WinWdGy > h)
        d.WinStGy = h - d.WinWdGy;
}

HWND scroll_bar(const Win_data &d, DWORD kind)
{
    return CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | kind, 0, 0, 0, 0, d.hWnd,
                           nullptr, d.hInst, nullptr);
}

}  // namespace

extern "C" int32_t ZEKAPI Win_InitApplication(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->pClassName)
        return 0;
    WinClassInfo info;
    info.name = d->pClassName;
    info.style = UINT(d->ClassStyle);
    info.instance = d->hInst;
    info.background = d->hbrBackground;
    info.menu = d->pMenuName;
    info.icon = win_class_icon(d->hInst, false);
    info.smallIcon = win_class_icon(d->hInst, true);
    return win_register_class(info) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_InitInstance(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->pClassName)
        return 0;
    Win_data *mother = win_data_of(d->pMother);
    HWND window = CreateWindowExA(DWORD(d->ExStyle), d->pClassName,
                                  d->pTitleName ? d->pTitleName : "", DWORD(d->WinStyle),
                                  d->WinStGx, d->WinStGy, d->WinWdGx, d->WinWdGy,
                                  mother ? mother->hWnd : nullptr, d->hMenu, d->hInst, object);
    if (window)
        d->hWnd = window;
    return window ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_con(ZEK_object *object, int32_t loop)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    if (!d->hPrev && !win_call<kWinInitApplication>(object))
        return -1;
    const DWORD style = DWORD(d->WinStyle);
    RECT frame{d->WinStGx, d->WinStGy, d->WinStGx + d->WinWdGx, d->WinStGy + d->WinWdGy};
    AdjustWindowRectEx(&frame, style, d->bMenuId != 0, DWORD(d->ExStyle));
    d->WinWdGx = frame.right - frame.left;
    d->WinWdGy = frame.bottom - frame.top;
    d->ClSx = d->WinStGx - frame.left;
    d->ClSy = client_top_offset(style);
    Win_data *mother = win_data_of(d->pMother);
    if (mother && !(style & WS_CHILD) && d->bDefPos == 1) {
        d->WinStGx += mother->bScRect.left + mother->ClSx;
        d->WinStGy += mother->bScRect.top + mother->ClSy;
    }
    keep_on_screen(*d);
    if (!win_call<kWinInitInstance>(object))
        return -1;
    ShowWindow(d->hWnd, d->bShow);
    UpdateWindow(d->hWnd);
    d->CurCx = d->CurCy = 0;
    d->CurGx = d->TopOx + d->ChrWdGx[0];
    d->CurGy = d->TopOy + d->ChrWdGy[0];
    if (gImeOpen) {
        // Our own opening is no toggle by the user.
        gImeBusy = 1;
        win_ime_open(d->hWnd);
        gImeBusy = 0;
    }
    if (!loop)
        return 0;
    return win_call<kWinMainLoop>(object);
}

extern "C" int32_t ZEKAPI Win_Create(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (d->bToolId) {
        win_call<kWinCreateToolFrame>(object);
        for (int32_t i = 0; i < 20; ++i)
            if (d->pToolBar[i])
                win_call<kWinCreateToolBar>(object, i, int32_t(0));
    }
    const ZEK_object *menus[] = {d->pLeftMenuBar, d->pRightMenuBar, d->pTopMenuBar,
                                 d->pDownMenuBar};
    for (int32_t side = 0; side < 4; ++side)
        if (menus[side])
            win_call<kWinCreateLockMenu>(object, 10 + side);
    if (d->bMdiId) {
        win_call<kWinCreateMdiFrame>(object);
        for (int32_t i = 0; i < 10; ++i)
            if (d->pMdiChild[i])
                win_call<kWinCreateMdiWnd>(object, i);
    }
    if (d->bHorzId)
        d->hWndHScroll = scroll_bar(*d, SBS_HORZ);
    if (d->bVertId)
        d->hWndVScroll = scroll_bar(*d, SBS_VERT);
    if (d->bHorzId && d->bVertId)
        d->hSizeBox = scroll_bar(*d, d->bSizeBoxType > 0 ? SBS_SIZEGRIP : SBS_SIZEBOX);
    if (d->pStatusBar)
        return win_call<kWinCreateStatusBar>(object);
    return 0;
}

extern "C" int32_t ZEKAPI Win_Close(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    return d ? win_post(*d, WIN_DTOR, 0, 0) : 0;
}

extern "C" int32_t ZEKAPI Win_WaitClose(ZEK_object *object, ZEK_object *other)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    Win_data *o = win_data_of(other ? other : d->pMother);
    if (o && o->hWnd)
        SetForegroundWindow(o->hWnd);
    win_call<kWinClose>(object);
    const int32_t gone = WinQuitLoopEx(object);
    if (o && o->hWnd)
        UpdateWindow(o->hWnd);
    return gone;
}

extern "C" int32_t ZEKAPI Win_EndPopupWindow(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    for (ZEK_object *w : {d->pChild, d->pChild2, d->pChild3, object}) {
        Win_data *wd = win_data_of(w);
        if (!wd || !wd->pUnderMenu)
            continue;
        ZEK_object *menu = wd->pUnderMenu;
        wd->pUnderMenu = nullptr;
        Win_data *md = win_data_of(menu);
        if (md && md->AltF4Code) {
            win_call<kWinAltF4>(menu);
        } else {
            win_call<kWinWaitClose>(menu, static_cast<ZEK_object *>(nullptr));
            zek_delete_object(menu);
        }
        return 1;
    }
    return 0;
}
