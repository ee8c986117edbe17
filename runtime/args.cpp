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
    // Bytes of the character at j: a lead byte takes its trail byte along,
    // whatever that is (0x5C and 0x20 among others).
    auto char_bytes = [&](size_t j) -> size_t { return is_lead_byte(buf[j]) && j + 1 < len ? 2 : 1; };
    while (i < len) {
        unsigned char c = static_cast<unsigned char>(buf[i]);
        if (c == '"') {
            quoted = !quoted;
            ++i;
        } else if (c == '\\') {
            // Escapes the whole next character, so the trail byte 0x5C of
            // 表 after a backslash cannot escape what follows it.
            i += 1 + (i + 1 < len ? char_bytes(i + 1) : 0);
        } else if (c == ' ' && !quoted) {
            while (i < len && buf[i] == ' ')
                buf[i++] = '\0';
            if (i < len)
                argv[count++] = buf + i;
        } else {
            i += char_bytes(i);
        }
    }
    *argc = count;
    return count;
}

extern "C" int ZEKAPI argcmp(const char *arg, const char *option)
{
    if (!arg || !option)
        return 1;
    for (size_t i = 0; arg[i];) {
        const unsigned char c = static_cast<unsigned char>(arg[i]);
        if (is_lead_byte(c) && arg[i + 1]) {
            // A two-byte character matches only itself: its trail byte may
            // look like a letter or a backslash but is neither.
            if (option[i] != arg[i] || option[i + 1] != arg[i + 1])
                return 1;
            i += 2;
            continue;
        }
        if (!option[i] || fold(c) != fold(static_cast<unsigned char>(option[i])))
            return 1;
        ++i;
    }
    return 0;
}
