// The class module of the Exec benchmark: a class derived from Exec with one
// procedure that adds the call's two values.
#include <cstdlib>

#include "ZEK2.h"
#include "../tests/module_class.h"

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

}  // namespace

extern "C" ZEK_object *ZEKAPI bench_module_factory(intptr_t, void *module)
{
    ZEK_object *o = new_module_object<3>(build_exec_bases, kRows, 2 * sizeof(void *), 0,
                                         "ExecBench", module);
    if (!o)
        return nullptr;
    // Calls are timed without their log line.
    ZEK_layer *exec = ZEK_layer_at(o, 1);
    const int32_t logOn = ZEK_NameSearch2(exec->pDataRow, exec->nDataRow, "bLogOn");
    *static_cast<int32_t *>(ZEK_ptr(exec->pDataArea, 0, intptr_t(exec->pDataRow[logOn].place))) = 0;
    return o;
}
