/* Class module of the traverse program: the object a second instance makes
   in the first over the messaging link. It reads the first instance's
   stations through the functions its program exports. */
#include <stdlib.h>
#include <windows.h>

#include "ZEK2.h"
#include "../remote_api.h"

static void ZEKAPI trav_dtor(ZEK_object *o) { (void)o; }

static int32_t ZEKAPI trav_count(ZEK_object *o)
{
    (void)o;
    traverse_count_fn count =
        (traverse_count_fn)(void (*)(void))GetProcAddress(GetModuleHandleA(NULL), TRAVERSE_COUNT_EXPORT);
    return count ? count() : -1;
}

static int32_t ZEKAPI trav_line(ZEK_object *o, int32_t index, char *out, int32_t size)
{
    (void)o;
    traverse_line_fn line =
        (traverse_line_fn)(void (*)(void))GetProcAddress(GetModuleHandleA(NULL), TRAVERSE_LINE_EXPORT);
    if (!line || !out || size <= 0 || size > TRAVNET_LINE_SIZE)
        return -1;
    return line(index, out, size);
}

static const ZEK_member kRows[] = {
    {ZEK_KIND_DATA, "unused", 0, 4, 1},
    {ZEK_KIND_METHOD, "dtor", (uintptr_t)trav_dtor, 0, 0},
    {ZEK_KIND_METHOD, "Count", (uintptr_t)trav_count, 4, 1},
    {ZEK_KIND_METHOD, "Line", (uintptr_t)trav_line, 4, 1},
};

static void ZEKAPI trav_delete(ZEK_object *object, int32_t flags)
{
    for (int level = 1; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(object, level);
        ((void(ZEKAPI *)(ZEK_object *))layer->pSlot[0])(object);
        layer->pfnFree(object, layer);
    }
    object->vtbl = NULL;
    if (flags & 1)
        free(object);
}
static const ZEK_vtbl kVtbl = {trav_delete};

ZEK_object *ZEKAPI trav_factory(intptr_t argument, void *module)
{
    (void)argument;
    ZEK_object *object = calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer));
    if (!object || !ZEK_class_ctor2(object)) {
        free(object);
        return NULL;
    }
    object->vtbl = &kVtbl;
    ZEK_layer *layer = ZEK_layer_at(object, 1);
    ZEK_tbl_Init1(layer, kRows, 4, 3 * sizeof(void *), 4);
    layer->pszClass = "TraverseStations";
    layer->hModule = module;
    layer->pBase = ZEK_layer_at(object, 0);
    ZEK_layer_at(object, 0)->pDerived = layer;
    return object;
}

int ZEKAPI trav_setup(void) { return 1; }
