#include "probe_class.h"

#include <cstddef>
#include <cstdlib>

namespace {

void ZEKAPI probe_delete(ZEK_object *object, int32_t flags);
const ZEK_vtbl probe_vtbl = {probe_delete};

const char *vtable_owner(const ZEK_object *object)
{
    return object->vtbl == &probe_vtbl ? "probe" : "other";
}

void ZEKAPI probe_dtor(ZEK_object *object)
{
    probe_calls().push_back(std::string("Probe_dtor:") + vtable_owner(object));
}

int32_t ZEKAPI probe_twice(ZEK_object *, int32_t x)
{
    return 2 * x;
}

int32_t ZEKAPI probe_release(ZEK_object *object, ZEK_layer *layer)
{
    probe_calls().push_back(std::string("release:") + layer->pszClass);
    return ZEK_dtor(object, layer);
}

const ZEK_member kRows[] = {
    {ZEK_KIND_DATA, "count", offsetof(ProbeData, count), 4, 1},
    {ZEK_KIND_DATA, "scale", offsetof(ProbeData, scale), 8, 1},
    {ZEK_KIND_DATA, "name", offsetof(ProbeData, name), 1, 16},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(probe_dtor), 0, 0},
    {ZEK_KIND_METHOD, "Twice", reinterpret_cast<uintptr_t>(probe_twice), 4, 1},
};

void ZEKAPI probe_delete(ZEK_object *object, int32_t flags)
{
    // Most-derived layer first, each with its own release function.
    ZEK_layer *probe = ZEK_layer_at(object, 1);
    reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(probe->pSlot[0])(object);
    probe->pfnFree(object, probe);
    ZEK_layer *root = ZEK_layer_at(object, 0);
    object->vtbl = nullptr;
    reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(root->pSlot[0])(object);
    root->pfnFree(object, root);
    if (flags & 1)
        std::free(object);
}

}  // namespace

std::vector<std::string> &probe_calls()
{
    static std::vector<std::string> calls;
    return calls;
}

const ZEK_member *probe_rows(int *count)
{
    *count = int(sizeof kRows / sizeof kRows[0]);
    return kRows;
}

ZEK_layer *probe_layer(ZEK_object *object)
{
    return ZEK_layer_at(object, 1);
}

ZEK_object *probe_new()
{
    auto *object = static_cast<ZEK_object *>(
        std::calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer)));
    if (!object || !ZEK_class_ctor2(object)) {
        std::free(object);
        return nullptr;
    }
    object->vtbl = &probe_vtbl;
    ZEK_layer *layer = probe_layer(object);
    int rows = 0;
    const ZEK_member *table = probe_rows(&rows);
    ZEK_tbl_Init1(layer, table, rows, 2 * sizeof(void *), sizeof(ProbeData));
    layer->pszClass = "Probe";
    layer->pfnFree = probe_release;
    ZEK_layer_at(object, 0)->pfnFree = probe_release;
    ZEK_overwrite(layer, ZEK_layer_at(object, 0), nullptr, 0, nullptr);
    return object;
}
