// Helpers of the Exec and Thread tests: the class module's probe, a wait
// that dispatches, and Exec objects with procedures of the program's own.
#ifndef ZEK_TESTS_EXEC_UTIL_H
#define ZEK_TESTS_EXEC_UTIL_H

#include <gtest/gtest.h>

#include <string>

#include "ZEK2.h"
#include "../class_members.h"
#include "module/exec_module.h"

inline std::string in_module(const char *procedure) { return std::string("zekexecmod.dll\\") + procedure; }

inline void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&m);
}

// Dispatches until done() or 10 s have passed; done()'s last answer.
template <typename Done>
bool pump_until(Done done)
{
    for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 10000;)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT), pump();
    return done();
}

// Keeps the module loaded while it lives, so its probe can be read.
struct ModuleProbe {
    HMODULE module = LoadLibraryA("zekexecmod.dll");
    ExecModuleProbe *p = reinterpret_cast<exec_module_probe_fn>(
        reinterpret_cast<void *>(GetProcAddress(module, "exec_module_probe")))();
    ModuleProbe() { *p = ExecModuleProbe{}; }
    ~ModuleProbe() { FreeLibrary(module); }
    ExecModuleProbe *operator->() const { return p; }
};

template <typename Fn>
ZEK_member proc_row(const char *name, Fn fn)
{
    return ZEK_member{ZEK_KIND_METHOD, name, reinterpret_cast<uintptr_t>(fn), 4, 1};
}

// An Exec of the program's own, its procedures replacement rows of its Exec
// layer as a program adds them; no log unless asked. Deleted with the test.
struct OwnExec {
    ZEK_object *o = Exec_ctor2(nullptr);
    int32_t records[8] = {};
    explicit OwnExec(const ZEK_member *rows = nullptr, int32_t count = 0)
    {
        ZEK_overwrite(ZEK_layer_at(o, 1), ZEK_layer_at(o, 0), rows, count, records);
        member<int32_t>(o, "bLogOn") = 0;
    }
    ~OwnExec() { ZEK_dtorC(o); }
    template <typename T>
    T &m(const char *name) { return member<T>(o, name); }
    operator ZEK_object *() const { return o; }
};

#endif
