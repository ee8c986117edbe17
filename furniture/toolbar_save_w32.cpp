// Win_PutToolBar: the toolbar's layout written into its file. The new file
// is written beside the old one and renamed over it, so a failing write
// leaves the old file whole.
#include <cstring>
#include <string>

#include "zek2/files.h"
#include "toolbar.h"
#include "toolbar_file.h"

namespace {

// Critical-error boxes stay away while the file is touched.
class QuietErrors {
public:
    QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(old_); }
    QuietErrors(const QuietErrors &) = delete;
    QuietErrors &operator=(const QuietErrors &) = delete;

private:
    UINT old_;
};

// The handle is this object's and is closed with it.
class File {
public:
    explicit File(HANDLE h) : h_(h) {}
    ~File()
    {
        if (ok())
            CloseHandle(h_);
    }
    File(const File &) = delete;
    File &operator=(const File &) = delete;
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

bool read_whole(const char *path, std::string *bytes)
{
    File f(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!f.ok() || !GetFileSizeEx(f.get(), &size) || size.QuadPart < 0 ||
        uint64_t(size.QuadPart) > kToolFileMaxBytes)
        return false;
    bytes->resize(size_t(size.QuadPart));
    DWORD got = 0;
    return !bytes->size() ||
           (ReadFile(f.get(), &(*bytes)[0], DWORD(bytes->size()), &got, nullptr) &&
            got == bytes->size());
}

bool write_whole(const char *path, const std::string &bytes)
{
    File f(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr));
    DWORD put = 0;
    return f.ok() &&
           (bytes.empty() ||
            (WriteFile(f.get(), bytes.data(), DWORD(bytes.size()), &put, nullptr) &&
             put == bytes.size())) &&
           FlushFileBuffers(f.get());
}

// A new file beside path with the bytes, renamed over path.
bool replace_file(const char *path, const std::string &bytes)
{
    std::string folder(path);
    const size_t cut = folder.find_last_of("\\/");
    folder.resize(cut == std::string::npos ? 0 : cut);
    if (folder.empty())
        folder = ".";
    char temp[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "tb", 0, temp))
        return false;
    if (write_whole(temp, bytes) &&
        MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp);
    return false;
}

}  // namespace

// Called on the toolbar. The file must exist: the program makes it.
extern "C" int32_t ZEKAPI Win_PutToolBar(ZEK_object *bar)
{
    Win_data *b = live_win(bar);
    AtrTable_data *t = toolbar_table(bar);
    Win_data *owner = live_win(toolbar_owner(bar));
    if (!b || !t || !b->bToolSaveFlag || !t->bToolName[0] || !owner)
        return 0;
    const std::string name(t->bToolName, strnlen(t->bToolName, sizeof t->bToolName));
    char path[MAX_PATH];
    GetUxToolFile(name.c_str(), path);
    if (!path[0])
        return 0;

    const QuietErrors quiet;
    std::string old, fresh;
    const ToolFileLayout layout{t->bPos,
                                t->bPosBuf,
                                int32_t(int64_t(t->bWsx) - owner->WinStGx),
                                int32_t(int64_t(t->bWsy) - owner->WinStGy),
                                t->bWwx,
                                t->bWwy};
    const std::string fallback(b->bMenuName, strnlen(b->bMenuName, sizeof b->bMenuName));
    if (!read_whole(path, &old) ||
        !rewrite_tool_file(old.data(), old.size(), layout, fallback.c_str(), &fresh))
        return 0;
    return replace_file(path, fresh) ? 1 : 0;
}
