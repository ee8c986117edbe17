/* A C program's use of the stdcall window procedure: it links through the
 * import library (the decorated name on i686) and is called by the system. */
#include <windows.h>

#include "ZEK2.h"

int c_caller_text_length(const char *text)
{
    WNDCLASSA wc = {0};
    wc.lpfnWndProc = DefWndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ZekCCaller";
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return -1;
    HWND window = CreateWindowA("ZekCCaller", "", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL,
                                wc.hInstance, NULL);
    if (!window)
        return -2;
    SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text);
    int length = (int)SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    /* A direct call as well as the system's. */
    if (DefWndProc(window, WM_GETTEXTLENGTH, 0, 0) != length)
        length = -3;
    DestroyWindow(window);
    return length;
}
