// What a child window does differently: the wheel adds up, the scroll timers
// move every child of the same drawing, closing waits for a drawing thread.
#include "mdi_util.h"

namespace {

void ZEKAPI wheel(ZEK_object *w, int32_t down) { logged(w, down ? "down" : "up"); }
int32_t ZEKAPI sl(ZEK_object *w) { return logged(w, "sl:"); }
int32_t ZEKAPI sr(ZEK_object *w) { return logged(w, "sr:"); }
void ZEKAPI buttonTimer(ZEK_object *, int32_t ms) { gLog += "timer" + std::to_string(ms) + " "; }
void withJobs(ZEK_object *c)
{
    overwrite(c, "MouseWheel", wheel);
    overwrite(c, "work_m1", m1);
    overwrite(c, "work_sl", sl);
    overwrite(c, "work_sr", sr);
    overwrite(c, "SetButtonTimer", buttonTimer);
}

TEST(MdiChild, WheelStepsAddUpAndScrollTimersMoveEveryChildOfTheSameDrawing)
{
    Frame f({0, 1, 2}, true, withJobs);
    POINT in{30, 30};
    ClientToScreen(f.hwnd(0), &in);
    const std::pair<int, POINT> turns[] = {{60, in}, {60, in}, {-120, in}, {-120, {-3000, 5}}};
    for (auto [delta, at] : turns)
        SendMessageA(f.hwnd(0), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
    EXPECT_EQ(took(), "up0 down0 ") << "two half notches make one; the last is outside";

    int a, b;
    member<void *>(f.o, "pCadDat") = member<void *>(f.child(0), "pCadDat") = &a;
    member<void *>(f.child(1), "pCadDat") = &a;
    member<void *>(f.child(2), "pCadDat") = &b;
    SendMessageA(f.hwnd(0), WM_TIMER, 202, 0);
    EXPECT_EQ(took(), "m1:0 m1:1 sl:0 m1:0 m1:1 timer30 ");
    member<void *>(f.o, "pCadDat") = nullptr;  // every child
    SendMessageA(f.hwnd(2), WM_TIMER, 203, 0);
    EXPECT_EQ(took(), "m1:0 m1:1 m1:2 sr:2 m1:0 m1:1 m1:2 timer30 ");
}

// A drawing thread: asked to end, it counts the requests that came within
// answerMs and ends then, clearing bProcID only when it answers in time.
struct Drawer {
    ZEK_object *o;
    DWORD answerMs;
    std::atomic<int> requests{0};
    HANDLE thread = CreateThread(nullptr, 0, run, this, CREATE_SUSPENDED, nullptr);
    static DWORD WINAPI run(void *p)
    {
        auto *s = static_cast<Drawer *>(p);
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0 && m.message != WIN_REDRAWEND) {
        }
        Sleep(s->answerMs);
        for (++s->requests; PeekMessageA(&m, nullptr, WIN_REDRAWEND, WIN_REDRAWEND, PM_REMOVE);)
            ++s->requests;
        if (s->answerMs < 1000)
            mi(s->o, "bProcID") = 0;
        return 0;
    }
    Drawer(ZEK_object *object, DWORD ms) : o(object), answerMs(ms)
    {
        member<HANDLE>(o, "hProcTh") = thread;
        mi(o, "bProcID") = int32_t(GetThreadId(thread));
        ResumeThread(thread);
    }
    ~Drawer() { WaitForSingleObject(thread, 20000), CloseHandle(thread); }
};

TEST(MdiChild, ClosingAsksTheDrawingThreadOnceAndGivesUpAfterItsTimeLimit)
{
    Frame f({0, 1});
    Drawer answering(f.child(0), 100), silent(f.child(1), 7000);
    SendMessageA(f.hwnd(0), WM_CLOSE, 0, 0);
    Win_EndMdiLoop(f.o, 0);
    EXPECT_TRUE(gDtors == 1 && answering.requests == 1) << "asked once, not flooded";

    const ULONGLONG began = GetTickCount64();
    SendMessageA(f.hwnd(1), WM_CLOSE, 0, 0);
    Win_EndMdiLoop(f.o, 1);
    EXPECT_GE(GetTickCount64() - began, 4000u);
    EXPECT_TRUE(!f.child(1) && gDtors == 1) << "closed; the object waits for its thread";
    for (int i = 0; i < 1000 && gDtors < 2; ++i)
        Sleep(10);
    EXPECT_TRUE(gDtors == 2 && silent.requests == 1);
}

}  // namespace
