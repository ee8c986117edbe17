// The frame's key loop for its active child and the wait for a child to close.
#include <cstring>
#include <deque>

#include "mdi_util.h"

namespace {

std::deque<std::pair<int32_t, int16_t>> gKeys;  // key, then the run mode of bMenuDt
ZEK_object *gFrame;

int32_t ZEKAPI keyin(ZEK_object *o, int32_t, int32_t, int32_t)
{
    if (gKeys.empty())
        return -1;
    const auto [key, mode] = gKeys.front();
    gKeys.pop_front();
    std::memcpy(&member<char>(o, "bMenuDt") + 44, &mode, sizeof mode);  // after kind, id, text, on/off, type
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

TEST(MdiSubLoop, KeysGoToTheActiveChildAndAnOrdinaryCommandIsLeftForTheOuterLoop)
{
    Frame f({0, 1}, false, [](ZEK_object *c) { overwrite(c, "work_m1", m1); });
    HWND queue = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    gFrame = f.o;
    member<HWND>(f.o, "hWnd") = queue;
    overwrite(f.o, "Keyin", keyin);
    overwrite(f.o, "SetStatusMsg", setStatus);
    overwrite(f.o, "GetStatusMsg", getStatus);
    overwrite(f.o, "AltF4", altF4);
    auto run = [&](Win_job_fn first) { return Win_MdiSubLoop(f.o, nullptr, first, leave, keyJob, cad); };

    mi(f.o, "bMdiSelPos") = 5;
    EXPECT_EQ(run(start), 0x1003D) << "no active child";
    mi(f.o, "bMdiSelPos") = 0;
    EXPECT_EQ(run(startLeave), 0x1003D);
    EXPECT_EQ(took(), "start0 ");
    gKeys = {{0x1003E, 0}, {0x41, 0}, {0x42, 0}, {0x10034, 1}, {0x10034, 0}, {0x43, 0}};
    EXPECT_EQ(run(start), 0x10037);
    EXPECT_EQ(took(), "start0 cad0 key65@1:0 key66@1:1 m1:1 m1:1 leave1 status[before] ");
    EXPECT_EQ(take_posted(queue), (std::vector<std::pair<UINT, WPARAM>>{{ZEK_MACRO_CHAR, 0x10034}}));
    EXPECT_EQ(mi(f.child(0), "MouseCount") + mi(f.child(1), "MouseCount"), 0);
    gKeys = {{0x10035, 0}};
    EXPECT_EQ(run(nullptr), 0x10035);
    EXPECT_EQ(took(), "leave1 altf4 status[before] ");
    EXPECT_EQ(run(nullptr), -1) << "no key can come any more";
    DestroyWindow(queue);
}

ULONGLONG cpuMs()
{
    FILETIME t[4];
    GetThreadTimes(GetCurrentThread(), &t[0], &t[1], &t[2], &t[3]);
    auto ms = [](FILETIME x) { return (ULONGLONG(x.dwHighDateTime) << 32 | x.dwLowDateTime) / 10000; };
    return ms(t[2]) + ms(t[3]);
}
HWND gToClose;
void CALLBACK closeLater(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id), PostMessageA(gToClose, WM_CLOSE, 0, 0);
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
    EXPECT_TRUE(m.wParam == 7 && f.child(1));
    Frame hidden({0}, false);
    Win_EndMdiLoop(hidden.o, 0);  // nothing could ever close it
}

}  // namespace
