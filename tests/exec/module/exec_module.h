// What the Exec tests' class module records, read through exec_module_probe.
#ifndef ZEK_TESTS_EXEC_MODULE_H
#define ZEK_TESTS_EXEC_MODULE_H

#include "ZEK2.h"

struct ExecModuleProbe {
    volatile LONG dtorCalls, workerRuns, workerPriority;
    ZEK_object *lastObject;  // of the last procedure call
    HWND lastWnd;
    HANDLE workerGo;  // when set, the worker waits for it (10 s at most)
};
typedef ExecModuleProbe *(ZEKAPI *exec_module_probe_fn)(void);

#endif
