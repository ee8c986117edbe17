// Random field texts through the typed fields' readers: every output ends
// within its buffer, no input is read past its end (the input lives in an
// exact-size heap block), read values lie within the bounds asked for,
// cuts and trims leave whole characters and a prefix of the input.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "zek2/strings.h"
#include "../text/typed_values.h"

using namespace zek_typed;

namespace {

void check(bool ok)
{
    if (!ok)
        abort();
}

// Whether the cut s (n bytes of src, a block of cells bytes) is whole
// characters: a lead byte stands last only where src ends after it.
bool whole(const char *s, size_t n, const char *src, size_t cells)
{
    for (size_t i = 0; i < n; ++i) {
        if (!IsKanji(static_cast<unsigned char>(s[i])))
            continue;
        if (i + 1 == n)
            return n < cells && src[n] == 0;
        ++i;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const int32_t width = int8_t(data[0]) * 2;
    const int32_t decimals = int8_t(data[1]) % 20;
    const uint8_t which = data[2];
    data += 3, size -= 3;

    // The text as a terminated string of its own size: bytes past it are poisoned.
    const size_t n = strnlen(reinterpret_cast<const char *>(data), size);
    std::unique_ptr<char[]> text(new char[n + 1]);
    memcpy(text.get(), data, n);
    text[n] = 0;

    char out[kWorkSize];
    ascii_digits(text.get(), out);
    check(strnlen(out, kWorkSize) < size_t(kWorkSize));

    // A cut of an unterminated block reads only its first width bytes.
    const int32_t cells = field_cells(width);
    std::unique_ptr<char[]> block(new char[size_t(cells) + 1]);
    memset(block.get(), 'x', size_t(cells) + 1);
    memcpy(block.get(), data, std::min(size, size_t(cells)));
    std::unique_ptr<char[]> fixed(new char[size_t(cells)]);
    memcpy(fixed.get(), block.get(), size_t(cells));
    const int32_t got = copy_cut(out, fixed.get(), width);
    check(got >= 0 && got <= cells && out[got] == 0 && memcmp(out, fixed.get(), size_t(got)) == 0);
    check(whole(out, size_t(got), fixed.get(), size_t(cells)));

    // Trimming drops a tail of the cut and nothing more the second time.
    const int32_t kept = trim_blanks(out);
    check(kept <= got && out[kept] == 0 && memcmp(out, fixed.get(), size_t(kept)) == 0);
    check(trim_blanks(out) == kept);

    static const int64_t bounds[][2] = {
        {INT16_MIN, INT16_MAX}, {INT32_MIN, INT32_MAX}, {INT64_MIN, INT64_MAX}, {0, 255}};
    const int64_t *b = bounds[which % 4];
    int64_t v = 0;
    const Read r = read_integer(text.get(), b[0], b[1], &v);
    check(r != Read::Value || (v >= b[0] && v <= b[1]));
    check((r == Read::Empty) == (n == 0));

    double d = 0;
    if (read_decimal(text.get(), width, decimals, &d) == Read::Value) {
        const int32_t places = field_decimals(decimals);
        const int32_t whole_places = places ? cells - places - 1 : cells;
        check(std::isfinite(d) && std::fabs(d) < std::pow(10.0, whole_places));
    }
    return 0;
}
