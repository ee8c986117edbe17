// What a child window does differently: the wheel adds up, the scroll timers
// move every child of the same drawing, closing waits for a drawing thread.
#include "mdi_util.h"

namespace {

void ZEKAPI wheel(ZEK_object *w, int32_t down) { logged(w, down ? "down" : "up"); }
void ZEKAPI buttonTimer(ZEK_object *, int32_t ms) { gLog += "timer" + std::to_string(ms) + " "; }
void withJobs(ZEK_object *c)
{
    overwrite(c, "MouseWheel", wheel);
    overwrite(c, "work_m1", m1);
    overwrite(c, "work_sl", sl);
    overwrite(c, "work_sr", sr);
    overwrite(c, "SetButtonTimer", buttonTimer);
}

TEST(MdiChild, WheelStepsAddUpToOneScrollOverTheChild)
{
    Frame f({0}, true, withJobs);
    RECT r;
    GetClientRect(f.hwnd(0), &r);
    POINT mid{r.right / 2, r.bottom / 2};
    ClientToScreen(f.hwnd(0), &mid);
    auto turn = [&](int delta, POINT at) {
        SendMessageA(f.hwnd(0), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
    };
    turn(60, mid);
    EXPECT_EQ(only("up"), "");
    turn(60, mid);
    EXPECT_EQ(took(), "up0 ");
    turn(-120, mid);
    EXPECT_EQ(took(), "down0 ");
    turn(-120, POINT{r.right + 5000, 5});
    EXPECT_EQ(took(), "") << "outside the child";
    EXPECT_EQ(mi(f.child(0), "bWheelCnt"), 0);
}

TEST(MdiChild, ScrollTimersMoveEveryChildOfTheSameDrawing)
{
    Frame f({0, 1, 2}, true, withJobs);
    int a, b;
    member<void *>(f.o, "pCadDat") = &a;
    member<void *>(f.child(0), "pCadDat") = member<void *>(f.child(1), "pCadDat") = &a;
    member<void *>(f.child(2), "pCadDat") = &b;
    SendMessageA(f.hwnd(0), WM_TIMER, 202, 0);
    EXPECT_EQ(took(), "m1:0 m1:1 sl:0 m1:0 m1:1 timer30 ");
    member<void *>(f.o, "pCadDat") = nullptr;
    SendMessageA(f.hwnd(2), WM_TIMER, 203, 0);
    EXPECT_EQ(took(), "m1:0 m1:1 m1:2 sr:2 m1:0 m1:1 m1:2 timer30 ");
}

// A drawing thread: asked to end, it answers (clears bProcID) after 100 ms,
// or only once released; it counts every request it was sent.
struct Drawer {
    ZEK_object *o;
    bool answers;
    std::atomic<int> requests{0};
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
    static DWORD WINAPI run(void *p)
    {
        auto *s = static_cast<Drawer *>(p);
        MSG m;
        PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
        SetEvent(s->ready);
        while (GetMessageA(&m, nullptr, 0, 0) > 0 && m.message != WIN_REDRAWEND) {
        }
        ++s->requests;
        s->answers ? Sleep(100) : void(WaitForSingleObject(s->release, 20000));
        while (PeekMessageA(&m, nullptr, WIN_REDRAWEND, WIN_REDRAWEND, PM_REMOVE))
            ++s->requests;
        if (s->answers)
            mi(s->o, "bProcID") = 0;
        return 0;
    }
    Drawer(ZEK_object *object, bool answer) : o(object), answers(answer)
    {
        WaitForSingleObject(ready, 5000);
        member<HANDLE>(o, "hProcTh") = thread;
        mi(o, "bProcID") = int32_t(GetThreadId(thread));
    }
    ~Drawer()
    {
        SetEvent(release), WaitForSingleObject(thread, 20000);
        CloseHandle(ready), CloseHandle(release), CloseHandle(thread);
    }
};

TEST(MdiChild, ClosingAsksTheDrawingThreadOnceAndGivesUpAfterItsTimeLimit)
{
    Frame f({0, 1});
    Drawer answering(f.child(0), true);
    HWND w = f.hwnd(0);
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(answering.requests, 1) << "asked once, not flooded";
    Win_EndMdiLoop(f.o, 0);
    EXPECT_EQ(gDtors, 1);

    Drawer silent(f.child(1), false);
    w = f.hwnd(1);
    const ULONGLONG began = GetTickCount64();
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w)) << "closed without the thread";
    EXPECT_GE(GetTickCount64() - began, 4000u);
    Win_EndMdiLoop(f.o, 1);
    EXPECT_EQ(f.child(1), nullptr);
    EXPECT_EQ(gDtors, 1) << "the object waits for its drawing thread";
    SetEvent(silent.release);
    for (int i = 0; i < 500 && gDtors < 2; ++i)
        Sleep(10);
    EXPECT_EQ(gDtors, 2);
    EXPECT_EQ(silent.requests, 1);
}

}  // namespace
