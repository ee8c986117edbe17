// Fd_Io: opening and closing, the header area and the cache of blocks.
// A buffer is written only to the block it was read from, and only when it
// holds what was read plus the program's changes: a buffer whose read failed
// is left empty, and a buffer whose write failed stays changed for the next
// write-back.
#include <climits>
#include <cstdlib>
#include <cstring>

#include "../runtime/class_rows.h"
#include "fd_io.h"

namespace {

bool is_loaded(const FdIoBlock &b)
{
    return b.end > 0;
}

// Shows buffer i's mapping in the data members.
void publish_block(Fd_Io_area *a, uint32_t i)
{
    const FdIoBlock &b = a->cache[i];
    Fd_Io_data &d = a->data;
    d.rwct[i] = b.dirty ? 1 : 0;
    d.base[i] = uint32_t(b.pos);
    d.hBase[i] = uint32_t(b.pos >> 32);
    d.b_sp[i] = int32_t(b.first);
    d.b_ep[i] = b.end > INT32_MAX ? INT32_MAX : int32_t(b.end);
}

void publish_saved(Fd_Io_area *a, uint32_t i)
{
    const FdIoBlock &b = a->saved[i];
    Fd_Io_data &d = a->data;
    d.bl_b[i] = uint32_t(b.pos);
    d.bh_b[i] = uint32_t(b.pos >> 32);
    d.sp_b[i] = int32_t(b.first);
    d.ep_b[i] = b.end > INT32_MAX ? INT32_MAX : int32_t(b.end);
}

void publish_all(Fd_Io_area *a)
{
    Fd_Io_data &d = a->data;
    d.bOpenFlag = a->io ? 1 : 0;
    d.hHnd = a->io ? a->io->handle() : nullptr;
    d.bufcnt = int32_t(a->bufcnt);
    d.recsize = int32_t(a->recsize);
    d.bufsize = int32_t(a->bufsize);
    d.offset = int32_t(a->offset);
    d.block_n = int32_t(a->nbuf);
    d.block = int32_t(a->last);
    d.offbuf = a->io && a->offset ? a->memory + size_t(a->nbuf) * a->bufsize : nullptr;
    for (uint32_t i = 0; i < kFdIoBuffers; ++i) {
        d.buf[i] = a->io && i < a->nbuf ? a->memory + size_t(i) * a->bufsize : nullptr;
        publish_block(a, i);
        publish_saved(a, i);
    }
}

char *buffer(Fd_Io_area *a, uint32_t i)
{
    return a->memory + size_t(i) * a->bufsize;
}

char *header(Fd_Io_area *a)
{
    return a->memory + size_t(a->nbuf) * a->bufsize;
}

bool write_block(Fd_Io_area *a, uint32_t i)
{
    FdIoBlock &b = a->cache[i];
    if (!b.dirty)
        return true;
    if (!is_loaded(b) || !a->io->write(b.pos, buffer(a, i), a->bufsize))
        return false;
    b.dirty = false;
    publish_block(a, i);
    return true;
}

void empty_block(Fd_Io_area *a, uint32_t i)
{
    a->cache[i] = FdIoBlock{};
    std::memset(buffer(a, i), 0, a->bufsize);
    if (a->current == int32_t(i))
        a->current = -1;
    publish_block(a, i);
}

// Reads block b into buffer i; on failure the buffer is left empty.
bool load_block(Fd_Io_area *a, uint32_t i, const FdIoBlock &b)
{
    a->cache[i] = FdIoBlock{};
    if (a->current == int32_t(i))
        a->current = -1;
    char *to = buffer(a, i);
    uint32_t got = 0;
    if (!a->io->read(b.pos, to, a->bufsize, &got)) {
        std::memset(to, 0, a->bufsize);
        publish_block(a, i);
        return false;
    }
    if (got < a->bufsize)
        std::memset(to + got, 0, a->bufsize - got);  // behind the end of the file
    a->cache[i] = FdIoBlock{b.pos, b.first, b.end, false};
    publish_block(a, i);
    return true;
}

// Positions pRecord on rec; after a failure it points at the scratch record,
// which is never written to the file.
int32_t position(ZEK_object *object, Fd_Io_area *a, int32_t rec)
{
    if (rec >= 0) {
        // Blocks never overlap, so the buffer used last, tried first, is the
        // one the walk in index order would find.
        const FdIoBlock &recent = a->cache[a->last];
        if (recent.first <= rec && rec < recent.end) {
            a->current = int32_t(a->last);
            object->pRecord = buffer(a, a->last) + size_t(rec - recent.first) * a->recsize;
            return 1;
        }
        for (uint32_t i = 0; i < a->nbuf; ++i) {
            const FdIoBlock &b = a->cache[i];
            if (b.first <= rec && rec < b.end) {
                a->last = i;
                a->current = int32_t(i);
                a->data.block = int32_t(i);
                object->pRecord = buffer(a, i) + size_t(rec - b.first) * a->recsize;
                return 1;
            }
        }
        uint32_t v = (a->last + 1) % a->nbuf;
        if (write_block(a, v)) {
            int64_t k = rec / int64_t(a->bufcnt);
            FdIoBlock want{uint64_t(k) * a->bufsize + a->offset, k * int64_t(a->bufcnt),
                           (k + 1) * int64_t(a->bufcnt), false};
            a->last = v;
            a->data.block = int32_t(v);
            if (load_block(a, v, want)) {
                a->current = int32_t(v);
                object->pRecord = buffer(a, v) + size_t(rec - want.first) * a->recsize;
                return 1;
            }
        }
    }
    a->current = -1;
    std::memset(a->scratch, 0, a->recsize);
    object->pRecord = a->scratch;
    return 0;
}

void release(ZEK_object *object, Fd_Io_area *a)
{
    std::free(a->memory);
    a->memory = nullptr;
    a->scratch = nullptr;
    a->io = nullptr;
    a->nbuf = a->bufcnt = a->recsize = a->bufsize = a->offset = a->last = 0;
    a->current = -1;
    for (uint32_t i = 0; i < kFdIoBuffers; ++i)
        a->cache[i] = a->saved[i] = FdIoBlock{};
    object->pRecord = nullptr;
    publish_all(a);
}

// Reads the header area without touching the copy in memory unless it worked.
bool read_header(Fd_Io_area *a)
{
    if (!a->offset)
        return true;
    char *copy = static_cast<char *>(std::calloc(1, a->offset));
    if (!copy)
        return false;
    uint32_t got = 0;
    bool ok = a->io->read(0, copy, a->offset, &got);
    if (ok)
        std::memcpy(header(a), copy, a->offset);
    std::free(copy);
    return ok;
}

}  // namespace

