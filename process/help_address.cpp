// Help addresses, bounded by the caller's buffer.
#include "help_address.h"

#include <cstdio>

const char kHelpFileName[] = "Halvex.chm";

bool help_address(const char *file, const char *topic, char *out, size_t size)
{
    if (!out || size == 0)
        return false;
    out[0] = '\0';
    if (!file)
        return false;
    const int whole = std::snprintf(out, size, "%s", file);
    if (whole < 0 || size_t(whole) >= size) {
        out[0] = '\0';
        return false;
    }
    if (!topic || topic[0] == '\0')
        return true;
    char *tail = out + whole;
    const size_t room = size - size_t(whole);
    const int n = std::snprintf(tail, room, "::/%s", topic);
    if (n < 0 || size_t(n) >= room) {
        *tail = '\0';  // the file alone: the help opens at its start
        return false;
    }
    return true;
}
