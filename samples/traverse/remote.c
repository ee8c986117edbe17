/* Messaging between two instances. The first opens the server mailslot and
   publishes a copy of its computed stations, which the class module reads
   on the link's reader thread through the two exports below. The second
   registers with it, makes the module object there and asks station by
   station, then shows what came back in a window of its own. */
#include <stdio.h>
#include <string.h>

#include "remote_api.h"
#include "traverse.h"

/* The published copy; the lock guards it against the reader thread. */
static CRITICAL_SECTION lock;
static int lock_made;
static int published;
static char names[TRAVERSE_MAX_STATIONS][STATION_NAME_SIZE];
static TraversePoint copies[TRAVERSE_MAX_STATIONS];
static int32_t zone;

__declspec(dllexport) int32_t ZEKAPI traverse_station_count(void)
{
    EnterCriticalSection(&lock);
    const int32_t n = published;
    LeaveCriticalSection(&lock);
    return n;
}

__declspec(dllexport) int32_t ZEKAPI traverse_station_line(int32_t index, char *out, int32_t size)
{
    int32_t n = -1;
    EnterCriticalSection(&lock);
    if (index >= 0 && index < published) {
        double b = 0, l = 0;
        char tb[ZEK_DMS_TEXT_SIZE] = "-", tl[ZEK_DMS_TEXT_SIZE] = "-";
        if (WGS84_XY_BL(1, zone, copies[index].x, copies[index].y, &b, &l, NULL)) {
            ChgDegToDms(b, 2, tb, 0);
            ChgDegToDms(l, 2, tl, 0);
        }
        n = snprintf(out, size, "%-8.8s %12.3f %12.3f  %s  %s", names[index], copies[index].x,
                     copies[index].y, tb, tl);
    }
    LeaveCriticalSection(&lock);
    return n;
}

void remote_start_server(void)
{
    if (!lock_made) {
        InitializeCriticalSection(&lock);
        lock_made = 1;
    }
    app.server = ZEK_class_ctor2(NULL);
    if (!app.server)
        return;
    if (ZEK_class_StartUpMailslotThread(app.server, "") == -1) {
        run_log("traverse: 受信用メールスロットを開けません");
        ZEK_dtorC(app.server);
        app.server = NULL;
    }
}

void remote_publish(void)
{
    if (!lock_made)
        return;
    EnterCriticalSection(&lock);
    published = app.result.ok ? app.count : 0;
    zone = app.start.zone;
    for (int i = 0; i < published; ++i) {
        memcpy(names[i], app.stations[i].name, STATION_NAME_SIZE);
        copies[i] = app.points[i];
    }
    LeaveCriticalSection(&lock);
}

/* Its destructor stops and joins the watcher and reader threads. */
void remote_stop_server(void)
{
    if (app.server)
        ZEK_dtorC(app.server);
    app.server = NULL;
}

/* ---- The second instance ------------------------------------------------ */

#define SHOWN_MAX 40
static char received[SHOWN_MAX][TRAVNET_LINE_SIZE];
static int received_count, remote_count;
static const char *remote_state = "";

static int32_t ZEKAPI second_Paint(ZEK_object *o)
{
    Win_ClsA(o);
    cell_printf(o, 1, 0, "第一インスタンスから受け取った測点 (%d / %d)", received_count, remote_count);
    cell_printf(o, 1, 1, "%s", remote_state);
    cell_printf(o, 1, 3, "%-8s %12s %12s  %-12s  %-12s", "測点名", "X(m)", "Y(m)", "緯度", "経度");
    for (int i = 0; i < received_count; ++i)
        cell_printf(o, 1, 4 + i, "%s", received[i]);
    return 0;
}

/* Registers, makes the module object in the first instance and reads its
   stations: each line comes back in the buffer of a ZEK_NET_RETURN entry. */
static void ask_first_instance(void)
{
    ZEK_object *o = ZEK_class_ctor2(NULL);
    if (!o) {
        remote_state = "オブジェクトを作れません";
        return;
    }
    char tag[32];
    snprintf(tag, sizeof tag, "traverse%lu", GetCurrentProcessId());
    if (ZEK_class_SendComputerName(o, 16, ".", "", tag) != 1) {
        remote_state = "第一インスタンスに登録できません";
    } else if (ZEK_NetNew(o, TRAVNET_MODULE, 0) != 0 ||
               *(int32_t *)layer_member(o, 0, "ServerSelf") == 0) {
        remote_state = "第一インスタンスにオブジェクトを作れません";
    } else {
        int32_t count = 0, none[1] = {0};
        if (ZEK_class_SendNetworkProc(o, &count, none, 1, TRAVNET_SLOT_COUNT, 4) == 0)
            remote_count = count;
        for (int i = 0; i < remote_count && received_count < SHOWN_MAX; ++i) {
            char line[TRAVNET_LINE_SIZE] = "";
            int32_t r = -1, args[4] = {0, i, 0, TRAVNET_LINE_SIZE};
            ZEK_net_pointer out = {TRAVNET_LINE_SIZE, 8 | ZEK_NET_RETURN, line};
            if (ZEK_class_SendNetworkProcAny(o, &r, args, 1, TRAVNET_SLOT_LINE, 16,
                                             TRAVNET_LINE_SIZE, 1, &out) != 0 || r < 0)
                break;
            line[TRAVNET_LINE_SIZE - 1] = 0;
            memcpy(received[received_count++], line, sizeof line);
        }
        remote_state = remote_count > 0 ? "メッセージ通信で一点ずつ受信しました"
                                         : "第一インスタンスはまだ計算していません";
        ZEK_class_NetDel(o);
    }
    run_log("traverse: 第二インスタンス %d/%d 測点受信", received_count, remote_count);
    ZEK_dtorC(o);
}

int remote_second_instance(void)
{
    ask_first_instance();
    ZEK_object *w = Win_ctor2(NULL);
    if (!w)
        return 1;
    char title[128];
    snprintf(title, sizeof title, "トラバース計算 ― 第二インスタンス (%d 測点受信)", received_count);
    *(const char **)win_member(w, "pClassName") = "ZekTraverseSecond";
    *(const char **)win_member(w, "pTitleName") = title;
    *(int32_t *)win_member(w, "WinStGx") = 160;
    *(int32_t *)win_member(w, "WinStGy") = 200;
    *(int32_t *)win_member(w, "WinWdGx") = 720;
    *(int32_t *)win_member(w, "WinWdGy") = 300;
    overwrite_slot(w, 1, "Paint", (ZEK_method_fn)second_Paint);
    Win_SetAltF4Code(w, ZEK_CMD_END);
    if (Win_con(w, 0) != 0) {
        ZEK_dtorC(w);
        return 1;
    }
    for (;;) {
        const int32_t key = Win_Keyin(w, 0, 0, 0);
        if (key == -1 || key == ZEK_CMD_END || key == (ZEK_KEY_SPECIAL | ZEK_KEY_ESC))
            break;
    }
    Win_Close(w);
    WinQuitLoopEx(w);
    ZEK_dtorC(w);
    return received_count == remote_count && remote_count > 0 ? 0 : 2;
}
