// What a received message may do to this process: which method a call
// reaches, and calling it with the checked arguments.
#ifndef ZEK_PROCESS_NET_DISPATCH_H
#define ZEK_PROCESS_NET_DISPATCH_H

#include "net_marshal.h"
#include "zek2/runtime.h"

// Which end of a link received the message.
enum NetRole { kNetServerEnd, kNetClientEnd };

enum NetAction {
    kNetDrop,       // not for this end, or malformed
    kNetDoClose,
    kNetDoCall,
    kNetDoAnswer,
    kNetDoNew,
    kNetDoNewAnswer,
    kNetDoRegisterAnswer,
    kNetDoDelete,
};
NetAction net_action(NetRole role, const NetMessage &m);

// The method at (level, slot) of the object's chain, or null when the level
// is not one of its layers, the slot is beyond the layer's methods or empty,
// or it is a destructor. Of the root layer only the two methods a proxy
// forwards (StartUpMailslotThread, SendComputerName) may be called.
ZEK_method_fn net_remote_method(ZEK_object *object, int32_t level, int32_t slot);

// Calls the method with the object first, fixed-up words pointing into
// payload and the other words as 32-bit integers.
int32_t net_invoke(ZEK_method_fn method, ZEK_object *object, const NetCallPlan &plan,
                   uint8_t *payload);

#endif
