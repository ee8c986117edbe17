/* The traverse program: an MDI frame with a menu bar, a toolbar, a side
   menu and a status bar over three children (the station table, the plan,
   the geodetic list). The frame's loop is the table editor's: every key,
   menu command and button reaches the table child, and the commands leave
   the table to run here.
   Usage: traverse [station file]      traverse /second (the second instance) */
#include <stdio.h>
#include <string.h>

#include "traverse.h"

App app = {.start = {-35900.0, -5900.0, 21.1502, 9}};

/* Key codes of the toolbar and side menu buttons. */
enum {
    KEY_COMPUTE = 0x12001,
    KEY_SAVE,
    KEY_OPEN,
    KEY_SECOND,
    KEY_SHOW = 0x12010, /* + child number */
    KEY_TILE = 0x12020,
};

/* Menu bar command ids; the window list is 50101 + child number. */
enum {
    CMD_FILE = 1000, CMD_NEW, CMD_OPEN, CMD_SAVE, CMD_RULE1, CMD_SECOND, CMD_RULE2, CMD_EXIT,
    CMD_CALC = 2000, CMD_COMPUTE, CMD_START,
    CMD_WINDOW = 3000, CMD_CASCADE, CMD_TILE, CMD_RULE3,
    CMD_CHILD = 50101
};

static const Win_menu_entry menu_table[] = {
    {0, 1, 0, 1, CMD_FILE, "", "ファイル(&F)"},
    {1, 0, 0, 1, CMD_NEW, "", "新規(&N)"},
    {1, 0, 0, 1, CMD_OPEN, "", "開く(&O)"},
    {1, 0, 0, 1, CMD_SAVE, "", "保存(&S)"},
    {1, 0, 1, 1, CMD_RULE1, "", ""},
    {1, 0, 0, 1, CMD_SECOND, "", "第二インスタンス起動(&2)"},
    {1, 0, 1, 1, CMD_RULE2, "", ""},
    {1, 0, 0, 1, CMD_EXIT, "", "終了(&X)"},
    {0, 2, 0, 1, CMD_CALC, "", "計算(&C)"},
    {2, 0, 0, 1, CMD_COMPUTE, "", "計算実行(&C)"},
    {2, 0, 0, 1, CMD_START, "", "始点と座標系(&S)"},
    {0, 3, 0, 1, CMD_WINDOW, "", "ウィンドウ(&W)"},
    {3, 0, 0, 1, CMD_CASCADE, "", "重ねて表示(&C)"},
    {3, 0, 0, 1, CMD_TILE, "", "並べて表示(&T)"},
    {3, 0, 1, 1, CMD_RULE3, "", ""},
    {3, 0, 0, 1, CMD_CHILD, "", "&1 測点入力"},
    {3, 0, 0, 1, CMD_CHILD + 1, "", "&2 平面図"},
    {3, 0, 0, 1, CMD_CHILD + 2, "", "&3 緯度経度"},
    {-1, 0, 0, 0, 0, "", ""},
};

static const char *const child_titles[CHILD_COUNT] = {"測点入力", "平面図", "緯度経度"};

