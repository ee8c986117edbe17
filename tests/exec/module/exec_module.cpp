// A class module whose class derives from Exec, as programs' modules do:
// procedures Sum, Spawn (its worker on a thread), SpawnWait and Keep.
#include <cstdlib>

#include "exec_module.h"
#include "../../module_class.h"

namespace {

ExecModuleProbe gProbe;

template <typename T>
T &member(ZEK_object *o, const char *name)
{
    ZEK_layer *l = ZEK_layer_at(o, 1);
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, l->pDataRow[ZEK_NameSearch2(l->pDataRow, 21, name)].place));
}

void ZEKAPI probe_dtor(ZEK_object *) { InterlockedIncrement(&gProbe.dtorCalls); }

int32_t ZEKAPI worker(ZEK_object *)
{
    if (gProbe.workerGo)
        WaitForSingleObject(gProbe.workerGo, 10000);
    gProbe.workerPriority = GetThreadPriority(GetCurrentThread());
    return InterlockedIncrement(&gProbe.workerRuns);
}

int32_t ZEKAPI sum(ZEK_object *o)
{
    gProbe.lastObject = o;
    gProbe.lastWnd = member<HWND>(o, "hWnd");
    return int32_t(member<intptr_t>(o, "pData")) + member<int32_t>(o, "bCount");
}
int32_t ZEKAPI spawn(ZEK_object *o)
{
    gProbe.lastObject = o;
    return 10 + Exec_ExecThreadOpen(o, worker, THREAD_PRIORITY_BELOW_NORMAL);
}
// The thread ends without naming a window: the wait returns all the same.
int32_t ZEKAPI spawn_wait(ZEK_object *o)
{
    Exec_ExecThreadOpen(o, worker, THREAD_PRIORITY_NORMAL);
    return 20 + (Exec_ExecThreadRunWait(o) != nullptr);
}
int32_t ZEKAPI keep(ZEK_object *o) { return gProbe.lastObject = o, Exec_SetDllMode(o, 1), 3; }

template <typename Fn>
constexpr ZEK_member row(const char *name, Fn fn)
{
    return ZEK_member{ZEK_KIND_METHOD, name, reinterpret_cast<uintptr_t>(fn), 4, 1};
}
const ZEK_member kRows[] = {row("dtor", probe_dtor), row("Sum", sum), row("Spawn", spawn),
                            row("SpawnWait", spawn_wait), row("Keep", keep)};

}  // namespace

extern "C" ExecModuleProbe *ZEKAPI exec_module_probe(void) { return &gProbe; }

extern "C" ZEK_object *ZEKAPI exec_module_factory(intptr_t, void *module)
{
    return new_module_object<3>(build_exec_bases, kRows, 5 * sizeof(void *), 0, "ExecProbe", module);
}
