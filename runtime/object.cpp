// Object memory and the layer-by-layer destruction common to every class.
#include "object.h"

#include "zek_class.h"

#include <cstdlib>
#include <cstring>

namespace {

void ZEKAPI empty_deleting_dtor(ZEK_object *object, int32_t flags)
{
    if (flags & 1)
        std::free(object);
}

}  // namespace

const ZEK_vtbl zek_empty_vtbl = {empty_deleting_dtor};

ZEK_object *zek_object_alloc(int layers)
{
    size_t bytes = offsetof(ZEK_object, layer) + size_t(layers) * sizeof(ZEK_layer);
    return static_cast<ZEK_object *>(std::calloc(1, bytes));
}

ZEK_layer *zek_find_layer(ZEK_object *object, const char *className)
{
    if (!object)
        return nullptr;
    // Most lookups ask for the class built right above the root, whose layer
    // carries the very name pointer asked with: no string compare then.
    ZEK_layer *root = ZEK_layer_at(object, 0);
    if (ZEK_layer *above = root->pDerived; above && above->pszClass == className)
        return above->pDataArea ? above : nullptr;
    for (ZEK_layer *l = root; l; l = l->pDerived)
        if (l->pszClass && std::strcmp(l->pszClass, className) == 0)
            return l->pDataArea ? l : nullptr;
    return nullptr;
}

void zek_link_layers(ZEK_layer *base, ZEK_layer *derived)
{
    derived->pBase = base;
    base->pDerived = derived;
}

void zek_release_layer(ZEK_object *object, const ZEK_vtbl *vtbl, ZEK_layer *layer)
{
    object->vtbl = vtbl;
    if (layer->pSlot && layer->nMethodRow > 0 && layer->pSlot[0])
        reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(layer->pSlot[0])(object);
    if (layer->pfnFree)
        layer->pfnFree(object, layer);
}

void zek_delete_object(ZEK_object *object)
{
    if (object && object->vtbl && object->vtbl->deleting_dtor)
        object->vtbl->deleting_dtor(object, 1);
}

void zek_finish_delete(ZEK_object *object, int32_t flags)
{
    object->vtbl = &zek_empty_vtbl;
    if (flags & 1)
        std::free(object);
}

ZEK_object *zek_construct_derived(ZEK_object *object, const ZEK_vtbl *vtbl, ZekLayerInit init)
{
    bool owns = object == nullptr;
    if (owns) {
        object = zek_object_alloc(2);
        if (!object)
            return nullptr;
        object->vtbl = &ZEK_class_vtbl;
        if (!ZEK_class_ctor2(object)) {
            std::free(object);
            return nullptr;
        }
        object->vtbl = vtbl;
    }
    ZEK_layer *layer = ZEK_layer_at(object, 1);
    if (!init(object, layer)) {
        if (owns)
            zek_abandon_object(object, 1, true);
        return nullptr;
    }
    zek_link_layers(ZEK_layer_at(object, 0), layer);
    return object;
}

ZEK_object *zek_construct_third(ZEK_object *object, const ZEK_vtbl *base_vtbl,
                                ZekBaseCtor base_ctor, const ZEK_vtbl *vtbl, ZekLayerInit init)
{
    const bool owns = object == nullptr;
    if (owns) {
        object = zek_object_alloc(3);
        if (!object)
            return nullptr;
        object->vtbl = &ZEK_class_vtbl;
        if (!ZEK_class_ctor2(object)) {
            std::free(object);
            return nullptr;
        }
        object->vtbl = base_vtbl;
        if (!base_ctor(object)) {
            zek_abandon_object(object, 1, true);
            return nullptr;
        }
        object->vtbl = vtbl;
    }
    ZEK_layer *layer = ZEK_layer_at(object, 2);
    if (!init(object, layer)) {
        if (owns)
            zek_abandon_object(object, 2, true);
        return nullptr;
    }
    zek_link_layers(ZEK_layer_at(object, 1), layer);
    return object;
}

void zek_delete_derived(ZEK_object *object, const ZEK_vtbl *vtbl, int32_t flags)
{
    zek_release_layer(object, vtbl, ZEK_layer_at(object, 1));
    zek_release_layer(object, &ZEK_class_vtbl, ZEK_layer_at(object, 0));
    zek_finish_delete(object, flags);
}

void zek_delete_third(ZEK_object *object, const ZEK_vtbl *vtbl, const ZEK_vtbl *base_vtbl,
                      int32_t flags)
{
    zek_release_layer(object, vtbl, ZEK_layer_at(object, 2));
    zek_delete_derived(object, base_vtbl, flags);
}

void zek_abandon_object(ZEK_object *object, int builtLayers, bool ownsMemory)
{
    for (int level = builtLayers - 1; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        if (!layer->bKeepSlots)
            std::free(layer->pSlot);
        layer->pSlot = nullptr;
        layer->pDataArea = nullptr;
    }
    if (ownsMemory)
        std::free(object);
}

extern "C" int32_t ZEKAPI ZEK_dtor(ZEK_object *object, ZEK_layer *layer)
{
    if (!layer)
        return 0;
    int32_t moduleNew = object ? object->bModuleNew : 0;
    if (!layer->bKeepSlots)
        std::free(layer->pSlot);
    layer->pSlot = nullptr;
    layer->pDataArea = nullptr;
    if (!layer->pszClass || std::strcmp(layer->pszClass, "ZEK_class") != 0)
        return 0;
    // The root goes last: release the modules that supplied the classes above it.
    for (ZEK_layer *l = layer; l; l = l->pDerived) {
        void *module = l->hModule;
        if (!module)
            continue;
        if (l->pDerived) {
            l->hModule = nullptr;
            zek_module_release(module);
        } else if (!moduleNew) {
            // The running deleting destructor may be this module's code.
            l->hModule = nullptr;
            zek_module_release_later(module);
        }
    }
    return 0;
}

// Layouts that class modules built by other compilers rely on.
#if defined(__i386__)
static_assert(sizeof(ZEK_member) == 20, "descriptor row: five 32-bit fields");
static_assert(offsetof(ZEK_member, place) == 8 && offsetof(ZEK_member, count) == 16, "row");
static_assert(sizeof(ZEK_layer) == 72, "class layer");
static_assert(offsetof(ZEK_layer, hModule) == 44 && offsetof(ZEK_layer, pSlot) == 64, "layer");
static_assert(offsetof(ZEK_object, bModuleNew) == 12 && offsetof(ZEK_object, layer) == 16,
              "object header");
#endif
