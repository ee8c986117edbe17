// Bitmap sections for bitmap buttons, made from a program's header and bits.
#ifndef ZEK_FURNITURE_BUTTON_BITMAPS_H
#define ZEK_FURNITURE_BUTTON_BITMAPS_H

#include <windows.h>

#include <cstdint>

struct ButtonDib {
    HBITMAP bmp;     // owned by the button table that stores it
    void *bits;
    int32_t width, height;
};

// A section from info (header and colour table) and bits, with colour 7 set
// to face in a copy of the header when it has that entry: the program's
// header may be a read-only resource. Pixels are copied by the size the
// header's geometry gives. False, with out zeroed, for a header that cannot
// be trusted or a section that cannot be made.
bool make_button_dib(const void *info, const void *bits, COLORREF face, ButtonDib *out);

#endif
