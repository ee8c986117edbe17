/* The character-cell text screen of a Win: what a program may rely on
   beyond the method declarations of win_methods.h.

   - Win_putsnn draws any length: text longer than one text call takes is
     drawn in runs, never cutting a two-byte character. A lead byte that is
     the last of the n bytes is drawn clipped to its one cell; no byte past
     the n given is read. Nothing wraps and no control byte is interpreted.
   - Win__printf writes the whole formatted text whatever its length.
   - Ruled lines take their anchors from the pitches of the window they are
     drawn on, at every call; windows of other threads do not disturb them.
   - Zero or negative cell sizes give positions on one pixel row or column,
     never a division by zero.

   The caret. It shows while bUseCursor, the focus (bSetFocus) and
   bCursorFlag are all 1. A new Win has bUseCursor 0, so printing never
   shows a caret. A wait for input that asks for one (Win_Keyin and
   Win_KeyinG with caret 1) sets bUseCursor to 1 for the wait, so the caret
   appears at the input position while the window has the focus and follows
   it in and out; afterwards bUseCursor is what it was. A program that sets
   bUseCursor to 1 itself keeps the caret at the input position
   (InpStGx, InpStGy) whenever the window has the focus. */
#ifndef ZEK2_TEXT_H
#define ZEK2_TEXT_H

#include "win.h"

#endif
