// The window procedure of every Win window class.
#include "win_call.h"

ZEK_object *win_object_of(HWND)
{
    return nullptr;
}

extern "C" LRESULT ZEKAPI WndProcNx(ZEK_object *, UINT, WPARAM, LPARAM)
{
    return 0;
}

extern "C" LRESULT ZEKAPI DefWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}
