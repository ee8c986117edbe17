// Lifetime of a Win and its window: every order of closing and deleting
// tears down once and leaves nothing of the object's behind.
#include <algorithm>
#include <atomic>

#include "wincore_util.h"

namespace {

std::atomic<int> gDtors, gDestroys, gFurniture;
HANDLE gGone = CreateEventA(nullptr, TRUE, FALSE, nullptr);  // set by the counted dtor

void ZEKAPI countDtor(ZEK_object *o) { Win_dtor(o), ++gDtors, SetEvent(gGone); }
void ZEKAPI countFurnitureDtor(ZEK_object *o) { Win_dtor(o), ++gFurniture; }
int32_t ZEKAPI countDestroy(ZEK_object *) { return ++gDestroys, 0; }

void deleteWin(ZEK_object *o) { o->vtbl->deleting_dtor(o, 1); }

// Dispatches until the thread has ended.
void pumpUntil(HANDLE thread)
{
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        pump();
}

DWORD WINAPI deleteOnThread(void *o) { return deleteWin(static_cast<ZEK_object *>(o)), 0; }

void deleteFromAnotherThread(ZEK_object *o)
{
    HANDLE t = CreateThread(nullptr, 0, deleteOnThread, o, 0, nullptr);
    pumpUntil(t), CloseHandle(t);
}

// A drawing thread: asked to end, it answers after answerMs; with a negative
// answerMs it answers only once released, after writing into the back buffer.
struct DrawingThread {
    ZEK_object *o;
    int answerMs;
    unsigned char *bits = member<unsigned char *>(o, "pjBits");
    std::atomic<int> requests{0};
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, run, this, 0, nullptr);

    static DWORD WINAPI run(void *p)
    {
        auto *self = static_cast<DrawingThread *>(p);
        MSG m;
        PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists from here
        SetEvent(self->ready);
        while (GetMessageA(&m, nullptr, 0, 0) > 0 && m.message != WIN_REDRAWEND) {
        }
        ++self->requests;
        if (self->answerMs < 0) {
            WaitForSingleObject(self->release, 20000);
            self->bits[0] = 0x5A;  // into a buffer freed under it, this faults
        }
        Sleep(DWORD(std::max(self->answerMs, 0)));
        mi(self->o, "bProcID") = 0;
        return 0;
    }
    DrawingThread(ZEK_object *object, int answer) : o(object), answerMs(answer)
    {
        WaitForSingleObject(ready, 5000);
        member<HANDLE>(o, "hProcTh") = thread;
        mi(o, "bProcID") = int32_t(GetThreadId(thread));
    }
    ~DrawingThread()
    {
        SetEvent(release), WaitForSingleObject(thread, 20000);
        CloseHandle(ready), CloseHandle(release), CloseHandle(thread);
    }
};

// A shown Win with everything a program gives it to own: hooks counting dtor
// and Destroy, an owned background brush, an open back buffer, a font it
// made, a display mutex and a status bar object.
struct Counted : TestWin {
    HWND w = nullptr;
    HBRUSH brush = CreateSolidBrush(RGB(9, 8, 7));
    HGDIOBJ bitmap = nullptr, memory = nullptr, font = nullptr;
    // Named, so that its end is seen by name: the handle's value may be
    // given to another object as soon as it is closed.
    char mutexName[48];
    HANDLE mutex = nullptr;
    Counted() : TestWin("ZekCoreLife")
    {
        static int serial;
        wsprintfA(mutexName, "ZekLifeDisp%lu.%d", GetCurrentProcessId(), ++serial);
        mutex = CreateMutexA(nullptr, FALSE, mutexName);
        gDtors = gDestroys = gFurniture = 0;
        ResetEvent(gGone);
        member<HBRUSH>(o, "hbrBackground") = brush;
        mi(o, "bBackgroundF") = 1;
        member<HANDLE>(o, "hmtxDisp") = mutex;
        ZEK_object *bar = Win_ctor2(nullptr);
        overwrite(bar, "dtor", countFurnitureDtor);
        member<ZEK_object *>(o, "pStatusBar") = bar;
        overwrite(o, "dtor", countDtor);
        overwrite(o, "Destroy", countDestroy);
        EXPECT_EQ(Win_con(o, 0), 0);
        w = member<HWND>(o, "hWnd");
        memory = Win_DrawBmpOpen(o);
        bitmap = member<HBITMAP>(o, "hBmp");
        font = Win_CreateFont(o, 20, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "Arial");
        EXPECT_TRUE(memory && GetObjectType(font) == OBJ_FONT && member<HFONT>(o, "hFont") == font);
    }
    void expectAllReleased()  // the test has deleted the object
    {
        o = nullptr;
        EXPECT_FALSE(IsWindow(w));
        EXPECT_TRUE(gDtors == 1 && gDestroys == 1) << gDtors << " " << gDestroys;
        EXPECT_EQ(gFurniture, 1) << "the status bar goes with its window";
        for (HGDIOBJ h : {HGDIOBJ(brush), bitmap, memory, font})
            EXPECT_EQ(GetObjectType(h), 0u) << h;
        EXPECT_FALSE(mutexOpen()) << "hmtxDisp closed";
    }
    bool mutexOpen() const
    {
        HANDLE again = OpenMutexA(SYNCHRONIZE, FALSE, mutexName);
        if (again)
            CloseHandle(again);
        return again != nullptr;
    }
};

