// A class module as the suite's programs build them: a class derived from the
// root class, made by the exported factory.
#include <cstdlib>

#include "ZEK2.h"
#include "../../module_class.h"

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

}  // namespace

// The argument is a ModuleProbe to count calls into; null makes the factory fail.
extern "C" ZEK_object *ZEKAPI module_factory(intptr_t argument, void *module)
{
    auto *probe = reinterpret_cast<ModuleProbe *>(argument);
    if (!probe)
        return nullptr;
    ++probe->factoryCalls;
    probe->moduleSeen = module;
    ZEK_object *object =
        new_module_object<2>(ZEK_class_ctor2, kRows, 2 * sizeof(void *), sizeof(void *), "Survey", module);
    if (!object)
        return nullptr;
    ZEK_layer *layer = ZEK_layer_at(object, 1);
    *static_cast<ModuleProbe **>(layer->pDataArea) = probe;
    return object;
}

extern "C" int ZEKAPI module_setup(void) { return 1; }
