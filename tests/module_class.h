// Objects of the tests' and benchmarks' class modules, made the way the
// suite's programs make theirs: the bases built by their constructors, the
// class's own rows on the top layer, and a deleting destructor that runs
// each layer's dtor slot and release function from the most derived down.
#ifndef ZEK_TESTS_MODULE_CLASS_H
#define ZEK_TESTS_MODULE_CLASS_H

#include <cstddef>
#include <cstdlib>

#include "ZEK2.h"

template <int Layers>
void ZEKAPI delete_layers(ZEK_object *object, int32_t flags)
{
    for (int level = Layers - 1; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(layer->pSlot[0])(object);
        layer->pfnFree(object, layer);
    }
    object->vtbl = nullptr;
    if (flags & 1)
        std::free(object);
}

template <int Layers>
const ZEK_vtbl kLayersVtbl = {delete_layers<Layers>};

// The bases of a class derived from Exec.
inline bool build_exec_bases(ZEK_object *o)
{
    return ZEK_class_ctor2(o) && Exec_ctor2(o);
}

// build(object) runs the bases' constructors; null when one fails.
template <int Layers, typename Build, size_t Rows>
ZEK_object *new_module_object(Build build, const ZEK_member (&rows)[Rows], int32_t slotBytes,
                              int32_t dataBytes, const char *name, void *module)
{
    auto *o = static_cast<ZEK_object *>(
        std::calloc(1, offsetof(ZEK_object, layer) + Layers * sizeof(ZEK_layer)));
    if (!o || !build(o)) {
        std::free(o);
        return nullptr;
    }
    o->vtbl = &kLayersVtbl<Layers>;
    ZEK_layer *layer = ZEK_layer_at(o, Layers - 1), *base = ZEK_layer_at(o, Layers - 2);
    ZEK_tbl_Init1(layer, rows, int32_t(Rows), slotBytes, dataBytes);
    layer->pszClass = name;
    layer->hModule = module;
    layer->pBase = base;
    base->pDerived = layer;
    return o;
}

#endif
