// Window procedure: menu and button commands, system commands, timers,
// scroll bars and the end of sizing.
#include "win_proc.h"

#include <cstring>

#include "zek2/keys.h"
#include "../env/sjis_fit.h"
#include "../furniture/atr_table.h"

namespace {

// Copies a command text into bMenuDt's 32 bytes; the sources hold up to 64,
// so the text is cut, never in the middle of a two-byte character.
void set_command_text(Win_menu_command &command, const char *text, size_t limit)
{
    const size_t n = sjis_fit(text, limit, sizeof(command.text) - 1);
    if (n)
        std::memcpy(command.text, text, n);
    std::memset(command.text + n, 0, sizeof(command.text) - n);
}

ZEK_object *table_of(ZEK_object *window)
{
    Win_data *d = win_data_of(window);
    return d ? d->pButtonTbl : nullptr;
}

// True when the table is one of this window's own button tables: its
// buttons, the status bar's, a toolbar's or a side menu's.
bool is_own_table(const Win_data &d, ZEK_object *table)
{
    if (!table)
        return false;
    bool own = table == d.pButtonTbl || table == table_of(d.pToolFrame);
    for_each_furniture(d, [&](ZEK_object *w) { own = own || table == table_of(w); });
    return own && atr_table_layer(table);
}

bool is_mdi_system_command(WPARAM command)
{
    switch (command) {
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        return true;
    default:
        return false;
    }
}

void clear_back_buffer_flags(const WinMessage &m)
{
    m.d.bBmpFlag = 0;
    if (Win_data *child = win_data_of(win_maximised_mdi_child(m.d)))
        child->bBmpFlag = 0;
}

}  // namespace

LRESULT win_on_command(const WinMessage &m)
{
    Win_data &d = m.d;
    if (m.wParam >= 0x1000000)
        return win_default(m);
    if (d.bMdiId && is_mdi_system_command(m.wParam))
        return win_default(m);
    Win_menu_command &c = d.bMenuDt;
    c.kind = 0;
    c.id = int32_t(m.wParam);
    c.onOff = 0;
    c.type = 1;
    c.runMode = 0;
    const char *text = win_call<kWinGetMenuProc>(m.object, int32_t(m.wParam));
    set_command_text(c, text, 64);
    win_call<kWinResetOnOffButton>(m.object, static_cast<ZEK_object *>(nullptr));
    win_post_key(d, ZEK_CMD_MENU);
    return 0;
}

LRESULT win_on_win_command(const WinMessage &m)
{
    Win_data &d = m.d;
    ZEK_object *table = reinterpret_cast<ZEK_object *>(m.wParam);
    // A stale or foreign pointer is never followed: only a record of one of
    // this window's own tables is read.
    const AtrTable_button *record = is_own_table(d, table) ? atr_button_at(table, reinterpret_cast<const void *>(m.lParam)) : nullptr;
    if (!record)
        return 0;
    Win_menu_command &c = d.bMenuDt;
    c.kind = 0;
    c.id = record->bComId;
    set_command_text(c, record->cls, sizeof(record->cls));
    c.onOff = record->bOnOff;
    c.type = record->bComType;
    c.runMode = record->bRunMode;
    if (record->bOnOff == 2)
        win_call<kWinResetOnOffButton>(m.object, table);
    if (!win_call<kWinCommandButton>(m.object, intptr_t(m.wParam), intptr_t(m.lParam)))
        win_post_key(d, ZEK_CMD_MENU);
    return 0;
}

LRESULT win_on_syscommand(const WinMessage &m)
{
    Win_data &d = m.d;
    if (win_end_popup_first(m))
        return 0;
    // The low four bits are the system's own (0xF032 is a maximise by double click).
    const WPARAM command = m.wParam & 0xFFF0;
    const int32_t edge = int32_t(m.wParam & 0xF);
    switch (command) {
    case SC_SIZE:
        if (edge >= 1 && edge <= 8) {
            d.bBufDisp = 0;
            d.bEdType = edge;
            if (Win_data *child = win_data_of(win_maximised_mdi_child(d)))
                child->bEdType = edge;
            if (Win_data *child = win_data_of(d.pChild))
                child->bEdType = edge;
        }
        return win_default(m);
    case SC_MINIMIZE:
        d.wSxBuf = d.wSx0;
        d.wSyBuf = d.wSy0;
        d.wMxBuf = d.wMx0;
        d.wMyBuf = d.wMy0;
        d.bEdType = 9;
        d.bShow = SW_SHOWMINIMIZED;
        return win_default(m);
    case SC_MAXIMIZE:
        d.bEdType = 10;
        d.bShow = SW_SHOWMAXIMIZED;
        clear_back_buffer_flags(m);
        return win_default(m);
    case SC_RESTORE:
        if (d.bShow == SW_SHOWMAXIMIZED && d.bShowB == SW_SHOWMAXIMIZED) {
            d.bEdType = 0;
            d.bShow = d.bShowB = SW_SHOW;
        } else {
            d.bEdType = 11;
            d.bShow = d.bShowB;
        }
        clear_back_buffer_flags(m);
        return win_default(m);
    case SC_CLOSE:
        if (win_call<kWinAltF4>(m.object))
            return 0;
        return win_default(m);
    case SC_CONTEXTHELP:
        win_call<kWinHtmlCall>(m.object);
        return 0;
    default:
        return win_default(m);
    }
}

