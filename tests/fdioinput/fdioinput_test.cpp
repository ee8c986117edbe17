// The table editor on a real window over a temporary record file: a scripted
// cell input drives the loop, the row hooks are logged and the file's bytes
// are read back.
#include <deque>
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"

namespace {

constexpr int32_t kEnd = 0x1000F, kEnter = 0x10008, kTab = 0x10006, kShiftTab = 0x30006;
constexpr int32_t kPgUp = 0x10011, kDown = 0x10018, kShiftIns = 0x3001A, kShiftDel = 0x3001B;
constexpr int32_t kShiftHome = 0x30014;
constexpr int kRec = 8;

// A step of the scripted cell input: the key that ends it, the byte typed
// into the cell (none for 0), and whether an autosave tick with a change
// pending is dispatched before the key.
struct Step {
    int32_t key;
    char value = 0;
    bool tick = false;
};
std::deque<Step> gScript;
std::string gLog;
std::vector<int32_t> gCtrl;  // InputCtrl's answers, in order
int32_t(ZEKAPI *gTick)(ZEK_object *, int32_t);  // the window's TimerInp during the loop
void add(const std::string &s) { gLog += s + " "; }
std::string num(int32_t v) { return std::to_string(v); }

int32_t ZEKAPI inputLine(ZEK_object *f, ZEK_object *w, int32_t, int32_t, int32_t c, int32_t x, int32_t) {
    add("I" + num(c) + "," + num(x));
    if (gScript.empty())
        return kEnd;
    Step s = gScript.front();
    gScript.pop_front();
    if (s.value && Fd_Io_Get(f, c)) {
        static_cast<char *>(f->pRecord)[x - 1] = s.value;
        Fd_Io_Put(f, c);
    }
    if (s.tick) {
        FdioInput_EditFlagOn(f);
        gTick = reinterpret_cast<decltype(gTick)>(slot(w, "TimerInp"));
        PostMessageA(member<HWND>(w, "hWnd"), WM_TIMER, 205, 0);
        pump();
    }
    return s.key;
}
int32_t ZEKAPI inputLine5(ZEK_object *, ZEK_object *, int32_t, int32_t, int32_t, int32_t, int32_t) { return add("I5"), kEnd; }
void ZEKAPI drawLine(ZEK_object *, ZEK_object *, int32_t r, int32_t c, int32_t y) { add("L" + num(r) + ":" + num(c) + "@" + num(y)); }
void ZEKAPI drawDel(ZEK_object *, ZEK_object *, int32_t y) { add("D@" + num(y)); }
void ZEKAPI saveJob(ZEK_object *, int32_t s, int32_t e) { add("S" + num(s) + "," + num(e)); }
int32_t ZEKAPI delMsg(ZEK_object *, ZEK_object *, int32_t c) { return add("?del" + num(c)), 1; }
int32_t ZEKAPI insMsg(ZEK_object *, ZEK_object *, int32_t c, int32_t y) { return add("!ins" + num(c) + "@" + num(y)), 1; }
int32_t ZEKAPI ctrl(ZEK_object *, ZEK_object *, int32_t key) {
    add("C" + num(key));
    if (gCtrl.empty())
        return 0;
    int32_t k = gCtrl.front();
    gCtrl.erase(gCtrl.begin());
    return k;
}
int32_t ZEKAPI fails(ZEK_object *, ...) { return 0; }

struct Table : ::testing::Test {
    TestWin w{"ZekTableTest"};
    ZEK_object *f = FdioInput_ctor2(nullptr);
    char name[MAX_PATH] = {};

