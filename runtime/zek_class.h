// The root class of every object.
#ifndef ZEK_RUNTIME_ZEK_CLASS_H
#define ZEK_RUNTIME_ZEK_CLASS_H

#include <cstddef>

#include "zek2/runtime.h"

// Data area of the root layer; addresses and handles are pointer-sized.
struct ZEK_class_data {
    uintptr_t ClientSelf;
    uintptr_t ServerSelf;
    void *hEvent;
    void *hPipe;
    int32_t ClientNo;
    uintptr_t result_buf;
    uintptr_t mem_buf;
    int32_t bResultByte;
    void *hMailslot;
    ZEK_object *MailslotThread;
    ZEK_object *PipeThreadC;
    ZEK_object *PipeThreadS;
    void *pic;
    void *pis;
};

#if defined(__i386__)
static_assert(sizeof(ZEK_class_data) == 56, "root data area");
#endif

enum { kZekClassMethods = 16 };

inline ZEK_class_data *zek_class_data(ZEK_object *object)
{
    return static_cast<ZEK_class_data *>(ZEK_layer_at(object, 0)->pDataArea);
}

extern const ZEK_vtbl ZEK_class_vtbl;

// The network's part of the root destructor: stops the object's watcher and
// reader threads, closes its links and forgets its ids.
void zek_class_net_release(ZEK_object *object);
// The mailslot watcher of a server object: job runs while messages wait,
// until the object goes.
int32_t net_watch_mailslot(ZEK_object *object, void (*job)(ZEK_object *));

#endif
