// Exec: running a procedure named by a command text, and finding it.
#include "command_text.h"
#include "exec_threads.h"
#include "../runtime/class_rows.h"
#include "../window/win_call.h"

#include <cstring>

namespace {

// The function of the first kind-3 row named name among a layer's rows.
Exec_proc_fn method_row(const ZEK_member *rows, int32_t methods, const char *name)
{
    if (!rows)
        return nullptr;
    for (int32_t i = 0, seen = 0; seen < methods; ++i) {
        if (rows[i].kind != ZEK_KIND_METHOD)
            continue;
        ++seen;
        if (rows[i].name && std::strcmp(rows[i].name, name) == 0)
            return reinterpret_cast<Exec_proc_fn>(rows[i].place);
    }
    return nullptr;
}

Exec_proc_fn replacement_row(const ZEK_layer *layer, const char *name)
{
    for (int32_t i = 0; layer->pOverRow && i < layer->nOverRow; ++i) {
        const ZEK_member &row = layer->pOverRow[i];
        if (row.kind == ZEK_KIND_METHOD && row.name && std::strcmp(row.name, name) == 0)
            return reinterpret_cast<Exec_proc_fn>(row.place);
    }
    return nullptr;
}

}  // namespace

extern "C" Exec_proc_fn ZEKAPI Exec_SearchProc(ZEK_object *object, const char *name)
{
    ZEK_layer *layer = exec_layer(object);
    if (!layer || !name)
        return nullptr;
    while (layer->pDerived)
        layer = layer->pDerived;
    // Most-derived class first, down to the layer right above the root.
    for (; layer && layer->pBase; layer = layer->pBase) {
        if (Exec_proc_fn fn = replacement_row(layer, name))
            return fn;
        if (layer->nMethodRow > 0)
            if (Exec_proc_fn fn = method_row(layer->pMethodRow, layer->nMethodRow, name))
                return fn;
    }
    return nullptr;
}

extern "C" int32_t ZEKAPI Exec_ExecCall(ZEK_object *exec, const char *text, ZEK_object *window,
                                        intptr_t value1, int32_t value2)
{
    const CommandText command = split_command_text(text);
    if (!command.names) {
        if (window)
            win_call<kWinResetOnOffButton>(window, static_cast<ZEK_object *>(nullptr));
        return 0;
    }
    const bool created = command.inModule;
    ZEK_object *object = created ? ZEK_new(command.module, 0) : exec;
    if (!object)
        return 0;
    ZEK_layer *layer = exec_layer(object);
    if (!layer) {
        if (created)
            ZEK_delete(object);
        return 0;
    }
    Exec_data *d = &exec_area(layer)->data;
    d->bPrcMode = 0;
    auto fn = zek_call_slot<Exec_proc_fn>(object, layer, kExecSearchProc, command.procedure);
    ZEK_object *savedMother = d->pMother;
    ZEK_object *savedRunWin = exec_load(d->pRunWin);
    int32_t result = 0;
    if (created)
        exec_hold(object);  // its thread or window may finish with it meanwhile
    if (fn) {
        d->pData = value1;
        d->pMother = window;
        d->bCount = value2;
        d->bType = created ? 1 : 0;
        Win_data *w = win_data_of(window);
        d->hWnd = window ? (w ? w->hWnd : nullptr) : GetFocus();
        zek_call_slot<void>(object, layer, kExecLogFile, text);
        result = fn(object);
    }
    if (created) {
        if (exec_unhold(object, ExecUnhold::CallEnd))
            ZEK_delete(object);
    } else {
        d->pMother = savedMother;
        exec_store(d->pRunWin, savedRunWin);
    }
    return result;
}
