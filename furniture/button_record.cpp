// Finding a button record inside its table.
#include "button_record.h"

#include "atr_table.h"

const AtrTable_button *atr_button_at(ZEK_object *table, const void *address)
{
    ZEK_layer *layer = atr_table_layer(table) ? fd_mem_layer(table) : nullptr;
    if (!layer || !table->pBlock || !address)
        return nullptr;
    const Fd_Mem_area &area = *fd_mem_area(layer);
    if (area.blockRecSize < kAtrTableRecordBytes || area.blockRecs <= 0)
        return nullptr;
    const uintptr_t start = reinterpret_cast<uintptr_t>(table->pBlock);
    const uintptr_t at = reinterpret_cast<uintptr_t>(address);
    const uintptr_t size = uintptr_t(area.blockRecSize);
    if (at < start || at - start >= size * uintptr_t(area.blockRecs) || (at - start) % size)
        return nullptr;
    return static_cast<const AtrTable_button *>(address);
}
