// Splitting a command text into module file name and procedure name.
#include "command_text.h"

#include <cstdint>
#include <cstring>

#include "../env/sjis_fit.h"

CommandText split_command_text(const char *text)
{
    CommandText c;
    if (!text || text[0] == '\0' || text[0] == ' ')
        return c;
    char copy[kCommandTextBytes + 1] = {};
    const size_t n = sjis_fit(text, SIZE_MAX, kCommandTextBytes);
    std::memcpy(copy, text, n);
    c.names = true;
    size_t cut = 0;
    while (cut < n && copy[cut] != '\\')
        cut += IsKanji(static_cast<unsigned char>(copy[cut])) && cut + 1 < n ? 2 : 1;
    if (cut >= n) {
        std::memcpy(c.procedure, copy, n + 1);
        return c;
    }
    c.inModule = true;
    std::memcpy(c.module, copy, cut);
    std::memcpy(c.procedure, copy + cut + 1, n - cut);  // with the NUL
    return c;
}
