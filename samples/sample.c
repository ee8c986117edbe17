/* A small program of the suite, written against ZEK2.dll as any other:
   it builds objects, replaces a method by name, reaches members by name,
   splits its command line and writes to and shows the shared message log;
   then it opens an MDI frame with a menu bar, a docked toolbar, a side
   mode menu and a status bar, whose two children draw a small survey plan
   at two scales; the frame reads key codes, menu and button commands in its
   own loop, and the plan child lists them under the plan.
   Beside it a text-screen window lists coordinates in character cells with
   ruled lines, scrolls the list, reads a station name with the line editor,
   fills a boxed form of typed fields and edits a table of stations kept in
   a record file.
   It types and clicks into itself so that it runs unattended, saves a
   picture of its windows to sample.bmp and ends; the toolbar keeps its
   layout in a file of the tool directory from one run to the next. */
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>
#include <windowsx.h>

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

/* ---- The frame and its furniture ---------------------------------------- */

#define SAMPLE_TIMER 1
#define MAX_LINES 24

/* The key codes received so far, as the lines that the plan child draws. */
static char key_lines[MAX_LINES][96];
static int key_line_count;

/* A member of the Win layer by name. Data rows are searched alone, since
   some names (Color, BackColor) are methods as well. */
static void *win_member(ZEK_object *o, const char *name)
{
    ZEK_layer *layer = ZEK_layer_at(o, 1);
    int row = ZEK_NameSearch2(layer->pDataRow, layer->nDataRow, name);
    return row < 0 ? NULL : ZEK_ptr(layer->pDataArea, 0, (intptr_t)layer->pDataRow[row].place);
}

static void overwrite_slot(ZEK_object *o, const char *name, ZEK_method_fn fn)
{
    ZEK_layer *layer = ZEK_layer_at(o, 1);
    int slot = ZEK_NameSearch(layer, name);
    if (slot >= 0)
        layer->pSlot[slot] = fn;
}

static HWND window_of(ZEK_object *o)
{
    return o ? *(HWND *)win_member(o, "hWnd") : NULL;
}

/* The frame's furniture objects, by their slots. */
static ZEK_object *mdi_child(ZEK_object *frame, int n)
{
    return ((ZEK_object **)win_member(frame, "pMdiChild"))[n];
}

static ZEK_object *tool_bar(ZEK_object *frame, int n)
{
    return ((ZEK_object **)win_member(frame, "pToolBar"))[n];
}

static ZEK_object *left_menu(ZEK_object *frame)
{
    return *(ZEK_object **)win_member(frame, "pLeftMenuBar");
}

/* A data member of a button table (an AtrTable, derived from Fd_Mem). */
static void *table_member(ZEK_object *furniture, const char *name)
{
    ZEK_object *t = *(ZEK_object **)win_member(furniture, "pButtonTbl");
    if (!t)
        return NULL;
    ZEK_layer *layer = ZEK_layer_at(t, 2);
    int row = ZEK_NameSearch2(layer->pDataRow, layer->nDataRow, name);
    return row < 0 ? NULL : ZEK_ptr(layer->pDataArea, 0, (intptr_t)layer->pDataRow[row].place);
}

/* The command record the window procedure fills before it posts
   ZEK_CMD_MENU: the menu item's or the button's command. */
typedef struct MenuCommand {
    int32_t kind, id;
    char text[32];
    int16_t on_off, type, run_mode;
} MenuCommand;

/* Key codes of the toolbar buttons and of the mode menu. */
#define KEY_GRID 0x12001
#define KEY_SOLID 0x12002
#define KEY_DASHED 0x12003
#define KEY_MODE 0x12010 /* + 0, 1, 2: the mode chosen */
#define KEY_REDRAW 0x12020

/* Menu bar command ids; the window-list items are 50101 + child number. */
enum {
    CMD_FILE = 1000,
    CMD_EXIT,
    CMD_VIEW = 2000,
    CMD_GRID,
    CMD_WINDOW = 3000,
    CMD_CASCADE,
    CMD_TILE,
    CMD_WINDOW_RULE,
    CMD_CHILD = 50101
};

/* The menu bar. The items point into this table: it stays static. */
static const Win_menu_entry menu_table[] = {
    {0, 1, 0, 1, CMD_FILE, "", "ファイル(&F)"},
    {1, 0, 0, 1, CMD_EXIT, "", "終了(&X)"},
    {0, 2, 0, 1, CMD_VIEW, "", "表示(&V)"},
    {2, 0, 0, 1, CMD_GRID, "", "10m 格子(&G)"},
    {0, 3, 0, 1, CMD_WINDOW, "", "ウィンドウ(&W)"},
    {3, 0, 0, 1, CMD_CASCADE, "", "重ねて表示(&C)"},
    {3, 0, 0, 1, CMD_TILE, "", "並べて表示(&T)"},
    {3, 0, 1, 1, CMD_WINDOW_RULE, "", ""},
    {3, 0, 0, 1, CMD_CHILD, "", "&1 平面図 1:500"},
    {3, 0, 0, 1, CMD_CHILD + 1, "", "&2 詳細図 1:250"},
    {-1, 0, 0, 0, 0, "", ""},
};

static const char *menu_caption(int32_t id)
{
    for (const Win_menu_entry *e = menu_table; e->parent != -1; ++e)
        if (e->id == id)
            return e->caption;
    return "?";
}

/* The modes of the side menu, and what the status bar says of them. */
static const char *const mode_names[] = {"選択", "計測", "注記"};
static int mode;

/* A button table entry as Win_InitButton reads it: packed, 146 bytes with
   32-bit pointers. */
#pragma pack(push, 1)
typedef struct ButtonEntry {
    int16_t state, on_off, group, mode, frame;
    int16_t x, y, w, h, ox, oy;
    int32_t command;
    int16_t command_type, run_mode;
    int32_t key;
    char text[32], hint[32], text2[32];
    const void *bitmap, *bits, *selected_bitmap, *selected_bits;
} ButtonEntry;
#pragma pack(pop)

/* The toolbar: a toggle for a 10 m grid and a radio pair for the traverse
   legs; the bar layout places them after the grip. Each click arrives in
   the key loop as the button's key code. */
