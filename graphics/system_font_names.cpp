// The four system font names, kept in the block shared by every process.
#include <cstring>

#include "zek2/fonts.h"

#include "../runtime/shared_block.h"

extern "C" int32_t ZEKAPI SetSystemFontName(int32_t n, const char *name)
{
    // Every process reads these slots: never write past one or outside them.
    if (n < 0 || n >= kSystemFonts || !name)
        return 0;
    const size_t length = std::strlen(name);
    if (length + 1 > size_t(kFontNameBytes))
        return 0;
    std::memcpy(zek_shared_tail()->fontNames[n], name, length + 1);
    return int32_t(length + 1);
}

extern "C" int32_t ZEKAPI GetSystemFontName(int32_t n, char *buffer)
{
    if (n < 0 || n >= kSystemFonts || !buffer)
        return 0;
    // Another process writes without a lock; stay inside the slot regardless.
    const char *slot = zek_shared_tail()->fontNames[n];
    size_t length = strnlen(slot, kFontNameBytes - 1);
    std::memcpy(buffer, slot, length);
    buffer[length] = '\0';
    return int32_t(length + 1);
}
