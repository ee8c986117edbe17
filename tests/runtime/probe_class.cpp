#include "probe_class.h"

#include <cstddef>
#include <cstdlib>

namespace {

void ZEKAPI probe_delete(ZEK_object *object, int32_t flags);
const ZEK_vtbl probe_vtbl = {probe_delete};

void ZEKAPI probe_dtor(ZEK_object *object)
{
    probe_calls().push_back(std::string("Probe_dtor:") + (object->vtbl == &probe_vtbl ? "probe" : "other"));
}
int32_t ZEKAPI probe_twice(ZEK_object *, int32_t x) { return 2 * x; }
int32_t ZEKAPI probe_release(ZEK_object *object, ZEK_layer *layer)
{
    probe_calls().push_back(std::string("release:") + layer->pszClass);
    return ZEK_dtor(object, layer);
}

const ZEK_member kRows[] = {
    {ZEK_KIND_DATA, "count", 0, 4, 1},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(probe_dtor), 0, 0},
    {ZEK_KIND_METHOD, "Twice", reinterpret_cast<uintptr_t>(probe_twice), 4, 1},
};

// Most-derived layer first, each with its own release function.
void ZEKAPI probe_delete(ZEK_object *object, int32_t flags)
{
    for (int level = 1; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        if (level == 0)
            object->vtbl = nullptr;
        reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(layer->pSlot[0])(object);
        layer->pfnFree(object, layer);
    }
    if (flags & 1)
        std::free(object);
}

}  // namespace

std::vector<std::string> &probe_calls()
{
    static std::vector<std::string> calls;
    return calls;
}

ZEK_object *probe_new()
{
    auto *object = static_cast<ZEK_object *>(std::calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer)));
    if (!object || !ZEK_class_ctor2(object)) {
        std::free(object);
        return nullptr;
    }
    object->vtbl = &probe_vtbl;
    ZEK_layer *layer = probe_layer(object);
    ZEK_tbl_Init1(layer, kRows, 3, 2 * sizeof(void *), 4);
    layer->pszClass = "Probe";
    layer->pfnFree = ZEK_layer_at(object, 0)->pfnFree = probe_release;
    ZEK_overwrite(layer, ZEK_layer_at(object, 0), nullptr, 0, nullptr);
    return object;
}
