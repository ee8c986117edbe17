// Character-cell arithmetic of the text screen: advances, new lines, cell and
// pixel positions, ruled-line anchors and the caret's shape. No Windows here:
// built and tested natively as well.
#ifndef ZEK_TEXT_CELLS_H
#define ZEK_TEXT_CELLS_H

#include <cstddef>
#include <cstdint>

namespace zek_cells {

// Bytes one text call draws at most; longer text is drawn in runs.
constexpr int32_t kMaxRun = 512;

// (before, glyph, after) summed without overflowing.
int32_t pitch(const int32_t parts[3]);
// a * b + c, held to the 32-bit range.
int32_t scaled(int32_t a, int32_t b, int32_t c = 0);

// One run of at most kMaxRun bytes out of text[0, n): its advances go to
// dx[0, bytes). A two-byte character takes two cells (2p on its lead byte,
// 0 on its trail byte) and is never cut between runs; a lead byte on the
// last of the n bytes straddles the end: it takes one cell and the run must
// be clipped to its cells. Nothing past text[n - 1] is read.
struct Run {
    int32_t bytes;
    bool straddles;
};
Run advance_run(const unsigned char *text, int32_t n, int32_t p, int32_t dx[kMaxRun]);

// The new-line step from row cy of a screen of rows rows.
struct NewLine {
    int32_t cy;
    bool down;    // moved one row down (CurGy grows by a row pitch)
    bool scroll;  // stayed on the last row and the screen scrolls up
};
NewLine new_line(int32_t cy, int32_t rows, bool autoScroll);

// The bare grid's fill rectangle of cells (x1, y1)..(x2, y2), right and
// bottom exclusive; in ruled-line mode the bottom pixel row stays.
struct Box {
    int32_t left, top, right, bottom;
};
Box cell_box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t px, int32_t py,
             bool ruled);
// The cell holding pixel g on a grid of pitch p (floor); 0 without a pitch.
int32_t cell_at(int32_t g, int32_t p);

// The pixel of a ruled-line anchor: code XxYy chooses the edge or centre
// (X, Y: 0 left/top, 1 centre, 2 right/bottom) and a pixel beside it (x, y:
// 0..2) inside cell (cx, cy). Digits above 2 count as 2.
struct Point {
    int32_t x, y;
};
Point anchor(int32_t cx, int32_t cy, int32_t code, int32_t p, int32_t h);

// What one byte written by putch does, from the pending lead byte kinBk.
struct Putch {
    enum Draw { None, Byte, Pair, Space } draw;
    int32_t code;     // the byte, or lead * 256 + trail for Pair
    int32_t kinBk;    // pending lead byte afterwards
    int32_t cx;       // column afterwards
    int32_t advance;  // cells moved
};
Putch putch_step(int32_t c, int32_t kinBk, int32_t cx, int32_t cols);

// The caret over the editing cell: width p (2p on a lead byte); in insert
// mode the lower half of the glyph height g, otherwise all of it.
struct Caret {
    int32_t width, height, dy;
};
Caret caret_shape(int32_t p, int32_t g, bool lead, bool insert);

// The pieces of formatted text: each piece up to and without an LF, which
// is a new line. Returns the length of the next piece of s[0, len) and sets
// *newline when an LF ends it.
size_t next_piece(const char *s, size_t len, bool *newline);

}  // namespace zek_cells

#endif
