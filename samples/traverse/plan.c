/* The plan child: the computed traverse on an A3 sheet at the smallest
   usual paper scale that holds it, in survey coordinates (X north, Y east). */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "traverse.h"

/* The sheet, landscape, in millimetres. */
#define SHEET_W 420.0
#define SHEET_H 297.0
#define MARGIN 25.0

static const int kScales[] = {100, 200, 250, 500, 1000, 2500, 5000, 10000, 25000, 50000, 100000};

typedef struct Sheet {
    int scale;
    double south, west, north, east; /* the sheet on the ground, metres */
} Sheet;

static Sheet fit_sheet(const TraversePoint *points, int count)
{
    double sx = points[0].x, mx = sx, sy = points[0].y, my = sy;
    for (int i = 1; i < count; ++i) {
        sx = fmin(sx, points[i].x), mx = fmax(mx, points[i].x);
        sy = fmin(sy, points[i].y), my = fmax(my, points[i].y);
    }
    Sheet s = {kScales[sizeof kScales / sizeof kScales[0] - 1], 0, 0, 0, 0};
    for (size_t i = 0; i < sizeof kScales / sizeof kScales[0]; ++i)
        if ((my - sy) <= (SHEET_W - 2 * MARGIN) * kScales[i] / 1000.0 &&
            (mx - sx) <= (SHEET_H - 2 * MARGIN) * kScales[i] / 1000.0) {
            s.scale = kScales[i];
            break;
        }
    const double w = SHEET_W * s.scale / 1000.0, h = SHEET_H * s.scale / 1000.0;
    s.south = (sx + mx - h) / 2, s.north = s.south + h;
    s.west = (sy + my - w) / 2, s.east = s.west + w;
    return s;
}

/* The sheet fitted into the window with a little room, its shape kept. */
static void fit_view(ZEK_object *o, const Sheet *s)
{
    const double width = *(double *)win_member(o, "dWdVx");
    const double height = *(double *)win_member(o, "dWdVy");
    const double room = 8.0;
    double scale = (width - 2 * room) / (s->east - s->west); /* pixels per metre */
    if ((height - 2 * room) / (s->north - s->south) < scale)
        scale = (height - 2 * room) / (s->north - s->south);
    if (!(scale > 0))
        scale = 1;
    const double top = (s->north + s->south) / 2 + height * 0.5 / scale;
    const double left = (s->east + s->west) / 2 - width * 0.5 / scale;
    Win_ScaleSet2(o, 1, top - height / scale, left, top, left + width / scale);
    Win_ScaleOn(o);
}

/* Text at survey coordinates: on the survey mapping plain x is Y. */
static void text_at(ZEK_object *o, const char *text, double x, double y, int height,
                    COLORREF colour, int align)
{
    *(COLORREF *)win_member(o, "Color") = colour;
    *(int32_t *)win_member(o, "GchrAlign") = align;
    Win_Gchr(o, text, y, x, 0, 0, height, 0, 0, FW_NORMAL);
}

void plan_draw(ZEK_object *o, const TraversePoint *points, const Station *stations, int count)
{
    const Sheet s = fit_sheet(points, count);
    const double mm = s.scale / 1000.0; /* metres on the ground per mm of paper */
    const COLORREF ink = RGB(0, 0, 0), blue = RGB(0, 60, 190), red = RGB(190, 0, 0);
    int32_t *align = win_member(o, "GchrAlign");
    const int32_t old_align = *align;
    char text[64];

    fit_view(o, &s);
    /* The sheet and its frame. */
    Win_SetPen(o, RGB(255, 253, 240), 0, 1);
    Win_SetSolidBrush(o);
    Win_FillBox(o, s.west, s.south, s.east, s.north);
    Win_SetPen(o, ink, 0, 1);
    Win_LineBox(o, s.west, s.south, s.east, s.north);
    Win_LineBox(o, s.west + 10 * mm, s.south + 10 * mm, s.east - 10 * mm, s.north - 10 * mm);

    /* The legs, then the stations: a ring with a cross, and the name. */
    Win_SetPen(o, blue, 0, 2);
    Win_LineInit(o);
    for (int i = 0; i <= count; ++i)
        Win_LineSv(o, points[i % count].y, points[i % count].x);
    Win_BufPolylineI(o);
    const int big = count <= 60;
    for (int i = 0; i < count; ++i) {
        const TraversePoint *p = &points[i];
        Win_SetPen(o, red, 0, 1);
        Win_Circle(o, p->y, p->x, 1.5 * mm, 1.5 * mm, 0, 360, 0);
        Win_Mark(o, p->y, p->x, 0, 1);
        if (big || i % 10 == 0)
            text_at(o, stations[i].name, p->x + 2.5 * mm, p->y + 2.5 * mm, 14, red,
                    TA_LEFT | TA_BOTTOM);
        if (big) {
            /* The leg's length at its middle. */
            const TraversePoint *q = &points[(i + 1) % count];
            snprintf(text, sizeof text, "%.3f", stations[i].distance);
            text_at(o, text, (p->x + q->x) / 2, (p->y + q->y) / 2, 12, blue,
                    TA_CENTER | TA_BASELINE);
        }
    }

    /* North arrow, title and scale. */
    const double ax = s.north - 40 * mm, ay = s.east - 25 * mm;
    Win_SetPen(o, ink, 0, 1);
    Win_Line(o, ay, ax, ay, ax + 18 * mm);
    Win_Line(o, ay, ax + 18 * mm, ay - 3 * mm, ax + 12 * mm);
    Win_Line(o, ay, ax + 18 * mm, ay + 3 * mm, ax + 12 * mm);
    text_at(o, "N", ax + 19 * mm, ay, 14, ink, TA_CENTER | TA_BOTTOM);
    /* The title block keeps its size on the paper (6 mm) while it can be
       read; its two lines stand apart by their height in pixels. */
    const double per_metre = *(double *)win_member(o, "wzSclX");
    const double pixels = per_metre * mm;
    const int title = pixels * 6 < 12 ? 12 : pixels * 6 > 20 ? 20 : (int)(pixels * 6);
    const int small = title > 16 ? title - 4 : 12;
    const double base = s.south + 12 * mm;
    snprintf(text, sizeof text, "S=1:%d  閉合差 %.3f m", s.scale, app.result.closing_error);
    text_at(o, text, base, s.east - 15 * mm, small, ink, TA_RIGHT | TA_BASELINE);
    text_at(o, "トラバース平面図", base + (small + 4) / (per_metre > 0 ? per_metre : 1),
            s.east - 15 * mm, title, ink, TA_RIGHT | TA_BASELINE);
    *align = old_align;
}

/* Paint hook of the plan child: the window procedure has begun painting. */
int32_t ZEKAPI plan_Paint(ZEK_object *o)
{
    HDC dc = *(HDC *)win_member(o, "hDC");
    RECT area;
    GetClientRect(window_of(o), &area);
    FillRect(dc, &area, (HBRUSH)GetStockObject(LTGRAY_BRUSH));
    if (!app.result.ok || app.count < 3) {
        const char *text = "計算すると平面図を描きます (計算 → 計算実行)";
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, 12, 12, text, (int)strlen(text));
        return 0;
    }
    Win_GmodeSet(o);
    plan_draw(o, app.points, app.stations, app.count);
    Win_GmodeReset(o);
    Win_ScaleOff(o);
    return 0;
}
