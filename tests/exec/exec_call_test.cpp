// Exec_ExecCall: own procedures, module procedures and who deletes what.
#include <string>

#include "exec_util.h"

namespace {

ZEK_object *gSeenMother;
int32_t ZEKAPI plus(ZEK_object *o)
{
    gSeenMother = member<ZEK_object *>(o, "pMother");
    return int32_t(member<intptr_t>(o, "pData")) + member<int32_t>(o, "bCount");
}
int32_t ZEKAPI replaced_plus(ZEK_object *) { return -1; }

const ZEK_member kOwn[] = {proc_row("Plus", plus)};

std::string module_text(const char *procedure) { return std::string(kModule) + "\\" + procedure; }

}  // namespace

TEST(ExecCall, RunsAnOwnProcedureWithTheCallsValuesAndRestoresTheObject)
{
    OwnExec e(kOwn, 1);
    auto *before = reinterpret_cast<ZEK_object *>(&e);  // any earlier caller
    e.m<ZEK_object *>("pMother") = before;
    EXPECT_EQ(Exec_SearchProc(e, "Plus"), plus);
    EXPECT_EQ(reinterpret_cast<void *>(Exec_SearchProc(e, "ExecCall")),
              reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("ZEK2.dll"), "Exec_ExecCall")));
    EXPECT_EQ(Exec_SearchProc(e, "NetDel"), nullptr);  // the root is not searched
    EXPECT_EQ(Exec_ExecCall(e, "Plus", nullptr, 40, 2), 42);
    EXPECT_EQ(gSeenMother, nullptr);
    EXPECT_EQ(e.m<ZEK_object *>("pMother"), before);
    EXPECT_EQ(e.m<int32_t>("bType"), 0);
    // The row is what is run, not the slot a program may have rewritten.
    overwrite(e, "ExecCall", replaced_plus);
    EXPECT_EQ(Exec_ExecCall(e, "Plus", nullptr, 1, 1), 2);
    for (const char *nothing : {"", " Plus", "Minus"})
        EXPECT_EQ(Exec_ExecCall(e, nothing, nullptr, 1, 1), 0) << nothing;
    EXPECT_EQ(Exec_ExecCall(e, nullptr, nullptr, 1, 1), 0);
    EXPECT_EQ(Exec_ExecCall(nullptr, "Plus", nullptr, 1, 1), 0);
}

TEST(ExecCall, OnlyTheFirst127BytesOfTheTextCount)
{
    OwnExec e(kOwn, 1);
    std::string text(126, 'x');
    text = "Plus" + std::string(200, ' ');
    EXPECT_EQ(Exec_ExecCall(e, text.c_str(), nullptr, 2, 3), 0);  // "Plus   ..." is no name
    const std::string longName(127, 'P');
    const ZEK_member rows[] = {proc_row(longName.c_str(), plus)};
    OwnExec f(rows, 1);
    EXPECT_EQ(Exec_ExecCall(f, (longName + "tail").c_str(), nullptr, 2, 3), 5);
}

TEST(ExecCall, AModuleObjectLivesForTheCall)
{
    ModuleProbe probe;
    EXPECT_EQ(Exec_ExecCall(nullptr, module_text("Sum").c_str(), nullptr, 5, 6), 11);
    EXPECT_EQ(probe->sumCalls, 1);
    EXPECT_EQ(probe->dtorCalls, 1);
    // Kept by the procedure: the program deletes it.
    EXPECT_EQ(Exec_ExecCall(nullptr, module_text("Keep").c_str(), nullptr, 0, 0), 3);
    EXPECT_EQ(probe->dtorCalls, 1);
    EXPECT_EQ(member<int32_t>(probe->lastObject, "bType"), 1);
    ZEK_delete(probe->lastObject);
    EXPECT_EQ(probe->dtorCalls, 2);
}

TEST(ExecCall, AMissingProcedureGivesZeroUnloadsTheModuleAndLogsNothing)
{
    ASSERT_EQ(GetModuleHandleA(kModule), nullptr);
    OwnExec logger(kOwn, 1);
    static int logged;
    logged = 0;
    overwrite(logger, "LogFile", +[](ZEK_object *, const char *) { ++logged; });
    EXPECT_EQ(Exec_ExecCall(logger, module_text("Nope").c_str(), nullptr, 1, 1), 0);
    EXPECT_EQ(Exec_ExecCall(logger, "nosuch.dll\\Sum", nullptr, 1, 1), 0);
    EXPECT_EQ(GetModuleHandleA(kModule), nullptr);
    EXPECT_EQ(Exec_ExecCall(logger, "Plus", nullptr, 1, 1), 2);
    EXPECT_EQ(logged, 1);
}

TEST(ExecCall, AThreadWithoutMotherDeletesItsModuleObjectOnce)
{
    ModuleProbe probe;
    EXPECT_EQ(Exec_ExecCall(nullptr, module_text("Spawn").c_str(), nullptr, 0, 0), 11);
    EXPECT_TRUE(pump_until([&] { return probe->dtorCalls == 1; }));
    EXPECT_EQ(probe->workerRuns, 1);
    EXPECT_EQ(probe->workerPriority, THREAD_PRIORITY_BELOW_NORMAL);
    // The thread ends while the call still runs: the call deletes it, once.
    EXPECT_EQ(Exec_ExecCall(nullptr, module_text("SpawnWait").c_str(), nullptr, 0, 0), 20);
    EXPECT_EQ(probe->dtorCalls, 2);
    Sleep(50);
    EXPECT_EQ(probe->dtorCalls, 2);
}
