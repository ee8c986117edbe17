// Scratch directories and a watcher that answers message boxes as a user would.
#ifndef ZEK_TESTS_FILES_WIN_HELPERS_H
#define ZEK_TESTS_FILES_WIN_HELPERS_H

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

// A directory under the temp folder named after this process, removed with
// everything in it at the end.
class ScratchDir {
public:
    explicit ScratchDir(const std::string &tag)
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "zekfiles_" + tag + "_" + std::to_string(GetCurrentProcessId());
        std::filesystem::remove_all(path_, ignored_);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchDir() { std::filesystem::remove_all(path_, ignored_); }
    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "\\" + name; }

private:
    std::string path_;
    std::error_code ignored_;
};

inline bool isDirectory(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline void writeFile(const std::string &path)
{
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

// Waits on its own thread for a dialog box with the given title, keeps its
// message text and presses OK. seen() is false when none came in time.
class BoxAnswerer {
public:
    BoxAnswerer(const char *title, DWORD timeoutMs) : thread_([=] { watch(title, timeoutMs); }) {}
    ~BoxAnswerer() { finish(); }
    bool seen() { return finish(), seen_; }
    std::string text() { return finish(), text_; }

private:
    void finish()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    void watch(const char *title, DWORD timeoutMs)
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
            HWND box = FindWindowA("#32770", title);
            if (box != nullptr && IsWindowVisible(box)) {
                char text[512] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
                text_ = text;
                seen_ = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            if (stop_ && GetTickCount() - start > 300)
                return;  // the call has returned and no box came
        }
    }
    std::string text_;
    bool seen_ = false;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

#endif
