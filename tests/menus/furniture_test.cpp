// Lock menus and the status bar: furniture windows of an owner Win, served
// by the procedure they share.
#include <atomic>
#include <string>

#include "menus_util.h"

namespace {

using Posted = std::vector<std::pair<UINT, WPARAM>>;
int gDtors;
void ZEKAPI countingDtor(ZEK_object *o) { ++gDtors, Win_dtor(o); }
int32_t ZEKAPI mouseJob(ZEK_object *) { return 0x42; }

// A drawing thread of o: it ends 100 ms after the first request to, having
// counted the requests that came meanwhile.
std::atomic<int> gAsks;
DWORD WINAPI drawing(void *o)
{
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists from here
    mi(static_cast<ZEK_object *>(o), "bProcID") = int32_t(GetCurrentThreadId());
    while (GetMessageA(&m, nullptr, 0, 0) > 0 && m.message != WIN_REDRAWEND) {
    }
    Sleep(100);
    for (gAsks = 1; PeekMessageA(&m, nullptr, WIN_REDRAWEND, WIN_REDRAWEND, PM_REMOVE);)
        ++gAsks;
    mi(static_cast<ZEK_object *>(o), "bProcID") = 0;
    return 0;
}

struct Furniture : ::testing::Test {
    TestWin w{"ZekMenusOwner"};
    const Bytes one = buttons({{101, 2, 2, 20, 20, 1, 0, 'A'}});
    void SetUp() override { place(w, 30, 30, 400, 300), gDtors = 0; }
    RECT client() { RECT c{}; return GetClientRect(w.hwnd(), &c), c; }
};

}  // namespace

TEST_F(Furniture, FourLockMenusSitAtTheirEdgesAndShrinkTheClientArea)
{
    const int32_t sizes[4] = {30, 40, 20, 25};
    for (int32_t side = 0; side < 4; ++side)
        ASSERT_EQ(Win_InitLockMenu(w, 10 + side, sizes[side], one.data()), 1);
    for (int32_t side : {9, 14})
        EXPECT_EQ(Win_InitLockMenu(w, side, 10, one.data()) + Win_CreateLockMenu(w, side), 0);
    ASSERT_EQ(Win_con(w, 0), 0);
    const long W = client().right, H = client().bottom;
    const char *slots[4] = {"pLeftMenuBar", "pRightMenuBar", "pTopMenuBar", "pDownMenuBar"};
    const std::vector<long> want[4] = {
        {0, 20, 30, H - 25}, {W - 40, 20, W, H - 25}, {0, 0, W, 20}, {0, H - 25, W, H}};
    const int32_t position[4] = {2, 3, 0, 1};
    for (int k = 0; k < 4; ++k) {
        ZEK_object *menu = furniture(w, slots[k]);
        EXPECT_EQ(placed(hwnd_of(menu)), want[k]) << slots[k];
        EXPECT_TRUE(mi(menu, "bTopMenuH") == position[k] && mi(menu, "bLeftMenuW") == sizes[k] &&
                    mi(menu, "bTopMenuEdge") == 3 && member<ZEK_object *>(menu, "pMother") == w);
    }
    EXPECT_EQ(rect(w.m<RECT>("bRect")), (std::vector<long>{30, 20, W - 40, H - 25}));
}

