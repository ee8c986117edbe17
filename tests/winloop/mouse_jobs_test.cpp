// Mouse jobs and their stack, the mouse table, presses handed to a button
// table, the wheel.
#include <cstdlib>
#include <string>

#include "winloop_util.h"

namespace {

std::string calls;

int32_t ZEKAPI jobA(ZEK_object *) { return 0; }
int32_t ZEKAPI m1(ZEK_object *) { calls += "m1 "; return 0; }
int32_t ZEKAPI slKey(ZEK_object *) { calls += "sl "; return 0x10008; }
int32_t ZEKAPI slNone(ZEK_object *) { calls += "sl "; return 0; }
int32_t ZEKAPI srKey(ZEK_object *) { calls += "sr "; return 0x1000F; }
int32_t ZEKAPI rowJob(ZEK_object *) { calls += "row "; return 0x41; }
int32_t ZEKAPI beyondTheEnd(ZEK_object *) { return 5; }

struct MouseRect { int32_t type, x1, y1, x2, y2; Win_job_fn job; };

void mouseAt(ZEK_object *o, int32_t cx, int32_t cy, int32_t gx = 0, int32_t gy = 0) {
    member<int32_t>(o, "MouseCx") = cx, member<int32_t>(o, "MouseCy") = cy;
    member<int32_t>(o, "MouseGx") = gx, member<int32_t>(o, "MouseGy") = gy;
}

TEST(MouseJobs, PopRestoresInnermostFirstTheStackIsBoundedAndTheTableGivesTheFirstRow) {
    WinObj o;
    member<int32_t>(o, "bTimerOnFlag") = 0x5A5A;  // right behind the stack
    Win_PopMouse(o);                               // refused when empty
    EXPECT_EQ(member<int32_t>(o, "MouseCount"), 0);
    Win_SetStdMouseJob(o, jobA, jobA, jobA, jobA, jobA, jobA, jobA, jobA);
    for (int i = 0; i < 12; ++i) {  // the eleventh push and the next are refused
        member<intptr_t>(o, "ExecJob") = 100 + i;
        Win_PushMouse(o);
    }
    EXPECT_EQ(member<int32_t>(o, "MouseCount"), 10);
    Win_SetStdMouseJob(o, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(reinterpret_cast<FARPROC>(slot(o, "work_md")),
              GetProcAddress(GetModuleHandleA("ZEK2.dll"), "Win_work_md"));  // the empty job
    Win_PopMouse(o);
    EXPECT_EQ(member<intptr_t>(o, "ExecJob"), 109);
    for (const char *j : {"work_sr", "work_md"})  // the ends of the eight; StdLoopTest checks sl and m1
        EXPECT_EQ(slot(o, j), reinterpret_cast<ZEK_method_fn>(jobA)) << j;
    Win_PopMouse(o);
    EXPECT_EQ(member<intptr_t>(o, "ExecJob"), 108);
    member<int32_t>(o, "MouseCount") = 50;  // a count a program spoiled
    Win_PopMouse(o), Win_PushMouse(o);
    EXPECT_EQ(member<int32_t>(o, "MouseCount"), 50);
    EXPECT_EQ(member<int32_t>(o, "bTimerOnFlag"), 0x5A5A);
    member<int32_t>(o, "MouseCount") = 0;

    // The mouse table: the first row holding the mouse, in its units.
    EXPECT_EQ(Win_GetMouseTbl(o), -1);
    const MouseRect rows[] = {{1, 2, 3, 4, 5, nullptr}, {2, 100, 50, 120, 60, nullptr},
                              {7, 0, 0, 1000, 1000, nullptr}, {1, 0, 0, 10, 10, nullptr},
                              {-1, 0, 0, 0, 0, nullptr}};
    member<const void *>(o, "pMouseTable") = rows;
    const struct { int32_t cx, cy, gx, gy, row; } cases[] = {
        {4, 5, 0, 0, 0},                              // bounds are inclusive
        {5, 5, 0, 0, 3},                              // past row 0, caught by row 3
        {50, 50, 120, 60, 1}, {50, 50, 121, 60, -1},  // pixels for type 2
        {11, 0, 500, 500, -1}};                       // type 7 never matches
    for (const auto &c : cases) {
        mouseAt(o, c.cx, c.cy, c.gx, c.gy);
        EXPECT_EQ(Win_GetMouseTbl(o), c.row) << c.cx << "," << c.cy << " " << c.gx << "," << c.gy;
    }
}

struct PressTest : ::testing::Test {
    WinObj o;
    PlainWindow w{DefWindowProcA, o};
    void SetUp() override { calls.clear(), overwrite(o, "work_m1", m1); }
    void TearDown() override { member<ZEK_object *>(o, "pButtonTbl") = nullptr; }  // borrowed
};

TEST_F(PressTest, PressesPostTheirJobsKeysOrRunTheJobOfTheMouseTableRow) {
    const MouseRect rows[] = {{1, 5, 5, 6, 6, rowJob}, {1, 0, 0, 99, 99, rowJob}, {-1, 0, 0, 0, 0, nullptr}};
    member<const void *>(o, "pMouseTable") = rows;
    overwrite(o, "work_sl", slKey);
    Win_LButtonDown(o, MK_LBUTTON);  // a key from the job: posted, the row not run
    EXPECT_EQ(calls, "m1 sl ");
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x10008}}));

    overwrite(o, "work_sl", slNone);
    mouseAt(o, 3, 4);
    calls.clear();
    Win_LButtonDown(o, MK_LBUTTON);
    EXPECT_EQ(calls, "m1 sl row m1 ");
    EXPECT_EQ(member<int32_t>(o, "CurCy"), 4);
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x41}}));

    // Outside every row: no job, no key, the cursor row stays.
    mouseAt(o, 200, 9);
    for (bool pastTheEnd : {false, true}) {  // a row number past the end row is not run either
        if (pastTheEnd)
            overwrite(o, "GetMouseTbl", beyondTheEnd);
        calls.clear();
        Win_LButtonDown(o, MK_LBUTTON);
        EXPECT_EQ(calls, "m1 sl m1 ");
        EXPECT_EQ(member<int32_t>(o, "CurCy"), 4);
        EXPECT_TRUE(w.take_posted().empty());
    }
    calls.clear();
    overwrite(o, "work_sr", srKey);
    Win_RButtonDown(o, MK_RBUTTON);
    EXPECT_EQ(calls, "m1 sr ");
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x1000F}}));
    // The wheel: the redraw key, then a scroll line and its end.
    Win_MouseWheel(o, 1);
    Win_MouseWheel(o, 0);
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x1001F}, {WM_VSCROLL, SB_LINEDOWN},
                                       {WM_VSCROLL, SB_ENDSCROLL}, {MACRO_CHAR, 0x1001F},
                                       {WM_VSCROLL, SB_LINEUP}, {WM_VSCROLL, SB_ENDSCROLL}}));
}

