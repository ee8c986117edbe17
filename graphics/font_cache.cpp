// The per-process font cache: 20 fonts in most-recently-used order.
#include "font_cache.h"

#include <cstdint>
#include <cstring>

#include "zek2/fonts.h"
#include "zek2/shared.h"
#include "../env/sjis_fit.h"

namespace {

constexpr int kEntries = 20;

struct Entry {
    LOGFONTA lf;
    HFONT font;
    uint16_t inUse;
    uint16_t slot;
};

Entry gCache[kEntries];

const LOGFONTA kDefaultRecord = {12, 6, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET,
                                 OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                                 FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック"};

void reset_entries()
{
    for (Entry &e : gCache) {
        e.lf = kDefaultRecord;
        e.lf.lfHeight = -1;  // matches no request
        e.font = nullptr;
        e.inUse = 0;
        e.slot = 0xFFFF;
    }
}

// The face as it fits a LOGFONT: at most 31 bytes, never half a character.
void fitted_face(const char *face, char (&out)[LF_FACESIZE])
{
    const size_t n = sjis_fit(face, SIZE_MAX, LF_FACESIZE - 1);
    if (n)
        std::memcpy(out, face, n);
    out[n] = '\0';
}

bool matches(const Entry &e, const char *face, BYTE italic, LONG width, LONG height,
             LONG escapement, LONG weight)
{
    return e.lf.lfHeight == height && e.lf.lfWidth == width &&
           e.lf.lfEscapement == escapement && e.lf.lfItalic == italic &&
           e.lf.lfWeight == weight && std::strcmp(e.lf.lfFaceName, face) == 0;
}

void move_to_front(int i)
{
    if (i == 0)
        return;
    Entry e = gCache[i];
    std::memmove(&gCache[1], &gCache[0], sizeof(Entry) * size_t(i));
    gCache[0] = e;
}

}  // namespace

void zek_font_cache_init()
{
    reset_entries();
}

void zek_font_cache_release()
{
    for (Entry &e : gCache)
        if (e.inUse && e.font)
            DeleteObject(e.font);
    reset_entries();
}

extern "C" HFONT ZEKAPI GetFont2(const char *faceName, int32_t italic, int32_t width,
                                 int32_t height, int32_t angle10, int32_t weight)
{
    char face[LF_FACESIZE];
    fitted_face(faceName, face);
    const BYTE italicByte = BYTE(italic);
    const LONG escapement = -angle10;
    int slot = kEntries - 1;
    for (int i = 0; i < kEntries; ++i) {
        Entry &e = gCache[i];
        if (!e.inUse) {
            slot = i;
            break;
        }
        if (matches(e, face, italicByte, width, height, escapement, weight)) {
            move_to_front(i);
            return gCache[0].font;
        }
    }
    Entry &e = gCache[slot];
    if (e.inUse && e.font)
        DeleteObject(e.font);
    const LOGFONTA *faces = zek_font_faces();
    const int32_t count = zek_font_face_count();
    int32_t k = 0;
    while (k < count && std::strcmp(faces[k].lfFaceName, face) != 0)
        ++k;
    if (k < count) {
        e.lf = faces[k];
    } else {
        // An unknown face keeps the slot's other attributes but its own
        // name, so that the next request for it hits.
        std::memcpy(e.lf.lfFaceName, face, sizeof face);
    }
    e.lf.lfHeight = height;
    e.lf.lfWidth = width;
    e.lf.lfEscapement = escapement;
    e.lf.lfItalic = italicByte;
    e.lf.lfWeight = weight;
    e.inUse = 1;
    e.slot = uint16_t(slot);
    e.font = CreateFontIndirectA(&e.lf);
    if (!e.font) {
        // The slot is free or last, so leaving it free keeps the order intact.
        e.lf.lfHeight = -1;
        e.inUse = 0;
        e.slot = 0xFFFF;
        return nullptr;
    }
    move_to_front(slot);
    return gCache[0].font;
}

extern "C" void ZEKAPI SetFontInit2(void)
{
    // Deleting what the cache holds keeps a reset from leaking the fonts.
    zek_font_cache_release();
}

extern "C" int32_t ZEKAPI GetFontType(const char *face)
{
    return face && face[0] == '@' ? 1 : 0;
}
