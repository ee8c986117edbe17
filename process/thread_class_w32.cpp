// Thread: descriptor table, construction, starting the thread, priorities
// and its message queue.
#include <new>

#include "zek2/exec.h"
#include "../runtime/class_rows.h"
#include "../runtime/object.h"

namespace {

const char kClassName[] = "Thread";

// Data members in table order.
struct Thread_data {
    intptr_t Extra;
    HANDLE hHandle;  // owned: closed by the next CreateThread or by dtor
    MSG msg;
    intptr_t hAb;
    int32_t Id;
};
#if defined(__i386__)
static_assert(sizeof(Thread_data) == 44 && offsetof(Thread_data, hAb) == 36, "Thread data area");
#endif

enum {
    kThreadDtor,
    kThreadProc,
    kThreadCreateThread,
    kThreadInit,
    kThreadExit,
    kThreadSetPriority,
    kThreadSetPriorityClass,
    kThreadGetMessage,
    kThreadMethods
};

void ZEKAPI thread_deleting_dtor(ZEK_object *object, int32_t flags);
const ZEK_vtbl kThreadVtbl = {thread_deleting_dtor};

void ZEKAPI thread_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_derived(object, &kThreadVtbl, flags);
}

using D = Thread_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, Extra),
    ZEK_DATA_ROW(D, hHandle),
    ZEK_DATA_ROW(D, msg),
    ZEK_DATA_ROW(D, hAb),
    ZEK_DATA_ROW(D, Id),
    zek_method_row("dtor", Thread_dtor, kNoResult),
    zek_method_row("Proc", Thread_Proc, kIntResult),
    zek_method_row("CreateThread", Thread_CreateThread, kIntResult),
    zek_method_row("Init", Thread_Init, kNoResult),
    zek_method_row("Exit", Thread_Exit, kNoResult),
    zek_method_row("SetPriority", Thread_SetPriority, kIntResult),
    zek_method_row("SetPriorityClass", Thread_SetPriorityClass, kIntResult),
    zek_method_row("GetMessage", Thread_GetMessage, kIntResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 13 && kRowCount - 5 == kThreadMethods, "Thread rows");

bool init_layer(ZEK_object *, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kThreadMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(Thread_data)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kClassName;
    layer->hModule = nullptr;
    return true;
}

ZEK_layer *thread_layer(ZEK_object *object)
{
    return zek_find_layer(object, kClassName);
}

Thread_data *thread_data(ZEK_object *object)
{
    ZEK_layer *layer = thread_layer(object);
    return layer ? static_cast<Thread_data *>(layer->pDataArea) : nullptr;
}

// A routine has the library's calling convention, a thread start the
// system's: the start calls the routine. Owned by the new thread.
struct Start {
    Thread_proc_fn routine;
    void *argument;
};

DWORD WINAPI start_routine(void *p)
{
    const Start start = *static_cast<Start *>(p);
    delete static_cast<Start *>(p);
    return DWORD(start.routine(start.argument));
}

}  // namespace

extern "C" {

ZEK_object *ZEKAPI Thread_ctor2(ZEK_object *object)
{
    return zek_construct_derived(object, &kThreadVtbl, init_layer);
}

void ZEKAPI Thread_dtor(ZEK_object *object)
{
    if (Thread_data *d = thread_data(object)) {
        if (d->hHandle)
            CloseHandle(d->hHandle);
        d->hHandle = nullptr;
    }
}

int32_t ZEKAPI Thread_Proc(ZEK_object *) { return 0; }
void ZEKAPI Thread_Init(ZEK_object *) {}
void ZEKAPI Thread_Exit(ZEK_object *) {}

HANDLE ZEKAPI Thread_CreateThread(ZEK_object *object, Thread_proc_fn routine, void *parameter,
                                  uint32_t stackBytes)
{
    ZEK_layer *layer = thread_layer(object);
    if (!layer)
        return nullptr;
    if (routine)
        layer->pSlot[kThreadProc] = reinterpret_cast<ZEK_method_fn>(routine);
    else
        routine = reinterpret_cast<Thread_proc_fn>(layer->pSlot[kThreadProc]);
    if (!routine)
        return nullptr;
    auto *start = new (std::nothrow) Start{routine, parameter ? parameter : object};
    if (!start)
        return nullptr;
    DWORD id = 0;
    // Suspended until the object names it, so the routine reads its own Id.
    HANDLE thread = CreateThread(nullptr, stackBytes, start_routine, start, CREATE_SUSPENDED, &id);
    if (!thread) {
        delete start;
        return nullptr;
    }
    Thread_data *d = static_cast<Thread_data *>(layer->pDataArea);
    HANDLE previous = d->hHandle;
    d->hHandle = thread;
    d->Id = int32_t(id);
    if (previous)
        CloseHandle(previous);  // that thread runs on; only this object's handle goes
    ResumeThread(thread);
    return thread;
}

int32_t ZEKAPI Thread_SetPriority(ZEK_object *object, int32_t priority)
{
    Thread_data *d = thread_data(object);
    return d && d->hHandle && SetThreadPriority(d->hHandle, priority) ? 1 : 0;
}

// A priority class belongs to a process: the one this thread runs in.
int32_t ZEKAPI Thread_SetPriorityClass(ZEK_object *object, uint32_t priorityClass)
{
    if (!thread_data(object))
        return 0;
    return SetPriorityClass(GetCurrentProcess(), priorityClass) ? 1 : 0;
}

int32_t ZEKAPI Thread_GetMessage(ZEK_object *object)
{
    Thread_data *d = thread_data(object);
    if (!d)
        return -1;
    return int32_t(GetMessageA(&d->msg, nullptr, 0, 0));
}

int32_t ZEKAPI PostThreadMsg(ZEK_object *object, UINT message, WPARAM wParam, LPARAM lParam)
{
    Thread_data *d = thread_data(object);
    if (!d || d->Id == 0)
        return 0;  // no thread yet: not every system refuses thread 0 itself
    return PostThreadMessageA(DWORD(d->Id), message, wParam, lParam) ? 1 : 0;
}

}  // extern "C"
