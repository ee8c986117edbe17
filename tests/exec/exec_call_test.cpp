// Exec_ExecCall: own procedures, module procedures and who deletes what.
#include "exec_util.h"

namespace {

ZEK_object *gMother;
int32_t ZEKAPI plus(ZEK_object *o)
{
    gMother = member<ZEK_object *>(o, "pMother");
    return int32_t(member<intptr_t>(o, "pData")) + member<int32_t>(o, "bCount");
}
int32_t ZEKAPI minus_one(ZEK_object *) { return -1; }
const ZEK_member kOwn[] = {proc_row("Plus", plus)};

}  // namespace

TEST(ExecCall, RunsAnOwnProcedureWithTheCallsValuesAndRestoresTheObject)
{
    OwnExec e(kOwn, 1);
    auto *before = reinterpret_cast<ZEK_object *>(&e);
    e.m<ZEK_object *>("pMother") = before;
    EXPECT_EQ(reinterpret_cast<void *>(Exec_SearchProc(e, "ExecCall")),
              reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("ZEK2.dll"), "Exec_ExecCall")));
    EXPECT_EQ(Exec_SearchProc(e, "NetDel"), nullptr);  // the root is not searched
    EXPECT_EQ(Exec_ExecCall(e, "Plus", nullptr, 40, 2), 42);
    EXPECT_EQ(gMother, nullptr);
    EXPECT_EQ(e.m<ZEK_object *>("pMother"), before);
    overwrite(e, "ExecCall", minus_one);  // the row runs, not a rewritten slot
    EXPECT_EQ(Exec_ExecCall(e, "Plus", nullptr, 1, 1), 2);
    for (const char *nothing : {"", " Plus", "Minus", static_cast<const char *>(nullptr)})
        EXPECT_EQ(Exec_ExecCall(e, nothing, nullptr, 1, 1), 0);
    EXPECT_EQ(Exec_ExecCall(nullptr, "Plus", nullptr, 1, 1), 0);
    // Only the first 127 bytes of a text count.
    const std::string longName(127, 'P');
    const ZEK_member rows[] = {proc_row(longName.c_str(), plus)};
    OwnExec f(rows, 1);
    EXPECT_EQ(Exec_ExecCall(f, (longName + "tail").c_str(), nullptr, 2, 3), 5);
}

TEST(ExecCall, AModuleObjectLivesForTheCallUnlessKept)
{
    ModuleProbe probe;
    EXPECT_EQ(Exec_ExecCall(nullptr, in_module("Sum").c_str(), nullptr, 5, 6), 11);
    EXPECT_EQ(probe->lastWnd, GetFocus());
    EXPECT_EQ(probe->dtorCalls, 1);
    EXPECT_EQ(Exec_ExecCall(nullptr, in_module("Keep").c_str(), nullptr, 0, 0), 3);
    EXPECT_EQ(probe->dtorCalls, 1);
    EXPECT_EQ(member<int32_t>(probe->lastObject, "bType"), 1);
    ZEK_delete(probe->lastObject);  // the program's now
    EXPECT_EQ(probe->dtorCalls, 2);
}

TEST(ExecCall, AMissingProcedureGivesZeroUnloadsTheModuleAndLogsNothing)
{
    ASSERT_EQ(GetModuleHandleA("zekexecmod.dll"), nullptr);
    OwnExec logger(kOwn, 1);
    static int logged = 0;
    overwrite(logger, "LogFile", +[](ZEK_object *, const char *) { ++logged; });
    EXPECT_EQ(Exec_ExecCall(logger, in_module("Nope").c_str(), nullptr, 1, 1), 0);
    EXPECT_EQ(Exec_ExecCall(logger, "nosuch.dll\\Sum", nullptr, 1, 1), 0);
    EXPECT_EQ(GetModuleHandleA("zekexecmod.dll"), nullptr);
    EXPECT_EQ(logged, 0);
    EXPECT_EQ(Exec_ExecCall(logger, "Plus", nullptr, 1, 1), 2);
    EXPECT_EQ(logged, 1);
}

TEST(ExecCall, AThreadWithoutMotherDeletesItsModuleObjectOnce)
{
    ModuleProbe probe;
    EXPECT_EQ(Exec_ExecCall(nullptr, in_module("Spawn").c_str(), nullptr, 0, 0), 11);
    EXPECT_TRUE(pump_until([&] { return probe->dtorCalls == 1; }));
    EXPECT_EQ(probe->workerPriority, THREAD_PRIORITY_BELOW_NORMAL);
    // The thread ends while the call still runs: the call deletes it.
    EXPECT_EQ(Exec_ExecCall(nullptr, in_module("SpawnWait").c_str(), nullptr, 0, 0), 20);
    EXPECT_EQ(probe->dtorCalls, 2);
    Sleep(50);
    EXPECT_EQ(probe->dtorCalls, 2);
    EXPECT_EQ(probe->workerRuns, 2);
}
