// The procedure threads of Exec objects: the entries, the thread's routine
// and the single decision of who closes the handle and deletes the object.
#include "exec_threads.h"

#include <vector>

#include "zek2/win_loop.h"

namespace {

enum class State {
    Running,   // the procedure runs
    Stopping,  // ExecThreadEnd waits for it and finishes
    Told,      // ended; WIN_THREADEND is on its way to the mother window
};

struct Entry {
    ZEK_object *object;
    HANDLE thread;     // owned by the entry
    HANDLE runWinSet;  // auto-reset, owned by the entry; may be null
    DWORD id;
    HWND mother;       // the window to tell at the end, or null
    Exec_proc_fn procedure;
    int32_t priority;
    State state;
};

// Made once and never destroyed: threads may end while the library unloads.
SRWLOCK gLock = SRWLOCK_INIT;
std::vector<Entry> &gEntries = *new std::vector<Entry>;

struct Locked {
    Locked() { AcquireSRWLockExclusive(&gLock); }
    ~Locked() { ReleaseSRWLockExclusive(&gLock); }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;
};

Entry *find(const ZEK_object *object)
{
    for (Entry &e : gEntries)
        if (e.object == object)
            return &e;
    return nullptr;
}

// Handles of a removed entry, closed once the lock is released.
struct Leftover {
    HANDLE thread = nullptr;
    HANDLE runWinSet = nullptr;
    void close()
    {
        if (thread)
            CloseHandle(thread);
        if (runWinSet)
            CloseHandle(runWinSet);
        thread = runWinSet = nullptr;
    }
};

// Removes the entry (locked); the object's copy of the handle goes with it.
Leftover remove(Entry *e)
{
    Leftover left{e->thread, e->runWinSet};
    if (Exec_data *d = exec_data_of(e->object)) {
        if (d->hPrcThread == e->thread)
            d->hPrcThread = nullptr;
        exec_store(d->bThreadID, int32_t(0));
    }
    gEntries.erase(gEntries.begin() + (e - gEntries.data()));
    return left;
}

// Whether the object is to be deleted now (locked): a module object nothing
// holds. A held one is left to the end of the hold.
bool take_deletion(ZEK_object *object)
{
    ZEK_layer *layer = exec_layer(object);
    if (!layer || !exec_area(layer)->data.bType)
        return false;
    if (exec_area(layer)->holds > 0) {
        exec_area(layer)->deferred = 1;
        return false;
    }
    exec_area(layer)->dying = 1;
    return true;
}

// A live object that nothing has decided to delete (locked).
Exec_area *usable(ZEK_object *object)
{
    ZEK_layer *layer = exec_layer(object);
    return layer && !exec_area(layer)->dying ? exec_area(layer) : nullptr;
}

HANDLE duplicate(HANDLE h)
{
    HANDLE copy = nullptr;
    if (h && !DuplicateHandle(GetCurrentProcess(), h, GetCurrentProcess(), &copy, 0, FALSE,
                              DUPLICATE_SAME_ACCESS))
        copy = nullptr;
    return copy;
}

// The procedure has returned on its own thread.
void thread_finished(ZEK_object *object)
{
    Leftover left;
    bool del = false;
    {
        Locked lock;
        Entry *e = find(object);
        if (!e || e->id != GetCurrentThreadId())
            return;  // deleted meanwhile: nothing of it is touched
        Exec_data *d = exec_data_of(object);
        exec_store(d->bThreadID, int32_t(0));
        if (e->state == State::Stopping)
            return;  // ExecThreadEnd finishes
        if (d->pMother && e->mother &&
            PostMessageA(e->mother, WIN_THREADEND, reinterpret_cast<WPARAM>(object), 0)) {
            e->state = State::Told;
            return;
        }
        left = remove(e);
        del = take_deletion(object);
    }
    left.close();
    if (del)
        ZEK_delete(object);
}

DWORD WINAPI thread_main(void *argument)
{
    auto *object = static_cast<ZEK_object *>(argument);
    Exec_proc_fn procedure = nullptr;
    int32_t priority = 0;
    {
        Locked lock;
        Entry *e = find(object);
        if (!e || e->id != GetCurrentThreadId())
            return 0;
        procedure = e->procedure;
        priority = e->priority;
    }
    SetThreadPriority(GetCurrentThread(), priority);
    procedure(object);
    thread_finished(object);
    return 0;
}

}  // namespace

