// The MDI frame: its children's objects and windows, the window list, keys
// handed to the frame, show states and every way a child ends.
#include "mdi_util.h"

namespace {

TEST(MdiFrame, SlotsNumbersAndWhatANonFrameRefuses)
{
    Frame f({0, 1, 2}, false);
    EXPECT_EQ(Win_GetMdiWndNextPos(f.o), 3);
    EXPECT_EQ(Win_InitMdiWnd(f.o, 1, "again"), 0) << "an occupied slot keeps its child";
    for (int bad : {10, -1})
        EXPECT_EQ(Win_InitMdiWnd(f.o, bad, "x"), 0);
    EXPECT_EQ(mi(f.o, "bMdiSelPos"), 0) << "nothing written beside the slots";
    EXPECT_EQ(member<HWND>(f.o, "hMdiWnd"), nullptr);
    ZEK_object *c = f.child(2);
    EXPECT_EQ(member<ZEK_object *>(c, "pMother"), f.o);
    EXPECT_EQ(mi(c, "ExStyle"), WS_EX_MDICHILD);
    EXPECT_EQ(mi(c, "WinStyle"), 0x04CC0001);
    EXPECT_STREQ(member<const char *>(c, "pClassName"), "MdiClass");
    for (int n = 3; n < 10; ++n)
        Win_InitMdiWnd(f.o, n, "");
    EXPECT_EQ(Win_GetMdiWndNextPos(f.o), -1);

    TestWin plain;
    EXPECT_EQ(Win_GetMdiWndNextPos(plain), -1);
    EXPECT_EQ(Win_CascadeWindow(plain), 0);
    EXPECT_EQ(Win_TileWindows(plain, 1), 0);
    EXPECT_EQ(Win_CascadeWindow(f.o), 0) << "a frame without its client window";
}

TEST(MdiFrame, ChildrenAreMadeInTheClientAndArranged)
{
    Frame f({0, 1, 2});
    HWND client = member<HWND>(f.o, "hMdiWnd");
    char cls[32] = {};
    GetClassNameA(client, cls, sizeof cls);
    EXPECT_STREQ(cls, "MDIClient");
    EXPECT_EQ(GetParent(client), f.hwnd());
    for (int n = 0; n < 3; ++n) {
        ASSERT_TRUE(IsWindow(f.hwnd(n)));
        EXPECT_EQ(GetParent(f.hwnd(n)), client);
        EXPECT_EQ(GetWindowLongPtrA(f.hwnd(n), 14), reinterpret_cast<LONG_PTR>(f.child(n)));
        EXPECT_EQ(mi(f.child(n), "bShowB"), mi(f.child(n), "bShow"));
        mi(f.child(n), "bBmpFlag") = 1;
    }
    EXPECT_EQ(mi(f.o, "bMdiSelPos"), 2) << "the last made has the focus";
    Win_CascadeWindow(f.o);
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(mi(f.child(n), "bBmpFlag"), 0) << "every child redraws after an arrangement";
    EXPECT_EQ(Win_CreateMdiWnd(f.o, 1), 0) << "one window per child";
    EXPECT_EQ(Win_CreateMdiWnd(f.o, 5), 0) << "no child in the slot";
}

TEST(MdiFrame, FocusChecksTheWindowListOfListedChildrenOnly)
{
    Frame f({0, 1, 2, 8});
    // The MDI client may pass the focus on again: the first round is read.
    SetFocus(f.hwnd(1));
    EXPECT_EQ(took().find("check50101=0 check50102=1 check50103=0 focus1 "), 0u);
    EXPECT_EQ(mi(f.o, "bMdiSelPos"), 1);
    EXPECT_EQ(mi(f.child(1), "bFocus"), 1);
    SetFocus(f.hwnd(8));
    EXPECT_EQ(took().find("check50101=0 check50102=0 check50103=0 focus8 "), 0u);
    EXPECT_EQ(mi(f.o, "bMdiSelPos"), 8);
}

TEST(MdiFrame, KeysTypedIntoAChildArriveAtTheFramesKeyWait)
{
    Frame f({0});
    SendMessageA(f.hwnd(0), WM_CHAR, 'a', 0);
    PostMessageA(f.hwnd(0), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(f.hwnd(0), ZEK_MACRO_CHAR, 0x10034, 0);
    EXPECT_EQ(Win_Keyin(f.o, 0, 0, 0), 'a');
    EXPECT_EQ(Win_Keyin(f.o, 0, 0, 0), 0x10008);
    EXPECT_EQ(Win_Keyin(f.o, 0, 0, 0), 0x10034);
    EXPECT_EQ(mi(f.child(0), "InpKey"), 0) << "the child itself took no key";
}

TEST(MdiFrame, ShowStatesAcrossMinimiseMaximiseAndRestore)
{
    Frame f({0, 1}, true, [](ZEK_object *c) {
        if (mi(c, "bMdiSelPos") == 1)
            mi(c, "bShow") = SW_SHOWMAXIMIZED;
    });
    auto sys = [&](int n, WPARAM command) { SendMessageA(f.hwnd(n), WM_SYSCOMMAND, command, 0); };
    auto state = [&](int n) {
        return std::to_string(mi(f.child(n), "bShow")) + "/" +
               std::to_string(mi(f.child(n), "bShowB")) + "/" +
               std::to_string(mi(f.child(n), "bEdType"));
    };
    EXPECT_EQ(state(1), "3/3/0");
    sys(1, SC_MAXIMIZE);
    EXPECT_EQ(state(1), "3/3/10");
    sys(1, SC_RESTORE);
    EXPECT_EQ(state(1), "5/5/0") << "created maximised, maximised again: back to normal";
    member<double>(f.child(0), "wSx0") = 12.5;
    sys(0, SC_MINIMIZE);
    EXPECT_EQ(state(0), "2/5/9");
    EXPECT_EQ(member<double>(f.child(0), "wSxBuf"), 12.5);
    sys(0, SC_RESTORE);
    EXPECT_EQ(state(0), "5/5/11");
    EXPECT_EQ(only("size"), "size1 size1 size0 size0 ");
}

TEST(MdiFrame, AChildClosedEndsWithItsSlotClearedAndItsObjectDeletedOnce)
{
    Frame f({0, 1, 2});
    HWND w = f.hwnd(1);
    PostMessageA(w, WM_CLOSE, 0, 0);
    Win_EndMdiLoop(f.o, 1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(f.child(1), nullptr);
    EXPECT_EQ(gDtors, 1);
    EXPECT_NE(took().find("name50102[] check50102=0 "), std::string::npos);

    // Closed by Win_Close: the same way through WM_CLOSE.
    Win_Close(f.child(0));
    Win_EndMdiLoop(f.o, 0);
    EXPECT_EQ(f.child(0), nullptr);
    EXPECT_EQ(gDtors, 2);

    // Deleted by the program while its window is there: gone from its slot at once.
    w = f.hwnd(2);
    f.child(2)->vtbl->deleting_dtor(f.child(2), 1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(f.child(2), nullptr);
    pump();
    EXPECT_EQ(gDtors, 3);
    EXPECT_EQ(Win_GetMdiWndNextPos(f.o), 0);
}

TEST(MdiFrame, DestroyingTheFrameOrDeletingItTakesItsChildrenOnce)
{
    {
        Frame f({0, 1, 2});
        HWND w0 = f.hwnd(0);
        DestroyWindow(f.hwnd());
        pump();
        EXPECT_FALSE(IsWindow(w0));
        EXPECT_EQ(gDtors, 3);
        EXPECT_EQ(Win_GetMdiWndNextPos(f.o), 0);
    }
    EXPECT_EQ(gDtors, 3);
    { Frame f({3, 4}, false); }
    EXPECT_EQ(gDtors, 2) << "children never shown go with their frame object";
}

}  // namespace
