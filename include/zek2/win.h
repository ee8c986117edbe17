/* The window class Win and the interface colour table. */
#ifndef ZEK2_WIN_H
#define ZEK2_WIN_H

#include <stdarg.h>
#include <windows.h>

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* A mouse job or loop step: takes the window, gives a key code or 0. */
typedef int32_t (ZEKAPI *Win_job_fn)(ZEK_object *window);
/* A sub-loop's handler of the keys it does not handle itself. */
typedef int32_t (ZEKAPI *Win_key_job_fn)(ZEK_object *window, int32_t key);
/* One row of a mouse table (pMouseTable); a row of type -1 ends the table.
   Type 1: the rectangle is in cells (MouseCx, MouseCy); type 2: in pixels
   (MouseGx, MouseGy); bounds inclusive. The job's key code is posted. */
typedef struct Win_mouse_row {
    int32_t type;
    int32_t x1, y1, x2, y2;
    Win_job_fn job;
} Win_mouse_row;

/* Called by the small number fields once a value was accepted. */
typedef void (ZEKAPI *Win_callback_fn)(ZEK_object *window);

/* Stores the instance handles that every later Win constructor copies. */
HINSTANCE ZEKAPI Win_INIT(HINSTANCE instance, HINSTANCE previous);
/* Constructor: with an object, builds its Win layer; with null, a new object. */
ZEK_object *ZEKAPI Win_ctor2(ZEK_object *object);
/* Replaces the root class's MailslotWaitchThread in every Win object. */
int32_t ZEKAPI Win_MailslotWaitchThread(ZEK_object *object);

#include "win_methods.h"

/* The interface colour table: 18 colours per process. */
COLORREF *ZEKAPI GetSysColorTbl(void);
void ZEKAPI SetSysColorTbl(const COLORREF *colours);
COLORREF ZEKAPI GetForeColor(void);
COLORREF ZEKAPI GetForeBoxColor(void);
COLORREF ZEKAPI ColorWindowText(void);
COLORREF ZEKAPI GetBackColor(void);
COLORREF ZEKAPI GetBackBoxColor(void);
COLORREF ZEKAPI ColorWindow(void);
COLORREF ZEKAPI GetForeTitleColor(void);
COLORREF ZEKAPI GetBackTitleColor(void);
COLORREF ZEKAPI GetKsenColor(void);
COLORREF ZEKAPI GetForePopColor(void);
COLORREF ZEKAPI GetBackPopColor(void);
COLORREF ZEKAPI ColorReverseText(void);
COLORREF ZEKAPI ColorReverse(void);
COLORREF ZEKAPI ColorGrayText(void);
COLORREF ZEKAPI Color3dFace(void);
COLORREF ZEKAPI Color3dText(void);
COLORREF ZEKAPI Color3dLight(void);
COLORREF ZEKAPI Color3dHiLight(void);
COLORREF ZEKAPI Color3dDkShadow(void);
COLORREF ZEKAPI Color3dShadow(void);
COLORREF ZEKAPI ColorSelectText(void);
COLORREF ZEKAPI ColorSelect(void);

ZEK_EXTERN_C_END

#endif
