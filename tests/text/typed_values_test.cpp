// Reading typed fields' text at its corners: buffer ends, cuts, trail
// bytes that look like blanks, overflow and rounding.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../../text/typed_values.h"

using namespace zek_typed;

namespace {

std::string ascii(const std::string &s)
{
    char out[kWorkSize];
    memset(out, 'Z', sizeof out);
    ascii_digits(s.c_str(), out);
    return out;
}

std::string cut(const char *s, int32_t width)
{
    char out[kWorkSize + 8];
    memset(out, 'Z', sizeof out);
    const int32_t n = copy_cut(out, s, width);
    EXPECT_EQ(size_t(n), strlen(out));
    return out;
}

std::string trimmed(std::string s) { return trim_blanks(s.data()), s.c_str(); }

Read integer(const char *s, int64_t lo, int64_t hi, int64_t *v) { return read_integer(s, lo, hi, v); }

}  // namespace

TEST(TypedValues, CopiesEndInTheirBuffersAndKeepPairsWhole)
{
    EXPECT_EQ(ascii("\x81\x7C\x82\x4F" "a\x88\x9f\x82\x58"), "-0a\x88\x9f" "9");
    EXPECT_EQ(ascii(std::string(200, '7')), std::string(128, '7'));
    EXPECT_EQ(ascii(std::string(127, '7') + "\x88\x9f"), std::string(127, '7'));
    EXPECT_EQ(ascii(std::string(127, '7') + "\x82\x51"), std::string(127, '7') + "2");

    EXPECT_EQ(cut("ab\x88\x9f" "c", 4), "ab\x88\x9f");
    EXPECT_EQ(cut("a\x88\x40", 2), "a");  // 0x40 is a trail here, not a character
    EXPECT_EQ(cut("abc", 0) + cut("abc", -5) + cut(nullptr, 5), "");
    EXPECT_EQ(cut(std::string(300, 'x').c_str(), 500), std::string(128, 'x'));
    const char fixed[4] = {'a', 'b', 'c', 'd'};  // not terminated: nothing past width is read
    EXPECT_EQ(cut(fixed, 4), "abcd");

    EXPECT_EQ(trimmed("a\x88\x40 \x81\x40"), "a\x88\x40");  // a trail 0x40 is no blank
    EXPECT_EQ(trimmed("\x88\x81\x40"), "\x88\x81\x40");     // nor 0x81 0x40 across a pair
    EXPECT_EQ(trimmed("   "), "");
}

TEST(TypedValues, NumbersAreRefusedWhenTheyDoNotFitNeverWrapped)
{
    int64_t v = -777;
    EXPECT_EQ(integer("abc", INT16_MIN, INT16_MAX, &v), Read::Value);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(integer("-32768", INT16_MIN, INT16_MAX, &v), Read::Value);
    EXPECT_EQ(v, -32768);
    EXPECT_EQ(integer("32768", INT16_MIN, INT16_MAX, &v), Read::Refused);
    EXPECT_EQ(integer("99999999999999999999999", INT64_MIN, INT64_MAX, &v), Read::Refused);
    EXPECT_EQ(integer("-9223372036854775808", INT64_MIN, INT64_MAX, &v), Read::Value);
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_EQ(integer("", 0, 1, &v), Read::Empty);

    double d = -777;
    const auto decimal = [&](const char *s, int32_t width, int32_t places) {
        d = -777;
        return read_decimal(s, width, places, &d);
    };
    EXPECT_EQ(decimal("-2.345", 8, 2), Read::Value);
    EXPECT_EQ(d, -2.35);
    EXPECT_EQ(decimal("99999.996", 8, 2), Read::Refused);  // rounds to 100000
    EXPECT_EQ(decimal("-1e300", 8, 2), Read::Refused);     // too wide either side of 0
    EXPECT_EQ(decimal("1e999", 8, 2), Read::Refused);
    EXPECT_EQ(decimal("12345678", 8, 0), Read::Value);
    EXPECT_EQ(decimal("123456789", 8, 0), Read::Refused);
    EXPECT_EQ(decimal("1.5e2x", 8, 0), Read::Value);
    EXPECT_EQ(d, 150);
    // Only decimal text is read, alike on every runtime.
    for (const char *s : {"inf", "nan", "0x10", "."}) {
        EXPECT_EQ(decimal(s, 8, 0), Read::Value);
        EXPECT_EQ(d, 0) << s;
    }
    EXPECT_EQ(decimal("0", -3, 40), Read::Value);  // broken widths and decimals hold only 0
    EXPECT_EQ(decimal("1", -3, 40), Read::Refused);
}
