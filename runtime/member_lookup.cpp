#include "member_lookup.h"

#include <cstring>

namespace {

ZEK_layer *most_derived(ZEK_object *object)
{
    ZEK_layer *layer = ZEK_layer_at(object, 0);
    while (layer->pDerived)
        layer = layer->pDerived;
    return layer;
}

// Slot index of the named method within one layer, or -1.
int32_t method_slot(const ZEK_layer *layer, const char *name)
{
    if (!layer->pSlot || !layer->pMethodRow)
        return -1;
    int32_t k = 0;
    for (int32_t i = 0; k < layer->nMethodRow; ++i) {
        const ZEK_member &row = layer->pMethodRow[i];
        if (row.kind != ZEK_KIND_METHOD)
            continue;
        if (row.name && std::strcmp(row.name, name) == 0)
            return k;
        ++k;
    }
    return -1;
}

}  // namespace

void *zek_find_data(ZEK_object *object, const char *name)
{
    if (!object || !name)
        return nullptr;
    for (ZEK_layer *layer = most_derived(object); layer; layer = layer->pBase) {
        if (!layer->pDataArea || layer->nDataRow < 1)
            continue;
        int32_t i = ZEK_NameSearch2(layer->pDataRow, layer->nDataRow, name);
        if (i >= 0 && layer->pDataRow[i].kind == ZEK_KIND_DATA)
            return ZEK_ptr(layer->pDataArea, 0, intptr_t(layer->pDataRow[i].place));
    }
    return nullptr;
}

ZEK_method_fn zek_find_method(ZEK_object *object, const char *name)
{
    if (!object || !name)
        return nullptr;
    for (ZEK_layer *layer = most_derived(object); layer; layer = layer->pBase) {
        const int32_t k = method_slot(layer, name);
        if (k >= 0)
            return layer->pSlot[k];
    }
    return nullptr;
}

ZEK_method_fn zek_layer_method(const ZEK_layer *layer, const char *name)
{
    const int32_t k = layer && name ? method_slot(layer, name) : -1;
    return k < 0 ? nullptr : layer->pSlot[k];
}
