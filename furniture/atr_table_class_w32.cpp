// AtrTable: descriptor table, construction over the record array class,
// destruction and the lookups by command id and group.
#include "atr_table.h"

#include <windows.h>

#include <cstdlib>

#include "../runtime/object.h"
#include "../runtime/zek_class.h"

namespace {

void ZEKAPI atr_table_deleting_dtor(ZEK_object *object, int32_t flags);

const ZEK_vtbl AtrTable_vtbl = {atr_table_deleting_dtor};

void ZEKAPI atr_table_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_third(object, &AtrTable_vtbl, &Fd_Mem_vtbl, flags);
}

using B = AtrTable_button;
using D = AtrTable_data;
const ZEK_member kRows[] = {
    ZEK_FIELD_ROW(B, str),
    ZEK_FIELD_ROW(B, cls),
    ZEK_FIELD_ROW(B, hint),
    ZEK_FIELD_ROW(B, hBmp),
    ZEK_FIELD_ROW(B, hBmpUn),
    ZEK_FIELD_ROW(B, hBmpCh),
    ZEK_FIELD_ROW(B, hBmpBuf),
    ZEK_FIELD_ROW(B, pjBits),
    ZEK_FIELD_ROW(B, pjBits2),
    ZEK_FIELD_ROW(B, pjBitsCh),
    ZEK_FIELD_ROW(B, pjBitsBuf),
    ZEK_FIELD_ROW(B, bBmpX),
    ZEK_FIELD_ROW(B, bBmpY),
    ZEK_FIELD_ROW(B, bButtonType),
    ZEK_FIELD_ROW(B, bButtonMode),
    ZEK_FIELD_ROW(B, bComId),
    ZEK_FIELD_ROW(B, bComType),
    ZEK_FIELD_ROW(B, bRunMode),
    ZEK_FIELD_ROW(B, bGlay),
    ZEK_FIELD_ROW(B, bOnOff),
    ZEK_FIELD_ROW(B, bRepeet),
    ZEK_FIELD_ROW(B, frame),
    ZEK_FIELD_ROW(B, group),
    ZEK_FIELD_ROW(B, sx),
    ZEK_FIELD_ROW(B, sy),
    ZEK_FIELD_ROW(B, wx),
    ZEK_FIELD_ROW(B, wy),
    ZEK_FIELD_ROW(B, ox),
    ZEK_FIELD_ROW(B, oy),
    ZEK_FIELD_ROW(B, key),
    ZEK_FIELD_ROW(B, pMode),
    ZEK_FIELD_ROW(B, pModeD),
    ZEK_FIELD_ROW(B, proc),
    ZEK_DATA_ROW(D, pWin),
    ZEK_DATA_ROW(D, pHint),
    ZEK_DATA_ROW(D, RunProc),
    ZEK_DATA_ROW(D, RunPos),
    ZEK_DATA_ROW(D, SelPos),
    ZEK_DATA_ROW(D, RvPos),
    ZEK_DATA_ROW(D, bTimer),
    ZEK_DATA_ROW(D, bHint),
    ZEK_DATA_ROW(D, HintGx),
    ZEK_DATA_ROW(D, HintGy),
    ZEK_DATA_ROW(D, HintTimer),
    ZEK_DATA_ROW(D, HintRec),
    ZEK_DATA_ROW(D, bRepeetFg),
    ZEK_DATA_ROW(D, bRepeetTimer),
    ZEK_DATA_ROW(D, OpeRec),
    ZEK_DATA_ROW(D, OpeGroup),
    ZEK_DATA_ROW(D, OpeMode),
    ZEK_DATA_ROW(D, ClsSx),
    ZEK_DATA_ROW(D, ClsSy),
    ZEK_DATA_ROW(D, ClsEx),
    ZEK_DATA_ROW(D, ClsEy),
    ZEK_DATA_ROW(D, bWaitPaint),
    ZEK_DATA_ROW(D, BefMode),
    ZEK_DATA_ROW(D, bPos),
    ZEK_DATA_ROW(D, bPosBuf),
    ZEK_DATA_ROW(D, hFocus),
    ZEK_DATA_ROW(D, bFsx),
    ZEK_DATA_ROW(D, bFsy),
    ZEK_DATA_ROW(D, bFwx),
    ZEK_DATA_ROW(D, bFwy),
    ZEK_DATA_ROW(D, bWsx),
    ZEK_DATA_ROW(D, bWsy),
    ZEK_DATA_ROW(D, bWwx),
    ZEK_DATA_ROW(D, bWwy),
    ZEK_DATA_ROW(D, bTsx),
    ZEK_DATA_ROW(D, bTwx),
    ZEK_DATA_ROW(D, bTcl),
    ZEK_DATA_ROW(D, bToolName),
    ZEK_DATA_ROW(D, bEdgeFlag),
    zek_method_row("dtor", AtrTable_dtor, kNoResult),
    zek_method_row("SetRepeetTimer", AtrTable_SetRepeetTimer, kNoResult),
    zek_method_row("ResetHintTimer", AtrTable_ResetHintTimer, kNoResult),
    zek_method_row("ResetRepeetTimer", AtrTable_ResetRepeetTimer, kNoResult),
    zek_method_row("GetMousePos", AtrTable_GetMousePos, kIntResult),
    zek_method_row("MouseMove", AtrTable_MouseMove, kNoResult),
    zek_method_row("LButtonDown", AtrTable_LButtonDown, kIntResult),
    zek_method_row("LButtonUp", AtrTable_LButtonUp, kIntResult),
    zek_method_row("RButtonDown", AtrTable_RButtonDown, kNoResult),
    zek_method_row("RButtonUp", AtrTable_RButtonUp, kNoResult),
    zek_method_row("DrawButton", AtrTable_DrawButton, kNoResult),
    zek_method_row("DrawButton1", AtrTable_DrawButton1, kNoResult),
    zek_method_row("SetStrAddress", AtrTable_SetStrAddress, kNoResult),
    zek_method_row("DrawBackColor", AtrTable_DrawBackColor, kNoResult),
    zek_method_row("DrawStr", AtrTable_DrawStr, kNoResult),
    zek_method_row("DrawFrame", AtrTable_DrawFrame, kNoResult),
    zek_method_row("DrawFrame11", AtrTable_DrawFrame11, kNoResult),
    zek_method_row("DrawFrame12", AtrTable_DrawFrame12, kNoResult),
    zek_method_row("DrawFrame22", AtrTable_DrawFrame22, kNoResult),
    zek_method_row("DrawFrameTab", AtrTable_DrawFrameTab, kNoResult),
    zek_method_row("Paint", AtrTable_Paint, kNoResult),
    zek_method_row("DispHint", AtrTable_DispHint, kNoResult),
    zek_method_row("HintOff", AtrTable_HintOff, kIntResult),
    zek_method_row("SetGroupMode", AtrTable_SetGroupMode, kIntResult),
    zek_method_row("LayoutStatusBar", AtrTable_LayoutStatusBar, kNoResult),
    zek_method_row("LayoutToolBar", AtrTable_LayoutToolBar, kNoResult),
    zek_method_row("LayoutModeMenu", AtrTable_LayoutModeMenu, kNoResult),
    zek_method_row("GetFrameW", AtrTable_GetFrameW, kIntResult),
    zek_method_row("GetButtonMaxH", AtrTable_GetButtonMaxH, kIntResult),
    zek_method_row("GetButtonMaxW", AtrTable_GetButtonMaxW, kIntResult),
    zek_method_row("SetPosBar", AtrTable_SetPosBar, kNoResult),
    zek_method_row("SetPosLock", AtrTable_SetPosLock, kNoResult),
    zek_method_row("SetPosYoko", AtrTable_SetPosYoko, kNoResult),
    zek_method_row("SetPosTate", AtrTable_SetPosTate, kNoResult),
    zek_method_row("SetPosFree", AtrTable_SetPosFree, kNoResult),
    zek_method_row("GetFrameMaxSize", AtrTable_GetFrameMaxSize, kNoResult),
    zek_method_row("SetButtonProc", AtrTable_SetButtonProc, kIntResult),
    zek_method_row("SetButtonMode", AtrTable_SetButtonMode, kIntResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 110 && kRowCount - 33 - 39 == kAtrMethods, "AtrTable rows");

bool init_layer(ZEK_object *object, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kAtrMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(AtrTable_data)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kAtrTableClassName;
    layer->hModule = nullptr;
    AtrTable_data &d = *static_cast<AtrTable_data *>(layer->pDataArea);
    d.HintTimer = 1000;
    d.RunProc = d.RunPos = d.SelPos = d.RvPos = -1;
    d.bEdgeFlag = 0;
    d.bWaitPaint = 0;
    if (ZEK_layer *mem = fd_mem_layer(object))
        fd_mem_area(mem)->data.bRecSize = kAtrTableRecordBytes;
    return true;
}

}  // namespace

