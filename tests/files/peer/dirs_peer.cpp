// Second process of the directory and session tests.
//   expect INDEX TEXT   exit code 0 when directory INDEX (0 = root) is TEXT
//   set PROGRAM         exit code = SetUxProgDir(PROGRAM)
//   sleepmark MS FILE   sleeps MS milliseconds, then creates FILE
//   exit CODE           exit code CODE
#include <cstdlib>
#include <cstring>

#include "ZEK2.h"

int main(int argc, char **argv)
{
    if (argc < 3)
        return 100;
    if (!std::strcmp(argv[1], "set"))
        return SetUxProgDir(argv[2]);
    if (!std::strcmp(argv[1], "exit"))
        return std::atoi(argv[2]);
    if (argc < 4)
        return 101;
    if (!std::strcmp(argv[1], "expect")) {
        char *(ZEKAPI *const getters[])(void) = {
            GetUxRootDir, GetUxProgDir, GetUxDataDir, GetUxFontDir, GetUxHelpDir, GetUxTempDir,
            GetUxLogDir, GetUxToolDir, GetUxSnbolDir, GetUxSakuhyoDir, GetUxAutoBackupDir};
        const int index = std::atoi(argv[2]);
        if (index < 0 || index > 10)
            return 102;
        return std::strcmp(getters[index](), argv[3]) ? 1 : 0;
    }
    if (!std::strcmp(argv[1], "sleepmark")) {
        Sleep(static_cast<DWORD>(std::atoi(argv[2])));
        HANDLE file = CreateFileA(argv[3], GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 1;
        CloseHandle(file);
        return 0;
    }
    return 103;
}
