// Character-cell arithmetic of the text screen.
#include "cells.h"

#include <algorithm>
#include <cstring>

#include "zek2/strings.h"

namespace zek_cells {

namespace {

int32_t clamp32(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Offset of an anchor inside a cell of pitch p: edge row 0..2, pixel 0..2.
int32_t offset(int32_t row, int32_t k, int32_t p)
{
    row = std::min(row, 2);
    k = std::min(k, 2);
    if (row == 0)
        return k;
    if (row == 1)
        return p / 2 - 1 + k;
    return p - 3 + k;
}

}  // namespace

int32_t pitch(const int32_t parts[3])
{
    return clamp32(int64_t(parts[0]) + parts[1] + parts[2]);
}

int32_t scaled(int32_t a, int32_t b, int32_t c)
{
    return clamp32(int64_t(a) * b + c);
}

Run advance_run(const unsigned char *text, int32_t n, int32_t p, int32_t dx[kMaxRun])
{
    Run run{0, false};
    const int32_t limit = std::min(n, kMaxRun);
    const int32_t p2 = clamp32(int64_t(p) * 2);
    while (run.bytes < limit) {
        const int32_t i = run.bytes;
        if (!IsKanji(text[i])) {
            dx[i] = p;
            run.bytes = i + 1;
        } else if (i + 1 < limit) {
            dx[i] = p2;
            dx[i + 1] = 0;
            run.bytes = i + 2;
        } else if (i + 1 == n) {
            // The trail byte lies past the text: the lead byte alone, clipped.
            dx[i] = p2;
            run.bytes = n;
            run.straddles = true;
        } else {
            break;  // the pair goes whole to the next run
        }
    }
    return run;
}

NewLine new_line(int32_t cy, int32_t rows, bool autoScroll)
{
    const int32_t last = std::max(rows - 1, 0);
    if (cy < last)
        return {cy + 1, true, false};
    return {last, false, autoScroll};
}

Box cell_box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t px, int32_t py, bool ruled)
{
    return {scaled(x1, px), scaled(y1, py), scaled(x2, px, px),
            clamp32(int64_t(y2) * py + py - (ruled ? 1 : 0))};
}

int32_t cell_at(int32_t g, int32_t p)
{
    if (p <= 0)
        return 0;
    const int32_t q = g / p;
    return (g % p < 0) ? q - 1 : q;
}

Point anchor(int32_t cx, int32_t cy, int32_t code, int32_t p, int32_t h)
{
    const int32_t ox = offset(code >> 12 & 15, code >> 8 & 15, p);
    const int32_t oy = offset(code >> 4 & 15, code & 15, h);
    return {scaled(cx, p, ox), scaled(cy, h, oy)};
}

Putch putch_step(int32_t c, int32_t kinBk, int32_t cx, int32_t cols)
{
    c &= 0xFF;
    if (c == 0)
        return {Putch::None, 0, kinBk, cx, 0};
    if (kinBk)
        return {Putch::Pair, (kinBk & 0xFF) << 8 | c, 0, clamp32(int64_t(cx) + 2), 2};
    if (IsKanji(c)) {
        // A lead byte in the last column cannot fit its character: the cell
        // is blanked and the character goes after it.
        if (cx == cols - 1)
            return {Putch::Space, ' ', c, clamp32(int64_t(cx) + 1), 1};
        return {Putch::None, 0, c, cx, 0};
    }
    if (c == '\n')  // past the last column, without drawing
        return {Putch::None, 0, 0, clamp32(int64_t(cols)), 1};
    return {Putch::Byte, c, 0, clamp32(int64_t(cx) + 1), 1};
}

Caret caret_shape(int32_t p, int32_t g, bool lead, bool insert)
{
    const int32_t width = lead ? clamp32(int64_t(p) * 2) : p;
    if (insert)
        return {width, g / 2, g - g / 2};
    return {width, g, 0};
}

size_t next_piece(const char *s, size_t len, bool *newline)
{
    const void *lf = std::memchr(s, '\n', len);
    *newline = lf != nullptr;
    return lf ? size_t(static_cast<const char *>(lf) - s) : len;
}

}  // namespace zek_cells
