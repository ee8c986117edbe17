// Reading typed fields' text: full-width digits, cuts, blanks and ranges.
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

std::string trimmed(std::string s)
{
    trim_blanks(s.data());
    return s.c_str();
}

int64_t integer(const char *s, int64_t lo, int64_t hi, Read want = Read::Value)
{
    int64_t v = -777;
    EXPECT_EQ(read_integer(s, lo, hi, &v), want) << s;
    return v;
}

double decimal(const char *s, int32_t width, int32_t decimals, Read want = Read::Value)
{
    double v = -777;
    EXPECT_EQ(read_decimal(s, width, decimals, &v), want) << s;
    return v;
}

}  // namespace

TEST(TypedValues, FullWidthDigitsBecomeAsciiAndTheCopyAlwaysEnds)
{
    EXPECT_EQ(ascii("\x82\x50\x82\x51\x81\x44\x82\x54"), "12.5");
    EXPECT_EQ(ascii("\x81\x7C\x82\x4F" "a\x88\x9f\x82\x58"), "-0a\x88\x9f" "9");
    // 128 bytes of input fill the copy; a pair that would pass it is dropped.
    EXPECT_EQ(ascii(std::string(200, '7')), std::string(128, '7'));
    EXPECT_EQ(ascii(std::string(127, '7') + "\x88\x9f"), std::string(127, '7'));
    EXPECT_EQ(ascii(std::string(127, '7') + "\x82\x51"), std::string(127, '7') + "2");
}

TEST(TypedValues, CutsKeepPairsWholeAndTrimsSpareOtherTrailBytes)
{
    EXPECT_EQ(cut("ab\x88\x9f" "c", 3), "ab");
    EXPECT_EQ(cut("ab\x88\x9f" "c", 4), "ab\x88\x9f");
    EXPECT_EQ(cut("a\x88\x40", 2), "a");  // 0x40 is a trail here, not a character
    EXPECT_EQ(cut("abc", 0) + cut("abc", -5) + cut(nullptr, 5), "");
    EXPECT_EQ(cut(std::string(300, 'x').c_str(), 500), std::string(128, 'x'));
    const char fixed[4] = {'a', 'b', 'c', 'd'};  // not terminated: nothing past width is read
    EXPECT_EQ(cut(fixed, 4), "abcd");

    EXPECT_EQ(trimmed("ab \x81\x40 \x81\x40"), "ab");
    EXPECT_EQ(trimmed("a\x81\x81 "), "a\x81\x81");     // a pair whose trail is 0x81
    EXPECT_EQ(trimmed("a\x88\x40"), "a\x88\x40");      // ... or 0x40
    EXPECT_EQ(trimmed("\x88\x81\x40"), "\x88\x81\x40");  // 0x81 0x40 is not a blank here
    EXPECT_EQ(trimmed("   "), "");
}

TEST(TypedValues, IntegersReadAsAtoiDoButNeverWrap)
{
    EXPECT_EQ(integer("  12abc", INT16_MIN, INT16_MAX), 12);
    EXPECT_EQ(integer("abc", INT16_MIN, INT16_MAX), 0);
    EXPECT_EQ(integer("\x81\x7C\x82\x58\x82\x58", INT16_MIN, INT16_MAX), -99);
    EXPECT_EQ(integer("-32768", INT16_MIN, INT16_MAX), -32768);
    integer("99999", INT16_MIN, INT16_MAX, Read::Refused);  // not -31073
    integer("32768", INT16_MIN, INT16_MAX, Read::Refused);
    EXPECT_EQ(integer("-2147483648", INT32_MIN, INT32_MAX), INT32_MIN);
    integer("2147483648", INT32_MIN, INT32_MAX, Read::Refused);
    integer("99999999999999999999999", INT64_MIN, INT64_MAX, Read::Refused);
    EXPECT_EQ(integer("-9223372036854775808", INT64_MIN, INT64_MAX), INT64_MIN);
    EXPECT_EQ(integer("", 0, 1, Read::Empty), -777);
}

TEST(TypedValues, DecimalsRoundHalfUpAndMustFitTheField)
{
    EXPECT_EQ(decimal("\x82\x50\x82\x51\x81\x44\x82\x54", 8, 2), 12.5);
    EXPECT_EQ(decimal("2.345", 8, 2), 2.35);
    EXPECT_EQ(decimal("-2.345", 8, 2), -2.35);
    EXPECT_EQ(decimal("99999.99", 8, 2), 99999.99);
    decimal("99999.996", 8, 2, Read::Refused);  // rounds to 100000
    decimal("100000", 8, 2, Read::Refused);
    decimal("-1e300", 8, 2, Read::Refused);
    decimal("1e999", 8, 2, Read::Refused);
    EXPECT_EQ(decimal("12345678", 8, 0), 12345678);
    decimal("123456789", 8, 0, Read::Refused);
    EXPECT_EQ(decimal("1.5e2x", 8, 0), 150);
    EXPECT_EQ(decimal("inf", 8, 0) + decimal("0x10", 8, 0) + decimal("1e", 8, 0), 1);
    EXPECT_EQ(decimal("", 8, 2, Read::Empty), -777);
    EXPECT_EQ(decimal("0", -3, 40), 0);  // broken widths and decimals read, and hold only 0
    decimal("1", -3, 40, Read::Refused);
}
