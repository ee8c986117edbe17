// Class modules: making objects from separate libraries and releasing them.
#include <windows.h>

#include <atomic>
#include <vector>

#include "object.h"

namespace {

// Modules whose release had to wait until the destructor that asked for it
// returned: each waits for the next library call on the thread that queued
// it, or for that thread's end. One list for all threads, because a thread's
// own storage may already be gone when its end is reported to the library.
struct Pending {
    DWORD thread;
    void *module;
};
// Made once and never destroyed: thread and process ends reach the library
// after its static objects may have been torn down.
SRWLOCK pendingLock = SRWLOCK_INIT;
std::vector<Pending> &pending = *new std::vector<Pending>;
std::atomic<size_t> pendingCount{0};

// Takes the entries of one thread (or of all threads) out of the list.
std::vector<void *> take_pending(bool allThreads)
{
    const DWORD self = GetCurrentThreadId();
    std::vector<void *> taken;
    AcquireSRWLockExclusive(&pendingLock);
    for (size_t i = pending.size(); i-- > 0;) {
        if (!allThreads && pending[i].thread != self)
            continue;
        taken.push_back(pending[i].module);
        pending.erase(pending.begin() + ptrdiff_t(i));
    }
    pendingCount.store(pending.size());
    ReleaseSRWLockExclusive(&pendingLock);
    return taken;
}

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
    AcquireSRWLockExclusive(&pendingLock);
    pending.push_back(Pending{GetCurrentThreadId(), module});
    pendingCount.store(pending.size());
    ReleaseSRWLockExclusive(&pendingLock);
}

void zek_module_release_pending()
{
    // Fast path for the usual empty list; a racing entry of another thread is
    // not ours to release anyway.
    if (pendingCount.load() == 0)
        return;
    for (void *module : take_pending(false))
        zek_module_release(module);
}

void zek_module_release_at_thread_end()
{
    zek_module_release_pending();
}

void zek_module_release_at_unload(bool processEnding)
{
    std::vector<void *> modules = take_pending(true);
    // When the whole process ends, the system unloads every module itself;
    // FreeLibrary under the loader lock then only risks a dead lock.
    if (!processEnding)
        for (void *module : modules)
            zek_module_release(module);
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