#define TOOLBAR_HEIGHT 30
static const ButtonEntry plan_buttons[] = {
    {1, 1, 0, 0, 101, 0, 0, 64, 22, 8, 4, 1, 0, 1, KEY_GRID, "10m 格子", "格子の表示", "", 0, 0, 0, 0},
    {1, 2, 0, 0, 101, 0, 0, 56, 22, 10, 4, 2, 0, 1, KEY_SOLID, "実線", "多角線を実線で", "", 0, 0, 0, 0},
    {1, 2, 0, 1, 101, 0, 0, 56, 22, 10, 4, 3, 0, 1, KEY_DASHED, "破線", "多角線を破線で", "", 0, 0, 0, 0},
    {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", 0, 0, 0, 0},
};
static int show_grid;        /* the grid toggle is on */
static int traverse_dashed = 1;

/* The left side menu, laid out as a mode menu: the three modes, radio
   buttons of no group, stack from the top; the redraw button (command id
   80600) goes to the bottom. */
#define SIDE_MENU_WIDTH 62
static const ButtonEntry mode_buttons[] = {
    {1, 2, 0, 1, 101, 0, 0, 52, 24, 10, 5, 11, 0, 1, KEY_MODE + 0, "選択", "図形を選ぶ", "", 0, 0, 0, 0},
    {1, 2, 0, 0, 101, 0, 0, 52, 24, 10, 5, 12, 0, 1, KEY_MODE + 1, "計測", "距離を測る", "", 0, 0, 0, 0},
    {1, 2, 0, 0, 101, 0, 0, 52, 24, 10, 5, 13, 0, 1, KEY_MODE + 2, "注記", "文字を書き込む", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 101, 0, 0, 52, 24, 6, 5, 80600, 0, 1, KEY_REDRAW, "再描画", "両方の図を描き直す", "", 0, 0, 0, 0},
    {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", 0, 0, 0, 0},
};

/* Move hook of the frame: a docked toolbar's floating place (its table's
   bWsx, bWsy, on the screen) moves with the frame, so that the place it
   keeps in its file, relative to the frame, stays as it was read. */
static int32_t ZEKAPI frame_MoveWndEx(ZEK_object *w, int32_t dx, int32_t dy)
{
    for (int n = 0; n < 20; ++n) {
        ZEK_object *bar = tool_bar(w, n);
        int32_t *pos = bar ? table_member(bar, "bPos") : NULL;
        if (pos && *pos == 0) {
            *(int32_t *)table_member(bar, "bWsx") += dx;
            *(int32_t *)table_member(bar, "bWsy") += dy;
        }
    }
    return 0;
}

/* The status bar: the active child's scale (the pane that takes the rest of
   the width), the last key, the mode. */
enum { PANE_SCALE, PANE_KEY, PANE_MODE };
static const ButtonEntry status_panes[] = {
    {1, 0, 0, 0, 109, 0, 0, 100, 19, 4, 2, 21, 0, 0, 0, "", "", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 109, 0, 0, 290, 19, 4, 2, 22, 0, 0, 0, "", "", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 109, 0, 0, 110, 19, 4, 2, 23, 0, 0, 0, "", "", "", 0, 0, 0, 0},
    {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", 0, 0, 0, 0},
};

/* What each MDI child shows: the whole sheet fitted (drawn as 1:500) with
   the key list under it, or a detail of the parcel at twice that scale. */
typedef struct PlanView {
    const char *title;
    const char *scale;
    double zoom;               /* times the fitted scale */
    double centre_x, centre_y; /* survey coordinates at the view's centre */
    int keys;                  /* the key list goes under the plan */
} PlanView;
static const PlanView plan_views[] = {
    {"平面図 1:500", "1:500", 1.0, 40.0, 70.0, 1},
    {"詳細図 1:250", "1:250", 2.0, 34.0, 66.0, 0},
};

static void describe_key(int32_t key, const MenuCommand *command, char *text, size_t size)
{
    const int code = key & 0xFFFF;
    if (key == ZEK_CMD_END)
        snprintf(text, size, "終了要求 (閉じるボタン)");
    else if (key == ZEK_CMD_MENU)
        snprintf(text, size, "メニュー 「%s」", menu_caption(command->id));
    else if (key == KEY_GRID || key == KEY_SOLID || key == KEY_DASHED)
        snprintf(text, size, "ボタン 「%s」", key == KEY_GRID     ? "10m 格子"
                                              : key == KEY_SOLID ? "実線"
                                                                 : "破線");
    else if (key >= KEY_MODE && key < KEY_MODE + 3)
        snprintf(text, size, "モード 「%s」", mode_names[key - KEY_MODE]);
    else if (key == KEY_REDRAW)
        snprintf(text, size, "ボタン 「再描画」");
    else if (key == ZEK_CMD_RESIZED)
        snprintf(text, size, "コマンド: 再描画");
    else if (key & ZEK_KEY_SPECIAL)
        snprintf(text, size, code >= ZEK_KEY_F1 && code <= ZEK_KEY_F12 ? "ファンクションキー F%d"
                                                                   : "特殊キー %d",
                 code >= ZEK_KEY_F1 ? code - ZEK_KEY_F1 + 1 : code);
    else if (code > 0xFF)
        snprintf(text, size, "全角文字 「%c%c」", code >> 8, code & 0xFF);
    else
        snprintf(text, size, "文字 「%c」", code);
}

/* ---- The survey plan -------------------------------------------------- */

/* A point of the plan in survey coordinates (metres): X north, Y east; its
   label goes label_dx, label_dy from it, aligned by label_align. */
typedef struct PlanPoint {
    const char *name;
    double x, y;
    double label_dx, label_dy;
    int label_align;
} PlanPoint;

/* The sheet the plan is drawn on, in the same units: X 0..80, Y 0..140. */
#define SHEET_X 80.0
#define SHEET_Y 140.0

/* A closed traverse, tied to a benchmark. */
static const PlanPoint stations[] = {
    {"T1", 16.0, 24.0, 1.2, 1.2, TA_LEFT | TA_BOTTOM},
    {"T2", 62.0, 26.0, 1.2, 1.2, TA_LEFT | TA_BOTTOM},
    {"T3", 66.0, 76.0, 1.2, 1.2, TA_LEFT | TA_BOTTOM},
    {"T4", 50.0, 118.0, 1.2, 1.2, TA_LEFT | TA_BOTTOM},
    {"T5", 10.0, 100.0, 1.2, 1.2, TA_LEFT | TA_BOTTOM},
};
#define STATION_COUNT (int)(sizeof stations / sizeof stations[0])
static const PlanPoint benchmark = {"基準点", 6.0, 8.0, 0.0, 2.5, TA_LEFT | TA_BASELINE};

/* The parcel: its north-east corner is rounded by a 12 m arc centred at
   (42, 84), tangent to the north side at K3 and to the east side at K4. */
static const PlanPoint parcel[] = {
    {"K1", 22.0, 38.0, -1.0, -1.0, TA_RIGHT | TA_TOP},
    {"K2", 54.0, 38.0, 1.0, -1.0, TA_RIGHT | TA_BOTTOM},
    {"K3", 54.0, 84.0, 1.2, 0.0, TA_CENTER | TA_BOTTOM},
    {"K4", 42.0, 96.0, -1.0, 1.2, TA_LEFT | TA_TOP},
    {"K5", 22.0, 96.0, -1.0, 1.0, TA_LEFT | TA_TOP},
};
#define PARCEL_COUNT (int)(sizeof parcel / sizeof parcel[0])
static const double arc_x = 42.0, arc_y = 84.0, arc_radius = 12.0;

/* The key list takes this many rows in two columns under the plan. */
#define KEY_ROWS 7

/* Text in survey coordinates: with the survey mapping on, plain x is Y and
   plain y is X. height is in pixels; angle turns the text clockwise. */
static void plan_text(ZEK_object *o, const char *text, double x, double y, double angle,
                      int height, COLORREF colour, int align)
{
    *(COLORREF *)win_member(o, "Color") = colour;
    *(int32_t *)win_member(o, "GchrAlign") = align;
    Win_Gchr(o, text, y, x, angle, 0, height, 0, 0, FW_NORMAL);
}

/* Fits the view, with a margin, into the top of the drawing area (the part
   above the key list, if any) and loads the survey mapping into the plain
   one: the whole sheet at zoom 1, a part of it around the view's centre at
   a larger zoom. */
static void fit_view(ZEK_object *o, int plan_height, const PlanView *view)
{
    const double width = *(double *)win_member(o, "dWdVx");
    const double height = *(double *)win_member(o, "dWdVy");
    const double margin = 10.0;
    double scale = (width - 2 * margin) / SHEET_Y; /* pixels per metre */
    if ((plan_height - 2 * margin) / SHEET_X < scale)
        scale = (plan_height - 2 * margin) / SHEET_X;
    scale *= view->zoom;
    /* A window of the drawing area's own shape, so the fit keeps it as is:
       the view's centre in the middle across and in the middle of the plan
       part down. */
    const double top = view->centre_x + plan_height * 0.5 / scale;
    const double left = view->centre_y - width * 0.5 / scale;
    Win_ScaleSet2(o, 1, top - height / scale, left, top, left + width / scale);
    Win_ScaleOn(o);
}

static void draw_station(ZEK_object *o, const PlanPoint *p, COLORREF colour)
{
    Win_SetPen(o, colour, 0, 1);
    Win_Circle(o, p->y, p->x, 1.2, 1.2, 0, 360, 0);
    Win_Mark(o, p->y, p->x, 0, 1);
}

/* The plan, drawn with the world forms on the survey mapping. */
static void draw_plan(ZEK_object *o, const char *scale)
{
    const COLORREF ink = RGB(0, 0, 0), red = RGB(200, 0, 0), blue = RGB(0, 70, 200),
                   green = RGB(0, 120, 60), grey = RGB(120, 120, 120);
    char text[32];
    int32_t *align = win_member(o, "GchrAlign");
    const int32_t old_align = *align;

    /* The sheet and its frame. */
    Win_SetPen(o, RGB(255, 252, 238), 0, 1);
    Win_SetSolidBrush(o);
    Win_FillBox(o, 0, 0, SHEET_Y, SHEET_X);
    Win_SetPen(o, ink, 0, 1);
    Win_LineBox(o, 0, 0, SHEET_Y, SHEET_X);
    Win_LineBox(o, 2, 2, SHEET_Y - 2, SHEET_X - 2);
    /* A 10 m grid when its button is on. */
    if (show_grid) {
        Win_SetPen(o, RGB(200, 215, 235), 0, 1);
        for (double x = 10; x < SHEET_X; x += 10)
            Win_Line(o, 2, x, SHEET_Y - 2, x);
        for (double y = 10; y < SHEET_Y; y += 10)
            Win_Line(o, y, 2, y, SHEET_X - 2);
    }

    /* A building inside the parcel, hatched. */
    Win_SetPen(o, grey, 0, 1);
    Win_SetHatchBrush(o, HS_BDIAGONAL);
    Win_FillInit(o);
    Win_FillSv(o, 52, 30);
    Win_FillSv(o, 52, 44);
    Win_FillSv(o, 74, 44);
    Win_FillSv(o, 74, 30);
    Win_FillSv(o, 52, 30);
    Win_FillI(o);
    plan_text(o, "建物", 37.0, 63.0, 0, 14, grey, TA_CENTER | TA_BASELINE);

    /* The road along the north side: its edges solid, its centre line as
       a chain line. */
    Win_SetPen(o, grey, 0, 1);
    Win_Line(o, 6, 58, 122, 58);
    Win_Line(o, 6, 72, 122, 72);
    Win_SetPen(o, green, 5, 1);
    Win_Line(o, 6, 65, 122, 65);
    plan_text(o, "市道 1号線", 66.0, 104.0, 0, 13, green, TA_LEFT | TA_BASELINE);

    /* The parcel boundary: straight sides as one polyline, the rounded
       corner as an arc (azimuths 0..90: north round to east). */
    Win_SetPen(o, red, 0, 2);
    Win_LineInit(o);
    Win_LineSv(o, parcel[2].y, parcel[2].x);
    Win_LineSv(o, parcel[1].y, parcel[1].x);
    Win_LineSv(o, parcel[0].y, parcel[0].x);
    Win_LineSv(o, parcel[4].y, parcel[4].x);
    Win_LineSv(o, parcel[3].y, parcel[3].x);
    Win_BufPolylineI(o);
    Win_Circle(o, arc_y, arc_x, arc_radius, arc_radius, 0, 90, 0);
    /* Boundary stakes: a small ring with a diagonal cross in it (an upright
       one would vanish in the sides). */
    Win_SetPen(o, red, 0, 1);
    for (int i = 0; i < PARCEL_COUNT; ++i) {
        const PlanPoint *k = &parcel[i];
        Win_Circle(o, k->y, k->x, 1.0, 1.0, 0, 360, 0);
        Win_Mark(o, k->y, k->x, 45, 5);
        plan_text(o, k->name, k->x + k->label_dx, k->y + k->label_dy, 0, 12, red, k->label_align);
    }
    /* Along the arc, inside it, at its middle (azimuth 45). */
    plan_text(o, "R=12.00", arc_x + 7.0, arc_y + 7.0, 45, 12, red, TA_CENTER | TA_TOP);
    /* The south side's length, written along it. */
    snprintf(text, sizeof text, "%.2fm", parcel[4].y - parcel[0].y);
    plan_text(o, text, parcel[0].x + 0.8, (parcel[0].y + parcel[4].y) * 0.5, 0, 12, red,
              TA_CENTER | TA_BOTTOM);
    /* The west side's, turned to run up it. */
    snprintf(text, sizeof text, "%.2fm", parcel[1].x - parcel[0].x);
    plan_text(o, text, (parcel[0].x + parcel[1].x) * 0.5, parcel[0].y + 0.8, -90, 12, red,
              TA_CENTER | TA_TOP);

    /* The traverse legs, dashed or solid as the radio buttons say, and the
       tie to the benchmark. */
    Win_SetPen(o, blue, traverse_dashed ? 4 : 0, 1);
    for (int i = 0; i < STATION_COUNT; ++i) {
        const PlanPoint *a = &stations[i], *b = &stations[(i + 1) % STATION_COUNT];
        Win_Line(o, a->y, a->x, b->y, b->x);
    }
    Win_SetPen(o, blue, 2, 1);
    Win_Line(o, benchmark.y, benchmark.x, stations[0].y, stations[0].x);

    for (int i = 0; i < STATION_COUNT; ++i) {
        draw_station(o, &stations[i], blue);
        const PlanPoint *t = &stations[i];
        plan_text(o, t->name, t->x + t->label_dx, t->y + t->label_dy, 0, 14, blue, t->label_align);
    }
    /* The benchmark: a triangle round a cross. */
    Win_SetPen(o, ink, 0, 1);
    Win_LineInit(o);
    Win_LineSv(o, benchmark.y, benchmark.x + 2.0);
    Win_LineSv(o, benchmark.y + 1.8, benchmark.x - 1.2);
    Win_LineSv(o, benchmark.y - 1.8, benchmark.x - 1.2);
    Win_LineSv(o, benchmark.y, benchmark.x + 2.0);
    Win_BufPolylineI(o);
    Win_Mark(o, benchmark.y, benchmark.x, 0, 1);
    plan_text(o, benchmark.name, benchmark.x + benchmark.label_dx,
              benchmark.y + benchmark.label_dy, 0, 13, ink, benchmark.label_align);

    /* North arrow and title. */
    Win_SetPen(o, ink, 0, 1);
    Win_Line(o, 131, 60, 131, 73);
    Win_Line(o, 131, 73, 129.8, 69.5);
    Win_Line(o, 131, 73, 132.2, 69.5);
    plan_text(o, "N", 74.0, 131.0, 0, 14, ink, TA_CENTER | TA_BOTTOM);
    plan_text(o, "測量平面図", 11.0, 136.0, 0, 18, ink, TA_RIGHT | TA_BASELINE);
    snprintf(text, sizeof text, "S=%s  単位 m", scale);
    plan_text(o, text, 5.0, 136.0, 0, 12, ink, TA_RIGHT | TA_BASELINE);
    *align = old_align;
}

/* The key codes received so far, in columns under the plan: two when the
   child is wide enough, else one. */
static void draw_keys(ZEK_object *o, HDC dc, const RECT *area, int top, int line_height)
{
    HFONT old_font = SelectObject(dc, *(HFONT *)win_member(o, "hFont"));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 128));
    const char *heading = "受け取ったキーコード (Win_Keyin)";
    TextOutA(dc, 12, top, heading, (int)strlen(heading));
    MoveToEx(dc, 12, top + line_height - 2, NULL);
    LineTo(dc, area->right - 12, top + line_height - 2);

    SetTextColor(dc, RGB(0, 0, 0));
    const int columns = area->right >= 560 ? 2 : 1;
    const int shown = KEY_ROWS * columns;
    const int first = key_line_count > shown ? key_line_count - shown : 0;
    const int column_width = (area->right - 24) / columns;
    for (int i = first; i < key_line_count; ++i) {
        const int row = (i - first) % KEY_ROWS, column = (i - first) / KEY_ROWS;
        TextOutA(dc, 20 + column * column_width, top + (row + 1) * line_height, key_lines[i],
                 (int)strlen(key_lines[i]));
    }
    SelectObject(dc, old_font);
}

/* Paint hook of both MDI children: the window procedure has begun painting
   into hDC. The child's own number says which view it shows. */
static int32_t ZEKAPI child_Paint(ZEK_object *o)
{
    static int reported;
    const int number = *(int32_t *)win_member(o, "bMdiSelPos");
    const PlanView *view = &plan_views[number == 1];
    HDC dc = *(HDC *)win_member(o, "hDC");
    const int line_height = *(int32_t *)win_member(o, "ChrWdBy") + 4;
    RECT area;
    GetClientRect(window_of(o), &area);
    FillRect(dc, &area, (HBRUSH)(COLOR_WINDOW + 1));
    const int keys_top =
        view->keys ? area.bottom - (KEY_ROWS + 1) * line_height - 8 : area.bottom;

    /* Each paint fits afresh: a resize has put the whole paper back. */
    fit_view(o, keys_top, view);
    Win_GmodeSet(o);
    draw_plan(o, view->scale);
    Win_GmodeReset(o);
    if (!reported && view->keys) {
        int32_t vx = 0, vy = 0;
        Win_SclWtoZ(o, stations[0].x, stations[0].y, &vx, &vy);
        printf("  plan: station %s (X %.2f, Y %.2f) is at pixel (%d, %d); 1 m = %.2f pixels\n",
               stations[0].name, stations[0].x, stations[0].y, (int)vx, (int)vy,
               *(double *)win_member(o, "wzSclX"));
        Shared_printf0("sample: %s at pixel (%d, %d)\n", stations[0].name, (int)vx, (int)vy);
        reported = 1;
    }
    Win_ScaleOff(o);

    if (view->keys)
        draw_keys(o, dc, &area, keys_top + 4, line_height);
    return 0;
}

/* The centre of a furniture button, found by its command id, as the lParam
   of a mouse message; its place comes from the record fields of the table
   by name. 0 when there is no such button. */
static LPARAM button_point(ZEK_object *furniture, int32_t id)
{
    ZEK_object *t = *(ZEK_object **)win_member(furniture, "pButtonTbl");
    const int32_t index = Win_GetButtonTbl(furniture, id);
    if (!t || index < 0 || !Fd_Mem_Get(t, index))
        return 0;
    ZEK_layer *layer = ZEK_layer_at(t, 2);
    int32_t place[4] = {0, 0, 0, 0};
    static const char *const names[] = {"sx", "sy", "wx", "wy"};
    for (int i = 0; i < 4; ++i) {
        const int row = ZEK_NameSearch2(layer->pRows, layer->nRecField, names[i]);
        if (row >= 0)
            memcpy(&place[i], (char *)t->pRecord + layer->pRows[row].place, sizeof place[i]);
    }
    return MAKELPARAM(place[0] + place[2] / 2, place[1] + place[3] / 2);
}

static void click_button(ZEK_object *furniture, int32_t id)
{
    const LPARAM at = button_point(furniture, id);
    HWND window = window_of(furniture);
    if (!at || !window)
        return;
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

/* Timer hook of the frame: each tick types or clicks the next piece of the
   script, as a user would, while the program waits in Win_Keyin. Menu
   commands come as WM_COMMAND, as the menu sends them. */
static int32_t ZEKAPI frame_Timer(ZEK_object *o, int32_t id)
{
    static int step;
    if (id != SAMPLE_TIMER)
        return 0;
    HWND frame = window_of(o);
    HWND plan = window_of(mdi_child(o, 0));
    switch (step++) {
    case 0:
        /* The plan child chosen from the window list, then keys typed into
           it: it hands them to the frame. */
        PostMessageA(frame, WM_COMMAND, CMD_CHILD, 0);
        for (const char *c = "ZEK2"; *c; ++c)
            PostMessageA(plan, WM_CHAR, (unsigned char)*c, 1);
        break;
    case 1:
        /* "あ" and "漢" arrive byte by byte; the half-width "ｱ" is one byte. */
        PostMessageA(plan, WM_CHAR, 0x82, 1);
        PostMessageA(plan, WM_CHAR, 0xA0, 1);
        PostMessageA(plan, WM_CHAR, 0x8A, 1);
        PostMessageA(plan, WM_CHAR, 0xBF, 1);
        PostMessageA(plan, WM_CHAR, 0xB1, 1);
        break;
    case 2:
        PostMessageA(plan, WM_KEYDOWN, VK_F5, 1);
        PostMessageA(frame, MACRO_CHAR, ZEK_CMD_RESIZED, 0);
        break;
    case 3:
        PostMessageA(frame, WM_COMMAND, CMD_CASCADE, 0);
        break;
    case 4:
        PostMessageA(frame, WM_COMMAND, CMD_TILE, 0);
        break;
    case 5:
        /* The grid toggle and the solid-line radio button of the toolbar. */
        click_button(tool_bar(o, 0), 1);
        click_button(tool_bar(o, 0), 2);
        break;
    case 6:
        /* The grid off and on again from the menu; the toolbar follows. */
        PostMessageA(frame, WM_COMMAND, CMD_GRID, 0);
        PostMessageA(frame, WM_COMMAND, CMD_GRID, 0);
        break;
    case 7:
        /* A mode from the side menu, then its redraw button. */
        click_button(left_menu(o), 12);
        click_button(left_menu(o), 80600);
        break;
    case 8:
        /* The detail child chosen from the window list. */
        PostMessageA(frame, WM_COMMAND, CMD_CHILD + 1, 0);
        break;
    case 9: {
        /* The pointer comes to rest on the dashed-line button: it shows
           hovered (the table checks where the pointer really is). */
        const LPARAM at = button_point(tool_bar(o, 0), 3);
        HWND bar = window_of(tool_bar(o, 0));
        POINT screen = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
        if (at && ClientToScreen(bar, &screen)) {
            SetCursorPos(screen.x, screen.y);
            PostMessageA(bar, WM_MOUSEMOVE, 0, at);
        }
        break;
    }
    case 10:
        /* The system close command; AltF4Code turns it into a key code. */
        PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        /* Never reached when all goes well: a stuck run still ends. */
        if (step > 100)
            PostMessageA(frame, MACRO_CHAR, ZEK_CMD_END, 0);
        break;
    }
    return 0;
}

/* The text screen: a coordinate list in character cells with ruled lines,
   in a second window beside the plan. Rows scroll up as the list runs on,
   and a station name is read through the line editor. */
typedef struct ListPoint { const char *name; double x, y; } ListPoint;
static const ListPoint list_points[] = {
    {"T1", -12034.512, 20418.337}, {"T2", -12018.260, 20452.904},
    {"T3", -11995.731, 20471.118}, {"T4", -11968.045, 20466.502},
    {"T5", -11951.873, 20437.260}, {"基準点", -12061.004, 20401.775},
    {"杭1", -12010.418, 20430.056}, {"杭2", -11987.300, 20444.981},
    {"杭3", -11979.662, 20420.413}, {"BM2", -11940.118, 20399.730},
};
#define LIST_COUNT (int)(sizeof list_points / sizeof list_points[0])
#define LIST_ROWS 6    /* data rows shown at once */
#define LIST_TOP 2     /* first data row on the screen */
#define LIST_RIGHT 32  /* column of the list's right-hand frame line */
#define FIELD_WIDTH 12 /* the station name field, in cells */

static int list_first;        /* first point shown; grows as the list scrolls */
static char entered_name[64]; /* what the line editor returned */

static void list_row(ZEK_object *t, int row, int index)
{
    char line[64];
    const ListPoint *p = &list_points[index];
    snprintf(line, sizeof line, " %-6s %11.3f %11.3f", p->name, p->x, p->y);
    Win_Cursor(t, 1, LIST_TOP + row);
    Win_putsn(t, line);
}

static void list_printf(ZEK_object *t, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    Win__printf(t, format, arguments);
    va_end(arguments);
}

/* Frame, heading rule and column rules, anchored at cell centres and edges. */
static void list_rules(ZEK_object *t)
{
    const int top = LIST_TOP, rows = LIST_ROWS;
    /* The rules' pen sets the text colour too: keep the program's. */
    COLORREF *colour = win_member(t, "Color");
    const COLORREF text_colour = *colour;
    const int bottom = top + rows;
    Win_KsenBox(t, 0, top - 1, 0x1100, LIST_RIGHT, bottom, 0x1100);
    Win_Ksen(t, 0, top, 0x1100, LIST_RIGHT, top, 0x1100);
    Win_Ksen(t, 8, top - 1, 0x1100, 8, bottom, 0x1100);
    Win_Ksen(t, 20, top - 1, 0x1100, 20, bottom, 0x1100);
    *colour = text_colour;
}


static void draw_list(ZEK_object *t)
{
    Win_ClsA(t);
    Win_Cursor(t, 0, 0);
    Win_puts(t, "座標一覧  (セル表示と罫線)");
    Win_Cursor(t, 1, 1);
    char heading[64];
    snprintf(heading, sizeof heading, " %-6s %11s %11s", "点名", "X 座標", "Y 座標");
    Win_putsn(t, heading);
    for (int row = 0; row < LIST_ROWS && list_first + row < LIST_COUNT; ++row)
        list_row(t, row, list_first + row);
    list_rules(t);
    Win_Cursor(t, 1, LIST_TOP + LIST_ROWS + 2);
    Win_putsn(t, "点名:");
    if (entered_name[0]) {
        Win_Cursor(t, 1, LIST_TOP + LIST_ROWS + 4);
        list_printf(t, "入力された点名は「%s」です", entered_name);
    }
}

static void draw_form(ZEK_object *t);
static void draw_table_frame(ZEK_object *t);
static int run_form(ZEK_object *t);
static int run_table(ZEK_object *t);
static ZEK_object *station_table;
static int form_shown;

static int32_t ZEKAPI list_Paint(ZEK_object *t)
{
    draw_list(t);
    if (form_shown)
        draw_form(t);
    if (station_table) {
        draw_table_frame(t);
        FdioInput_DrawPage(station_table, t);
    }
    return 0;
}

/* One line up inside the frame: the bottom row is cleared, the next point
   printed there and its rules drawn again. */
static void list_scroll(ZEK_object *t)
{
    if (list_first + LIST_ROWS >= LIST_COUNT)
        return;
    Win_Scroll(t, 0, 1, 1, LIST_TOP, LIST_RIGHT - 1, LIST_TOP + LIST_ROWS - 1);
    ++list_first;
    list_row(t, LIST_ROWS - 1, list_first + LIST_ROWS - 1);
    list_rules(t);
}

static void post_chars(HWND window, const char *text)
{
    for (const unsigned char *c = (const unsigned char *)text; *c; ++c)
        if (*c == '\r')
            PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
        else
            PostMessageA(window, WM_CHAR, *c, 1);
}

/* Opens the list window, scrolls the list and reads a station name from
   keys the program posts to itself. The window is left open for the picture;
   the caller closes it. */
static ZEK_object *run_text_screen(int *ok)
{
    *ok = 0;
    ZEK_object *t = Win_ctor2(NULL);
    if (!t)
        return NULL;
    *(const char **)win_member(t, "pClassName") = "ZekSampleList";
    *(const char **)win_member(t, "pTitleName") = "ZEK2 サンプル ― 座標一覧と点名入力";
    *(int32_t *)win_member(t, "WinStGx") = 950;
    *(int32_t *)win_member(t, "WinStGy") = 40;
    *(int32_t *)win_member(t, "WinWdGx") = 300;
    *(int32_t *)win_member(t, "WinWdGy") = 480;
    overwrite_slot(t, "Paint", (ZEK_method_fn)list_Paint);
    if (Win_con(t, 0) != 0) {
        ZEK_dtorC(t);
        return NULL;
    }
    HWND window = *(HWND *)win_member(t, "hWnd");
    UpdateWindow(window);
    for (int i = 0; i < 3; ++i)
        list_scroll(t);
    printf("\ntext screen: %d x %d cells; list scrolled to point %s\n",
           *(int32_t *)win_member(t, "WinWdCx"), *(int32_t *)win_member(t, "WinWdCy"),
           list_points[list_first].name);

    /* The field: FIELD_WIDTH cells after the prompt, caret shown while editing. */
    Win_GetsCtorSet(t);
    *(int32_t *)win_member(t, "InpMax") = FIELD_WIDTH;
    Win_Cursor(t, 7, LIST_TOP + LIST_ROWS + 2);
    Win_GetsInit(t);
    /* "T9" then the two bytes of 北, a typo and its correction, Enter. */
    post_chars(window, "T9\x96\x6BX");
    PostMessageA(window, WM_KEYDOWN, VK_BACK, 1);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
    const int32_t key = Win_Gets(t);
    snprintf(entered_name, sizeof entered_name, "%s", (const char *)win_member(t, "sBuf"));
    printf("  Win_Gets ended with key 0x%05lX; station name [%s]\n", (unsigned long)key,
           entered_name);
    Win_Cursor(t, 1, LIST_TOP + LIST_ROWS + 4);
    list_printf(t, "入力された点名は「%s」です", entered_name);
    *ok = key == 0x10008 && strcmp(entered_name, "T9\x96\x6B") == 0;
    *ok = run_form(t) && *ok;
    *ok = run_table(t) && *ok;
    return t;
}

/* The data-entry screen under the list: a boxed form of typed fields, then
   a table of stations edited with the table editor over a record file. */
#define FORM_TOP 14  /* title row of the form */
#define FIELD_ROW(i) (FORM_TOP + 2 + 2 * (i))
#define TABLE_TOP 26 /* heading row of the table; its rows follow */
#define TABLE_ROWS 5

typedef struct Station { char name[8]; double x, y, angle; } Station;
static Station form_station = {"", 0, 0, 0};
/* station_table: the table editor while its loop may run. */
static char angle_text[ZEK_DMS_TEXT_SIZE];

static int32_t *layer_int(ZEK_object *o, int level, const char *name)
{
    return int_member(ZEK_layer_at(o, level), name);
}

static void overwrite_slot_at(ZEK_object *o, int level, const char *name, ZEK_method_fn fn)
{
    ZEK_layer *layer = ZEK_layer_at(o, level);
    int slot = ZEK_NameSearch(layer, name);
    if (slot >= 0)
        layer->pSlot[slot] = fn;
}

static void draw_form(ZEK_object *t)
{
    const int p = *(int32_t *)win_member(t, "ChrWdBx"), h = *(int32_t *)win_member(t, "ChrWdBy");
    Win_TitleBoxExG(t, 1, p, FORM_TOP * h, 44 * p, h + 4, "観測点の入力 (入力欄と枠)", p, 2);
    Win_DrawBoxLine(t, p / 2, (FORM_TOP + 1) * h + h / 2, 46 * p, (FORM_TOP + 10) * h - h / 2, NULL);
    static const char *const labels[] = {"点名", "X 座標", "Y 座標", "方向角"};
    for (int i = 0; i < 4; ++i) {
        Win_Color(t, RGB(0, 0, 0), RGB(255, 255, 255));
        Win_Cursor(t, 2, FIELD_ROW(i));
        Win_putsn(t, labels[i]);
        Win_InputBoxEx(t, 0, 10, FIELD_ROW(i), i ? 16 : 7, 1, 1);
    }
    Win_Cursor(t, 10, FIELD_ROW(0));
    Win_putsn(t, form_station.name);
    Win_Cursor(t, 10, FIELD_ROW(1));
    list_printf(t, "%16.3f", form_station.x);
    Win_Cursor(t, 10, FIELD_ROW(2));
    list_printf(t, "%16.3f", form_station.y);
    Win_Cursor(t, 10, FIELD_ROW(3));
    list_printf(t, "%16.4f", form_station.angle);
    Win_Color(t, RGB(0, 0, 0), RGB(255, 255, 255));
    Win_Cursor(t, 28, FIELD_ROW(3));
    Win_putsn(t, angle_text);
    Win_DrawHorzLine(t, p, 46 * p, (TABLE_TOP - 1) * h + h / 2);
}

/* The table's hooks: one cell is one typed field; a row is the record's
   values up to the column asked for. */
static int32_t ZEKAPI table_InputLine(ZEK_object *f, ZEK_object *w, int32_t first, int32_t last,
                                      int32_t record, int32_t column, int32_t row)
{
    (void)first, (void)last;
    Station s;
    if (!Fd_Io_Get(f, record))
        return 0x1000F;
    memcpy(&s, f->pRecord, sizeof s);
    int32_t key;
    switch (column) {
    case 1: key = Win_Keyin_s(w, 4, row, 6, s.name, 1); break;
    case 2: key = Win_Keyin_d(w, 11, row, 11, 3, &s.x, 1); break;
    case 3: key = Win_Keyin_d(w, 23, row, 11, 3, &s.y, 1); break;
    default: key = Win_Keyin_d(w, 35, row, 9, 4, &s.angle, 1); break;
    }
    if (Fd_Io_Get(f, record)) {
        memcpy(f->pRecord, &s, sizeof s);
        Fd_Io_Put(f, record);
    }
    return key;
}

static void ZEKAPI table_DrawLine(ZEK_object *f, ZEK_object *w, int32_t record, int32_t column,
                                  int32_t row)
{
    Station s;
    if (!Fd_Io_Get(f, record))
        return;
    memcpy(&s, f->pRecord, sizeof s);
    /* Each value in its own cells, so the column rules between them stay. */
    Win_Cursor(w, 1, row);
    list_printf(w, "%2d", (int)record + 1);
    Win_Cursor(w, 4, row);
    if (column >= 1)
        list_printf(w, "%-6s", s.name);
    Win_Cursor(w, 11, row);
    if (column >= 2)
        list_printf(w, "%11.3f", s.x);
    Win_Cursor(w, 23, row);
    if (column >= 3)
        list_printf(w, "%11.3f", s.y);
    Win_Cursor(w, 35, row);
    if (column >= 4)
        list_printf(w, "%9.4f", s.angle);
}

static void ZEKAPI table_DrawDelLine(ZEK_object *f, ZEK_object *w, int32_t row)
{
    (void)f;
    static const int cells[][2] = {{1, 2}, {4, 9}, {11, 21}, {23, 33}, {35, 43}};
    for (int i = 0; i < 5; ++i)
        Win_Cls(w, cells[i][0], row, cells[i][1], row);
}

static void draw_table_frame(ZEK_object *t)
{
    char heading[64];
    snprintf(heading, sizeof heading, "No %-6s %11s %11s %9s", "点名", "X 座標", "Y 座標", "方向角");
    Win_Cursor(t, 1, TABLE_TOP);
    Win_putsn(t, heading);
    COLORREF *colour = win_member(t, "Color");
    const COLORREF text_colour = *colour;
    const int top = TABLE_TOP + 1, bottom = top + TABLE_ROWS;
    Win_KsenBox(t, 0, TABLE_TOP, 0x1100, 44, bottom, 0x1100);
    /* On the heading's last pixel row: clearing a row of the table keeps it. */
    Win_Ksen(t, 0, TABLE_TOP, 0x1122, 44, TABLE_TOP, 0x1122);
    static const int columns[] = {3, 10, 22, 34};
    for (int i = 0; i < 4; ++i)
        Win_Ksen(t, columns[i], TABLE_TOP, 0x1100, columns[i], bottom, 0x1100);
    *colour = text_colour;
}

/* The form: four typed fields fed by posted keys, the Y coordinate typed in
   full-width digits as an input method would give them. */
static int run_form(ZEK_object *t)
{
    HWND window = *(HWND *)win_member(t, "hWnd");
    post_chars(window, "T10\r-11990.5\r\x82\x51\x82\x4f\x82\x53\x82\x50\x82\x4f\x81\x44\x82\x51\x82\x54\r45.3015\r");
    form_shown = 1;
    draw_form(t);
    int ok = Win_Keyin_s(t, 10, FIELD_ROW(0), 7, form_station.name, 1) == 0x10008;
    ok = Win_Keyin_d(t, 10, FIELD_ROW(1), 16, 3, &form_station.x, 1) == 0x10008 && ok;
    ok = Win_Keyin_d(t, 10, FIELD_ROW(2), 16, 3, &form_station.y, 1) == 0x10008 && ok;
    ok = Win_Keyin_d(t, 10, FIELD_ROW(3), 16, 4, &form_station.angle, 1) == 0x10008 && ok;
    ChgDmsToDms(form_station.angle, 0, angle_text, 0);
    draw_form(t);
    printf("  form: %s  X %.3f  Y %.3f  angle %s\n", form_station.name, form_station.x,
           form_station.y, angle_text);
    return ok && form_station.y == 20410.25;
}

/* The table: two stations typed row by row, then Esc (the window's end key
   for the table) ends the editor; the record file holds them. */
static int run_table(ZEK_object *t)
{
    HWND window = *(HWND *)win_member(t, "hWnd");
    ZEK_object *f = FdioInput_ctor2(NULL);
    if (!f)
        return 0;
    Fd_Io_SetFileName(f, "stations.dat");
    int ok = 0;
    *layer_int(f, 1, "bRecSize") = (int32_t)sizeof(Station);
    if (Fd_Io_Create(f, 0) && Fd_Io_Open(f, 4, 0, 2) == 1) {
        station_table = f;
        overwrite_slot_at(f, 2, "InputLine", (ZEK_method_fn)table_InputLine);
        overwrite_slot_at(f, 2, "DrawLine", (ZEK_method_fn)table_DrawLine);
        overwrite_slot_at(f, 2, "DrawDelLine", (ZEK_method_fn)table_DrawDelLine);
        FdioInput_SetStartYpos(f, TABLE_TOP + 1);
        FdioInput_SetMaxPage(f, TABLE_ROWS);
        FdioInput_InputMode(f, 0, 1, 4);
        draw_table_frame(t);
        FdioInput_InputInitData(f, t);
        post_chars(window, "K1\r-12001.25\r20433.5\r120.1530\r"
                           "K2\r-11985.75\r20448\r210.0005\r");
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
        int32_t *end_key = (int32_t *)win_member(t, "AltF4Code");
        const int32_t old_end_key = *end_key;
        *end_key = 0x1000F;
        const int32_t result = FdioInput_InputLoop(f, t);
        *end_key = old_end_key;
        const int32_t last = *layer_int(f, 1, "bDatE");
        Station second = {{0}, 0, 0, 0};
        if (Fd_Io_Get(f, 1))
            memcpy(&second, f->pRecord, sizeof second);
        printf("  table: loop result %d, %d records in stations.dat, the second %s (%.3f, %.3f)\n",
               (int)result, (int)last + 1, second.name, second.x, second.y);
        ok = result == 0 && last == 1 && strcmp(second.name, "K2") == 0;
        station_table = NULL;
        Fd_Io_Close(f);
    }
    ZEK_dtorC(f);
    DeleteFileA("stations.dat");
    return ok;
}

/* Writes the windows (frames included), side by side from left to right,
   to a 24-bit BMP file. Each is read from its own window DC, so what lies
   on the screen around them does not matter. */
static int save_windows_bmp(const HWND *windows, int count, const char *path)
{
    int width = 0, height = 0;
    for (int i = 0; i < count; ++i) {
        RECT frame;
        GetWindowRect(windows[i], &frame);
        width += frame.right - frame.left;
        if (frame.bottom - frame.top > height)
            height = frame.bottom - frame.top;
    }
    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = NULL;
    HDC screen_dc = GetDC(NULL);
    HDC memory_dc = CreateCompatibleDC(screen_dc);
    HBITMAP bitmap = CreateDIBSection(screen_dc, (BITMAPINFO *)&header, DIB_RGB_COLORS, &bits,
                                      NULL, 0);
    ReleaseDC(NULL, screen_dc);
    int ok = 0;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory_dc, bitmap);
        PatBlt(memory_dc, 0, 0, width, height, WHITENESS);
        int x = 0;
        for (int i = 0; i < count; ++i) {
            RECT frame;
            GetWindowRect(windows[i], &frame);
            HDC window_dc = GetWindowDC(windows[i]);
            BitBlt(memory_dc, x, 0, frame.right - frame.left, frame.bottom - frame.top,
                   window_dc, 0, 0, SRCCOPY);
            ReleaseDC(windows[i], window_dc);
            x += frame.right - frame.left;
        }
        GdiFlush();
        SelectObject(memory_dc, old);
        const DWORD row_bytes = ((DWORD)width * 3 + 3) & ~3u;
        header.biSizeImage = row_bytes * (DWORD)height;
        BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof header};
        file.bfSize = file.bfOffBits + header.biSizeImage;
        FILE *out = fopen(path, "wb");
        if (out) {
            ok = fwrite(&file, sizeof file, 1, out) == 1 &&
                 fwrite(&header, sizeof header, 1, out) == 1 &&
                 fwrite(bits, header.biSizeImage, 1, out) == 1;
            ok = fclose(out) == 0 && ok;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory_dc);
    return ok;
}

