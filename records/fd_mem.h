// Memory record array: data area, layer lookup and the pieces that classes
// built on Fd_Mem (a third layer above it) reuse.
#ifndef ZEK_RECORDS_FD_MEM_H
#define ZEK_RECORDS_FD_MEM_H

#include <cstddef>

#include "zek2/records.h"

// Data members, in table order.
struct Fd_Mem_data {
    int32_t bMaxRec;
    int32_t bDatE;
    int32_t bDatS;
    int32_t bDatC;
    int32_t bRecSize;
    int32_t bResult;
    int32_t bSelRec;
    int32_t bAlloc;
};
static_assert(sizeof(Fd_Mem_data) == 32, "Fd_Mem data area");

// The layer's heap area: the public members, then what the block really
// holds, so that members a program rewrote never lead outside the block.
struct Fd_Mem_area {
    Fd_Mem_data data;
    int32_t blockRecs;
    int32_t blockRecSize;
};

// Slot indices, in table order.
enum {
    kFdMemDtor,
    kFdMemGet,
    kFdMemSeek,
    kFdMemPut,
    kFdMemPut0,
    kFdMemInitData,
    kFdMemInitCount,
    kFdMemDelDataDir,
    kFdMemDelData,
    kFdMemInsDataDir,
    kFdMemInsData,
    kFdMemSort,
    kFdMemAlloc,
    kFdMemMethods
};

extern const ZEK_vtbl Fd_Mem_vtbl;

// Builds an Fd_Mem layer from the table with an empty table state; the
// caller links it to its base. False when the slot block is missing.
bool fd_mem_init_layer(ZEK_object *object, ZEK_layer *layer);

// The object's Fd_Mem layer (walking up from the root), or null.
ZEK_layer *fd_mem_layer(ZEK_object *object);

inline Fd_Mem_area *fd_mem_area(ZEK_layer *layer)
{
    return static_cast<Fd_Mem_area *>(layer->pDataArea);
}

#endif
