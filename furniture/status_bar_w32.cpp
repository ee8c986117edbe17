// The status bar: a "StatusClass" strip of sunken text panes along the
// bottom edge of a window, with its own Win and button table.
#include <cstring>
#include <utility>

#include "../env/sjis_fit.h"
#include "../runtime/object.h"
#include "../window/win_call.h"
#include "../window/win_lifetime.h"
#include "../window/win_window_class.h"
#include "button_entry.h"
#include "furniture_proc.h"
#include "win_button_lookup.h"

namespace {

const char kStatusClass[] = "StatusClass";
constexpr int16_t kPaneFrame = 109;

// One pane across the whole bar when the program gives no table.
const ButtonEntry kBuiltInPanes[2] = {
    {1, 0, 0, 0, kPaneFrame, 0, 0, 0, 19, 0, 0, 0, 0, 0, 0, "", "", "", nullptr, nullptr,
     nullptr, nullptr},
    {kEntryEnd, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", nullptr, nullptr, nullptr,
     nullptr},
};

bool status_own(const FurnitureMessage &m, LRESULT *result)
{
    // A bar not yet placed (0 x 0) keeps its layout.
    if (m.message != WM_SIZE || (LOWORD(m.lParam) && HIWORD(m.lParam)))
        return false;
    *result = 0;
    return true;
}

void status_layout(const FurnitureMessage &m)
{
    if (ZEK_object *t = win_button_table(m.object))
        call_named<void>(t, "LayoutStatusBar");
}

void status_edge(const FurnitureMessage &m, HDC dc)
{
    RECT c{};
    GetClientRect(m.d.hWnd, &c);
    furniture_line(dc, Color3dShadow(), 0, 0, c.right, 0);
    furniture_line(dc, Color3dHiLight(), 0, 1, c.right, 1);
}

FurnitureKind status_kind()
{
    FurnitureKind k;
    k.own = status_own;
    k.layout = status_layout;
    k.decorate = status_edge;
    k.scrolls = false;
    k.mouseTable = false;
    return k;
}

LRESULT CALLBACK status_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const FurnitureKind kind = status_kind();
    return furniture_proc(kind, window, message, wParam, lParam);
}

// Registering is idempotent, so a failed bar never keeps later ones from
// their class.
bool register_status_class(HINSTANCE instance)
{
    WinClassInfo info;
    info.name = kStatusClass;
    info.style = CS_HREDRAW | CS_VREDRAW;
    info.instance = instance;
    info.procedure = status_proc;
    return win_register_class(info);
}

// The pane-th frame-109 button of w's status bar.
struct Pane {
    ZEK_object *bar = nullptr;
    ZEK_object *table = nullptr;
    int32_t index = -1;
    AtrTable_button *rec = nullptr;
};

Pane find_pane(ZEK_object *w, int32_t pane)
{
    Pane p;
    Win_data *wd = win_data_of(w);
    p.bar = wd ? wd->pStatusBar : nullptr;
    p.table = win_button_table(p.bar);
    if (!p.table || pane < 0)
        return Pane{};
    const AtrButtons b = atr_buttons(p.table);
    for (int32_t k = 0; k < b.count; ++k) {
        if (b.rec[k].frame == kPaneFrame && pane-- == 0) {
            p.index = k;
            p.rec = &b.rec[k];
            return p;
        }
    }
    return Pane{};
}

void drop_status_bar(Win_data &wd)
{
    zek_delete_object(std::exchange(wd.pStatusBar, nullptr));
}

}  // namespace

// The bar's object belongs to w's pStatusBar: deleted with the bar's window
// (which clears the slot), by w's WM_NCDESTROY, or when the next
// Win_InitStatusBar replaces it. A failed call leaves no bar behind.
extern "C" int32_t ZEKAPI Win_InitStatusBar(ZEK_object *w, const void *table)
{
    Win_data *wd = win_data_of(w);
    if (!wd)
        return 0;
    drop_status_bar(*wd);
    ZEK_object *bar = Win_ctor2(nullptr);
    Win_data *bd = win_data_of(bar);
    if (!bd)
        return 0;
    wd->pStatusBar = bar;
    bd->pMother = w;
    bd->ClassStyle = CS_HREDRAW | CS_VREDRAW;
    bd->pClassName = kStatusClass;
    bd->WinStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    bd->ExStyle = 0;
    if (!register_status_class(bd->hInst)) {
        drop_status_bar(*wd);
        return 0;
    }
    const void *panes = table ? table : kBuiltInPanes;
    if (!win_call<kWinInitButton>(bar, panes, int32_t(1), int32_t(0), int32_t(0))) {
        // Fails while windows of the class exist; then it stays, harmlessly.
        UnregisterClassA(kStatusClass, bd->hInst);
        drop_status_bar(*wd);
        return 0;
    }
    return 1;
}

extern "C" int32_t ZEKAPI Win_CreateStatusBar(ZEK_object *w)
{
    Win_data *wd = win_data_of(w);
    ZEK_object *bar = wd ? wd->pStatusBar : nullptr;
    Win_data *bd = win_data_of(bar);
    if (!bd || (bd->hWnd && IsWindow(bd->hWnd) && win_object_of(bd->hWnd) == bar))
        return 0;
    if (!register_status_class(bd->hInst))
        return 0;
    HWND window = CreateWindowExA(bd->ExStyle, kStatusClass, "", bd->WinStyle, 0, 0, 0, 0,
                                  wd->hWnd, nullptr, bd->hInst, bar);
    return window ? 1 : 0;
}

extern "C" void ZEKAPI Win_SetStatusMsg(ZEK_object *w, const char *text, int32_t pane)
{
    const Pane p = find_pane(w, pane);
    if (!p.rec)
        return;
    // 63 bytes and the terminator; a two-byte character is never split.
    const size_t n = sjis_fit(text, SIZE_MAX, sizeof p.rec->str - 1);
    if (n)
        std::memmove(p.rec->str, text, n);
    std::memset(p.rec->str + n, 0, sizeof p.rec->str - n);
    Win_data *bd = win_data_of(p.bar);
    if (bd && bd->hWnd)
        atr_redraw(p.table, AtrDraws{{p.index, 0, 0}});
}

extern "C" void ZEKAPI Win_GetStatusMsg(ZEK_object *w, char *buffer, int32_t pane)
{
    if (!buffer)
        return;
    buffer[0] = '\0';
    const Pane p = find_pane(w, pane);
    if (!p.rec)
        return;
    const size_t n = strnlen(p.rec->str, sizeof p.rec->str - 1);
    std::memcpy(buffer, p.rec->str, n);
    buffer[n] = '\0';
}
