// The toolbar file: its first two lines are the bar's layout, the rest
// belongs to the programs. Rewriting it is bytes in, bytes out; the file
// access is the caller's. No Windows here: built, tested and fuzzed natively.
//
// Line 1 "0 name pos posBuf", line 2 "1 x y width height". The name token is
// carried over from the old line 1 (read as an integer then a token); the
// program's lines, from the third on, are copied byte for byte whatever their
// length or number, a last line without a newline included.
#ifndef ZEK_FURNITURE_TOOLBAR_FILE_H
#define ZEK_FURNITURE_TOOLBAR_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>

struct ToolFileLayout {
    int32_t pos, posBuf;        // line 1: bPos, bPosBuf
    int32_t x, y, width, height;  // line 2: relative to the owner window
};

// Larger files are not rewritten (nor read whole): no toolbar file is this big.
constexpr size_t kToolFileMaxBytes = size_t(4) << 20;

// The name token of line 1, or false when line 1 does not start with an
// integer followed by a token.
bool tool_file_name(const char *data, size_t size, std::string *name);

// A name usable as the token when the file gives none: fallback with every
// blank or control byte made '_' (Shift-JIS trail bytes are never either),
// "_" when fallback is null or empty.
std::string tool_file_fallback_name(const char *fallback);

// The new file. Our two lines end as the old line 1 did ("\n" or "\r\n"),
// "\r\n" when it had no ending. False, out untouched, when size is over
// kToolFileMaxBytes or data is null with a size.
bool rewrite_tool_file(const char *data, size_t size, const ToolFileLayout &layout,
                       const char *fallbackName, std::string *out);

#endif
