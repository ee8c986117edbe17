// form: printf-style formatting whose results live in a per-process ring, so
// callers can use the text without owning a buffer.
#include "zek2/strings.h"

#include "sjis_fit.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kRingBytes = 4000;
constexpr int kResultBytes = 512;  // longest result 511 characters plus NUL

char gRing[kRingBytes];
std::atomic<int> gWritePos{0};

// Reserves `length` bytes of the ring. Each caller gets its own span, so
// threads formatting at once do not share bytes (until the ring wraps).
int reserve(int length)
{
    int pos = gWritePos.load(std::memory_order_relaxed);
    int start;
    do {
        start = (pos + length < kRingBytes) ? pos : 0;
    } while (!gWritePos.compare_exchange_weak(pos, start + length, std::memory_order_relaxed));
    return start;
}

}  // namespace

extern "C" char *ZEKAPI form(const char *format, ...)
{
    // One byte more than a result holds, to see whether the last byte that
    // fits is the lead byte of a character cut in two.
    char text[kResultBytes + 1];
    text[0] = '\0';
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        // Some C run-times report a cut result as an error and leave it
        // unterminated, so the result value is not trusted.
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        text[kResultBytes] = '\0';
        // Longer results are cut before the character that does not fit whole:
        // a lone lead byte would swallow the caller's next byte.
        text[sjis_fit(text, kResultBytes, kResultBytes - 1)] = '\0';
    }
    const int length = static_cast<int>(std::strlen(text)) + 1;
    char *result = gRing + reserve(length);
    std::memcpy(result, text, static_cast<size_t>(length));
    return result;
}
