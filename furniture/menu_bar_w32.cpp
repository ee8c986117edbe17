// The menu bar of a Win: built from the program's menu table, its items
// checked, renamed and grayed by command identifier.
#include <cstring>

#include "../window/win_call.h"
#include "menu_table.h"

namespace {

// The position of the first item of menu with this identifier (pop-up items
// included), else the end. Only menu itself is searched, never its pop-ups.
UINT position_before(HMENU menu, int32_t id)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        if (GetMenuItemInfoA(menu, UINT(i), TRUE, &info) && int32_t(info.wID) == id)
            return UINT(i);
    }
    return count > 0 ? UINT(count) : 0;
}

UINT type_bits(MenuItemType type)
{
    switch (type) {
    case MenuItemType::Separator:
        return MFT_SEPARATOR;
    case MenuItemType::ColumnBreak:
        return MFT_STRING | MFT_MENUBARBREAK;
    default:
        return MFT_STRING;
    }
}

// Adds one item; a pop-up it opens is made here and goes with its item.
void add_item(HMENU (&slots)[kMenuSlots], const MenuItem &item)
{
    HMENU into = slots[item.parent];
    if (!into)
        return;  // its pop-up could not be made
    HMENU popup = item.opens ? CreatePopupMenu() : nullptr;
    if (item.opens && !popup)
        return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_DATA | (popup ? MIIM_SUBMENU : 0);
    info.fType = type_bits(item.type);
    info.fState = item.grayed ? MFS_GRAYED : MFS_ENABLED;
    info.wID = UINT(item.id);
    info.hSubMenu = popup;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.proc);
    char caption[sizeof item.caption];
    std::memcpy(caption, item.caption, sizeof caption);
    info.dwTypeData = caption;
    info.cch = UINT(std::strlen(caption));
    if (!InsertMenuItemA(into, position_before(into, item.id), TRUE, &info)) {
        if (popup)
            DestroyMenu(popup);
        return;
    }
    if (popup)
        slots[item.opens] = popup;
}

HMENU menu_of(ZEK_object *w)
{
    Win_data *d = win_data_of(w);
    return d && d->bMenuId ? d->hMenu : nullptr;
}

bool has_item(HMENU menu, int32_t id)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    return menu && GetMenuItemInfoA(menu, UINT(id), FALSE, &info);
}

void redraw_bar(ZEK_object *w)
{
    Win_data *d = win_data_of(w);
    if (d && d->hWnd && IsWindow(d->hWnd))
        DrawMenuBar(d->hWnd);
}

}  // namespace

// The menu bar goes to w's window when it is created (or at once, in place
// of the menu it shows, when the window is there already) and is destroyed
// with it. Items keep pointers to the table's procedure texts: the table must
// outlive the menu.
extern "C" int32_t ZEKAPI Win_InitMenuBar(ZEK_object *w, const void *table)
{
    Win_data *d = win_data_of(w);
    if (!d)
        return 0;
    d->bMenuId = 0;
    const MenuPlan plan = read_menu_table(table, SIZE_MAX);
    if (!plan.ended)
        return 0;
    HMENU slots[kMenuSlots] = {CreateMenu()};
    if (!slots[0])
        return 0;
    for (const MenuItem &item : plan.items)
        add_item(slots, item);
    const HMENU old = d->hMenu;
    d->hMenu = slots[0];
    d->bMenuId = 1;
    if (old && d->hWnd && IsWindow(d->hWnd) && GetMenu(d->hWnd) == old) {
        SetMenu(d->hWnd, d->hMenu);
        DestroyMenu(old);
    }
    return 1;
}

extern "C" const char *ZEKAPI Win_GetMenuProc(ZEK_object *w, int32_t id)
{
    HMENU menu = menu_of(w);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!menu || !GetMenuItemInfoA(menu, UINT(id), FALSE, &info))
        return nullptr;
    return reinterpret_cast<const char *>(info.dwItemData);
}

extern "C" int32_t ZEKAPI Win_CheckMenu(ZEK_object *w, int32_t id, int32_t on)
{
    HMENU menu = menu_of(w);
    if (!menu)
        return -1;
    const DWORD before = CheckMenuItem(menu, UINT(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    if (before == DWORD(-1))
        return -1;
    return before & MF_CHECKED ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_SetMenuName(ZEK_object *w, int32_t id, const char *text)
{
    HMENU menu = menu_of(w);
    if (!has_item(menu, id))
        return 0;
    char empty[1] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text ? const_cast<char *>(text) : empty;
    if (!SetMenuItemInfoA(menu, UINT(id), FALSE, &info))
        return 0;
    redraw_bar(w);
    return 1;
}

extern "C" int32_t ZEKAPI Win_SetMenuGrayed(ZEK_object *w, int32_t id, int32_t enabled)
{
    HMENU menu = menu_of(w);
    if (!menu ||
        EnableMenuItem(menu, UINT(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)) == -1)
        return 0;
    redraw_bar(w);
    return 1;
}
