/* Fonts: the per-process font cache, the shared system font names and the
   characters turned in vertical writing. */
#ifndef ZEK2_FONTS_H
#define ZEK2_FONTS_H

#include <windows.h>

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* A cached font of the face (escapement -angle10 tenths of a degree, so a
   positive angle turns text clockwise). The cache owns the handle: callers
   must not delete it, and it stays valid until 20 newer fonts push it out. */
HFONT ZEKAPI GetFont2(const char *face, int32_t italic, int32_t width, int32_t height,
                      int32_t angle10, int32_t weight);
/* Empties the font cache, deleting the fonts it holds. */
void ZEKAPI SetFontInit2(void);
/* 1 for a vertical-writing face (its name starts with '@'), else 0. */
int32_t ZEKAPI GetFontType(const char *face);
/* 1 when the character (Shift-JIS, lead byte * 256 + trail byte) is turned
   in vertical writing, else 0. */
int32_t ZEKAPI GetTategakiFlag(int32_t code);
/* Sets system font name n (0-3), shared by every process; the name with its
   terminating zero must fit 32 bytes. Returns its length + 1, or 0 when refused. */
int32_t ZEKAPI SetSystemFontName(int32_t n, const char *name);
/* Copies system font name n (0-3) into buffer (32 bytes are enough).
   Returns its length + 1, or 0 for a bad n or a null buffer. */
int32_t ZEKAPI GetSystemFontName(int32_t n, char *buffer);

ZEK_EXTERN_C_END

#endif
