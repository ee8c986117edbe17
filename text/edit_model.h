// The text arithmetic of an edited field: byte and column positions, typing
// over and into the text, deleting, and the scrolling offset of a field
// wider in text than on screen. No Windows here: built and tested natively.
//
// Characters. The text is read from its first byte: a lead byte (IsKanji)
// and the byte after it form one two-byte character of two columns, unless
// that byte is the NUL; a TAB moves to the next tab stop; any other byte is
// one column. So a pair typed with a trail byte that is not a valid trail
// (a control byte, a space, another lead byte) still stays one character.
// A key whose bytes would not stay whole characters once written is refused:
// a single lead byte (it would take the next character's first byte as its
// trail), a pair with a NUL byte, and a non-lead byte followed by a lead
// byte. Refused keys change nothing.
#ifndef ZEK_TEXT_EDIT_MODEL_H
#define ZEK_TEXT_EDIT_MODEL_H

#include <cstdint>

namespace zek_edit {

// The input buffer: 128 bytes of text and the NUL.
constexpr int32_t kBufSize = 129;
constexpr int32_t kMaxText = kBufSize - 1;

// A field width or text limit held to 0..kMaxText.
int32_t bounded(int32_t n);
// The text limit of a field: InpMaxS when non-zero, else InpMax; bounded.
int32_t text_limit(int32_t inpMax, int32_t inpMaxS);
// Length of the text, never past the buffer.
int32_t length(const char *buf);

// Bytes of the character at byte i: 0 at the end, 2 for a pair, else 1.
int32_t char_bytes(const char *buf, int32_t i);
// Byte index of column nx: the first character start whose column reaches
// nx, or the text end (0 for nx < 1). A tab step below 1 counts as 1.
int32_t pos(const char *buf, int32_t nx, int32_t tabStep);
// Column at which the character starting at byte i starts (i held to the text).
int32_t column_of(const char *buf, int32_t i, int32_t tabStep);
// The column one character left of nx (nx itself at the text start), and
// one character right of it (nx itself at the text end).
int32_t column_left(const char *buf, int32_t nx, int32_t tabStep);
int32_t column_right(const char *buf, int32_t nx, int32_t tabStep);

// A typed key, as it is written.
struct Key {
    int32_t bytes;         // 1 or 2; 0: refused
    unsigned char b[2];
};
Key key_bytes(int32_t key);

// What typing changed.
struct Typed {
    bool changed;   // false: refused or no room, nothing changed
    bool insert;    // inserted (the tail from at moved right) or typed over
    int32_t at;     // byte index written
    int32_t shown;  // typed over: bytes from at to show again (with a filler)
    int32_t next;   // byte index just past the written character
};
// Types key at byte i. Overwrite (insert false, a character under i):
// a pair over one byte takes the next character's first byte, and when
// that character is a pair its trail becomes a space; one byte over a pair
// leaves a space in the pair's second cell. A pair over the last one-byte
// character lengthens the text by one byte (re-terminated) when limit
// allows, and is refused otherwise. Insert (or i at the end): refused when
// the text would grow past limit. limit is held to kMaxText.
Typed type_key(char *buf, int32_t i, int32_t key, bool insert, int32_t limit);

// Removes the character at byte i; returns the bytes removed.
int32_t delete_char(char *buf, int32_t i);
// Removes bytes [a, b) (held to the text); returns the bytes removed.
int32_t delete_bytes(char *buf, int32_t a, int32_t b);

// The selection between anchor and cursor column, smaller end first.
struct Span {
    int32_t a, b;
};
Span selection(int32_t anchor, int32_t cursor);

// Scrolling offset (InpXOff) of a scrolling field after the cursor moved
// left from nx to to, after a right move to nx with c cells under the
// cursor, and after typing k cells at nx; visible is the field width.
int32_t xoff_after_left(int32_t xoff, int32_t nx, int32_t to);
int32_t xoff_after_right(int32_t xoff, int32_t nx, int32_t c, int32_t visible);
int32_t xoff_after_type(int32_t xoff, int32_t nx, int32_t k, int32_t visible);
// After text left of the offset was removed: the cursor is shown again.
int32_t xoff_after_cut(int32_t xoff, int32_t nx, int32_t visible);
// The offset that shows column nx: unchanged when it shows already.
int32_t xoff_showing(int32_t xoff, int32_t nx, int32_t visible);

// What a redraw paints: bytes of text from the start (drawn from column
// -xoff, clipped to the field) and blank cells after them.
struct Redraw {
    int32_t bytes, blanks;
};
Redraw redraw_span(int32_t len, int32_t visible, int32_t xoff);

// Pixels [left, right) of the field's inverted selection [a, b), from the
// field start x0 with pitch p; clipped to the visible cells. Empty (left ==
// right) when nothing of it shows.
struct Band {
    int32_t left, right;
};
Band selection_band(int32_t a, int32_t b, int32_t xoff, int32_t visible, int32_t x0, int32_t p);

}  // namespace zek_edit

#endif
