// Table input editor: data area, private loop state and the pieces shared by
// the class glue, the loop and the moves.
#ifndef ZEK_RECORDS_FDIO_INPUT_H
#define ZEK_RECORDS_FDIO_INPUT_H

#include <cstdint>

#include "zek2/fdio_input.h"
#include "../runtime/class_rows.h"
#include "fd_io.h"
#include "table_cursor.h"

// Data members, in table order.
struct FdioInput_data {
    int32_t bInpFlag;
    int32_t bAbsMode;
    int32_t bInpMode;
    int32_t bDatPg;
    int32_t bDspYs;
    int32_t bDspYn;
    int32_t bDspXs;
    int32_t bDspXe;
    int32_t bInsFlag;
    int32_t bCurY;
    int32_t bCurX;
    int32_t bInpY;
    int32_t bInsDel;
    int32_t bRvMode;
    int32_t bUpDown;
    int32_t bInsLock;
    int32_t bDelLock;
    int32_t bUndoCnt;
    int32_t bUndoRec[10][2];  // ten entries of 8 bytes, the program's
    void *pUndoData;
    void *hInpThread;
    int32_t bInpThreadID;
    int32_t nVert;
    ZEK_object *pWin;
};
#if defined(__i386__)
static_assert(sizeof(FdioInput_data) == 172, "FdioInput data area");
#endif

// The layer's heap area: the public members, then what a running loop keeps.
struct FdioInput_area {
    FdioInput_data data;
    ZEK_method_fn savedTimerInp;  // the window's TimerInp slot before the loop
    void *savedInpBuf;            // the window's pFdInpBuf before the loop
    ZEK_object *nextLoop;         // the thread's next running table
    int32_t running;              // InputLoop is running
    int32_t saving;               // an autosave is under way
};

// Whether object is a table whose loop runs on this thread; object is only
// compared, never followed, until it is found.
bool fdio_loop_running(const void *object);
void fdio_loop_enter(ZEK_object *f, FdioInput_area *a);
void fdio_loop_leave(ZEK_object *f, FdioInput_area *a);

// Slot indices, in table order.
enum {
    kFdinDtor,
    kFdinInputInitData,
    kFdinInputInitDataDir,
    kFdinInputLoop,
    kFdinInputLine,
    kFdinInputLine2,
    kFdinInputLine3,
    kFdinInputLine4,
    kFdinInputLine5,
    kFdinInputCtrl,
    kFdinInputMode,
    kFdinInputDataSave,
    kFdinInputSaveJob,
    kFdinInputStartJob,
    kFdinInputEndJob,
    kFdinEditFlagOn,
    kFdinEditFlagOff,
    kFdinGetEditFlag,
    kFdinGetAbsMode,
    kFdinSetStartYpos,
    kFdinSetMaxPage,
    kFdinSetInsLock,
    kFdinSetDelLock,
    kFdinBackPage,
    kFdinNextPage,
    kFdinCurHome,
    kFdinCurSHome,
    kFdinCurUp,
    kFdinCurDown,
    kFdinCurVertScroll,
    kFdinCurLeft,
    kFdinCurRight,
    kFdinCurUpCk,
    kFdinCurDownCk,
    kFdinCurLeftCk,
    kFdinCurRightCk,
    kFdinCurNext,
    kFdinLineIns,
    kFdinLineInsMsg,
    kFdinLineDelMsg,
    kFdinLineDel,
    kFdinDrawPage,
    kFdinDrawPageDir,
    kFdinSetDrawPage,
    kFdinDrawLine,
    kFdinDrawDelLine,
    kFdinUpDownSw,
    kFdinSetUpDown,
    kFdinSetMouseAdd,
    kFdinInputUndo,
    kFdinInputRedo,
    kFdinSetDrawPageA,
    kFdinMethods
};

extern const char kFdioInputClassName[];
extern const ZEK_vtbl FdioInput_vtbl;

ZEK_layer *fdio_input_find_layer(ZEK_object *object);

// The object's FdioInput layer, or null; tried first where it usually lies,
// two layers above the root (reached through the links, since an object of
// another class may have fewer layers).
inline ZEK_layer *fdio_input_layer(ZEK_object *object)
{
    if (!object)
        return nullptr;
    ZEK_layer *middle = ZEK_layer_at(object, 0)->pDerived;
    ZEK_layer *above = middle ? middle->pDerived : nullptr;
    if (above && above->pszClass == kFdioInputClassName && above->pDataArea)
        return above;
    return fdio_input_find_layer(object);
}

inline FdioInput_area *fdio_input_area(ZEK_layer *layer)
{
    return static_cast<FdioInput_area *>(layer->pDataArea);
}

// The editor's pieces of one object: both layers, or nulls.
struct FdioParts {
    ZEK_layer *io = nullptr;
    ZEK_layer *in = nullptr;
    Fd_Io_data *rec = nullptr;  // record file members
    FdioInput_data *d = nullptr;
    explicit operator bool() const { return in != nullptr && io != nullptr; }
};
FdioParts fdio_parts(ZEK_object *f);

// The cursor members copied out of the object, and written back.
TableCursor fdio_cursor(const FdioParts &p);
void fdio_store(const FdioParts &p, const TableCursor &t);

// Calls slot k of the editor's layer.
template <typename R, typename... Args>
R fdio_call(ZEK_object *f, const FdioParts &p, int k, Args... args)
{
    return zek_call_slot<R>(f, p.in, k, args...);
}

// Calls slot k of the record file layer.
template <typename R, typename... Args>
R fdio_io_call(ZEK_object *f, const FdioParts &p, int k, Args... args)
{
    return zek_call_slot<R>(f, p.io, k, args...);
}

#endif
