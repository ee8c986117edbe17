// The values of typed fields: the text a field accepted read as a number or
// a string, without windows (built and tested natively).
//
// Numbers are read as the C runtime's atoi and atof read them: leading
// white space, a sign, then as many digits (and for a decimal a point, a
// fraction and an exponent) as stand there; the rest is ignored, and text
// without digits reads 0. Full-width digits, point and minus count as their
// ASCII forms. A number that does not fit the variable is refused, never
// wrapped or saturated.
#ifndef ZEK_TEXT_TYPED_VALUES_H
#define ZEK_TEXT_TYPED_VALUES_H

#include <cstdint>

namespace zek_typed {

// A working copy of a field's text: 128 bytes and the NUL.
constexpr int32_t kWorkSize = 129;
constexpr int32_t kMaxCells = kWorkSize - 1;
// The most decimals a value is rounded to: rud's last place (14) rounds
// at the fifteenth decimal and leaves its guard in the value.
constexpr int32_t kMaxDecimals = 13;

// A field width held to 0..128 cells.
int32_t field_cells(int32_t width);
// Decimals held to 0..kMaxDecimals.
int32_t field_decimals(int32_t decimals);

// Copies at most 128 bytes of text into out (kWorkSize bytes), full-width
// "０".."９", "．", "－" as '0'..'9', '.', '-'; other characters unchanged.
// A two-byte character is copied whole or not at all. out always ends in NUL.
void ascii_digits(const char *text, char *out);

// Copies the first width bytes of text into out (room for width + 1 bytes,
// width held to 0..128), ended before a two-byte character that the width
// would split; no byte of text at or past width is read. Returns the bytes
// copied. A null text copies nothing.
int32_t copy_cut(char *out, const char *text, int32_t width);

// Drops trailing ASCII spaces and full-width spaces (0x81 0x40), character
// by character from the start, so the trail byte of another two-byte
// character is never taken for a blank. Returns the new length.
int32_t trim_blanks(char *text);

enum class Read {
    Empty,    // no text: the variable keeps its value
    Value,    // the value to store
    Refused,  // does not fit: the field runs again
};

// An integer from text, refused outside [lo, hi] (also when it overflows
// every integer type).
Read read_integer(const char *text, int64_t lo, int64_t hi, int64_t *value);

// A decimal from text rounded half away from zero to decimals places,
// refused when not finite or when its integer part needs more than the
// places the field leaves for it: width cells without decimals, else width
// less the decimals and the point.
Read read_decimal(const char *text, int32_t width, int32_t decimals, double *value);

}  // namespace zek_typed

#endif
