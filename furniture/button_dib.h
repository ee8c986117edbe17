// Checks on a button's bitmap header before its pixels are copied into a
// bitmap section: the header is the program's, so nothing in it is trusted.
// No Windows here: built and tested natively.
#ifndef ZEK_FURNITURE_BUTTON_DIB_H
#define ZEK_FURNITURE_BUTTON_DIB_H

#include <cstdint>

// The fields of a device-independent bitmap's info header that matter here,
// read from its 40-byte little-endian layout.
struct DibHeader {
    uint32_t size;         // header bytes; the colour table follows
    int32_t width, height; // height < 0: top-down
    uint16_t planes, bitCount;
    uint32_t compression, sizeImage, clrUsed;
};
constexpr uint32_t kDibInfoHeaderBytes = 40;
constexpr uint32_t kDibRgb = 0, kDibBitfields = 3;
// The colour index a button face shows through.
constexpr int32_t kFaceColourIndex = 7;

DibHeader dib_header(const unsigned char *bytes);

// Entries in the colour table: up to 256 for 1, 4 and 8 bits (clrUsed when
// it is set and not more than the bit count allows), none for deeper bitmaps.
int32_t dib_colour_entries(const DibHeader &h);
// Byte offset of colour table entry index from the header's start, or -1
// when the header has no such entry (a 1- or 24-bit header has no entry 7).
int64_t dib_colour_entry_offset(const DibHeader &h, int32_t index);

// Bytes of pixels: 32-bit aligned rows of width x bitCount, |height| rows,
// computed from the header and never from sizeImage. -1 for a header the
// count cannot be trusted for: not one plane, a bit count other than 1, 4,
// 8, 16, 24 or 32, compressed rows, a width or height of 0 or below, or a
// size past limit bytes.
int64_t dib_pixel_bytes(const DibHeader &h, int64_t limit = INT32_MAX);

#endif
