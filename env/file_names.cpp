// Taking Shift-JIS file names apart. Each name is first turned into one unit
// a character (SetByteToWordStr), so a trail byte 0x5C is never a separator,
// and the chosen units are turned back into bytes.
#include "zek2/filenames.h"

#include <cstring>
#include <string>

#include "zek2/strings.h"

namespace {

constexpr int kWorkChars = 260;

struct WideName {
    unsigned short units[kWorkChars];
    int count;
};

// False for a null name or one longer than a MAX_PATH buffer holds, so every
// part taken from it fits the caller's buffer; the scan stops at the limit,
// so long names cost no more than short ones.
bool widen(const char *name, WideName &wide)
{
    if (name == nullptr)
        return false;
    for (size_t i = 0; name[i] != '\0'; ++i)
        if (i == ZEK_NAME_MAX_BYTES)
            return false;
    wide.count = SetByteToWordStr(name, wide.units);
    return true;
}

std::string narrow(const WideName &wide, int from, int to)
{
    std::string bytes;
    for (int i = from; i < to; ++i) {
        const unsigned short unit = wide.units[i];
        if (unit > 0xFF)
            bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

// Index of the last '\' or ':', -1 when there is none.
int lastSeparator(const WideName &wide)
{
    for (int i = wide.count - 1; i >= 0; --i)
        if (wide.units[i] == '\\' || wide.units[i] == ':')
            return i;
    return -1;
}

// End of the key name inside the file-name part [from, count).
int keyEnd(const WideName &wide, int from)
{
    for (int i = wide.count - 1; i >= from; --i)
        if (wide.units[i] == '.')
            return i;
    return wide.count;
}

int put(const std::string &bytes, char *output)
{
    std::memcpy(output, bytes.c_str(), bytes.size() + 1);
    return static_cast<int>(bytes.size());
}

// Full-width replacement of a byte that may not stand in a file name, or 0.
unsigned char fullWidthTrail(unsigned char c)
{
    switch (c) {
    case '"': return 0x68;
    case '*': return 0x96;
    case '.': return 0x44;
    case '/': return 0x5E;
    case ':': return 0x46;
    case ';': return 0x47;
    case '<': return 0x83;
    case '>': return 0x84;
    case '?': return 0x48;
    case '\\': return 0x8F;
    case '|': return 0x62;
    default: return 0;
    }
}

bool isTrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

}  // namespace

extern "C" {

char *ZEKAPI GetFileNameToPathName(const char *name, char *output)
{
    if (output == nullptr)
        return nullptr;
    WideName wide;
    if (!widen(name, wide)) {
        output[0] = '\0';
        return nullptr;
    }
    const int sep = lastSeparator(wide);
    int end = wide.count;
    if (sep >= 0)
        end = wide.units[sep] == ':' ? sep + 1 : sep;
    put(narrow(wide, 0, end), output);
    return output;
}

int ZEKAPI GetFileNameToFileName(const char *name, char *output)
{
    if (output == nullptr)
        return 0;
    WideName wide;
    if (!widen(name, wide)) {
        output[0] = '\0';
        return 0;
    }
    return put(narrow(wide, lastSeparator(wide) + 1, wide.count), output);
}

int ZEKAPI GetFileNameToKeyName(const char *name, char *output)
{
    if (output == nullptr)
        return 0;
    WideName wide;
    if (!widen(name, wide)) {
        output[0] = '\0';
        return 0;
    }
    const int from = lastSeparator(wide) + 1;
    return put(narrow(wide, from, keyEnd(wide, from)), output);
}

char *ZEKAPI GetFileNameToFileType(const char *name)
{
    if (name == nullptr || name[0] == '\0')
        return nullptr;
    const char *dot = strrchrJ(name, '.');
    return const_cast<char *>(dot ? dot + 1 : name + std::strlen(name));
}

// The directory part is kept byte for byte with its separator, so 'y.dat'
// stays relative and 'C:y.dat' stays on the drive's current directory.
int ZEKAPI SetFileNameToCheck(char *name, const char *extension)
{
    WideName wide;
    if (extension == nullptr || !widen(name, wide))
        return 0;
    const int from = lastSeparator(wide) + 1;
    std::string result = narrow(wide, 0, from) + narrow(wide, from, keyEnd(wide, from));
    if (extension[0] != '\0')
        result += std::string(".") + extension;
    if (result.size() > ZEK_NAME_MAX_BYTES)
        return 0;
    put(result, name);
    return 1;
}

int ZEKAPI SetOutputFileName(const char *text, char *output)
{
    if (output == nullptr)
        return 0;
    size_t out = 0;
    if (text != nullptr) {
        for (size_t i = 0; text[i] != '\0'; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            const unsigned char next = static_cast<unsigned char>(text[i + 1]);
            if (IsKanji(c) && isTrailByte(next)) {
                output[out++] = static_cast<char>(c);
                output[out++] = static_cast<char>(next);
                ++i;
            } else if (const unsigned char trail = fullWidthTrail(c)) {
                output[out++] = static_cast<char>(0x81);
                output[out++] = static_cast<char>(trail);
            } else if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF)) {
                output[out++] = static_cast<char>(c);
            } else {
                output[out++] = '_';
            }
        }
    }
    output[out] = '\0';
    return static_cast<int>(out);
}

}  // extern "C"
