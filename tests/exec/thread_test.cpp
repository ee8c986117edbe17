// Thread objects: message queues, the Proc slot, handles and mutexes.
#include <atomic>

#include "exec_util.h"

namespace {

constexpr UINT kJob = WM_APP + 5;
HANDLE gReady;
std::atomic<WPARAM> gGot;
std::atomic<void *> gArgument;

// Makes its queue, says so, then reads it with Thread_GetMessage.
int32_t ZEKAPI queue_reader(void *object)
{
    auto *t = static_cast<ZEK_object *>(object);
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(gReady);
    while (Thread_GetMessage(t) > 0 && member<MSG>(t, "msg").message != kJob) {
    }
    gGot = member<MSG>(t, "msg").wParam;
    return member<int32_t>(t, "Id") == int32_t(GetCurrentThreadId()) ? 1234 : 1;
}
int32_t ZEKAPI remember(void *argument) { return gArgument = argument, 77; }

DWORD WINAPI hold_mutex(void *mutex)
{
    RequestMutexSem(mutex, INFINITE);
    SetEvent(gReady);
    Sleep(300);
    return DWORD(ReleaseMutexSem(mutex));
}

DWORD exit_code(HANDLE thread)
{
    DWORD code = 0;
    EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    GetExitCodeThread(thread, &code);
    return code;
}

struct ThreadObject {
    ZEK_object *o = Thread_ctor2(nullptr);
    ~ThreadObject() { ZEK_dtorC(o); }
};

}  // namespace

TEST(Thread, PostsReachTheThreadsQueueOnceItExists)
{
    ThreadObject t;
    gReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(PostThreadMsg(t.o, kJob, 1, 0), 0);  // no thread yet
    EXPECT_EQ(Thread_SetPriority(t.o, THREAD_PRIORITY_LOWEST), 0);
    HANDLE h = Thread_CreateThread(t.o, queue_reader, nullptr, 0);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(WaitForSingleObject(gReady, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(Thread_SetPriority(t.o, THREAD_PRIORITY_BELOW_NORMAL), 1);
    EXPECT_EQ(GetThreadPriority(h), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_EQ(Thread_SetPriorityClass(t.o, NORMAL_PRIORITY_CLASS), 1);  // the process's
    EXPECT_EQ(PostThreadMsg(t.o, kJob, 42, 0), 1);
    // The routine has the library's convention; its result is the exit code.
    EXPECT_EQ(exit_code(h), 1234u);
    EXPECT_EQ(gGot, 42u);
}

TEST(Thread, ANullRoutineRunsProcAndASecondThreadClosesTheFirstHandle)
{
    ThreadObject t;
    EXPECT_EQ(exit_code(Thread_CreateThread(t.o, nullptr, nullptr, 0)), 0u);  // default Proc
    HANDLE first = Thread_CreateThread(t.o, remember, nullptr, 64 * 1024);
    EXPECT_EQ(exit_code(first), 77u);
    EXPECT_EQ(gArgument, t.o);
    int parameter = 0;
    HANDLE second = Thread_CreateThread(t.o, nullptr, &parameter, 0);  // Proc is remember now
    EXPECT_EQ(exit_code(second), 77u);
    EXPECT_EQ(gArgument, &parameter);
    DWORD flags;
    EXPECT_FALSE(GetHandleInformation(first, &flags));
    EXPECT_EQ(member<HANDLE>(t.o, "hHandle"), second);
}

TEST(Thread, AMutexHeldByAnotherThreadTimesOut)
{
    HANDLE mutex = CreateMutexSem();
    gReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE h = CreateThread(nullptr, 0, hold_mutex, mutex, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(gReady, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(RequestMutexSem(mutex, 0), 0x102u);
    EXPECT_EQ(RequestMutexSem(mutex, 30), 0x102u);
    EXPECT_EQ(ReleaseMutexSem(mutex), 0);  // not ours
    EXPECT_EQ(RequestMutexSem(mutex, 10000), 0u);
    EXPECT_EQ(exit_code(h), 1u);
    EXPECT_EQ(ReleaseMutexSem(mutex), 1);
    CloseHandle(h), CloseHandle(mutex);
}
