// Random button entry tables read into records and laid out. The input is
// copied into an exact-size heap buffer so a read past it is caught. The scan
// never counts more entries than the input holds or the limit allows, every
// record's texts end within their fields, every mode cell is a record's own,
// and the layouts stay inside the records they are given.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "../furniture/button_entry.h"
#include "../furniture/button_layout.h"

namespace {

template <size_t N>
void check_text(const char (&s)[N])
{
    if (!std::memchr(s, '\0', N))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    // The first bytes choose the conversion and the layout.
    const bool pixels = data[0] & 1;
    const CellPitch pitch{int8_t(data[1]) * 300, int8_t(data[2])};
    const int32_t kind = data[3] % 6, width = int8_t(data[4]) * 40;
    data += 5;
    size -= 5;
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[size ? size : 1]);
    std::memcpy(bytes.get(), data, size);

    const EntryScan scan = scan_button_entries(bytes.get(), size);
    if (scan.entries < 0 || scan.buttons < 0 || scan.buttons > scan.entries ||
        scan.entries > kMaxButtonEntries || size_t(scan.entries) * kButtonEntryBytes > size)
        std::abort();
    if (scan.kind != EntryTable::Buttons)
        return 0;

    std::vector<AtrTable_button> records(size_t(scan.buttons) + 1);
    AtrTable_button &guard = records.back();
    std::memset(&guard, 0x5A, sizeof guard);
    const AtrTable_button before = guard;
    AtrLayout table{};
    const int32_t n = fill_buttons(bytes.get(), scan, pixels, pitch, records.data(), scan.buttons, &table);
    if (n != scan.buttons)
        std::abort();
    for (int32_t i = 0; i < n; ++i) {
        const AtrTable_button &b = records[size_t(i)];
        check_text(b.str);
        check_text(b.hint);
        check_text(b.cls);
        const int16_t *cell = b.pMode;
        if (cell < &records[0].pModeD || cell > &b.pModeD ||
            (reinterpret_cast<const char *>(cell) - reinterpret_cast<const char *>(&records[0].pModeD)) %
                sizeof(AtrTable_button))
            std::abort();
        if (b.wx < 0 || b.wy < 0)
            std::abort();
    }
    table.bPos = kind;
    table.bEdgeFlag = 1;
    table.bFwx = width;
    layout_tool_bar(table, records.data(), n, width);
    layout_mode_menu(table, records.data(), n, width);
    layout_status_bar(records.data(), n, width);
    if (std::memcmp(&guard, &before, sizeof guard))
        std::abort();
    return 0;
}
