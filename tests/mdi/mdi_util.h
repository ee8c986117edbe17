// Helpers of the MDI tests: a frame Win with children whose hooks write
// what they are called with into one log.
#ifndef ZEK_TESTS_MDI_UTIL_H
#define ZEK_TESTS_MDI_UTIL_H

#include <atomic>
#include <initializer_list>
#include <string>
#include <utility>

#include "../wincore/wincore_util.h"

inline std::string gLog;
inline std::atomic<int> gDtors;
inline std::string took() { return std::exchange(gLog, {}); }
inline std::string num(ZEK_object *w) { return std::to_string(mi(w, "bMdiSelPos")); }
inline int32_t ZEKAPI logged(ZEK_object *w, const char *what) { return gLog += what + num(w) + " ", 0; }
inline int32_t ZEKAPI checkMenu(ZEK_object *, int32_t id, int32_t on)
{
    return gLog += "check" + std::to_string(id % 100) + "=" + std::to_string(on) + " ", 0;
}
inline int32_t ZEKAPI setMenuName(ZEK_object *, int32_t id, const char *text)
{
    return gLog += "name" + std::to_string(id % 100) + "[" + text + "] ", 0;
}
inline void ZEKAPI countDtor(ZEK_object *o) { Win_dtor(o), ++gDtors; }
inline int32_t ZEKAPI focusChange(ZEK_object *w) { return logged(w, "focus"); }
inline int32_t ZEKAPI changeSize(ZEK_object *w) { return logged(w, "size"); }
inline int32_t ZEKAPI m1(ZEK_object *w) { return logged(w, "m1:"); }

// A frame Win with the given children, each made ready by prepare; shown
// unless told otherwise.
struct Frame {
    ZEK_object *o = (Win_INIT(GetModuleHandleA(nullptr), nullptr), Win_ctor2(nullptr));
    explicit Frame(std::initializer_list<int> children, bool shown = true,
                   void (*prepare)(ZEK_object *) = nullptr)
    {
        member<const char *>(o, "pClassName") = "ZekMdiFrame";
        mi(o, "bShow") = SW_SHOWNOACTIVATE;
        place(o, 20, 20, 600, 400);
        Win_InitMdiFrame(o);
        overwrite(o, "CheckMenu", checkMenu);
        overwrite(o, "SetMenuName", setMenuName);
        for (int n : children) {
            EXPECT_EQ(Win_InitMdiWnd(o, n, "doc"), 1);
            place(child(n), 10 * n, 10 * n, 200, 150);
            overwrite(child(n), "dtor", countDtor);
            overwrite(child(n), "FocusChange", focusChange);
            overwrite(child(n), "ChangeMdiSize", changeSize);
            if (prepare)
                prepare(child(n));
        }
        if (shown) {
            EXPECT_EQ(Win_con(o, 0), 0);
        }
        pump();
        gDtors = 0;
        gLog.clear();
    }
    ~Frame() { o->vtbl->deleting_dtor(o, 1), pump(); }
    ZEK_object *&child(int n) { return (&member<ZEK_object *>(o, "pMdiChild"))[n]; }
    HWND hwnd(int n) { return member<HWND>(child(n), "hWnd"); }
};

#endif
