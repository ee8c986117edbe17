// Bitmap header checks.
#include "button_dib.h"

#include <cstddef>


namespace {

template <typename T>
T field(const unsigned char *p, int at)
{
    T v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        v = T(v | T(T(p[at + i]) << (8 * i)));
    return v;
}

}  // namespace

DibHeader dib_header(const unsigned char *b)
{
    return {field<uint32_t>(b, 0),  int32_t(field<uint32_t>(b, 4)), int32_t(field<uint32_t>(b, 8)),
            field<uint16_t>(b, 12), field<uint16_t>(b, 14),         field<uint32_t>(b, 16),
            field<uint32_t>(b, 20), field<uint32_t>(b, 32)};
}

int32_t dib_colour_entries(const DibHeader &h)
{
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8)
        return 0;
    const uint32_t full = 1u << h.bitCount;
    return int32_t(h.clrUsed && h.clrUsed < full ? h.clrUsed : full);
}

int64_t dib_colour_entry_offset(const DibHeader &h, int32_t index)
{
    if (index < 0 || index >= dib_colour_entries(h) || h.size < kDibInfoHeaderBytes)
        return -1;
    return int64_t(h.size) + 4 * int64_t(index);
}

int64_t dib_pixel_bytes(const DibHeader &h, int64_t limit)
{
    const uint16_t bits = h.bitCount;
    const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool flat =
        h.compression == kDibRgb || (h.compression == kDibBitfields && (bits == 16 || bits == 32));
    if (!known || !flat || h.planes != 1 || h.width <= 0 || h.height == 0)
        return -1;
    // 64 bits hold any row of a 31-bit width and any count of 31-bit rows.
    const int64_t row = (int64_t(h.width) * bits + 31) / 32 * 4;
    const int64_t rows = h.height < 0 ? -int64_t(h.height) : int64_t(h.height);
    if (row > limit / rows)
        return -1;
    return row * rows;
}
