/* The traverse program: what its files share. The frame owns the three MDI
   children (station table, plan, geodetic list); the program owns the table
   editor object, its work file and the messaging server object. Everything
   runs on the frame's thread except the remote station reads, which take
   the station lock. */
#ifndef TRAVERSE_H
#define TRAVERSE_H

#include "ZEK2.h"
#include "compute.h"

/* MDI children by number. */
enum { CHILD_TABLE, CHILD_PLAN, CHILD_LIST, CHILD_COUNT };

typedef struct App {
    ZEK_object *frame;
    ZEK_object *table;       /* the table editor over the work file */
    ZEK_object *exec;        /* writes the run log */
    ZEK_object *server;      /* messaging server of the first instance */
    char file[MAX_PATH];     /* the station file that Save and Open use */
    char work[MAX_PATH];     /* the editor's work file */
    TraverseStart start;
    Station stations[TRAVERSE_MAX_STATIONS];
    TraversePoint points[TRAVERSE_MAX_STATIONS];
    TraverseResult result;   /* result.ok: the points belong to the stations */
    int count;
} App;

extern App app;

/* Win members by name (winutil.c). */
void *win_member(ZEK_object *o, const char *name);
void *layer_member(ZEK_object *o, int level, const char *name);
int overwrite_slot(ZEK_object *o, int level, const char *name, ZEK_method_fn fn);
HWND window_of(ZEK_object *o);
ZEK_object *mdi_child(ZEK_object *frame, int n);
void cell_printf(ZEK_object *w, int cx, int cy, const char *format, ...);
void run_log(const char *format, ...);

/* The title and status bar say what the table and the result are (main.c). */
void show_state(void);

/* Station table (table.c). */
int table_open(void);
void table_close(void);
/* Runs the editor until a command or the end arrives; returns that key. */
int32_t table_run(void);
void table_paint(ZEK_object *w);
/* LButtonDown hook of the table child: the row clicked becomes current. */
int32_t ZEKAPI table_child_LButtonDown(ZEK_object *w, WPARAM wParam);
int table_save(const char *path);
int table_load(const char *path);
void table_clear(void);
/* Reads the records into app.stations; the number of stations. */
int table_read(void);
/* Edits the starting point and zone in the table child's top lines; the key
   that ended it. */
int32_t table_edit_start(void);

/* Plan (plan.c) and geodetic list (geolist.c): Paint hooks of the children. */
int32_t ZEKAPI plan_Paint(ZEK_object *o);
void plan_draw(ZEK_object *o, const TraversePoint *points, const Station *stations, int count);
int32_t ZEKAPI geolist_Paint(ZEK_object *o);

/* Messaging (remote.c). */
void remote_start_server(void);
void remote_publish(void); /* copies the computed stations for remote readers */
void remote_stop_server(void);
int remote_second_instance(void);

#endif
