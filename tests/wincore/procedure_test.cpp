// The window procedure: messages sent to a real window arrive at the
// object's slots, which the tests overwrite by name as programs do.
#include <cstring>
#include <string>

#include "wincore_util.h"

#include <shlobj.h>

namespace {

std::vector<int32_t> gKeys;       // InpKey each time the line input ran
std::vector<std::string> gCalls;  // hooks called, in order
std::string gDropped;

int32_t ZEKAPI recordInput(ZEK_object *o) { return gKeys.push_back(mi(o, "InpKey")), 0; }

// A hook that notes its name (and a timer's identifier) in gCalls.
template <const char *Name>
int32_t ZEKAPI note(ZEK_object *) { return gCalls.push_back(Name), 0; }
template <const char *Name>
int32_t ZEKAPI noteTimer(ZEK_object *, int32_t id) { return gCalls.push_back(std::string(Name) + " " + std::to_string(id)), 0; }
constexpr char kWorkM1[] = "work_m1", kWorkSl[] = "work_sl", kHtmlCall[] = "HtmlCall",
               kMouseMove[] = "MouseMove", kTimer[] = "Timer", kTimerCad[] = "TimerCad",
               kCommandButton[] = "CommandButton";

// 40 bytes: a two-byte character straddles the 32-byte command text.
const char *ZEKAPI longMenuText(ZEK_object *, int32_t) { return "abcdefghijklmnopqrstuvwxyz01234\x88\x9f" "56789"; }

int32_t ZEKAPI answerEverything(ZEK_object *, UINT message, WPARAM, LPARAM, LRESULT *result)
{
    return message == WM_USER + 50 ? (*result = 4242, 1) : 0;
}

int32_t ZEKAPI readDropped(ZEK_object *o, WPARAM drop)
{
    char name[MAX_PATH] = "";
    Win_DragQueryFile(o, reinterpret_cast<HDROP>(drop), 0, name, sizeof name);
    gDropped = name;
    return 1;
}

struct Procedure : ::testing::Test {
    TestWin t;
    HWND w = nullptr;
    void SetUp() override
    {
        gKeys.clear();
        gCalls.clear();
        overwrite(t.o, "Input", recordInput);
        ASSERT_EQ(Win_con(t.o, 0), 0);
        w = t.hwnd();
        take_posted(w);
    }
    void TearDown() override { press(0); }
    static void press(int vk)  // that modifier key alone held
    {
        BYTE keys[256] = {};
        keys[vk] = vk ? 0x80 : 0;
        SetKeyboardState(keys);
    }
};

TEST_F(Procedure, KeysArriveWholeAndAltF4ClosesOrGivesTheProgramsCode)
{
    // Each key once it is whole (the translation itself is the key suite's).
    press(VK_CONTROL);
    SendMessageA(w, WM_KEYDOWN, 'A', 0);
    press(0);
    SendMessageA(w, WM_KEYDOWN, 'B', 0);  // swallowed: its WM_CHAR brings it
    SendMessageA(w, WM_CHAR, 0x88, 0);
    SendMessageA(w, WM_CHAR, 0x9F, 0);
    EXPECT_EQ(gKeys, (std::vector<int32_t>{0x40041, 0x889F}));
    mi(t.o, "bKeyLoop") = 1;  // a loop reads the keys itself
    SendMessageA(w, WM_CHAR, 'c', 0);
    EXPECT_TRUE(gKeys.size() == 2u && mi(t.o, "InpKey") == 'c');

    // Alt+F4 closes or gives the program's code.
    mi(t.o, "bKeyLoop") = 0, take_posted(w);
    press(VK_MENU);
    Win_SetAltF4Code(t.o, 0x10035);
    SendMessageA(w, WM_SYSKEYDOWN, VK_F4, 0);
    const auto code = decltype(take_posted(w)){{UINT(MACRO_CHAR), WPARAM(0x10035)}};
    EXPECT_EQ(take_posted(w), code);
    SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE | 3, 0);  // the system menu; low bits are the system's
    EXPECT_EQ(take_posted(w), code);
    EXPECT_TRUE(IsWindow(w));
    Win_SetAltF4Code(t.o, 0);
    SendMessageA(w, WM_SYSKEYDOWN, VK_F4, 0);
    const auto posted = take_posted(w);
    EXPECT_TRUE(posted.size() == 1u && posted[0].first == UINT(WIN_DTOR));
}

