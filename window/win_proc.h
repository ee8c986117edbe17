// The window procedure's message handlers, one group a file.
#ifndef ZEK_WINDOW_WIN_PROC_H
#define ZEK_WINDOW_WIN_PROC_H

#include <initializer_list>

#include "win_call.h"
#include "win_lifetime.h"
#include "win_window_class.h"

// One message on its way through WndProcNx.
struct WinMessage {
    ZEK_object *object;
    Win_data &d;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The platform's handling: the MDI frame procedure for an MDI frame, the MDI
// child procedure for an MDI child.
LRESULT win_default(const WinMessage &m);
// The main window procedure's handling of every message.
LRESULT win_dispatch(const WinMessage &m);
// Runs handler on the message as WndProcNx does: FFWndProc first, and a
// deletion of the object met meanwhile waits for the outermost call to end.
LRESULT win_proc_run(ZEK_object *object, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT (*handler)(const WinMessage &));
// Closes an open drop-down menu first; true when that was all the input did.
bool win_end_popup_first(const WinMessage &m);

// Binding of objects and windows (the object pointer at kWinObjectOffset).
void win_bind(HWND window, ZEK_object *object);
// The creation parameter of a creation message, when it is a live Win.
ZEK_object *win_created_param(LPARAM lParam);
// The live Win of a window: the one bound to it, or on WM_CREATE the one that
// created finds in the creation data, which is bound to it here. Null: the
// message goes to the platform's default procedure.
ZEK_object *win_bound_object(HWND window, UINT message, LPARAM lParam,
                             ZEK_object *(*created)(LPARAM) = win_created_param);
// WM_DESTROY's release, once per window: marks the teardown, waits for the
// drawing thread (its buffers are released when it answered) and deletes an
// owned background brush, giving the class classBrush back. False when the
// teardown ran already.
bool win_begin_teardown(ZEK_object *object, Win_data &d, int classBrush);
// Handlers; each returns the message's result.
LRESULT win_on_create(const WinMessage &m);
LRESULT win_on_destroy(const WinMessage &m);
LRESULT win_on_ncdestroy(const WinMessage &m);
LRESULT win_on_move(const WinMessage &m);
LRESULT win_on_paint(const WinMessage &m);
LRESULT win_on_erase(const WinMessage &m);
LRESULT win_on_setcursor(const WinMessage &m);
LRESULT win_on_dtor(const WinMessage &m);
LRESULT win_on_tool_message(const WinMessage &m);
LRESULT win_on_mdi_end(const WinMessage &m);
LRESULT win_on_under_end(const WinMessage &m);
LRESULT win_on_thread_end(const WinMessage &m);

LRESULT win_on_key(const WinMessage &m);
LRESULT win_on_syskeydown(const WinMessage &m);
LRESULT win_on_macro_char(const WinMessage &m);
LRESULT win_on_mouse_move(const WinMessage &m);
// The mouse movement after the cursor is shown: position, buttons, MouseMove.
LRESULT win_on_mouse_track(const WinMessage &m);
LRESULT win_on_button(const WinMessage &m);
LRESULT win_on_wheel(const WinMessage &m);
void win_show_mouse_cursor();
// The position of a mouse message in pixels and cells.
void win_record_mouse(Win_data &d, LPARAM lParam);
// A move: the last position kept as the previous one, the new one recorded,
// and each button no longer held released.
void win_record_mouse_move(Win_data &d, WPARAM wParam, LPARAM lParam);
// The timers a window hands to its Timer methods as they come.
void win_call_timer(ZEK_object *o, int32_t id);

LRESULT win_on_command(const WinMessage &m);
LRESULT win_on_win_command(const WinMessage &m);
LRESULT win_on_syscommand(const WinMessage &m);
LRESULT win_on_timer(const WinMessage &m);
LRESULT win_on_scroll(const WinMessage &m);
LRESULT win_on_exit_size_move(const WinMessage &m);

// The input method of a window: placing its conversion window ((-1, -1) is
// its default place) and opening it. Process-wide flags as the window
// procedure and window creation use them.
void win_ime_place(HWND window, int x, int y);
void win_ime_open(HWND window);
extern int gImeOpen;
extern int gImeBusy;

// Calls fn with each furniture window of a Win that has a button table of
// its own: the status bar, the 20 toolbar entries and the four side menus
// (null entries included).
template <typename Fn>
void for_each_furniture(const Win_data &d, Fn fn)
{
    fn(d.pStatusBar);
    for (ZEK_object *bar : d.pToolBar)
        fn(bar);
    for (ZEK_object *menu : {d.pLeftMenuBar, d.pRightMenuBar, d.pTopMenuBar, d.pDownMenuBar})
        fn(menu);
}

// Posts to receiver what pressing button index of table stands for: its key
// (MACRO_CHAR), or the whole command (WIN_COMMAND with table and record).
void win_send_button(const Win_data &receiver, ZEK_object *table, int32_t index);
// The row of the object's mouse table under the mouse (its GetMouseTbl
// slot's answer, checked against the table's end), or null.
const Win_mouse_row *win_mouse_row_hit(ZEK_object *object);

// The selected MDI child when it is maximised, else null.
ZEK_object *win_maximised_mdi_child(const Win_data &d);

#endif
