// A class module whose class derives from Exec, as programs' modules do:
// procedures Sum, Spawn (its worker on a thread), SpawnWait and Keep.
#include <cstdlib>

#include "exec_module.h"

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

void ZEKAPI probe_delete(ZEK_object *object, int32_t flags)
{
    for (int level = 2; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(layer->pSlot[0])(object);
        layer->pfnFree(object, layer);
    }
    if (flags & 1)
        std::free(object);
}
const ZEK_vtbl kVtbl = {probe_delete};

}  // namespace

extern "C" ExecModuleProbe *ZEKAPI exec_module_probe(void) { return &gProbe; }

extern "C" ZEK_object *ZEKAPI exec_module_factory(intptr_t, void *module)
{
    auto *o = static_cast<ZEK_object *>(std::calloc(1, offsetof(ZEK_object, layer) + 3 * sizeof(ZEK_layer)));
    if (!o || !ZEK_class_ctor2(o) || !Exec_ctor2(o))
        return std::free(o), nullptr;
    o->vtbl = &kVtbl;
    ZEK_layer *layer = ZEK_layer_at(o, 2);
    ZEK_tbl_Init1(layer, kRows, 5, 5 * sizeof(void *), 0);
    layer->pszClass = "ExecProbe";
    layer->hModule = module;
    layer->pBase = ZEK_layer_at(o, 1);
    ZEK_layer_at(o, 1)->pDerived = layer;
    return o;
}