LRESULT win_on_timer(const WinMessage &m)
{
    Win_data &d = m.d;
    ZEK_object *o = m.object;
    const int32_t id = int32_t(m.wParam);
    switch (id) {
    case WIN_TIMER_HINT:
        if (d.pButtonTbl)
            call_named<int32_t>(d.pButtonTbl, "DispHint");
        break;
    case WIN_TIMER_REPEAT:
        if (d.pButtonTbl) {
            call_named<int32_t>(d.pButtonTbl, "SetRepeetTimer");
            win_post(d, WIN_BUTTON_REPEET, 0, 0);
            win_post_key(d, ZEK_CMD_MENU);
        }
        break;
    case WIN_TIMER_SCROLL_L:
    case WIN_TIMER_SCROLL_R:
        win_call<kWinwork_m1>(o);
        id == WIN_TIMER_SCROLL_L ? win_call<kWinwork_sl>(o) : win_call<kWinwork_sr>(o);
        win_call<kWinwork_m1>(o);
        win_call<kWinSetButtonTimer>(o, int32_t(30));
        break;
    case WIN_TIMER_CAD:
        d.bTimerOnFlag = 1;
        d.bTimerId = WIN_TIMER_CAD;
        if (!d.bTimerLockMode) {
            win_call<kWinTimerCad>(o, id);
            d.bTimerOnFlag = 0;
        }
        break;
    default:
        win_call_timer(o, id);
        break;
    }
    return win_default(m);
}

void win_call_timer(ZEK_object *o, int32_t id)
{
    switch (id) {
    case WIN_TIMER_INP:
        win_call<kWinTimerInp>(o, id);
        break;
    case WIN_TIMER_IGNORED:
        break;
    case WIN_TIMER_SUB:
        win_call<kWinTimerSub>(o, id);
        break;
    default:
        win_call<kWinTimer>(o, id);
        break;
    }
}

LRESULT win_on_scroll(const WinMessage &m)
{
    const bool vertical = m.message == WM_VSCROLL;
    const int32_t position = int32_t(HIWORD(m.wParam));
    ZEK_object *o = m.object;
    switch (LOWORD(m.wParam)) {
    case SB_LINEUP:
        vertical ? win_call<kWinLineUp>(o) : win_call<kWinLineLeft>(o);
        break;
    case SB_LINEDOWN:
        vertical ? win_call<kWinLineDown>(o) : win_call<kWinLineRight>(o);
        break;
    case SB_PAGEUP:
        vertical ? win_call<kWinPageUp>(o) : win_call<kWinPageLeft>(o);
        break;
    case SB_PAGEDOWN:
        vertical ? win_call<kWinPageDown>(o) : win_call<kWinPageRight>(o);
        break;
    case SB_THUMBPOSITION:
        vertical ? win_call<kWinVSliderPosition>(o, position)
                 : win_call<kWinHSliderPosition>(o, position);
        break;
    case SB_THUMBTRACK:
        vertical ? win_call<kWinVSliderTrack>(o, position)
                 : win_call<kWinHSliderTrack>(o, position);
        break;
    case SB_ENDSCROLL:
        win_call<kWinDrawEndScroll>(o);
        break;
    }
    return win_default(m);
}

LRESULT win_on_exit_size_move(const WinMessage &m)
{
    Win_data &d = m.d;
    win_post_key(d, ZEK_CMD_RESIZED);
    d.bBufDisp = 1;
    d.bEdType = 0;
    d.bBmpFlag = 0;
    if (Win_data *child = win_data_of(win_maximised_mdi_child(d))) {
        child->bEdType = 0;
        child->bBmpFlag = 0;
        if (child->hWnd)
            InvalidateRect(child->hWnd, &child->bRect, TRUE);
    }
    return win_default(m);
}