const char kAtrTableClassName[] = "AtrTable";

ZEK_layer *atr_table_layer(ZEK_object *object)
{
    if (!object)
        return nullptr;
    ZEK_layer *middle = ZEK_layer_at(object, 0)->pDerived;
    ZEK_layer *above = middle ? middle->pDerived : nullptr;
    if (above && above->pszClass == kAtrTableClassName && above->pDataArea)
        return above;
    return zek_find_layer(object, kAtrTableClassName);
}

AtrButtons atr_buttons(ZEK_object *t)
{
    ZEK_layer *mem = fd_mem_layer(t);
    if (!mem || !t->pBlock)
        return {nullptr, 0};
    const Fd_Mem_area &a = *fd_mem_area(mem);
    if (a.blockRecSize != kAtrTableRecordBytes)
        return {nullptr, 0};
    const int32_t n = a.data.bMaxRec < a.blockRecs ? a.data.bMaxRec : a.blockRecs;
    return {static_cast<AtrTable_button *>(t->pBlock), n > 0 ? n : 0};
}

// Three layers: the root, the record array, the table. With an object only
// the table's layer is built, on the record array layer already there.
extern "C" ZEK_object *ZEKAPI AtrTable_ctor2(ZEK_object *object)
{
    return zek_construct_third(object, &Fd_Mem_vtbl, Fd_Mem_ctor2, &AtrTable_vtbl, init_layer);
}

