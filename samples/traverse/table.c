/* The station table: the table editor over a work file in the temporary
   directory, its cell input and drawing hooks, the starting point line, and
   saving to and loading from a station file (a header with the count and
   the starting point, then the records). */
#include <stdio.h>
#include <string.h>

#include "traverse.h"

/* Cells of the table child. */
#define START_ROW 0
#define HEAD_ROW 2
#define FIRST_ROW 3
#define PAGE_ROWS 16
#define COL_NO 1
#define COL_NAME 5
#define COL_ANGLE 15
#define COL_DMS 26
#define COL_DIST 38
#define COL_X 49
#define COL_Y 63

/* The table ends when InputCtrl hands back this code (the child's end key
   while the editor runs). */
#define KEY_LEAVE_TABLE 0x12FFF

/* Header of the work file and of a station file. */
typedef struct FileHeader {
    char magic[8];
    int32_t count;
    int32_t zone;
    double x, y, azimuth;
} FileHeader;
static const char kMagic[8] = "ZEKTRV1";

static int32_t pending_key;

static ZEK_object *table_child(void)
{
    return mdi_child(app.frame, CHILD_TABLE);
}

static int32_t *last_record(void)
{
    return layer_member(app.table, 1, "bDatE");
}

static int get_station(int32_t record, Station *s)
{
    if (!Fd_Io_Get(app.table, record))
        return 0;
    memcpy(s, app.table->pRecord, sizeof *s);
    s->name[STATION_NAME_SIZE - 1] = 0;
    return 1;
}

static void put_station(int32_t record, const Station *s)
{
    if (Fd_Io_Get(app.table, record)) {
        memcpy(app.table->pRecord, s, sizeof *s);
        Fd_Io_Put(app.table, record);
    }
}

static void ZEKAPI table_DrawLine(ZEK_object *f, ZEK_object *w, int32_t record, int32_t column,
                                  int32_t row)
{
    (void)f;
    Station s;
    if (!get_station(record, &s))
        return;
    cell_printf(w, COL_NO, row, "%3d", (int)record + 1);
    if (column >= 1)
        cell_printf(w, COL_NAME, row, "%-8.8s", s.name);
    if (column >= 2) {
        char dms[ZEK_DMS_TEXT_SIZE];
        ChgDmsToDms(s.angle, 0, dms, 1);
        cell_printf(w, COL_ANGLE, row, "%9.4f", s.angle);
        cell_printf(w, COL_DMS, row, "%-11s", dms);
    }
    if (column >= 3)
        cell_printf(w, COL_DIST, row, "%9.3f", s.distance);
    /* Coordinates once computed from these very stations. */
    if (column >= 3 && app.result.ok && record < app.count)
        cell_printf(w, COL_X, row, "%12.3f  %12.3f", app.points[record].x, app.points[record].y);
    else
        Win_Cls(w, COL_X, row, COL_Y + 12, row);
}

static void ZEKAPI table_DrawDelLine(ZEK_object *f, ZEK_object *w, int32_t row)
{
    (void)f;
    Win_Cls(w, 0, row, COL_Y + 12, row);
}

/* One cell: a name, a packed D.MMSS angle or a distance. */
static int32_t ZEKAPI table_InputLine(ZEK_object *f, ZEK_object *w, int32_t first, int32_t last,
                                      int32_t record, int32_t column, int32_t row)
{
    (void)first;
    /* A row typed in full has become a record: the title counts it. */
    static int32_t shown_last = -2;
    if (last != shown_last) {
        shown_last = last;
        show_state();
    }
    Station s;
    if (!get_station(record, &s))
        return ZEK_KEY_SPECIAL | ZEK_KEY_ESC;
    const Station before = s;
    int32_t key;
    switch (column) {
    case 1: key = Win_Keyin_s(w, COL_NAME, row, 8, s.name, 1); break;
    case 2: key = Win_Keyin_d(w, COL_ANGLE, row, 9, 4, &s.angle, 1); break;
    default: key = Win_Keyin_d(w, COL_DIST, row, 9, 3, &s.distance, 1); break;
    }
    if (memcmp(&s, &before, sizeof s) != 0) {
        put_station(record, &s);
        FdioInput_EditFlagOn(f);
        app.result.ok = 0; /* the coordinates no longer belong to the table */
    }
    table_DrawLine(f, w, record, column, row);
    return key;
}

/* Commands, toolbar and side menu keys and the end leave the table; the
   main loop runs them and starts the table again. */
static int32_t ZEKAPI table_InputCtrl(ZEK_object *f, ZEK_object *w, int32_t key)
{
    (void)f, (void)w;
    if (key == ZEK_CMD_MENU || key == ZEK_CMD_END || (key >= 0x12000 && key < KEY_LEAVE_TABLE)) {
        pending_key = key;
        return KEY_LEAVE_TABLE;
    }
    return 0;
}

