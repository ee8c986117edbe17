// The values of typed fields: reading numbers and strings a field accepted.
#include "typed_values.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "zek2/strings.h"
#include "zek2/survey.h"

namespace zek_typed {

namespace {

unsigned char at(const char *s, int32_t i) { return static_cast<unsigned char>(s[i]); }

bool lead(const char *s, int32_t i) { return IsKanji(at(s, i)) != 0; }

bool blank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool digit(char c) { return c >= '0' && c <= '9'; }

// The ASCII form of a full-width digit, point or minus, or 0.
char ascii_of(unsigned char a, unsigned char b)
{
    if (a == 0x82 && b >= 0x4F && b <= 0x58)
        return char('0' + (b - 0x4F));
    if (a == 0x81 && b == 0x44)
        return '.';
    if (a == 0x81 && b == 0x7C)
        return '-';
    return 0;
}

// Where the number starts (after white space) and where its digits end.
struct Span {
    const char *start, *end;
    bool digits;
};

Span integer_span(const char *s)
{
    while (blank(static_cast<unsigned char>(*s)))
        ++s;
    const char *p = s + (*s == '+' || *s == '-');
    const char *d = p;
    while (digit(*p))
        ++p;
    return {s, p, p != d};
}

Span decimal_span(const char *s)
{
    Span n = integer_span(s);
    const char *p = n.end;
    if (*p == '.') {
        const char *f = ++p;
        while (digit(*p))
            ++p;
        n.digits = n.digits || p != f;
    }
    if (!n.digits)
        return n;
    if (*p == 'e' || *p == 'E') {
        const char *e = p + 1;
        e += *e == '+' || *e == '-';
        if (digit(*e)) {
            while (digit(*e))
                ++e;
            p = e;
        }
    }
    n.end = p;
    return n;
}

}  // namespace

int32_t field_cells(int32_t width) { return std::clamp(width, int32_t(0), kMaxCells); }

int32_t field_decimals(int32_t decimals) { return std::clamp(decimals, int32_t(0), kMaxDecimals); }

void ascii_digits(const char *text, char *out)
{
    int32_t o = 0;
    for (int32_t i = 0; text && text[i] && i < kMaxCells;) {
        if (lead(text, i) && text[i + 1]) {
            if (const char c = ascii_of(at(text, i), at(text, i + 1))) {
                out[o++] = c;
            } else {
                if (o + 2 > kMaxCells)
                    break;
                out[o++] = text[i];
                out[o++] = text[i + 1];
            }
            i += 2;
        } else {
            out[o++] = text[i++];
        }
    }
    out[o] = 0;
}

int32_t copy_cut(char *out, const char *text, int32_t width)
{
    const int32_t n = field_cells(width);
    int32_t i = 0;
    while (text && i < n && text[i]) {
        const int32_t k = lead(text, i) && i + 1 < n && text[i + 1] ? 2 : 1;
        // A lead byte on the last cell would lose its trail to the cut.
        if (k == 1 && lead(text, i) && i + 1 == n)
            break;
        i += k;
    }
    if (i > 0)
        memcpy(out, text, size_t(i));
    out[i] = 0;
    return i;
}

int32_t trim_blanks(char *text)
{
    int32_t keep = 0;
    int32_t i = 0;
    while (i < kMaxCells && text[i]) {
        const int32_t k = lead(text, i) && text[i + 1] ? 2 : 1;
        const bool space = k == 1 ? text[i] == ' ' : at(text, i) == 0x81 && at(text, i + 1) == 0x40;
        i += k;
        if (!space)
            keep = i;
    }
    text[keep] = 0;
    return keep;
}

Read read_integer(const char *text, int64_t lo, int64_t hi, int64_t *value)
{
    if (!text || !*text)
        return Read::Empty;
    char work[kWorkSize];
    ascii_digits(text, work);
    const Span n = integer_span(work);
    // The magnitude is gathered unsigned and stops growing once past every
    // bound a caller can give.
    const uint64_t cap = uint64_t(INT64_MAX) + 1;
    uint64_t m = 0;
    for (const char *p = n.start + (*n.start == '+' || *n.start == '-'); p < n.end; ++p)
        m = m > cap / 10 ? cap + 1 : std::min(m * 10 + uint64_t(*p - '0'), cap + 1);
    const bool negative = *n.start == '-';
    if (m > cap || (!negative && m == cap))
        return Read::Refused;
    const int64_t v = negative ? (m == cap ? INT64_MIN : -int64_t(m)) : int64_t(m);
    if (v < lo || v > hi)
        return Read::Refused;
    *value = v;
    return Read::Value;
}

Read read_decimal(const char *text, int32_t width, int32_t decimals, double *value)
{
    if (!text || !*text)
        return Read::Empty;
    char work[kWorkSize];
    ascii_digits(text, work);
    const Span n = decimal_span(work);
    double v = 0;
    if (n.digits) {
        // Only the number is handed to strtod, so that no runtime reads
        // hexadecimal, "inf" or "nan" where atof of another would not.
        work[n.end - work] = 0;
        v = strtod(n.start, nullptr);
    }
    if (!std::isfinite(v))
        return Read::Refused;
    const int32_t places = field_decimals(decimals);
    const int32_t cells = field_cells(width);
    const int32_t whole = places == 0 ? cells : cells - places - 1;
    v = rud(v, 5, places);
    if (!(std::fabs(v) < std::pow(10.0, whole)))
        return Read::Refused;
    *value = v;
    return Read::Value;
}

}  // namespace zek_typed
