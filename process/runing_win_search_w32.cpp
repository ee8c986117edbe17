// RuningWin searches: top-level windows by title or class, descendants by
// title, class or position. Each search keeps its state in the call.
#include "runing_win.h"

#include "title_match.h"

namespace {

// The window's title (at most 126 characters) or class name; empty when
// it cannot be read.
struct WindowName {
    char text[kClassNameBytes];
    WindowName(HWND window, bool className)
    {
        text[0] = '\0';
        if (className)
            GetClassNameA(window, text, int(kClassNameBytes));
        else
            GetWindowTextA(window, text, int(kTitleBytes));
    }
};

BOOL CALLBACK take_top_level(HWND window, LPARAM context)
{
    auto &search = *reinterpret_cast<WindowSearch *>(context);
    WindowName name(window, title_match_reads_class(search.mode));
    return window_search_take(search, name.text, reinterpret_cast<uintptr_t>(window));
}

struct ChildSearch {
    NthNameSearch nth;
    bool className;
};

BOOL CALLBACK take_child(HWND window, LPARAM context)
{
    auto &search = *reinterpret_cast<ChildSearch *>(context);
    WindowName name(window, search.className);
    return nth_name_take(search.nth, name.text, reinterpret_cast<uintptr_t>(window));
}

ZEK_object *find_child(ZEK_object *object, const char *text, int32_t n, bool className)
{
    HWND parent = runing_win_hwnd(object);
    if (!parent || !text || n < 1)
        return nullptr;
    ChildSearch search{nth_name_start(text, n), className};
    EnumChildWindows(parent, take_child, reinterpret_cast<LPARAM>(&search));
    if (!search.nth.found)
        return nullptr;
    ZEK_object *child = RuningWin_ctor2(nullptr);
    if (child)
        runing_win_data(runing_win_layer(child))->hWnd = reinterpret_cast<HWND>(search.nth.found);
    return child;
}

struct TextAt {
    int32_t left;  // children still to pass before the one wanted
    char *buffer;
    bool copied;
};

BOOL CALLBACK take_text(HWND window, LPARAM context)
{
    auto &at = *reinterpret_cast<TextAt *>(context);
    if (at.left-- > 0)
        return TRUE;
    at.buffer[0] = '\0';
    GetWindowTextA(window, at.buffer, int(kTitleBytes));
    at.copied = true;
    return FALSE;
}

struct HandleList {
    HWND *handles;
    int32_t count;
};

BOOL CALLBACK take_handle(HWND window, LPARAM context)
{
    auto &list = *reinterpret_cast<HandleList *>(context);
    if (list.handles)
        list.handles[list.count] = window;
    ++list.count;
    return TRUE;
}

}  // namespace

extern "C" HWND ZEKAPI RuningWin_isRuningWnd(ZEK_object *object, const char *text, int32_t mode,
                                             int32_t *count)
{
    ZEK_layer *layer = runing_win_layer(object);
    WindowSearch search = window_search_start(text, mode, count != nullptr);
    if (text)
        EnumWindows(take_top_level, reinterpret_cast<LPARAM>(&search));
    HWND found = reinterpret_cast<HWND>(search.found);
    if (count)
        *count = search.count;
    if (layer)
        runing_win_data(layer)->hWnd = found;
    return found;
}

extern "C" ZEK_object *ZEKAPI RuningWin_GetChildWin(ZEK_object *object, const char *title,
                                                    int32_t n)
{
    return find_child(object, title, n, false);
}

extern "C" ZEK_object *ZEKAPI RuningWin_GetChildClass(ZEK_object *object, const char *className,
                                                      int32_t n)
{
    return find_child(object, className, n, true);
}

extern "C" int32_t ZEKAPI RuningWin_GetChildText(ZEK_object *object, int32_t index, char *buffer)
{
    HWND parent = runing_win_hwnd(object);
    if (!parent) {
        // 32-bit programs get the object back; a 64-bit pointer does not fit.
#if defined(_WIN64)
        return 0;
#else
        return int32_t(reinterpret_cast<intptr_t>(object));
#endif
    }
    if (!buffer || index < 0)
        return 1;
    TextAt at{index, buffer, false};
    EnumChildWindows(parent, take_text, reinterpret_cast<LPARAM>(&at));
    return at.copied ? 0 : 1;
}

extern "C" int32_t ZEKAPI RuningWin_GetChildHWND(ZEK_object *object, HWND *handles)
{
    HWND parent = runing_win_hwnd(object);
    // A null parent would enumerate the top-level windows instead.
    if (!parent)
        return 0;
    HandleList list{handles, 0};
    EnumChildWindows(parent, take_handle, reinterpret_cast<LPARAM>(&list));
    return list.count;
}
