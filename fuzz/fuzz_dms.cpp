// Degree-minute-second conversions and text on arbitrary doubles: the text must stay
// within its buffer, parse back to the rounded angle, and nothing may hang.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "zek2/survey.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < sizeof(double) + 2) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    const int decimals = static_cast<int8_t>(data[sizeof v]) % 10;
    const int hyphen = data[sizeof v + 1] & 1;

    // A guard byte after the documented buffer size catches overruns even where
    // the buffer is not a separate allocation.
    char out[ZEK_DMS_TEXT_SIZE + 1];
    out[ZEK_DMS_TEXT_SIZE] = '\x5a';
    if (ChgDegToDms(v, decimals, out, hyphen)) {
        if (out[ZEK_DMS_TEXT_SIZE] != '\x5a' || std::strlen(out) >= ZEK_DMS_TEXT_SIZE) std::abort();
        // Read the fields back: the angle must agree to half a unit of the seconds
        // plus rud's guard (about 4e-14 of the value).
        const char *p = out;
        const bool neg = *p == '-';
        if (neg) ++p;
        char *end;
        const double d = std::strtod(p, &end);
        const double m = std::strtod(end + 1, &end);
        const double s = std::strtod(end + 1, &end);
        if (m < 0 || m >= 60 || s < 0 || s >= 60) std::abort();
        const double back = (neg ? -1 : 1) * (d + m / 60 + s / 3600);
        int n = decimals < 0 ? 0 : decimals > 6 ? 6 : decimals;
        const double unit = std::pow(10.0, -n) / 3600.0;
        if (std::fabs(back - v) > unit * 0.5 + std::fabs(v) * 1e-13) std::abort();
    } else if (out[0] != '\0') {
        std::abort();
    }
    ChgDmsToDms(v, decimals, out, hyphen);
    if (out[ZEK_DMS_TEXT_SIZE] != '\x5a') std::abort();

    const double r = cdms(cdeg(v));
    if (std::isfinite(v) && std::fabs(v) < 1e6) {
        // Back to the same packed value for well-formed packed angles.
        const double mmss = std::fabs(v) * 100.0 - std::floor(std::fabs(v)) * 100.0;
        if (mmss < 59.5 && std::fmod(mmss * 100.0, 100.0) < 59.5 &&
            std::fabs(r - v) > 1e-9 * (1 + std::fabs(v)))
            std::abort();
    }
    volatile double sink = ang_ch(v) + rud(v, data[sizeof v] % 10, decimals + 7);
    (void)sink;
    return 0;
}
