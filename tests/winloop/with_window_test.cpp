// The loops on real Win windows: keys come through the library's own window
// procedure, and closing the window ends every wait.
#include <vector>

#include "winloop_util.h"

namespace {

std::vector<int32_t> gOffered, gInput;

int32_t ZEKAPI shortcut(ZEK_object *, int32_t key)
{
    gOffered.push_back(key);
    return 0;
}
int32_t ZEKAPI input(ZEK_object *o)
{
    gInput.push_back(member<int32_t>(o, "InpKey"));
    return 0;
}
int32_t ZEKAPI agreeEnd(ZEK_object *) { return 1; }
int32_t ZEKAPI slKey(ZEK_object *) { return 0x10016; }
int32_t ZEKAPI leaveAtOnce(ZEK_object *) { return 0x1003D; }
int32_t ZEKAPI ownJob(ZEK_object *) { return 0; }

struct WithWindow : ::testing::Test {
    ZEK_object *o = nullptr;
    HWND w = nullptr;
    void SetUp() override
    {
        gOffered.clear();
        gInput.clear();
        Win_INIT(GetModuleHandleA(nullptr), nullptr);
        o = Win_ctor2(nullptr);
        member<const char *>(o, "pClassName") = "ZekLoopTest";
        member<int32_t>(o, "bShow") = SW_SHOWNOACTIVATE;
        overwrite(o, "RunShortCutProc", shortcut);
        overwrite(o, "Input", input);
        ASSERT_EQ(Win_con(o, 0), 0);
        w = member<HWND>(o, "hWnd");
        pump();
    }
    void TearDown() override
    {
        o->vtbl->deleting_dtor(o, 1);
        pump();
    }
    static void pump()
    {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
    }
};

TEST_F(WithWindow, KeyinGivesMacroKeysTwoByteCharactersWholeButtonsAndTheWheel)
{
    PostMessageA(w, MACRO_CHAR, 0x10008, 0);
    PostMessageA(w, WM_CHAR, 0x82, 0);
    PostMessageA(w, WM_CHAR, 0xA0, 0);
    PostMessageA(w, WM_CHAR, 'x', 0);
    EXPECT_EQ(Win_Keyin(o, 0, 0, 0), 0x10008);
    EXPECT_EQ(Win_Keyin(o, 0, 0, 1), 0x82A0);
    EXPECT_EQ(Win_Keyin(o, 0, 0, 0), 'x');
    // The second byte and the character right after it are no shortcuts.
    EXPECT_EQ(gOffered, (std::vector<int32_t>{0x10008}));
    EXPECT_EQ(member<int32_t>(o, "KinBk"), 0);

    overwrite(o, "work_sl", slKey);
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Win_Keyin(o, 0, 0, 0), 0x10016);
    Win_MouseWheel(o, 1);
    EXPECT_EQ(Win_Keyin(o, 0, 0, 0), 0x1001F);
}

TEST_F(WithWindow, ClosingTheWindowEndsTheWaits)
{
    PostMessageA(w, WIN_DTOR, 0, 0);
    PostMessageA(w, MACRO_CHAR, 0x41, 0);
    EXPECT_EQ(Win_Keyin(o, 0, 0, 0), -1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(WinQuitLoopEx(o), 1);
}

// Refuses the first end and agrees to the next.
int32_t ZEKAPI refuseOnce(ZEK_object *o)
{
    overwrite(o, "RunEndProc", agreeEnd);
    return 0;
}

TEST_F(WithWindow, MainLoopEndsOnTheEndKeyOnceTheEndIsAgreed)
{
    overwrite(o, "RunEndProc", refuseOnce);
    PostMessageA(w, MACRO_CHAR, 0x10035, 0);
    PostMessageA(w, MACRO_CHAR, 0x41, 0);
    PostMessageA(w, MACRO_CHAR, 0x10035, 0);
    PostMessageA(w, WM_APP, 0, 0);
    EXPECT_EQ(Win_StdMainLoop(o), 0x10035);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, w, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, UINT(WM_APP));  // nothing read past the agreed end
}

TEST_F(WithWindow, SubLoopWhoseStartLeavesRestoresTheJobsAtOnce)
{
    Win_SetStdMouseJob(o, ownJob, ownJob, ownJob, ownJob, ownJob, ownJob, ownJob, ownJob);
    PostMessageA(w, MACRO_CHAR, 0x41, 0);
    EXPECT_EQ(Win_StdSubLoop(o, o, leaveAtOnce, nullptr, nullptr, nullptr), 0x1003D);
    EXPECT_EQ(member<int32_t>(o, "MouseCount"), 0);
    EXPECT_EQ(slot(o, "work_sl"), reinterpret_cast<ZEK_method_fn>(ownJob));
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, w, MACRO_CHAR, MACRO_CHAR, PM_NOREMOVE));  // not read
}
}  // namespace
