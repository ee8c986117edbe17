// Remote calls per second between two processes over a pipe link and over a
// mailslot link, against a plain named-pipe round trip of the same 316 bytes.
// This process serves; it starts itself again as the client, which prints.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ZEK2.h"

namespace {

const int kCalls = 2000;
const char kRawPipe[] = "\\\\.\\pipe\\zek_net_bench_raw";

double seconds_since(LARGE_INTEGER start)
{
    LARGE_INTEGER now, f;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&f);
    return double(now.QuadPart - start.QuadPart) / double(f.QuadPart);
}

int client_calls(const char *kind)
{
    ZEK_object *o = ZEK_class_ctor2(nullptr);
    if (ZEK_class_SendComputerName(o, 16, ".", "bench", kind) != 1 ||
        ZEK_NetNew(o, "zeknetmod.dll", 0) != 0) {
        std::printf("%-28s no link (is zeknetmod.dll built?)\n", kind);
        return 1;
    }
    int32_t add[3] = {0, 1, 2}, r = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kCalls; ++i)
        ZEK_class_SendNetworkProc(o, &r, add, 1, 1, 12);
    double s = seconds_since(start);
    std::printf("remote calls over %-10s %10.0f calls/s\n", kind, kCalls / s);
    ZEK_class_NetDel(o);
    o->vtbl->deleting_dtor(o, 1);
    return 0;
}

int client_raw()
{
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int i = 0; i < 100 && pipe == INVALID_HANDLE_VALUE; ++i, Sleep(10))
        pipe = CreateFileA(kRawPipe, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return 1;
    char message[316] = {11};
    DWORD n = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kCalls; ++i) {
        WriteFile(pipe, message, sizeof message, &n, nullptr);
        ReadFile(pipe, message, sizeof message, &n, nullptr);
    }
    double s = seconds_since(start);
    std::printf("plain named-pipe round trips %10.0f trips/s\n", kCalls / s);
    CloseHandle(pipe);
    return 0;
}

DWORD WINAPI raw_echo(void *pipe)
{
    char message[316];
    DWORD n = 0;
    ConnectNamedPipe(pipe, nullptr);
    while (ReadFile(pipe, message, sizeof message, &n, nullptr) && n)
        WriteFile(pipe, message, n, &n, nullptr);
    return 0;
}

void run_self(const char *self, const char *args, bool mailslot)
{
    SetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", mailslot ? "1" : nullptr);
    std::string line = std::string("\"") + self + "\" " + args;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 120000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    SetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", nullptr);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        return std::strcmp(argv[1], "raw") ? client_calls(argv[1]) : client_raw();
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ZEK_object *server = ZEK_class_ctor2(nullptr);
    if (ZEK_class_StartUpMailslotThread(server, "bench") == -1) {
        std::printf("no server mailslot\n");
        return 1;
    }
    run_self(self, "pipes", false);
    run_self(self, "mailslots", true);
    HANDLE pipe = CreateNamedPipeA(kRawPipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                   4096, 4096, 0, nullptr);
    HANDLE echo = CreateThread(nullptr, 0, raw_echo, pipe, 0, nullptr);
    run_self(self, "raw", false);
    WaitForSingleObject(echo, 5000);
    CloseHandle(echo);
    CloseHandle(pipe);
    server->vtbl->deleting_dtor(server, 1);
    return 0;
}
