// Helpers of the window core tests: Win objects reached as a program reaches
// them (members and slots by name), real windows made with Win_con.
#ifndef ZEK_TESTS_WINCORE_UTIL_H
#define ZEK_TESTS_WINCORE_UTIL_H

#include <gtest/gtest.h>

#include <vector>

#include "ZEK2.h"
#include "../class_members.h"

inline int32_t &mi(ZEK_object *o, const char *name) { return member<int32_t>(o, name); }

// Where and how large a window is to be made.
inline void place(ZEK_object *o, int32_t x, int32_t y, int32_t w, int32_t h)
{
    mi(o, "WinStGx") = x, mi(o, "WinStGy") = y, mi(o, "WinWdGx") = w, mi(o, "WinWdGy") = h;
}

// Dispatches what is waiting for the thread.
inline void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// The messages waiting for a window, {message, wParam}, removed unhandled.
inline std::vector<std::pair<UINT, WPARAM>> take_posted(HWND window)
{
    std::vector<std::pair<UINT, WPARAM>> got;
    MSG m;
    while (PeekMessageA(&m, window, 0, 0, PM_REMOVE))
        got.emplace_back(m.message, m.wParam);
    return got;
}

// A Win of its own class name, not yet shown; deleted with the test.
struct TestWin {
    ZEK_object *o = (Win_INIT(GetModuleHandleA(nullptr), nullptr), Win_ctor2(nullptr));
    explicit TestWin(const char *className = "ZekCoreTest")
    {
        member<const char *>(o, "pClassName") = className;
        mi(o, "bShow") = SW_SHOWNOACTIVATE;
    }
    TestWin(const TestWin &) = delete;
    TestWin &operator=(const TestWin &) = delete;
    ~TestWin()
    {
        if (o)
            o->vtbl->deleting_dtor(o, 1);
        pump();
    }
    HWND hwnd() const { return member<HWND>(o, "hWnd"); }
    template <typename T>
    T &m(const char *name) { return member<T>(o, name); }
    int32_t &i(const char *name) { return mi(o, name); }
    operator ZEK_object *() const { return o; }
};

#endif
