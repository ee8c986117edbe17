// Drive and write tests with the suite's error messages; the system's
// critical-error dialogs are kept off while they touch the disk.
#include "zek2/files.h"

#include <cstdio>

namespace {

class QuietErrors {
public:
    QuietErrors() : saved_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(saved_); }

private:
    UINT saved_;
};

const char *writeMessage(DWORD error)
{
    switch (error) {
    case ERROR_PATH_NOT_FOUND: return "ホルダーの選択を確認して下さい";
    case ERROR_WRITE_PROTECT: return "書き込み禁止になっています";
    case ERROR_NOT_READY: return "ドライブが存在しません";
    default: return "ファイルが開けません";
    }
}

// Creates, writes and deletes the test file; ERROR_SUCCESS when all of it
// worked, otherwise the first error met (never ERROR_SUCCESS for a failure).
DWORD tryWrite(const char *directory)
{
    char name[MAX_PATH];
    const int n = std::snprintf(name, sizeof name, "%s\\_File_Write_Test_899.TST", directory);
    if (n < 0 || n >= int(sizeof name))
        return ERROR_FILENAME_EXCED_RANGE;
    QuietErrors quiet;
    HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() ? GetLastError() : ERROR_OPEN_FAILED;
    static const char probe[] = "ZEK2 write test\r\n";
    DWORD written = 0;
    DWORD error = ERROR_SUCCESS;
    if (!WriteFile(file, probe, sizeof probe - 1, &written, nullptr))
        error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    else if (written != sizeof probe - 1)
        error = ERROR_DISK_FULL;
    if (!CloseHandle(file) && error == ERROR_SUCCESS)
        error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    DeleteFileA(name);
    return error;
}

}  // namespace

extern "C" {

int ZEKAPI TestDriveCheck(const char *name)
{
    if (name == nullptr)
        return 2;
    DWORD error;
    {
        QuietErrors quiet;
        HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        error = GetLastError();
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            error = ERROR_SUCCESS;
        }
    }
    SetLastError(ERROR_SUCCESS);
    switch (error) {
    case ERROR_SUCCESS: return 0;
    case ERROR_NOT_READY: return 1;
    case ERROR_ACCESS_DENIED: return 3;
    default: return 2;
    }
}

int ZEKAPI TestFileWriteCheck(const char *directory)
{
    if (directory == nullptr)
        return 0;
    const DWORD error = tryWrite(directory);
    if (error == ERROR_SUCCESS)
        return 1;
    MessageBoxA(GetFocus(), writeMessage(error), "エラーメッセージ", MB_OK | MB_ICONSTOP);
    return 0;
}

}  // extern "C"
