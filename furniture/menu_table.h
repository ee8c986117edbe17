// The menu table a program hands to Win_InitMenuBar, read into the items the
// menu bar is built from. No Windows here: built and tested natively.
#ifndef ZEK_FURNITURE_MENU_TABLE_H
#define ZEK_FURNITURE_MENU_TABLE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "zek2/menus.h"

using MenuEntry = Win_menu_entry;
static_assert(sizeof(MenuEntry) == 140 && offsetof(MenuEntry, id) == 8 &&
                  offsetof(MenuEntry, proc) == 12 && offsetof(MenuEntry, caption) == 76,
              "menu entries are an interface");
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
