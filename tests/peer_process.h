// Runs a helper program of the tests beside them and returns its exit code
// (all bits set when it could not be started or did not end in 30 s).
#ifndef ZEK_TESTS_PEER_PROCESS_H
#define ZEK_TESTS_PEER_PROCESS_H

#include <windows.h>

#include <string>

inline DWORD run_peer_program(const std::string &commandLine)
{
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 0xFFFFFFFF;
    DWORD code = 0xFFFFFFFF;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

#endif
