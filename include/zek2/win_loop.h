/* The window procedure of every Win window, the library's private messages,
   the timers of a Win and the classless message loops. */
#ifndef ZEK2_WIN_LOOP_H
#define ZEK2_WIN_LOOP_H

#include <windows.h>

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* Private messages (the first numbers above WM_USER). */
enum {
    MACRO_CHAR = 0x401,              /* wParam: a key code */
    WIN_DTOR = 0x402,                /* destroy the window */
    WIN_TOOLCHG = 0x403,
    WIN_TOOLMOVE = 0x404,            /* wParam: the toolbar's window */
    WIN_TOOLEND = 0x405,             /* wParam: the toolbar's window */
    WIN_MDIEND = 0x406,              /* wParam: the MDI child's window */
    WIN_COMMAND = 0x407,             /* wParam: button table, lParam: button record */
    WIN_BUTTONEND = 0x408,
    WIN_BUTTON_REPEET = 0x409,
    WIN_THREADEND = 0x40A,           /* wParam: the Exec object */
    WIN_REDRAW = 0x40B,
    WIN_REDRAWEND = 0x40C,           /* to the drawing thread: stop */
    WIN_UNDEREND = 0x40D,
    WIN_SUBTHEND = 0x40E,
    WIN_COMM_READ = 0x40F,
    WIN_COMM_GETC = 0x410,
    WIN_COMM_GETS = 0x411,
    WIN_COMM_PUTN = 0x412,
    WIN_COMM_WAIT_TIME = 0x413,
    WIN_COMM_RUN_THREAD_END = 0x414,
    WIN_COMM_GPS_THREAD_END = 0x415,
    WIN_NET_JOB = 0x464              /* a network job for the root's NetMsgJob */
};

/* Timer identifiers of a Win. */
enum {
    WIN_TIMER_HINT = 200,
    WIN_TIMER_REPEAT = 201,
    WIN_TIMER_SCROLL_L = 202,
    WIN_TIMER_SCROLL_R = 203,
    WIN_TIMER_CAD = 204,
    WIN_TIMER_INP = 205,
    WIN_TIMER_IGNORED = 206,
    WIN_TIMER_SUB = 208
};

/* The window procedure registered for every Win window class. */
LRESULT CALLBACK DefWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/* The object's message handler; a program's own window procedure may forward to it. */
LRESULT ZEKAPI WndProcNx(ZEK_object *object, UINT message, WPARAM wParam, LPARAM lParam);

/* Handles one waiting message; 0 when none waited, else the dispatch result. */
LRESULT ZEKAPI MessageLoopEx(ZEK_object *object);
/* Dispatches messages until the window is gone: bQuitFlag, or 0 after 3 s. */
int32_t ZEKAPI WinQuitLoopEx(ZEK_object *object);
/* Waits while dispatching messages. */
void ZEKAPI WaitTimeMsecEx(int32_t milliseconds, ZEK_object *object);
/* Redraws the window and its toolbars now, then waits 30 ms. */
void ZEKAPI MsToolWaitClose(ZEK_object *object);
/* 16 for the Japanese 106/109-key keyboards, else 1. */
int32_t ZEKAPI GetKeyType(void);

ZEK_EXTERN_C_END

#endif
