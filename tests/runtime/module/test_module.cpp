// A class module as the suite's programs build them: a class derived from the
// root class, made by the exported factory.
#include <cstdlib>

#include "ZEK2.h"

struct ModuleProbe { int32_t factoryCalls, dtorCalls; void *moduleSeen; };

namespace {

// The layer's data area holds the ModuleProbe pointer.
void ZEKAPI survey_dtor(ZEK_object *object)
{
    if (auto *probe = *static_cast<ModuleProbe **>(ZEK_layer_at(object, 1)->pDataArea))
        ++probe->dtorCalls;
}

int32_t ZEKAPI survey_answer(ZEK_object *) { return 42; }

const ZEK_member kRows[] = {
    {ZEK_KIND_DATA, "probe", 0, sizeof(void *), 1},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(survey_dtor), 0, 0},
    {ZEK_KIND_METHOD, "Answer", reinterpret_cast<uintptr_t>(survey_answer), 4, 1},
};

void ZEKAPI survey_delete(ZEK_object *object, int32_t flags)
{
    for (int level = 1; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        reinterpret_cast<void(ZEKAPI *)(ZEK_object *)>(layer->pSlot[0])(object);
        layer->pfnFree(object, layer);
    }
    object->vtbl = nullptr;
    if (flags & 1)
        std::free(object);
}
const ZEK_vtbl survey_vtbl = {survey_delete};

}  // namespace

// The argument is a ModuleProbe to count calls into; null makes the factory fail.
extern "C" ZEK_object *ZEKAPI module_factory(intptr_t argument, void *module)
{
    auto *probe = reinterpret_cast<ModuleProbe *>(argument);
    if (!probe)
        return nullptr;
    ++probe->factoryCalls;
    probe->moduleSeen = module;
    auto *object = static_cast<ZEK_object *>(std::calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer)));
    if (!object || !ZEK_class_ctor2(object)) {
        std::free(object);
        return nullptr;
    }
    object->vtbl = &survey_vtbl;
    ZEK_layer *layer = ZEK_layer_at(object, 1);
    ZEK_tbl_Init1(layer, kRows, 3, 2 * sizeof(void *), sizeof(void *));
    layer->pszClass = "Survey";
    layer->hModule = module;
    layer->pBase = ZEK_layer_at(object, 0);
    ZEK_layer_at(object, 0)->pDerived = layer;
    *static_cast<ModuleProbe **>(layer->pDataArea) = probe;
    return object;
}

extern "C" int ZEKAPI module_setup(void) { return 1; }
