// Building class layers from descriptor tables, looking members up by name
// and replacing methods by name.
#include "zek2/runtime.h"

#include "name_index.h"

#include <cstdlib>
#include <cstring>

namespace {

bool same_name(const char *a, const char *b)
{
    return a && b && std::strcmp(a, b) == 0;
}

// Finds the named method in layer or its bases and writes function into its
// slot; the first layer that has the name wins. record, when given, gets
// (level, slot).
int replace_method(ZEK_layer *layer, const char *name, uintptr_t function, int32_t level,
                   int32_t *record)
{
    for (; layer; layer = layer->pBase, --level) {
        if (!layer->pSlot || !layer->pMethodRow)
            continue;
        int32_t k = 0;
        for (int32_t i = 0; k < layer->nMethodRow; ++i) {
            const ZEK_member &row = layer->pMethodRow[i];
            if (row.kind != ZEK_KIND_METHOD)
                continue;
            if (same_name(row.name, name)) {
                layer->pSlot[k] = reinterpret_cast<ZEK_method_fn>(function);
                if (record) {
                    record[0] = level;
                    record[1] = k;
                }
                return 1;
            }
            ++k;
        }
    }
    return 0;
}

const ZEK_member *find_row(const ZEK_member *rows, int32_t count, const char *name)
{
    int32_t i = ZEK_NameSearch2(rows, count, name);
    return i < 0 ? nullptr : &rows[i];
}

}  // namespace

extern "C" void ZEKAPI ZEK_tbl_Init1(ZEK_layer *layer, const ZEK_member *table, int32_t rows,
                                     int32_t slotBytes, int32_t dataBytes)
{
    if (slotBytes == -1)
        std::exit(1);
    if (!layer)
        return;
    layer->pSlot = nullptr;
    layer->pDataArea = nullptr;
    layer->bKeepSlots = 0;
    layer->nLevel = 1;
    layer->pRows = table;
    layer->nRecField = layer->nDataRow = layer->nMethodRow = 0;
    layer->pDataRow = layer->pMethodRow = nullptr;
    layer->pfnFree = ZEK_dtor;
    layer->pBase = layer->pDerived = nullptr;

    // A bad size or a failed allocation leaves pSlot null; constructors test it.
    int64_t bytes = int64_t(slotBytes) + int64_t(dataBytes);
    if (slotBytes < 0 || dataBytes < 0 || (rows > 0 && !table))
        return;
    char *block = static_cast<char *>(std::calloc(1, bytes ? size_t(bytes) : 1));
    if (!block)
        return;

    int32_t methods = 0;
    for (int32_t i = 0; i < rows; ++i) {
        const ZEK_member &row = table[i];
        if (row.kind == ZEK_KIND_FIELD) {
            ++layer->nRecField;
        } else if (row.kind == ZEK_KIND_DATA) {
            if (!layer->pDataRow)
                layer->pDataRow = &row;
            ++layer->nDataRow;
        } else if (row.kind == ZEK_KIND_METHOD) {
            if (!layer->pMethodRow)
                layer->pMethodRow = &row;
            ++methods;
        }
    }
    if (int64_t(methods) * int64_t(sizeof(ZEK_method_fn)) > slotBytes) {
        std::free(block);
        layer->nRecField = layer->nDataRow = 0;
        layer->pDataRow = layer->pMethodRow = nullptr;
        return;
    }
    layer->nMethodRow = methods;
    layer->pSlot = reinterpret_cast<ZEK_method_fn *>(block);
    layer->pDataArea = block + slotBytes;
    int32_t k = 0;
    for (int32_t i = 0; i < rows; ++i)
        if (table[i].kind == ZEK_KIND_METHOD)
            layer->pSlot[k++] = reinterpret_cast<ZEK_method_fn>(table[i].place);
    // A program may have rewritten its table since it was last searched.
    zek_name_index_check(layer);
}

extern "C" int32_t ZEKAPI ZEK_NameSearch2(const ZEK_member *firstRow, int32_t rowCount,
                                          const char *name)
{
    if (!firstRow || !name || rowCount < 1)
        return -1;
    for (int32_t i = 0; i < rowCount; ++i)
        if (firstRow[i].kind != ZEK_KIND_EMPTY && same_name(firstRow[i].name, name))
            return i;
    return -1;
}

extern "C" int32_t ZEKAPI ZEK_NameSearch(const ZEK_layer *layer, const char *name)
{
    if (!layer || !name)
        return -1;
    return zek_indexed_name_search(layer, name);
}

extern "C" void *ZEKAPI ZEK_ptr(void *base, intptr_t, intptr_t offset)
{
    return static_cast<char *>(base) + offset;
}

extern "C" void ZEKAPI ZEK_overwrite(ZEK_layer *layer, ZEK_layer *baseLayer,
                                     const ZEK_member *rows, int32_t rowCount, int32_t *result)
{
    if (!layer)
        return;
    layer->pBase = baseLayer;
    layer->pOverRow = rows;
    layer->nOverRow = rowCount;
    layer->pOverResult = result;
    if (baseLayer)
        baseLayer->pDerived = layer;
    int32_t level = 0;
    for (const ZEK_layer *l = layer->pBase; l; l = l->pBase)
        ++level;
    layer->nLevel = level;
    if (!rows)
        return;
    for (int32_t i = 0; i < rowCount; ++i)
        replace_method(baseLayer, rows[i].name, rows[i].place, level - 1,
                       result ? result + 2 * i : nullptr);
}

extern "C" int32_t ZEKAPI ZEK_overwrite2_S(ZEK_layer *target, const char *name,
                                           const ZEK_layer *source)
{
    if (!target || !name || !source)
        return 0;
    const ZEK_member *row = nullptr;
    // Replacement rows are matched whatever their kind, like ZEK_overwrite does.
    for (int32_t i = 0; source->pOverRow && i < source->nOverRow && !row; ++i)
        if (same_name(source->pOverRow[i].name, name))
            row = &source->pOverRow[i];
    if (!row && source->nMethodRow > 0)
        row = find_row(source->pMethodRow, source->nMethodRow, name);
    if (!row)
        return 0;
    return replace_method(target, name, row->place, 0, nullptr);
}
