// Helpers of the window core tests: Win objects reached as a program reaches
// them (members and slots by name), real windows made with Win_con.
#ifndef ZEK_TESTS_WINCORE_UTIL_H
#define ZEK_TESTS_WINCORE_UTIL_H

#include <gtest/gtest.h>

#include <vector>

#include "ZEK2.h"

template <typename T>
T &member(ZEK_object *o, const char *name)
{
    ZEK_layer *l = ZEK_layer_at(o, 1);
    int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, name);
    EXPECT_GE(i, 0) << name;
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[i].place)));
}

template <typename Fn>
void overwrite(ZEK_object *o, const char *name, Fn fn)
{
    ZEK_layer *l = ZEK_layer_at(o, 1);
    int32_t k = ZEK_NameSearch(l, name);
    ASSERT_GE(k, 0) << name;
    l->pSlot[k] = reinterpret_cast<ZEK_method_fn>(fn);
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
    ZEK_object *o;
    explicit TestWin(const char *className = "ZekCoreTest")
    {
        Win_INIT(GetModuleHandleA(nullptr), nullptr);
        o = Win_ctor2(nullptr);
        member<const char *>(o, "pClassName") = className;
        member<int32_t>(o, "bShow") = SW_SHOWNOACTIVATE;
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
    operator ZEK_object *() const { return o; }
};

#endif
