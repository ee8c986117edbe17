// Button table class: data area, slot indices and the pieces its files share.
#ifndef ZEK_FURNITURE_ATR_TABLE_H
#define ZEK_FURNITURE_ATR_TABLE_H

#include <cstdint>

#include "zek2/atr_table.h"
#include "../runtime/class_rows.h"
#include "../records/fd_mem.h"
#include "button_state.h"

// Data members, in table order.
struct AtrTable_data {
    ZEK_object *pWin;
    ZEK_object *pHint;
    int32_t RunProc;
    int32_t RunPos;
    int32_t SelPos;
    int32_t RvPos;
    int32_t bTimer;
    int32_t bHint;
    int32_t HintGx;
    int32_t HintGy;
    int32_t HintTimer;
    int32_t HintRec;
    int32_t bRepeetFg;
    int32_t bRepeetTimer;
    int32_t OpeRec;
    int32_t OpeGroup;
    int32_t OpeMode;
    int32_t ClsSx;
    int32_t ClsSy;
    int32_t ClsEx;
    int32_t ClsEy;
    int32_t bWaitPaint;
    int16_t BefMode;
    int32_t bPos;
    int32_t bPosBuf;
    void *hFocus;
    int32_t bFsx;
    int32_t bFsy;
    int32_t bFwx;
    int32_t bFwy;
    int32_t bWsx;
    int32_t bWsy;
    int32_t bWwx;
    int32_t bWwy;
    int32_t bTsx;
    int32_t bTwx;
    int32_t bTcl;
    char bToolName[260];
    int32_t bEdgeFlag;
};
#if defined(__i386__)
static_assert(sizeof(AtrTable_data) == 412, "AtrTable data area");
#endif

// Slot indices, in table order.
enum {
    kAtrDtor,
    kAtrSetRepeetTimer,
    kAtrResetHintTimer,
    kAtrResetRepeetTimer,
    kAtrGetMousePos,
    kAtrMouseMove,
    kAtrLButtonDown,
    kAtrLButtonUp,
    kAtrRButtonDown,
    kAtrRButtonUp,
    kAtrDrawButton,
    kAtrDrawButton1,
    kAtrSetStrAddress,
    kAtrDrawBackColor,
    kAtrDrawStr,
    kAtrDrawFrame,
    kAtrDrawFrame11,
    kAtrDrawFrame12,
    kAtrDrawFrame22,
    kAtrDrawFrameTab,
    kAtrPaint,
    kAtrDispHint,
    kAtrHintOff,
    kAtrSetGroupMode,
    kAtrLayoutStatusBar,
    kAtrLayoutToolBar,
    kAtrLayoutModeMenu,
    kAtrGetFrameW,
    kAtrGetButtonMaxH,
    kAtrGetButtonMaxW,
    kAtrSetPosBar,
    kAtrSetPosLock,
    kAtrSetPosYoko,
    kAtrSetPosTate,
    kAtrSetPosFree,
    kAtrGetFrameMaxSize,
    kAtrSetButtonProc,
    kAtrSetButtonMode,
    kAtrMethods
};

extern const char kAtrTableClassName[];

// The object's AtrTable layer, or null for an object of another class.
ZEK_layer *atr_table_layer(ZEK_object *object);

// The table's members, or null for an object of another class.
inline AtrTable_data *atr_data(ZEK_object *t)
{
    ZEK_layer *layer = atr_table_layer(t);
    return layer ? static_cast<AtrTable_data *>(layer->pDataArea) : nullptr;
}

// Calls slot k of the table's own layer (the table is known to be one).
template <typename R = int32_t, typename... Args>
R atr_call(ZEK_object *t, int k, Args... args)
{
    return zek_call_slot<R>(t, atr_table_layer(t), k, args...);
}

// Calls slot k of the table's record layer (Get and Alloc).
template <typename R = int32_t, typename... Args>
R atr_mem_call(ZEK_object *t, int k, Args... args)
{
    return zek_call_slot<R>(t, fd_mem_layer(t), k, args...);
}

// The records the block really holds (never more than the members say).
AtrButtons atr_buttons(ZEK_object *t);

// The mouse members copied out and written back.
AtrState atr_state(const AtrTable_data &d);
void atr_store(AtrTable_data &d, const AtrState &s);

// Runs the redraws through the DrawButton slot between GmodeSet and GmodeReset.
void atr_redraw(ZEK_object *t, const AtrDraws &draws);

// The layout members copied out and written back.
struct AtrLayout;
AtrLayout atr_layout(const AtrTable_data &d);
void atr_layout_store(AtrTable_data &d, const AtrLayout &l);

// The hint window goes now, without telling the table (used when the table
// or its records go away).
void atr_hint_destroy(AtrTable_data &d);

#endif