/* A click on a row makes it current: the cell being typed ends (the
   scrolled code) and the loop starts the cell under the pointer. */
int32_t ZEKAPI table_child_LButtonDown(ZEK_object *w, WPARAM wParam)
{
    (void)wParam;
    const int32_t cx = *(int32_t *)win_member(w, "MouseCx");
    const int32_t column = cx >= COL_DIST ? 3 : cx >= COL_ANGLE ? 2 : 1;
    if (app.table && FdioInput_SetMouseAdd(app.table, w, column))
        PostMessageA(window_of(w), ZEK_MACRO_CHAR, ZEK_CMD_SCROLLED, 0);
    return 0;
}

static void write_header(void)
{
    FileHeader *h = Fd_Io_GetOffsetPtr(app.table);
    memcpy(h->magic, kMagic, sizeof kMagic);
    h->count = *last_record() + 1;
    h->zone = app.start.zone;
    h->x = app.start.x;
    h->y = app.start.y;
    h->azimuth = app.start.azimuth;
}

int table_open(void)
{
    snprintf(app.work, sizeof app.work, "%s\\traverse_%lu.wrk", GetUxTempDir(),
             GetCurrentProcessId());
    app.table = FdioInput_ctor2(NULL);
    if (!app.table)
        return 0;
    Fd_Io_SetFileName(app.table, app.work);
    *(int32_t *)layer_member(app.table, 1, "bRecSize") = (int32_t)sizeof(Station);
    if (!Fd_Io_Create(app.table, 0) || Fd_Io_Open(app.table, 16, sizeof(FileHeader), 4) != 1)
        return 0;
    *(int32_t *)layer_member(app.table, 1, "bMaxRec") = TRAVERSE_MAX_STATIONS;
    overwrite_slot(app.table, 2, "InputLine", (ZEK_method_fn)table_InputLine);
    overwrite_slot(app.table, 2, "InputCtrl", (ZEK_method_fn)table_InputCtrl);
    overwrite_slot(app.table, 2, "DrawLine", (ZEK_method_fn)table_DrawLine);
    overwrite_slot(app.table, 2, "DrawDelLine", (ZEK_method_fn)table_DrawDelLine);
    FdioInput_SetStartYpos(app.table, FIRST_ROW);
    FdioInput_SetMaxPage(app.table, PAGE_ROWS);
    FdioInput_InputMode(app.table, 0, 1, 3);
    FdioInput_InputInitDataDir(app.table);
    return 1;
}

void table_close(void)
{
    if (!app.table)
        return;
    Fd_Io_Close(app.table);
    ZEK_dtorC(app.table);
    app.table = NULL;
    DeleteFileA(app.work);
}

/* The whole child: the starting point, the heading with its rule, the page. */
void table_paint(ZEK_object *w)
{
    char dms[ZEK_DMS_TEXT_SIZE];
    ChgDmsToDms(app.start.azimuth, 0, dms, 1);
    Win_ClsA(w);
    cell_printf(w, 1, START_ROW, "始点 X %12.3f  Y %12.3f  方向角 %9.4f (%-10s)  系 %2d", app.start.x,
                app.start.y, app.start.azimuth, dms, (int)app.start.zone);
    cell_printf(w, COL_NO, HEAD_ROW, " No");
    cell_printf(w, COL_NAME, HEAD_ROW, "測点名");
    cell_printf(w, COL_ANGLE, HEAD_ROW, "観測角(度.分秒)");
    cell_printf(w, COL_DIST, HEAD_ROW, "  距離(m)");
    cell_printf(w, COL_X, HEAD_ROW, "       X(m)          Y(m)");
    COLORREF *colour = win_member(w, "Color");
    const COLORREF text_colour = *colour;
    Win_Ksen(w, 0, HEAD_ROW, 0x1122, COL_Y + 13, HEAD_ROW, 0x1122);
    *colour = text_colour;
    if (app.table)
        FdioInput_DrawPage(app.table, w);
}

int32_t table_run(void)
{
    ZEK_object *w = table_child();
    if (!app.table || !w)
        return ZEK_CMD_END;
    pending_key = 0;
    int32_t *end_key = win_member(w, "AltF4Code");
    const int32_t old_end_key = *end_key;
    *end_key = KEY_LEAVE_TABLE;
    const int32_t result = FdioInput_InputLoop(app.table, w);
    if (mdi_child(app.frame, CHILD_TABLE) == w)
        *end_key = old_end_key;
    if (result == FDIO_INPUT_WRITE_FAILED)
        Win_SetStatusMsg(app.frame, "作業ファイルに書き込めません", 0);
    return pending_key ? pending_key : ZEK_CMD_END;
}

int table_read(void)
{
    int count = 0;
    const int32_t last = *last_record();
    for (int32_t r = 0; r <= last && count < TRAVERSE_MAX_STATIONS; ++r)
        if (get_station(r, &app.stations[count]))
            ++count;
    return count;
}

