// Lifetime of a Win and its window (the model programs read is in
// zek2/win.h): the registry of live objects with their state, deletion on
// the window's thread, and the drawing thread's hold on the object.
#ifndef ZEK_WINDOW_WIN_LIFETIME_H
#define ZEK_WINDOW_WIN_LIFETIME_H

#include "win_data.h"

// State of one live Win beside its data area. Apart from registering and
// unregistering, a record is touched only by the thread that serves the
// object's window (or, without a window, the thread that deletes it).
struct WinLife {
    int32_t depth = 0;         // window procedure calls on the object now running
    bool closing = false;      // WIN_DTOR waits for the drawing thread
    bool destroying = false;   // from WM_DESTROY to the end of WM_NCDESTROY
    bool deleting = false;     // the deletion has begun
    bool threadLeft = false;   // the drawing thread did not answer; its buffers stay
    bool deferred = false;     // deleted inside its own window procedure
    int32_t deferFlags = 0;
    HANDLE deferDone = nullptr;  // signalled when the deferred deletion is done
};

// The live Win objects: registered when their layer is built, until it is
// released. The record stays at its address while the object is live.
void win_register(const ZEK_object *object);
void win_unregister(const ZEK_object *object);
bool win_is_live(const ZEK_object *object);
WinLife *win_life(const ZEK_object *object);

// The deleting destructor of a Win: see zek2/win.h. done, when given, is
// signalled once the object is gone (or handed to its drawing thread's end).
void win_delete(ZEK_object *object, int32_t flags, HANDLE done = nullptr);

// Destroys the object's window, if it is still bound to it, on the window's
// thread with the whole teardown; used when a layer is released by a path
// other than win_delete.
void win_end_window(ZEK_object *object);

// Handles the message that hands a deletion to the window's thread; true
// when the message was one.
bool win_take_deletion(ZEK_object *object, UINT message, LPARAM lParam, LRESULT *result);

// Counts a window procedure call on the object; the leave runs a deletion
// that waited for the outermost call to end.
void win_proc_enter(WinLife *life);
void win_proc_leave(ZEK_object *object, WinLife *life);

// Asks the drawing thread to end and waits for it (dispatching messages), at
// most once per object: true when no drawing thread is left.
bool win_wait_drawing_thread(ZEK_object *object, Win_data &d);

// Closes hmtxDisp and releases the back buffer: what the drawing thread shares.
void win_release_drawing_buffers(Win_data &d);

#endif
