// Random key sequences on an edited field's text, composed of the model's
// steps as the editor's methods compose them. After every key: the text
// ends within its exact-size heap buffer, never grows past the field's
// limit, keeps every two-byte character whole (each character afterwards
// was there before, was typed now, or is the space left in a character
// typed over; no lead byte stands alone), and the cursor stays on a
// character start inside the text and inside the visible part of a
// scrolling field.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "zek2/strings.h"
#include "../text/edit_model.h"

using namespace zek_edit;

namespace {

using Units = std::map<int32_t, int32_t>;

Units units_of(const char *buf)
{
    Units u;
    for (int32_t i = 0; buf[i]; i += char_bytes(buf, i)) {
        const auto b = [&](int32_t k) { return int32_t(static_cast<unsigned char>(buf[k])); };
        const int32_t n = char_bytes(buf, i);
        if (n == 1 && IsKanji(b(i)))
            std::abort();  // a lead byte cut from its trail
        ++u[n == 2 ? b(i) << 8 | b(i + 1) : b(i)];
    }
    return u;
}

struct Field {
    std::unique_ptr<char[]> buf{new char[kBufSize]()};
    int32_t max = 0, maxS = 0, tab = 0, nx = 0, xoff = 0, anchor = 0, sel = 0;
    bool insert = false, maxPos = false;

    bool scrolls() const { return maxS != 0; }
    int32_t width() const { return bounded(max); }
    void cut_selection()
    {
        const Span s = selection(anchor, nx);
        const int32_t a = pos(buf.get(), s.a, tab);
        delete_bytes(buf.get(), a, pos(buf.get(), s.b, tab));
        nx = column_of(buf.get(), a, tab);
        sel = 0;
        if (scrolls())
            xoff = xoff_after_cut(xoff, nx, width());
    }
    void type(int32_t key)
    {
        if (sel)
            cut_selection();
        const Typed t = type_key(buf.get(), pos(buf.get(), nx, tab), key, insert, text_limit(max, maxS));
        if (t.changed && !(maxPos && t.next >= max)) {
            const int32_t to = column_of(buf.get(), t.next, tab);
            if (scrolls())
                xoff = xoff_after_type(xoff, nx, to - nx, width());
            nx = to;
        }
    }
    void moved() { sel = sel == 1 ? 2 : sel; }
    void left()
    {
        const int32_t from = nx;
        nx = column_left(buf.get(), nx, tab);
        if (scrolls() && nx < xoff)
            xoff = xoff_after_left(xoff, from, nx);
        moved();
    }
    void right()
    {
        nx = column_right(buf.get(), nx, tab);
        if (scrolls()) {
            const int32_t c = char_bytes(buf.get(), pos(buf.get(), nx, tab)) == 2 ? 2 : 1;
            xoff = xoff_after_right(xoff, nx, c, width());
        }
        moved();
    }
    void del() { delete_char(buf.get(), pos(buf.get(), nx, tab)); }
    void select(bool toRight)
    {
        if (sel != 1)
            anchor = nx;
        sel = 0;
        toRight ? right() : left();
        sel = 1;
    }
    void jump(bool toEnd)
    {
        nx = toEnd ? column_of(buf.get(), length(buf.get()), tab) : 0;
        if (scrolls())
            xoff = xoff_showing(xoff, nx, width());
    }
};

// The units a key may leave behind: its own characters.
void add_typed(Units &allowed, int32_t key)
{
    const Key k = key_bytes(key);
    if (k.bytes == 2 && IsKanji(k.b[0]))
        ++allowed[k.b[0] << 8 | k.b[1]];
    else
        for (int32_t j = 0; j < k.bytes; ++j)
            ++allowed[k.b[j]];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    Field f;
    f.max = int32_t(data[0] % 140) - 1;  // -1 .. 138, held as the set-up holds it
    f.max = f.max == -1 ? 81 : f.max > kMaxText ? kMaxText : f.max;
    f.maxS = data[1] % 3 ? 0 : std::min<int32_t>(data[1], kMaxText);
    f.tab = int32_t(data[2] % 10) - 2;
    f.maxPos = data[3] & 1;
    const int32_t limit = text_limit(f.max, f.maxS);
    for (size_t k = 4; k < size; ++k) {
        const uint8_t op = data[k];
        const uint8_t arg = k + 1 < size ? data[k + 1] : 0;
        Units before = units_of(f.buf.get());
        int32_t key = 0;
        switch (op % 12) {
        case 0: key = "ab \t~"[arg % 5]; break;               // one-byte characters
        case 1: key = 0x8800 | (0x40 + arg % 0xBD); ++k; break;  // lead and a valid trail
        case 2: key = arg << 8 | (k + 2 < size ? data[k + 2] : 0); k += 2; break;  // any pair
        case 3: f.left(); break;
        case 4: f.right(); break;
        case 5: f.del(); break;
        case 6: f.left(), f.del(); break;
        case 7: f.insert = !f.insert; break;
        case 8: memset(f.buf.get(), 0, kBufSize), f.nx = f.xoff = f.sel = 0, f.insert = false; break;
        case 9: f.select(arg & 1); ++k; break;
        case 10: f.jump(arg & 1); ++k; break;
        case 11: key = arg; ++k; break;                        // any single byte
        }
        if (key) {
            add_typed(before, key);
            ++before[' '];  // the space left in a character typed over
            f.type(key);
        }
        const char *b = f.buf.get();
        const int32_t len = length(b);
        if (b[len] != 0 || b[kMaxText] != 0 || len > limit)
            std::abort();
        for (const auto &u : units_of(b))
            if (u.second > before[u.first])
                std::abort();
        const int32_t at = pos(b, f.nx, f.tab);
        if (f.nx < 0 || at > len || column_of(b, at, f.tab) != f.nx)
            std::abort();
        if (f.scrolls() && (f.xoff < 0 || f.xoff > f.nx || f.nx - f.xoff > std::max(f.width() - 1, 0)))
            std::abort();
    }
    return 0;
}
