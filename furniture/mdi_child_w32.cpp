// Win: the document windows of an MDI frame, their objects and windows.
#include "mdi_links.h"
#include "../runtime/object.h"
#include "../window/win_window_class.h"

namespace {

const char kMdiClass[] = "MdiClass";

// Registers "MdiClass" for the child's instance unless it is there already;
// the icons are loaded only for a registration.
bool register_child_class(const Win_data &frame, const Win_data &child)
{
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(child.hInst, kMdiClass, &known))
        return true;
    WinClassInfo info;
    info.name = kMdiClass;
    info.style = UINT(child.ClassStyle);
    info.instance = child.hInst;
    info.procedure = mdi_child_proc;
    info.background = child.hbrBackground;
    info.icon = win_class_icon(frame.hInst, false);
    info.smallIcon = win_class_icon(child.hInst, true);
    return win_register_class(info);
}

}  // namespace

extern "C" int32_t ZEKAPI Win_InitMdiWnd(ZEK_object *object, int32_t number, const char *title)
{
    Win_data *d = win_data_of(object);
    // An occupied slot keeps its child: replacing it would lose that object
    // with its window.
    if (!d || !mdi_valid_number(number) || d->pMdiChild[number])
        return 0;
    ZEK_object *child = Win_ctor2(nullptr);
    Win_data *c = win_data_of(child);
    if (!c) {
        zek_delete_object(child);
        return 0;
    }
    c->bMdiSelPos = number;
    c->pMother = object;
    c->ClassStyle = CS_HREDRAW | CS_VREDRAW;
    // A stock brush: not the child's to delete (bBackgroundF stays 0).
    c->hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    c->pClassName = kMdiClass;
    c->WinStyle = WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | 1u;
    c->ExStyle = WS_EX_MDICHILD;
    if (title)
        c->pTitleName = title;
    // The frame owns the child from here on (see mdi_release_links).
    d->pMdiChild[number] = child;
    return 1;
}

extern "C" int32_t ZEKAPI Win_CreateMdiWnd(ZEK_object *object, int32_t number)
{
    Win_data *d = win_data_of(object);
    if (!d || !mdi_valid_number(number) || !d->hMdiWnd || !IsWindow(d->hMdiWnd))
        return 0;
    ZEK_object *child = d->pMdiChild[number];
    Win_data *c = win_data_of(child);
    // One window per object: a child that has its window keeps it.
    if (!c || (c->hWnd && win_object_of(c->hWnd) == child))
        return 0;
    if (!register_child_class(*d, *c))
        return 0;
    // The creation message binds the object to the window (mdi_child_proc).
    HWND window = CreateWindowExA(DWORD(c->ExStyle), c->pClassName ? c->pClassName : kMdiClass,
                                  c->pTitleName ? c->pTitleName : "", DWORD(c->WinStyle),
                                  c->WinStGx, c->WinStGy, c->WinWdGx, c->WinWdGy, d->hMdiWnd,
                                  nullptr, c->hInst, child);
    // Creation may have run the program's hooks: the child is looked up again.
    c = win_is_live(child) ? win_data_of(child) : nullptr;
    if (!window || !IsWindow(window) || !c || win_object_of(window) != child) {
        if (c && !(c->hWnd && IsWindow(c->hWnd)))
            c->hWnd = nullptr;
        return 0;
    }
    c->hWnd = window;
    SetFocus(window);
    return 1;
}

void mdi_release_links(ZEK_object *object, Win_data &d)
{
    for (ZEK_object *&slot : d.pMdiChild) {
        ZEK_object *child = slot;
        slot = nullptr;
        zek_delete_object(child);
    }
    Win_data *frame = win_data_of(win_is_live(d.pMother) ? d.pMother : nullptr);
    if (!frame)
        return;
    for (ZEK_object *&slot : frame->pMdiChild)
        if (slot == object)
            slot = nullptr;
}
