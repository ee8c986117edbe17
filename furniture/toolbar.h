// Tool frame and toolbars: what their files share. The tool frame is a Win
// in the owner's pToolFrame (pMother the owner); each toolbar a Win in one of
// the owner's 20 pToolBar slots (pMother the tool frame). The owner holds
// both: a toolbar object goes when the owner has saved it (WIN_TOOLEND) or
// when the tool frame's window ends; the tool frame goes with its window.
#ifndef ZEK_FURNITURE_TOOLBAR_H
#define ZEK_FURNITURE_TOOLBAR_H

#include "../window/win_call.h"
#include "../window/win_lifetime.h"
#include "atr_table.h"

constexpr int32_t kToolBarSlots = 20;

extern const char kToolFrameClass[];
extern const char kToolBarClass[];
extern const char kToolMoveClass[];

// The window procedures of the three classes.
LRESULT CALLBACK tool_frame_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK toolbar_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK tool_move_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Live objects only: a pointer to an object already deleted reads as null.
Win_data *live_win(ZEK_object *object);

// The toolbar's tool frame and the tool frame's owner, or null.
ZEK_object *toolbar_frame(ZEK_object *bar);
ZEK_object *toolbar_owner(ZEK_object *bar);

// The toolbar's button table data, or null.
AtrTable_data *toolbar_table(ZEK_object *bar);

// The slot of owner holding bar, or -1.
int32_t toolbar_slot(ZEK_object *owner, const ZEK_object *bar);

// Saves and deletes every toolbar of the owner, as WIN_TOOLEND does for one:
// the program's hook, the file, the object, the slot.
void release_toolbars(ZEK_object *owner);

// The moving protocol of the process, on the thread that serves the owner
// windows; one toolbar moves at a time. Owned here, touched by the toolbar
// and drag procedures and by Win_CreateToolBar.
struct ToolMoving {
    RECT dragStart{};           // the dragged bar's window rectangle at the start
    HWND ghost = nullptr;       // the drag's ghost window while it is there
    HWND resizing = nullptr;    // the floating bar being resized by an edge
    bool floating = false;      // where the drag ends: outside the owner (float)
    HWND recreating = nullptr;  // this bar window's destruction is a re-creation
};
ToolMoving &tool_moving();

// Starts dragging the toolbar: a ghost window over it that the system moves
// with the mouse. floating: the decision until the ghost first moves.
void tool_drag_start(ZEK_object *bar, bool floating);

#endif
