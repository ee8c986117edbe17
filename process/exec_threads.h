// The procedure threads of Exec objects and who finishes with them.
//
// Every thread started by ExecThreadOpen has an entry here until one party
// finishes with it: the thread itself (no mother window to tell), the window
// it told with WIN_THREADEND, ExecThreadEnd, or the object's deletion. One
// lock guards the entries and the holds of every Exec area, so exactly one
// of them closes the handle and decides the deletion, and nothing follows an
// object pointer that has no entry. A hold (a library call on the object
// that dispatches messages or runs its procedure) postpones a deletion
// decided meanwhile to the end of that call.
#ifndef ZEK_PROCESS_EXEC_THREADS_H
#define ZEK_PROCESS_EXEC_THREADS_H

#include "exec_class.h"

// Starts procedure on a new thread for the object unless it has one the
// library is not finished with; mother is the window to tell at its end.
bool exec_thread_start(ZEK_object *object, Exec_proc_fn procedure, int32_t priority,
                       HWND mother);
// Sets the thread's priority: 0 when the object has no running thread.
int32_t exec_thread_priority(ZEK_object *object, int32_t priority);

// Takes a hold on an object with a running thread and gives a duplicate of
// its thread handle (and of the event SetRunWin signals), closed by the
// caller; null (and no hold) when there is none or it is the calling thread.
HANDLE exec_thread_hold(ZEK_object *object, HANDLE *runWinSet = nullptr);
// Signals a waiter of ExecThreadRunWait.
void exec_thread_run_win_set(ZEK_object *object);

// Holds without a thread: ExecCall around a module object's procedure.
void exec_hold(ZEK_object *object);
enum class ExecUnhold {
    Wait,     // delete only what was decided meanwhile
    Stop,     // also a module object (bType): ExecThreadEnd
    CallEnd,  // also a module object made for the call that nothing keeps
};
// Ends a hold; true when the caller is to delete the object now.
bool exec_unhold(ZEK_object *object, ExecUnhold how);

// ExecThreadEnd's claim: false when the thread has already ended and told
// its window, is being stopped, or is the calling thread itself. Otherwise thread is a duplicate of the
// running thread's handle (null when there is none) and a hold is taken.
bool exec_thread_claim_stop(ZEK_object *object, HANDLE *thread);
// ExecThreadEnd's end: the entry goes; true when the caller deletes.
bool exec_thread_finish_stop(ZEK_object *object);

// WIN_THREADEND reached window: finishes the thread's entry when the object
// is live and its thread told this window.
void exec_thread_end_message(HWND window, WPARAM object);
// A window is being destroyed: threads that told it are finished here, and
// those still running will not tell it.
void exec_threads_window_gone(HWND window);
// The object is being deleted: its entry goes; a thread still running
// touches nothing more of it.
void exec_thread_forget(ZEK_object *object);

#endif