    void SetUp() override {
        Win_InitVScrollBar(w, 1, 0, 0, 0);
        ASSERT_EQ(Win_con(w, 0), 0);
        pump();
        w.i("AltF4Code") = kEnd;
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "tbl", 0, name);
        Fd_Io_SetFileName(f, name);
        rec("bRecSize") = kRec;
        ASSERT_EQ(Fd_Io_Open(f, 4, 0, 2), 1);
        hook("InputLine", inputLine), hook("InputLine5", inputLine5), hook("DrawLine", drawLine);
        hook("DrawDelLine", drawDel), hook("InputSaveJob", saveJob), hook("LineDelMsg", delMsg);
        hook("LineInsMsg", insMsg), hook("InputCtrl", ctrl);
        FdioInput_InputMode(f, 0, 1, 2);
        gScript.clear(), gLog.clear(), gCtrl.clear();
    }
    void TearDown() override {
        Fd_Io_Close(f);
        f->vtbl->deleting_dtor(f, 1);
        DeleteFileA(name);
    }
    template <typename Fn>
    void hook(const char *n, Fn fn, int level = 2) { slot(f, n, level) = reinterpret_cast<ZEK_method_fn>(fn); }
    int32_t &rec(const char *n) { return member<int32_t>(f, n, 1); }
    int32_t &ed(const char *n) { return member<int32_t>(f, n, 2); }
    // Records of kRec bytes, each given by its first bytes.
    void fill(const std::vector<std::string> &rows) {
        for (size_t r = 0; r < rows.size(); ++r) {
            Fd_Io_Get(f, int32_t(r));
            memcpy(f->pRecord, rows[r].c_str(), rows[r].size());
            Fd_Io_Put(f, int32_t(r));
        }
        rec("bDatE") = int32_t(rows.size()) - 1;
    }
    // The first n records of the file, each cut at its first zero byte.
    std::vector<std::string> file(int n, bool flush = true) {
        if (flush) {
            EXPECT_EQ(Fd_Io_Flush(f), 1);
        }
        std::vector<std::string> rows;
        HANDLE h = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        char b[kRec + 1] = {};
        DWORD got = 0;
        for (int r = 0; r < n && ReadFile(h, b, kRec, &got, nullptr) && got == kRec; ++r)
            rows.emplace_back(b);
        CloseHandle(h);
        return rows;
    }
    int32_t run(std::vector<Step> s) {
        gScript.assign(s.begin(), s.end());
        return FdioInput_InputLoop(f, w);
    }
    std::string log() { std::string s; return s.swap(gLog), s; }
    std::vector<int32_t> bar() {
        SCROLLINFO s{};
        s.cbSize = sizeof s, s.fMask = SIF_ALL;
        GetScrollInfo(w.m<HWND>("hWndVScroll"), SB_CTL, &s);
        return {s.nMin, s.nMax, int32_t(s.nPage), s.nPos};
    }
};
using Rows = std::vector<std::string>;

}  // namespace

