// The exception report box and the filter that goes before it.
#include <windows.h>

#include "exception_text.h"
#include "zek2/exec.h"

extern "C" int32_t ZEKAPI Except_Msg(HWND window, DWORD code)
{
    char text[128];
    exception_text(uint32_t(code), text, sizeof text);
    return MessageBoxA(window, text, kExceptionCaption, MB_OK | MB_ICONSTOP);
}

extern "C" int32_t ZEKAPI Eval_Exception(DWORD code, DWORD *codeOut)
{
    if (codeOut)
        *codeOut = code;
    return EXCEPTION_EXECUTE_HANDLER;
}
