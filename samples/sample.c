/* A small program of the suite, written against ZEK2.dll as any other:
   it builds objects, replaces a method by name, reaches members by name,
   splits its command line and writes to and shows the shared message log. */
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "ZEK2.h"

/* A console "screen" class derived from the root class: it has just the
   members that showing the shared log needs. */
typedef struct Console {
    int32_t WinWdCx;
    int32_t WinWdCy;
} Console;

static void ZEKAPI Console_dtor(ZEK_object *o) { (void)o; }

static void ZEKAPI Console_Cursor(ZEK_object *o, int x, int y)
{
    (void)o;
    (void)x;
    printf("  %2d| ", y);
}

static ZEK_object *ZEKAPI Console_putsn(ZEK_object *o, const char *text)
{
    printf("%s|\n", text);
    return o;
}

static const ZEK_member console_rows[] = {
    {ZEK_KIND_DATA, "WinWdCx", offsetof(Console, WinWdCx), 4, 1},
    {ZEK_KIND_DATA, "WinWdCy", offsetof(Console, WinWdCy), 4, 1},
    {ZEK_KIND_METHOD, "dtor", (uintptr_t)Console_dtor, 0, 0},
    {ZEK_KIND_METHOD, "Cursor", (uintptr_t)Console_Cursor, 0, 0},
    {ZEK_KIND_METHOD, "putsn", (uintptr_t)Console_putsn, 4, 1},
};

/* Deleting destructor of the two-layer console object. */
static void ZEKAPI Console_delete(ZEK_object *o, int32_t flags)
{
    for (int level = 1; level >= 0; --level) {
        ZEK_layer *layer = ZEK_layer_at(o, level);
        ((void(ZEKAPI *)(ZEK_object *))layer->pSlot[0])(o);
        layer->pfnFree(o, layer);
    }
    if (flags & 1)
        free(o);
}
static const ZEK_vtbl console_vtbl = {Console_delete};

static ZEK_object *new_console(int columns, int rows)
{
    ZEK_object *o = calloc(1, offsetof(ZEK_object, layer) + 2 * sizeof(ZEK_layer));
    if (!o || !ZEK_class_ctor2(o)) {
        free(o);
        return NULL;
    }
    o->vtbl = &console_vtbl;
    ZEK_layer *layer = ZEK_layer_at(o, 1);
    ZEK_tbl_Init1(layer, console_rows, 5, 3 * sizeof(void *), sizeof(Console));
    layer->pszClass = "Console";
    ZEK_overwrite(layer, ZEK_layer_at(o, 0), NULL, 0, NULL);
    Console *data = layer->pDataArea;
    data->WinWdCx = columns;
    data->WinWdCy = rows;
    return o;
}

/* A 32-bit data member of a class layer, found by its name. */
static int32_t *int_member(ZEK_layer *layer, const char *name)
{
    int row = ZEK_NameSearch(layer, name);
    return (int32_t *)ZEK_ptr(layer->pDataArea, 0, (intptr_t)layer->pDataRow[row].place);
}

static int ZEKAPI by_name(const void *a, const void *b)
{
    return strcmp((const char *)a, (const char *)b);
}

static int32_t ZEKAPI my_NetMsgJob(ZEK_object *o)
{
    (void)o;
    printf("  my_NetMsgJob called through the object's slot\n");
    return 42;
}

int main(void)
{
    printf("ZEK2 sample\n\n");

    /* Objects and their method slots. */
    ZEK_object *root = ZEK_class_ctor2(NULL);
    ZEK_layer *layer = ZEK_layer_at(root, 0);
    printf("root object: class %s, %d data members, %d methods\n", layer->pszClass,
           layer->nDataRow, layer->nMethodRow);
    int slot = ZEK_NameSearch(layer, "NetMsgJob");
    printf("method NetMsgJob is slot %d; replacing it by name\n", slot);
    layer->pSlot[slot] = (ZEK_method_fn)my_NetMsgJob;
    int32_t result = ((int32_t(ZEKAPI *)(ZEK_object *))layer->pSlot[slot])(root);
    printf("  the call returned %d\n", result);

    /* Data members by name. */
    int32_t *clientNo = int_member(layer, "ClientNo");
    *clientNo = 7;
    printf("data member ClientNo is row %d; set to %d\n", ZEK_NameSearch(layer, "ClientNo"),
           *clientNo);
    ZEK_dtorC(root);

    /* The command line. */
    const char *line = strchr(GetCommandLineA(), ' ');
    line = line ? line + 1 : "";
    char buffer[1024];
    char *argv[256];
    int argc = 0;
    if (strlen(line) < sizeof buffer) {
        setArgv(line, &argc, argv, buffer);
        argv[0] = "sample.exe";
        printf("\ncommand line split into %d arguments:\n", argc);
        for (int i = 0; i < argc; ++i)
            printf("  argv[%d] = [%s]%s\n", i, argv[i],
                   i > 0 && argcmp(argv[i], "/logfile") == 0 ? "  (matches option /logfile)" : "");
    }

    /* Survey computation: a point near Tokyo Station in zone IX, back again. */
    double x = 0, y = 0, b = 0, l = 0;
    const double lat = 35.681236, lon = 139.767125;
    char dms_b[ZEK_DMS_TEXT_SIZE], dms_l[ZEK_DMS_TEXT_SIZE];
    ChgDegToDms(lat, 3, dms_b, 0);
    ChgDegToDms(lon, 3, dms_l, 0);
    if (WGS84_BL_XY(1, 9, lat, lon, &x, &y) && WGS84_XY_BL(1, 9, x, y, &b, &l, NULL))
        printf("\nB %s  L %s  ->  zone IX  X %.4f  Y %.4f  (back: %.9f %.9f)\n", dms_b,
               dms_l, x, y, b, l);

    /* A memory record array of surveyed points, sorted by name. */
    typedef struct Point { char name[8]; double x, y; } Point;
    ZEK_object *points = Fd_Mem_ctor2(NULL);
    *int_member(ZEK_layer_at(points, 1), "bRecSize") = (int32_t)sizeof(Point);
    Fd_Mem_Alloc(points, 8);
    const Point traverse[] = {{"T3", 120.5, 80.25}, {"T1", 100.0, 100.0}, {"T2", 110.0, 95.5}};
    for (int i = 0; i < 3; ++i) {
        Fd_Mem_Get(points, i);
        memcpy(points->pRecord, &traverse[i], sizeof(Point));
    }
    Fd_Mem_Sort(points, 0, 2, by_name);
    printf("points sorted by name:");
    for (int i = 0; i < 3; ++i) {
        Fd_Mem_Get(points, i);
        const Point *p = points->pRecord;
        printf("  %s (%.2f, %.2f)", p->name, p->x, p->y);
    }
    printf("\n");
    ZEK_dtorC(points);

    /* The shared message log, written here and shown on a console object. */
    MainArg *main_arg = Get_gMainArg();
    Shared_printf0("sample: process %lu started\n", GetCurrentProcessId());
    Shared_printf0("sample: system font %dx%d, face %d bytes\n", main_arg->lf.lfWidth,
                   main_arg->lf.lfHeight, (int)strlen(main_arg->lf.lfFaceName));
    Shared_printf0("sample: %s\n", form("formatted %05.1f in the ring", 3.14159));
    ZEK_object *console = new_console(48, 5);
    printf("\nthe shared log's newest lines:\n");
    Shared_Paint(console);
    ZEK_dtorC(console);
    printf("\ndone\n");
    return 0;
}
