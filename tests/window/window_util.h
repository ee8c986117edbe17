// Helpers of the Win tests: Win objects and plain windows of the tests' own class.
#ifndef ZEK_TESTS_WINDOW_UTIL_H
#define ZEK_TESTS_WINDOW_UTIL_H

#include <gtest/gtest.h>

#include "ZEK2.h"
#include "../class_members.h"

// A top-level window of the tests' own class, or a child of the given class.
inline HWND plainWindow(const char *title, HWND parent = nullptr, const char *cls = "ZekWinTest",
                        DWORD style = 0)
{
    static ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ZekWinTest";
        return RegisterClassA(&wc);
    }();
    EXPECT_NE(atom, 0);
    if (parent)
        return CreateWindowExA(0, cls, title, WS_CHILD | style, 0, 0, 5, 5, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    return CreateWindowExA(0, cls, title, WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// A Win object, deleted with its holder; given a title, it is bound to a
// plain window of its own, which the holder destroys first.
struct Windowed {
    ZEK_object *o = Win_ctor2(nullptr);
    HWND hwnd = nullptr;
    explicit Windowed(const char *title = nullptr)
    {
        if (title)
            member<HWND>(o, "hWnd") = hwnd = plainWindow(title);
    }
    ~Windowed()
    {
        if (hwnd)
            DestroyWindow(hwnd);
        o->vtbl->deleting_dtor(o, 1);
    }
};

#endif