enum Order { kCloseThenDelete, kDeleteWithWindow, kDeleteInsideHook };

struct DeletionCase { Order order; bool otherThread, drawing; };

// Deletes its own object from a hook: directly, or from another thread,
// which waits until the window procedure is done with the object (the old
// deletion freed it under the running hook).
HANDLE gDeleter;
int32_t ZEKAPI deleteSelf(ZEK_object *o, int32_t fromAnotherThread)
{
    if (fromAnotherThread) {
        gDeleter = CreateThread(nullptr, 0, deleteOnThread, o, 0, nullptr);
        EXPECT_EQ(WaitForSingleObject(gDeleter, 300), WAIT_TIMEOUT);
    } else {
        deleteWin(o);
    }
    EXPECT_EQ(gDtors, 0) << "the library leaves the object alone until this call is over";
    mi(o, "Extra") = 1;
    return 0;
}

struct Deletion : ::testing::TestWithParam<DeletionCase> {};

TEST_P(Deletion, TearsDownOnceAndLeavesNothing)
{
    const DeletionCase c = GetParam();
    Counted t;
    DrawingThread *drawing = c.drawing ? new DrawingThread(t.o, 50) : nullptr;
    switch (c.order) {
    case kCloseThenDelete:
        Win_Close(t.o);
        EXPECT_EQ(WinQuitLoopEx(t.o), 1);
        EXPECT_EQ(gDestroys, 1);
        [[fallthrough]];
    case kDeleteWithWindow:
        c.otherThread ? deleteFromAnotherThread(t.o) : deleteWin(t.o);
        break;
    case kDeleteInsideHook:
        overwrite(t.o, "Timer", deleteSelf);
        SendMessageA(t.w, WM_TIMER, c.otherThread, 0);
        if (c.otherThread)
            pumpUntil(gDeleter), CloseHandle(gDeleter);
        break;
    }
    t.expectAllReleased();
    EXPECT_TRUE(!drawing || (WaitForSingleObject(drawing->thread, 0) == WAIT_OBJECT_0 && drawing->requests == 1))
        << "the drawing thread asked once to end and waited for";
    delete drawing;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, Deletion,
    ::testing::Values(DeletionCase{kCloseThenDelete, false, false}, DeletionCase{kCloseThenDelete, true, false},
                      DeletionCase{kCloseThenDelete, false, true}, DeletionCase{kCloseThenDelete, true, true},
                      DeletionCase{kDeleteWithWindow, false, false}, DeletionCase{kDeleteWithWindow, true, false},
                      DeletionCase{kDeleteWithWindow, false, true}, DeletionCase{kDeleteWithWindow, true, true},
                      DeletionCase{kDeleteInsideHook, false, true}, DeletionCase{kDeleteInsideHook, true, false}));

// A WIN_DTOR queued behind a destruction that waits for the drawing thread
// does not destroy the window a second time.
TEST(WinDeletion, DestroyRunsOnceWhenCloseAndDestroyWindowMeet)
{
    Counted t;
    DrawingThread drawing(t.o, 300);
    Win_Close(t.o);
    DestroyWindow(t.w);
    pump();
    EXPECT_EQ(gDestroys, 1);
    deleteWin(t.o);
    t.expectAllReleased();
}

// A drawing thread that does not answer keeps the object and its back buffer
// until it has ended; then the deletion completes.
TEST(WinDeletion, AnUnansweringDrawingThreadKeepsTheObjectUntilItEnds)
{
    Counted t;
    DrawingThread drawing(t.o, -1);
    deleteWin(t.o);  // gives up on the thread after its time-out
    EXPECT_FALSE(IsWindow(t.w));
    EXPECT_EQ(gDtors, 0) << "kept for the drawing thread";
    EXPECT_NE(GetObjectType(t.bitmap), 0u);
    SetEvent(drawing.release);
    EXPECT_EQ(WaitForSingleObject(gGone, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(drawing.thread, 10000), WAIT_OBJECT_0);
    // The dtor has run; the layers follow on that library thread, which no
    // event marks, so the last of them is waited for.
    for (int i = 0; i < 300 && (GetObjectType(t.bitmap) || GetObjectType(t.font) || t.mutexOpen());
         ++i)
        Sleep(10);
    t.expectAllReleased();
}

}  // namespace
