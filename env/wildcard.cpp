// Splitting of a search pattern with '*' (prefix / suffix) and '/' (range
// or count) into its parts.
#include "zek2/strings.h"

#include <cstring>

namespace {

// Copies text[first..last] into a part, cut to ZEK_WILD_PART_MAX bytes and
// never ending with half a two-byte character.
void copyPart(char *part, const char *text, int first, int last)
{
    if (part == nullptr)
        return;
    int n = last - first + 1;
    if (n <= 0) {
        part[0] = '\0';
        return;
    }
    if (n > ZEK_WILD_PART_MAX)
        n = ZEK_WILD_PART_MAX;
    int i = 0;
    while (i < n) {
        const int step = (IsKanji(text[first + i]) && text[first + i + 1] != '\0') ? 2 : 1;
        if (i + step > n)
            break;
        i += step;
    }
    std::memmove(part, text + first, static_cast<size_t>(i));
    part[i] = '\0';
}

}  // namespace

extern "C" int ZEKAPI GetWildCardName(char *pattern, char *first, char *second)
{
    if (first != nullptr)
        first[0] = '\0';
    if (second != nullptr)
        second[0] = '\0';
    if (pattern == nullptr || pattern[0] == '\0')
        return ZEK_WILD_EMPTY;

    const int last = static_cast<int>(std::strlen(pattern)) - 1;
    const int star = serch_c(pattern, 0, '*');
    const int slash = serch_c(pattern, star >= 0 ? star : 0, '/');

    if (star >= 0) {
        if (slash > star) {
            if (star == 0)
                copyPart(first, pattern, 1, slash - 1);
            else
                copyPart(first, pattern, 0, star - 1);
            if (slash == last)
                copyPart(second, "50", 0, 1);
            else
                copyPart(second, pattern, slash + 1, last);
            return ZEK_WILD_COUNT;
        }
        if (last == 0)
            return ZEK_WILD_ALL;
        if (star == 0) {
            copyPart(first, pattern, 1, last);
            return ZEK_WILD_SUFFIX;
        }
        copyPart(first, pattern, 0, star - 1);
        return ZEK_WILD_PREFIX;
    }
    if (slash >= 1 && slash < last) {
        copyPart(first, pattern, 0, slash - 1);
        copyPart(second, pattern, slash + 1, last);
        return ZEK_WILD_RANGE;
    }
    if (pattern[0] == '^' && last >= 1) {
        copyPart(first, pattern, 1, last);
        return ZEK_WILD_CARET;
    }
    copyPart(pattern, pattern, 0, last);
    return ZEK_WILD_PLAIN;
}
