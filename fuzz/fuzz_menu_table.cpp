// Random menu tables read into items. The input is copied into an exact-size
// heap buffer so a read past it is caught. Every item names slots 0-9 made
// before it, never opens the menu it goes into, and its procedure text lies
// inside the table.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "../furniture/menu_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[size ? size : 1]);
    std::memcpy(bytes.get(), data, size);
    const MenuPlan plan = read_menu_table(bytes.get(), size);
    bool made[kMenuSlots] = {true};
    const char *first = reinterpret_cast<const char *>(bytes.get());
    for (const MenuItem &i : plan.items) {
        if (i.parent < 0 || i.parent >= kMenuSlots || !made[i.parent] || i.opens < 0 ||
            i.opens >= kMenuSlots || (i.opens && i.opens == i.parent) ||
            !std::memchr(i.caption, '\0', sizeof i.caption) || i.proc < first + 12 ||
            i.proc + 64 > first + size)
            std::abort();
        if (i.opens)
            made[i.opens] = true;
    }
    return 0;
}
