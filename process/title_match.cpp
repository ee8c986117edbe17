// Comparing window names with a searched text.
#include "title_match.h"

#include <cstring>

namespace {

bool begins_with(const char *name, size_t nameLen, const char *text, size_t textLen)
{
    return nameLen >= textLen && std::memcmp(name, text, textLen) == 0;
}

// The lengths are compared before they are subtracted, so a text longer than
// the title is no match rather than a huge difference.
bool ends_two_longer(const char *name, size_t nameLen, const char *text, size_t textLen)
{
    return nameLen > textLen && nameLen - textLen >= 2 &&
           std::memcmp(name + (nameLen - textLen), text, textLen) == 0;
}

}  // namespace

bool title_match_reads_class(int32_t mode)
{
    return mode == kClassEquals;
}

int32_t title_match_count(const char *name, const char *text, int32_t mode)
{
    if (!name || !text)
        return 0;
    const size_t nameLen = std::strlen(name), textLen = std::strlen(text);
    switch (mode) {
    case kTitleEquals:
    case kClassEquals:
        return nameLen == textLen && std::memcmp(name, text, textLen) == 0;
    case kTitleEndsWith:
        return ends_two_longer(name, nameLen, text, textLen);
    case kTitleBeginsWith:
        return begins_with(name, nameLen, text, textLen);
    case kTitleBeginsOrEnds:
        return int32_t(begins_with(name, nameLen, text, textLen)) +
               int32_t(ends_two_longer(name, nameLen, text, textLen));
    default:
        return 0;
    }
}

WindowSearch window_search_start(const char *text, int32_t mode, bool counting)
{
    return WindowSearch{text, mode, counting, 0, 0};
}

bool window_search_take(WindowSearch &search, const char *name, uintptr_t window)
{
    const int32_t matches = title_match_count(name, search.text, search.mode);
    if (matches == 0)
        return true;
    search.found = window;
    if (!search.counting)
        return false;
    if (search.mode == kClassEquals) {
        search.count += 1;
        return false;
    }
    search.count += matches;
    return true;
}

NthNameSearch nth_name_start(const char *text, int32_t n)
{
    return NthNameSearch{text, n, 0, 0};
}

bool nth_name_take(NthNameSearch &search, const char *name, uintptr_t window)
{
    if (search.n < 1 || !title_match_count(name, search.text, kTitleEquals))
        return search.n >= 1;
    if (++search.count < search.n)
        return true;
    search.found = window;
    return false;
}
