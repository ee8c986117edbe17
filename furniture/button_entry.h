// The button table entries a program hands to Win_InitButton, and their
// conversion into button records. No Windows here: built and tested natively.
//
// An entry is byte-packed. Its bitmap pointers keep their full width, so an
// entry is 146 bytes in 32 bits and 162 in 64; everything before them sits at
// the same offsets in both.
#ifndef ZEK_FURNITURE_BUTTON_ENTRY_H
#define ZEK_FURNITURE_BUTTON_ENTRY_H

#include <cstddef>
#include <cstdint>

#include "button_record.h"
#include "zek2/menus.h"

#pragma pack(push, 1)
struct ButtonEntry {
    int16_t state;      // -1 end; 1 enabled, 2 hidden, else grayed
    int16_t onOff;      // low byte: bOnOff
    int16_t group;
    int16_t mode;       // initial pModeD
    int16_t frame;      // kRectEntryFrame: the table's rectangle, no button
    int16_t x, y, w, h; // cells or pixels
    int16_t ox, oy;     // pixels
    int32_t comId;
    int16_t comType;
    int16_t runMode;
    int32_t key;
    char text[32];      // NUL-terminated only when shorter than 32
    char hint[32];
    char text2[32];
    const void *bmpInfo;   // header with colour table; null: text button
    const void *bmpBits;
    const void *selInfo;   // picture while selected; null: none
    const void *selBits;
};
#pragma pack(pop)

static_assert(offsetof(ButtonEntry, frame) == 8 && offsetof(ButtonEntry, x) == 10 &&
                  offsetof(ButtonEntry, ox) == 18 && offsetof(ButtonEntry, comId) == 22 &&
                  offsetof(ButtonEntry, comType) == 26 && offsetof(ButtonEntry, runMode) == 28 &&
                  offsetof(ButtonEntry, key) == 30 && offsetof(ButtonEntry, text) == 34 &&
                  offsetof(ButtonEntry, hint) == 66 && offsetof(ButtonEntry, text2) == 98 &&
                  offsetof(ButtonEntry, bmpInfo) == 130,
              "entry offsets are an interface");
static_assert(sizeof(ButtonEntry) == 130 + 4 * sizeof(void *), "entry size");
// Programs write their tables with the public entry.
static_assert(sizeof(Win_button_entry) == sizeof(ButtonEntry) &&
                  offsetof(Win_button_entry, key) == offsetof(ButtonEntry, key) &&
                  offsetof(Win_button_entry, text2) == offsetof(ButtonEntry, text2) &&
                  offsetof(Win_button_entry, bmpInfo) == offsetof(ButtonEntry, bmpInfo),
              "the public button entry");
constexpr size_t kButtonEntryBytes = sizeof(ButtonEntry);

constexpr int16_t kEntryEnd = -1;
constexpr int16_t kRectEntryFrame = 113;
// A table runs to its end marker; one without it within this many entries
// is refused rather than read on into whatever memory follows.
constexpr int32_t kMaxButtonEntries = 4096;

enum class EntryTable {
    Buttons,   // a table, possibly of rectangle entries only
    KeepOld,   // null, or the first entry is the end marker
    Unended,   // no end marker within the input or the entry limit
};

struct EntryScan {
    EntryTable kind;
    int32_t entries;   // entries before the end marker
    int32_t buttons;   // of those, the ones that make a record
};

// Scans size bytes (SIZE_MAX: unknown, the program's own table) for the end
// marker. Reads the marker's state field only, never a byte past size.
EntryScan scan_button_entries(const void *bytes, size_t size);
// Entry i of a scanned table (i < entries), copied out of its bytes.
ButtonEntry button_entry(const void *bytes, int32_t i);

// Cell size in pixels for entries given in cells.
struct CellPitch {
    int32_t x, y;
};

// The record an entry makes, in pixels or, when pixels is false, in cells
// scaled by pitch (saturated, sizes never negative). Bitmaps, pMode and the
// repeat flag stay 0; texts are copied bounded and always terminated.
void entry_to_button(const ButtonEntry &e, bool pixels, CellPitch pitch, AtrTable_button *out);

// Sets every pMode: the mode cell of the first record of its positive group
// (at most kMaxModeGroups groups), else the record's own pModeD.
constexpr int32_t kMaxModeGroups = 200;
void link_mode_cells(AtrTable_button *records, int32_t count);

struct AtrLayout;
// A rectangle entry (always pixels) sets the frame and window rectangles.
void apply_rect_entry(const ButtonEntry &e, AtrLayout *table);

// Fills records[0 .. capacity) from a scanned table: rectangle entries set the
// table's rectangles, the others the next record; then the mode cells.
// Returns the records filled.
int32_t fill_buttons(const void *bytes, const EntryScan &scan, bool pixels, CellPitch pitch,
                     AtrTable_button *records, int32_t capacity, AtrLayout *table);

#endif
