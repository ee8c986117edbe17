// Record file access through the Win32 file functions.
#include <windows.h>

#include <new>

#include "zek2/files.h"
#include "record_io.h"

namespace {

// Critical-error dialogs must not stop a program that probes a drive.
class QuietErrors {
public:
    QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(old_); }

private:
    UINT old_;
};

bool seek(HANDLE h, uint64_t pos)
{
    LARGE_INTEGER at;
    at.QuadPart = LONGLONG(pos);
    return SetFilePointerEx(h, at, nullptr, FILE_BEGIN) != 0;
}

class Win32RecordIo final : public RecordIo {
public:
    explicit Win32RecordIo(HANDLE h) : h_(h) {}
    ~Win32RecordIo() override { close(); }

    bool read(uint64_t pos, void *to, uint32_t n, uint32_t *got) override
    {
        *got = 0;
        if (pos > uint64_t(INT64_MAX) || !seek(h_, pos))
            return false;
        char *p = static_cast<char *>(to);
        while (*got < n) {
            DWORD part = 0;
            if (!ReadFile(h_, p + *got, n - *got, &part, nullptr))
                return false;
            if (part == 0)
                break;  // end of file
            *got += part;
        }
        return true;
    }

    bool write(uint64_t pos, const void *from, uint32_t n) override
    {
        if (pos > uint64_t(INT64_MAX) || !seek(h_, pos))
            return false;
        const char *p = static_cast<const char *>(from);
        uint32_t done = 0;
        while (done < n) {
            DWORD part = 0;
            if (!WriteFile(h_, p + done, n - done, &part, nullptr) || part == 0)
                return false;
            done += part;
        }
        return true;
    }

    bool close() override
    {
        if (h_ == INVALID_HANDLE_VALUE)
            return true;
        bool ok = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

    void *handle() override { return h_; }

private:
    HANDLE h_;
};

class Win32RecordFs final : public RecordFs {
public:
    RecordIo *open(const char *name) override { return make(name, OPEN_EXISTING); }
    RecordIo *create(const char *name) override { return make(name, CREATE_ALWAYS); }

    int check(const char *name) override { return TestDriveCheck(name); }

    bool remove(const char *name) override { return DeleteFileA(name) != 0; }

private:
    static RecordIo *make(const char *name, DWORD disposition)
    {
        QuietErrors quiet;
        HANDLE h = CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return nullptr;
        RecordIo *io = new (std::nothrow) Win32RecordIo(h);
        if (!io)
            CloseHandle(h);
        return io;
    }
};

}  // namespace

RecordFs *record_fs_platform()
{
    static Win32RecordFs fs;
    return &fs;
}