// A button record as programs see it: byte-packed, handles at full width.
#pragma pack(push, 1)
struct Button {
    char str[64], cls[64], hint[64];
    void *bitmaps[8];
    int32_t bBmpX, bBmpY;
    int16_t bButtonType, bButtonMode;
    int32_t bComId;
    int16_t bComType, bRunMode;
    uint8_t bGlay, bOnOff, bRepeet;
    int16_t frame, group;
    int32_t geometry[6], key;
    int16_t *pMode, pModeD;
    void *proc;
};
#pragma pack(pop)
static_assert(sizeof(Button) == (sizeof(void *) == 4 ? 289 : 329), "every table's record size");

#pragma pack(push, 2)
struct MenuCommand { int32_t kind, id; char text[32]; int16_t onOff, type, runMode; };  // 46 bytes
#pragma pack(pop)

TEST_F(Procedure, ButtonAndMenuCommandsTravelThroughTheCommandRecord)
{
    ZEK_object *table = AtrTable_ctor2(nullptr);
    ASSERT_EQ(Fd_Mem_Alloc(table, 2), 1);
    Button *buttons = static_cast<Button *>(table->pBlock);
    Button &b = buttons[1];
    std::memset(b.cls, 'x', sizeof b.cls - 1);  // 63 bytes of command text
    b.bComId = 77, b.bComType = 1, b.bRunMode = 2, b.bOnOff = 1;
    member<ZEK_object *>(t.o, "pButtonTbl") = table;  // deleted with the window object
    overwrite(t.o, "CommandButton", note<kCommandButton>);

    SendMessageA(w, WIN_COMMAND, WPARAM(table), LPARAM(&b));
    const MenuCommand &c = member<MenuCommand>(t.o, "bMenuDt");
    EXPECT_EQ(std::string(c.text), std::string(31, 'x')) << "cut to its 32 bytes";
    EXPECT_TRUE(c.id == 77 && c.onOff == 1 && c.type == 1 && c.runMode == 2);
    EXPECT_EQ(gCalls, std::vector<std::string>{"CommandButton"});
    EXPECT_EQ(Win_Keyin(t.o, 0, 0, 0), 0x10034) << "the program's key wait gets the command";

    // Pointers that are not a record of one of this window's tables are not followed.
    Button stray = b;
    stray.bComId = 5;
    for (auto [list, record] : {std::pair<void *, void *>{table, &stray}, {table, reinterpret_cast<char *>(&b) + 1},
                                {reinterpret_cast<void *>(0x1234), &b}})
        SendMessageA(w, WIN_COMMAND, WPARAM(list), LPARAM(record));
    SendMessageA(w, WIN_THREADEND, WPARAM(0x1234), 0);
    EXPECT_EQ(c.id, 77);
    EXPECT_TRUE(take_posted(w).empty());

    // A menu command takes its text bounded.
    overwrite(t.o, "GetMenuProc", longMenuText);
    SendMessageA(w, WM_COMMAND, 1234, 0);
    EXPECT_TRUE(c.id == 1234 && c.type == 1);
    EXPECT_EQ(std::string(c.text), "abcdefghijklmnopqrstuvwxyz01234") << "no half character";
    EXPECT_EQ(take_posted(w).size(), 1u);
    SendMessageA(w, WM_COMMAND, 0x1000000, 0);
    EXPECT_TRUE(take_posted(w).empty());
}

