// RuningWin: descriptor table, construction and destruction.
#include "runing_win.h"

#include "../runtime/class_rows.h"
#include "../runtime/object.h"

namespace {

// The layer's class name; a layer carrying this very pointer was built here.
const char kClassName[] = "RuningWin";

void ZEKAPI runing_win_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_derived(object, &RuningWin_vtbl, flags);
}

using D = RuningWin_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, hWnd),
    zek_method_row("dtor", RuningWin_dtor, kNoResult),
    zek_method_row("isRuningWnd", RuningWin_isRuningWnd, kIntResult),
    zek_method_row("GetChildWin", RuningWin_GetChildWin, kIntResult),
    zek_method_row("GetChildClass", RuningWin_GetChildClass, kIntResult),
    zek_method_row("GetChildText", RuningWin_GetChildText, kIntResult),
    zek_method_row("GetChildHWND", RuningWin_GetChildHWND, kIntResult),
    zek_method_row("PostMessage", RuningWin_PostMessage, kIntResult),
    zek_method_row("SendMessage", RuningWin_SendMessage, kIntResult),
    zek_method_row("LButtonDown", RuningWin_LButtonDown, kNoResult),
    zek_method_row("LButtonDblClk", RuningWin_LButtonDblClk, kNoResult),
    zek_method_row("PostChar", RuningWin_PostChar, kNoResult),
    zek_method_row("PostStr", RuningWin_PostStr, kNoResult),
    zek_method_row("PostSysKey", RuningWin_PostSysKey, kNoResult),
    zek_method_row("PostKey", RuningWin_PostKey, kNoResult),
    zek_method_row("CurUp", RuningWin_CurUp, kNoResult),
    zek_method_row("CurDown", RuningWin_CurDown, kNoResult),
    zek_method_row("CurRet", RuningWin_CurRet, kNoResult),
    zek_method_row("CurEsc", RuningWin_CurEsc, kNoResult),
    zek_method_row("SetForegroundWindow", RuningWin_SetForegroundWindow, kIntResult),
    zek_method_row("GetWindowText", RuningWin_GetWindowText, kIntResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 21 && kRowCount == kRwMethods + 1, "RuningWin rows");

bool runing_win_init_layer(ZEK_object *, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kRwMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(RuningWin_data)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kClassName;
    layer->hModule = nullptr;
    return true;
}

}  // namespace

const ZEK_vtbl RuningWin_vtbl = {runing_win_deleting_dtor};

ZEK_layer *runing_win_layer(ZEK_object *object)
{
    return zek_find_layer(object, kClassName);
}

HWND runing_win_hwnd(ZEK_object *object)
{
    ZEK_layer *layer = runing_win_layer(object);
    return layer ? runing_win_data(layer)->hWnd : nullptr;
}

extern "C" ZEK_object *ZEKAPI RuningWin_ctor2(ZEK_object *object)
{
    return zek_construct_derived(object, &RuningWin_vtbl, runing_win_init_layer);
}

// The object holds nothing of its own: the window belongs to its program.
extern "C" void ZEKAPI RuningWin_dtor(ZEK_object *) {}