extern "C" int32_t ZEKAPI Fd_Io_Open(ZEK_object *object, int32_t bufcnt, int32_t offset,
                                     int32_t nbuffers)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    if (a->io || zek_call_slot<int32_t>(object, layer, kFdIoGetOpenCk) != 0)
        return 0;
    const int64_t recsize = a->data.bRecSize;
    const uint32_t nbuf = nbuffers >= 1 && nbuffers <= kFdIoBuffers ? uint32_t(nbuffers) : 1;
    if (recsize < 1 || bufcnt < 1 || offset < 0)
        return 0;
    const uint64_t bufsize = uint64_t(recsize) * uint64_t(bufcnt);
    if (bufsize > uint64_t(INT32_MAX))
        return 0;
    const uint64_t total = nbuf * bufsize + uint64_t(offset) + uint64_t(recsize);
    if (total > uint64_t(PTRDIFF_MAX))
        return 0;
    char *memory = static_cast<char *>(std::calloc(1, size_t(total)));
    if (!memory)
        return 0;
    a->data._filename[kFdIoNameBytes - 1] = '\0';
    RecordIo *io = fd_io_fs()->open(a->data._filename);
    if (!io) {
        std::free(memory);
        return 0;
    }
    a->io = io;
    a->memory = memory;
    a->nbuf = nbuf;
    a->bufcnt = uint32_t(bufcnt);
    a->recsize = uint32_t(recsize);
    a->bufsize = uint32_t(bufsize);
    a->offset = uint32_t(offset);
    a->scratch = memory + size_t(nbuf * bufsize) + size_t(offset);
    a->last = nbuf - 1;
    a->current = -1;
    for (uint32_t i = 0; i < kFdIoBuffers; ++i)
        a->cache[i] = a->saved[i] = FdIoBlock{};
    a->data.Lock = 0;
    a->data.hWnd = nullptr;
    object->pRecord = a->scratch;
    // Without its header the file must not be opened: Close would write the
    // zeros back over it.
    if (!read_header(a)) {
        io->close();
        delete io;
        release(object, a);
        return 0;
    }
    publish_all(a);
    return 1;
}

