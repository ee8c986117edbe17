// Helpers of the Exec and Thread tests: the class module's probe, waits that
// dispatch, and Exec objects with procedures of the program's own.
#ifndef ZEK_TESTS_EXEC_UTIL_H
#define ZEK_TESTS_EXEC_UTIL_H

#include <gtest/gtest.h>

#include "ZEK2.h"
#include "../class_members.h"
#include "module/exec_module.h"

constexpr char kModule[] = "zekexecmod.dll";

inline void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// Dispatches until done() or 10 s have passed; done()'s last answer.
template <typename Done>
bool pump_until(Done done)
{
    for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 10000;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        pump();
    }
    return done();
}

// The module stays loaded while this lives, so its probe can be read.
struct ModuleProbe {
    HMODULE module = LoadLibraryA(kModule);
    ExecModuleProbe *p = module ? reinterpret_cast<exec_module_probe_fn>(reinterpret_cast<void *>(
                                      GetProcAddress(module, "exec_module_probe")))()
                                : nullptr;
    ModuleProbe()
    {
        EXPECT_NE(p, nullptr);
        *p = ExecModuleProbe{};
    }
    ~ModuleProbe()
    {
        if (p && p->workerGo)
            CloseHandle(p->workerGo);
        FreeLibrary(module);
    }
    ExecModuleProbe *operator->() const { return p; }
};

// An Exec of the program's own whose procedures are replacement rows of its
// Exec layer, as a program adds them; deleted with the test.
struct OwnExec {
    ZEK_object *o = Exec_ctor2(nullptr);
    int32_t records[16] = {};
    OwnExec(const ZEK_member *rows, int32_t count)
    {
        ZEK_overwrite(ZEK_layer_at(o, 1), ZEK_layer_at(o, 0), rows, count, records);
        member<int32_t>(o, "bLogOn") = 0;
    }
    OwnExec(const OwnExec &) = delete;
    OwnExec &operator=(const OwnExec &) = delete;
    ~OwnExec() { ZEK_dtorC(o); }
    template <typename T>
    T &m(const char *name) { return member<T>(o, name); }
    operator ZEK_object *() const { return o; }
};

template <typename Fn>
ZEK_member proc_row(const char *name, Fn fn)
{
    return ZEK_member{ZEK_KIND_METHOD, name, reinterpret_cast<uintptr_t>(fn), 4, 1};
}

#endif
