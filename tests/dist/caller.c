/* A program of a Windows developer, linked only through an import library of
 * the bundle: a plain function, a varargs one, the data export, a member
 * table search and the stdcall window procedure taken by address.
 * Built twice: with the mingw-w64 C runtime (main), and with no C runtime
 * for the platform's linker (ZEK_NO_CRT, entry zek_start), so it uses the
 * Win32 API alone for its output. */
#include <windows.h>

#include "ZEK2.h"

static int failures;

static void say(const char *format, ...)
{
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    int length = wvsprintfA(line, format, arguments);
    va_end(arguments);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, (DWORD)length, &written, NULL);
}

static void check(int ok, const char *what)
{
    say("%s %s\n", ok ? "ok  " : "FAIL", what);
    failures += !ok;
}

/* Sends text to a window of a class whose procedure is DefWndProc, and asks
   its length both through the system and by a direct call. */
static int window_text_length(const char *text)
{
    static WNDCLASSA wc; /* zeroed without memset, which a program with no C runtime lacks */
    wc.lpfnWndProc = DefWndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ZekDistCaller";
    if (!RegisterClassA(&wc))
        return -1;
    HWND window = CreateWindowA("ZekDistCaller", "", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL,
                                wc.hInstance, NULL);
    if (!window)
        return -2;
    SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text);
    int length = (int)SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (DefWndProc(window, WM_GETTEXTLENGTH, 0, 0) != length)
        length = -3;
    DestroyWindow(window);
    return length;
}

static int run(void)
{
    static const ZEK_member rows[] = {
        {ZEK_KIND_DATA, "alpha", 0, 4, 1},
        {ZEK_KIND_DATA, "beta", 4, 4, 1},
        {ZEK_KIND_DATA, "gamma", 8, 4, 1},
    };
    check(IsKanji(0x88) && !IsKanji('A'), "IsKanji: a Shift-JIS lead byte, an ASCII letter");
    check(lstrcmpA(form("%s-%d-%c", "st", 42, 'x'), "st-42-x") == 0, "form: varargs");
    check(&gMainArg == Get_gMainArg(), "gMainArg: the data export is the library's block");
    check(ZEK_NameSearch2(rows, 3, "gamma") == 2 && ZEK_NameSearch2(rows, 3, "delta") == -1,
          "ZEK_NameSearch2: a member by name");
    check(window_text_length("ZEK2") == 4, "DefWndProc: by address and called directly");
    say("%d of 5 checks failed\n", failures);
    return failures;
}

#ifdef ZEK_NO_CRT
void zek_start(void)
{
    ExitProcess((UINT)run());
}
#else
int main(void)
{
    return run();
}
#endif
