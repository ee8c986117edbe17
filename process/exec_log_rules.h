// The daily run log: file name, line format and when a file is replaced.
#ifndef ZEK_PROCESS_EXEC_LOG_RULES_H
#define ZEK_PROCESS_EXEC_LOG_RULES_H

#include <string>

// "UxSys%02d.LOG" for a day of the month; empty for a day outside 1-31.
std::string exec_log_name(int day);

// "hh:mm:ss  text\n" (two spaces before the text).
std::string exec_log_line(int hour, int minute, int second, const char *text);

struct LogMonth {
    int year;
    int month;
};

// A day's file holds the lines of that day number of one month: it is
// appended to when it was last written in the current month, else replaced.
// Both months are local time, so the first hours of the 1st (still the last
// month in UTC east of Greenwich) append to that day's file.
enum class LogOpen { Append, Rewrite };
LogOpen exec_log_open(LogMonth now, bool exists, LogMonth lastWrite);

#endif
