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
   (InpStGx, InpStGy) whenever the window has the focus. Win_Gets, which
   edits a line, shows the caret the same way: bUseCursor is 1 while it
   runs, the caret sits on the editing cell (two cells wide on a two-byte
   character, the lower half of the glyph in insert mode) while it waits
   for each key, and afterwards the caret is off and bUseCursor is what it
   was.

   The line editor. The edited text is always sBuf (128 bytes and the NUL);
   pBuf only publishes its address. Win_GetsInit holds InpMax and InpMaxS
   to 128 and gives a field without a width WinWdCx + 1 cells, at most 128.
   A lead byte and the byte after it are one character wherever they came
   from; a key that would not stay whole characters once written (a lone
   lead byte, a pair with a NUL byte, a two-byte key code whose first byte
   is not a lead byte but whose second is) is ignored. Typing a two-byte character over the last
   one-byte character lengthens the text by one byte when the field's limit
   allows it, and is ignored otherwise. A TabStep below 1 counts as 1.
   A new field (Win_GetsCtorSet) starts unscrolled and unselected, and
   clearing the line (End) also scrolls it back and drops its selection.
   With bInpDisp, Win_GetsInit shows the field as Win_redraw does: its
   visible text from the field's first cell, blanks to its end. In a
   scrolling field every move and every typed key leaves the cursor on a
   visible cell.

   Boxes and etched lines (Win_DrawFrameBox, Win_InputBoxExG/Ex,
   Win_TitleBoxExG, Win_DrawBoxLine and the Draw...Line methods) may be
   called at any time. Inside painting, between Win_GmodeSet and
   Win_GmodeReset, with the bitmap open or within a program's own
   Win_SetHDC they draw on that context and the pen of their last line
   stays selected there, the object's, until that hold ends. Otherwise each
   call takes the window's context for itself and, before giving it back,
   puts its pens out of it and deletes them; the object's pen state is then
   as before the call. Win_InputBoxExG and Win_TitleBoxExG leave the box's
   text colours set for what is printed inside; every other box and line
   leaves Color and BackColor as they were (their pens do not become the
   text colour).

   Typed fields. A field's width is held to 0..128 cells; a width of 0 or
   less takes no character, so Enter keeps the variable. Numbers are read as
   atoi and atof read them ("12abc" is 12), with full-width digits, point
   and minus; a number that does not fit its variable (a 16-bit field given
   99999, a 32-bit or long field past its range) is refused, never wrapped:
   the variable keeps its value, the field shows it again when redisplay is
   1 (else the field is blanked) and runs again. A double is rounded to its
   decimals (at most 13) and refused when its magnitude needs more integer
   places than the field leaves, or when it is not finite. A string field
   shows, edits and gives back at most width bytes (width + 1 with the NUL
   in the caller's buffer), cut before a two-byte character the width would
   split; trailing blanks are dropped a character at a time, so a two-byte
   character whose trail byte is 0x81 or 0x40 stays whole. The typed fields
   call Win_GetsInit after setting up the field, so bInpDisp shows the
   initial text of a string field. */
#ifndef ZEK2_TEXT_H
#define ZEK2_TEXT_H

#include "win.h"

ZEK_EXTERN_C_BEGIN

/* One row of a key table (pKeyTable); a row of key 0 ends the table. A row
   for the key being edited takes it before every key of the editor's own:
   the handler's result is the key's result (0: handled, -1: typed as a
   character, any other code ends the input). */
typedef struct Win_key_row {
    int32_t key;
    Win_job_fn handler;
} Win_key_row;

ZEK_EXTERN_C_END

#endif
