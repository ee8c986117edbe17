// Bitmap sections of bitmap buttons.
#include "button_bitmaps.h"

#include <cstring>
#include <vector>

#include "button_dib.h"

namespace {

// Header sizes from the info header up to the fifth version; anything else
// is not a header this copy knows how far to read.
constexpr uint32_t kMaxDibHeaderBytes = 124;
constexpr uint32_t kBitfieldMaskBytes = 12;

}  // namespace

bool make_button_dib(const void *info, const void *bits, COLORREF face, ButtonDib *out)
{
    *out = {};
    if (!info)
        return false;
    const auto *src = static_cast<const unsigned char *>(info);
    const DibHeader h = dib_header(src);
    const int64_t pixels = dib_pixel_bytes(h);
    if (pixels < 0 || h.size < kDibInfoHeaderBytes || h.size > kMaxDibHeaderBytes)
        return false;
    size_t bytes = h.size + 4 * size_t(dib_colour_entries(h));
    if (h.compression == kDibBitfields && h.size == kDibInfoHeaderBytes)
        bytes += kBitfieldMaskBytes;
    std::vector<unsigned char> copy(src, src + bytes);
    const int64_t at = dib_colour_entry_offset(h, kFaceColourIndex);
    if (at >= 0) {
        copy[size_t(at)] = GetBValue(face);
        copy[size_t(at) + 1] = GetGValue(face);
        copy[size_t(at) + 2] = GetRValue(face);
    }
    void *dst = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO *>(copy.data()),
                                   DIB_RGB_COLORS, &dst, nullptr, 0);
    if (!bmp || !dst) {
        if (bmp)
            DeleteObject(bmp);
        return false;
    }
    if (bits)
        std::memcpy(dst, bits, size_t(pixels));
    GdiFlush();
    *out = {bmp, dst, h.width, h.height < 0 ? -h.height : h.height};
    return true;
}
