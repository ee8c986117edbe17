// Fd_Mem: positioning, clearing, insertion, deletion and sorting of records.
// Calls between the methods go through the object's slots, so a replaced
// method is used by the others too.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "../runtime/class_rows.h"
#include "fd_mem.h"

namespace {

// The Fd_Mem layer of an object whose block is usable, or null.
ZEK_layer *with_block(ZEK_object *object)
{
    ZEK_layer *layer = fd_mem_layer(object);
    if (!layer)
        return nullptr;
    const Fd_Mem_area *a = fd_mem_area(layer);
    if (!a->data.bAlloc || !object->pBlock || a->data.bRecSize != a->blockRecSize)
        return nullptr;
    return layer;
}

Fd_Mem_data &data_of(ZEK_layer *layer)
{
    return fd_mem_area(layer)->data;
}

int32_t call_get(ZEK_object *object, ZEK_layer *layer, int32_t rec)
{
    return zek_call_slot<int32_t>(object, layer, kFdMemGet, rec);
}

int32_t call_put0(ZEK_object *object, ZEK_layer *layer, int32_t rec)
{
    return zek_call_slot<int32_t>(object, layer, kFdMemPut0, rec);
}

// Copies record src over record dst, both positioned with Get.
bool copy_record(ZEK_object *object, ZEK_layer *layer, int32_t src, int32_t dst)
{
    if (!call_get(object, layer, src))
        return false;
    const void *from = object->pRecord;
    if (!call_get(object, layer, dst))
        return false;
    std::memmove(object->pRecord, from, size_t(data_of(layer).bRecSize));
    return true;
}

// While Get is this class's own, records first .. first + count - 1 can be
// moved to dst with one memmove: every Get of the record by record move
// would succeed and only position. False when some of them lie outside the
// block, so the caller moves record by record and fails as Get does.
bool move_block(ZEK_object *object, ZEK_layer *layer, int64_t first, int64_t count, int64_t dst)
{
    const Fd_Mem_area *a = fd_mem_area(layer);
    const int64_t limit = a->data.bMaxRec < a->blockRecs ? a->data.bMaxRec : a->blockRecs;
    if (layer->pSlot[kFdMemGet] != reinterpret_cast<ZEK_method_fn>(Fd_Mem_Get) || first < 0 ||
        dst < 0 || first + count > limit || dst + count > limit)
        return false;
    char *block = static_cast<char *>(object->pBlock);
    const size_t size = size_t(a->blockRecSize);
    std::memmove(block + size_t(dst) * size, block + size_t(first) * size, size_t(count) * size);
    return true;
}

// Clears records first .. first + count - 1 through Put0, or at once while
// Put0 and Get are this class's own and the records lie in the block.
bool clear_records(ZEK_object *object, ZEK_layer *layer, int32_t first, int32_t count)
{
    const Fd_Mem_area *a = fd_mem_area(layer);
    const int64_t limit = a->data.bMaxRec < a->blockRecs ? a->data.bMaxRec : a->blockRecs;
    if (layer->pSlot[kFdMemPut0] == reinterpret_cast<ZEK_method_fn>(Fd_Mem_Put0) &&
        layer->pSlot[kFdMemGet] == reinterpret_cast<ZEK_method_fn>(Fd_Mem_Get) && first >= 0 &&
        int64_t(first) + count <= limit) {
        const size_t size = size_t(a->blockRecSize);
        std::memset(static_cast<char *>(object->pBlock) + size_t(first) * size, 0,
                    size_t(count) * size);
        return true;
    }
    for (int32_t rec = first; rec < first + count; ++rec)
        if (!call_put0(object, layer, rec))
            return false;
    return true;
}

}  // namespace

