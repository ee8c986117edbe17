// How much of a Shift-JIS text fits a field without cutting a character.
#ifndef ZEK_ENV_SJIS_FIT_H
#define ZEK_ENV_SJIS_FIT_H

#include <cstddef>

#include "zek2/strings.h"

// Bytes of the whole characters of text (read up to its NUL or sourceLimit
// bytes) that fit in room bytes; null text fits 0.
inline size_t sjis_fit(const char *text, size_t sourceLimit, size_t room)
{
    size_t n = 0;
    if (!text)
        return 0;
    while (n < sourceLimit && text[n]) {
        const size_t step =
            IsKanji(static_cast<unsigned char>(text[n])) && n + 1 < sourceLimit && text[n + 1]
                ? 2
                : 1;
        if (n + step > room)
            break;
        n += step;
    }
    return n;
}

#endif
