// Fd_Mem: descriptor table, construction, destruction and the record block.
#include "fd_mem.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "../runtime/class_rows.h"
#include "../runtime/object.h"
#include "../runtime/zek_class.h"

namespace {

// The layer's class name; a layer carrying this very pointer was built here.
const char kClassName[] = "Fd_Mem";

void ZEKAPI fd_mem_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_derived(object, &Fd_Mem_vtbl, flags);
}

using D = Fd_Mem_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, bMaxRec),
    ZEK_DATA_ROW(D, bDatE),
    ZEK_DATA_ROW(D, bDatS),
    ZEK_DATA_ROW(D, bDatC),
    ZEK_DATA_ROW(D, bRecSize),
    ZEK_DATA_ROW(D, bResult),
    ZEK_DATA_ROW(D, bSelRec),
    ZEK_DATA_ROW(D, bAlloc),
    zek_method_row("dtor", Fd_Mem_dtor, kNoResult),
    zek_method_row("Get", Fd_Mem_Get, kIntResult),
    zek_method_row("Seek", Fd_Mem_Seek, kIntResult),
    zek_method_row("Put", Fd_Mem_Put, kIntResult),
    zek_method_row("Put0", Fd_Mem_Put0, kIntResult),
    zek_method_row("InitData", Fd_Mem_InitData, kIntResult),
    zek_method_row("InitCount", Fd_Mem_InitCount, kIntResult),
    zek_method_row("DelDataDir", Fd_Mem_DelDataDir, kIntResult),
    zek_method_row("DelData", Fd_Mem_DelData, kIntResult),
    zek_method_row("InsDataDir", Fd_Mem_InsDataDir, kIntResult),
    zek_method_row("InsData", Fd_Mem_InsData, kIntResult),
    zek_method_row("Sort", Fd_Mem_Sort, kIntResult),
    zek_method_row("Alloc", Fd_Mem_Alloc, kIntResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 21, "Fd_Mem rows");

}  // namespace

const ZEK_vtbl Fd_Mem_vtbl = {fd_mem_deleting_dtor};

bool fd_mem_init_layer(ZEK_object *object, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kFdMemMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(Fd_Mem_area)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kClassName;
    layer->hModule = nullptr;
    Fd_Mem_data &d = fd_mem_area(layer)->data;
    d.bDatS = 0;
    d.bDatE = -1;
    d.bDatC = 0;
    d.bAlloc = 0;
    object->pBlock = nullptr;
    object->pRecord = nullptr;
    return true;
}

// Every record call starts here, so the usual place (right above the root)
// is tried first by address before the walk that compares names.
ZEK_layer *fd_mem_layer(ZEK_object *object)
{
    return zek_find_layer(object, kClassName);
}

extern "C" ZEK_object *ZEKAPI Fd_Mem_ctor2(ZEK_object *object)
{
    return zek_construct_derived(object, &Fd_Mem_vtbl, fd_mem_init_layer);
}

extern "C" void ZEKAPI Fd_Mem_dtor(ZEK_object *object)
{
    ZEK_layer *layer = fd_mem_layer(object);
    if (!layer)
        return;
    Fd_Mem_area *a = fd_mem_area(layer);
    if (a->data.bAlloc)
        std::free(object->pBlock);
    object->pBlock = nullptr;
    object->pRecord = nullptr;
    a->data.bAlloc = 0;
    a->blockRecs = 0;
    a->blockRecSize = 0;
}

extern "C" int32_t ZEKAPI Fd_Mem_Alloc(ZEK_object *object, int32_t count)
{
    ZEK_layer *layer = fd_mem_layer(object);
    if (!layer)
        return 0;
    Fd_Mem_area *a = fd_mem_area(layer);
    Fd_Mem_data &d = a->data;
    if (count <= 0 || d.bRecSize <= 0)
        return 0;
    if (uint64_t(count) * uint64_t(d.bRecSize) > uint64_t(PTRDIFF_MAX))
        return 0;
    const bool hasBlock = d.bAlloc && object->pBlock;
    if (!hasBlock || count != a->blockRecs || d.bRecSize != a->blockRecSize) {
        void *block = std::calloc(size_t(count), size_t(d.bRecSize));
        if (!block)
            return 0;
        if (hasBlock) {
            // Keep the leading records, cut to the new record size if it changed.
            int32_t keep = count < a->blockRecs ? count : a->blockRecs;
            size_t oldSize = size_t(a->blockRecSize), newSize = size_t(d.bRecSize);
            size_t bytes = oldSize < newSize ? oldSize : newSize;
            for (int32_t i = 0; i < keep; ++i)
                std::memcpy(static_cast<char *>(block) + size_t(i) * newSize,
                            static_cast<char *>(object->pBlock) + size_t(i) * oldSize, bytes);
            std::free(object->pBlock);
        }
        object->pBlock = block;
        object->pRecord = block;
        a->blockRecs = count;
        a->blockRecSize = d.bRecSize;
    }
    d.bAlloc = 1;
    d.bMaxRec = count;
    d.bDatE = -1;
    d.bDatC = 0;
    return 1;
}
