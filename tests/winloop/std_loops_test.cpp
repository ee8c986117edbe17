// The standard command loops, driven by a scripted key source; every step
// they take is a slot, so each is recorded.
#include <cstring>
#include <deque>
#include <string>

#include "winloop_util.h"

namespace {

std::deque<int32_t> gKeys, gMenuResults, gEndResults;
std::string gLog;
ZEK_object *gJob;

int32_t next(std::deque<int32_t> &q, int32_t none)
{
    if (q.empty())
        return none;
    const int32_t r = q.front();
    q.pop_front();
    return r;
}
int32_t ZEKAPI keyin(ZEK_object *, int32_t cx, int32_t cy, int32_t caret)
{
    EXPECT_EQ(cx | cy | caret, 0);
    return next(gKeys, -1);
}
void ZEKAPI setStatus(ZEK_object *, const char *text, int32_t pane)
{
    EXPECT_EQ(pane, 0);
    gLog += std::string("status[") + text + "] ";
}
void ZEKAPI getStatus(ZEK_object *, char *buffer, int32_t pane)
{
    EXPECT_EQ(pane, 0);
    std::strcpy(buffer, "before");
}
int32_t ZEKAPI runMenu(ZEK_object *) { gLog += "menu "; return next(gMenuResults, 0); }
int32_t ZEKAPI runEnd(ZEK_object *) { gLog += "end? "; return next(gEndResults, 0); }
void ZEKAPI resetButtons(ZEK_object *, ZEK_object *skip)
{
    EXPECT_EQ(skip, nullptr);
    gLog += "reset ";
}
int32_t ZEKAPI dropFiles(ZEK_object *) { gLog += "drop "; return 0; }
int32_t ZEKAPI cadClose(ZEK_object *) { gLog += "cadclose "; return 0; }
int32_t ZEKAPI altF4(ZEK_object *) { gLog += "altf4 "; return 1; }
// The job window's steps, each checking that it is the job window's.
int32_t logJob(ZEK_object *w, const char *step, int32_t result)
{
    EXPECT_EQ(w, gJob);
    gLog += step;
    return result;
}
int32_t ZEKAPI m1(ZEK_object *w) { return logJob(w, "m1 ", 0); }
int32_t ZEKAPI startStay(ZEK_object *w) { return logJob(w, "start ", 0x1003E); }
int32_t ZEKAPI startLeave(ZEK_object *w) { return logJob(w, "start ", 0x1003D); }
int32_t ZEKAPI leave(ZEK_object *w) { return logJob(w, "leave ", 0); }
int32_t ZEKAPI redraw(ZEK_object *w) { return logJob(w, "redraw ", 0); }
int32_t ZEKAPI keyJob(ZEK_object *w, int32_t key)
{
    char s[24];
    wsprintfA(s, "key%x ", key);
    return logJob(w, s, 0);
}
int32_t ZEKAPI ownJob(ZEK_object *) { return 0; }
// A procedure of the window's Exec job, called with the loop's window.
ZEK_object *gLoopWindow;
int32_t ZEKAPI markRun(ZEK_object *exec)
{
    EXPECT_EQ(member<ZEK_object *>(exec, "pMother"), gLoopWindow);
    gLog += "run ";
    return 0;
}
// A command or job that deletes the loop's own object.
ZEK_object *gDoomed;
int32_t ZEKAPI deleteDoomed(ZEK_object *)
{
    gLog += "delete ";
    gDoomed->vtbl->deleting_dtor(gDoomed, 1);
    return 0;
}
int32_t ZEKAPI deleteDoomedByKey(ZEK_object *w, int32_t) { return deleteDoomed(w); }

struct StdLoopTest : ::testing::Test {
    WinObj o, job;
    void SetUp() override
    {
        gKeys.clear();
        gMenuResults.clear();
        gEndResults.clear();
        gLog.clear();
        gJob = job;
        gLoopWindow = o;
        overwrite(o, "Keyin", keyin);
        overwrite(o, "SetStatusMsg", setStatus);
        overwrite(o, "GetStatusMsg", getStatus);
        overwrite(o, "RunMenuProc", runMenu);
        overwrite(o, "RunEndProc", runEnd);
        overwrite(o, "ResetOnOffButton", resetButtons);
        overwrite(o, "DropFilesDir", dropFiles);
        overwrite(o, "MdiCadClose", cadClose);
        overwrite(o, "AltF4", altF4);
        Win_SetStdMouseJob(job, ownJob, ownJob, m1, ownJob, ownJob, ownJob, ownJob, ownJob);
    }
    void set_run_mode(int16_t mode)
    {
        // bMenuDt: kind, id, 32 bytes of text, on/off, type, run mode.
        std::memcpy(&member<char>(o, "bMenuDt") + 44, &mode, sizeof mode);
    }
    void expect_job_window_restored()
    {
        EXPECT_EQ(member<int32_t>(job, "MouseCount"), 0);
        EXPECT_EQ(slot(job, "work_m1"), reinterpret_cast<ZEK_method_fn>(m1));
        EXPECT_EQ(slot(job, "work_sl"), reinterpret_cast<ZEK_method_fn>(ownJob));
    }
};

const std::string kChoose = "status[処理を選択して下さい] ";

TEST_F(StdLoopTest, MainLoopRunsEachCommandAndEndsWhenTheEndIsAgreedOrTheWindowIsGone)
{
    member<ZEK_object *>(o, "pMdiSelWin") = o;
    member<void *>(o, "pCadDat") = &gLog;
    gKeys = {0x10034, 0x10034, 0x1003D, 0x1003B, 0x1003C, 0x41, 0x10035, 0x10035, 0x10034};
    gMenuResults = {0x10037, 0};
    gEndResults = {0, 1};
    EXPECT_EQ(Win_StdMainLoop(o), 0x10035);
    const std::string s = kChoose;
    EXPECT_EQ(gLog, s + s + "menu " + s + "menu reset " + s + "reset " + s + "reset drop " + s +
                        "reset cadclose " + s + s + "reset end? " + s + "reset end? ");
    EXPECT_EQ(member<ZEK_object *>(o, "pMdiSelWin"), nullptr);
    EXPECT_EQ(member<void *>(o, "pCadDat"), nullptr);
    EXPECT_EQ(gKeys.size(), 1u);

    gLog.clear();
    gKeys = {0x41};
    EXPECT_EQ(Win_StdMainLoop(o), 0x10035);
    EXPECT_EQ(gLog, kChoose + kChoose + kChoose);
}

TEST_F(StdLoopTest, SubLoopHandsOtherKeysToItsJobsAndRestoresTheStatus)
{
    gKeys = {0x1003E, 0x10036, 0x41, 0x1003B, 0x1003F, 0x1003D};
    EXPECT_EQ(Win_StdSubLoop(o, job, startStay, leave, keyJob, redraw), 0x1003D);
    EXPECT_EQ(gLog, "start redraw key10036 key41 key1003b key1003f leave status[before] ");
    expect_job_window_restored();
    gLog.clear();
    EXPECT_EQ(Win_StdSubLoop(o, job, nullptr, leave, keyJob, nullptr), -1);  // the window is gone
    EXPECT_EQ(gLog, "leave ");
    expect_job_window_restored();
    gLog.clear();
    gKeys = {0x41};
    EXPECT_EQ(Win_StdSubLoop(o, job, startLeave, leave, keyJob, nullptr), 0x1003D);
    EXPECT_EQ(gLog, "start ");  // no leave, no key read
    EXPECT_EQ(gKeys.size(), 1u);
    expect_job_window_restored();
}

TEST_F(StdLoopTest, SubLoopHandsAnOrdinaryCommandOutAndStaysForOneToRunAtOnce)
{
    PlainWindow w(DefWindowProcA, o);
    set_run_mode(0);
    gKeys = {0x10034, 0x41};
    EXPECT_EQ(Win_StdSubLoop(o, job, nullptr, leave, nullptr, nullptr), 0x10037);
    EXPECT_EQ(gLog, "m1 leave ");
    EXPECT_EQ(w.take_posted(), (Posted{{MACRO_CHAR, 0x10034}}));
    expect_job_window_restored();

    // Run at once: the window's ExecJob runs the command's procedure.
    gLog.clear();
    set_run_mode(1);
    std::memcpy(&member<char>(o, "bMenuDt") + 8, "Mark", 5);
    const ZEK_member rows[] = {{ZEK_KIND_METHOD, "Mark", reinterpret_cast<uintptr_t>(markRun), 4, 1}};
    ZEK_object *exec = Exec_ctor2(nullptr);
    int32_t records[2];
    ZEK_overwrite(ZEK_layer_at(exec, 1), ZEK_layer_at(exec, 0), rows, 1, records);
    member<int32_t>(exec, "bLogOn") = 0;
    member<intptr_t>(o, "ExecJob") = reinterpret_cast<intptr_t>(exec);
    gKeys = {0x10034, 0x10035};
    EXPECT_EQ(Win_StdSubLoop(o, job, nullptr, leave, nullptr, nullptr), 0x10035);
    EXPECT_EQ(gLog, "m1 run m1 leave altf4 ");
    ZEK_dtorC(exec);
    EXPECT_TRUE(w.take_posted().empty());
    expect_job_window_restored();
}

// Nothing is called on the object and no key is read once a command or a
// job has deleted it.
TEST_F(StdLoopTest, ACommandOrJobThatDeletesTheObjectEndsTheLoop)
{
    for (bool sub : {false, true}) {
        gDoomed = Win_ctor2(nullptr);
        overwrite(gDoomed, "Keyin", keyin);
        overwrite(gDoomed, "SetStatusMsg", setStatus);
        overwrite(gDoomed, "GetStatusMsg", getStatus);
        overwrite(gDoomed, "RunMenuProc", deleteDoomed);
        overwrite(gDoomed, "ResetOnOffButton", resetButtons);
        gLog.clear();
        gKeys = {sub ? 0x41 : 0x10034, 0x42};
        if (sub) {
            EXPECT_EQ(Win_StdSubLoop(gDoomed, job, nullptr, leave, deleteDoomedByKey, nullptr), -1);
            EXPECT_EQ(gLog, "delete leave ");
            expect_job_window_restored();
        } else {
            EXPECT_EQ(Win_StdMainLoop(gDoomed), 0x10035);
            EXPECT_EQ(gLog, kChoose + kChoose + "delete ");
        }
        EXPECT_EQ(gKeys.size(), 1u);
    }
}

}  // namespace
