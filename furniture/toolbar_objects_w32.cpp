// Tool frame and toolbar objects: making them, finding them, letting them go.
#include <cstring>
#include <utility>

#include "../env/sjis_fit.h"
#include "../runtime/object.h"
#include "../window/win_window_class.h"
#include "toolbar.h"

const char kToolFrameClass[] = "ToolFrame";
const char kToolBarClass[] = "ToolBarClass";

namespace {

constexpr UINT kFurnitureClassStyle = CS_HREDRAW | CS_VREDRAW;
constexpr uint32_t kToolFrameStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

bool valid_slot(int32_t i) { return i >= 0 && i < kToolBarSlots; }

// Whatever deletes a toolbar (the owner after saving it, a program, the tool
// frame's end), the owner's slot must not keep pointing at it.
void ZEKAPI toolbar_dtor(ZEK_object *bar)
{
    if (Win_data *o = live_win(toolbar_owner(bar)))
        for (ZEK_object *&slot : o->pToolBar)
            if (slot == bar)
                slot = nullptr;
    Win_dtor(bar);
}

void remove_toolbar(Win_data &owner, int32_t i)
{
    zek_delete_object(std::exchange(owner.pToolBar[i], nullptr));
}

}  // namespace

Win_data *live_win(ZEK_object *object)
{
    return object && win_is_live(object) ? win_data_of(object) : nullptr;
}

ZEK_object *toolbar_frame(ZEK_object *bar)
{
    Win_data *b = live_win(bar);
    return b && live_win(b->pMother) ? b->pMother : nullptr;
}

ZEK_object *toolbar_owner(ZEK_object *bar)
{
    Win_data *f = live_win(toolbar_frame(bar));
    return f && live_win(f->pMother) ? f->pMother : nullptr;
}

AtrTable_data *toolbar_table(ZEK_object *bar)
{
    Win_data *b = live_win(bar);
    return b ? atr_data(b->pButtonTbl) : nullptr;
}

int32_t toolbar_slot(ZEK_object *owner, const ZEK_object *bar)
{
    Win_data *o = live_win(owner);
    for (int32_t i = 0; o && bar && i < kToolBarSlots; ++i)
        if (o->pToolBar[i] == bar)
            return i;
    return -1;
}

void release_toolbars(ZEK_object *owner)
{
    for (int32_t i = 0; i < kToolBarSlots; ++i) {
        Win_data *o = live_win(owner);
        ZEK_object *bar = o ? o->pToolBar[i] : nullptr;
        if (!bar)
            continue;
        win_call<kWinPutToolBarEx>(owner, i);
        win_call<kWinPutToolBar>(bar);
        if ((o = live_win(owner)) && o->pToolBar[i] == bar)
            remove_toolbar(*o, i);
    }
}

// A second call keeps the tool frame (and the toolbars placed in it) and
// takes the new height.
extern "C" int32_t ZEKAPI Win_InitToolFrame(ZEK_object *w, int32_t height)
{
    Win_data *d = live_win(w);
    if (!d)
        return 0;
    d->bToolId = 1;
    d->bToolHeight = height;
    Win_data *f = live_win(d->pToolFrame);
    if (!f) {
        ZEK_object *frame = Win_ctor2(nullptr);
        if (!(f = live_win(frame)))
            return 0;
        d->pToolFrame = frame;
        f->pMother = w;
        f->ClassStyle = kFurnitureClassStyle;
        f->pClassName = kToolFrameClass;
        f->WinStyle = kToolFrameStyle;
        f->ExStyle = 0;
    }
    f->bToolHeight = height;
    WinClassInfo info;
    info.name = kToolFrameClass;
    info.style = kFurnitureClassStyle;
    info.instance = f->hInst;
    info.procedure = tool_frame_proc;
    return win_register_class(info) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Win_CreateToolFrame(ZEK_object *w)
{
    Win_data *d = live_win(w);
    Win_data *f = d ? live_win(d->pToolFrame) : nullptr;
    if (!f || !d->hWnd || (f->hWnd && IsWindow(f->hWnd)))
        return 0;
    f->bToolEdge = d->bToolEdge;
    RECT client{};
    GetClientRect(d->hWnd, &client);
    const HWND window = CreateWindowExA(f->ExStyle, f->pClassName, "", f->WinStyle, 0, 0,
                                        client.right, f->bToolHeight, d->hWnd, nullptr, f->hInst,
                                        d->pToolFrame);
    return window ? 1 : 0;
}

// The toolbar belongs to w's slot i. A half-made toolbar (no class, no
// buttons) is not kept.
extern "C" int32_t ZEKAPI Win_InitToolBar(ZEK_object *w, int32_t i, const char *name,
                                          const void *table, int32_t kind, int32_t floatKind)
{
    Win_data *d = live_win(w);
    if (!d || !valid_slot(i) || !live_win(d->pToolFrame))
        return 0;
    remove_toolbar(*d, i);
    ZEK_object *bar = Win_ctor2(nullptr);
    Win_data *b = live_win(bar);
    if (!b)
        return 0;
    if (ZEK_layer *layer = win_layer(bar); layer && layer->pSlot)
        layer->pSlot[kWinDtor] = reinterpret_cast<ZEK_method_fn>(toolbar_dtor);
    d->pToolBar[i] = bar;
    if (name) {
        const size_t n = sjis_fit(name, SIZE_MAX, sizeof b->bMenuName - 1);
        std::memcpy(b->bMenuName, name, n);
        b->bMenuName[n] = '\0';
    }
    b->pMother = d->pToolFrame;
    b->ClassStyle = kFurnitureClassStyle;
    b->pClassName = kToolBarClass;
    b->pTitleName = b->bMenuName;
    b->bToolHeight = d->bToolHeight;
    b->bToolEdge = d->bToolEdge;
    b->Color = Color3dText();
    b->BackColor = Color3dFace();

    WinClassInfo info;
    info.name = kToolBarClass;
    info.style = kFurnitureClassStyle;
    info.instance = b->hInst;
    info.procedure = toolbar_proc;
    info.icon = win_class_icon(b->hInst, false);
    info.smallIcon = win_class_icon(b->hInst, true);
    if (!win_register_class(info) || !win_call<kWinInitButton>(bar, table, int32_t(1), kind, floatKind)) {
        if ((d = live_win(w)) && d->pToolBar[i] == bar)
            remove_toolbar(*d, i);
        return 0;
    }
    return 1;
}

extern "C" int32_t ZEKAPI Win_GetToolBarNextPos(ZEK_object *w)
{
    Win_data *d = live_win(w);
    if (!d || !live_win(d->pToolFrame))
        return -1;
    for (int32_t i = 0; i < kToolBarSlots; ++i)
        if (!d->pToolBar[i])
            return i;
    return -1;
}

// An empty name is no toolbar's: a closed toolbar's name is emptied.
extern "C" int32_t ZEKAPI Win_GetOpenToolBar(ZEK_object *w, const char *name)
{
    Win_data *d = live_win(w);
    if (!d || !live_win(d->pToolFrame) || !name || !name[0])
        return 0;
    for (ZEK_object *bar : d->pToolBar) {
        Win_data *b = live_win(bar);
        if (b && std::strncmp(b->bMenuName, name, sizeof b->bMenuName) == 0) {
            win_call<kWinSetFocus>(bar);
            return 1;
        }
    }
    return 0;
}

extern "C" int32_t ZEKAPI Win_PutToolBarEx(ZEK_object *, int32_t)
{
    return 0;
}
