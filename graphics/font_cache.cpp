// The per-process font cache: 20 fonts in most-recently-used order.
#include "font_cache.h"

#include <cstdint>
#include <cstddef>
#include <cstring>
#include <vector>

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

// Threads of different windows ask at once: the cache and the holds below
// change only under this lock.
SRWLOCK gLock = SRWLOCK_INIT;
Entry gCache[kEntries];

// Fonts the library's text output has selected at this moment, with their
// holders. A font pushed out of the cache while held is deleted by its last
// holder, after it has left the context.
struct Hold {
    HFONT font;
    int32_t holders;
    bool evicted;
};
std::vector<Hold> gHolds;

struct Locked {
    Locked() { AcquireSRWLockExclusive(&gLock); }
    ~Locked() { ReleaseSRWLockExclusive(&gLock); }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;
};

// A font leaving the cache: deleted now unless text output holds it.
void retire(HFONT font)
{
    for (Hold &h : gHolds) {
        if (h.font == font) {
            h.evicted = true;
            return;
        }
    }
    DeleteObject(font);
}

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

void release_entries()
{
    for (Entry &e : gCache)
        if (e.inUse && e.font)
            retire(e.font);
    reset_entries();
}

HFONT lookup(const char *faceName, int32_t italic, int32_t width, int32_t height,
             int32_t angle10, int32_t weight)
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
        retire(e.font);
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

}  // namespace

void zek_font_cache_init()
{
    Locked lock;
    reset_entries();
}

void zek_font_cache_release()
{
    Locked lock;
    release_entries();
}

HeldFont::HeldFont(const char *face, int32_t italic, int32_t width, int32_t height,
                   int32_t angle10, int32_t weight)
{
    Locked lock;
    font_ = lookup(face, italic, width, height, angle10, weight);
    if (!font_)
        return;
    for (Hold &h : gHolds) {
        if (h.font == font_) {
            ++h.holders;
            return;
        }
    }
    gHolds.push_back({font_, 1, false});
}

HeldFont::~HeldFont()
{
    if (!font_)
        return;
    Locked lock;
    for (size_t i = 0; i < gHolds.size(); ++i) {
        Hold &h = gHolds[i];
        if (h.font != font_ || --h.holders > 0)
            continue;
        if (h.evicted)
            DeleteObject(h.font);
        gHolds.erase(gHolds.begin() + std::ptrdiff_t(i));
        return;
    }
}

extern "C" HFONT ZEKAPI GetFont2(const char *faceName, int32_t italic, int32_t width,
                                 int32_t height, int32_t angle10, int32_t weight)
{
    Locked lock;
    return lookup(faceName, italic, width, height, angle10, weight);
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
