// Lock menus: the button strips docked to the left, right, top and bottom
// edges of a window, each a "SideMenuClass" child with its own Win.
#include <utility>

#include "../runtime/object.h"
#include "../window/win_call.h"
#include "../window/win_lifetime.h"
#include "../window/win_window_class.h"
#include "furniture_proc.h"

namespace {

const char kSideMenuClass[] = "SideMenuClass";

LRESULT CALLBACK side_menu_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const FurnitureKind kind;
    return furniture_proc(kind, window, message, wParam, lParam);
}

// Where a side's menu lives in its owner, and the position code it keeps.
struct Side {
    ZEK_object *Win_data::*slot;
    int32_t Win_data::*size;
    int32_t Win_data::*edge;
    int32_t position;
};

// Side codes 10 left, 11 right, 12 top, 13 bottom; any other has no slot.
const Side *side_of(int32_t code)
{
    static const Side sides[4] = {
        {&Win_data::pLeftMenuBar, &Win_data::bLeftMenuW, &Win_data::bLeftMenuEdge, 2},
        {&Win_data::pRightMenuBar, &Win_data::bRightMenuW, &Win_data::bRightMenuEdge, 3},
        {&Win_data::pTopMenuBar, &Win_data::bTopMenuH, &Win_data::bTopMenuEdge, 0},
        {&Win_data::pDownMenuBar, &Win_data::bDownMenuH, &Win_data::bDownMenuEdge, 1},
    };
    return code >= 10 && code <= 13 ? &sides[code - 10] : nullptr;
}

bool has_window(ZEK_object *object, const Win_data &d)
{
    return d.hWnd && IsWindow(d.hWnd) && win_object_of(d.hWnd) == object;
}

}  // namespace

// The menu object belongs to the owner's slot: its window's destruction
// deletes it and clears the slot, and so does the owner's WM_NCDESTROY; a
// second Win_InitLockMenu for the side deletes the one it replaces.
extern "C" int32_t ZEKAPI Win_InitLockMenu(ZEK_object *w, int32_t side, int32_t size,
                                           const void *table)
{
    Win_data *wd = win_data_of(w);
    const Side *s = side_of(side);
    if (!wd || !s)
        return 0;
    wd->*s->size = size;
    zek_delete_object(std::exchange(wd->*s->slot, nullptr));
    ZEK_object *menu = Win_ctor2(nullptr);
    Win_data *md = win_data_of(menu);
    if (!md)
        return 0;
    wd->*s->slot = menu;
    md->pMother = w;
    md->ClassStyle = CS_HREDRAW | CS_VREDRAW;
    md->pClassName = kSideMenuClass;
    md->WinStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    md->ExStyle = 0;
    md->bLeftMenuW = size;
    md->Color = Color3dText();
    md->BackColor = Color3dFace();
    WinClassInfo info;
    info.name = kSideMenuClass;
    info.style = md->ClassStyle;
    info.instance = md->hInst;
    info.procedure = side_menu_proc;
    if (!win_register_class(info))
        return 0;
    return win_call<kWinInitButton>(menu, table, int32_t(1), int32_t(0), int32_t(0)) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_CreateLockMenu(ZEK_object *w, int32_t side)
{
    Win_data *wd = win_data_of(w);
    const Side *s = side_of(side);
    ZEK_object *menu = wd && s ? wd->*s->slot : nullptr;
    Win_data *md = win_data_of(menu);
    // One window a menu: a second would leave the first pointing at it.
    if (!md || has_window(menu, *md))
        return 0;
    md->bTopMenuEdge = wd->*s->edge;
    md->bTopMenuH = s->position;
    HWND window = CreateWindowExA(md->ExStyle, md->pClassName, "", md->WinStyle, 0, 0, 0, 0,
                                  wd->hWnd, nullptr, md->hInst, menu);
    if (window && win_is_live(menu) && win_object_of(window) == menu)
        md->hWnd = window;
    return window ? 1 : 0;
}
