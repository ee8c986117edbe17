// The window procedure that the furniture windows share (side menus, status
// bar, tool frame, toolbars). Each kind's WNDPROC is one call of
// furniture_proc with a FurnitureKind saying what that kind does differently;
// binding, the object's lifetime and the common handling live here once.
#ifndef ZEK_FURNITURE_FURNITURE_PROC_H
#define ZEK_FURNITURE_FURNITURE_PROC_H

#include "../window/win_call.h"

// One message on its way to a furniture Win.
struct FurnitureMessage {
    ZEK_object *object;  // the furniture Win (side menu, status bar, toolbar ...)
    Win_data &d;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What a kind of furniture window does differently from the side menu. A null
// member means the side menu's behaviour.
struct FurnitureKind {
    // Sees every message first; true (with *result set) when it handled it.
    bool (*own)(const FurnitureMessage &m, LRESULT *result) = nullptr;
    // WM_SIZE, after the rectangles, the cell grid and ScaleNew: the buttons'
    // layout. Side menu: AtrTable_LayoutModeMenu.
    void (*layout)(const FurnitureMessage &m) = nullptr;
    // WM_PAINT, after the Paint slot and AtrTable_Paint, with the paint DC:
    // edge lines, grips. Side menu: the bTopMenuEdge lines.
    void (*decorate)(const FurnitureMessage &m, HDC dc) = nullptr;
    // The Win whose open drop-down menu a press closes first, and the
    // receiver of clicks (MACRO_CHAR, WIN_COMMAND). Side menu: pMother.
    ZEK_object *(*owner)(const FurnitureMessage &m) = nullptr;
    bool scrolls = true;     // WM_HSCROLL/WM_VSCROLL go to the scroll slots
    bool mouseTable = true;  // a press on no button runs pMouseTable
    // WM_NCDESTROY deletes the object (after clearing the owner's slot that
    // holds it). False for furniture whose object outlives its window.
    bool deletesObject = true;
};

// Runs one message of a furniture window of the given kind.
LRESULT furniture_proc(const FurnitureKind &kind, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam);

// The platform's default handling.
LRESULT furniture_default(const FurnitureMessage &m);

// A 1-pixel solid line from (x1, y1) to just before (x2, y2) on dc; the pen
// is the line's own and dc's pen is put back.
void furniture_line(HDC dc, COLORREF colour, int x1, int y1, int x2, int y2);

#endif
