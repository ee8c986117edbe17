// Win: the mouse jobs and their stack, the mouse table, button presses handed
// to the button table, the wheel and the timer lock.
#include <cstring>
#include <cstddef>

#include "win_proc.h"
#include "zek2/keys.h"

#include "../furniture/atr_table.h"

namespace {

// The job slots in the order of a stack entry.
constexpr int kJobSlots[8] = {kWinwork_p0, kWinwork_m1, kWinwork_m2, kWinwork_sl,
                              kWinwork_sr, kWinwork_pb, kWinwork_mn, kWinwork_md};
constexpr int32_t kStackDepth = int32_t(sizeof(Win_data::bWorkMouse) / sizeof(Win_mouse_job));

using MouseRect = Win_mouse_row;

void post_job_key(const Win_data &d, int32_t key)
{
    if (key != 0)
        win_post_key(d, key);
}

bool inside(const MouseRect &r, int32_t x, int32_t y)
{
    return x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2;
}

}  // namespace

void win_send_button(const Win_data &receiver, ZEK_object *table, int32_t index)
{
    // The table's own answer to Get: the current record of its block.
    if (!call_named<int32_t>(table, "Get", index) || !table->pRecord)
        return;
    const auto *record = static_cast<const AtrTable_button *>(table->pRecord);
    if (record->bComType == 0)
        post_job_key(receiver, record->key);
    else
        win_post(receiver, WIN_COMMAND, reinterpret_cast<WPARAM>(table),
                 reinterpret_cast<LPARAM>(record));
}

const Win_mouse_row *win_mouse_row_hit(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->pMouseTable)
        return nullptr;
    const int32_t i = win_call<kWinGetMouseTbl>(object);
    const auto *rows = static_cast<const MouseRect *>(d->pMouseTable);
    // A replaced GetMouseTbl may answer past the end row.
    int32_t n = 0;
    while (n < i && rows[n].type != -1)
        ++n;
    return i >= 0 && n == i && rows[i].type != -1 ? &rows[i] : nullptr;
}

extern "C" void ZEKAPI Win_SetStdMouseJob(ZEK_object *object, Win_job_fn sr, Win_job_fn sl,
                                          Win_job_fn m1, Win_job_fn m2, Win_job_fn p0,
                                          Win_job_fn pb, Win_job_fn mn, Win_job_fn md)
{
    ZEK_layer *layer = object ? win_layer(object) : nullptr;
    if (!layer || !layer->pSlot)
        return;
    const struct {
        int slot;
        Win_job_fn fn, empty;
    } jobs[] = {{kWinwork_sr, sr, Win_work_sr}, {kWinwork_sl, sl, Win_work_sl},
                {kWinwork_m1, m1, Win_work_m1}, {kWinwork_m2, m2, Win_work_m2},
                {kWinwork_p0, p0, Win_work_p0}, {kWinwork_pb, pb, Win_work_pb},
                {kWinwork_mn, mn, Win_work_mn}, {kWinwork_md, md, Win_work_md}};
    for (const auto &j : jobs)
        layer->pSlot[j.slot] = reinterpret_cast<ZEK_method_fn>(j.fn ? j.fn : j.empty);
}

extern "C" void ZEKAPI Win_PushMouse(ZEK_object *object)
{
    ZEK_layer *layer = object ? win_layer(object) : nullptr;
    if (!layer || !layer->pSlot)
        return;
    Win_data &d = *win_data(layer);
    // A push beyond the stack would overwrite the members behind it.
    if (d.MouseCount < 0 || d.MouseCount >= kStackDepth)
        return;
    Win_mouse_job &e = d.bWorkMouse[d.MouseCount];
    e.ExecJob = d.ExecJob;
    for (int i = 0; i < 8; ++i)
        e.job[i] = layer->pSlot[kJobSlots[i]];
    ++d.MouseCount;
}

