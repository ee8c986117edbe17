// Printing into the shared message log and showing it on a window's text
// screen. The window's members are reached by name, so any object that has
// the text-screen members and methods can show the log.
#include <cstdio>
#include <vector>

#include "zek2/shared.h"
#include "zek2/strings.h"

#include "../runtime/member_lookup.h"
#include "../runtime/shared_block.h"
#include "shared_log.h"

namespace {

using InvalidateFn = int(ZEKAPI *)(ZEK_object *, const RECT *, int);
using CursorFn = void(ZEKAPI *)(ZEK_object *, int, int);
using PutsnFn = ZEK_object *(ZEKAPI *)(ZEK_object *, const char *);

int read_int(ZEK_object *window, const char *name)
{
    auto *value = static_cast<const int32_t *>(zek_find_data(window, name));
    return value ? *value : 0;
}

}  // namespace

extern "C" void ZEKAPI Shared__printf(ZEK_object *window, const char *format, va_list arguments)
{
    if (!format)
        return;
    // Format whole, so that the line feeds of a long text still end its lines;
    // each line is cut to the slot size when it is stored.
    char small[kLogLineBytes];
    va_list again;
    va_copy(again, arguments);
    int length = std::vsnprintf(small, sizeof small, format, arguments);
    if (length >= int(sizeof small)) {
        std::vector<char> large(size_t(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        shared_log_write(&zek_shared_tail()->log, large.data());
    } else if (length >= 0) {
        shared_log_write(&zek_shared_tail()->log, small);
    }
    va_end(again);
    if (window)
        if (auto invalidate = reinterpret_cast<InvalidateFn>(zek_find_method(window, "InvalidateRect")))
            invalidate(window, nullptr, 0);
}

extern "C" void ZEKAPI Shared_printf0(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    Shared__printf(nullptr, format, arguments);
    va_end(arguments);
}

extern "C" void ZEKAPI Shared_printf(ZEK_object *window, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    Shared__printf(window, format, arguments);
    va_end(arguments);
}

extern "C" int ZEKAPI Shared_Paint(ZEK_object *window)
{
    auto cursor = reinterpret_cast<CursorFn>(zek_find_method(window, "Cursor"));
    auto putsn = reinterpret_cast<PutsnFn>(zek_find_method(window, "putsn"));
    if (!cursor || !putsn)
        return 0;
    int columns = read_int(window, "WinWdCx");
    int rows = read_int(window, "WinWdCy");
    if (columns < 0)
        columns = 0;
    const SharedLog *log = &zek_shared_tail()->log;
    int line = shared_log_first_shown(log, rows);
    for (int r = 0; r < rows; ++r) {
        cursor(window, 0, r);
        // A window taller than the ring shows blank rows below its lines.
        const char *text = r < kLogLines ? log->lines[line] : "";
        putsn(window, form("%-*.*s", columns, kLogLineBytes - 1, text));
        line = (line + 1) % kLogLines;
    }
    return 0;
}
