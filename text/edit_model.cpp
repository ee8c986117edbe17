// The text arithmetic of an edited field.
#include "edit_model.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "zek2/strings.h"

namespace zek_edit {

namespace {

bool lead(unsigned char c) { return IsKanji(c) != 0; }

unsigned char at(const char *buf, int32_t i) { return static_cast<unsigned char>(buf[i]); }

// The column after the character at byte i that starts at column col.
int32_t after(const char *buf, int32_t i, int32_t col, int32_t tabStep)
{
    const int32_t step = std::max(tabStep, 1);
    if (at(buf, i) == '\t')
        return (col / step + 1) * step;
    return col + char_bytes(buf, i);
}

int32_t clamp(int32_t v, int32_t lo, int32_t hi) { return std::min(std::max(v, lo), hi); }

}  // namespace

int32_t bounded(int32_t n) { return clamp(n, 0, kMaxText); }

int32_t text_limit(int32_t inpMax, int32_t inpMaxS) { return bounded(inpMaxS ? inpMaxS : inpMax); }

int32_t length(const char *buf) { return int32_t(strnlen(buf, kMaxText)); }

int32_t char_bytes(const char *buf, int32_t i)
{
    if (!buf[i])
        return 0;
    return lead(at(buf, i)) && buf[i + 1] ? 2 : 1;
}

int32_t pos(const char *buf, int32_t nx, int32_t tabStep)
{
    int32_t i = 0;
    for (int32_t col = 0; col < nx && i < kMaxText && buf[i];) {
        col = after(buf, i, col, tabStep);
        i += char_bytes(buf, i);
    }
    return i;
}

int32_t column_of(const char *buf, int32_t i, int32_t tabStep)
{
    int32_t col = 0;
    for (int32_t j = 0; j < i && j < kMaxText && buf[j]; j += char_bytes(buf, j))
        col = after(buf, j, col, tabStep);
    return col;
}

int32_t column_left(const char *buf, int32_t nx, int32_t tabStep)
{
    if (nx <= 0)
        return nx;
    int32_t to = 0;
    for (int32_t i = 0, col = 0; i < kMaxText && buf[i]; i += char_bytes(buf, i)) {
        const int32_t end = after(buf, i, col, tabStep);
        if (end > nx)
            break;
        to = col;
        col = end;
    }
    return to;
}

int32_t column_right(const char *buf, int32_t nx, int32_t tabStep)
{
    const int32_t i = pos(buf, nx, tabStep);
    return buf[i] ? column_of(buf, i + char_bytes(buf, i), tabStep) : nx;
}

Key key_bytes(int32_t key)
{
    const unsigned code = unsigned(key) & 0xFFFFu;
    const unsigned char hi = static_cast<unsigned char>(code >> 8),
                        lo = static_cast<unsigned char>(code);
    if (!hi)
        return lo && !lead(lo) ? Key{1, {lo, 0}} : Key{0, {0, 0}};
    if (!lo || (!lead(hi) && lead(lo)))
        return Key{0, {0, 0}};
    return Key{2, {hi, lo}};
}

Typed type_key(char *buf, int32_t i, int32_t key, bool insert, int32_t limit)
{
    const Typed none{false, false, i, 0, i};
    const Key k = key_bytes(key);
    const int32_t len = length(buf);
    limit = bounded(limit);
    i = clamp(i, 0, len);
    if (!k.bytes)
        return none;
    const int32_t under = char_bytes(buf, i);
    if (!insert && under) {
        int32_t shown = k.bytes;
        if (k.bytes == 1 && under == 2) {
            buf[i + 1] = ' ';
            shown = 2;
        } else if (k.bytes == 2 && under == 1) {
            const int32_t next = char_bytes(buf, i + 1);
            if (next == 0 && len + 1 > limit)
                return none;
            if (next == 0)
                buf[i + 2] = 0;  // the text grows by the pair's second byte
            else if (next == 2)
                buf[i + 2] = ' ', shown = 3;
        }
        buf[i] = char(k.b[0]);
        if (k.bytes == 2)
            buf[i + 1] = char(k.b[1]);
        return Typed{true, false, i, shown, i + k.bytes};
    }
    if (len + k.bytes > limit)
        return none;
    memmove(buf + i + k.bytes, buf + i, size_t(len - i + 1));
    buf[i] = char(k.b[0]);
    if (k.bytes == 2)
        buf[i + 1] = char(k.b[1]);
    return Typed{true, true, i, len + k.bytes - i, i + k.bytes};
}

int32_t delete_bytes(char *buf, int32_t a, int32_t b)
{
    const int32_t len = length(buf);
    a = clamp(a, 0, len);
    b = clamp(b, a, len);
    memmove(buf + a, buf + b, size_t(len - b + 1));
    return b - a;
}

int32_t delete_char(char *buf, int32_t i)
{
    i = clamp(i, 0, length(buf));
    return delete_bytes(buf, i, i + char_bytes(buf, i));
}

Span selection(int32_t anchor, int32_t cursor)
{
    return Span{std::min(anchor, cursor), std::max(anchor, cursor)};
}

int32_t xoff_after_left(int32_t xoff, int32_t nx, int32_t to)
{
    if (to < xoff)
        xoff = std::max(0, std::min(xoff - (nx - to), to));
    return xoff;
}

int32_t xoff_after_right(int32_t xoff, int32_t nx, int32_t c, int32_t visible)
{
    if (int64_t(nx) - xoff + c - 1 >= visible)
        xoff = clamp(std::max(xoff + c, nx + c - visible), 0, std::max(nx, 0));
    return xoff;
}

int32_t xoff_after_type(int32_t xoff, int32_t nx, int32_t k, int32_t visible)
{
    if (int64_t(nx) - xoff + k >= visible)
        xoff = clamp(std::max(xoff + k, nx + k - visible + 1), 0, std::max(nx + k, 0));
    return xoff;
}

int32_t xoff_after_cut(int32_t xoff, int32_t nx, int32_t visible)
{
    if (xoff > nx)
        xoff = nx < visible ? 0 : nx - std::max(visible, 1) + 1;
    return xoff;
}

int32_t xoff_showing(int32_t xoff, int32_t nx, int32_t visible)
{
    if (nx < xoff)
        return std::max(nx, 0);
    if (int64_t(nx) - xoff >= visible)
        return std::max(0, nx - std::max(visible, 1) + 1);
    return xoff;
}

Redraw redraw_span(int32_t len, int32_t visible, int32_t xoff)
{
    visible = bounded(visible);
    xoff = clamp(xoff, 0, kMaxText);
    len = clamp(len, 0, kMaxText);
    if (len - xoff < visible)
        return Redraw{len, visible - len + xoff};
    return Redraw{visible + xoff, 0};
}

Band selection_band(int32_t a, int32_t b, int32_t xoff, int32_t visible, int32_t x0, int32_t p)
{
    const int64_t l = std::max<int64_t>(int64_t(a) - xoff, 0);
    const int64_t r = std::min<int64_t>(int64_t(b) - xoff, bounded(visible));
    if (r <= l)
        return Band{x0, x0};
    auto x = [&](int64_t c) {
        return int32_t(std::clamp<int64_t>(int64_t(x0) + c * p, INT32_MIN, INT32_MAX));
    };
    return Band{x(l), x(r)};
}

}  // namespace zek_edit