/* ---- The toolbar file ---------------------------------------------------- */

/* The toolbar's layout file in the suite's tool directory: the first two
   lines belong to the library (name and layout kinds, the floating window's
   place), the third and later lines to the program; Win_PutToolBar keeps
   those when it writes the file as the toolbar closes. */
#define TOOLBAR_NAME "図面"
#define TOOLBAR_FILE "sample_plan.tbr"

/* Reads the layout of the last run into the toolbar's table; with no file
   yet, writes one first for Win_PutToolBar to rewrite: docked (0), floating
   in one row (2) when pulled out, no floating place yet. */
static void load_toolbar_layout(ZEK_object *toolbar, ZEK_object *frame)
{
    char path[MAX_PATH], directory[MAX_PATH];
    GetUxToolFile(TOOLBAR_FILE, path);
    FILE *in = fopen(path, "r");
    if (!in) {
        snprintf(directory, sizeof directory, "%s", GetUxToolDir());
        FILE *out = CreateTreeDirectory(directory) ? fopen(path, "w") : NULL;
        if (out) {
            fprintf(out, "0 %s 0 2\n1 0 0 0 0\n", TOOLBAR_NAME);
            fprintf(out, "2 buttons grid,solid,dashed\n");
            fclose(out);
        }
        printf("toolbar file %s %s\n", path, out ? "made" : "could NOT be made");
        if (!out || !(in = fopen(path, "r")))
            return;
    }
    int32_t *pos = table_member(toolbar, "bPos"), *pos_buf = table_member(toolbar, "bPosBuf");
    int32_t *wsx = table_member(toolbar, "bWsx"), *wsy = table_member(toolbar, "bWsy");
    int32_t *wwx = table_member(toolbar, "bWwx"), *wwy = table_member(toolbar, "bWwy");
    char line[64], name[64];
    int kind, a, b, c, d;
    if (fgets(line, sizeof line, in) && sscanf(line, "%d %63s %d %d", &kind, name, &a, &b) == 4 &&
        a >= 0 && a <= 4 && b >= 0 && b <= 4) {
        *pos = a;
        *pos_buf = b;
    }
    /* The floating place is kept relative to the frame. */
    if (fgets(line, sizeof line, in) && sscanf(line, "%d %d %d %d %d", &kind, &a, &b, &c, &d) == 5) {
        *wsx = a + *(int32_t *)win_member(frame, "WinStGx");
        *wsy = b + *(int32_t *)win_member(frame, "WinStGy");
        *wwx = c;
        *wwy = d;
    }
    fclose(in);
    printf("toolbar file %s read: layout %d, %d\n", path, (int)*pos, (int)*pos_buf);
}

