// Line bookkeeping of the shared message log; the block itself lives in the
// library's shared section.
#include "shared_log.h"

#include <cstring>

#include "sjis_fit.h"

namespace {

void store_line(char *slot, const char *text, size_t length)
{
    // A long line loses whole characters: a lone lead byte at the end would
    // take the next byte printed after it as its trail.
    length = sjis_fit(text, length, kLogLineBytes - 1);
    std::memcpy(slot, text, length);
    slot[length] = '\0';
}

}  // namespace

int shared_log_index(const SharedLog *log)
{
    // Other processes write without a lock: read once, keep it in range.
    int32_t index = log->index;
    return (index >= 0 && index < kLogLines) ? index : 0;
}

void shared_log_write(SharedLog *log, const char *text)
{
    int index = shared_log_index(log);
    const char *piece = text;
    for (const char *lf; (lf = std::strchr(piece, '\n')) != nullptr; piece = lf + 1) {
        store_line(log->lines[index], piece, size_t(lf - piece));
        // The stored index never leaves 0..99, not even for a moment.
        if (index + 1 == kLogLines) {
            index = 0;
            log->neverWrapped = 0;
        } else {
            ++index;
        }
        log->index = index;
    }
    if (*piece)
        store_line(log->lines[index], piece, std::strlen(piece));
}

int shared_log_first_shown(const SharedLog *log, int rows)
{
    int index = shared_log_index(log);
    if (rows > kLogLines)
        rows = kLogLines;
    if (rows < 0)
        rows = 0;
    int first = (index - rows + kLogLines) % kLogLines;
    if (log->neverWrapped && first > index)
        first = 0;
    return first;
}
