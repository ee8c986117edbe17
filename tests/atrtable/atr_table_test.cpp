// Button tables driven through a real window: presses, states, timers, the
// hint window and the release of what a table owns.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"
#include "button.h"

namespace {

std::vector<std::string> gDraws;
void ZEKAPI drawButton(ZEK_object *, int32_t i, int32_t mode, int32_t pressed)
{
    gDraws.push_back(std::to_string(i) + ":" + std::to_string(mode) + std::to_string(pressed));
}

int32_t &ti(ZEK_object *t, const char *name) { return member<int32_t>(t, name, 2); }

// A window of 400 x 200 at (x, y) with n buttons of 20 x 20 in a row.
struct Bar : ::testing::Test {
    TestWin win{"ZekAtrTest"};
    ZEK_object *t = AtrTable_ctor2(nullptr);
    Button *b = nullptr;
    HWND w = nullptr;
    void make(int n, int x = 50, int y = 50)
    {
        place(win, x, y, 400, 200);
        ASSERT_EQ(Win_con(win, 0), 0);
        w = win.hwnd();
        ASSERT_EQ(Fd_Mem_Alloc(t, n), 1);
        b = static_cast<Button *>(t->pBlock);
        for (int i = 0; i < n; ++i) {
            b[i].sx = 20 * i, b[i].wx = b[i].wy = 20, b[i].frame = 101;
            b[i].pMode = &b[i].pModeD;
        }
        member<ZEK_object *>(t, "pWin", 2) = win;
        win.m<ZEK_object *>("pButtonTbl") = t;  // deleted with the window object
        slot(t, "DrawButton", 2) = reinterpret_cast<ZEK_method_fn>(drawButton);
        pump();
        posted();
        gDraws.clear();
    }
    // What was posted to the window, timer ticks and pointer moves left out.
    std::vector<std::pair<UINT, WPARAM>> posted()
    {
        auto got = take_posted(w);
        got.erase(std::remove_if(got.begin(), got.end(),
                                 [](const auto &m) { return m.first == WM_TIMER || m.first == WM_MOUSEMOVE; }),
                  got.end());
        return got;
    }
    POINT at(int i, int dy = 5)  // the pointer on button i, in screen pixels
    {
        POINT p{20 * i + 5, dy};
        ClientToScreen(w, &p);
        SetCursorPos(p.x, p.y);
        return p;
    }
    void send(UINT message, int i)
    {
        at(i);
        SendMessageA(w, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                     MAKELPARAM(20 * i + 5, 5));
    }
    void click(int i) { send(WM_LBUTTONDOWN, i), send(WM_LBUTTONUP, i); }
    std::vector<std::string> draws() { auto d = gDraws; gDraws.clear(); return d; }
};

}  // namespace

TEST_F(Bar, PressesPostTheKeyOrTheRecordAndRefuseWhatIsNotThere)
{
    make(6);
    b[0].key = 0x41;
    b[1].bComType = 1, b[1].bComId = 9;
    b[2].bGlay = 1, b[3].bGlay = 2, b[4].frame = 110, b[5].frame = 109;
    click(0);
    EXPECT_EQ(posted(), (std::vector<std::pair<UINT, WPARAM>>{{MACRO_CHAR, 0x41}}));
    send(WM_LBUTTONDOWN, 1);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, w, 0, 0, PM_REMOVE));
    EXPECT_TRUE(m.message == UINT(WIN_COMMAND) && m.wParam == WPARAM(t) && m.lParam == LPARAM(&b[1]));
    send(WM_LBUTTONUP, 1);
    for (int i : {2, 3, 4, 5}) {
        ti(t, "OpeRec") = 77;
        send(WM_LBUTTONDOWN, i);
        EXPECT_EQ(ti(t, "RunPos"), -1) << i;
        EXPECT_TRUE(posted().empty()) << i;
        send(WM_LBUTTONUP, i);
        EXPECT_EQ(ti(t, "OpeRec"), i < 4 ? i : 77) << "fields and separators are never hit";
    }
    // A record of an object of another class is not followed.
    ZEK_object *other = Fd_Mem_ctor2(nullptr);
    win.m<ZEK_object *>("pButtonTbl") = other;
    member<int32_t>(other, "bRecSize") = int32_t(sizeof(Button));
    Fd_Mem_Alloc(other, 1);
    static_cast<Button *>(other->pBlock)->bComId = 5;
    SendMessageA(w, WIN_COMMAND, WPARAM(other), LPARAM(other->pBlock));
    EXPECT_NE((&member<int32_t>(win, "bMenuDt"))[1], 5);
    EXPECT_TRUE(posted().empty());
    win.m<ZEK_object *>("pButtonTbl") = t;
    other->vtbl->deleting_dtor(other, 1);
}

