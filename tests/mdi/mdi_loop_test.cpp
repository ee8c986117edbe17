// The frame's key loop for its active child, the mouse jobs handed to every
// child, and the wait for a child to close.
#include <cstring>
#include <deque>

#include "mdi_util.h"

namespace {

std::deque<std::pair<int32_t, int16_t>> gKeys;  // key, run mode of bMenuDt
ZEK_object *gFrame;

void setRunMode(int16_t mode)
{
    // bMenuDt: kind, id, 32 bytes of text, on/off, type, run mode.
    std::memcpy(&member<char>(gFrame, "bMenuDt") + 44, &mode, sizeof mode);
}
int32_t ZEKAPI keyin(ZEK_object *, int32_t, int32_t, int32_t)
{
    if (gKeys.empty())
        return -1;
    const auto [key, mode] = gKeys.front();
    gKeys.pop_front();
    setRunMode(mode);
    return key;
}
void ZEKAPI setStatus(ZEK_object *, const char *text, int32_t) { gLog += std::string("status[") + text + "] "; }
void ZEKAPI getStatus(ZEK_object *, char *buffer, int32_t) { std::strcpy(buffer, "before"); }
int32_t ZEKAPI altF4(ZEK_object *) { return gLog += "altf4 ", 1; }
int32_t ZEKAPI start(ZEK_object *c) { return logged(c, "start"); }
int32_t ZEKAPI startLeave(ZEK_object *c) { return logged(c, "start"), 0x1003D; }
int32_t ZEKAPI leave(ZEK_object *c) { return logged(c, "leave"); }
int32_t ZEKAPI cad(ZEK_object *c) { return logged(c, "cad"); }
int32_t ZEKAPI keyJob(ZEK_object *c, int32_t key)
{
    gLog += "key" + std::to_string(key & 0xFF) + "@" + std::to_string(mi(c, "MouseCount")) + ":";
    mi(gFrame, "bMdiSelPos") = 1;  // the other child becomes the active one
    return logged(c, "");
}
int32_t ZEKAPI otherJob(ZEK_object *) { return 0; }

struct SubLoop : ::testing::Test {
    Frame f{{0, 1}, false, [](ZEK_object *c) { overwrite(c, "work_m1", m1); }};
    HWND queue = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    void SetUp() override
    {
        gFrame = f.o;
        member<HWND>(f.o, "hWnd") = queue;
        overwrite(f.o, "Keyin", keyin);
        overwrite(f.o, "SetStatusMsg", setStatus);
        overwrite(f.o, "GetStatusMsg", getStatus);
        overwrite(f.o, "AltF4", altF4);
        took();
    }
    void TearDown() override { DestroyWindow(queue); }
    int32_t run(Win_job_fn first = start)
    {
        return Win_MdiSubLoop(f.o, nullptr, first, leave, keyJob, cad);
    }
};

TEST_F(SubLoop, NoActiveChildOrAStartThatLeavesEndsAtOnce)
{
    mi(f.o, "bMdiSelPos") = 5;
    gKeys = {{0x41, 0}};
    EXPECT_EQ(run(), 0x1003D);
    EXPECT_EQ(took(), "");
    mi(f.o, "bMdiSelPos") = 0;
    EXPECT_EQ(run(startLeave), 0x1003D);
    EXPECT_EQ(took(), "start0 ");
    EXPECT_EQ(gKeys.size(), 1u);
    EXPECT_EQ(mi(f.child(0), "MouseCount"), 0);
}

TEST_F(SubLoop, KeysGoToTheActiveChildAndAnOrdinaryCommandIsLeftForTheOuterLoop)
{
    gKeys = {{0x1003E, 0}, {0x41, 0}, {0x42, 0}, {0x10034, 1}, {0x10034, 0}, {0x43, 0}};
    EXPECT_EQ(run(), 0x10037);
    EXPECT_EQ(took(), "start0 cad0 key65@1:0 key66@1:1 m1:1 m1:1 leave1 status[before] ");
    EXPECT_EQ(take_posted(queue), (std::vector<std::pair<UINT, WPARAM>>{{ZEK_MACRO_CHAR, 0x10034}}));
    EXPECT_EQ(mi(f.child(0), "MouseCount") + mi(f.child(1), "MouseCount"), 0);

    gKeys = {{0x10035, 0}};
    EXPECT_EQ(run(nullptr), 0x10035);
    EXPECT_EQ(took(), "leave1 altf4 status[before] ");
    gKeys = {{0x1003D, 0}};
    EXPECT_EQ(run(nullptr), 0x1003D);
    EXPECT_EQ(took(), "leave1 status[before] ");
    EXPECT_EQ(run(nullptr), -1) << "no key can come any more";
}

TEST_F(SubLoop, MouseJobsAreSetPushedAndPoppedOnEveryChild)
{
    Win_SetMdiMouseJob(f.o, sr, sl, m1, otherJob, nullptr, nullptr, nullptr, nullptr);
    Win_MdiPushMouse(f.o, nullptr);
    Win_SetMdiMouseJob(f.o, otherJob, otherJob, otherJob, otherJob, nullptr, nullptr, nullptr, nullptr);
    for (int n : {0, 1})
        EXPECT_EQ(mi(f.child(n), "MouseCount"), 1);
    Win_MdiPopMouse(f.o);
    for (int n : {0, 1}) {
        EXPECT_EQ(slot(f.child(n), "work_sl"), reinterpret_cast<ZEK_method_fn>(sl));
        EXPECT_EQ(slot(f.child(n), "work_m1"), reinterpret_cast<ZEK_method_fn>(m1));
        EXPECT_EQ(mi(f.child(n), "MouseCount"), 0);
    }
}

ULONGLONG cpuMs()
{
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    return ((ULONGLONG(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
            (ULONGLONG(user.dwHighDateTime) << 32 | user.dwLowDateTime)) / 10000;
}
HWND gToClose;
void CALLBACK closeLater(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PostMessageA(gToClose, WM_CLOSE, 0, 0);
}

TEST(MdiEndLoop, WaitsWithoutSpinningAndEndsOnAQuitOrWithoutAFrameWindow)
{
    Frame f({0, 1});
    gToClose = f.hwnd(0);
    SetTimer(nullptr, 0, 400, closeLater);
    const ULONGLONG wall = GetTickCount64(), cpu = cpuMs();
    Win_EndMdiLoop(f.o, 0);
    EXPECT_GE(GetTickCount64() - wall, 350u);
    EXPECT_LT(cpuMs() - cpu, 200u) << "the wait sleeps";
    EXPECT_EQ(f.child(0), nullptr);

    PostQuitMessage(7);
    Win_EndMdiLoop(f.o, 1);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is kept";
    EXPECT_EQ(m.wParam, 7u);
    EXPECT_NE(f.child(1), nullptr);

    Frame hidden({0}, false);
    Win_EndMdiLoop(hidden.o, 0);  // returns: no window could close it
    Win_EndMdiLoop(f.o, 10);
}

}  // namespace