TEST_F(Procedure, SystemCommandsKeepTheShowStateAndTimersReachTheirHooks)
{
    member<double>(t.o, "wSx0") = 12.5;
    auto state = [&] { return std::pair{mi(t.o, "bEdType"), mi(t.o, "bShow")}; };
    SendMessageA(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(state(), std::pair(9, 2));
    EXPECT_EQ(member<double>(t.o, "wSxBuf"), 12.5);
    SendMessageA(w, WM_SYSCOMMAND, 0xF032, 0);  // maximise by a double click
    EXPECT_EQ(state(), std::pair(10, 3));
    mi(t.o, "bShowB") = 3;
    SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(state(), std::pair(0, 5));
    EXPECT_EQ(mi(t.o, "bShowB"), 5);
    overwrite(t.o, "HtmlCall", note<kHtmlCall>);
    SendMessageA(w, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    EXPECT_EQ(gCalls, std::vector<std::string>{"HtmlCall"});

    // Timers reach their hooks and the lock holds one tick.
    gCalls.clear();
    overwrite(t.o, "Timer", noteTimer<kTimer>);
    overwrite(t.o, "TimerCad", noteTimer<kTimerCad>);
    overwrite(t.o, "work_m1", note<kWorkM1>);
    overwrite(t.o, "work_sl", note<kWorkSl>);
    for (WPARAM id : {204, 206, 7, 202})
        SendMessageA(w, WM_TIMER, id, 0);
    Win_TimerLock(t.o);
    SendMessageA(w, WM_TIMER, 204, 0);
    SendMessageA(w, WM_TIMER, 204, 0);
    EXPECT_EQ(mi(t.o, "bTimerOnFlag"), 1);
    Win_TimerUnLock(t.o);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"TimerCad 204", "Timer 7", "work_m1", "work_sl",
                                                "work_m1", "TimerCad 204"}));
    EXPECT_EQ(mi(t.o, "bTimerOnFlag"), 0);
}

TEST_F(Procedure, MouseMovesFirstAnswersAndDroppedFiles)
{
    overwrite(t.o, "MouseMove", note<kMouseMove>);
    mi(t.o, "MouseSwL") = mi(t.o, "MouseSwR") = 1;
    const int32_t cx = mi(t.o, "ChrWdBx"), cy = mi(t.o, "ChrWdBy");
    SendMessageA(w, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(3 * cx + 1, 2 * cy));
    EXPECT_EQ((std::vector<int32_t>{mi(t.o, "MouseGx"), mi(t.o, "MouseCx"), mi(t.o, "MouseCy"),
                                    mi(t.o, "MouseSwL"), mi(t.o, "MouseSwR")}),
              (std::vector<int32_t>{3 * cx + 1, 3, 2, 0, 1}));
    EXPECT_EQ(gCalls, std::vector<std::string>{"MouseMove"});
    mi(t.o, "ChrWdBx") = 0;  // cells of no width give cell 0, not a division fault
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(50, 0));
    EXPECT_EQ(mi(t.o, "MouseCx"), 0);

    // FFWndProc answers first; dropped files reach their hook.
    overwrite(t.o, "FFWndProc", answerEverything);
    EXPECT_EQ(SendMessageA(w, WM_USER + 50, 0, 0), 4242);
    EXPECT_EQ(WndProcNx(t.o, WM_USER + 50, 0, 0), 4242);
    overwrite(t.o, "DropFiles", readDropped);
    const char name[] = "C:\\plans\\site.dat\0";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof name + 1);
    auto *drop = static_cast<DROPFILES *>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char *>(drop) + sizeof(DROPFILES), name, sizeof name);
    GlobalUnlock(block);
    SendMessageA(w, WM_DROPFILES, WPARAM(block), 0);
    EXPECT_EQ(gDropped, "C:\\plans\\site.dat");
    GlobalFree(block);
}

}  // namespace
