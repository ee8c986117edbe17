// Command texts of any bytes: the parts rebuild at most the text's first 127
// bytes, end on a character boundary, and the module name has no backslash.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../process/command_text.h"
#include "zek2/strings.h"

static size_t next_char(const char *s, size_t i)
{
    return i + (IsKanji(static_cast<unsigned char>(s[i])) && s[i + 1] ? 2 : 1);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);  // a NUL ends it early
    const char *t = text.c_str();
    const CommandText c = split_command_text(t);
    if (!c.names)
        return (t[0] && t[0] != ' ') ? (std::abort(), 0) : 0;
    const std::string rebuilt = c.inModule ? std::string(c.module) + "\\" + c.procedure : c.procedure;
    size_t i = 0;
    while (i < rebuilt.size())
        i = next_char(t, i);
    if (rebuilt.size() > kCommandTextBytes || rebuilt.compare(0, rebuilt.size(), t, rebuilt.size()) ||
        i != rebuilt.size())
        std::abort();
    for (size_t k = 0; c.module[k]; k = next_char(c.module, k))
        if (c.module[k] == '\\')
            std::abort();
    return 0;
}
