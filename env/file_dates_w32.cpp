// Last-write times of files and directories in local time.
#include "zek2/files.h"

namespace {

// Opens a file or a directory for its attributes only, so files that others
// hold open for writing can be read and dated too.
class Attributes {
public:
    Attributes(const char *name, DWORD access)
        : handle_(name ? CreateFileA(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)
                       : INVALID_HANDLE_VALUE)
    {
    }
    ~Attributes()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Attributes(const Attributes &) = delete;
    Attributes &operator=(const Attributes &) = delete;
    HANDLE get() const { return handle_; }
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

bool localWriteTime(const char *name, FILETIME *local)
{
    Attributes file(name, FILE_READ_ATTRIBUTES);
    FILETIME written;
    return file.ok() && GetFileTime(file.get(), nullptr, nullptr, &written) &&
           FileTimeToLocalFileTime(&written, local);
}

}  // namespace

extern "C" {

int ZEKAPI GetFdate(const char *name, unsigned short *date, unsigned short *time)
{
    FILETIME local;
    WORD dosDate, dosTime;
    if (!localWriteTime(name, &local) || !FileTimeToDosDateTime(&local, &dosDate, &dosTime))
        return 0;
    if (date)
        *date = dosDate;
    if (time)
        *time = dosTime;
    return 1;
}

int ZEKAPI SetFdate(const char *name, unsigned short date, unsigned short time)
{
    FILETIME local, universal;
    if (!DosDateTimeToFileTime(date, time, &local) || !LocalFileTimeToFileTime(&local, &universal))
        return 0;
    Attributes file(name, FILE_WRITE_ATTRIBUTES);
    return file.ok() && SetFileTime(file.get(), nullptr, nullptr, &universal) ? 1 : 0;
}

int ZEKAPI GetFileTimeDir(const char *name, SYSTEMTIME *time)
{
    FILETIME local;
    SYSTEMTIME converted;
    if (time == nullptr || !localWriteTime(name, &local) || !FileTimeToSystemTime(&local, &converted))
        return 0;
    *time = converted;
    return 1;
}

}  // extern "C"
