// Which directories CreateTreeDirectory creates, as prefixes of the path.
#ifndef ZEK_ENV_TREE_LEVELS_H
#define ZEK_ENV_TREE_LEVELS_H

#include <cstddef>
#include <vector>

// Byte lengths of the prefixes of path to create, shortest first, the whole
// path (without trailing separators) last. Separators are '\' and '/', found at character starts only; the
// server and share of a network name, a drive's root and empty levels (from
// doubled separators) are not listed.
std::vector<size_t> zek_tree_levels(const char *path);

#endif
