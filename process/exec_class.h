// Exec: the data area, slot numbers and layer lookup shared by the files
// of the class.
#ifndef ZEK_PROCESS_EXEC_CLASS_H
#define ZEK_PROCESS_EXEC_CLASS_H

#include <cstddef>

#include "zek2/exec.h"

// Data members in table order. Natural alignment puts the two doubles at 80
// (after four bytes of padding on i686), so the area is 96 bytes there, as
// every member offset follows its type's alignment.
struct Exec_data {
    ZEK_object *pMother;
    ZEK_object *pRunWin;
    ZEK_object *pMdiWin;
    intptr_t pData;
    int32_t bCount;
    int32_t bType;
    int32_t bLogOn;
    int32_t bPrcMode;
    HWND hWnd;
    HANDLE hPrcThread;
    int32_t bThreadID;
    int32_t bPriority;
    Exec_proc_fn pStartAddr;
    int32_t bThreadEndType;
    void *pEditJ;
    int32_t bButtonModeEx;
    int32_t bButtonSelectEx;
    int32_t bTssButtonNo;
    int32_t bTssMnuFlag;
    double bTssMnuX;
    double bTssMnuY;
};
#if defined(__i386__)
static_assert(sizeof(Exec_data) == 96, "Exec data area");
static_assert(offsetof(Exec_data, hWnd) == 32 && offsetof(Exec_data, pStartAddr) == 48 &&
                  offsetof(Exec_data, bTssMnuFlag) == 72 && offsetof(Exec_data, bTssMnuX) == 80,
              "Exec member offsets");
#endif

// The layer's heap area: the public members, then what only the library
// keeps. Fields behind data are guarded by the lock of exec_threads.
struct Exec_area {
    Exec_data data;
    int32_t holds;     // library calls on the object under way that may dispatch
    int32_t deferred;  // its deletion waits for the last of them
    int32_t dying;     // its deletion was decided: nothing more is started on it
};

enum {
    kExecDtor,
    kExecExecCall,
    kExecExecThreadOpen,
    kExecExecThreadPriority,
    kExecExecThreadEndWait,
    kExecExecThreadEnd,
    kExecExecThreadRunWait,
    kExecSetDllMode,
    kExecSearchProc,
    kExecLogFile,
    kExecSetRunWin,
    kExecSetMdiWin,
    kExecHelpHtml,
    kExecTssAngle,
    kExecTssDist,
    kExecTssKakutei,
    kExecTssEndJob,
    kExecSetTssEndJob,
    kExecSetTssProc,
    kExecSetTssButtonModeEx,
    kExecMethods
};

// The object's Exec layer, or null for an object without one.
ZEK_layer *exec_layer(ZEK_object *object);

inline Exec_area *exec_area(ZEK_layer *layer)
{
    return static_cast<Exec_area *>(layer->pDataArea);
}

inline Exec_data *exec_data_of(ZEK_object *object)
{
    ZEK_layer *layer = exec_layer(object);
    return layer ? &exec_area(layer)->data : nullptr;
}

// Words one thread writes and another polls.
template <typename T>
T exec_load(const T &word)
{
    return __atomic_load_n(&word, __ATOMIC_ACQUIRE);
}
template <typename T>
void exec_store(T &word, T value)
{
    __atomic_store_n(&word, value, __ATOMIC_RELEASE);
}

#endif
