// Thread objects: message queues, the Proc slot, handles and mutexes.
#include <atomic>

#include "exec_util.h"

namespace {

constexpr UINT kJob = WM_APP + 5;

struct Queue {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<WPARAM> got{0};
    ~Queue() { CloseHandle(ready); }
};
Queue *gQueue;

// Makes its queue, says so, then reads it with Thread_GetMessage.
int32_t ZEKAPI queue_reader(void *object)
{
    auto *t = static_cast<ZEK_object *>(object);
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(gQueue->ready);
    while (Thread_GetMessage(t) > 0)
        if (member<MSG>(t, "msg").message == kJob) {
            gQueue->got = member<MSG>(t, "msg").wParam;
            break;
        }
    return member<int32_t>(t, "Id") == int32_t(GetCurrentThreadId()) ? 1234 : 1;
}

std::atomic<void *> gArgument;
int32_t ZEKAPI remember(void *argument) { return gArgument = argument, 77; }

DWORD exit_code(HANDLE thread)
{
    EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    return code;
}

struct Holder {
    HANDLE mutex, taken = CreateEventA(nullptr, TRUE, FALSE, nullptr),
                  release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

DWORD WINAPI hold_mutex(void *p)
{
    auto *x = static_cast<Holder *>(p);
    RequestMutexSem(x->mutex, INFINITE);
    SetEvent(x->taken);
    WaitForSingleObject(x->release, 10000);
    return DWORD(ReleaseMutexSem(x->mutex));
}

struct ThreadObject {
    ZEK_object *o = Thread_ctor2(nullptr);
    ~ThreadObject() { ZEK_dtorC(o); }
    HANDLE handle() { return member<HANDLE>(o, "hHandle"); }
};

}  // namespace

TEST(Thread, PostsReachTheThreadsQueueOnceItExists)
{
    ThreadObject t;
    Queue queue;
    gQueue = &queue;
    EXPECT_EQ(PostThreadMsg(t.o, kJob, 1, 0), 0);  // no thread yet: thread 0
    HANDLE h = Thread_CreateThread(t.o, queue_reader, nullptr, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(t.handle(), h);
    EXPECT_EQ(member<int32_t>(t.o, "Id"), int32_t(GetThreadId(h)));
    ASSERT_EQ(WaitForSingleObject(queue.ready, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(PostThreadMsg(t.o, kJob, 42, 0), 1);
    // The routine has the library's convention and its result is the exit code.
    EXPECT_EQ(exit_code(h), 1234u);
    EXPECT_EQ(queue.got, 42u);
}

TEST(Thread, ANullRoutineRunsProcAndAGivenOneReplacesIt)
{
    ThreadObject t;
    EXPECT_EQ(exit_code(Thread_CreateThread(t.o, nullptr, nullptr, 0)), 0u);  // default Proc
    HANDLE first = Thread_CreateThread(t.o, remember, nullptr, 64 * 1024);
    EXPECT_EQ(exit_code(first), 77u);
    EXPECT_EQ(gArgument, t.o);
    EXPECT_EQ(slot(t.o, "Proc"), reinterpret_cast<ZEK_method_fn>(remember));
    int parameter = 0;
    HANDLE second = Thread_CreateThread(t.o, nullptr, &parameter, 0);
    EXPECT_EQ(exit_code(second), 77u);
    EXPECT_EQ(gArgument, &parameter);
    // The object owns one handle: the first was closed when the second came.
    DWORD flags;
    EXPECT_FALSE(GetHandleInformation(first, &flags));
    EXPECT_TRUE(GetHandleInformation(second, &flags));
    EXPECT_EQ(t.handle(), second);
}

TEST(Thread, PrioritiesOfTheThreadAndOfItsProcess)
{
    ThreadObject t;
    EXPECT_EQ(Thread_SetPriority(t.o, THREAD_PRIORITY_LOWEST), 0);  // no thread
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    gArgument = nullptr;
    HANDLE h = Thread_CreateThread(
        t.o, [](void *p) -> int32_t { return WaitForSingleObject(p, 10000), 0; }, go, 0);
    EXPECT_EQ(Thread_SetPriority(t.o, THREAD_PRIORITY_BELOW_NORMAL), 1);
    EXPECT_EQ(GetThreadPriority(h), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_EQ(Thread_SetPriorityClass(t.o, NORMAL_PRIORITY_CLASS), 1);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), DWORD(NORMAL_PRIORITY_CLASS));
    SetEvent(go);
    exit_code(h);
    CloseHandle(go);
}

TEST(Thread, AMutexHeldByAnotherThreadTimesOut)
{
    HANDLE mutex = CreateMutexSem();
    ASSERT_NE(mutex, nullptr);
    Holder holder{mutex};
    HANDLE h = CreateThread(nullptr, 0, hold_mutex, &holder, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(holder.taken, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(RequestMutexSem(mutex, 0), 0x102u);
    EXPECT_EQ(RequestMutexSem(mutex, 30), 0x102u);
    EXPECT_EQ(ReleaseMutexSem(mutex), 0);  // not ours
    SetEvent(holder.release);
    EXPECT_EQ(exit_code(h), 1u);
    EXPECT_EQ(RequestMutexSem(mutex, 1000), 0u);
    EXPECT_EQ(ReleaseMutexSem(mutex), 1);
    for (HANDLE x : {h, holder.taken, holder.release, mutex})
        CloseHandle(x);
}
