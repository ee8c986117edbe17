// The font cache and face table inside the library.
#ifndef ZEK_GRAPHICS_FONT_CACHE_H
#define ZEK_GRAPHICS_FONT_CACHE_H

#include <windows.h>

#include <cstdint>

// Empties the cache without deleting anything (process attach).
void zek_font_cache_init();
// Deletes the fonts in use and empties the cache (process detach).
void zek_font_cache_release();

// The known faces with their default attributes, in lookup order.
const LOGFONTA *zek_font_faces();
int32_t zek_font_face_count();

#endif