bool exec_thread_start(ZEK_object *object, Exec_proc_fn procedure, int32_t priority, HWND mother)
{
    Exec_data *d = exec_data_of(object);
    if (!d || !procedure)
        return false;
    HANDLE thread = nullptr;
    {
        Locked lock;
        if (find(object))
            return false;
        d->bThreadID = 0;
        d->bPriority = priority;
        d->pStartAddr = procedure;
        DWORD id = 0;
        // Suspended until the entry and the object say which thread it is.
        thread = CreateThread(nullptr, 0, thread_main, object, CREATE_SUSPENDED, &id);
        if (!thread) {
            d->bPrcMode = 0;
            return false;
        }
        HANDLE runWinSet = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        gEntries.push_back(Entry{object, thread, runWinSet, id, mother, procedure, priority,
                                 State::Running});
        d->hPrcThread = thread;
        exec_store(d->bThreadID, int32_t(id));
        d->bPrcMode = 1;
    }
    ResumeThread(thread);
    return true;
}

int32_t exec_thread_priority(ZEK_object *object, int32_t priority)
{
    Locked lock;
    Entry *e = find(object);
    if (!e || e->state == State::Told)
        return 0;
    exec_data_of(object)->bPriority = priority;
    return SetThreadPriority(e->thread, priority) ? 1 : 0;
}

HANDLE exec_thread_hold(ZEK_object *object, HANDLE *runWinSet)
{
    Locked lock;
    Entry *e = find(object);
    Exec_area *a = usable(object);
    // The procedure's own thread cannot wait for itself to end.
    if (!e || !a || a->data.bThreadID == 0 || e->id == GetCurrentThreadId())
        return nullptr;
    HANDLE thread = duplicate(e->thread);
    if (!thread)
        return nullptr;
    if (runWinSet)
        *runWinSet = duplicate(e->runWinSet);
    ++a->holds;
    return thread;
}

void exec_thread_run_win_set(ZEK_object *object)
{
    Locked lock;
    if (Entry *e = find(object))
        if (e->runWinSet)
            SetEvent(e->runWinSet);
}

void exec_hold(ZEK_object *object)
{
    Locked lock;
    if (Exec_area *a = usable(object))
        ++a->holds;
}

bool exec_unhold(ZEK_object *object, ExecUnhold how)
{
    Locked lock;
    ZEK_layer *layer = exec_layer(object);
    if (!layer)
        return false;
    Exec_area *a = exec_area(layer);
    bool want = false;
    if (how == ExecUnhold::Stop)
        want = a->data.bType != 0;
    else if (how == ExecUnhold::CallEnd)
        want = !a->data.bPrcMode && !find(object);
    if (a->dying)
        return false;
    if (a->holds > 0)
        --a->holds;
    if (a->holds > 0) {
        if (want)
            a->deferred = 1;
        return false;
    }
    if (a->deferred || want) {
        a->deferred = 0;
        a->dying = 1;
        return true;
    }
    return false;
}

bool exec_thread_claim_stop(ZEK_object *object, HANDLE *thread)
{
    *thread = nullptr;
    Locked lock;
    Exec_area *a = usable(object);
    if (!a)
        return false;
    if (Entry *e = find(object)) {
        if (e->state != State::Running || e->id == GetCurrentThreadId())
            return false;
        e->state = State::Stopping;
        a->data.bThreadEndType = 1;
        *thread = duplicate(e->thread);
    }
    ++a->holds;
    return true;
}

bool exec_thread_finish_stop(ZEK_object *object)
{
    Leftover left;
    {
        Locked lock;
        if (Entry *e = find(object))
            left = remove(e);
        if (Exec_data *d = exec_data_of(object))
            d->bThreadEndType = 0;
    }
    left.close();
    return exec_unhold(object, ExecUnhold::Stop);
}

void exec_thread_end_message(HWND window, WPARAM wParam)
{
    auto *object = reinterpret_cast<ZEK_object *>(wParam);
    Leftover left;
    bool del = false;
    {
        Locked lock;
        Entry *e = find(object);
        if (!e || e->state != State::Told || !window || e->mother != window)
            return;
        left = remove(e);
        del = take_deletion(object);
    }
    left.close();
    if (del)
        ZEK_delete(object);
}

void exec_threads_window_gone(HWND window)
{
    if (!window)
        return;
    std::vector<ZEK_object *> doomed;
    std::vector<Leftover> lefts;
    {
        Locked lock;
        for (size_t i = gEntries.size(); i-- > 0;) {
            Entry &e = gEntries[i];
            if (e.mother != window)
                continue;
            if (e.state != State::Told) {
                e.mother = nullptr;  // it finishes by itself when it ends
                continue;
            }
            ZEK_object *object = e.object;
            lefts.push_back(remove(&e));
            if (take_deletion(object))
                doomed.push_back(object);
        }
    }
    for (Leftover &left : lefts)
        left.close();
    for (ZEK_object *object : doomed)
        ZEK_delete(object);
}

void exec_thread_forget(ZEK_object *object)
{
    Leftover left;
    {
        Locked lock;
        if (Entry *e = find(object))
            left = remove(e);
    }
    left.close();
}
