// Loading class modules, making objects from them and releasing them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "probe_class.h"

namespace {

struct ModuleProbe { int32_t factoryCalls, dtorCalls; void *moduleSeen; };  // as the module fills it

const char kModule[] = "zektestmod.dll";

bool loaded(const char *name) { return GetModuleHandleA(name) != nullptr; }

TEST(ClassModule, NewMakesAnObjectAndDeleteReleasesTheModuleOnce)
{
    ASSERT_FALSE(loaded(kModule));
    // An extra reference of our own shows that exactly one is released.
    HMODULE ours = LoadLibraryA(kModule);
    ModuleProbe probe{};
    ZEK_object *object = ZEK_new(kModule, reinterpret_cast<intptr_t>(&probe));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(probe.factoryCalls == 1 && probe.moduleSeen == ours && object->bModuleNew == 1);
    ZEK_layer *survey = ZEK_layer_at(object, 0)->pDerived;
    ASSERT_TRUE(survey && !std::strcmp(survey->pszClass, "Survey"));
    ASSERT_EQ(ZEK_NameSearch(survey, "Answer"), 1);
    EXPECT_EQ(reinterpret_cast<int32_t(ZEKAPI *)(ZEK_object *)>(survey->pSlot[1])(object), 42);

    ZEK_delete(object);
    EXPECT_EQ(probe.dtorCalls, 1);
    EXPECT_TRUE(loaded(kModule)) << "our own reference must still hold it";
    FreeLibrary(ours);
    EXPECT_FALSE(loaded(kModule));
}

// The program loads the module and calls the factory itself: the object owns
// that reference, and its destructor's code lies in the module.
ZEK_object *made_by_the_program(ModuleProbe *probe)
{
    HMODULE module = LoadLibraryA(kModule);
    auto factory = reinterpret_cast<ZEK_factory_fn>(
        reinterpret_cast<void *>(GetProcAddress(module, "_ZEK_new")));
    return factory ? factory(reinterpret_cast<intptr_t>(probe), module) : nullptr;
}

TEST(ClassModule, ObjectMadeWithoutNewReleasesItsModuleAfterItsDestructor)
{
    ModuleProbe probe{};
    ZEK_object *object = made_by_the_program(&probe);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->bModuleNew, 0);
    ZEK_dtorC(object);
    EXPECT_EQ(probe.dtorCalls, 1);
    EXPECT_FALSE(loaded(kModule));
}

// A program thread destroys such an object through its own destructor (no
// library call follows) and ends: the module goes with the thread.
DWORD WINAPI delete_directly_and_end(void *stillLoaded)
{
    ModuleProbe probe{};
    ZEK_object *object = made_by_the_program(&probe);
    object->vtbl->deleting_dtor(object, 1);
    *static_cast<bool *>(stillLoaded) = probe.dtorCalls == 1 && loaded(kModule);
    return 0;
}

TEST(ClassModule, QueuedModuleIsReleasedWhenItsThreadEnds)
{
    bool stillLoaded = false;
    HANDLE thread = CreateThread(nullptr, 0, delete_directly_and_end, &stillLoaded, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_TRUE(stillLoaded) << "kept while the destructor in it may still run";
    EXPECT_FALSE(loaded(kModule));
}

TEST(ClassModule, FailedFactoryOrMissingEntryLeavesNothingLoadedAndLoadGivesTheSetUp)
{
    for (auto [name, argument] : {std::pair{kModule, 0}, {"zekplain.dll", 1}, {"no-such-module.dll", 1}}) {
        EXPECT_EQ(ZEK_new(name, argument), nullptr) << name;
        EXPECT_FALSE(loaded(name)) << name;
    }
    EXPECT_EQ(ZEK_new(nullptr, 1), nullptr);

    // ZEK_load hands out the set-up entry.
    void *module = nullptr, *setUp = nullptr, *again = nullptr, *plain = nullptr;
    EXPECT_EQ(ZEK_load(kModule, &module, &setUp, nullptr), 0);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(setUp, reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(module), "_ZEK_SetUp")));

    // With a module given, nothing more is loaded.
    EXPECT_EQ(ZEK_load("ignored.dll", &again, &setUp, module), 0);
    EXPECT_EQ(again, module);
    FreeLibrary(static_cast<HMODULE>(module));
    EXPECT_FALSE(loaded(kModule));

    // No set-up entry: -1, but the module stays loaded and is handed out.
    setUp = reinterpret_cast<void *>(1);
    EXPECT_EQ(ZEK_load("zekplain.dll", &plain, &setUp, nullptr), -1);
    EXPECT_NE(plain, nullptr);
    EXPECT_EQ(setUp, nullptr);
    FreeLibrary(static_cast<HMODULE>(plain));

    plain = nullptr;
    EXPECT_EQ(ZEK_load("no-such-module.dll", &plain, &setUp, nullptr), -1);
    EXPECT_EQ(plain, nullptr);
}

}  // namespace
