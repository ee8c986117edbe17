// The ring of message lines that every process writes and any can show.
#ifndef ZEK_ENV_SHARED_LOG_H
#define ZEK_ENV_SHARED_LOG_H

#include <cstdint>

enum { kLogLines = 100, kLogLineBytes = 512 };

struct SharedLog {
    char lines[kLogLines][kLogLineBytes];
    int32_t index;         // slot of the next completed line
    int32_t neverWrapped;  // 1 until the index first wraps from 99 to 0
};

// Stores text: every piece ending in a line feed completes a line, the rest
// stays in the current slot until overwritten.
void shared_log_write(SharedLog *log, const char *text);

// Slot shown on the first of rows rows; rows beyond the ring show nothing.
int shared_log_first_shown(const SharedLog *log, int rows);

// The current index as stored, brought into the ring if another process left
// it out of range.
int shared_log_index(const SharedLog *log);

#endif
