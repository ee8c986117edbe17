// Releasing a window's off-screen bitmap when the window or its object goes.
#ifndef ZEK_GRAPHICS_BACK_BUFFER_H
#define ZEK_GRAPHICS_BACK_BUFFER_H

#include "../window/win_data.h"

// Deletes the memory context of an open bitmap (hDC returns to the window's)
// and the bitmap itself, and forgets its bits and size.
void win_release_back_buffer(Win_data &d);

#endif
