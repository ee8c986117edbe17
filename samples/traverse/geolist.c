/* The geodetic child: the computed stations as latitude and longitude on
   GRS80 for the chosen plane rectangular zone, in the child's text cells. */
#include <stdio.h>

#include "traverse.h"

static const char *const kZones[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX",
                                     "X", "XI", "XII", "XIII", "XIV", "XV", "XVI", "XVII",
                                     "XVIII", "XIX"};

int32_t ZEKAPI geolist_Paint(ZEK_object *o)
{
    const int zone = app.start.zone >= 1 && app.start.zone <= 19 ? app.start.zone : 9;
    Win_ClsA(o);
    cell_printf(o, 1, 0, "緯度・経度 (平面直角座標系 %s 系, GRS80)", kZones[zone]);
    cell_printf(o, 1, 2, "%-8s %16s %16s", "測点名", "緯度", "経度");
    if (!app.result.ok) {
        cell_printf(o, 1, 4, "計算していません");
        return 0;
    }
    const int rows = *(int32_t *)win_member(o, "WinWdCy") - 3;
    for (int i = 0; i < app.count && i < rows; ++i) {
        double b = 0, l = 0;
        char tb[ZEK_DMS_TEXT_SIZE] = "-", tl[ZEK_DMS_TEXT_SIZE] = "-";
        if (WGS84_XY_BL(1, zone, app.points[i].x, app.points[i].y, &b, &l, NULL)) {
            ChgDegToDms(b, 3, tb, 0);
            ChgDegToDms(l, 3, tl, 0);
        }
        cell_printf(o, 1, 3 + i, "%-8.8s %16s %16s", app.stations[i].name, tb, tl);
    }
    return 0;
}
