// The class module of the Exec benchmark: a class derived from Exec with one
// procedure that adds the call's two values.
#include <cstdlib>

#include "ZEK2.h"

namespace {

int32_t ZEKAPI add(ZEK_object *o)
{
    ZEK_layer *l = ZEK_layer_at(o, 1);
    const int32_t data = ZEK_NameSearch2(l->pDataRow, l->nDataRow, "pData");
    return int32_t(*static_cast<intptr_t *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[data].place)))) + 1;
}
void ZEKAPI nothing(ZEK_object *) {}

const ZEK_member kRows[] = {
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(nothing), 0, 0},
    {ZEK_KIND_METHOD, "Add", reinterpret_cast<uintptr_t>(add), 4, 1},
};

void ZEKAPI delete_object(ZEK_object *object, int32_t flags)
{
    for (int level = 2; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(layer->pSlot[0])(object);
        layer->pfnFree(object, layer);
    }
    if (flags & 1)
        std::free(object);
}
const ZEK_vtbl kVtbl = {delete_object};

}  // namespace

extern "C" ZEK_object *ZEKAPI bench_module_factory(intptr_t, void *module)
{
    auto *o = static_cast<ZEK_object *>(
        std::calloc(1, offsetof(ZEK_object, layer) + 3 * sizeof(ZEK_layer)));
    if (!o || !ZEK_class_ctor2(o) || !Exec_ctor2(o)) {
        std::free(o);
        return nullptr;
    }
    o->vtbl = &kVtbl;
    ZEK_layer *layer = ZEK_layer_at(o, 2);
    ZEK_tbl_Init1(layer, kRows, 2, 2 * sizeof(void *), 0);
    layer->pszClass = "ExecBench";
    layer->hModule = module;
    layer->pBase = ZEK_layer_at(o, 1);
    ZEK_layer_at(o, 1)->pDerived = layer;
    // Calls are timed without their log line.
    ZEK_layer *exec = ZEK_layer_at(o, 1);
    const int32_t logOn = ZEK_NameSearch2(exec->pDataRow, exec->nDataRow, "bLogOn");
    *static_cast<int32_t *>(ZEK_ptr(exec->pDataArea, 0, intptr_t(exec->pDataRow[logOn].place))) = 0;
    return o;
}
