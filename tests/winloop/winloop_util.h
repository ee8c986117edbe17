// Helpers of the loop tests: Win objects, plain windows whose posted messages
// can be read back.
#ifndef ZEK_TESTS_WINLOOP_UTIL_H
#define ZEK_TESTS_WINLOOP_UTIL_H

#include "../wincore/wincore_util.h"

// A Win object without a window of its own.
struct WinObj {
    ZEK_object *o = Win_ctor2(nullptr);
    ~WinObj() { o->vtbl->deleting_dtor(o, 1); }
    operator ZEK_object *() const { return o; }
};
// A window of a class of the tests' own, with the given procedure; the Win
// object, when given, takes it as its hWnd.
struct PlainWindow {
    HWND hwnd = nullptr;
    explicit PlainWindow(WNDPROC proc = DefWindowProcA, ZEK_object *owner = nullptr)
    {
        static int serial = 0;
        char name[32];
        wsprintfA(name, "WinLoopTest%d", ++serial);
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
        hwnd = CreateWindowA(name, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr, nullptr,
                             wc.hInstance, nullptr);
        if (owner)
            member<HWND>(owner, "hWnd") = hwnd;
    }
    ~PlainWindow()
    {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && m.message != WM_QUIT) {
        }
    }
    std::vector<std::pair<UINT, WPARAM>> take_posted() const { return ::take_posted(hwnd); }
};

using Posted = std::vector<std::pair<UINT, WPARAM>>;

#endif
