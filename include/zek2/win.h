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

/* Lifetime of a Win and its window.

   States: constructed (Win_ctor2; no window) -> window created (Win_con; the
   creation message binds object and window, Create builds the furniture) ->
   closing (Win_Close posted WIN_DTOR; the window procedure asks the drawing
   thread to end and waits for it) -> destroyed (WM_DESTROY released the
   drawing objects and ran the Destroy hook, WM_NCDESTROY deleted the
   furniture, unbound the window, cleared hWnd and set bQuitFlag) -> deleted.
   A destroyed object may be deleted, or given a new window with Win_con.

   Who deletes: any thread, once. The deletion always runs on the thread that
   serves the object's window:
   - With its window still there, deleting destroys the window first, while it
     is still bound, so the whole teardown above runs (drawing thread, owned
     background brush, hmtxDisp, back buffer, Destroy, furniture), then dtor
     and the layers. From another thread the deletion is handed to the window's
     thread, which must be dispatching messages, and the caller waits for it.
   - From inside one of the object's own window procedure calls (a hook, or a
     message dispatched by a wait inside one), the deletion completes when the
     outermost of those calls returns.
   - Without a window it runs at once on the calling thread.
   WM_DESTROY runs once per window: a WIN_DTOR or a second DestroyWindow met
   during the teardown does nothing.

   Drawing thread (hProcTh, bProcID): asked with WIN_REDRAWEND to end and waited
   for up to 5 seconds. One that has not ended by then may still write into the
   back buffer: the buffer, hmtxDisp and the object itself are kept (and this is
   written to the shared message log) and the deletion completes, on a thread of
   the library, when the drawing thread ends.

   MDI children: the frame owns the child objects in its pMdiChild slots
   (made by Win_InitMdiWnd). A child whose window has ended (closed by the
   user, Win_Close or WM_CLOSE) is deleted by the frame when WIN_MDIEND
   arrives; the frame's destruction or deletion deletes the children it still
   holds; a child the program deletes itself leaves its slot at once.

   So dtor and Destroy each run exactly once whatever the order of closing and
   deleting. A deleted object must not be used again; hooks may delete their
   own object, and the library does not touch an object after a call that may
   have deleted it. */

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