// The records go first and the header, which usually counts them, after them
// and only when they all reached the file.
bool fd_io_close(ZEK_object *object, ZEK_layer *layer, FdIoClose how)
{
    Fd_Io_area *a = fd_io_area(layer);
    const bool own = how == FdIoClose::OwnMethodsAlways;
    bool ok = (own ? Fd_Io_Flush(object) : zek_call_slot<int32_t>(object, layer, kFdIoFlush)) != 0;
    if (ok && a->offset)
        ok = (own ? Fd_Io_PutOffset(object)
                  : zek_call_slot<int32_t>(object, layer, kFdIoPutOffset)) != 0;
    if (!ok && !own)
        return false;
    RecordIo *io = a->io;
    ok = io->close() && ok;
    delete io;
    release(object, a);
    return ok;
}

extern "C" int32_t ZEKAPI Fd_Io_Close(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer) {
        if (ZEK_layer *closed = fd_io_layer(object))
            fd_io_area(closed)->data.bOpenFlag = 0;
        return 0;
    }
    return fd_io_close(object, layer, FdIoClose::ThroughSlots) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Fd_Io_Flush(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    bool ok = true;
    for (uint32_t i = 0; i < a->nbuf; ++i)
        ok = write_block(a, i) && ok;
    return ok ? 1 : 0;
}

extern "C" void *ZEKAPI Fd_Io_GetOffsetPtr(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer || !fd_io_area(layer)->offset)
        return nullptr;
    return header(fd_io_area(layer));
}

extern "C" void *ZEKAPI Fd_Io_GetOffset(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return nullptr;
    Fd_Io_area *a = fd_io_area(layer);
    if (!a->offset || !read_header(a))
        return nullptr;
    return header(a);
}

extern "C" int32_t ZEKAPI Fd_Io_PutOffset(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    if (!a->offset)
        return 1;
    return a->io->write(0, header(a), a->offset) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Fd_Io_Get(ZEK_object *object, int32_t rec)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    if (rec < 0) {
        position(object, a, rec);
        return 0;
    }
    a->data.bSelRec = rec;
    const FdIoBlock &recent = a->cache[a->last];
    if (recent.first <= rec && rec < recent.end) {  // the usual case, kept short
        a->current = int32_t(a->last);
        object->pRecord = buffer(a, a->last) + size_t(rec - recent.first) * a->recsize;
        return 1;
    }
    return position(object, a, rec);
}

extern "C" int32_t ZEKAPI Fd_Io_Seek(ZEK_object *object, int32_t rec)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    return position(object, fd_io_area(layer), rec);
}

// Marks the buffer of the last positioned record; nothing when that
// positioning failed or its buffer has been reused.
extern "C" int32_t ZEKAPI Fd_Io_Put(ZEK_object *object, int32_t)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    if (a->current < 0)
        return 0;
    a->cache[a->current].dirty = true;
    a->data.rwct[a->current] = 1;
    return 1;
}

// Forgets the cache without writing it, then starts a fresh record 0.
extern "C" int32_t ZEKAPI Fd_Io_InitData(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    for (uint32_t i = 0; i < a->nbuf; ++i)
        empty_block(a, i);
    object->pRecord = a->scratch;
    a->data.bDatE = -1;
    a->data.bDatC = 0;
    return zek_call_slot<int32_t>(object, layer, kFdIoPut0, 0) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Fd_Io_PushBuf(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    bool ok = true;
    for (uint32_t i = 0; i < a->nbuf; ++i) {
        a->saved[i] = a->cache[i];
        a->saved[i].dirty = false;
        publish_saved(a, i);
        ok = write_block(a, i) && ok;
    }
    return ok ? 1 : 0;
}

// Changed buffers are written before any buffer is remapped, so no change
// is lost and none lands on another block.
extern "C" int32_t ZEKAPI Fd_Io_PopBuf(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (!layer)
        return 0;
    Fd_Io_area *a = fd_io_area(layer);
    for (uint32_t i = 0; i < a->nbuf; ++i)
        if (!write_block(a, i))
            return 0;
    bool ok = true;
    for (uint32_t i = 0; i < a->nbuf; ++i) {
        if (is_loaded(a->saved[i]))
            ok = load_block(a, i, a->saved[i]) && ok;
        else
            empty_block(a, i);
    }
    a->current = -1;
    object->pRecord = a->scratch;
    return ok ? 1 : 0;
}
