// Command-line splitting and option comparison; no Win32 needed.
#include "zek2/args.h"

#include <cstring>

namespace {

bool is_lead_byte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

int fold(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 'a';
    if (c == '\\')
        return '/';
    return c;
}

}  // namespace

extern "C" int ZEKAPI setArgv(const char *line, int *argc, char **argv, char *buf)
{
    if (!line || !argc || !argv || !buf)
        return 0;
    size_t len = std::strlen(line);
    std::memcpy(buf, line, len + 1);
    if (len == 0) {
        *argc = 1;
        return 1;
    }
    int count = 2;
    argv[1] = buf;
    bool quoted = false;
    size_t i = 0;
    while (i < len) {
        unsigned char c = static_cast<unsigned char>(buf[i]);
        if (is_lead_byte(c)) {
            // The trail byte may be 0x5C or 0x20; it never acts as escape or separator.
            i += (i + 1 < len) ? 2 : 1;
        } else if (c == '"') {
            quoted = !quoted;
            ++i;
        } else if (c == '\\') {
            i += (i + 1 < len) ? 2 : 1;
        } else if (c == ' ' && !quoted) {
            while (i < len && buf[i] == ' ')
                buf[i++] = '\0';
            if (i < len)
                argv[count++] = buf + i;
        } else {
            ++i;
        }
    }
    *argc = count;
    return count;
}

extern "C" int ZEKAPI argcmp(const char *arg, const char *option)
{
    if (!arg || !option)
        return 1;
    for (size_t i = 0; arg[i]; ++i) {
        if (!option[i])
            return 1;
        if (fold(static_cast<unsigned char>(arg[i])) != fold(static_cast<unsigned char>(option[i])))
            return 1;
    }
    return 0;
}
