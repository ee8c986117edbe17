// Free disk space, the current drive and per-computer file names.
#include "zek2/files.h"

#include <string>

#include "zek2/strings.h"

extern "C" {

int64_t ZEKAPI GetDiskSpace(const char *directory)
{
    ULARGE_INTEGER available, total, allFree;
    if (directory == nullptr || !GetDiskFreeSpaceExA(directory, &available, &total, &allFree))
        return 0;
    return static_cast<int64_t>(allFree.QuadPart);
}

int ZEKAPI GetDiskDrv(void)
{
    char path[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(sizeof path, path);
    if (n == 0)
        return 0;
    if (n >= sizeof path) {
        // A longer current directory: ask again with room for it.
        std::string longer(n, '\0');
        n = GetCurrentDirectoryA(n, &longer[0]);
        return n == 0 || n >= longer.size() ? 0 : static_cast<unsigned char>(longer[0]);
    }
    return static_cast<unsigned char>(path[0]);
}

// 'D:\data\job.dat' becomes 'D:\data\PC01.job.dat'.
char *ZEKAPI GetNetFileName(const char *name)
{
    if (name == nullptr)
        return nullptr;
    char computer[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = sizeof computer;
    if (!GetComputerNameA(computer, &size))
        return nullptr;
    std::string result;
    if (const char *sep = strrchrS(name))
        result = std::string(name, sep) + "\\" + computer + "." + (sep + 1);
    else
        result = std::string(computer) + "." + name;
    if (result.size() > ZEK_NAME_MAX_BYTES)
        return nullptr;
    return form("%s", result.c_str());
}

}  // extern "C"