/* ---- The frame ----------------------------------------------------------- */

/* Menu bar, tool frame with its toolbar, side menu, status bar and the two
   MDI children, all made before the frame's window and created with it. */
static int init_furniture(ZEK_object *w)
{
    int ok = Win_InitMenuBar(w, menu_table);
    Win_InitMdiFrame(w);

    *(int32_t *)win_member(w, "bToolEdge") = 2;
    Win_InitToolFrame(w, TOOLBAR_HEIGHT);
    ok = Win_InitToolBar(w, 0, TOOLBAR_NAME, plan_buttons, 0, 2) && ok;
    ZEK_object *toolbar = tool_bar(w, 0);
    if (toolbar) {
        *(int32_t *)win_member(toolbar, "bToolSaveFlag") = 1;
        char *file_name = table_member(toolbar, "bToolName");
        if (file_name)
            snprintf(file_name, 260, "%s", TOOLBAR_FILE);
        load_toolbar_layout(toolbar, w);
    }

    /* A line down the side menu's right edge, next to the children. */
    *(int32_t *)win_member(w, "bLeftMenuEdge") = 8;
    ok = Win_InitLockMenu(w, WIN_LOCK_LEFT, SIDE_MENU_WIDTH, mode_buttons) && ok;
    int32_t *edge_flag = left_menu(w) ? table_member(left_menu(w), "bEdgeFlag") : NULL;
    if (edge_flag)
        *edge_flag = 1; /* laid out as a mode menu */

    ok = Win_InitStatusBar(w, status_panes) && ok;

    for (int n = 0; n < 2; ++n) {
        Win_InitMdiWnd(w, n, plan_views[n].title);
        ZEK_object *child = mdi_child(w, n);
        if (!child)
            return 0;
        overwrite_slot(child, "Paint", (ZEK_method_fn)child_Paint);
        *(int32_t *)win_member(child, "WinStGx") = 20 * n;
        *(int32_t *)win_member(child, "WinStGy") = 20 * n;
        *(int32_t *)win_member(child, "WinWdGx") = 480;
        *(int32_t *)win_member(child, "WinWdGy") = 360;
    }
    return ok;
}

