// The scroll bar a Win's scroll state is shown on.
#ifndef ZEK_GRAPHICS_SCROLL_BAR_H
#define ZEK_GRAPHICS_SCROLL_BAR_H

#include <windows.h>

#include "../window/win_data.h"

// The window's child bar of that direction while it is a live window, else
// the window's own bar when its style has one; false when there is neither.
bool scroll_bar_of(const Win_data &d, bool vertical, HWND *window, int *bar);

// Hands min, max, page and pos to the bar (those of mask) and redraws it.
// Nothing happens without a bar.
void scroll_bar_set(const Win_data &d, bool vertical, UINT mask, int32_t min, int32_t max,
                    int32_t page, int32_t pos);

#endif