// Each distinct bitmap once: in a changed picture hBmp is hBmpCh and the
// normal picture sits only in hBmpBuf. The hint and the timers live on pWin
// and must not outlast the table that they call back.
extern "C" void ZEKAPI AtrTable_dtor(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    atr_hint_destroy(*d);
    atr_call<void>(t, kAtrResetRepeetTimer);
    atr_call<void>(t, kAtrResetHintTimer);
    const AtrButtons b = atr_buttons(t);
    for (int32_t i = 0; i < b.count; ++i) {
        AtrTable_button &r = b.rec[i];
        if (!r.bButtonType)
            continue;
        void *owned[4];
        const int n = atr_owned_bitmaps(r, owned);
        for (int k = 0; k < n; ++k)
            DeleteObject(static_cast<HGDIOBJ>(owned[k]));
        r.hBmp = r.hBmpUn = r.hBmpCh = r.hBmpBuf = nullptr;
    }
}

extern "C" int32_t ZEKAPI AtrTable_SetGroupMode(ZEK_object *t, int32_t group, int32_t value)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return 0;
    AtrState s = atr_state(*d);
    const int32_t old = atr_set_group_mode(atr_buttons(t), group, value, s);
    atr_store(*d, s);
    return old;
}

extern "C" int32_t ZEKAPI AtrTable_SetButtonProc(ZEK_object *t, int32_t comId, void *proc)
{
    const AtrButtons b = atr_data(t) ? atr_buttons(t) : AtrButtons{nullptr, 0};
    const int32_t i = atr_find_command(b, comId);
    if (i < 0)
        return 0;
    b.rec[i].proc = proc;
    return 1;
}