/* The status bar: the active child's scale, the last key, the mode. */
static void show_status(ZEK_object *w, const char *key_text)
{
    char text[64];
    const int active = *(int32_t *)win_member(w, "bMdiSelPos");
    snprintf(text, sizeof text, "縮尺 %s (%s)", plan_views[active == 1].scale,
             active == 1 ? "詳細図" : "平面図");
    Win_SetStatusMsg(w, text, PANE_SCALE);
    if (key_text)
        Win_SetStatusMsg(w, key_text, PANE_KEY);
    snprintf(text, sizeof text, "モード: %s", mode_names[mode]);
    Win_SetStatusMsg(w, text, PANE_MODE);
}

static void redraw_children(ZEK_object *w)
{
    for (int n = 0; n < 2; ++n)
        if (mdi_child(w, n))
            InvalidateRect(window_of(mdi_child(w, n)), NULL, FALSE);
}

/* What a menu command does; the command id is in bMenuDt. */
static void run_command(ZEK_object *w, const MenuCommand *command)
{
    switch (command->id) {
    case CMD_EXIT:
        PostMessageA(window_of(w), MACRO_CHAR, ZEK_CMD_END, 0);
        break;
    case CMD_GRID:
        show_grid = !show_grid;
        /* The toolbar's toggle shows the same state. */
        Win_SetAllButtonMode(w, 1, show_grid);
        break;
    case CMD_CASCADE:
        printf("  cascade: %d\n", (int)Win_CascadeWindow(w));
        break;
    case CMD_TILE:
        printf("  tile: %d\n", (int)Win_TileWindows(w, 0));
        break;
    case CMD_CHILD:
    case CMD_CHILD + 1: {
        ZEK_object *child = mdi_child(w, command->id - CMD_CHILD);
        if (child)
            SendMessageA(*(HWND *)win_member(w, "hMdiWnd"), WM_MDIACTIVATE,
                         (WPARAM)window_of(child), 0);
        break;
    }
    default:
        break;
    }
}

