// The block of static memory mapped into every process that loads the library.
#ifndef ZEK_RUNTIME_SHARED_BLOCK_H
#define ZEK_RUNTIME_SHARED_BLOCK_H

#include <cstdint>

#include "../env/shared_log.h"

struct ZekSharedHead {
    uint32_t attachCount;
    int16_t cursorCount;  // last value of the system's show/hide-cursor counter
    uint16_t cursorHide;  // non-zero: MDI children hide the cursor on mouse moves
};

enum { kDirCount = 11, kDirBytes = 264, kSystemFonts = 4, kFontNameBytes = 32 };

// What follows gMainArg in the shared block.
struct ZekSharedTail {
    char dirs[kDirCount][kDirBytes];
    char fontNames[kSystemFonts][kFontNameBytes];
    SharedLog log;
};

ZekSharedHead *zek_shared_head();
ZekSharedTail *zek_shared_tail();

#endif
