// Exec: the daily run log in the log directory.
#include <cstdio>

#include "exec_class.h"
#include "exec_log_rules.h"
#include "zek2/files.h"

namespace {

// The local month in which the file was last written, when it exists.
bool last_write_month(const char *path, LogMonth *month)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &attributes))
        return false;
    SYSTEMTIME utc, local;
    if (!FileTimeToSystemTime(&attributes.ftLastWriteTime, &utc))
        return false;
    // In the zone's rules for that date, as the current time is read.
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        local = utc;
    *month = LogMonth{local.wYear, local.wMonth};
    return true;
}

}  // namespace

extern "C" void ZEKAPI Exec_LogFile(ZEK_object *object, const char *text)
{
    Exec_data *d = exec_data_of(object);
    if (!d || !d->bLogOn)
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char path[MAX_PATH];
    GetUxLogFile(exec_log_name(now.wDay).c_str(), path);
    if (!path[0])
        return;
    LogMonth written{};
    const bool exists = last_write_month(path, &written);
    const LogOpen how = exec_log_open(LogMonth{now.wYear, now.wMonth}, exists, written);
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    std::FILE *file = std::fopen(path, how == LogOpen::Append ? "a" : "w");
    SetErrorMode(previous);
    if (!file)
        return;
    const std::string line = exec_log_line(now.wHour, now.wMinute, now.wSecond, text);
    std::fputs(line.c_str(), file);
    std::fclose(file);
}