/* The frame: built with its furniture and shown, then its own key loop
   until the close request arrives as a key code. */
static int run_frame(ZEK_object *list)
{
    ZEK_object *w = Win_ctor2(NULL);
    if (!w)
        return 0;
    *(const char **)win_member(w, "pClassName") = "ZekSampleFrame";
    *(const char **)win_member(w, "pTitleName") = "ZEK2 サンプル ― 測量平面図 (MDI)";
    *(int32_t *)win_member(w, "WinStGx") = 40;
    *(int32_t *)win_member(w, "WinStGy") = 40;
    *(int32_t *)win_member(w, "WinWdGx") = 900;
    *(int32_t *)win_member(w, "WinWdGy") = 620;
    overwrite_slot(w, "Timer", (ZEK_method_fn)frame_Timer);
    overwrite_slot(w, "MoveWndEx", (ZEK_method_fn)frame_MoveWndEx);
    if (!init_furniture(w))
        printf("some furniture could not be made\n");
    /* Closing from the system menu becomes a key for the loop below. */
    Win_SetAltF4Code(w, ZEK_CMD_END);

    if (Win_con(w, 0) != 0) {
        printf("the window could not be made\n");
        ZEK_dtorC(w);
        return 0;
    }
    HWND window = window_of(w);
    printf("\nframe %p made with %s; reading key codes:\n", (void *)window,
           *(HWND *)win_member(w, "hMdiWnd") ? "its MDI client" : "NO MDI client");
    Win_CheckMenu(w, CMD_GRID, show_grid);
    show_status(w, "キー: -");
    Win_SetTimer(w, SAMPLE_TIMER, 150);

    int ended = 0, commands = 0;
    while (!ended) {
        const int32_t key = Win_Keyin(w, 0, 0, 0);
        if (key == -1)
            break; /* the window went away */
        const MenuCommand *command = win_member(w, "bMenuDt");
        char text[64], line[96];
        describe_key(key, command, text, sizeof text);
        snprintf(line, sizeof line, "0x%05lX  %s", (unsigned long)key, text);
        if (key_line_count < MAX_LINES)
            snprintf(key_lines[key_line_count++], sizeof key_lines[0], "%s", line);
        printf("  key %s\n", line);
        /* Into the shared log; the window is asked to repaint as well. */
        Shared_printf(w, "sample: key 0x%05lX %s\n", (unsigned long)key, text);
        ended = key == ZEK_CMD_END;
        if (key == ZEK_CMD_MENU) {
            run_command(w, command);
            ++commands;
            /* A menu command resets the radio buttons of all the furniture;
               the mode and the line style are still what they were. */
            Win_SetAllButtonMode(w, 11 + mode, 1);
            Win_SetAllButtonMode(w, traverse_dashed ? 3 : 2, 1);
        } else if (key == KEY_GRID) {
            show_grid = !show_grid;
        } else if (key == KEY_SOLID || key == KEY_DASHED) {
            traverse_dashed = key == KEY_DASHED;
        } else if (key >= KEY_MODE && key < KEY_MODE + 3) {
            mode = key - KEY_MODE;
        }
        Win_CheckMenu(w, CMD_GRID, show_grid);
        snprintf(line, sizeof line, "キー: 0x%05lX %s", (unsigned long)key, text);
        show_status(w, line);
        redraw_children(w);
    }
    Win_KillTimer(w, SAMPLE_TIMER);
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HWND shown[2] = {window, list ? window_of(list) : NULL};
    const int saved = save_windows_bmp(shown, list ? 2 : 1, "sample.bmp");
    printf("window picture %s\n", saved ? "saved to sample.bmp" : "NOT saved");

    Win_Close(w);
    const int32_t quit = WinQuitLoopEx(w);
    printf("window closed (bQuitFlag %d)\n", quit);
    ZEK_dtorC(w);
    /* The toolbar wrote its layout as it closed with the frame. */
    FILE *layout = fopen(GetUxToolFile(TOOLBAR_FILE, NULL), "r");
    char first[64] = "";
    if (layout) {
        if (!fgets(first, sizeof first, layout))
            first[0] = 0;
        fclose(layout);
    }
    printf("toolbar file: %s", first[0] ? first : "(missing)\n");
    return ended && saved && quit && commands >= 5 && first[0];
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

    /* The suite's directories hang below the program's: the toolbar file
       goes into the tool directory. */
    char program[MAX_PATH];
    if (GetModuleFileNameA(NULL, program, sizeof program) && SetUxProgDir(program))
        printf("\ntool directory %s\n", GetUxToolDir());
    Win_INIT(GetModuleHandleA(NULL), NULL);
    int list_ok = 0;
    ZEK_object *list = run_text_screen(&list_ok);
    const int window_ok = run_frame(list);
    if (list) {
        Win_Close(list);
        WinQuitLoopEx(list);
        ZEK_dtorC(list);
    }
    printf("\ndone\n");
    return window_ok && list_ok ? 0 : 1;
}
