/* The traverse computation: a closed loop of stations, its angular
   misclosure spread evenly over the angles and its linear misclosure over
   the legs in proportion to their lengths (Compass / Bowditch rule). */
#ifndef TRAVERSE_COMPUTE_H
#define TRAVERSE_COMPUTE_H

#include <stdint.h>

#define TRAVERSE_MAX_STATIONS 2000
#define STATION_NAME_SIZE 16

/* One record of the station file (32 bytes): the angle at the station,
   clockwise from the back-sight (the previous station) to the fore-sight
   (the next one), as a packed D.MMSS value; the distance to the next
   station in metres. */
typedef struct Station {
    char name[STATION_NAME_SIZE];
    double angle;
    double distance;
} Station;

/* Where the loop starts: the first station's coordinates, the azimuth of its
   first leg (packed D.MMSS) and the plane rectangular zone (1..19). */
typedef struct TraverseStart {
    double x, y;
    double azimuth;
    int32_t zone;
} TraverseStart;

typedef struct TraversePoint {
    double x, y;       /* adjusted coordinates */
    double azimuth;    /* adjusted azimuth of the leg leaving the station, degrees */
} TraversePoint;

typedef struct TraverseResult {
    int ok;
    int count;
    double angle_sum;          /* measured, degrees */
    double angle_misclosure;   /* measured sum minus its theoretical value, seconds */
    double error_x, error_y;   /* linear misclosure before adjustment, metres */
    double closing_error;      /* its length */
    double perimeter;
    double precision;          /* perimeter / closing error (the N of 1/N); 0 when exact */
} TraverseResult;

/* Computes points[0 .. count-1]; result->ok is 0 (and the points untouched)
   for fewer than three stations, a non-positive distance or an angle that is
   no valid D.MMSS value. */
void traverse_compute(const Station *stations, int count, const TraverseStart *start,
                      TraversePoint *points, TraverseResult *result);

/* "1/5304"-style text of the precision, or "-" when there is none. */
void traverse_precision_text(const TraverseResult *result, char *out, int size);

#endif
