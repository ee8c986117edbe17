// RuningWin inside the library: its data area, slot indices and layer.
#ifndef ZEK_PROCESS_RUNING_WIN_H
#define ZEK_PROCESS_RUNING_WIN_H

#include "zek2/runing_win.h"

struct RuningWin_data {
    HWND hWnd;
};
#if defined(__i386__)
static_assert(sizeof(RuningWin_data) == 4, "RuningWin data area");
#endif

// Slot indices, in table order.
enum {
    kRwDtor,
    kRwIsRuningWnd,
    kRwGetChildWin,
    kRwGetChildClass,
    kRwGetChildText,
    kRwGetChildHWND,
    kRwPostMessage,
    kRwSendMessage,
    kRwLButtonDown,
    kRwLButtonDblClk,
    kRwPostChar,
    kRwPostStr,
    kRwPostSysKey,
    kRwPostKey,
    kRwCurUp,
    kRwCurDown,
    kRwCurRet,
    kRwCurEsc,
    kRwSetForegroundWindow,
    kRwGetWindowText,
    kRwMethods
};

extern const ZEK_vtbl RuningWin_vtbl;

// The object's RuningWin layer, or null.
ZEK_layer *runing_win_layer(ZEK_object *object);

inline RuningWin_data *runing_win_data(ZEK_layer *layer)
{
    return static_cast<RuningWin_data *>(layer->pDataArea);
}

// The window the object drives; 0 for an object without a RuningWin layer.
HWND runing_win_hwnd(ZEK_object *object);

#endif
