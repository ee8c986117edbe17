// Reading a program's menu table into the items of its menu bar.
#include "menu_table.h"

#include <cstring>

namespace {

MenuItemType type_of(int16_t kind)
{
    switch (kind) {
    case 1:
        return MenuItemType::Separator;
    case 2:
        return MenuItemType::ColumnBreak;
    default:
        return MenuItemType::Text;
    }
}

bool is_slot(int32_t n)
{
    return n >= 0 && n < kMenuSlots;
}

}  // namespace

MenuPlan read_menu_table(const void *bytes, size_t size)
{
    MenuPlan plan;
    if (!bytes)
        return plan;
    const auto *base = static_cast<const unsigned char *>(bytes);
    bool made[kMenuSlots] = {true};
    for (size_t i = 0; i < size_t(kMaxMenuEntries); ++i) {
        const size_t at = i * kMenuEntryBytes;
        int16_t parent = 0;
        if (size < sizeof parent || at > size - sizeof parent)
            return plan;
        std::memcpy(&parent, base + at, sizeof parent);
        if (parent == -1) {
            plan.ended = true;
            return plan;
        }
        if (size < kMenuEntryBytes || at > size - kMenuEntryBytes)
            return plan;
        MenuEntry e;
        std::memcpy(&e, base + at, sizeof e);
        if (!is_slot(e.parent) || !made[e.parent] || !is_slot(e.opens) ||
            (e.opens != 0 && e.opens == e.parent))
            continue;
        MenuItem item{};
        item.parent = e.parent;
        item.opens = e.opens;
        item.type = type_of(e.kind);
        item.grayed = e.enabled == 0;
        item.id = e.id;
        item.proc = reinterpret_cast<const char *>(base + at + offsetof(MenuEntry, proc));
        const size_t n = strnlen(e.caption, sizeof e.caption);
        std::memcpy(item.caption, e.caption, n);
        item.caption[n] = '\0';
        if (item.opens)
            made[item.opens] = true;
        plan.items.push_back(item);
    }
    return plan;
}
