/* RuningWin: finding another program's window by title or class name and
   driving it with posted keys, characters and clicks. */
#ifndef ZEK2_RUNING_WIN_H
#define ZEK2_RUNING_WIN_H

#include <windows.h>

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* The object holds one window, its data member hWnd (0 at construction).
   Searches keep their state in the call, so they may run on several threads
   at once. Key, click and character methods go through the object's
   PostMessage slot, PostStr through its PostChar slot, so a program's
   replacement of those slots sees every posted message. Nothing is posted
   while hWnd is 0 (a null window would post into the caller's own queue). */
ZEK_object *ZEKAPI RuningWin_ctor2(ZEK_object *object);
void ZEKAPI RuningWin_dtor(ZEK_object *object);

/* Searches the top-level windows; titles are compared over at most 126
   characters. Modes: 0 title equals text, 1 title ends with text and is at
   least two characters longer, 2 title begins with text, 3 modes 2 and 1
   each counted (a title that begins and ends with the text counts twice),
   4 class name equals text. Without count the first match is returned; with
   count the last one, and the number of matches is stored (mode 4 stops at
   the first match). The result is also stored in hWnd; 0 when nothing
   matched or text is null. */
HWND ZEKAPI RuningWin_isRuningWnd(ZEK_object *object, const char *text, int32_t mode,
                                  int32_t *count);

/* A new RuningWin (the caller deletes it) for the n-th descendant (from 1)
   of hWnd whose title, resp. class name, equals the text; null when there is
   none, n < 1 or hWnd is 0. */
ZEK_object *ZEKAPI RuningWin_GetChildWin(ZEK_object *object, const char *title, int32_t n);
ZEK_object *ZEKAPI RuningWin_GetChildClass(ZEK_object *object, const char *className,
                                           int32_t n);

/* Copies the title of the descendant at index (from 0) into buffer, which
   holds 127 bytes (at most 126 characters and the NUL). Result: 0 when the
   search stopped at that child, 1 when there is no such child (or buffer is
   null). With hWnd 0 nothing is copied and the result is the object itself
   in a 32-bit program, 0 in a 64-bit one, where it would not fit. */
int32_t ZEKAPI RuningWin_GetChildText(ZEK_object *object, int32_t index, char *buffer);

/* Number of descendants of hWnd (0 when hWnd is 0); with handles, also their
   handles in enumeration order. The array has no size: take it from a call
   without one, and allow for children the other program makes meanwhile. */
int32_t ZEKAPI RuningWin_GetChildHWND(ZEK_object *object, HWND *handles);

/* The platform's results; 0 without a window. */
int32_t ZEKAPI RuningWin_PostMessage(ZEK_object *object, UINT message, WPARAM wParam,
                                     LPARAM lParam);
LRESULT ZEKAPI RuningWin_SendMessage(ZEK_object *object, UINT message, WPARAM wParam,
                                     LPARAM lParam);

/* Left button down (wParam 1) and up (0) at client point (10, 10). */
void ZEKAPI RuningWin_LButtonDown(ZEK_object *object);
/* Left double click (wParam 1) at client point (5, 5). */
void ZEKAPI RuningWin_LButtonDblClk(ZEK_object *object);
/* WM_CHAR with lParam 1; PostStr posts each byte of text (0 to 255). */
void ZEKAPI RuningWin_PostChar(ZEK_object *object, int32_t character);
void ZEKAPI RuningWin_PostStr(ZEK_object *object, const char *text);
/* WM_SYSKEYDOWN, resp. WM_KEYDOWN, with lParam 0x20140001. */
void ZEKAPI RuningWin_PostSysKey(ZEK_object *object, int32_t virtualKey);
void ZEKAPI RuningWin_PostKey(ZEK_object *object, int32_t virtualKey);
/* WM_KEYDOWN of the cursor up, cursor down, Return and Escape keys, lParam 0. */
void ZEKAPI RuningWin_CurUp(ZEK_object *object);
void ZEKAPI RuningWin_CurDown(ZEK_object *object);
void ZEKAPI RuningWin_CurRet(ZEK_object *object);
void ZEKAPI RuningWin_CurEsc(ZEK_object *object);

int32_t ZEKAPI RuningWin_SetForegroundWindow(ZEK_object *object);
/* Title of hWnd into buffer (size bytes with the NUL); its length, 0 when
   buffer is null or size < 1. */
int32_t ZEKAPI RuningWin_GetWindowText(ZEK_object *object, char *buffer, int32_t size);

ZEK_EXTERN_C_END

#endif
