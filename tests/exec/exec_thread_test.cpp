// Exec threads: the mother window told once, ExecThreadEnd, the waits, and
// every module object deleted exactly once whoever finishes with it.
#include <atomic>

#include "exec_util.h"

namespace {

std::atomic<int> gTold;  // WIN_THREADEND seen by the mother window
int32_t ZEKAPI count_told(ZEK_object *, UINT message, WPARAM, LPARAM, LRESULT *)
{
    return gTold += message == WIN_THREADEND, 0;
}

struct Mother {
    ZEK_object *o = (Win_INIT(GetModuleHandleA(nullptr), nullptr), Win_ctor2(nullptr));
    Mother()
    {
        gTold = 0;
        member<const char *>(o, "pClassName") = "ZekExecMother";
        overwrite(o, "FFWndProc", count_told);
        EXPECT_EQ(Win_con(o, 0), 0);
    }
    ~Mother() { o->vtbl->deleting_dtor(o, 1), pump(); }
    HWND hwnd() { return member<HWND>(o, "hWnd"); }
};

// An own procedure's thread: names its window, then waits for gGo.
HANDLE gGo;
ZEK_object *gRunWin;
int32_t ZEKAPI own_worker(ZEK_object *o)
{
    if (gRunWin)
        Sleep(30), Exec_SetRunWin(o, gRunWin);
    return WaitForSingleObject(gGo, 10000), 0;
}

}  // namespace

TEST(ExecThread, TheMotherWindowIsToldOnceAndDeletesTheModuleObject)
{
    ModuleProbe probe;
    Mother mother;
    probe->workerGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(Exec_ExecCall(nullptr, in_module("Spawn").c_str(), mother.o, 0, 0), 11);
    EXPECT_EQ(probe->dtorCalls, 0);  // kept for its thread
    EXPECT_NE(member<HANDLE>(probe->lastObject, "hPrcThread"), nullptr);
    SetEvent(probe->workerGo);
    EXPECT_TRUE(pump_until([&] { return probe->dtorCalls == 1; }));
    Sleep(50), pump();
    EXPECT_EQ(gTold, 1);
    EXPECT_EQ(probe->dtorCalls, 1);
    CloseHandle(probe->workerGo);
}

TEST(ExecThread, EndingAThreadThatIsEndingDeletesItsObjectOnce)
{
    ModuleProbe probe;
    Mother mother;
    constexpr int kRounds = 40;
    for (int i = 0; i < kRounds; ++i) {
        ASSERT_EQ(Exec_ExecCall(nullptr, in_module("Spawn").c_str(), mother.o, 0, 0), 11);
        if (i % 4 == 1)
            Sleep(1);  // sometimes the thread has told its window first
        Exec_ExecThreadEnd(probe->lastObject);
    }
    EXPECT_TRUE(pump_until([&] { return probe->dtorCalls >= kRounds; }));
    Sleep(50), pump();
    EXPECT_EQ(probe->dtorCalls, kRounds);
    EXPECT_EQ(probe->workerRuns, kRounds);
}

TEST(ExecThread, AWindowGoneBeforeReadingTheEndStillHasTheObjectDeleted)
{
    ModuleProbe probe;
    auto *mother = new Mother;
    EXPECT_EQ(Exec_ExecCall(nullptr, in_module("Spawn").c_str(), mother->o, 0, 0), 11);
    // Told, not yet read: the object lives until the window finishes with it.
    for (int i = 0; i < 1000 && member<int32_t>(probe->lastObject, "bThreadID") != 0; ++i)
        Sleep(5);
    Sleep(20);
    EXPECT_EQ(probe->dtorCalls, 0);
    delete mother;
    EXPECT_EQ(probe->dtorCalls, 1);
    EXPECT_EQ(gTold, 0);
}

TEST(ExecThread, AnOwnObjectsThreadIsWaitedForStoppedAndNeverDeleted)
{
    Mother mother;
    OwnExec e;
    gGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    // The procedure's window: closing it (Alt+F4) lets the thread go.
    ZEK_object *runWin = gRunWin = Win_ctor2(nullptr);
    overwrite(runWin, "AltF4", +[](ZEK_object *) -> int32_t { return SetEvent(gGo), 1; });
    e.m<ZEK_object *>("pMother") = mother.o;
    EXPECT_EQ(Exec_ExecThreadRunWait(e), nullptr);  // no thread
    ASSERT_EQ(Exec_ExecThreadOpen(e, own_worker, THREAD_PRIORITY_NORMAL), 1);
    EXPECT_EQ(Exec_ExecThreadOpen(e, own_worker, THREAD_PRIORITY_NORMAL), 0);  // one at a time
    EXPECT_EQ(Exec_ExecThreadPriority(e, THREAD_PRIORITY_ABOVE_NORMAL), 1);
    EXPECT_EQ(GetThreadPriority(e.m<HANDLE>("hPrcThread")), THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(Exec_ExecThreadRunWait(e), runWin);
    gRunWin = nullptr;
    Exec_ExecThreadEnd(e);
    EXPECT_EQ(e.m<int32_t>("bThreadID") | e.m<int32_t>("bThreadEndType"), 0);
    EXPECT_EQ(e.m<HANDLE>("hPrcThread"), nullptr);
    EXPECT_EQ(Exec_ExecThreadPriority(e, THREAD_PRIORITY_NORMAL), 0);
    pump();
    EXPECT_EQ(gTold, 0);  // stopped from outside: the window is not told
    // The next thread tells its window, which only closes the handle.
    ASSERT_EQ(Exec_ExecThreadOpen(e, own_worker, THREAD_PRIORITY_NORMAL), 1);
    EXPECT_TRUE(pump_until([&] { return e.m<HANDLE>("hPrcThread") == nullptr; }));
    EXPECT_EQ(gTold, 1);
    // End messages that name no thread of this window are not followed.
    int notAnObject = 0;
    PostMessageA(mother.hwnd(), WIN_THREADEND, reinterpret_cast<WPARAM>(&notAnObject), 0);
    PostMessageA(mother.hwnd(), WIN_THREADEND, reinterpret_cast<WPARAM>(e.o), 0);
    pump();
    EXPECT_EQ(gTold, 3);
    runWin->vtbl->deleting_dtor(runWin, 1);
    CloseHandle(gGo);
    // On its own thread the procedure cannot wait for its end: no dead lock.
    e.m<ZEK_object *>("pMother") = e.m<ZEK_object *>("pRunWin") = nullptr;
    ASSERT_EQ(Exec_ExecThreadOpen(e, +[](ZEK_object *o) {
        return Exec_ExecThreadEndWait(o), Exec_ExecThreadEnd(o), int32_t(Exec_ExecThreadRunWait(o) != nullptr);
    }, THREAD_PRIORITY_NORMAL), 1);
    EXPECT_TRUE(pump_until([&] { return e.m<HANDLE>("hPrcThread") == nullptr; }));
}