extern "C" void ZEKAPI Win_PopMouse(ZEK_object *object)
{
    ZEK_layer *layer = object ? win_layer(object) : nullptr;
    if (!layer || !layer->pSlot)
        return;
    Win_data &d = *win_data(layer);
    if (d.MouseCount < 1 || d.MouseCount > kStackDepth)
        return;
    const Win_mouse_job &e = d.bWorkMouse[--d.MouseCount];
    d.ExecJob = e.ExecJob;
    for (int i = 0; i < 8; ++i)
        layer->pSlot[kJobSlots[i]] = e.job[i];
}

extern "C" void ZEKAPI Win_MouseMove(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (d->pButtonTbl)
        call_named<void>(d->pButtonTbl, "MouseMove");
    // m1 takes the rubber-band picture down, m2 moves it, m1 puts it back.
    win_call<kWinwork_zw>(object);
    win_call<kWinwork_m1>(object);
    win_call<kWinwork_m2>(object);
    win_call<kWinwork_m1>(object);
    win_call<kWinwork_zh>(object);
}

extern "C" int32_t ZEKAPI Win_GetMouseTbl(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d || !d->pMouseTable)
        return -1;
    const auto *rows = static_cast<const MouseRect *>(d->pMouseTable);
    for (int32_t i = 0; rows[i].type != -1; ++i) {
        if (rows[i].type == 1 && inside(rows[i], d->MouseCx, d->MouseCy))
            return i;
        if (rows[i].type == 2 && inside(rows[i], d->MouseGx, d->MouseGy))
            return i;
    }
    return -1;
}

extern "C" int32_t ZEKAPI Win_LButtonDown(ZEK_object *object, WPARAM wParam)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    if (ZEK_object *table = d->pButtonTbl) {
        // Only a button table is asked; another object hits nothing.
        const int32_t i = atr_table_layer(table)
                              ? call_named<int32_t>(table, "LButtonDown", wParam)
                              : -1;
        if (i != -1) {
            call_named<void>(table, "SetRepeetTimer", i);
            win_send_button(*d, table, i);
            return 0;
        }
    }
    win_call<kWinwork_m1>(object);
    if (const int32_t r = win_call<kWinwork_sl>(object)) {
        post_job_key(*d, r);
        return 0;
    }
    if (const Win_mouse_row *row = win_mouse_row_hit(object)) {
        d->CurCy = d->MouseCy;
        if (row->job)
            post_job_key(*d, row->job(object));
    }
    win_call<kWinwork_m1>(object);
    return 0;
}

extern "C" int32_t ZEKAPI Win_RButtonDown(ZEK_object *object, WPARAM)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    win_call<kWinwork_m1>(object);
    post_job_key(*d, win_call<kWinwork_sr>(object));
    return 0;
}

extern "C" int32_t ZEKAPI Win_LButtonUp(ZEK_object *object, WPARAM wParam)
{
    Win_data *d = win_data_of(object);
    if (d && d->pButtonTbl)
        call_named<int32_t>(d->pButtonTbl, "LButtonUp", wParam);
    return 0;
}

extern "C" int32_t ZEKAPI Win_bOnMouse(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    POINT p;
    RECT r;
    if (!d || !d->hWnd || !GetCursorPos(&p) || !ScreenToClient(d->hWnd, &p) ||
        !GetClientRect(d->hWnd, &r))
        return 0;
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom ? 1 : 0;
}

extern "C" void ZEKAPI Win_MouseWheel(ZEK_object *object, int32_t down)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    win_post_key(*d, ZEK_CMD_RESIZED);
    win_post(*d, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
    win_post(*d, WM_VSCROLL, SB_ENDSCROLL, 0);
}

extern "C" void ZEKAPI Win_TimerLock(ZEK_object *object)
{
    if (Win_data *d = win_data_of(object))
        d->bTimerLockMode = 1;
}

extern "C" void ZEKAPI Win_TimerUnLock(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    // A tick that fell into the locked time is delivered now, once.
    if (d->bTimerOnFlag) {
        d->bTimerOnFlag = 0;
        win_call<kWinTimerCad>(object, d->bTimerId);
    }
    d->bTimerLockMode = 0;
}
