// The font cache and face table inside the library.
#ifndef ZEK_GRAPHICS_FONT_CACHE_H
#define ZEK_GRAPHICS_FONT_CACHE_H

#include <windows.h>

#include <cstdint>

// Empties the cache without deleting anything (process attach).
void zek_font_cache_init();
// Deletes the fonts in use and empties the cache (process detach).
void zek_font_cache_release();

// A cached font held for one drawing call (GetFont2's lookup): it is not
// deleted while held, even when requests of other threads push it out of the
// cache meanwhile. Release it after it has left the context.
class HeldFont {
public:
    HeldFont(const char *face, int32_t italic, int32_t width, int32_t height, int32_t angle10,
             int32_t weight);
    ~HeldFont();
    HeldFont(const HeldFont &) = delete;
    HeldFont &operator=(const HeldFont &) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
};

// The known faces with their default attributes, in lookup order.
const LOGFONTA *zek_font_faces();
int32_t zek_font_face_count();

#endif
