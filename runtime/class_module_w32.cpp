// Class modules: making objects from separate libraries and releasing them.
#include <windows.h>

#include "object.h"

namespace {

// Modules whose release had to wait until the destructor that asked for it
// returned. Per thread: only this thread's destructor can be running them.
constexpr int kPendingMax = 16;
thread_local void *pending[kPendingMax];
thread_local int pendingCount;

}  // namespace

void zek_module_release(void *module)
{
    if (module)
        FreeLibrary(static_cast<HMODULE>(module));
}

void zek_module_release_later(void *module)
{
    if (!module)
        return;
    if (pendingCount == kPendingMax) {
        // The oldest entry's destructor finished long ago.
        zek_module_release(pending[0]);
        for (int i = 1; i < kPendingMax; ++i)
            pending[i - 1] = pending[i];
        --pendingCount;
    }
    pending[pendingCount++] = module;
}

void zek_module_release_pending()
{
    while (pendingCount > 0)
        zek_module_release(pending[--pendingCount]);
}

extern "C" ZEK_object *ZEKAPI ZEK_new(const char *fileName, intptr_t argument)
{
    zek_module_release_pending();
    if (!fileName)
        return nullptr;
    HMODULE module = LoadLibraryA(fileName);
    if (!module)
        return nullptr;
    auto factory = reinterpret_cast<ZEK_factory_fn>(
        reinterpret_cast<void *>(GetProcAddress(module, "_ZEK_new")));
    ZEK_object *object = factory ? factory(argument, module) : nullptr;
    if (!object) {
        FreeLibrary(module);
        return nullptr;
    }
    object->bModuleNew = 1;
    return object;
}

extern "C" int32_t ZEKAPI ZEK_load(const char *fileName, void **moduleOut, void **setUpOut,
                                   void *module)
{
    HMODULE handle = static_cast<HMODULE>(module);
    if (!handle) {
        if (!fileName)
            return -1;
        handle = LoadLibraryA(fileName);
        if (!handle)
            return -1;
    }
    if (moduleOut)
        *moduleOut = handle;
    void *setUp = reinterpret_cast<void *>(GetProcAddress(handle, "_ZEK_SetUp"));
    if (setUpOut)
        *setUpOut = setUp;
    return setUp ? 0 : -1;
}

extern "C" void ZEKAPI ZEK_dtorC(ZEK_object *object)
{
    zek_delete_object(object);
    zek_module_release_pending();
}

extern "C" void ZEKAPI ZEK_delete(ZEK_object *object)
{
    if (!object || !object->vtbl || !object->vtbl->deleting_dtor) {
        zek_module_release_pending();
        return;
    }
    int32_t moduleNew = object->bModuleNew;
    ZEK_layer *last = ZEK_layer_at(object, 0);
    while (last->pDerived)
        last = last->pDerived;
    void *module = last->hModule;
    object->vtbl->deleting_dtor(object, 1);
    zek_module_release_pending();
    // Only now has the destructor, whose code may lie in the module, returned.
    if (moduleNew && module)
        zek_module_release(module);
}
