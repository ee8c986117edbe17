// Starting another program, optionally waiting for it while the caller's
// windows keep being served.
#include "zek2/files.h"

#include <cstring>
#include <vector>

namespace {

// Waits for the process handle itself, not for an exit code other than
// STILL_ACTIVE: a program may well end with code 259. One waiting message
// is dispatched per wake-up; a quit request is kept for the caller's loop.
void waitServingMessages(HANDLE process)
{
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT,
                                                       MWMO_INPUTAVAILABLE);
        if (woke != WAIT_OBJECT_0 + 1)
            break;  // the program ended, or the wait itself failed
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
}

void giveFrontBack(HWND caller)
{
    for (int i = 0; i < 5; ++i) {
        if (GetForegroundWindow() != caller) {
            SetForegroundWindow(caller);
            return;
        }
        Sleep(500);
    }
}

}  // namespace

extern "C" int ZEKAPI session(const char *commandLine, const char *title, int flags)
{
    if (commandLine == nullptr || commandLine[0] == '\0')
        return 1;
    const HWND front = GetForegroundWindow();
    // CreateProcessA may write into the command line.
    std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);
    std::vector<char> caption;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (title != nullptr) {
        caption.assign(title, title + std::strlen(title) + 1);
        startup.lpTitle = caption.data();
    }
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWDEFAULT;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return 0;
    if ((flags & ZEK_SESSION_KEEP_FRONT) && front != nullptr)
        giveFrontBack(front);
    if (flags & ZEK_SESSION_WAIT)
        waitServingMessages(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}
