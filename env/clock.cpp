// Readings of the local clock.
#include "zek2/strings.h"

#include <chrono>
#include <ctime>

namespace {

struct LocalNow {
    std::tm tm;
    int millisecond;
};

// One reading of the clock, split into local calendar fields and the
// millisecond within the second.
LocalNow readLocalNow()
{
    using namespace std::chrono;
    const long long ms =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    long long seconds = ms / 1000;
    int millisecond = static_cast<int>(ms % 1000);
    if (millisecond < 0) {  // a clock set before 1970
        millisecond += 1000;
        --seconds;
    }
    const std::time_t t = static_cast<std::time_t>(seconds);
    LocalNow now{};
#ifdef _WIN32
    localtime_s(&now.tm, &t);
#else
    localtime_r(&t, &now.tm);
#endif
    now.millisecond = millisecond;
    return now;
}

}  // namespace

extern "C" {

char *ZEKAPI GetTimeB(int *hour, int *minute, int *second)
{
    const std::tm tm = readLocalNow().tm;
    if (hour != nullptr)
        *hour = tm.tm_hour;
    if (minute != nullptr)
        *minute = tm.tm_min;
    if (second != nullptr)
        *second = tm.tm_sec;
    return form("%2d:%2d:%2d", tm.tm_hour, tm.tm_min, tm.tm_sec);
}

char *ZEKAPI GetDateB(int *year, int *month, int *day)
{
    const std::tm tm = readLocalNow().tm;
    const int y = tm.tm_year + 1900;
    const int m = tm.tm_mon + 1;
    if (year != nullptr)
        *year = y;
    if (month != nullptr)
        *month = m;
    if (day != nullptr)
        *day = tm.tm_mday;
    return form("%4d/%2d/%2d", y, m, tm.tm_mday);
}

int ZEKAPI GetTimeMsecEx(void)
{
    const LocalNow now = readLocalNow();
    // A leap second (tm_sec 60) is folded into the last second of the hour.
    const int second = now.tm.tm_sec < 60 ? now.tm.tm_sec : 59;
    return now.millisecond + (second + now.tm.tm_min * 60) * 1000;
}

int ZEKAPI GetTimeSecEx(void)
{
    const std::tm tm = readLocalNow().tm;
    const int second = tm.tm_sec < 60 ? tm.tm_sec : 59;
    return second + (tm.tm_min + tm.tm_hour * 60) * 60;
}

}  // extern "C"
