// Fd_Io: clearing, inserting, deleting and sorting records. Every record is
// reached through the Get, Put and Put0 slots, so replaced methods are used
// here too, and a record is copied through a scratch record because its
// source and destination blocks may evict each other.
#include <climits>
#include <cstdlib>
#include <cstring>

#include "../runtime/class_rows.h"
#include "fd_io.h"

namespace {

int32_t call_get(ZEK_object *object, ZEK_layer *layer, int32_t rec)
{
    return zek_call_slot<int32_t>(object, layer, kFdIoGet, rec);
}

int32_t call_put(ZEK_object *object, ZEK_layer *layer, int32_t rec)
{
    return zek_call_slot<int32_t>(object, layer, kFdIoPut, rec);
}

int32_t call_put0(ZEK_object *object, ZEK_layer *layer, int32_t rec)
{
    return zek_call_slot<int32_t>(object, layer, kFdIoPut0, rec);
}

bool load(ZEK_object *object, ZEK_layer *layer, int32_t rec, void *to, size_t size)
{
    if (!call_get(object, layer, rec))
        return false;
    std::memcpy(to, object->pRecord, size);
    return true;
}

bool store(ZEK_object *object, ZEK_layer *layer, int32_t rec, const void *from, size_t size)
{
    if (!call_get(object, layer, rec))
        return false;
    std::memcpy(object->pRecord, from, size);
    return call_put(object, layer, rec) != 0;
}

bool copy(ZEK_object *object, ZEK_layer *layer, int64_t src, int64_t dst, void *scratch,
          size_t size)
{
    return load(object, layer, int32_t(src), scratch, size) &&
           store(object, layer, int32_t(dst), scratch, size);
}

// Putting records back after a failure: the disk may fail again meanwhile.
constexpr int kUndoTries = 3;

bool store_again(ZEK_object *object, ZEK_layer *layer, int64_t rec, const void *from,
                 size_t size)
{
    for (int i = 0; i < kUndoTries; ++i)
        if (store(object, layer, int32_t(rec), from, size))
            return true;
    return false;
}

bool copy_again(ZEK_object *object, ZEK_layer *layer, int64_t src, int64_t dst, void *scratch,
                size_t size)
{
    for (int i = 0; i < kUndoTries; ++i)
        if (copy(object, layer, src, dst, scratch, size))
            return true;
    return false;
}

// Before records move, every changed block is written and the file made to
// reach the block of the highest record to be written. The moves then only
// replace bytes the file already has, so a full disk stops an operation
// before it changes anything, and an operation that fails part way can put
// its records back without growing the file.
bool prepare(ZEK_object *object, ZEK_layer *layer, int32_t highest)
{
    auto flush = [&] { return zek_call_slot<int32_t>(object, layer, kFdIoFlush) != 0; };
    return flush() && call_get(object, layer, highest) && call_put(object, layer, highest) &&
           flush();
}

}  // namespace

extern "C" int32_t ZEKAPI Fd_Io_Put0(ZEK_object *object, int32_t rec)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    a->data.bSelRec = rec;
    if (!call_get(object, layer, rec) || !call_put(object, layer, rec))
        return 0;
    std::memset(object->pRecord, 0, a->recsize);
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Io_InitCount(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    fd_io_area(layer)->data.bDatE = -1;
    fd_io_area(layer)->data.bDatC = 0;
    return 1;
}

// Records leave by moving down over the deleted ones, which are kept in
// memory until the move is over: if it fails part way, the moved records go
// back up and the deleted ones back in place, so the file holds what it held.
extern "C" int32_t ZEKAPI Fd_Io_DelData(ZEK_object *object, int32_t at, int32_t n)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    const int64_t last = a->data.bDatE;
    if (at < 0 || at > last || n < 1)
        return 0;
    const size_t size = a->recsize;
    const int64_t k = n < last - at + 1 ? n : last - at + 1;
    if (uint64_t(k + 1) * size > uint64_t(PTRDIFF_MAX) / 2)
        return 0;
    char *scratch = static_cast<char *>(std::malloc(size_t(k + 1) * size));
    if (!scratch)
        return 0;
    char *deleted = scratch + size;
    bool ok = true;
    for (int64_t r = 0; ok && r < k; ++r)
        ok = load(object, layer, int32_t(at + r), deleted + size_t(r) * size, size);
    ok = ok && prepare(object, layer, int32_t(last));
    // Undoes the changes to records at .. hi.
    auto undo = [&](int64_t hi) {
        for (int64_t p = hi; p >= at + k; --p)
            copy_again(object, layer, p - k, p, scratch, size);
        for (int64_t p = at; p < at + k && p <= hi; ++p)
            store_again(object, layer, p, deleted + size_t(p - at) * size, size);
    };
    for (int64_t src = at + k; ok && src <= last; ++src)
        if (!(ok = copy(object, layer, src, src - k, scratch, size)))
            undo(src - k);
    for (int64_t rec = last - k + 1; ok && rec <= last; ++rec)
        if (!(ok = call_put0(object, layer, int32_t(rec)) != 0))
            undo(last);
    std::free(scratch);
    if (!ok)
        return 0;
    // The records have moved; should positioning on at fail, pRecord is
    // left on the scratch record, where Put does nothing.
    a->data.bDatE = int32_t(last - k);
    call_get(object, layer, at);
    return 1;
}

