// FdioInput: the table loop, its keys, the autosave on the window's timer,
// saving and emptying the table.
#include "fdio_input.h"

#include "../window/win_call.h"
#include "zek2/keys.h"

namespace {

constexpr UINT_PTR kAutosaveTimer = 205;
constexpr UINT kAutosaveMs = 5 * 60 * 1000;

// The window's TimerInp slot while a table loop runs there. A tick that finds
// no running table of this window in pFdInpBuf (one already queued when the
// loop ended, or a copy of this handler left in another slot) is ignored, and
// so is one that arrives while a save job waits for messages.
int32_t ZEKAPI autosave_tick(ZEK_object *w, int32_t)
{
    Win_data *wd = win_data_of(w);
    if (!wd || !fdio_loop_running(wd->pFdInpBuf))
        return 0;
    ZEK_object *f = static_cast<ZEK_object *>(wd->pFdInpBuf);
    FdioParts p = fdio_parts(f);
    FdioInput_area *a = fdio_input_area(p.in);
    if (p.d->pWin != w || a->saving)
        return 0;
    a->saving = 1;
    const int32_t editing = p.rec->bSelRec;
    // The save job runs only once every changed block is in the file.
    if (fdio_io_call<int32_t>(f, p, kFdIoPushBuf))
        fdio_call<int32_t>(f, p, kFdinInputDataSave);
    fdio_io_call<int32_t>(f, p, kFdIoPopBuf);
    // PopBuf leaves no record current; the cell input in progress may still
    // write through pRecord, so it goes back to the record last positioned.
    if (editing >= 0)
        fdio_io_call<int32_t>(f, p, kFdIoGet, editing);
    a->saving = 0;
    return 1;
}

// One pass's key: the empty row after the last record is cleared and drawn
// while the cursor is on its head, which takes Enter; elsewhere the cell
// input hook of bInpMode gives the key.
int32_t next_key(ZEK_object *f, const FdioParts &p, ZEK_object *w)
{
    FdioInput_data &d = *p.d;
    Fd_Io_data &r = *p.rec;
    d.bCurY = table_row(fdio_cursor(p));
    if (r.bDatC > r.bDatE && d.bCurX == 0) {
        fdio_io_call<int32_t>(f, p, kFdIoPut0, r.bDatC);
        fdio_call<void>(f, p, kFdinDrawDelLine, w, d.bCurY);
        fdio_call<void>(f, p, kFdinDrawLine, w, r.bDatC, int32_t(0), d.bCurY);
    }
    if (d.bCurX == 0)
        return ZEK_KEY_SPECIAL | ZEK_KEY_ENTER;
    if (d.bCurX < d.bDspXs)
        d.bCurX = d.bDspXs;
    // Only five cell input hooks exist; any other mode uses the first.
    const int mode = d.bInpMode >= 0 && d.bInpMode <= 4 ? d.bInpMode : 0;
    return fdio_call<int32_t>(f, p, kFdinInputLine + mode, w, r.bDatS, r.bDatE, r.bDatC, d.bCurX,
                              d.bCurY);
}

bool on_record(const Fd_Io_data &r)
{
    return r.bDatS <= r.bDatC && r.bDatC <= r.bDatE;
}

// Carries out one key; false when it ends the loop.
bool dispatch(ZEK_object *f, const FdioParts &p, ZEK_object *w, const Win_data &wd, int32_t key)
{
    if (key == wd.AltF4Code)
        return false;
    FdioInput_data &d = *p.d;
    switch (key) {
    case ZEK_KEY_SPECIAL | ZEK_KEY_TAB:
        fdio_call<void>(f, p, kFdinCurRight);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_SHIFT | ZEK_KEY_TAB:
        fdio_call<void>(f, p, kFdinCurLeft);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_ENTER:
        fdio_call<int32_t>(f, p, kFdinCurNext, w);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_PAGEUP:
        fdio_call<int32_t>(f, p, kFdinBackPage, w);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_PAGEDOWN:
        fdio_call<int32_t>(f, p, kFdinNextPage, w);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_HOME:
        fdio_call<int32_t>(f, p, kFdinCurHome, w, int32_t(0));
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_SHIFT | ZEK_KEY_HOME:
        fdio_call<int32_t>(f, p, kFdinCurSHome, w, int32_t(0));
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_UP:
        fdio_call<int32_t>(f, p, kFdinCurUp, w);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_DOWN:
        fdio_call<int32_t>(f, p, kFdinCurDown, w);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_SHIFT | ZEK_KEY_INSERT:
        if (!d.bInsLock && on_record(*p.rec) &&
            fdio_call<int32_t>(f, p, kFdinLineIns, w, d.bInsDel))
            fdio_call<int32_t>(f, p, kFdinLineInsMsg, w, p.rec->bDatC, d.bCurY);
        break;
    case ZEK_KEY_SPECIAL | ZEK_KEY_SHIFT | ZEK_KEY_DELETE:
        if (!d.bDelLock && on_record(*p.rec) &&
            fdio_call<int32_t>(f, p, kFdinLineDelMsg, w, p.rec->bDatC))
            fdio_call<int32_t>(f, p, kFdinLineDel, w, d.bInsDel);
        break;
    default:
        // A key InputCtrl hands back is its next key; the window's end key
        // handed back ends the table.
        for (int32_t k = fdio_call<int32_t>(f, p, kFdinInputCtrl, w, key); k > 0 && !wd.bQuitFlag;
             k = fdio_call<int32_t>(f, p, kFdinInputCtrl, w, k))
            if (k == wd.AltF4Code)
                return false;
        break;
    }
    return true;
}

}  // namespace

