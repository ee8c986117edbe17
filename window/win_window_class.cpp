// Registration of the library's window classes.
#include "win_window_class.h"

bool win_register_class(const WinClassSpec &spec)
{
    if (!spec.name)
        return false;
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(spec.instance, spec.name, &known))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = spec.style;
    wc.lpfnWndProc = spec.procedure;
    wc.cbWndExtra = kWinExtraBytes;
    wc.hInstance = spec.instance;
    wc.hIcon = spec.icon;
    wc.hIconSm = spec.smallIcon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = spec.background;
    wc.lpszMenuName = spec.menu;
    wc.lpszClassName = spec.name;
    return RegisterClassExA(&wc) != 0;
}

HICON win_class_icon(HINSTANCE instance, bool small)
{
    HICON icon = nullptr;
    if (instance && small)
        icon = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(101), IMAGE_ICON, 16, 16, 0));
    else if (instance)
        icon = LoadIconA(instance, MAKEINTRESOURCEA(101));
    return icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}
