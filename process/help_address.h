// Addresses of topics in the compiled help file.
#ifndef ZEK_PROCESS_HELP_ADDRESS_H
#define ZEK_PROCESS_HELP_ADDRESS_H

#include <cstddef>

// The help file's name in the help directory.
extern const char kHelpFileName[];

// The file itself for a null or empty topic, else "file::/topic", into out
// (size bytes). False, with out holding the file alone, when the topic's
// address does not fit; false and out empty when not even the file does.
bool help_address(const char *file, const char *topic, char *out, size_t size);

#endif
