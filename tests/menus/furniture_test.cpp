// Lock menus and the status bar: furniture windows of an owner Win, served
// by the procedure they share.
#include <string>

#include "menus_util.h"

namespace {

int gDtors;
void ZEKAPI countingDtor(ZEK_object *o)
{
    ++gDtors;
    Win_dtor(o);
}
int32_t ZEKAPI mouseJob(ZEK_object *) { return 0x42; }

struct Furniture : ::testing::Test {
    TestWin w{"ZekMenusOwner"};
    void SetUp() override
    {
        place(w, 30, 30, 400, 300);
        gDtors = 0;
    }
    std::vector<long> client()
    {
        RECT c{};
        GetClientRect(w.hwnd(), &c);
        return {c.left, c.top, c.right, c.bottom};
    }
};

}  // namespace

TEST_F(Furniture, FourLockMenusSitAtTheirEdgesAndShrinkTheClientArea)
{
    const Bytes t = buttons({{101, 2, 2, 20, 20, 1, 0, 'A'}});
    const int32_t sizes[4] = {30, 40, 20, 25};
    for (int32_t side = 0; side < 4; ++side)
        ASSERT_EQ(Win_InitLockMenu(w, 10 + side, sizes[side], t.data()), 1);
    for (int32_t side : {9, 14}) {
        EXPECT_EQ(Win_InitLockMenu(w, side, 10, t.data()), 0) << side;
        EXPECT_EQ(Win_CreateLockMenu(w, side), 0) << side;
    }
    ASSERT_EQ(Win_con(w, 0), 0);
    const long W = client()[2], H = client()[3];
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
    const RECT r = w.m<RECT>("bRect");
    EXPECT_EQ((std::vector<long>{r.left, r.top, r.right, r.bottom}),
              (std::vector<long>{30, 20, W - 40, H - 25}));
}

