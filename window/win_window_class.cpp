// Registration of the library's window classes.
#include "win_window_class.h"

bool win_register_class(const WinClassInfo &info)
{
    if (!info.name)
        return false;
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(info.instance, info.name, &known))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = info.style;
    wc.lpfnWndProc = info.procedure;
    wc.cbWndExtra = kWinExtraBytes;
    wc.hInstance = info.instance;
    wc.hIcon = info.icon;
    wc.hIconSm = info.smallIcon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = info.background;
    wc.lpszMenuName = info.menu;
    wc.lpszClassName = info.name;
    return RegisterClassExA(&wc) != 0;
}

HICON win_class_icon(HINSTANCE instance, bool smallSize)
{
    HICON icon = nullptr;
    if (instance && smallSize)
        icon = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(101), IMAGE_ICON, 16, 16, 0));
    else if (instance)
        icon = LoadIconA(instance, MAKEINTRESOURCEA(101));
    return icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}