// Records move up from the last one down. Each moved record stays where it
// was until something is written over it, so a move that fails part way is
// undone by moving the records written over back down.
extern "C" int32_t ZEKAPI Fd_Io_InsData(ZEK_object *object, int32_t at, int32_t n)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    const int64_t last = a->data.bDatE;
    if (at < 0 || at > last || n < 1 || last + n > INT32_MAX)
        return 0;
    const size_t size = a->recsize;
    void *scratch = std::malloc(size);
    if (!scratch)
        return 0;
    bool ok = prepare(object, layer, int32_t(last + n));
    // Undoes the changes to records lo .. last.
    auto undo = [&](int64_t lo) {
        for (int64_t p = lo; p <= last; ++p)
            copy_again(object, layer, p + n, p, scratch, size);
    };
    for (int64_t src = last; ok && src >= at; --src)
        if (!(ok = copy(object, layer, src, src + n, scratch, size)))
            undo(src + n);
    for (int64_t rec = at; ok && rec < at + n; ++rec)
        if (!(ok = call_put0(object, layer, int32_t(rec)) != 0))
            undo(at);
    std::free(scratch);
    if (!ok)
        return 0;
    a->data.bDatE = int32_t(last + n);
    call_get(object, layer, at);
    return 1;
}

// The Dir forms take the caller's last record first.
extern "C" int32_t ZEKAPI Fd_Io_InsDataDir(ZEK_object *object, int32_t last, int32_t at,
                                           int32_t n)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer || last < -1)
        return 0;
    fd_io_area(layer)->data.bDatE = last;
    return zek_call_slot<int32_t>(object, layer, kFdIoInsData, at, n);
}

extern "C" int32_t ZEKAPI Fd_Io_DelDataDir(ZEK_object *object, int32_t last, int32_t at,
                                           int32_t n)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer || last < -1)
        return 0;
    fd_io_area(layer)->data.bDatE = last;
    return zek_call_slot<int32_t>(object, layer, kFdIoDelData, at, n);
}

namespace {

// Shell sort with halving gaps; equal records are never exchanged, so the
// order is the memory arrays' order. The range is read once and sorted in
// memory through an index, and only records that moved are written back; a
// write that fails puts the records already written back to their old values.
// A range too large for memory is sorted by exchanges in the file, each one
// undone should its second write fail, so the records are never lost or
// doubled, though their order may then be part sorted.
bool sort_in_memory(ZEK_object *object, ZEK_layer *layer, int32_t from, int32_t count,
                    size_t size, Fd_Io_compare_fn compare, bool *ok)
{
    const uint64_t recordBytes = (uint64_t(count) * size + 7) & ~uint64_t(7);
    const uint64_t bytes = recordBytes + uint64_t(count) * sizeof(int32_t);
    if (bytes > uint64_t(PTRDIFF_MAX) / 2)
        return false;
    char *all = static_cast<char *>(std::malloc(size_t(bytes)));
    if (!all)
        return false;
    int32_t *index = reinterpret_cast<int32_t *>(all + size_t(recordBytes));
    *ok = true;
    for (int32_t r = 0; *ok && r < count; ++r) {
        index[r] = r;
        *ok = load(object, layer, from + r, all + size_t(r) * size, size);
    }
    bool moved = false;
    for (int32_t gap = count / 2; *ok && gap > 0; gap /= 2) {
        for (int32_t i = gap; i < count; ++i) {
            for (int32_t j = i - gap; j >= 0; j -= gap) {
                int32_t &a = index[j], &b = index[j + gap];
                if (compare(all + size_t(a) * size, all + size_t(b) * size) <= 0)
                    break;
                int32_t t = a;
                a = b;
                b = t;
                moved = true;
            }
        }
    }
    if (*ok && moved)
        *ok = prepare(object, layer, from + count - 1);
    for (int32_t r = 0; *ok && moved && r < count; ++r) {
        if (index[r] == r || store(object, layer, from + r, all + size_t(index[r]) * size, size))
            continue;
        *ok = false;
        for (int32_t q = r; q >= 0; --q)
            if (index[q] != q)
                store_again(object, layer, from + q, all + size_t(q) * size, size);
    }
    std::free(all);
    return true;
}

bool sort_in_file(ZEK_object *object, ZEK_layer *layer, int32_t from, int32_t count,
                  size_t size, Fd_Io_compare_fn compare)
{
    char *pair = static_cast<char *>(std::malloc(2 * size));
    if (!pair)
        return false;
    char *ra = pair, *rb = pair + size;
    bool ok = prepare(object, layer, from + count - 1);
    for (int32_t gap = count / 2; ok && gap > 0; gap /= 2) {
        for (int32_t i = gap; ok && i < count; ++i) {
            for (int32_t j = i - gap; j >= 0; j -= gap) {
                const int32_t x = from + j, y = from + j + gap;
                ok = load(object, layer, x, ra, size) && load(object, layer, y, rb, size);
                if (!ok || compare(ra, rb) <= 0)
                    break;
                ok = store(object, layer, x, rb, size) && store(object, layer, y, ra, size);
                if (!ok) {
                    store_again(object, layer, x, ra, size);
                    store_again(object, layer, y, rb, size);
                    break;
                }
            }
        }
    }
    std::free(pair);
    return ok;
}

}  // namespace

extern "C" int32_t ZEKAPI Fd_Io_Sort(ZEK_object *object, int32_t from, int32_t to,
                                     Fd_Io_compare_fn compare)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer || !compare || from < 0 || to <= from || int64_t(to) - from + 1 > INT32_MAX)
        return 0;
    const size_t size = fd_io_area(layer)->recsize;
    const int32_t count = to - from + 1;
    bool ok = false;
    if (!sort_in_memory(object, layer, from, count, size, compare, &ok))
        ok = sort_in_file(object, layer, from, count, size, compare);
    return ok ? 1 : 0;
}