TEST_F(Furniture, APressOnAButtonPostsItsClickToTheOwnerAndNothingElsewhere)
{
    const Bytes t = buttons({{101, 2, 2, 20, 20, 1, 0, 'A'}, {101, 2, 30, 20, 20, 77, 1, 0}});
    ASSERT_EQ(Win_InitLockMenu(w, 10, 30, t.data()), 1);
    ASSERT_EQ(Win_con(w, 0), 0);
    ZEK_object *menu = furniture(w, "pLeftMenuBar");
    const HWND m = hwnd_of(menu), owner = w.hwnd();
    const auto press = [&](int x, int y) {
        SendMessageA(m, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(m, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    pump();
    press(5, 100);
    EXPECT_TRUE(take_posted(owner).empty()) << "no button, no mouse table";
    press(5, 5);
    EXPECT_EQ(take_posted(owner), (std::vector<std::pair<UINT, WPARAM>>{{UINT(MACRO_CHAR), 'A'}}));

    press(5, 35);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, owner, WIN_COMMAND, WIN_COMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(member<ZEK_object *>(menu, "pButtonTbl")));
    DispatchMessageA(&msg);
    EXPECT_EQ((&w.i("bMenuDt"))[1], 77) << "the owner takes the side menu's command";
    EXPECT_EQ(take_posted(owner), (std::vector<std::pair<UINT, WPARAM>>{{UINT(MACRO_CHAR), 0x10034}}));

    const Win_mouse_row rows[2] = {{2, 0, 60, 29, 200, mouseJob}, {-1, 0, 0, 0, 0, nullptr}};
    member<const void *>(menu, "pMouseTable") = rows;
    press(5, 100);
    EXPECT_EQ(take_posted(owner), (std::vector<std::pair<UINT, WPARAM>>{{UINT(MACRO_CHAR), 0x42}}));
}

TEST_F(Furniture, EdgeBitsFiveDrawLinesAlongTheTopAndTheLeft)
{
    w.i("bLeftMenuEdge") = 5;
    const Bytes t = buttons({{113, 0, 0, 30, 100, 0, 0, 0}});
    ASSERT_EQ(Win_InitLockMenu(w, 10, 30, t.data()), 1);
    ASSERT_EQ(Win_con(w, 0), 0);
    const HWND m = hwnd_of(furniture(w, "pLeftMenuBar"));
    RedrawWindow(m, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT c{};
    GetClientRect(m, &c);
    HDC dc = GetDC(m);
    const COLORREF shadow = Color3dShadow(), face = Color3dFace();
    EXPECT_EQ(GetPixel(dc, 15, 0), shadow) << "top";
    EXPECT_EQ(GetPixel(dc, 0, 40), shadow) << "left";
    EXPECT_EQ(GetPixel(dc, 15, c.bottom - 1), face) << "no bottom";
    EXPECT_EQ(GetPixel(dc, c.right - 1, 40), face) << "no right";
    ReleaseDC(m, dc);
}

TEST_F(Furniture, StatusPanesTakeAtMost63BytesAndMissingPanesChangeNothing)
{
    EXPECT_EQ(Win_InitStatusBar(w, buttons({}).data()), 0);
    EXPECT_EQ(furniture(w, "pStatusBar"), nullptr) << "a failed bar leaves nothing";
    ASSERT_EQ(Win_InitStatusBar(w, nullptr), 1) << "the class registers again";
    ASSERT_EQ(Win_con(w, 0), 0);
    const long W = client()[2], H = client()[3];
    EXPECT_EQ(placed(hwnd_of(furniture(w, "pStatusBar"))), (std::vector<long>{0, H - 23, W, H}));

    char got[256];
    Win_SetStatusMsg(w, std::string(80, 'x').c_str(), 0);
    Win_GetStatusMsg(w, got, 0);
    EXPECT_EQ(std::string(got), std::string(63, 'x'));
    Win_SetStatusMsg(w, (std::string(62, 'y') + "\x82\xa0").c_str(), 0);
    Win_GetStatusMsg(w, got, 0);
    EXPECT_EQ(std::string(got), std::string(62, 'y')) << "no half character";
    for (int32_t pane : {1, -1}) {
        Win_SetStatusMsg(w, "other", pane);
        Win_GetStatusMsg(w, got, pane);
        EXPECT_EQ(std::string(got), "");
    }
    Win_GetStatusMsg(w, got, 0);
    EXPECT_EQ(std::string(got), std::string(62, 'y'));
}

TEST_F(Furniture, EachFurnitureObjectGoesOnceAndOnlyItsOwnSlotIsCleared)
{
    const Bytes t = buttons({{101, 2, 2, 20, 20, 1, 0, 'A'}});
    for (int32_t side : {10, 11, 13})
        ASSERT_EQ(Win_InitLockMenu(w, side, 30, t.data()), 1);
    ASSERT_EQ(Win_InitStatusBar(w, nullptr), 1);
    ASSERT_EQ(Win_con(w, 0), 0);
    for (const char *s : {"pLeftMenuBar", "pRightMenuBar", "pDownMenuBar", "pStatusBar"})
        overwrite(furniture(w, s), "dtor", countingDtor);

    const HWND status = hwnd_of(furniture(w, "pStatusBar"));
    DestroyWindow(status);
    EXPECT_TRUE(furniture(w, "pStatusBar") == nullptr && furniture(w, "pDownMenuBar") != nullptr);
    EXPECT_EQ(gDtors, 1);

    ZEK_object *left = furniture(w, "pLeftMenuBar");
    const HWND leftWindow = hwnd_of(left);
    left->vtbl->deleting_dtor(left, 1);
    EXPECT_TRUE(!IsWindow(leftWindow) && furniture(w, "pLeftMenuBar") == nullptr);
    EXPECT_EQ(gDtors, 2) << "deleted with its window there";

    Win_Close(furniture(w, "pRightMenuBar"));
    pump();
    EXPECT_TRUE(furniture(w, "pRightMenuBar") == nullptr && gDtors == 3);
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(w.m<RECT>("bRect").left, 0);

    DestroyWindow(w.hwnd());
    EXPECT_TRUE(furniture(w, "pDownMenuBar") == nullptr && gDtors == 4);
}
