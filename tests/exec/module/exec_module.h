// What the Exec tests' class module records, read through exec_module_probe.
#ifndef ZEK_TESTS_EXEC_MODULE_H
#define ZEK_TESTS_EXEC_MODULE_H

#include <windows.h>

#include "ZEK2.h"

struct ExecModuleProbe {
    volatile LONG dtorCalls;
    volatile LONG sumCalls;
    volatile LONG workerRuns;
    volatile LONG workerPriority;
    ZEK_object *lastObject;  // the object of the last procedure call
    ZEK_object *lastMother;
    HWND lastWnd;
    HANDLE workerGo;         // when set, the worker waits for it (10 s at most)
};

typedef ExecModuleProbe *(ZEKAPI *exec_module_probe_fn)(void);

#endif
