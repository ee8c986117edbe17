// Daily run log: names, lines and the month rotation.
#include "exec_log_rules.h"

#include <cstdio>

std::string exec_log_name(int day)
{
    if (day < 1 || day > 31)
        return std::string();
    char name[16];
    std::snprintf(name, sizeof name, "UxSys%02d.LOG", day);
    return name;
}

std::string exec_log_line(int hour, int minute, int second, const char *text)
{
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d  ", hour % 100, minute % 100,
                  second % 100);
    std::string line(stamp);
    if (text)
        line += text;
    line += '\n';
    return line;
}

LogOpen exec_log_open(LogMonth now, bool exists, LogMonth lastWrite)
{
    if (!exists)
        return LogOpen::Append;
    return lastWrite.year == now.year && lastWrite.month == now.month ? LogOpen::Append
                                                                      : LogOpen::Rewrite;
}