TEST_F(Bar, TogglesRadiosGroupsAndDragOff)
{
    make(7);
    b[0].bOnOff = 1;
    click(0), click(0);
    EXPECT_EQ(b[0].pModeD, 0);
    EXPECT_EQ(draws(), (std::vector<std::string>{"0:11", "0:10"}));
    b[1].bOnOff = b[2].bOnOff = 2;
    b[1].pModeD = 1;
    click(2);
    EXPECT_TRUE(b[1].pModeD == 0 && b[2].pModeD == 1);
    EXPECT_EQ(draws(), (std::vector<std::string>{"1:00", "2:11"}));

    // A group: the new and the old selection are redrawn, no other member.
    b[3].group = b[4].group = b[5].group = 4;
    b[4].pMode = b[5].pMode = &b[3].pModeD;
    b[3].pModeD = 1;
    slot(t, "DrawButton", 2) = reinterpret_cast<ZEK_method_fn>(AtrTable_DrawButton);
    slot(t, "DrawButton1", 2) = reinterpret_cast<ZEK_method_fn>(drawButton);
    send(WM_LBUTTONDOWN, 5);
    EXPECT_EQ(b[3].pModeD, 3);
    EXPECT_EQ(draws(), (std::vector<std::string>{"3:00", "5:21"}));
    send(WM_LBUTTONUP, 5);

    // Press on a push button, drag to the next, release there.
    slot(t, "DrawButton", 2) = reinterpret_cast<ZEK_method_fn>(drawButton);
    b[6].pMode = nullptr;
    b[6].sx = 0, b[6].sy = 30;  // below the row
    POINT p{5, 35};
    ClientToScreen(w, &p), SetCursorPos(p.x, p.y);
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 35));
    EXPECT_EQ(ti(t, "SelPos"), 6);
    draws();
    send(WM_MOUSEMOVE, 1);
    EXPECT_EQ(ti(t, "SelPos"), -1) << "the press is cancelled";
    const auto d = draws();
    EXPECT_TRUE(!d.empty() && d.front() == "6:00" && d.back() == "1:10") << "raised; B hovered";
    EXPECT_EQ(AtrTable_LButtonUp(t, 0), 1) << "the button under the pointer";
}

TEST_F(Bar, RepeatTimerSpeedsUpOnlyWhileItRuns)
{
    make(2);
    b[0].bRepeet = 1;
    at(0);
    member<int32_t>(win, "MouseGx") = 5, member<int32_t>(win, "MouseGy") = 5;
    EXPECT_EQ(AtrTable_LButtonDown(t, 0), 0);
    EXPECT_TRUE(ti(t, "bRepeetFg") == 1 && ti(t, "bRepeetTimer") == 500);
    posted();
    SendMessageA(w, WM_TIMER, 201, 0);
    EXPECT_EQ(ti(t, "bRepeetTimer"), 30);
    EXPECT_EQ(posted(), (std::vector<std::pair<UINT, WPARAM>>{{WIN_BUTTON_REPEET, 0},
                                                                   {MACRO_CHAR, 0x10034}}));
    AtrTable_LButtonUp(t, 0);
    member<int32_t>(win, "MouseGx") = 25;
    ti(t, "bRepeetTimer") = 500;
    AtrTable_LButtonDown(t, 0);  // no repeat on button 1
    AtrTable_SetRepeetTimer(t);
    EXPECT_TRUE(ti(t, "bRepeetFg") == 0 && ti(t, "bRepeetTimer") == 500);
}

TEST_F(Bar, HintShowsBelowThePointerOnScreenAndGoesWithItsTable)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    make(1, sw - 400, sh - 200);
    SetWindowPos(w, nullptr, sw - 400, sh - 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::memset(b[0].hint, 'h', sizeof b[0].hint);  // 64 bytes, no terminator
    SetCursorPos(sw - 10, sh - 10);  // near the bottom right of the screen
    ti(t, "HintRec") = 0;
    SendMessageA(w, WM_TIMER, 200, 0);
    HWND hint = FindWindowA("HintClass", nullptr);
    ASSERT_TRUE(hint);
    RECT r;
    GetWindowRect(hint, &r);
    EXPECT_TRUE(r.right == sw && r.bottom == sh) << "kept on the screen";
    EXPECT_EQ(ti(t, "bHint"), 1);
    EXPECT_EQ(ti(t, "HintGy"), member<int32_t>(win, "MouseGy") + 20);

    // Higher up, the hint starts 20 pixels below the pointer.
    AtrTable_HintOff(t, 1);
    pump();
    EXPECT_FALSE(FindWindowA("HintClass", nullptr));
    EXPECT_TRUE(ti(t, "bHint") == 0 && ti(t, "bWaitPaint") == 1);
    const POINT q = at(0, 5);
    SendMessageA(w, WM_TIMER, 200, 0);
    GetWindowRect(hint = FindWindowA("HintClass", nullptr), &r);
    EXPECT_TRUE(r.left == q.x && r.top == q.y + 20);

    win.m<ZEK_object *>("pButtonTbl") = nullptr;
    t->vtbl->deleting_dtor(t, 1);
    EXPECT_FALSE(IsWindow(hint)) << "the hint does not outlive its table";
    pump();
}

TEST_F(Bar, DestructorDeletesEachBitmapOnce)
{
    make(1);
    HBITMAP normal = CreateBitmap(4, 4, 1, 1, nullptr), changed = CreateBitmap(4, 4, 1, 1, nullptr),
            selected = CreateBitmap(4, 4, 1, 1, nullptr);
    b[0].bButtonType = 1, b[0].bButtonMode = 1;
    b[0].hBmp = b[0].hBmpCh = changed, b[0].hBmpBuf = normal, b[0].hBmpUn = selected;
    win.m<ZEK_object *>("pButtonTbl") = nullptr;
    t->vtbl->deleting_dtor(t, 1);
    for (HBITMAP h : {normal, changed, selected})
        EXPECT_EQ(GetObjectType(h), 0u);
}
