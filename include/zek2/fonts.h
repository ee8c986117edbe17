/* Fonts: the per-process font cache, the shared system font names and the
   characters turned in vertical writing; and who owns a Win's drawing
   context, pens, brushes and fonts.

   Drawing context of a Win (hDC):
   - Win_SetHDC takes the window's context once; further calls return the
     same context and count, and the Win_ResetHDC that matches the first
     gives it back (hDC becomes null). While painting, in graphics mode
     (Win_GmodeSet .. Win_GmodeReset) or with the bitmap open
     (Win_DrawBmpOpen .. Win_DrawBmpClose) hDC is held already: both return
     at once. Nothing is left held or dangling with or without CS_OWNDC.
   - Painting (WM_PAINT) draws on the paint context and then puts back
     whatever it interrupted: hDC, bGmode, the pen and brush the program had
     selected and, for a CS_OWNDC class, the context's modes. A paint
     dispatched between Win_DrawBmpOpen and Win_DrawBmpClose (Keyin and the
     other waits dispatch one) leaves the bitmap open and hDC on it.
   - Win_DrawBmpOpen points hDC at the bitmap's memory context with no pen or
     brush of the object selected; Win_DrawBmpClose releases what was
     selected there, deletes the memory context and returns hDC to the
     window's context with the pen and brush it had before. Resizing moves
     the origin of the window's context only; the bitmap keeps (0, 0).
   - Pens and brushes that Win_SetPen, Win_SetSolidBrush, Win_SetHatchBrush
     and Win_SetTileBrush make belong to the object and to the context they
     were selected into: they are put out of it before they are deleted, by
     the next one of their kind, by Win_GmodeReset or when the paint or the
     bitmap that selected them ends. A program that gives hDC back itself
     (Win_ReleaseDC, Win_DeleteDC) ends the library's hold on it.
   - Fonts: every Win starts with the process default font (Get_ghFont),
     which only the library's unloading deletes. Win_CreateFont and
     Win_CreateFontIndirect put the new font in hFont and delete the font the
     object made before (never the default font nor a font the program put
     in hFont); the object deletes the last font it made when it is deleted.
     A font from GetFont2 belongs to the cache (below).
   - Threads: the font cache and the default font may be used by threads
     drawing into different windows at once; Win_Gchr and Win_GchrI keep
     their cached font until the text is out even when another thread's
     requests push it from the cache. Two threads drawing into one Win must
     take turns themselves (hmtxDisp). */
#ifndef ZEK2_FONTS_H
#define ZEK2_FONTS_H

#include <windows.h>

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* A cached font of the face (escapement -angle10 tenths of a degree, so a
   positive angle turns text clockwise). The cache owns the handle: callers
   must not delete it, and it stays valid until 20 newer fonts push it out,
   which requests of other threads may do at any time. */
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