TEST_F(Table, ThreeLayersWithTheirDefaults) {
    ZEK_object *g = FdioInput_ctor2(nullptr);
    ZEK_layer *l = ZEK_layer_at(g, 2);
    EXPECT_STREQ(l->pszClass, "FdioInput");
    EXPECT_TRUE(l->pBase == ZEK_layer_at(g, 1) && ZEK_layer_at(g, 1)->pDerived == l);
    EXPECT_EQ(l->nDataRow * 100 + l->nMethodRow, 2452);
    EXPECT_EQ(ZEK_NameSearch(l, "SetDrawPageA"), 51);
    if (sizeof(void *) == 4) {
        EXPECT_EQ(l->pDataRow[23].place + l->pDataRow[23].size, 172u) << "the 32-bit data area";
    }
    std::vector<int32_t> got;
    for (const char *n : {"bDspYs", "bDspYn", "bDspXs", "bDspXe", "bInsFlag", "bCurY", "bInpY",
                          "bInsDel", "bUpDown", "bCurX", "bInpMode", "bDelLock"})
        got.push_back(member<int32_t>(g, n, 2));
    EXPECT_EQ(got, (std::vector<int32_t>{2, 10, 1, 1, 1, 2, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(member<int32_t>(g, "bMaxRec", 1) * 10 + member<int32_t>(g, "bDatE", 1), 89999);
    FdioInput_UpDownSw(g);
    EXPECT_EQ(member<int32_t>(g, "bUpDown", 2), -1);
    ZEK_dtorC(g);
}

TEST_F(Table, EnterInTheLastColumnOfTheEmptyRowAppendsARecord) {
    FdioInput_CurSHome(f, w, 0);
    log();
    EXPECT_EQ(run({{kEnter, 'a'}, {kEnter, 'b'}}), 0);
    EXPECT_EQ(log(), "D@2 L0:0@2 I0,1 I0,2 D@3 L1:0@3 I1,1 S0,0 ");
    EXPECT_EQ(rec("bDatE"), 0);
    EXPECT_EQ(file(2), (Rows{"ab", ""}));
    EXPECT_EQ(ed("bInpFlag"), 0) << "saved at the end";
}

TEST_F(Table, DownFromTheLastRecordClearsTheEmptyRowAndGoesNoFurther) {
    fill({"A", "B", "stale"});
    rec("bDatE") = 1;
    FdioInput_SetDrawPage(f, w, 1);
    log();
    run({{kDown}, {kDown}});
    EXPECT_EQ(log(), "I1,1 D@4 L2:0@4 I2,1 I2,1 S0,1 ");
    EXPECT_EQ(rec("bDatC"), 2);
    EXPECT_EQ(file(3), (Rows{"A", "B", ""}));
}

TEST_F(Table, ShiftDeleteAsksUnlessLockedAndSkipsTheEmptyRow) {
    fill({"A", "B", "C"});
    FdioInput_SetDrawPage(f, w, 1);
    log();
    run({{kShiftDel}});
    EXPECT_EQ(log(), "I1,1 ?del1 L1:2@3 D@4 D@5 D@6 D@7 D@8 D@9 D@10 D@11 I1,1 S0,1 ");
    EXPECT_EQ(file(3), (Rows{"A", "C", ""}));
    FdioInput_SetDelLock(f, 1);
    run({{kShiftDel}});
    EXPECT_EQ(log(), "I1,1 I1,1 ");
    FdioInput_SetDelLock(f, 0);
    FdioInput_CurSHome(f, w, 0);
    log();
    run({{kShiftDel}});
    EXPECT_EQ(log(), "D@4 L2:0@4 I2,1 I2,1 S0,1 ") << "the empty row is no record to delete";
    EXPECT_EQ(rec("bDatE"), 1);
}

TEST_F(Table, ShiftInsertOpensAZeroedRecordAndAFailedInsertChangesNothing) {
    fill({"A", "B"});
    FdioInput_SetDrawPage(f, w, 1);
    log();
    run({{kShiftIns}});
    EXPECT_EQ(log(), "I1,1 D@3 L1:0@3 L2:2@4 D@5 D@6 D@7 D@8 D@9 D@10 D@11 !ins1@3 I1,1 S0,2 ");
    EXPECT_EQ(file(3), (Rows{"A", "", "B"}));
    hook("InsData", fails, 1);  // the record file refuses, as on a full disk
    run({{kShiftIns}});
    EXPECT_EQ(log(), "I1,1 I1,1 ");
    EXPECT_EQ(rec("bDatE"), 2);
}

TEST_F(Table, TabAndShiftTabWrapAroundTheColumns) {
    fill({"A"});
    FdioInput_InputMode(f, 0, 1, 3);
    ed("bInpMode") = 7;  // no such hook: the first one
    run({{kShiftTab}, {kTab}, {kTab}});
    EXPECT_EQ(log(), "I0,1 I0,3 I0,1 I0,2 ");
    ed("bInpMode") = 4;
    run({});
    EXPECT_EQ(log(), "I5 ");
}

TEST_F(Table, PagesSetDrawPageAndTheScrollBar) {
    run({{kPgUp}});
    EXPECT_EQ(log(), "I0,1 I0,1 ") << "Page Up on an empty table draws nothing";
    rec("bDatE") = 99;
    FdioInput_SetDrawPage(f, w, 37);
    EXPECT_EQ(ed("bDatPg") * 100 + rec("bDatC"), 3037);
    EXPECT_EQ(log().substr(0, 16), "L30:2@2 L31:2@3 ");
    EXPECT_EQ(FdioInput_NextPage(f, w), 1);
    EXPECT_EQ(bar(), (std::vector<int32_t>{0, 99, 10, 40}));
    EXPECT_EQ(FdioInput_CurVertScroll(f, w, 1000), 1);
    EXPECT_EQ(ed("bDatPg") * 1000 + rec("bDatC"), 91100);
    EXPECT_EQ(ed("bCurX"), 0) << "on the empty row";
    EXPECT_EQ(take_posted(w.hwnd()).back().second, WPARAM(0x1003F));
}

TEST_F(Table, InputCtrlGetsItsKeysBackAndTheEndKeyAlwaysEnds) {
    fill({"A"});
    gCtrl = {0x41, 0};
    run({{0x61}, {kEnd}});
    EXPECT_EQ(log(), "I0,1 C97 C65 I0,1 ") << "the end key never reaches InputCtrl";
    gCtrl = {kEnd};
    EXPECT_EQ(run({{0x62}, {0x63}}), 0);
    EXPECT_EQ(log(), "I0,1 C98 ") << "InputCtrl handing back the end key ends the table";
}

TEST_F(Table, AutosaveRunsOncePerTickWhileTheLoopRunsAndNeverAfter) {
    fill({"A"});
    const ZEK_method_fn before = slot(w, "TimerInp");
    run({{kTab, 'x', true}, {kTab, 0, true}, {kTab}});
    EXPECT_EQ(log(), "I0,1 S0,0 I0,2 S0,0 I0,1 I0,2 ");
    EXPECT_EQ(file(1, false), (Rows{"x"})) << "the tick wrote the changed block";
    EXPECT_EQ(slot(w, "TimerInp"), before);
    EXPECT_EQ(member<void *>(w, "pFdInpBuf"), nullptr);
    FdioInput_EditFlagOn(f);
    EXPECT_EQ(gTick(w, 205), 0) << "a tick queued before the loop ended";
    PostMessageA(w.hwnd(), WM_TIMER, 205, 0);
    pump();
    EXPECT_EQ(log(), "");
}

TEST_F(Table, AFileThatCannotBeWrittenIsReportedAndKeepsTheEdits) {
    fill({"A"});
    hook("Flush", fails, 1), hook("PushBuf", fails, 1);
    EXPECT_EQ(run({{kEnter, 'x', true}}), FDIO_INPUT_WRITE_FAILED);
    EXPECT_EQ(log(), "I0,1 I0,2 ") << "no save job while the records are not in the file";
    EXPECT_EQ(FdioInput_GetEditFlag(f), 1);
    EXPECT_EQ(FdioInput_InputInitData(f, w), 0) << "an unsaved table is not emptied";
    EXPECT_EQ(rec("bDatE"), 0);
    hook("Flush", Fd_Io_Flush, 1);
    EXPECT_EQ(FdioInput_InputDataSave(f), 1);
    EXPECT_EQ(log(), "S0,0 ");
    EXPECT_EQ(file(1), (Rows{"x"}));
}

TEST_F(Table, MouseClicksOnlyOnTheTableRows) {
    fill({"A", "B", "C", "stale"});
    rec("bDatE") = 2;
    auto click = [&](int32_t cy, int32_t column) { return w.i("MouseCy") = cy, FdioInput_SetMouseAdd(f, w, column); };
    EXPECT_EQ(click(1, 2) + click(6, 2), 0) << "above the table, past the empty row";
    EXPECT_EQ(rec("bDatC"), 0);
    EXPECT_EQ(click(3, 2), 1);
    EXPECT_EQ(rec("bDatC") * 10 + ed("bCurX"), 12);
    EXPECT_EQ(click(5, 2), 1);
    EXPECT_EQ(rec("bDatC") * 10 + ed("bCurX"), 31) << "the empty row is entered at column 1";
    EXPECT_EQ(log(), "L3:0@5 ");
    EXPECT_EQ(file(4), (Rows{"A", "B", "C", ""}));
    ed("bInpY") = 0;
    EXPECT_EQ(click(4, 2), 1);
    EXPECT_EQ(rec("bDatC"), 2);
}
