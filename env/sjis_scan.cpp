// Shift-JIS aware scanning, copying and case folding.
//
// A lead byte (0x81-0x9F, 0xE0-0xFC) and the byte after it form one
// character; that trail byte may be '\', '|' or a letter, so every scan walks
// character by character from the start of the text. A lead byte right before
// the terminating NUL counts as a character by itself, so no scan ever steps
// over the terminator.
#include "zek2/strings.h"

#include <cstring>

namespace {

inline unsigned char byteAt(const char *text, size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// Length in bytes of the character starting at text[i] (which is not NUL).
inline size_t charLength(const char *text, size_t i)
{
    return (IsKanji(byteAt(text, i)) && text[i + 1] != '\0') ? 2 : 1;
}

}  // namespace

extern "C" {

int ZEKAPI IsKanji(int c)
{
    const unsigned b = static_cast<unsigned>(c) & 0xFFu;
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

int ZEKAPI SetByteToWordStr(const char *text, unsigned short *wide)
{
    if (wide == nullptr)
        return 0;
    int count = 0;
    if (text != nullptr) {
        for (size_t i = 0; text[i] != '\0'; i += charLength(text, i)) {
            unsigned short unit = byteAt(text, i);
            if (charLength(text, i) == 2)
                unit = static_cast<unsigned short>((unit << 8) | byteAt(text, i + 1));
            wide[count++] = unit;
        }
    }
    wide[count] = 0;
    return count;
}

char *ZEKAPI strrchrJ(const char *text, int c)
{
    if (text == nullptr)
        return nullptr;
    const unsigned char wanted = static_cast<unsigned char>(c);
    const char *found = nullptr;
    for (size_t i = 0; text[i] != '\0'; i += charLength(text, i)) {
        if (byteAt(text, i) == wanted)
            found = text + i;
    }
    return const_cast<char *>(found);
}

char *ZEKAPI strrchrS(const char *text)
{
    if (text == nullptr)
        return nullptr;
    const char *found = nullptr;
    for (size_t i = 0; text[i] != '\0'; i += charLength(text, i)) {
        if (text[i] == '\\' || text[i] == '/')
            found = text + i;
    }
    return const_cast<char *>(found);
}

// Walks from the start rather than from `start`, so a start index that falls
// on a trail byte cannot make the trail byte look like a character; a start
// outside the text finds nothing.
int ZEKAPI serch_c(const char *text, int start, int c)
{
    if (text == nullptr || start < 0)
        return -1;
    const unsigned char wanted = static_cast<unsigned char>(c);
    const size_t from = static_cast<size_t>(start);
    for (size_t i = 0; text[i] != '\0'; i += charLength(text, i)) {
        if (i >= from && byteAt(text, i) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

void ZEKAPI strupperJ(char *text)
{
    if (text == nullptr)
        return;
    for (size_t i = 0; text[i] != '\0'; i += charLength(text, i)) {
        if (text[i] >= 'a' && text[i] <= 'z')
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
    }
}

// A plain byte search, as callers use it to find separators they know are
// single-byte.
int ZEKAPI st_ncmp(const char *text, const char *pattern)
{
    if (text == nullptr || pattern == nullptr)
        return -1;
    const size_t textLen = std::strlen(text);
    const size_t patternLen = std::strlen(pattern);
    if (patternLen > textLen)
        return -1;
    for (size_t i = 0; i + patternLen <= textLen; ++i) {
        if (std::memcmp(text + i, pattern, patternLen) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// Copies the part of first..last (inclusive) that lies inside the source, so
// an index past the end or below zero never reads outside the string.
char *ZEKAPI st_ncpy(char *dst, const char *src, int first, int last)
{
    if (dst == nullptr)
        return nullptr;
    if (src == nullptr || last < first || last < 0) {
        dst[0] = '\0';
        return dst;
    }
    const size_t srcLen = std::strlen(src);
    const size_t begin = first < 0 ? 0 : static_cast<size_t>(first);
    const size_t end = static_cast<size_t>(last) + 1 < srcLen ? static_cast<size_t>(last) + 1 : srcLen;
    const size_t n = begin < end ? end - begin : 0;
    std::memmove(dst, src + begin, n);  // the destination may lie inside the source
    dst[n] = '\0';
    return dst;
}

}  // extern "C"
