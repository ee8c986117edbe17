/* A small program of the suite, written against ZEK2.dll as any other:
   it builds objects, replaces a method by name, reaches members by name,
   splits its command line and writes to and shows the shared message log;
   then it opens a main window, reads key codes in its own loop and paints
   them. It types into itself so that it runs unattended, saves a picture of
   its window to sample.bmp and ends. */
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

/* ---- The main window ---------------------------------------------------- */

#define SAMPLE_TIMER 1
#define MAX_LINES 16

/* The key codes received so far, as the lines that Paint draws. */
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

static void describe_key(int32_t key, char *text, size_t size)
{
    const int code = key & 0xFFFF;
    if (key == ZEK_CMD_END)
        snprintf(text, size, "終了要求 (閉じるボタン)");
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

/* Paint hook: the window procedure has begun painting into hDC. */
static int32_t ZEKAPI sample_Paint(ZEK_object *o)
{
    HDC dc = *(HDC *)win_member(o, "hDC");
    HWND window = *(HWND *)win_member(o, "hWnd");
    const int line_height = *(int32_t *)win_member(o, "ChrWdBy") + 6;
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, (HBRUSH)(COLOR_WINDOW + 1));

    HFONT old_font = SelectObject(dc, *(HFONT *)win_member(o, "hFont"));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 128));
    const char *heading = "受け取ったキーコード (Win_Keyin)";
    TextOutA(dc, 12, 10, heading, (int)strlen(heading));
    MoveToEx(dc, 12, 12 + line_height, NULL);
    LineTo(dc, area.right - 12, 12 + line_height);

    SetTextColor(dc, RGB(0, 0, 0));
    for (int i = 0; i < key_line_count; ++i)
        TextOutA(dc, 20, 20 + (i + 1) * line_height, key_lines[i], (int)strlen(key_lines[i]));
    SelectObject(dc, old_font);
    return 0;
}

/* Timer hook: each tick types the next piece of the script into the window,
   as a user would, while the program waits in Win_Keyin. */
static int32_t ZEKAPI sample_Timer(ZEK_object *o, int32_t id)
{
    static int step;
    if (id != SAMPLE_TIMER)
        return 0;
    HWND window = *(HWND *)win_member(o, "hWnd");
    switch (step++) {
    case 0:
        for (const char *c = "ZEK2"; *c; ++c)
            PostMessageA(window, WM_CHAR, (unsigned char)*c, 1);
        break;
    case 1:
        /* "あ" and "漢" arrive byte by byte; the half-width "ｱ" is one byte. */
        PostMessageA(window, WM_CHAR, 0x82, 1);
        PostMessageA(window, WM_CHAR, 0xA0, 1);
        PostMessageA(window, WM_CHAR, 0x8A, 1);
        PostMessageA(window, WM_CHAR, 0xBF, 1);
        PostMessageA(window, WM_CHAR, 0xB1, 1);
        break;
    case 2:
        PostMessageA(window, WM_KEYDOWN, VK_F5, 1);
        PostMessageA(window, MACRO_CHAR, ZEK_CMD_RESIZED, 0);
        break;
    case 3:
        /* The system close command; AltF4Code turns it into a key code. */
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        /* Never reached when all goes well: a stuck run still ends. */
        if (step > 100)
            PostMessageA(window, MACRO_CHAR, ZEK_CMD_END, 0);
        break;
    }
    return 0;
}

/* Writes the window (frame and client area) as it is on the screen to a
   24-bit BMP file. */
static int save_window_bmp(HWND window, const char *path)
{
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = NULL;
    HDC window_dc = GetWindowDC(window);
    HDC memory_dc = CreateCompatibleDC(window_dc);
    HBITMAP bitmap = CreateDIBSection(window_dc, (BITMAPINFO *)&header, DIB_RGB_COLORS, &bits,
                                      NULL, 0);
    int ok = 0;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory_dc, bitmap);
        /* The window as it is on the screen, frame included. */
        BitBlt(memory_dc, 0, 0, width, height, window_dc, 0, 0, SRCCOPY);
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
    ReleaseDC(window, window_dc);
    return ok;
}

/* The main window: built and shown, then its own key loop until the close
   request arrives as a key code. */
static int run_window(void)
{
    Win_INIT(GetModuleHandleA(NULL), NULL);
    ZEK_object *w = Win_ctor2(NULL);
    if (!w)
        return 0;
    *(const char **)win_member(w, "pClassName") = "ZekSampleMain";
    *(const char **)win_member(w, "pTitleName") = "ZEK2 サンプル ― キー入力の表示";
    *(int32_t *)win_member(w, "WinStGx") = 40;
    *(int32_t *)win_member(w, "WinStGy") = 40;
    *(int32_t *)win_member(w, "WinWdGx") = 440;
    *(int32_t *)win_member(w, "WinWdGy") = 300;
    overwrite_slot(w, "Paint", (ZEK_method_fn)sample_Paint);
    overwrite_slot(w, "Timer", (ZEK_method_fn)sample_Timer);
    /* Closing from the system menu becomes a key for the loop below. */
    Win_SetAltF4Code(w, ZEK_CMD_END);

    if (Win_con(w, 0) != 0) {
        printf("the window could not be made\n");
        ZEK_dtorC(w);
        return 0;
    }
    HWND window = *(HWND *)win_member(w, "hWnd");
    printf("\nwindow %p made; reading key codes:\n", (void *)window);
    Win_SetTimer(w, SAMPLE_TIMER, 150);

    int ended = 0;
    while (!ended) {
        const int32_t key = Win_Keyin(w, 0, 0, 0);
        if (key == -1)
            break; /* the window went away */
        char text[64];
        describe_key(key, text, sizeof text);
        if (key_line_count < MAX_LINES)
            snprintf(key_lines[key_line_count++], sizeof key_lines[0], "0x%05lX  %s",
                     (unsigned long)key, text);
        printf("  key 0x%05lX\n", (unsigned long)key);
        /* Into the shared log; the window is asked to repaint as well. */
        Shared_printf(w, "sample: key 0x%05lX %s\n", (unsigned long)key, text);
        ended = key == ZEK_CMD_END;
    }
    Win_KillTimer(w, SAMPLE_TIMER);
    Win_Update(w);
    const int saved = save_window_bmp(window, "sample.bmp");
    printf("window picture %s\n", saved ? "saved to sample.bmp" : "NOT saved");

    Win_Close(w);
    const int32_t quit = WinQuitLoopEx(w);
    printf("window closed (bQuitFlag %d)\n", quit);
    ZEK_dtorC(w);
    return ended && saved && quit;
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

    const int window_ok = run_window();
    printf("\ndone\n");
    return window_ok ? 0 : 1;
}
