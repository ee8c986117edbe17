// Exec: topics of the compiled help file through the system's HTML help.
#include "exec_class.h"
#include "help_address.h"
#include "zek2/files.h"

namespace {

using HtmlHelpA_fn = HWND(WINAPI *)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr int kHtmlHelpAOrdinal = 14;

// The in-process server registered for the HTML Help control, if any.
HMODULE load_registered_control()
{
    char path[MAX_PATH] = {};
    LONG bytes = sizeof path;
    if (RegQueryValueA(HKEY_CLASSES_ROOT,
                       "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", path,
                       &bytes) != ERROR_SUCCESS ||
        !path[0])
        return nullptr;
    char expanded[MAX_PATH];
    const DWORD n = ExpandEnvironmentStringsA(path, expanded, sizeof expanded);
    return LoadLibraryA(n > 0 && n <= sizeof expanded ? expanded : path);
}

INIT_ONCE gLoadOnce = INIT_ONCE_STATIC_INIT;
HtmlHelpA_fn gHtmlHelp;

BOOL CALLBACK load_control(INIT_ONCE *, void *, void **)
{
    HMODULE control = load_registered_control();
    if (!control)
        control = LoadLibraryA("hhctrl.ocx");
    if (control)
        gHtmlHelp = reinterpret_cast<HtmlHelpA_fn>(reinterpret_cast<void *>(
            GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpAOrdinal))));
    return TRUE;
}

// Loaded once per process and kept for its life; a failure is remembered too.
HtmlHelpA_fn html_help()
{
    InitOnceExecuteOnce(&gLoadOnce, load_control, nullptr, nullptr);
    return gHtmlHelp;
}

}  // namespace

extern "C" int32_t ZEKAPI HelpHtmlURL(HWND window, const char *address)
{
    if (HtmlHelpA_fn show = html_help())
        if (address)
            show(window, address, kDisplayTopic, 0);
    return 1;
}

extern "C" int32_t ZEKAPI Exec_HelpHtml(ZEK_object *, HWND window, const char *topic)
{
    char file[MAX_PATH];
    GetUxHelpFile(kHelpFileName, file);
    // Room for a topic behind the longest file name; one that still does
    // not fit opens the file at its start.
    char address[2 * MAX_PATH];
    help_address(file, topic, address, sizeof address);
    return HelpHtmlURL(window ? window : GetFocus(), address);
}