// A button table stand-in: the methods the window calls and a byte-packed
// button record, of which a press reads bComType and key.
#pragma pack(push, 1)
struct Button {
    char before[192 + 8 * sizeof(void *) + 16];
    int16_t bComType;
    char between[35 - 2];
    int32_t key;
    char after[2 * sizeof(void *) + 2];
    Button(int, int32_t k, int16_t type) : bComType(type), key(k) {}
};
#pragma pack(pop)

struct Table {
    Button buttons[2] = {{0, 0x10008, 0}, {0, 0x20, 3}};
    int32_t hit = -1;
    std::string log;
} table;

int32_t ZEKAPI tblGet(ZEK_object *t, int32_t i) { return i == 0 || i == 1 ? (t->pRecord = &table.buttons[i], 1) : 0; }
int32_t ZEKAPI tblDown(ZEK_object *, WPARAM) { table.log += "down "; return table.hit; }
int32_t ZEKAPI tblUp(ZEK_object *, WPARAM) { table.log += "up "; return -1; }
void ZEKAPI tblRepeat(ZEK_object *, int32_t i) { table.log += "repeat" + std::to_string(i) + " "; }
void ZEKAPI tblMove(ZEK_object *) { table.log += "move "; }
void ZEKAPI tblDtor(ZEK_object *) {}

const ZEK_member kTableRows[] = {
    {ZEK_KIND_FIELD, "key", offsetof(Button, key), 4, 1},
    {ZEK_KIND_FIELD, "bComType", offsetof(Button, bComType), 2, 1},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(tblDtor), 0, 0},
    {ZEK_KIND_METHOD, "Get", reinterpret_cast<uintptr_t>(tblGet), 4, 1},
    {ZEK_KIND_METHOD, "MouseMove", reinterpret_cast<uintptr_t>(tblMove), 0, 0},
    {ZEK_KIND_METHOD, "LButtonDown", reinterpret_cast<uintptr_t>(tblDown), 4, 1},
    {ZEK_KIND_METHOD, "LButtonUp", reinterpret_cast<uintptr_t>(tblUp), 4, 1},
    {ZEK_KIND_METHOD, "SetRepeetTimer", reinterpret_cast<uintptr_t>(tblRepeat), 0, 0},
};

// Made and released by the test; the window object only borrows it.
struct TableObject {
    ZEK_object *object = static_cast<ZEK_object *>(
        std::calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer)));
    TableObject() {
        ZEK_class_ctor2(object);
        ZEK_layer *layer = ZEK_layer_at(object, 1);
        ZEK_tbl_Init1(layer, kTableRows, 8, 6 * sizeof(void *), 0);
        layer->pszClass = "AtrTable";
        ZEK_overwrite(layer, ZEK_layer_at(object, 0), nullptr, 0, nullptr);
        table = Table();
    }
    ~TableObject() {
        ZEK_dtor(object, ZEK_layer_at(object, 1)), ZEK_dtor(object, ZEK_layer_at(object, 0)), std::free(object);
    }
};

TEST_F(PressTest, KeyAndCommandButtonsTakeThePressAndAMissGoesOnToTheJobs) {
    TableObject t;
    overwrite(o, "work_sl", slKey);
    member<ZEK_object *>(o, "pButtonTbl") = t.object;
    table.hit = 0;
    Win_LButtonDown(o, MK_LBUTTON);
    EXPECT_EQ(table.log, "down repeat0 ");
    EXPECT_EQ(calls, "");  // the button took the press, the jobs did not see it
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x10008}}));
    table.buttons[0].key = 0;
    Win_LButtonDown(o, MK_LBUTTON);
    EXPECT_TRUE(w.take_posted().empty());

    table.hit = 1;  // a command button posts the table and its record
    Win_LButtonDown(o, MK_LBUTTON);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, w.hwnd, 0, 0, PM_REMOVE));
    EXPECT_TRUE(m.message == UINT(WIN_COMMAND) && m.wParam == WPARAM(t.object) &&
                m.lParam == LPARAM(&table.buttons[1]));

    // A miss goes on to the jobs; the table sees moves and releases.
    table.hit = -1, table.log.clear(), calls.clear();
    Win_LButtonDown(o, MK_LBUTTON);
    EXPECT_EQ(calls, "m1 sl ");
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x10008}}));
    Win_MouseMove(o);
    Win_LButtonUp(o, 0);
    EXPECT_EQ(table.log, "down move up ");
}

}  // namespace