TEST_F(Furniture, APressOnAButtonPostsItsClickToTheOwnerAndNothingElsewhere)
{
    const Bytes t = buttons({{101, 2, 2, 20, 20, 1, 0, 'A'}, {101, 2, 30, 20, 20, 77, 1, 0}});
    ASSERT_EQ(Win_InitLockMenu(w, 10, 30, t.data()), 1);
    ASSERT_EQ(Win_con(w, 0), 0);
    ZEK_object *menu = furniture(w, "pLeftMenuBar");
    const HWND owner = w.hwnd();
    const auto press = [&](int x, int y) {
        SendMessageA(hwnd_of(menu), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(hwnd_of(menu), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    pump();
    press(5, 100);
    EXPECT_TRUE(take_posted(owner).empty()) << "no button, no mouse table";
    press(5, 5);
    EXPECT_EQ(take_posted(owner), (Posted{{MACRO_CHAR, 'A'}}));
    press(5, 35);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, owner, WIN_COMMAND, WIN_COMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(member<ZEK_object *>(menu, "pButtonTbl")));
    DispatchMessageA(&msg);
    EXPECT_EQ((&w.i("bMenuDt"))[1], 77) << "the owner takes the side menu's command";
    EXPECT_EQ(take_posted(owner), (Posted{{MACRO_CHAR, 0x10034}}));

    const Win_mouse_row rows[2] = {{2, 0, 60, 29, 200, mouseJob}, {-1, 0, 0, 0, 0, nullptr}};
    member<const void *>(menu, "pMouseTable") = rows;
    press(5, 100);
    EXPECT_EQ(take_posted(owner), (Posted{{MACRO_CHAR, 0x42}}));
}

TEST_F(Furniture, EdgeBitsFiveDrawLinesAlongTheTopAndTheLeft)
{
    w.i("bLeftMenuEdge") = 5;
    ASSERT_EQ(Win_InitLockMenu(w, 10, 30, buttons({{113, 0, 0, 30, 100, 0, 0, 0}}).data()), 1);
    ASSERT_EQ(Win_con(w, 0), 0);
    const HWND m = hwnd_of(furniture(w, "pLeftMenuBar"));
    RedrawWindow(m, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT c{};
    GetClientRect(m, &c);
    HDC dc = GetDC(m);
    const COLORREF shadow = Color3dShadow(), face = Color3dFace();
    EXPECT_TRUE(GetPixel(dc, 15, 0) == shadow && GetPixel(dc, 0, 40) == shadow) << "top, left";
    EXPECT_TRUE(GetPixel(dc, 15, c.bottom - 1) == face && GetPixel(dc, c.right - 1, 40) == face);
    ReleaseDC(m, dc);
}

TEST_F(Furniture, StatusPanesTakeAtMost63BytesAndMissingPanesChangeNothing)
{
    EXPECT_EQ(Win_InitStatusBar(w, buttons({}).data()), 0);
    EXPECT_EQ(furniture(w, "pStatusBar"), nullptr) << "a failed bar leaves nothing";
    ASSERT_EQ(Win_InitStatusBar(w, nullptr), 1) << "the class registers again";
    ASSERT_EQ(Win_con(w, 0), 0);
    const long W = client().right, H = client().bottom;
    EXPECT_EQ(placed(hwnd_of(furniture(w, "pStatusBar"))), (std::vector<long>{0, H - 23, W, H}));
    char got[256];
    const auto text = [&](int32_t pane) { return Win_GetStatusMsg(w, got, pane), std::string(got); };
    Win_SetStatusMsg(w, std::string(80, 'x').c_str(), 0);
    EXPECT_EQ(text(0), std::string(63, 'x'));
    Win_SetStatusMsg(w, (std::string(62, 'y') + "\x82\xa0").c_str(), 0);
    EXPECT_EQ(text(0), std::string(62, 'y')) << "no half character";
    for (int32_t pane : {1, -1}) {
        Win_SetStatusMsg(w, "other", pane);
        EXPECT_EQ(text(pane), "");
    }
    EXPECT_EQ(text(0), std::string(62, 'y'));
}

TEST_F(Furniture, EachFurnitureObjectGoesOnceAndOnlyItsOwnSlotIsCleared)
{
    for (int32_t side : {10, 11, 11, 13})
        ASSERT_EQ(Win_InitLockMenu(w, side, 30, one.data()), 1);
    ASSERT_EQ(Win_InitStatusBar(w, nullptr), 1);
    overwrite(furniture(w, "pStatusBar"), "dtor", countingDtor);
    ASSERT_EQ(Win_InitStatusBar(w, nullptr), 1);
    EXPECT_EQ(gDtors, 1) << "the replaced bar";
    ASSERT_EQ(Win_con(w, 0), 0);
    for (const char *s : {"pLeftMenuBar", "pRightMenuBar", "pDownMenuBar", "pStatusBar"})
        overwrite(furniture(w, s), "dtor", countingDtor);

    DestroyWindow(hwnd_of(furniture(w, "pStatusBar")));
    EXPECT_TRUE(furniture(w, "pStatusBar") == nullptr && furniture(w, "pDownMenuBar") != nullptr);
    ZEK_object *left = furniture(w, "pLeftMenuBar");
    const HWND leftWindow = hwnd_of(left);
    left->vtbl->deleting_dtor(left, 1);
    EXPECT_TRUE(!IsWindow(leftWindow) && furniture(w, "pLeftMenuBar") == nullptr);
    EXPECT_EQ(gDtors, 3);

    // Closing waits for a drawing thread, asking it once.
    ZEK_object *right = furniture(w, "pRightMenuBar");
    HANDLE thread = CreateThread(nullptr, 0, drawing, right, 0, nullptr);
    while (!mi(right, "bProcID"))
        Sleep(1);
    Win_Close(right);
    pump();
    EXPECT_TRUE(furniture(w, "pRightMenuBar") == nullptr && gDtors == 4 && gAsks == 1);
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    CloseHandle(thread);
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(w.m<RECT>("bRect").left, 0);

    DestroyWindow(w.hwnd());
    EXPECT_TRUE(furniture(w, "pDownMenuBar") == nullptr && gDtors == 5);
}

TEST_F(Furniture, FurnitureOfAnOwnerThatNeverHadAWindowGoesWithIt)
{
    ZEK_object *owner = Win_ctor2(nullptr);
    ASSERT_EQ(Win_InitLockMenu(owner, 12, 30, one.data()), 1);
    ASSERT_EQ(Win_InitStatusBar(owner, nullptr), 1);
    ASSERT_EQ(Win_InitToolFrame(owner, 26), 1);
    ASSERT_EQ(Win_InitToolBar(owner, 4, "bar", one.data(), 0, 4), 1);
    for (ZEK_object *f : {furniture(owner, "pTopMenuBar"), furniture(owner, "pStatusBar"),
                          furniture(owner, "pToolFrame"), (&furniture(owner, "pToolBar"))[4]})
        overwrite(f, "dtor", countingDtor);
    owner->vtbl->deleting_dtor(owner, 1);
    EXPECT_EQ(gDtors, 4);
}
