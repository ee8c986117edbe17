// Splits a directory path into the levels to create, one Shift-JIS character
// at a time so that a trail byte 0x5C inside a name is not a separator.
#include "tree_levels.h"

#include <cstring>

#include "zek2/strings.h"

namespace {

inline bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

inline size_t charLength(const char *text, size_t i)
{
    return (IsKanji(text[i]) && text[i + 1] != '\0') ? 2 : 1;
}

// Index just after the separator ending the next name from `from`, or the
// length when the name runs to the end.
size_t skipName(const char *path, size_t from, size_t length)
{
    size_t i = from;
    while (i < length && !isSeparator(path[i]))
        i += charLength(path, i);
    return i < length ? i + 1 : length;
}

}  // namespace

std::vector<size_t> zek_tree_levels(const char *path)
{
    std::vector<size_t> levels;
    if (path == nullptr || path[0] == '\0')
        return levels;
    const size_t length = std::strlen(path);
    size_t start = 0;
    if (isSeparator(path[0]) && length > 1 && isSeparator(path[1])) {
        // \\server\share\ (or \\?\C:\): neither part can be created.
        start = skipName(path, 2, length);
        start = skipName(path, start, length);
    } else if (isSeparator(path[0])) {
        start = 1;  // rooted on the current drive
    } else if (length >= 2 && path[1] == ':' && !IsKanji(path[0])) {
        start = (length > 2 && isSeparator(path[2])) ? 3 : 2;
    }
    bool inName = false;  // a name has begun since the last separator
    for (size_t i = start; i < length; i += charLength(path, i)) {
        if (!isSeparator(path[i])) {
            inName = true;
        } else if (inName) {
            levels.push_back(i);
            inName = false;
        }
    }
    if (inName)
        levels.push_back(length);
    return levels;
}
