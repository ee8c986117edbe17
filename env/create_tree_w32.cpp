// CreateTreeDirectory: creates each level named by zek_tree_levels.
#include "zek2/files.h"

#include <string>

#include "zek2/strings.h"
#include "tree_levels.h"

extern "C" int ZEKAPI CreateTreeDirectory(char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    // One trailing backslash goes, unless it is a trail byte.
    char *last = strrchrJ(path, '\\');
    if (last != nullptr && last[1] == '\0' && last != path)
        *last = '\0';
    const std::string full = path;
    for (size_t end : zek_tree_levels(full.c_str())) {
        // Levels that exist already fail here; only the end result counts.
        CreateDirectoryA(full.substr(0, end).c_str(), nullptr);
    }
    const DWORD attributes = GetFileAttributesA(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}
