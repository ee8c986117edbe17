// Tool frame and toolbars: the strip, floating bars, the drag and resize
// protocol, closing and the toolbar file.
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

    // An edge resize: the system's loop needs a held button, so its end is
    // sent here. The column bar comes back fitted to the size given: a row.
    ti(a, "bPos") = ti(a, "bPosBuf") = 3;
    PostMessageA(hwnd_of(a), WIN_TOOLMOVE, 0, 0);
    pump();
    const HWND before = hwnd_of(a);
    SendMessageA(before, WM_SYSCOMMAND, SC_SIZE | WMSZ_RIGHT, 0);
    SetWindowPos(before, nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(before, WM_EXITSIZEMOVE, 0, 0);
    pump();
    ASSERT_TRUE(IsWindow(hwnd_of(a)) && hwnd_of(a) != before);
    EXPECT_TRUE(ti(a, "bPos") == 2 && ti(a, "bPosBuf") == 2);
    EXPECT_EQ(bar(w, 0), a);
    SendMessageA(hwnd_of(b), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(ti(b, "bPos"), 2) << "no resize under way";
}