// The window's TimerInp slot and pFdInpBuf are the loop's while it runs and
// are handed back as they were when it ends. The loop also ends when the
// window has been destroyed, since no key can come any more.
extern "C" int32_t ZEKAPI FdioInput_InputLoop(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    ZEK_layer *wl = w ? win_layer(w) : nullptr;
    if (!p || !wl || !wl->pSlot)
        return 0;
    FdioInput_area *a = fdio_input_area(p.in);
    if (a->running)  // one loop per table at a time
        return 0;
    Win_data &wd = *win_data(wl);
    const auto tick = reinterpret_cast<ZEK_method_fn>(autosave_tick);
    p.d->pWin = w;
    a->savedTimerInp = wl->pSlot[kWinTimerInp];
    a->savedInpBuf = wd.pFdInpBuf;
    wl->pSlot[kWinTimerInp] = tick;
    wd.pFdInpBuf = f;
    fdio_loop_enter(f, a);
    win_call<kWinSetTimer>(w, kAutosaveTimer, kAutosaveMs);
    p.rec->bResult = 0;
    fdio_call<void>(f, p, kFdinInputStartJob, w);

    while (!wd.bQuitFlag && dispatch(f, p, w, wd, next_key(f, p, w))) {
    }

    const bool saved = fdio_call<int32_t>(f, p, kFdinInputDataSave) != 0;
    fdio_call<void>(f, p, kFdinInputEndJob, w);
    if (wl->pSlot[kWinTimerInp] == tick)  // unless the program has put its own there
        wl->pSlot[kWinTimerInp] = a->savedTimerInp;
    wd.pFdInpBuf = a->savedInpBuf;
    fdio_loop_leave(f, a);
    // A table loop running around this one in the same window keeps its timer.
    if (fdio_loop_running(wd.pFdInpBuf))
        win_call<kWinSetTimer>(w, kAutosaveTimer, kAutosaveMs);
    else
        win_call<kWinKillTimer>(w, kAutosaveTimer);
    if (!saved)
        p.rec->bResult = FDIO_INPUT_WRITE_FAILED;
    return p.rec->bResult;
}

extern "C" int32_t ZEKAPI FdioInput_InputDataSave(ZEK_object *f)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    if (!p.d->bInpFlag)
        return 1;
    if (fd_io_area(p.io)->io && !fdio_io_call<int32_t>(f, p, kFdIoFlush))
        return 0;
    fdio_call<void>(f, p, kFdinInputSaveJob, p.rec->bDatS, p.rec->bDatE);
    p.d->bInpFlag = 0;
    return 1;
}

// Emptying starts from a saved table: when the save fails nothing is emptied.
extern "C" int32_t ZEKAPI FdioInput_InputInitDataDir(ZEK_object *f)
{
    FdioParts p = fdio_parts(f);
    if (!p || !fdio_call<int32_t>(f, p, kFdinInputDataSave))
        return 0;
    const int32_t done = fdio_io_call<int32_t>(f, p, kFdIoInitData);
    p.rec->bDatE = p.rec->bDatS - 1;
    p.d->bAbsMode = 0;
    return done;
}

extern "C" int32_t ZEKAPI FdioInput_InputInitData(ZEK_object *f, ZEK_object *w)
{
    FdioParts p = fdio_parts(f);
    if (!p)
        return 0;
    if (!fdio_call<int32_t>(f, p, kFdinInputInitDataDir))
        return 0;
    fdio_call<int32_t>(f, p, kFdinCurHome, w, int32_t(0));
    return 1;
}
