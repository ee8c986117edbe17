// The MDI frame: its children's objects and windows, the window list, keys
// handed to the frame, show states and every way a child ends.
#include "mdi_util.h"

namespace {

TEST(MdiFrame, SlotsAndWhatIsRefused)
{
    Frame f({0, 1, 2}, false);
    EXPECT_EQ(Win_GetMdiWndNextPos(f.o), 3);
    EXPECT_EQ(Win_InitMdiWnd(f.o, 1, "again"), 0) << "an occupied slot keeps its child";
    EXPECT_EQ(Win_InitMdiWnd(f.o, 10, "x") + Win_InitMdiWnd(f.o, -1, "x"), 0);
    EXPECT_TRUE(mi(f.o, "bMdiSelPos") == 0 && !member<HWND>(f.o, "hMdiWnd")) << "nothing written";
    for (int n = 3; n < 10; ++n)
        Win_InitMdiWnd(f.o, n, "");
    EXPECT_EQ(Win_GetMdiWndNextPos(f.o), -1);
    EXPECT_EQ(Win_CascadeWindow(f.o), 0) << "no client window";
    TestWin plain;
    EXPECT_EQ(Win_GetMdiWndNextPos(plain) + Win_CascadeWindow(plain) + Win_TileWindows(plain, 1), -1);
}

TEST(MdiFrame, ChildrenLiveInTheClientAndTheWindowListFollowsTheFocus)
{
    Frame f({0, 1, 2, 8});
    HWND client = member<HWND>(f.o, "hMdiWnd");
    EXPECT_EQ(GetParent(client), member<HWND>(f.o, "hWnd"));
    for (int n : {0, 1, 2, 8}) {
        EXPECT_EQ(GetParent(f.hwnd(n)), client);
        EXPECT_EQ(GetWindowLongPtrA(f.hwnd(n), 14), reinterpret_cast<LONG_PTR>(f.child(n)));
        mi(f.child(n), "bBmpFlag") = 1;
    }
    EXPECT_EQ(mi(f.o, "bMdiSelPos"), 8) << "the last made has the focus";
    Win_CascadeWindow(f.o);
    EXPECT_EQ(mi(f.child(1), "bBmpFlag") + mi(f.child(8), "bBmpFlag"), 0);
    EXPECT_EQ(Win_CreateMdiWnd(f.o, 1) + Win_CreateMdiWnd(f.o, 5), 0) << "made already; none";

    // The MDI client may pass the focus on once more: the first round is read.
    SetFocus(f.hwnd(1));
    EXPECT_EQ(took().find("check1=0 check2=1 check3=0 focus1 "), 0u);
    EXPECT_EQ(mi(f.o, "bMdiSelPos"), 1);
    SetFocus(f.hwnd(8));  // no item of its own
    EXPECT_EQ(took().find("check1=0 check2=0 check3=0 focus8 "), 0u);
}

TEST(MdiFrame, KeysTypedIntoAChildArriveAtTheFramesKeyWait)
{
    Frame f({0});
    SendMessageA(f.hwnd(0), WM_CHAR, 'a', 0);
    PostMessageA(f.hwnd(0), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(f.hwnd(0), ZEK_MACRO_CHAR, 0x10034, 0);
    for (int32_t key : {int32_t('a'), 0x10008, 0x10034})
        EXPECT_EQ(Win_Keyin(f.o, 0, 0, 0), key);
}

TEST(MdiFrame, ShowStatesAcrossMinimiseMaximiseAndRestore)
{
    Frame f({0, 1}, true, [](ZEK_object *c) { mi(c, "bShow") = mi(c, "bMdiSelPos") ? 3 : 5; });
    auto sys = [&](int n, WPARAM command) {
        SendMessageA(f.hwnd(n), WM_SYSCOMMAND, command, 0);
        return std::to_string(mi(f.child(n), "bShow")) + std::to_string(mi(f.child(n), "bShowB")) +
               "/" + std::to_string(mi(f.child(n), "bEdType"));
    };
    EXPECT_EQ(sys(1, SC_MAXIMIZE), "33/10");
    EXPECT_EQ(sys(1, SC_RESTORE), "55/0") << "made maximised, maximised again: normal";
    member<double>(f.child(0), "wSx0") = 12.5;
    EXPECT_EQ(sys(0, SC_MINIMIZE), "25/9");
    EXPECT_EQ(member<double>(f.child(0), "wSxBuf"), 12.5);
    EXPECT_EQ(sys(0, SC_RESTORE), "55/11");
    std::string sizes;
    for (size_t at = 0; (at = gLog.find("size", at)) != std::string::npos; at += 4)
        sizes += gLog.substr(at + 4, 1);
    EXPECT_EQ(sizes, "1100");
}

TEST(MdiFrame, EveryWayAChildEndsClearsItsSlotAndDeletesItOnce)
{
    Frame f({0, 1, 2});
    HWND w = f.hwnd(1);
    PostMessageA(w, WM_CLOSE, 0, 0);
    Win_EndMdiLoop(f.o, 1);
    EXPECT_TRUE(!IsWindow(w) && !f.child(1) && gDtors == 1);
    EXPECT_NE(took().find("name2[] check2=0 "), std::string::npos) << "its window-list item";
    Win_Close(f.child(0));
    Win_EndMdiLoop(f.o, 0);
    EXPECT_TRUE(!f.child(0) && gDtors == 2);
    // Deleted by the program with its window there: out of its slot at once.
    w = f.hwnd(2);
    f.child(2)->vtbl->deleting_dtor(f.child(2), 1);
    EXPECT_TRUE(!IsWindow(w) && !f.child(2) && gDtors == 3);
    pump();
    EXPECT_EQ(gDtors, 3);
}

TEST(MdiFrame, TheFrameTakesItsChildrenWithItOnce)
{
    {
        Frame f({0, 1, 2});
        DestroyWindow(member<HWND>(f.o, "hWnd"));
        pump();
        EXPECT_TRUE(gDtors == 3 && Win_GetMdiWndNextPos(f.o) == 0);
    }
    EXPECT_EQ(gDtors, 3);
    { Frame f({3, 4}, false); }
    EXPECT_EQ(gDtors, 2) << "children never shown go with the frame object";
}

}  // namespace
