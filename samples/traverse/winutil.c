/* Members of library objects by name, and the run log. */
#include <stdarg.h>
#include <stdio.h>

#include "traverse.h"

void *layer_member(ZEK_object *o, int level, const char *name)
{
    ZEK_layer *layer = ZEK_layer_at(o, level);
    int row = ZEK_NameSearch2(layer->pDataRow, layer->nDataRow, name);
    return row < 0 ? NULL : ZEK_ptr(layer->pDataArea, 0, (intptr_t)layer->pDataRow[row].place);
}

/* Data rows are searched alone, since some names (Color) are methods too. */
void *win_member(ZEK_object *o, const char *name)
{
    return layer_member(o, 1, name);
}

int overwrite_slot(ZEK_object *o, int level, const char *name, ZEK_method_fn fn)
{
    ZEK_layer *layer = ZEK_layer_at(o, level);
    int slot = ZEK_NameSearch(layer, name);
    if (slot < 0)
        return 0;
    layer->pSlot[slot] = fn;
    return 1;
}

HWND window_of(ZEK_object *o)
{
    return o ? *(HWND *)win_member(o, "hWnd") : NULL;
}

ZEK_object *mdi_child(ZEK_object *frame, int n)
{
    return ((ZEK_object **)win_member(frame, "pMdiChild"))[n];
}

void cell_printf(ZEK_object *w, int cx, int cy, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    Win_Cursor(w, cx, cy);
    Win__printf(w, format, arguments);
    va_end(arguments);
}

/* One line in the day's run log of the log directory. */
void run_log(const char *format, ...)
{
    char text[200];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (app.exec)
        Exec_LogFile(app.exec, text);
}