#define TOOLBAR_HEIGHT 30
static const Win_button_entry tool_buttons[] = {
    {1, 0, 0, 0, 101, 0, 0, 56, 22, 12, 4, 1, 0, 1, KEY_COMPUTE, "計算", "座標を計算する", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 101, 0, 0, 56, 22, 12, 4, 2, 0, 1, KEY_SAVE, "保存", "測点ファイルに保存", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 101, 0, 0, 56, 22, 12, 4, 3, 0, 1, KEY_OPEN, "開く", "測点ファイルを読み直す", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 101, 0, 0, 80, 22, 8, 4, 4, 0, 1, KEY_SECOND, "第二起動", "第二インスタンスを起動", "", 0, 0, 0, 0},
    {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", 0, 0, 0, 0},
};

/* Laid out as a mode menu: the children's radio buttons from the top, the
   tiling button (command id 80600) at the bottom. */
#define SIDE_MENU_WIDTH 72
static const Win_button_entry side_buttons[] = {
    {1, 2, 0, 1, 101, 0, 0, 62, 24, 14, 5, 11, 0, 1, KEY_SHOW + CHILD_TABLE, "入力", "測点入力を前に", "", 0, 0, 0, 0},
    {1, 2, 0, 0, 101, 0, 0, 62, 24, 6, 5, 12, 0, 1, KEY_SHOW + CHILD_PLAN, "平面図", "平面図を前に", "", 0, 0, 0, 0},
    {1, 2, 0, 0, 101, 0, 0, 62, 24, 2, 5, 13, 0, 1, KEY_SHOW + CHILD_LIST, "緯度経度", "緯度経度を前に", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 101, 0, 0, 62, 24, 6, 5, 80600, 0, 1, KEY_TILE, "並べる", "三つを並べる", "", 0, 0, 0, 0},
    {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", 0, 0, 0, 0},
};

enum { PANE_RESULT, PANE_FILE, PANE_ZONE };
static const Win_button_entry status_panes[] = {
    {1, 0, 0, 0, 109, 0, 0, 420, 19, 4, 2, 21, 0, 0, 0, "", "", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 109, 0, 0, 240, 19, 4, 2, 22, 0, 0, 0, "", "", "", 0, 0, 0, 0},
    {1, 0, 0, 0, 109, 0, 0, 100, 19, 4, 2, 23, 0, 0, 0, "", "", "", 0, 0, 0, 0},
    {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", 0, 0, 0, 0},
};

/* ---- The toolbar's layout file ------------------------------------------- */

#define TOOLBAR_NAME "トラバース"
#define TOOLBAR_FILE "traverse.tbr"

static ZEK_object *tool_bar(ZEK_object *frame)
{
    return ((ZEK_object **)win_member(frame, "pToolBar"))[0];
}

/* A data member of a furniture's button table (an AtrTable over Fd_Mem). */
static void *table_member(ZEK_object *furniture, const char *name)
{
    ZEK_object *t = *(ZEK_object **)win_member(furniture, "pButtonTbl");
    return t ? layer_member(t, 2, name) : NULL;
}

/* Reads the layout of the last run into the toolbar's table; with no file
   yet, writes the first one: docked, floating in one row when pulled out.
   The first two lines belong to the library, which rewrites them as the
   toolbar closes; the place is kept relative to the frame. */
static void load_toolbar_layout(ZEK_object *toolbar, ZEK_object *frame)
{
    char path[MAX_PATH];
    GetUxToolFile(TOOLBAR_FILE, path);
    FILE *in = fopen(path, "r");
    if (!in) {
        FILE *out = fopen(path, "w");
        if (out) {
            fprintf(out, "0 %s 0 2\n1 0 0 0 0\n", TOOLBAR_NAME);
            fprintf(out, "2 buttons compute,save,open,second\n");
            fclose(out);
        }
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
    if (fgets(line, sizeof line, in) && sscanf(line, "%d %d %d %d %d", &kind, &a, &b, &c, &d) == 5) {
        *wsx = a + *(int32_t *)win_member(frame, "WinStGx");
        *wsy = b + *(int32_t *)win_member(frame, "WinStGy");
        *wwx = c;
        *wwy = d;
    }
    fclose(in);
}

/* A docked toolbar's floating place moves with the frame, so that the place
   kept in its file, relative to the frame, stays as it was read. */
static int32_t ZEKAPI frame_MoveWndEx(ZEK_object *w, int32_t dx, int32_t dy)
{
    ZEK_object *bar = tool_bar(w);
    int32_t *pos = bar ? table_member(bar, "bPos") : NULL;
    if (pos && *pos == 0) {
        *(int32_t *)table_member(bar, "bWsx") += dx;
        *(int32_t *)table_member(bar, "bWsy") += dy;
    }
    return 0;
}

/* ---- Keys and children --------------------------------------------------- */

/* Keys typed into any child come to the frame; they belong to the table
   child, whose cell input waits for them. */
static int32_t ZEKAPI frame_FFWndProc(ZEK_object *w, UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT *result)
{
    if (message != WM_CHAR && message != WM_KEYDOWN && message != ZEK_MACRO_CHAR)
        return 0;
    ZEK_object *table = mdi_child(w, CHILD_TABLE);
    if (!table || !window_of(table))
        return 0;
    *result = WndProcNx(table, message, wParam, lParam);
    return 1;
}

/* The children stay for the program's life: closing one is refused. */
static int32_t ZEKAPI child_AltF4(ZEK_object *w)
{
    (void)w;
    return 1;
}

static int32_t ZEKAPI table_child_Paint(ZEK_object *w)
{
    table_paint(w);
    return 0;
}

static void show_child(int n)
{
    ZEK_object *child = mdi_child(app.frame, n);
    if (child)
        SendMessageA(*(HWND *)win_member(app.frame, "hMdiWnd"), WM_MDIACTIVATE,
                     (WPARAM)window_of(child), 0);
}

static void redraw_children(void)
{
    for (int n = 0; n < CHILD_COUNT; ++n)
        if (mdi_child(app.frame, n))
            InvalidateRect(window_of(mdi_child(app.frame, n)), NULL, TRUE);
}

/* The title says the file and, once computed, the closing error. */
void show_state(void)
{
    static char title[MAX_PATH + 96];
    char text[160], precision[32];
    const char *file = strrchr(app.file, '\\') ? strrchr(app.file, '\\') + 1 : app.file;
    if (app.result.ok) {
        traverse_precision_text(&app.result, precision, sizeof precision);
        snprintf(text, sizeof text, "閉合差 %.3f m  精度 %s  角閉合差 %+.1f\"",
                 app.result.closing_error, precision, app.result.angle_misclosure);
        snprintf(title, sizeof title, "トラバース計算 - %s [%d 測点, 閉合差 %.3f m]", file,
                 app.count, app.result.closing_error);
    } else {
        snprintf(text, sizeof text, "未計算 (%d 測点)", *(int32_t *)layer_member(app.table, 1, "bDatE") + 1);
        snprintf(title, sizeof title, "トラバース計算 - %s (%d 測点)", file,
                 *(int32_t *)layer_member(app.table, 1, "bDatE") + 1);
    }
    Win_SetStatusMsg(app.frame, text, PANE_RESULT);
    Win_SetStatusMsg(app.frame, file, PANE_FILE);
    snprintf(text, sizeof text, "座標系 %d 系", (int)app.start.zone);
    Win_SetStatusMsg(app.frame, text, PANE_ZONE);
    Win_SetTitle(app.frame, title);
}

static void compute(void)
{
    app.count = table_read();
    traverse_compute(app.stations, app.count, &app.start, app.points, &app.result);
    remote_publish();
    if (app.result.ok)
        run_log("traverse: 計算 %d 測点 閉合差 %.3f m", app.count, app.result.closing_error);
    else
        run_log("traverse: 計算できません (%d 測点)", app.count);
    if (!app.result.ok)
        Win_SetStatusMsg(app.frame, "計算できません: 三点以上、距離 > 0、角は度.分秒で", PANE_RESULT);
}

static void start_second_instance(void)
{
    char program[MAX_PATH], line[MAX_PATH + 16];
    GetModuleFileNameA(NULL, program, sizeof program);
    snprintf(line, sizeof line, "\"%s\" /second", program);
    const int ok = session(line, "traverse second", 0);
    run_log("traverse: 第二インスタンス起動 %s", ok ? "" : "できません");
}

/* What a command does; 0 when it ends the program. */
static int run_key(int32_t key)
{
    int32_t id = 0;
    if (key == ZEK_CMD_END)
        return 0;
    if (key == ZEK_CMD_MENU)
        id = ((const Win_menu_command *)win_member(app.frame, "bMenuDt"))->id;
    if (id == CMD_EXIT)
        return 0;
    if (id == CMD_COMPUTE || key == KEY_COMPUTE) {
        compute();
    } else if (id == CMD_SAVE || key == KEY_SAVE) {
        const int ok = table_save(app.file);
        run_log("traverse: 保存 %s %s", app.file, ok ? "" : "できません");
        Win_SetStatusMsg(app.frame, ok ? "保存しました" : "保存できません", PANE_RESULT);
        return 1;
    } else if (id == CMD_OPEN || key == KEY_OPEN) {
        const int ok = table_load(app.file);
        run_log("traverse: 読込 %s %s", app.file, ok ? "" : "できません");
        FdioInput_SetDrawPageA(app.table, mdi_child(app.frame, CHILD_TABLE), 0, 0);
        if (ok)
            compute();
    } else if (id == CMD_NEW) {
        table_clear();
        run_log("traverse: 新規");
    } else if (id == CMD_START) {
        show_child(CHILD_TABLE);
        const int32_t ended = table_edit_start();
        if (ended == ZEK_CMD_END || ended == ZEK_CMD_MENU || (ended & 0xFFFFF000) == 0x12000)
            return run_key(ended);
    } else if (id == CMD_SECOND || key == KEY_SECOND) {
        start_second_instance();
        return 1;
    } else if (id == CMD_CASCADE) {
        Win_CascadeWindow(app.frame);
    } else if (id == CMD_TILE || key == KEY_TILE) {
        Win_TileWindows(app.frame, 0);
    } else if (id >= CMD_CHILD && id < CMD_CHILD + CHILD_COUNT) {
        show_child(id - CMD_CHILD);
    } else if (key >= KEY_SHOW && key < KEY_SHOW + CHILD_COUNT) {
        show_child(key - KEY_SHOW);
    }
    /* A command resets the furniture's radio buttons: the active child's
       is put back. */
    Win_SetAllButtonMode(app.frame, 11 + *(int32_t *)win_member(app.frame, "bMdiSelPos"), 1);
    show_state();
    redraw_children();
    return 1;
}

/* ---- The frame ----------------------------------------------------------- */

static int init_frame(ZEK_object *w)
{
    *(const char **)win_member(w, "pClassName") = "ZekTraverseFrame";
    *(const char **)win_member(w, "pTitleName") = "トラバース計算";
    *(int32_t *)win_member(w, "WinStGx") = 20;
    *(int32_t *)win_member(w, "WinStGy") = 20;
    *(int32_t *)win_member(w, "WinWdGx") = 1000;
    *(int32_t *)win_member(w, "WinWdGy") = 700;
    overwrite_slot(w, 1, "FFWndProc", (ZEK_method_fn)frame_FFWndProc);
    overwrite_slot(w, 1, "MoveWndEx", (ZEK_method_fn)frame_MoveWndEx);
    int ok = Win_InitMenuBar(w, menu_table);
    Win_InitMdiFrame(w);
    *(int32_t *)win_member(w, "bToolEdge") = 2;
    Win_InitToolFrame(w, TOOLBAR_HEIGHT);
    ok = Win_InitToolBar(w, 0, TOOLBAR_NAME, tool_buttons, 0, 2) && ok;
    ZEK_object *toolbar = tool_bar(w);
    if (toolbar) {
        *(int32_t *)win_member(toolbar, "bToolSaveFlag") = 1;
        char *file_name = table_member(toolbar, "bToolName");
        if (file_name)
            snprintf(file_name, 260, "%s", TOOLBAR_FILE);
        load_toolbar_layout(toolbar, w);
    }
    *(int32_t *)win_member(w, "bLeftMenuEdge") = 8;
    ok = Win_InitLockMenu(w, WIN_LOCK_LEFT, SIDE_MENU_WIDTH, side_buttons) && ok;
    ZEK_object *side = *(ZEK_object **)win_member(w, "pLeftMenuBar");
    int32_t *edge_flag = side ? table_member(side, "bEdgeFlag") : NULL;
    if (edge_flag)
        *edge_flag = 1;
    ok = Win_InitStatusBar(w, status_panes) && ok;
    static const int place[CHILD_COUNT][4] = {{0, 0, 640, 420}, {300, 120, 600, 440}, {40, 300, 560, 260}};
    for (int n = CHILD_COUNT - 1; n >= 0; --n) {
        Win_InitMdiWnd(w, n, child_titles[n]);
        ZEK_object *child = mdi_child(w, n);
        if (!child)
            return 0;
        static const ZEK_method_fn paints[CHILD_COUNT] = {
            (ZEK_method_fn)table_child_Paint, (ZEK_method_fn)plan_Paint, (ZEK_method_fn)geolist_Paint};
        overwrite_slot(child, 1, "Paint", paints[n]);
        overwrite_slot(child, 1, "AltF4", (ZEK_method_fn)child_AltF4);
        if (n == CHILD_TABLE)
            overwrite_slot(child, 1, "LButtonDown", (ZEK_method_fn)table_child_LButtonDown);
        *(int32_t *)win_member(child, "WinStGx") = place[n][0];
        *(int32_t *)win_member(child, "WinStGy") = place[n][1];
        *(int32_t *)win_member(child, "WinWdGx") = place[n][2];
        *(int32_t *)win_member(child, "WinWdGy") = place[n][3];
    }
    Win_SetAltF4Code(w, ZEK_CMD_END);
    return ok;
}

static void make_directories(void)
{
    char path[MAX_PATH];
    const char *dirs[] = {GetUxLogDir(), GetUxDataDir(), GetUxTempDir(), GetUxToolDir()};
    for (size_t i = 0; i < sizeof dirs / sizeof dirs[0]; ++i) {
        snprintf(path, sizeof path, "%s", dirs[i]);
        CreateTreeDirectory(path);
    }
}

int main(int argc, char **argv)
{
    char program[MAX_PATH];
    if (GetModuleFileNameA(NULL, program, sizeof program))
        SetUxProgDir(program);
    make_directories();
    app.exec = Exec_ctor2(NULL);
    const int second = argc > 1 && argcmp(argv[1], "/second") == 0;
    run_log("traverse: 開始%s", second ? " (第二インスタンス)" : "");
    Win_INIT(GetModuleHandleA(NULL), NULL);
    if (second) {
        const int status = remote_second_instance();
        run_log("traverse: 終了 (第二インスタンス)");
        ZEK_dtorC(app.exec);
        return status;
    }

    if (argc > 1)
        GetFullPathNameA(argv[1], sizeof app.file, app.file, NULL);
    else
        GetUxDataFile("traverse.trv", app.file);
    int status = 1;
    if (!table_open()) {
        fprintf(stderr, "traverse: the work file %s cannot be made\n", app.work);
        goto done;
    }
    const int loaded = table_load(app.file);
    app.frame = Win_ctor2(NULL);
    if (!app.frame || !init_frame(app.frame) || Win_con(app.frame, 0) != 0) {
        fprintf(stderr, "traverse: the window cannot be made\n");
        goto done;
    }
    remote_start_server();
    if (loaded)
        compute();
    show_child(CHILD_TABLE);
    show_state();
    redraw_children();
    run_log("traverse: %s %s", loaded ? "読込" : "新規", app.file);

    while (window_of(app.frame) && run_key(table_run()))
        ;
    status = 0;
done:
    remote_stop_server();
    if (app.frame) {
        if (window_of(app.frame)) {
            Win_Close(app.frame);
            WinQuitLoopEx(app.frame);
        }
        ZEK_dtorC(app.frame);
    }
    table_close();
    run_log("traverse: 終了");
    ZEK_dtorC(app.exec);
    return status;
}