void table_clear(void)
{
    FdioInput_InputInitDataDir(app.table);
    FdioInput_SetDrawPageA(app.table, table_child(), 0, 0);
    app.result.ok = 0;
    app.count = 0;
}

/* The file is written whole: a new file, the header, then every record. */
int table_save(const char *path)
{
    FdioInput_InputDataSave(app.table);
    const int count = table_read();
    ZEK_object *out = Fd_Io_ctor2(NULL);
    if (!out)
        return 0;
    Fd_Io_SetFileName(out, path);
    *(int32_t *)layer_member(out, 1, "bRecSize") = (int32_t)sizeof(Station);
    int ok = Fd_Io_Create(out, 0) && Fd_Io_Open(out, 16, sizeof(FileHeader), 2) == 1;
    if (ok) {
        write_header();
        memcpy(Fd_Io_GetOffsetPtr(out), Fd_Io_GetOffsetPtr(app.table), sizeof(FileHeader));
        ((FileHeader *)Fd_Io_GetOffsetPtr(out))->count = count;
        for (int i = 0; i < count && ok; ++i) {
            ok = Fd_Io_Get(out, i);
            if (ok) {
                memcpy(out->pRecord, &app.stations[i], sizeof(Station));
                ok = Fd_Io_Put(out, i);
            }
        }
        ok = Fd_Io_Flush(out) && ok;
        Fd_Io_Close(out);
    }
    ZEK_dtorC(out);
    return ok;
}

int table_load(const char *path)
{
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return 0;
    ZEK_object *in = Fd_Io_ctor2(NULL);
    if (!in)
        return 0;
    Fd_Io_SetFileName(in, path);
    *(int32_t *)layer_member(in, 1, "bRecSize") = (int32_t)sizeof(Station);
    int ok = Fd_Io_Open(in, 16, sizeof(FileHeader), 2) == 1;
    if (ok) {
        const FileHeader h = *(const FileHeader *)Fd_Io_GetOffsetPtr(in);
        ok = memcmp(h.magic, kMagic, sizeof kMagic) == 0 && h.count >= 0 &&
             h.count <= TRAVERSE_MAX_STATIONS && h.zone >= 1 && h.zone <= 19;
        /* Every record is read before the table is cleared, so a short or
           unreadable file leaves the stations on screen as they were. */
        static Station loaded[TRAVERSE_MAX_STATIONS];
        for (int i = 0; ok && i < h.count; ++i) {
            ok = Fd_Io_Get(in, i);
            if (ok) {
                memcpy(&loaded[i], in->pRecord, sizeof loaded[i]);
                loaded[i].name[STATION_NAME_SIZE - 1] = 0;
            }
        }
        if (ok) {
            FdioInput_InputInitDataDir(app.table);
            FdioInput_EditFlagOff(app.table);
            app.start = (TraverseStart){h.x, h.y, h.azimuth, h.zone};
            for (int i = 0; i < h.count; ++i)
                put_station(i, &loaded[i]);
            *last_record() = h.count - 1;
            write_header();
        }
        /* Nothing of the file changes: its header goes back as it was read. */
        *(FileHeader *)Fd_Io_GetOffsetPtr(in) = h;
        Fd_Io_Close(in);
    }
    ZEK_dtorC(in);
    if (ok)
        app.result.ok = 0;
    return ok;
}

/* The starting point in the child's top line, field by field; any key but
   Enter or Tab stops (and is handed back). */
int32_t table_edit_start(void)
{
    ZEK_object *w = table_child();
    TraverseStart s = app.start;
    int32_t zone = s.zone;
    int32_t key = Win_Keyin_d(w, 8, START_ROW, 12, 3, &s.x, 1);
    if (key == (ZEK_KEY_SPECIAL | ZEK_KEY_ENTER) || key == (ZEK_KEY_SPECIAL | ZEK_KEY_TAB))
        key = Win_Keyin_d(w, 24, START_ROW, 12, 3, &s.y, 1);
    if (key == (ZEK_KEY_SPECIAL | ZEK_KEY_ENTER) || key == (ZEK_KEY_SPECIAL | ZEK_KEY_TAB))
        key = Win_Keyin_d(w, 45, START_ROW, 9, 4, &s.azimuth, 1);
    if (key == (ZEK_KEY_SPECIAL | ZEK_KEY_ENTER) || key == (ZEK_KEY_SPECIAL | ZEK_KEY_TAB))
        key = Win_Keyin_i(w, 71, START_ROW, 2, &zone, 1);
    if (key == (ZEK_KEY_SPECIAL | ZEK_KEY_ENTER)) {
        s.zone = zone >= 1 && zone <= 19 ? zone : app.start.zone;
        app.start = s;
        app.result.ok = 0;
        write_header();
        FdioInput_EditFlagOn(app.table);
    }
    InvalidateRect(window_of(w), NULL, FALSE);
    return key;
}