extern "C" int32_t ZEKAPI Fd_Mem_Get(ZEK_object *object, int32_t rec)
{
    ZEK_layer *layer = with_block(object);
    if (!layer)
        return 0;
    Fd_Mem_area *a = fd_mem_area(layer);
    int32_t limit = a->data.bMaxRec < a->blockRecs ? a->data.bMaxRec : a->blockRecs;
    if (rec < 0 || rec >= limit)
        return 0;
    a->data.bSelRec = rec;
    object->pRecord = static_cast<char *>(object->pBlock) + size_t(rec) * size_t(a->blockRecSize);
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Mem_Seek(ZEK_object *object, int32_t rec)
{
    ZEK_layer *layer = with_block(object);
    if (!layer)
        return 0;
    int32_t selected = data_of(layer).bSelRec;
    int32_t result = call_get(object, layer, rec);
    data_of(layer).bSelRec = selected;
    return result;
}

extern "C" int32_t ZEKAPI Fd_Mem_Put(ZEK_object *object, int32_t)
{
    // Records are written in place through pRecord.
    return with_block(object) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Fd_Mem_Put0(ZEK_object *object, int32_t rec)
{
    ZEK_layer *layer = with_block(object);
    if (!layer || !call_get(object, layer, rec))
        return 0;
    std::memset(object->pRecord, 0, size_t(data_of(layer).bRecSize));
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Mem_InitData(ZEK_object *object)
{
    ZEK_layer *layer = with_block(object);
    if (!layer)
        return 0;
    Fd_Mem_area *a = fd_mem_area(layer);
    std::memset(object->pBlock, 0, size_t(a->blockRecs) * size_t(a->blockRecSize));
    a->data.bDatE = -1;
    a->data.bDatC = 0;
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Mem_InitCount(ZEK_object *object)
{
    ZEK_layer *layer = with_block(object);
    if (!layer)
        return 0;
    data_of(layer).bDatE = -1;
    data_of(layer).bDatC = 0;
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Mem_InsData(ZEK_object *object, int32_t at, int32_t n)
{
    ZEK_layer *layer = with_block(object);
    if (!layer)
        return 0;
    Fd_Mem_data &d = data_of(layer);
    if (at < 0 || at > d.bDatE || n < 1 || int64_t(d.bDatE) + n >= d.bMaxRec)
        return 0;
    if (!move_block(object, layer, at, int64_t(d.bDatE) - at + 1, int64_t(at) + n))
        for (int32_t src = d.bDatE; src >= at; --src)
            if (!copy_record(object, layer, src, src + n))
                return 0;
    if (!clear_records(object, layer, at, n))
        return 0;
    d.bDatE += n;
    call_get(object, layer, at);
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Mem_DelData(ZEK_object *object, int32_t at, int32_t n)
{
    ZEK_layer *layer = with_block(object);
    if (!layer)
        return 0;
    Fd_Mem_data &d = data_of(layer);
    if (at < 0 || at > d.bDatE || n < 1 || d.bDatE >= d.bMaxRec)
        return 0;
    if (n > d.bDatE - at + 1)
        n = d.bDatE - at + 1;
    if (!move_block(object, layer, int64_t(at) + n, int64_t(d.bDatE) - at - n + 1, at))
        for (int32_t src = at + n; src <= d.bDatE; ++src)
            if (!copy_record(object, layer, src, src - n))
                return 0;
    if (!clear_records(object, layer, d.bDatE - n + 1, n))
        return 0;
    d.bDatE -= n;
    call_get(object, layer, at);
    return 1;
}

// The Dir forms first take the caller's last record; one that cannot be a
// record of this block is refused before anything changes.
extern "C" int32_t ZEKAPI Fd_Mem_InsDataDir(ZEK_object *object, int32_t last, int32_t at,
                                            int32_t n)
{
    ZEK_layer *layer = with_block(object);
    if (!layer || last < -1 || last >= data_of(layer).bMaxRec)
        return 0;
    data_of(layer).bDatE = last;
    return zek_call_slot<int32_t>(object, layer, kFdMemInsData, at, n);
}

extern "C" int32_t ZEKAPI Fd_Mem_DelDataDir(ZEK_object *object, int32_t last, int32_t at,
                                            int32_t n)
{
    ZEK_layer *layer = with_block(object);
    if (!layer || last < -1 || last >= data_of(layer).bMaxRec)
        return 0;
    data_of(layer).bDatE = last;
    return zek_call_slot<int32_t>(object, layer, kFdMemDelData, at, n);
}

// Shell sort with halving gaps; records comparing equal are never exchanged.
extern "C" int32_t ZEKAPI Fd_Mem_Sort(ZEK_object *object, int32_t from, int32_t to,
                                      Fd_Mem_compare_fn compare)
{
    ZEK_layer *layer = with_block(object);
    if (!layer || !compare)
        return 0;
    const Fd_Mem_data &d = data_of(layer);
    if (from < 0 || from > to || to >= d.bMaxRec)
        return 0;
    if (from == to)
        return 1;
    const size_t size = size_t(d.bRecSize);
    void *scratch = std::malloc(size);
    if (!scratch)
        return 0;
    const int32_t count = to - from + 1;
    int32_t result = 1;
    for (int32_t gap = count / 2; gap > 0 && result; gap /= 2) {
        for (int32_t i = gap; i < count && result; ++i) {
            for (int32_t j = i - gap; j >= 0; j -= gap) {
                if (!call_get(object, layer, from + j)) {
                    result = 0;
                    break;
                }
                void *a = object->pRecord;
                if (!call_get(object, layer, from + j + gap)) {
                    result = 0;
                    break;
                }
                void *b = object->pRecord;
                if (compare(a, b) <= 0)
                    break;
                std::memmove(scratch, a, size);
                std::memmove(a, b, size);
                std::memmove(b, scratch, size);
            }
        }
    }
    std::free(scratch);
    return result;
}
