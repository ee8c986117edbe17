// Tool frame and toolbars: the strip, floating bars, the drag and resize
// protocol, closing and the toolbar file.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "../menus/menus_util.h"

namespace {

ZEK_object *&bar(ZEK_object *w, int i) { return (&member<ZEK_object *>(w, "pToolBar"))[i]; }
int32_t &ti(ZEK_object *b, const char *n) { return member<int32_t>(member<ZEK_object *>(b, "pButtonTbl"), n, 2); }
HWND ghost() { return FindWindowA("ToolMoveClass", nullptr); }
RECT rect(HWND h)
{
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

LRESULT CALLBACK no_system_command(int code, WPARAM w, LPARAM l)
{
    return code == HCBT_SYSCOMMAND ? 1 : CallNextHookEx(nullptr, code, w, l);
}

std::vector<int> gPutEx;
int32_t ZEKAPI putEx(ZEK_object *, int32_t i) { return gPutEx.push_back(i), 0; }

struct Toolbars : ::testing::Test {
    TestWin w{"ZekToolbarsOwner"};
    std::string dir;
    char saved[260] = {};

    void SetUp() override
    {
        place(w, 60, 60, 500, 300);
        ASSERT_EQ(Win_InitToolFrame(w, 32), 1);
        overwrite(w, "PutToolBarEx", putEx);
        gPutEx.clear();
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        dir = std::string(tmp) + "zek_toolbars_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir.c_str(), nullptr);
        std::strcpy(saved, GetUxToolDir());
        std::strcpy(GetUxToolDir(), dir.c_str());
    }
    void TearDown() override
    {
        end_owner();
        std::strcpy(GetUxToolDir(), saved);
        WIN32_FIND_DATAA f;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
        for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &f))
            DeleteFileA((dir + "\\" + f.cFileName).c_str());
        if (h != INVALID_HANDLE_VALUE)
            FindClose(h);
        RemoveDirectoryA(dir.c_str());
    }
    void end_owner()
    {
        if (w.o)
            w.o->vtbl->deleting_dtor(w.o, 1);
        w.o = nullptr;
        pump();
    }
    // Toolbar i with one or two buttons 20 wide (docked: 36 or 58 wide).
    ZEK_object *add(int i, int n, int kind, int floatKind, const char *name = "bar")
    {
        const Btn e{101, 0, 0, 20, 20, 100 + i, 0, 'a' + i};
        const Bytes t = n == 1 ? buttons({e}) : buttons({e, e});
        EXPECT_EQ(Win_InitToolBar(w, i, name, t.data(), kind, floatKind), 1);
        return bar(w, i);
    }
    std::string file(const char *name) const { return dir + "\\" + name; }
    void write(const char *name, const std::string &bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string read(const char *name) const
    {
        std::ostringstream s;
        s << std::ifstream(file(name), std::ios::binary).rdbuf();
        return s.str();
    }
    void save_to(ZEK_object *b, const char *name)
    {
        member<int32_t>(b, "bToolSaveFlag") = 1;
        std::strcpy(&member<char>(member<ZEK_object *>(b, "pButtonTbl"), "bToolName", 2), name);
    }
    // The ghost let go at screen (x, y), as the system's move loop ends.
    void drop_at(int x, int y)
    {
        const HWND g = ghost();
        ASSERT_TRUE(g);
        MSG m;  // the system move: its loop cannot be driven here
        EXPECT_TRUE(PeekMessageA(&m, g, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
        SetWindowPos(g, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(g, WM_EXITSIZEMOVE, 0, 0);
        EXPECT_FALSE(IsWindow(g));
        pump();
    }
};

}  // namespace

TEST_F(Toolbars, DockedBarsPackDropsAndPullsKeepTheStripWithoutGaps)
{
    ZEK_object *a = add(0, 1, 0, 2), *b = add(1, 2, 0, 2), *c = add(2, 1, 0, 2);
    ASSERT_EQ(Win_con(w, 0), 0);
    EXPECT_EQ(placed(hwnd_of(a)), (std::vector<long>{0, 1, 36, 32}));
    EXPECT_EQ(placed(hwnd_of(b)), (std::vector<long>{36, 1, 94, 32}));
    EXPECT_EQ(placed(hwnd_of(c)), (std::vector<long>{94, 1, 130, 32}));

    // c by its grip, dropped between a and b.
    SendMessageA(hwnd_of(c), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
    const RECT owner = rect(w.hwnd());
    drop_at(owner.left + 20, owner.top + 40);
    EXPECT_EQ(placed(hwnd_of(a))[0], 0);
    EXPECT_EQ(placed(hwnd_of(c)), (std::vector<long>{36, 1, 72, 32}));
    EXPECT_EQ(placed(hwnd_of(b))[0], 72);

    // a pulled out of the strip floats where it was let go; the gap closes once.
    SendMessageA(hwnd_of(a), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
    drop_at(owner.right + 10, owner.top + 10);
    EXPECT_EQ(rect(hwnd_of(a)).left, owner.right + 10);
    EXPECT_TRUE(GetWindowLongA(hwnd_of(a), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(placed(hwnd_of(c))[0], 0);
    EXPECT_EQ(placed(hwnd_of(b))[0], 36);
    EXPECT_EQ(ti(a, "bTcl"), 0);
    PostMessageA(hwnd_of(a), WIN_TOOLMOVE, 0, 0);
    pump();
    EXPECT_EQ(placed(hwnd_of(b))[0], 36) << "a re-creation closes no gap again";

    // Back into the strip at its right end by the caption; the others stay.
    SendMessageA(hwnd_of(a), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    drop_at(owner.left + 400, owner.top + 40);
    EXPECT_EQ(placed(hwnd_of(a)), (std::vector<long>{94, 1, 130, 32}));
    EXPECT_EQ(placed(hwnd_of(b))[0], 36);
    EXPECT_EQ(bar(w, 0), a);
}

TEST_F(Toolbars, FloatingBarsStayOnTheScreenAndFollowAResize)
{
    const int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_EQ(Win_con(w, 0), 0);
    pump();
    const RECT owner = rect(w.hwnd());
    ZEK_object *a = add(0, 2, 2, 2), *b = add(1, 1, 2, 2);
    ti(a, "bWsx") = W - owner.left;  // relative to the owner window
    ti(b, "bWsx") = 10, ti(b, "bWsy") = H - 15 - owner.top;
    ASSERT_TRUE(Win_CreateToolBar(w, 0, 0) && Win_CreateToolBar(w, 1, 0));
    EXPECT_EQ(rect(hwnd_of(a)).right, W);
    EXPECT_EQ(rect(hwnd_of(b)).top, 103);
    EXPECT_EQ(rect(hwnd_of(b)).left, owner.left + 10);

    // An edge resize: the system's loop is kept from starting (it would wait
    // for a button), its end is sent here. The column bar comes back fitted
    // to the size given: a row.
    ti(a, "bPos") = ti(a, "bPosBuf") = 3;
    PostMessageA(hwnd_of(a), WIN_TOOLMOVE, 0, 0);
    pump();
    const HWND before = hwnd_of(a);
    HHOOK noLoop = SetWindowsHookExA(WH_CBT, no_system_command, nullptr, GetCurrentThreadId());
    SendMessageA(before, WM_SYSCOMMAND, SC_SIZE | WMSZ_RIGHT, 0);
    UnhookWindowsHookEx(noLoop);
    SetWindowPos(before, nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(before, WM_EXITSIZEMOVE, 0, 0);
    pump();
    ASSERT_TRUE(IsWindow(hwnd_of(a)) && hwnd_of(a) != before);
    EXPECT_TRUE(ti(a, "bPos") == 2 && ti(a, "bPosBuf") == 2);
    EXPECT_EQ(bar(w, 0), a);
    SendMessageA(hwnd_of(b), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(ti(b, "bPos"), 2) << "no resize under way";
}

TEST_F(Toolbars, ClosingSavesTheLayoutKeepsTheProgramsLinesAndClearsTheSlot)
{
    std::string lines = "0 Name 0 2\n1 0 0 0 0\n";
    for (int i = 3; i <= 150; ++i)
        lines += (i == 60 ? std::string(100, 'x') : "mine " + std::to_string(i)) + "\n";
    write("a.tb", lines);
    write("b.tb", "9 Other 1 1\n");
    ZEK_object *a = add(0, 1, 0, 2, "Draw"), *b = add(1, 1, 2, 2, "Float");
    save_to(a, "a.tb"), save_to(b, "b.tb");
    ASSERT_EQ(Win_con(w, 0), 0);
    pump();
    EXPECT_TRUE(Win_GetOpenToolBar(w, "Float") && GetFocus() == hwnd_of(b));

    const HWND aw = hwnd_of(a);
    PostMessageA(aw, WIN_DTOR, 0, 0);
    pump();
    EXPECT_TRUE(!IsWindow(aw) && bar(w, 0) == nullptr);
    const std::string got = read("a.tb");
    const size_t two = got.find('\n', got.find('\n') + 1) + 1;
    EXPECT_EQ(got.substr(0, 13), "0 Name 0 2\n1 ");
    EXPECT_EQ(got.substr(two), lines.substr(lines.find("mine 3")));

    // The close box asks AltF4: a program's key keeps the bar, else it closes.
    mi(b, "AltF4Code") = 0x1234;
    SendMessageA(hwnd_of(b), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(take_posted(hwnd_of(b)), (std::vector<std::pair<UINT, WPARAM>>{{UINT(MACRO_CHAR), 0x1234}}));
    mi(b, "AltF4Code") = 0;
    SendMessageA(hwnd_of(b), WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_EQ(bar(w, 1), nullptr);
    const std::string one = read("b.tb");
    EXPECT_EQ(one.substr(0, 14), "0 Other 2 2\n1 ");
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 2);
    EXPECT_EQ(gPutEx, (std::vector<int>{0, 1}));
}

TEST_F(Toolbars, AFailedWriteLeavesTheFileAsItWas)
{
    ZEK_object *a = add(0, 1, 0, 2, "Bar one");
    ASSERT_EQ(Win_con(w, 0), 0);
    EXPECT_EQ(Win_PutToolBar(a), 0) << "not to be saved";
    save_to(a, "a.tb");
    EXPECT_EQ(Win_PutToolBar(a), 0) << "no file";

    write("a.tb", "");
    ASSERT_EQ(Win_PutToolBar(a), 1);
    EXPECT_EQ(read("a.tb").substr(0, 16), "0 Bar_one 0 2\r\n1");
    write("a.tb", "junk\n1 0 0 0 0\nmine");
    ASSERT_EQ(Win_PutToolBar(a), 1);
    const std::string got = read("a.tb");
    EXPECT_TRUE(got.rfind("0 Bar_one 0 2\n1 ", 0) == 0 && got.substr(got.size() - 5) == "\nmine") << got;

    HANDLE held = CreateFileA(file("a.tb").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Win_PutToolBar(a), 0);
    CloseHandle(held);
    EXPECT_EQ(read("a.tb"), got);
    WIN32_FIND_DATAA f;
    HANDLE h = FindFirstFileA((dir + "\\*.tmp").c_str(), &f);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "no file left behind";
    if (h != INVALID_HANDLE_VALUE)
        FindClose(h);
}

TEST_F(Toolbars, SlotsLookupsClicksAndDeletion)
{
    TestWin bare{"ZekToolbarsBare"};
    EXPECT_EQ(Win_GetToolBarNextPos(bare), -1) << "no tool frame";
    EXPECT_EQ(Win_InitToolBar(bare, 0, "x", buttons({{101, 0, 0, 20, 20, 1, 0, 'x'}}).data(), 0, 2), 0);
    for (int32_t i : {-1, 20}) {
        EXPECT_EQ(Win_InitToolBar(w, i, "x", buttons({{101, 0, 0, 20, 20, 1, 0, 'x'}}).data(), 0, 2), 0);
        EXPECT_EQ(Win_CreateToolBar(w, i, 0), 0);
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Win_GetToolBarNextPos(w), i);
        add(i, 1, i < 18 ? 0 : 2, 2, i == 19 ? "last" : "bar");
    }
    EXPECT_EQ(Win_GetToolBarNextPos(w), -1);
    EXPECT_TRUE(!Win_GetOpenToolBar(w, "none") && !Win_GetOpenToolBar(w, "") &&
                !Win_GetOpenToolBar(w, nullptr));
    ZEK_object *unplaced = bar(w, 5);
    unplaced->vtbl->deleting_dtor(unplaced, 1);
    EXPECT_EQ(Win_GetToolBarNextPos(w), 5);

    ASSERT_EQ(Win_con(w, 0), 0);
    pump();
    // A button's click goes to the owner; the grip and its edges are drawn.
    const HWND first = hwnd_of(bar(w, 0)), owner = w.hwnd();
    SendMessageA(first, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 10));
    SendMessageA(first, WM_LBUTTONUP, 0, MAKELPARAM(15, 10));
    SendMessageA(hwnd_of(member<ZEK_object *>(w, "pToolFrame")), MACRO_CHAR, 'z', 0);
    EXPECT_EQ(take_posted(owner),
              (std::vector<std::pair<UINT, WPARAM>>{{UINT(MACRO_CHAR), 'a'}, {UINT(MACRO_CHAR), 'z'}}));
    pump();
    RedrawWindow(first, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(first);
    EXPECT_TRUE(GetPixel(dc, 2, 10) == Color3dHiLight() && GetPixel(dc, 4, 10) == Color3dShadow() &&
                GetPixel(dc, 35, 10) == Color3dShadow() && GetPixel(dc, 3, 10) == Color3dFace());
    ReleaseDC(first, dc);

    // A bar deleted with its window there leaves its slot; none other goes.
    ZEK_object *floating = bar(w, 19);
    const HWND fw = hwnd_of(floating);
    floating->vtbl->deleting_dtor(floating, 1);
    pump();
    EXPECT_TRUE(!IsWindow(fw) && bar(w, 19) == nullptr && bar(w, 18) != nullptr);
    EXPECT_TRUE(gPutEx.empty());
}

TEST_F(Toolbars, DeletingTheOwnerSavesDockedAndFloatingBars)
{
    write("a.tb", "0 A 0 2\n1 0 0 0 0\nmine\n");
    write("b.tb", "0 B 2 2\n1 0 0 0 0\n");
    ZEK_object *a = add(0, 1, 0, 2, "A"), *b = add(3, 1, 2, 2, "B");
    save_to(a, "a.tb"), save_to(b, "b.tb");
    ASSERT_EQ(Win_con(w, 0), 0);
    pump();
    ti(a, "bPosBuf") = 3;
    end_owner();
    EXPECT_EQ(read("a.tb").substr(0, 8), "0 A 0 3\n");
    EXPECT_EQ(read("b.tb").substr(0, 8), "0 B 2 2\n");
    EXPECT_EQ(gPutEx, (std::vector<int>{0, 3}));
}
