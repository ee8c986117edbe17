// The Shift-JIS scanners and the pattern splitter on arbitrary bytes. Strings are
// exact-size heap copies so that reading past their end reaches a redzone.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "zek2/strings.h"

namespace {

std::vector<char> cString(const uint8_t *p, size_t n) {
    std::vector<char> s(p, p + strnlen(reinterpret_cast<const char *>(p), n));
    s.push_back('\0');
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const int which = data[0] % 6;
    const int c = static_cast<int8_t>(data[1]);
    data += 2, size -= 2;
    switch (which) {
    case 0: {
        std::vector<char> s = cString(data, size);
        const int len = static_cast<int>(s.size()) - 1;
        for (int start = 0; start <= len; ++start) {
            const int at = serch_c(s.data(), start, c);
            if (at != -1 && (at < start || at >= len || s[at] != static_cast<char>(c)))
                std::abort();
        }
        break;
    }
    case 1: {
        std::vector<char> s = cString(data, size);
        const char *r = strrchrJ(s.data(), c);
        if (r && (r < s.data() || r >= s.data() + s.size() - 1 || *r != static_cast<char>(c)))
            std::abort();
        r = strrchrS(s.data());
        if (r && (r < s.data() || r >= s.data() + s.size() - 1 || (*r != '\\' && *r != '/')))
            std::abort();
        break;
    }
    case 2: {
        std::vector<char> s = cString(data, size);
        std::vector<unsigned short> wide(s.size());
        const int n = SetByteToWordStr(s.data(), wide.data());
        if (n < 0 || static_cast<size_t>(n) >= wide.size() || wide[n] != 0) std::abort();
        break;
    }
    case 3: {
        const size_t half = strnlen(reinterpret_cast<const char *>(data), size);
        std::vector<char> a = cString(data, half);
        std::vector<char> b = half < size ? cString(data + half + 1, size - half - 1)
                                          : std::vector<char>(1, '\0');
        const int ab = st_cmp(a.data(), b.data()), ba = st_cmp(b.data(), a.data());
        if (ab < -1 || ab > 1 || ab != -ba) std::abort();
        if (st_cmp(a.data(), a.data()) != 0) std::abort();
        break;
    }
    default: {
        std::vector<char> s = cString(data, size);
        std::vector<char> first(ZEK_WILD_PART_MAX + 1), second(ZEK_WILD_PART_MAX + 1);
        const int kind = GetWildCardName(s.data(), first.data(), second.data());
        if (kind < ZEK_WILD_EMPTY || kind > ZEK_WILD_CARET) std::abort();
        if (strnlen(first.data(), first.size()) > ZEK_WILD_PART_MAX ||
            strnlen(second.data(), second.size()) > ZEK_WILD_PART_MAX)
            std::abort();
        break;
    }
    }
    return 0;
}
