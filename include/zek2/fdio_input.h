/* Table input editor: a record file edited as a table on a window's text
   screen, one record a row. The object is an Fd_Io (its record file) with the
   editor's layer above it; programs overwrite the cell input, drawing,
   confirmation and save hooks by name. f is the editor, w the window. */
#ifndef ZEK2_FDIO_INPUT_H
#define ZEK2_FDIO_INPUT_H

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* InputLoop's result when the table's changes could not be written to the
   record file at its end; the records stay in memory, marked changed, and the
   save job has not run for them. */
#define FDIO_INPUT_WRITE_FAILED (-1)

ZEK_object *ZEKAPI FdioInput_ctor2(ZEK_object *object);
void ZEKAPI FdioInput_dtor(ZEK_object *f);

/* Save (InputDataSave), then empty the table and the record file's cache;
   InputInitData then goes to the first row. 0, with nothing emptied or moved,
   when the save fails. */
int32_t ZEKAPI FdioInput_InputInitData(ZEK_object *f, ZEK_object *w);
int32_t ZEKAPI FdioInput_InputInitDataDir(ZEK_object *f);

/* Runs cell input after cell input until the window's AltF4Code arrives (from
   the cell input or returned by InputCtrl) or the window is destroyed; returns
   bResult, or FDIO_INPUT_WRITE_FAILED (0 without running when f or w is not
   of its class or f's loop already runs). While it runs, the window's TimerInp
   slot and pFdInpBuf serve the autosave every 5 minutes (timer 205); both are
   put back when it ends. A bInpMode outside 0 to 4 runs InputLine. */
int32_t ZEKAPI FdioInput_InputLoop(ZEK_object *f, ZEK_object *w);

/* Hooks: the input of the current cell, returning the key code that ended it. */
int32_t ZEKAPI FdioInput_InputLine(ZEK_object *f, ZEK_object *w, int32_t datS, int32_t datE,
                                   int32_t datC, int32_t curX, int32_t curY);
int32_t ZEKAPI FdioInput_InputLine2(ZEK_object *f, ZEK_object *w, int32_t datS, int32_t datE,
                                    int32_t datC, int32_t curX, int32_t curY);
int32_t ZEKAPI FdioInput_InputLine3(ZEK_object *f, ZEK_object *w, int32_t datS, int32_t datE,
                                    int32_t datC, int32_t curX, int32_t curY);
int32_t ZEKAPI FdioInput_InputLine4(ZEK_object *f, ZEK_object *w, int32_t datS, int32_t datE,
                                    int32_t datC, int32_t curX, int32_t curY);
int32_t ZEKAPI FdioInput_InputLine5(ZEK_object *f, ZEK_object *w, int32_t datS, int32_t datE,
                                    int32_t datC, int32_t curX, int32_t curY);
/* Hook: a key the loop does not know; a result > 0 is handled again. */
int32_t ZEKAPI FdioInput_InputCtrl(ZEK_object *f, ZEK_object *w, int32_t key);

void ZEKAPI FdioInput_InputMode(ZEK_object *f, int32_t mode, int32_t xs, int32_t xe);
/* Runs InputSaveJob when the edit flag is set. The record file's changed
   blocks are written first: when that fails the job is not run, the flag stays
   set for the next save and the result is 0; otherwise 1. */
int32_t ZEKAPI FdioInput_InputDataSave(ZEK_object *f);
void ZEKAPI FdioInput_InputSaveJob(ZEK_object *f, int32_t datS, int32_t datE); /* hook */
void ZEKAPI FdioInput_InputStartJob(ZEK_object *f, ZEK_object *w);             /* hook */
void ZEKAPI FdioInput_InputEndJob(ZEK_object *f, ZEK_object *w);               /* hook */
void ZEKAPI FdioInput_EditFlagOn(ZEK_object *f);
void ZEKAPI FdioInput_EditFlagOff(ZEK_object *f);
int32_t ZEKAPI FdioInput_GetEditFlag(ZEK_object *f);
int32_t ZEKAPI FdioInput_GetAbsMode(ZEK_object *f);
void ZEKAPI FdioInput_SetStartYpos(ZEK_object *f, int32_t y);
void ZEKAPI FdioInput_SetMaxPage(ZEK_object *f, int32_t n);
void ZEKAPI FdioInput_SetInsLock(ZEK_object *f, int32_t v);
void ZEKAPI FdioInput_SetDelLock(ZEK_object *f, int32_t v);

