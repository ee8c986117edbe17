// Case-insensitive and natural-order string comparison.
#include "zek2/strings.h"

#include <cstddef>

namespace {

inline int foldUpper(unsigned char b)
{
    return (b >= 'a' && b <= 'z') ? b - 'a' + 'A' : b;
}

// Compares at most `limit` bytes; a null string reads as empty.
int compareFolded(const char *a, const char *b, size_t limit)
{
    if (a == nullptr)
        a = "";
    if (b == nullptr)
        b = "";
    size_t i = 0;
    for (; i < limit && a[i] != '\0' && b[i] != '\0'; ++i) {
        const int ca = foldUpper(static_cast<unsigned char>(a[i]));
        const int cb = foldUpper(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    if (i == limit)
        return 0;
    if (a[i] == b[i])
        return 0;
    return a[i] != '\0' ? 1 : -1;
}

constexpr int kDigitWidth = 15;

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Yields the bytes of a string's natural-order key one at a time: each run
// of fewer than 15 digits is preceded by spaces up to a width of 15, so that
// runs of digits compare by value. The key is never stored, so strings of
// any length compare by their whole key instead of a truncated one.
class NaturalKey {
public:
    explicit NaturalKey(const char *text) : text_(text != nullptr ? text : "") {}

    // Next key byte, 0 at the end.
    unsigned char next()
    {
        if (pad_ > 0) {
            --pad_;
            return ' ';
        }
        const char c = text_[pos_];
        if (c == '\0')
            return 0;
        if (isDigit(c) && !inRun_) {
            size_t run = 1;
            while (isDigit(text_[pos_ + run]))
                ++run;
            inRun_ = true;
            if (run < static_cast<size_t>(kDigitWidth)) {
                pad_ = kDigitWidth - static_cast<int>(run) - 1;
                return ' ';
            }
        } else if (!isDigit(c)) {
            inRun_ = false;
        }
        ++pos_;
        return static_cast<unsigned char>(c);
    }

private:
    const char *text_;
    size_t pos_ = 0;
    int pad_ = 0;
    bool inRun_ = false;
};

}  // namespace

extern "C" {

int ZEKAPI strcmpU(const char *a, const char *b)
{
    return compareFolded(a, b, static_cast<size_t>(-1));
}

// The count is in bytes, like strncmp's.
int ZEKAPI strncmpU(const char *a, const char *b, int count)
{
    if (count <= 0)
        return 0;
    return compareFolded(a, b, static_cast<size_t>(count));
}

int ZEKAPI st_cmp(const char *a, const char *b)
{
    NaturalKey keyA(a);
    NaturalKey keyB(b);
    for (;;) {
        const unsigned char ca = keyA.next();
        const unsigned char cb = keyB.next();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

int ZEKAPI DbKeyCmp(int numberA, const char *a, int numberB, const char *b)
{
    if (numberA != numberB)
        return numberA < numberB ? -1 : 1;
    return st_cmp(a, b);
}

}  // extern "C"
