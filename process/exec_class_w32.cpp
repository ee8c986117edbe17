// Exec: descriptor table, construction, release and the small setters.
#include "exec_class.h"

#include "exec_threads.h"
#include "../runtime/class_rows.h"
#include "../runtime/object.h"

namespace {

// The layer's class name; a layer carrying this very pointer was built here.
const char kClassName[] = "Exec";

void ZEKAPI exec_deleting_dtor(ZEK_object *object, int32_t flags);
const ZEK_vtbl kExecVtbl = {exec_deleting_dtor};

void ZEKAPI exec_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_derived(object, &kExecVtbl, flags);
}

// The layer's release, whatever deleting destructor runs it (a module's
// own included): the object's thread entry goes before the area does.
int ZEKAPI exec_release(ZEK_object *object, ZEK_layer *layer)
{
    exec_thread_forget(object);
    return ZEK_dtor(object, layer);
}

using D = Exec_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, pMother),
    ZEK_DATA_ROW(D, pRunWin),
    ZEK_DATA_ROW(D, pMdiWin),
    ZEK_DATA_ROW(D, pData),
    ZEK_DATA_ROW(D, bCount),
    ZEK_DATA_ROW(D, bType),
    ZEK_DATA_ROW(D, bLogOn),
    ZEK_DATA_ROW(D, bPrcMode),
    ZEK_DATA_ROW(D, hWnd),
    ZEK_DATA_ROW(D, hPrcThread),
    ZEK_DATA_ROW(D, bThreadID),
    ZEK_DATA_ROW(D, bPriority),
    ZEK_DATA_ROW(D, pStartAddr),
    ZEK_DATA_ROW(D, bThreadEndType),
    ZEK_DATA_ROW(D, pEditJ),
    ZEK_DATA_ROW(D, bButtonModeEx),
    ZEK_DATA_ROW(D, bButtonSelectEx),
    ZEK_DATA_ROW(D, bTssButtonNo),
    ZEK_DATA_ROW(D, bTssMnuFlag),
    ZEK_DATA_ROW(D, bTssMnuX),
    ZEK_DATA_ROW(D, bTssMnuY),
    zek_method_row("dtor", Exec_dtor, kNoResult),
    zek_method_row("ExecCall", Exec_ExecCall, kIntResult),
    zek_method_row("ExecThreadOpen", Exec_ExecThreadOpen, kIntResult),
    zek_method_row("ExecThreadPriority", Exec_ExecThreadPriority, kIntResult),
    zek_method_row("ExecThreadEndWait", Exec_ExecThreadEndWait, kIntResult),
    zek_method_row("ExecThreadEnd", Exec_ExecThreadEnd, kNoResult),
    zek_method_row("ExecThreadRunWait", Exec_ExecThreadRunWait, kIntResult),
    zek_method_row("SetDllMode", Exec_SetDllMode, kNoResult),
    zek_method_row("SearchProc", Exec_SearchProc, kIntResult),
    zek_method_row("LogFile", Exec_LogFile, kNoResult),
    zek_method_row("SetRunWin", Exec_SetRunWin, kNoResult),
    zek_method_row("SetMdiWin", Exec_SetMdiWin, kNoResult),
    zek_method_row("HelpHtml", Exec_HelpHtml, kIntResult),
    zek_method_row("TssAngle", Exec_TssAngle, kIntResult),
    zek_method_row("TssDist", Exec_TssDist, kIntResult),
    zek_method_row("TssKakutei", Exec_TssKakutei, kIntResult),
    zek_method_row("TssEndJob", Exec_TssEndJob, kIntResult),
    zek_method_row("SetTssEndJob", Exec_SetTssEndJob, kNoResult),
    zek_method_row("SetTssProc", Exec_SetTssProc, kNoResult),
    zek_method_row("SetTssButtonModeEx", Exec_SetTssButtonModeEx, kNoResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 41 && kRowCount - 21 == kExecMethods, "Exec rows");

bool init_layer(ZEK_object *, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kExecMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(Exec_area)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kClassName;
    layer->hModule = nullptr;
    layer->pfnFree = exec_release;
    Exec_data &d = exec_area(layer)->data;
    d.bLogOn = 1;
    d.bPriority = THREAD_PRIORITY_LOWEST;
    return true;
}

// Stores a hook into its slot, or the empty default for null.
void set_hook(ZEK_object *object, int slot, Exec_hook_fn job, Exec_hook_fn empty)
{
    if (ZEK_layer *layer = exec_layer(object))
        layer->pSlot[slot] = reinterpret_cast<ZEK_method_fn>(job ? job : empty);
}

}  // namespace

ZEK_layer *exec_layer(ZEK_object *object)
{
    return zek_find_layer(object, kClassName);
}

extern "C" {

ZEK_object *ZEKAPI Exec_ctor2(ZEK_object *object)
{
    return zek_construct_derived(object, &kExecVtbl, init_layer);
}

void ZEKAPI Exec_dtor(ZEK_object *) {}

void ZEKAPI Exec_SetDllMode(ZEK_object *object, int32_t mode)
{
    if (Exec_data *d = exec_data_of(object))
        d->bPrcMode = mode;
}

void ZEKAPI Exec_SetRunWin(ZEK_object *object, ZEK_object *window)
{
    if (Exec_data *d = exec_data_of(object)) {
        exec_store(d->pRunWin, window);
        exec_thread_run_win_set(object);
    }
}

void ZEKAPI Exec_SetMdiWin(ZEK_object *object, ZEK_object *window)
{
    if (Exec_data *d = exec_data_of(object))
        d->pMdiWin = window;
}

int32_t ZEKAPI Exec_TssAngle(ZEK_object *) { return 0; }
int32_t ZEKAPI Exec_TssDist(ZEK_object *) { return 0; }
int32_t ZEKAPI Exec_TssKakutei(ZEK_object *) { return 0; }
int32_t ZEKAPI Exec_TssEndJob(ZEK_object *) { return 0; }

void ZEKAPI Exec_SetTssEndJob(ZEK_object *object, Exec_hook_fn job)
{
    set_hook(object, kExecTssEndJob, job, Exec_TssEndJob);
}

void ZEKAPI Exec_SetTssProc(ZEK_object *object, Exec_hook_fn angle, Exec_hook_fn distance,
                            Exec_hook_fn confirm)
{
    set_hook(object, kExecTssAngle, angle, Exec_TssAngle);
    set_hook(object, kExecTssDist, distance, Exec_TssDist);
    set_hook(object, kExecTssKakutei, confirm, Exec_TssKakutei);
}

void ZEKAPI Exec_SetTssButtonModeEx(ZEK_object *object, int32_t mode)
{
    if (Exec_data *d = exec_data_of(object))
        d->bButtonModeEx = mode;
}

}  // extern "C"