/* Moves: 1 when the cursor or page moved, 0 at the table's edges. */
int32_t ZEKAPI FdioInput_BackPage(ZEK_object *f, ZEK_object *w);
int32_t ZEKAPI FdioInput_NextPage(ZEK_object *f, ZEK_object *w);
int32_t ZEKAPI FdioInput_CurHome(ZEK_object *f, ZEK_object *w, int32_t flag);
int32_t ZEKAPI FdioInput_CurSHome(ZEK_object *f, ZEK_object *w, int32_t flag);
int32_t ZEKAPI FdioInput_CurUp(ZEK_object *f, ZEK_object *w);
int32_t ZEKAPI FdioInput_CurDown(ZEK_object *f, ZEK_object *w);
int32_t ZEKAPI FdioInput_CurVertScroll(ZEK_object *f, ZEK_object *w, int32_t d);
void ZEKAPI FdioInput_CurLeft(ZEK_object *f);
void ZEKAPI FdioInput_CurRight(ZEK_object *f);
void ZEKAPI FdioInput_CurUpCk(ZEK_object *f);    /* calls CurLeftCk */
void ZEKAPI FdioInput_CurDownCk(ZEK_object *f);  /* calls CurLeftCk */
void ZEKAPI FdioInput_CurLeftCk(ZEK_object *f);  /* hook */
void ZEKAPI FdioInput_CurRightCk(ZEK_object *f); /* hook */
int32_t ZEKAPI FdioInput_CurNext(ZEK_object *f, ZEK_object *w);

/* Insert or delete n records at the current one: 1, or 0 when the record
   file refused (then the file, the table and the screen are as they were). */
int32_t ZEKAPI FdioInput_LineIns(ZEK_object *f, ZEK_object *w, int32_t n);
int32_t ZEKAPI FdioInput_LineInsMsg(ZEK_object *f, ZEK_object *w, int32_t datC, int32_t curY);
int32_t ZEKAPI FdioInput_LineDelMsg(ZEK_object *f, ZEK_object *w, int32_t datC);
int32_t ZEKAPI FdioInput_LineDel(ZEK_object *f, ZEK_object *w, int32_t n);

void ZEKAPI FdioInput_DrawPage(ZEK_object *f, ZEK_object *w);
void ZEKAPI FdioInput_DrawPageDir(ZEK_object *f, ZEK_object *w, int32_t first, int32_t last,
                                  int32_t y, int32_t dy);
/* Makes rec (held to bDatS .. bDatE + 1) current on the page that holds it. */
void ZEKAPI FdioInput_SetDrawPage(ZEK_object *f, ZEK_object *w, int32_t rec);
void ZEKAPI FdioInput_DrawLine(ZEK_object *f, ZEK_object *w, int32_t rec, int32_t column,
                               int32_t y);                             /* hook */
void ZEKAPI FdioInput_DrawDelLine(ZEK_object *f, ZEK_object *w, int32_t y); /* hook */
void ZEKAPI FdioInput_UpDownSw(ZEK_object *f);
void ZEKAPI FdioInput_SetUpDown(ZEK_object *f, int32_t v);
/* Makes the record under the window's MouseCy current: 1, or 0 for a click
   off the table's rows (above or below the page, before bDatS, past the empty
   row after the last record). */
int32_t ZEKAPI FdioInput_SetMouseAdd(ZEK_object *f, ZEK_object *w, int32_t column);
int32_t ZEKAPI FdioInput_InputUndo(ZEK_object *f, ...); /* hook */
int32_t ZEKAPI FdioInput_InputRedo(ZEK_object *f, ...); /* hook */
void ZEKAPI FdioInput_SetDrawPageA(ZEK_object *f, ZEK_object *w, int32_t page, int32_t rec);

ZEK_EXTERN_C_END

#endif
