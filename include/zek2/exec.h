/* Threads with message queues, mutexes, and the running of procedures by
   name (Exec) with the daily run log, help and exception reports. */
#ifndef ZEK2_EXEC_H
#define ZEK2_EXEC_H

#include <windows.h>

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* Thread: one system thread per object, its body the Proc slot.

   Thread_CreateThread starts the routine it is given (stored into Proc for
   later calls too) or, when given null, the one in Proc; the routine gets
   the parameter, or the object when the parameter is null. Routines have the
   library's calling convention on every architecture.
   Ownership: the object owns the handle in hHandle; a second CreateThread
   closes the first handle (that thread runs on) and the destructor closes
   the last one. hHandle and Id are set before the new thread runs.
   Thread_SetPriorityClass sets the priority class of the calling process
   (a class belongs to a process, not to a thread). */
typedef int32_t (ZEKAPI *Thread_proc_fn)(void *argument);

ZEK_object *ZEKAPI Thread_ctor2(ZEK_object *object);
void ZEKAPI Thread_dtor(ZEK_object *object);
int32_t ZEKAPI Thread_Proc(ZEK_object *object);
HANDLE ZEKAPI Thread_CreateThread(ZEK_object *object, Thread_proc_fn routine, void *parameter,
                                  uint32_t stackBytes);
void ZEKAPI Thread_Init(ZEK_object *object);
void ZEKAPI Thread_Exit(ZEK_object *object);
int32_t ZEKAPI Thread_SetPriority(ZEK_object *object, int32_t priority);
int32_t ZEKAPI Thread_SetPriorityClass(ZEK_object *object, uint32_t priorityClass);
/* Waits for the next message of the calling thread's queue into msg: the
   platform's result (0 on WM_QUIT, -1 on error). */
int32_t ZEKAPI Thread_GetMessage(ZEK_object *object);

/* Unnamed mutexes, not owned at creation; the caller closes the handle. */
HANDLE ZEKAPI CreateMutexSem(void);
/* The wait's result: 0 obtained, 0x102 timed out. */
uint32_t ZEKAPI RequestMutexSem(HANDLE mutex, uint32_t timeoutMs);
int32_t ZEKAPI ReleaseMutexSem(HANDLE mutex);
/* Posts to the thread Id of a Thread object; 0 when that fails. */
int32_t ZEKAPI PostThreadMsg(ZEK_object *object, UINT message, WPARAM wParam, LPARAM lParam);

/* Exec: procedures found by name, function (object) -> result, run with the
   calling window and two values in pMother, pData and bCount.

   Command text: "procedure" (a method of the Exec object given) or
   "module\procedure" (a class module whose class derives from Exec); only
   its first 127 bytes count.

   Ownership of an object made from a module for one call (bType 1): the call
   deletes it, on the calling thread, when the procedure returns, unless the
   procedure kept it with SetDllMode(1) (the program then owns it and deletes
   it with ZEK_delete) or started a thread with ExecThreadOpen. A thread's
   object is then deleted exactly once, by whichever finishes with it first:
   - the mother window (pMother's window when the thread was started and
     still at its end), on its own thread, when WIN_THREADEND arrives, or
     when that window is destroyed with the message still unread;
   - the procedure's thread itself, as it ends, when there is no mother
     window to tell;
   - ExecThreadEnd, on the calling thread, after the thread has ended.
   While a library call on the object is still under way (the ExecCall that
   made it, ExecThreadEndWait, ExecThreadRunWait) the deletion waits for the
   end of that call, which then performs it on its thread.
   An object of the program's own (bType 0) is never deleted by the library;
   the window only closes its thread's handle. The program deletes it once
   its thread has ended (ExecThreadEnd ends it); an end message still on its
   way for a deleted object is ignored.
   One procedure thread per object at a time: ExecThreadOpen refuses a
   second one until the first has been finished with (it returns 0). */
typedef int32_t (ZEKAPI *Exec_proc_fn)(ZEK_object *object);
typedef int32_t (ZEKAPI *Exec_hook_fn)(ZEK_object *object);

ZEK_object *ZEKAPI Exec_ctor2(ZEK_object *object);
void ZEKAPI Exec_dtor(ZEK_object *object);
int32_t ZEKAPI Exec_ExecCall(ZEK_object *object, const char *text, ZEK_object *window,
                             intptr_t value1, int32_t value2);
Exec_proc_fn ZEKAPI Exec_SearchProc(ZEK_object *object, const char *name);
int32_t ZEKAPI Exec_ExecThreadOpen(ZEK_object *object, Exec_proc_fn procedure, int32_t priority);
int32_t ZEKAPI Exec_ExecThreadPriority(ZEK_object *object, int32_t priority);
/* The waits and ExecThreadEnd return at once on the procedure's own thread,
   which cannot wait for its own end. */
/* Dispatches the calling thread's messages until the thread has ended. */
int32_t ZEKAPI Exec_ExecThreadEndWait(ZEK_object *object);
/* Raises the thread, closes pRunWin with its AltF4, waits for the thread
   and finishes with it (deleting a module object). */
void ZEKAPI Exec_ExecThreadEnd(ZEK_object *object);
/* Dispatches messages until pRunWin is set or the thread has ended; gives
   pRunWin (0 when the thread ended without one, or there is no thread). */
ZEK_object *ZEKAPI Exec_ExecThreadRunWait(ZEK_object *object);
void ZEKAPI Exec_SetDllMode(ZEK_object *object, int32_t mode);
void ZEKAPI Exec_SetRunWin(ZEK_object *object, ZEK_object *window);
void ZEKAPI Exec_SetMdiWin(ZEK_object *object, ZEK_object *window);
/* Writes the line "hh:mm:ss  text" to the day's file UxSysDD.LOG in the log
   directory; a file last written (in local time) in another month is
   replaced first. Nothing when bLogOn is 0 or the file cannot be opened. */
void ZEKAPI Exec_LogFile(ZEK_object *object, const char *text);
/* Shows "Halvex.chm::/topic" of the help directory (the file alone for an
   empty topic, or when the address would not fit 519 bytes). */
int32_t ZEKAPI Exec_HelpHtml(ZEK_object *object, HWND window, const char *topic);
int32_t ZEKAPI Exec_TssAngle(ZEK_object *object);
int32_t ZEKAPI Exec_TssDist(ZEK_object *object);
int32_t ZEKAPI Exec_TssKakutei(ZEK_object *object);
int32_t ZEKAPI Exec_TssEndJob(ZEK_object *object);
void ZEKAPI Exec_SetTssEndJob(ZEK_object *object, Exec_hook_fn job);
void ZEKAPI Exec_SetTssProc(ZEK_object *object, Exec_hook_fn angle, Exec_hook_fn distance,
                            Exec_hook_fn confirm);
void ZEKAPI Exec_SetTssButtonModeEx(ZEK_object *object, int32_t mode);

/* Shows an address of the compiled help file; 1 whatever happens. */
int32_t ZEKAPI HelpHtmlURL(HWND window, const char *address);
/* The exception report box, owned by window: the box's result. */
int32_t ZEKAPI Except_Msg(HWND window, DWORD code);
/* An exception filter: stores the code, answers EXCEPTION_EXECUTE_HANDLER. */
int32_t ZEKAPI Eval_Exception(DWORD code, DWORD *codeOut);

ZEK_EXTERN_C_END

#endif
