// Packed degree-minute-second values (D.MMSSsss) and their text.
#include "zek2/survey.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

double ZEKAPI cdeg(double p) {
    const double a = std::fabs(p);
    const double ddmm = rud(a * 100.0, 0, 0);
    const double d = rud(a, 0, 0);
    // a * 10000 is DDDMMSS.s; taking away 6400 D + 40 MM leaves 3600 D + 60 MM + SS.
    const double deg = (a * 10000.0 - (d * 60.0 + ddmm) * 40.0) * 0.0002777777777777778;
    return p < 0.0 ? -deg : deg;
}

double ZEKAPI cdms(double x) {
    const double a = std::fabs(x);
    const double m = rud(a * 60.0, 0, 0);
    const double d = rud(m / 60.0, 0, 0);
    const double s = a * 3600.0 - 60.0 * m;
    const double r = d + (m - 60.0 * d) * 0.01 + s * 0.0001;
    return x < 0.0 ? -r : r;
}

int ZEKAPI ChgDegToDms(double deg, int n, char *out, int hyphen) {
    static const double kUnit[7] = {1, 0.1, 0.01, 0.001, 0.0001, 0.00001, 0.000001};
    static const int64_t kScale[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (!out) return 0;
    out[0] = '\0';
    if (n < 0) n = 0;
    if (n > 6) n = 6;
    const double a = std::fabs(deg);
    const double units = a * 3600.0 / kUnit[n];
    // From 10^13 units on, rud's guard is as large as 0.4 of a unit, so the seconds
    // would not round; refusing also bounds the text to ZEK_DMS_TEXT_SIZE.
    if (!(units < 1e13)) return 0;
    // Seconds rounded half up to the unit; 59.9999" at 0 decimals carries into the
    // minutes. The split runs in whole units so that the seconds never print as -0.
    const int64_t k = static_cast<int64_t>(rud(units, 5, 0));
    const int64_t perMinute = 60 * kScale[n];
    const int64_t minutes = k / perMinute;
    const int64_t secUnits = k - minutes * perMinute;
    const int64_t d = minutes / 60;
    const int64_t m = minutes - 60 * d;

    const bool negative = deg < 0.0 && k > 0;  // no "-0 00 00" for a vanishing value
    const int w = n > 0 ? n + 3 : 2;
    char fmt[40];
    if (hyphen)
        std::snprintf(fmt, sizeof fmt, "%s%%.0f-%%02.0f-%%0%d.%df", negative ? "-" : "", w, n);
    else
        std::snprintf(fmt, sizeof fmt, "%s%%.0f %%2.0f %%%d.%df", negative ? "-" : "", w, n);
    std::snprintf(out, ZEK_DMS_TEXT_SIZE, fmt, static_cast<double>(d), static_cast<double>(m),
                  static_cast<double>(secUnits) / static_cast<double>(kScale[n]));
    return 1;
}

int ZEKAPI ChgDmsToDms(double packed, int n, char *out, int hyphen) {
    return ChgDegToDms(cdeg(packed), n, out, hyphen);
}
