/* The traverse computation, with the library's angle and DMS functions; no
   system headers, so it also runs natively. */
#include <math.h>
#include <stdio.h>

#include "compute.h"
#include "zek2/survey.h"

/* A packed D.MMSS value whose minutes and seconds are below 60. */
static int valid_dms(double packed)
{
    if (!(packed >= 0.0 && packed < 360.0))
        return 0;
    const double minutes_seconds = (packed - floor(packed)) * 100.0;
    const double seconds = (minutes_seconds - floor(minutes_seconds + 1e-9)) * 100.0;
    return floor(minutes_seconds + 1e-9) < 60.0 && seconds < 60.0 - 1e-6;
}

void traverse_compute(const Station *stations, int count, const TraverseStart *start,
                      TraversePoint *points, TraverseResult *result)
{
    TraverseResult r = {0};
    r.count = count;
    *result = r;
    if (count < 3 || count > TRAVERSE_MAX_STATIONS || !valid_dms(start->azimuth))
        return;
    MathMode(2);
    for (int i = 0; i < count; ++i) {
        if (!(stations[i].distance > 0.0) || !valid_dms(stations[i].angle))
            return;
        r.angle_sum += cdeg(stations[i].angle);
        r.perimeter += stations[i].distance;
    }
    /* Angles measured inside the loop sum to (n - 2) 180, outside to (n + 2) 180. */
    const double inside = (count - 2) * 180.0, outside = (count + 2) * 180.0;
    const double theory = fabs(r.angle_sum - inside) <= fabs(r.angle_sum - outside) ? inside : outside;
    r.angle_misclosure = (r.angle_sum - theory) * 3600.0;
    const double correction = -(r.angle_sum - theory) / count;

    /* Azimuths from the fixed first leg; the angle at the first station
       closes the loop and is checked by the sum alone. */
    double azimuth = cdeg(start->azimuth);
    double dx[TRAVERSE_MAX_STATIONS], dy[TRAVERSE_MAX_STATIONS], az[TRAVERSE_MAX_STATIONS];
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            azimuth = fmod(azimuth + 180.0 + cdeg(stations[i].angle) + correction, 360.0);
        az[i] = ang_ch(azimuth);
        dx[i] = stations[i].distance * cos_o(az[i]);
        dy[i] = stations[i].distance * sin_o(az[i]);
        r.error_x += dx[i];
        r.error_y += dy[i];
    }
    r.closing_error = sqrt_o(r.error_x * r.error_x + r.error_y * r.error_y);
    r.precision = r.closing_error > 0.0 ? r.perimeter / r.closing_error : 0.0;

    double x = start->x, y = start->y;
    for (int i = 0; i < count; ++i) {
        points[i].x = x;
        points[i].y = y;
        points[i].azimuth = az[i];
        const double share = stations[i].distance / r.perimeter;
        x += dx[i] - r.error_x * share;
        y += dy[i] - r.error_y * share;
    }
    r.ok = 1;
    *result = r;
}

void traverse_precision_text(const TraverseResult *result, char *out, int size)
{
    if (!result->ok || result->precision <= 0.0)
        snprintf(out, size, "-");
    else
        snprintf(out, size, "1/%.0f", floor(result->precision));
}
