// The menu table a program hands to Win_InitMenuBar, read into the items the
// menu bar is built from. No Windows here: built and tested natively.
#ifndef ZEK_FURNITURE_MENU_TABLE_H
#define ZEK_FURNITURE_MENU_TABLE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#pragma pack(push, 1)
struct MenuEntry {
    int16_t parent;   // -1 end; 0 the menu bar; n the pop-up of slot n
    int16_t opens;    // 0 a plain item; n the item opens a new pop-up in slot n
    int16_t kind;     // 1 separator, 2 starts a new column; anything else text
    int16_t enabled;  // 0 grayed
    int32_t id;       // command identifier; also where the item is inserted
    char proc[64];    // procedure text, NUL-terminated only when shorter
    char caption[64];
};
#pragma pack(pop)

static_assert(sizeof(MenuEntry) == 140, "menu entries are an interface");
constexpr size_t kMenuEntryBytes = sizeof(MenuEntry);

// Slot 0 is the menu bar, 1 to 9 its pop-ups.
constexpr int32_t kMenuSlots = 10;
// A table runs to its end marker; one without it within this many entries
// is refused rather than read on into whatever memory follows.
constexpr int32_t kMaxMenuEntries = 4096;

enum class MenuItemType { Text, Separator, ColumnBreak };

struct MenuItem {
    int32_t parent;       // slot of the menu that takes the item
    int32_t opens;        // 0, or the slot of the pop-up made for the item
    MenuItemType type;
    bool grayed;
    int32_t id;
    const char *proc;     // the entry's procedure text, inside the table
    char caption[65];     // the entry's caption, always terminated
};

struct MenuPlan {
    bool ended = false;           // the end marker was found
    std::vector<MenuItem> items;  // in table order
};

// Reads the table (size bytes; SIZE_MAX: the program's own, of unknown size)
// up to its end marker, never a byte past size. Entries that name a slot
// outside 0-9, a pop-up not made before them, or that would open the pop-up
// they go into, are left out; the slot an item opens counts as made only
// once its entry is taken.
MenuPlan read_menu_table(const void *bytes, size_t size);

#endif
