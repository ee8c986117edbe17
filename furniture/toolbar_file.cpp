// Toolbar file rewriting.
#include "toolbar_file.h"

#include <cstdio>
#include <cstring>

namespace {

// What the formatted reading of a line skips between fields; NUL ends a token.
bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// Index of the '\n' ending the line that starts at from; size when none does.
size_t line_end(const char *data, size_t from, size_t size)
{
    const void *nl = from < size ? std::memchr(data + from, '\n', size - from) : nullptr;
    return nl ? size_t(static_cast<const char *>(nl) - data) : size;
}

}  // namespace

bool tool_file_name(const char *data, size_t size, std::string *name)
{
    if (!data)
        return false;
    const size_t end = line_end(data, 0, size);
    size_t i = 0;
    while (i < end && blank(data[i]))
        ++i;
    if (i < end && (data[i] == '+' || data[i] == '-'))
        ++i;
    if (i >= end || !digit(data[i]))
        return false;
    while (i < end && digit(data[i]))
        ++i;
    while (i < end && blank(data[i]))
        ++i;
    const size_t from = i;
    while (i < end && data[i] != '\0' && !blank(data[i]))
        ++i;
    if (i == from)
        return false;
    if (name)
        name->assign(data + from, i - from);
    return true;
}

std::string tool_file_fallback_name(const char *fallback)
{
    std::string name = fallback ? fallback : "";
    for (char &c : name)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
            c = '_';
    return name.empty() ? "_" : name;
}

bool rewrite_tool_file(const char *data, size_t size, const ToolFileLayout &layout,
                       const char *fallbackName, std::string *out)
{
    if (!out || size > kToolFileMaxBytes || (!data && size))
        return false;
    std::string name;
    if (!tool_file_name(data, size, &name))
        name = tool_file_fallback_name(fallbackName);

    const size_t end1 = line_end(data, 0, size);
    const char *eol = end1 < size && end1 > 0 && data[end1 - 1] == '\r' ? "\r\n"
                      : end1 < size                                   ? "\n"
                                                                      : "\r\n";
    // The program's lines start after line 2's newline.
    size_t tail = size;
    if (end1 < size) {
        const size_t end2 = line_end(data, end1 + 1, size);
        tail = end2 < size ? end2 + 1 : size;
    }

    char numbers[80];
    std::string text = "0 " + name;
    std::snprintf(numbers, sizeof numbers, " %d %d", int(layout.pos), int(layout.posBuf));
    text += numbers;
    text += eol;
    std::snprintf(numbers, sizeof numbers, "1 %d %d %d %d", int(layout.x), int(layout.y),
                  int(layout.width), int(layout.height));
    text += numbers;
    text += eol;
    text.append(data ? data + tail : "", size - tail);
    out->swap(text);
    return true;
}
