// Record file: data area, private cache state and the pieces shared by the
// class glue, the cache and the record operations.
#ifndef ZEK_RECORDS_FD_IO_H
#define ZEK_RECORDS_FD_IO_H

#include <cstddef>
#include <cstdint>

#include "zek2/record_file.h"
#include "record_io.h"

enum { kFdIoBuffers = 10, kFdIoNameBytes = 260 };

// Data members, in table order. Programs read them; the cache works from the
// private copies in Fd_Io_area, so a member a program rewrote cannot send a
// write to the wrong place.
struct Fd_Io_data {
    int32_t bMaxRec;
    int32_t bRecSize;
    int32_t bResult;
    int32_t bSelRec;
    int32_t bDatE;
    int32_t bDatS;
    int32_t bDatC;
    int32_t bOpenFlag;
    void *hHnd;
    void *hWnd;
    int32_t Lock;
    int32_t rwct[kFdIoBuffers];
    uint32_t base[kFdIoBuffers];
    char *buf[kFdIoBuffers];
    char *offbuf;
    int32_t bufcnt;
    int32_t bufsize;
    int32_t recsize;
    int32_t b_sp[kFdIoBuffers];
    int32_t b_ep[kFdIoBuffers];
    int32_t offset;
    int32_t block_n;
    int32_t block;
    char *filename;
    char _filename[kFdIoNameBytes];
    uint32_t hBase[kFdIoBuffers];
    uint32_t bl_b[kFdIoBuffers];
    uint32_t bh_b[kFdIoBuffers];
    int32_t sp_b[kFdIoBuffers];
    int32_t ep_b[kFdIoBuffers];
};
#if defined(__i386__)
static_assert(sizeof(Fd_Io_data) == 736, "Fd_Io data area");
#endif

// One cache buffer: the block it holds (end == 0 while empty).
struct FdIoBlock {
    uint64_t pos;
    int64_t first;
    int64_t end;
    bool dirty;
};

// The layer's heap area: the public members, then the state the cache trusts.
struct Fd_Io_area {
    Fd_Io_data data;
    RecordIo *io;
    char *memory;    // buffers, header area, then one scratch record
    char *scratch;   // pRecord's target after a failed positioning
    uint32_t nbuf;
    uint32_t bufcnt;
    uint32_t recsize;
    uint32_t bufsize;
    uint32_t offset;
    uint32_t last;   // buffer used last; replacement starts after it
    int32_t current; // buffer of the last positioned record, -1 for none
    FdIoBlock cache[kFdIoBuffers];
    FdIoBlock saved[kFdIoBuffers];
};

// Slot indices, in table order.
enum {
    kFdIoDtor,
    kFdIoCreate,
    kFdIoUnlink,
    kFdIoOpen,
    kFdIoClose,
    kFdIoGetOpenCk,
    kFdIoSetMaxRec,
    kFdIoSetFileName,
    kFdIoFlush,
    kFdIoSetWindowHandle,
    kFdIoGetOffsetPtr,
    kFdIoGetOffset,
    kFdIoPutOffset,
    kFdIoGet,
    kFdIoSeek,
    kFdIoPut,
    kFdIoPut0,
    kFdIoInitData,
    kFdIoInitCount,
    kFdIoDelDataDir,
    kFdIoDelData,
    kFdIoInsDataDir,
    kFdIoInsData,
    kFdIoSort,
    kFdIoLockBuffer,
    kFdIoPushBuf,
    kFdIoPopBuf,
    kFdIoMethods
};

extern const ZEK_vtbl Fd_Io_vtbl;

// Builds an Fd_Io layer (closed, empty table); the caller links it.
bool fd_io_init_layer(ZEK_object *object, ZEK_layer *layer);

// The layer's class name; a layer carrying this very pointer was built here.
extern const char kFdIoClassName[];

ZEK_layer *fd_io_find_layer(ZEK_object *object);

// The object's Fd_Io layer, or null. Every record call starts here, so the
// usual place (right above the root) is tried first by address before the
// walk that compares names.
inline ZEK_layer *fd_io_layer(ZEK_object *object)
{
    if (!object)
        return nullptr;
    ZEK_layer *above = ZEK_layer_at(object, 0)->pDerived;
    if (above && above->pszClass == kFdIoClassName && above->pDataArea)
        return above;
    return fd_io_find_layer(object);
}

inline Fd_Io_area *fd_io_area(ZEK_layer *layer)
{
    return static_cast<Fd_Io_area *>(layer->pDataArea);
}

// The layer of an object whose file is open, or null.
inline ZEK_layer *fd_io_open_layer(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_layer(object);
    return layer && fd_io_area(layer)->io ? layer : nullptr;
}

// Writes the changed blocks, then the header, then closes the file. Through
// the object's slots a failed write leaves the file open, buffers and handle,
// so that the program can retry; while the object is destroyed this class's
// own functions are used and the file is released whatever happens.
enum class FdIoClose { ThroughSlots, OwnMethodsAlways };
bool fd_io_close(ZEK_object *object, ZEK_layer *layer, FdIoClose how);

// Where the platform's files come from; tests may put their own in place.
RecordFs *fd_io_fs();
void fd_io_set_fs(RecordFs *fs);

#endif
