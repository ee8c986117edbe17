// Command texts of any bytes: the split stays within 127 bytes, the parts
// rebuild the text's start, and no two-byte character is cut.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../process/command_text.h"
#include "zek2/strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);  // NUL ends it early
    const CommandText c = split_command_text(text.c_str());
    const char *t = text.c_str();
    if (!c.names) {
        if (t[0] != '\0' && t[0] != ' ')
            std::abort();
        return 0;
    }
    const std::string rebuilt = c.inModule ? std::string(c.module) + "\\" + c.procedure
                                           : std::string(c.procedure);
    if (rebuilt.size() > kCommandTextBytes || std::strncmp(rebuilt.c_str(), t, rebuilt.size()) != 0)
        std::abort();
    // The kept bytes end on a character boundary.
    size_t i = 0;
    while (i < rebuilt.size())
        i += IsKanji(static_cast<unsigned char>(t[i])) && t[i + 1] ? 2 : 1;
    if (i != rebuilt.size())
        std::abort();
    // The module name holds no backslash of its own.
    for (size_t k = 0; c.module[k]; ++k) {
        if (c.module[k] == '\\')
            std::abort();
        if (IsKanji(static_cast<unsigned char>(c.module[k])) && c.module[k + 1])
            ++k;
    }
    return 0;
}
