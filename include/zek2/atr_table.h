/* Button table: the button bar engine of every piece of window furniture.
   An Fd_Mem whose records are buttons (AtrTable_button), with hit testing,
   hover, press, toggle and radio states, a delayed hint window and an
   auto-repeat timer. Timers 200 (hint) and 201 (repeat) run on pWin. Every
   method is also a slot that a program can overwrite by name; t is the table. */
#ifndef ZEK2_ATR_TABLE_H
#define ZEK2_ATR_TABLE_H

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

ZEK_object *ZEKAPI AtrTable_ctor2(ZEK_object *object);
/* Deletes each distinct bitmap of every bitmap button once, closes the hint
   window and stops the timers on pWin. */
void ZEKAPI AtrTable_dtor(ZEK_object *t);

/* While the repeat timer runs at 500 ms: on to 30 ms. */
void ZEKAPI AtrTable_SetRepeetTimer(ZEK_object *t);
void ZEKAPI AtrTable_ResetHintTimer(ZEK_object *t);
void ZEKAPI AtrTable_ResetRepeetTimer(ZEK_object *t);
/* Index of the button under pWin's MouseGx, MouseGy, or -1. */
int32_t ZEKAPI AtrTable_GetMousePos(ZEK_object *t);
void ZEKAPI AtrTable_MouseMove(ZEK_object *t);
/* The pressed button's index, or -1 (none hit, grayed or hidden). */
int32_t ZEKAPI AtrTable_LButtonDown(ZEK_object *t, uintptr_t ignored);
int32_t ZEKAPI AtrTable_LButtonUp(ZEK_object *t, uintptr_t ignored);
void ZEKAPI AtrTable_RButtonDown(ZEK_object *t);
void ZEKAPI AtrTable_RButtonUp(ZEK_object *t);

/* Drawing: mode 0 normal, 1 hover, 2 selected. */
void ZEKAPI AtrTable_DrawButton(ZEK_object *t, int32_t index, int32_t mode, int32_t pressed);
void ZEKAPI AtrTable_DrawButton1(ZEK_object *t, int32_t index, int32_t mode, int32_t pressed);
void ZEKAPI AtrTable_SetStrAddress(ZEK_object *t, int32_t pressed);
void ZEKAPI AtrTable_DrawBackColor(ZEK_object *t, int32_t mode);
void ZEKAPI AtrTable_DrawStr(ZEK_object *t, int32_t mode);
void ZEKAPI AtrTable_DrawFrame(ZEK_object *t, int32_t state);
void ZEKAPI AtrTable_DrawFrame11(ZEK_object *t, int32_t x, int32_t y, int32_t w, int32_t h,
                                 int32_t state);
void ZEKAPI AtrTable_DrawFrame12(ZEK_object *t, int32_t x, int32_t y, int32_t w, int32_t h,
                                 int32_t state);
void ZEKAPI AtrTable_DrawFrame22(ZEK_object *t, int32_t x, int32_t y, int32_t w, int32_t h,
                                 int32_t state);
void ZEKAPI AtrTable_DrawFrameTab(ZEK_object *t, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t state);
void ZEKAPI AtrTable_Paint(ZEK_object *t);

/* Shows the hint of record HintRec (timer 200). */
void ZEKAPI AtrTable_DispHint(ZEK_object *t);
/* Hides the hint when forced or when the pointer left its button; returns
   the index under the pointer or -1. */
int32_t ZEKAPI AtrTable_HintOff(ZEK_object *t, int32_t force);
/* The group's old mode value (0 when no button has the group). */
int32_t ZEKAPI AtrTable_SetGroupMode(ZEK_object *t, int32_t group, int32_t value);

void ZEKAPI AtrTable_LayoutStatusBar(ZEK_object *t);
void ZEKAPI AtrTable_LayoutToolBar(ZEK_object *t);
void ZEKAPI AtrTable_LayoutModeMenu(ZEK_object *t);
/* 2 for frames 101 and 104, 3 for 102 and 105, 4 for 103 and 106, else 0. */
int32_t ZEKAPI AtrTable_GetFrameW(ZEK_object *t, int32_t frame);
int32_t ZEKAPI AtrTable_GetButtonMaxH(ZEK_object *t);
int32_t ZEKAPI AtrTable_GetButtonMaxW(ZEK_object *t);
void ZEKAPI AtrTable_SetPosBar(ZEK_object *t);
void ZEKAPI AtrTable_SetPosLock(ZEK_object *t);
void ZEKAPI AtrTable_SetPosYoko(ZEK_object *t);
void ZEKAPI AtrTable_SetPosTate(ZEK_object *t);
void ZEKAPI AtrTable_SetPosFree(ZEK_object *t);
void ZEKAPI AtrTable_GetFrameMaxSize(ZEK_object *t, int32_t *maxW, int32_t *maxH, int32_t *sumW,
                                     int32_t *sumH, int32_t *count);
/* 1 when a button has the command id, else 0 with nothing changed. */
int32_t ZEKAPI AtrTable_SetButtonProc(ZEK_object *t, int32_t comId, void *proc);
int32_t ZEKAPI AtrTable_SetButtonMode(ZEK_object *t, int32_t comId, int32_t mode);

ZEK_EXTERN_C_END

#endif
