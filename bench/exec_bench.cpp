// Prints the cost of running work through Exec and Thread side by side with
// the plain way: ExecCall of an own and of a module procedure against a
// direct call, threads started and joined against plain CreateThread, and
// run-log lines against one line written with fopen/fprintf/fclose.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "ZEK2.h"
#include "bench_util.h"

namespace {

volatile int32_t gSink;

__attribute__((noinline)) int32_t ZEKAPI add(ZEK_object *o)
{
    return int32_t(member<intptr_t>(o, "pData")) + 1;
}
int32_t ZEKAPI nothing(void *) { return 0; }
DWORD WINAPI plain_nothing(void *) { return 0; }

void row(const char *what, double ns, const char *unit)
{
    std::printf("  %-52s %11.0f %s per second (%8.2f us each)\n", what, 1e9 / ns, unit, ns / 1e3);
}

}  // namespace

int main()
{
    std::printf("exec_bench (%d-bit)\n\n", int(sizeof(void *) * 8));

    ZEK_object *exec = Exec_ctor2(nullptr);
    const ZEK_member rows[] = {{ZEK_KIND_METHOD, "Add", reinterpret_cast<uintptr_t>(add), 4, 1}};
    int32_t records[2];
    ZEK_overwrite(ZEK_layer_at(exec, 1), ZEK_layer_at(exec, 0), rows, 1, records);
    member<int32_t>(exec, "bLogOn") = 0;

    std::printf("Procedures by name (calls without their log line)\n");
    row("direct call", best(1000000, [&](int k) { gSink = add(exec) + k; }), "calls");
    row("Exec_ExecCall(\"Add\") of the object's own, no window",
        best(200000, [&](int k) { gSink = Exec_ExecCall(exec, "Add", nullptr, k, 0); }), "calls");
    Win_INIT(GetModuleHandleA(nullptr), nullptr);
    ZEK_object *caller = Win_ctor2(nullptr);  // as a menu's window calls (no focus query)
    row("Exec_ExecCall(\"Add\") of the object's own, from a window",
        best(200000, [&](int k) { gSink = Exec_ExecCall(exec, "Add", caller, k, 0); }), "calls");
    ZEK_dtorC(caller);
    const char *moduleText = "zekbenchmod.dll\\Add";
    if (Exec_ExecCall(exec, moduleText, nullptr, 1, 0) != 2) {
        std::printf("the benchmark's class module was not found\n");
        return 1;
    }
    row("Exec_ExecCall(\"module\\Add\"), module loaded each call",
        best(500, [&](int k) { gSink = Exec_ExecCall(exec, moduleText, nullptr, k, 0); }), "calls");
    HMODULE kept = LoadLibraryA("zekbenchmod.dll");
    row("Exec_ExecCall(\"module\\Add\"), module kept loaded",
        best(20000, [&](int k) { gSink = Exec_ExecCall(exec, moduleText, nullptr, k, 0); }), "calls");
    FreeLibrary(kept);

    std::printf("\nThreads started and joined\n");
    ZEK_object *thread = Thread_ctor2(nullptr);
    row("Thread_CreateThread + wait", best(300, [&](int) {
            WaitForSingleObject(Thread_CreateThread(thread, nothing, nullptr, 0), INFINITE);
        }), "threads");
    row("CreateThread + wait + CloseHandle", best(300, [&](int) {
            HANDLE h = CreateThread(nullptr, 0, plain_nothing, nullptr, 0, nullptr);
            WaitForSingleObject(h, INFINITE);
            CloseHandle(h);
        }), "threads");
    ZEK_dtorC(thread);

    std::printf("\nRun log lines (a file in the log directory each)\n");
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string root = std::string(temp) + "zek_exec_bench";
    for (const char *sub : {"", "\\Prog", "\\UxLog"})
        CreateDirectoryA((root + sub).c_str(), nullptr);
    const std::string program = root + "\\Prog\\bench.exe";
    CloseHandle(CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    SetUxProgDir(program.c_str());
    member<int32_t>(exec, "bLogOn") = 1;
    row("Exec_LogFile", best(2000, [&](int) { Exec_LogFile(exec, "Survey\\Traverse"); }), "lines");
    const std::string plainLog = root + "\\UxLog\\plain.log";
    row("fopen + fprintf + fclose", best(2000, [&](int) {
            if (FILE *f = std::fopen(plainLog.c_str(), "a")) {
                std::fprintf(f, "%02d:%02d:%02d  %s\n", 1, 2, 3, "Survey\\Traverse");
                std::fclose(f);
            }
        }), "lines");
    ZEK_dtorC(exec);
    return 0;
}
