// Building outgoing messages and checking received ones. Every field of a
// received message is untrusted: nothing here reads outside the message, and
// the checks say exactly which fields may be acted on.
#ifndef ZEK_PROCESS_NET_MARSHAL_H
#define ZEK_PROCESS_NET_MARSHAL_H

#include "net_wire.h"

enum : uint32_t {
    kNetMaxWords = kNetPayloadBytes / 4,
    kNetNameBytes = 16,     // computer name, at most 15 characters
    kNetTagBytes = 128,     // tag text, at most 127 characters
    kNetReturnFlag = 0x10000,  // in a pointer entry's offset: its data comes back
};

// One pointer argument of a call: its data travels in the payload.
struct NetPointer {
    int32_t length;
    int32_t offset;  // argument-block offset of the pointer field; bit 16 = kNetReturnFlag
    const void *data;
};

// Types 11/12: words of the argument block (word 0 is the object), then the
// fix-up list and the data of each entry with data. The entry marked with
// kNetReturnFlag is the region the answer brings back (dataOffset/dataLength).
// False when the arguments or entries are malformed or do not fit in 256 bytes.
bool net_build_call(NetMessage &m, uint16_t type, uint32_t levelSlot, const int32_t *words,
                    int32_t argBytes, const NetPointer *list, int32_t count);
// Type 14: make an object from a module file name with a factory argument.
bool net_build_new(NetMessage &m, uint32_t clientId, uint16_t clientNo, const char *module,
                   int32_t argument);
// Type 16: registration with this computer's name, platform and tag.
bool net_build_register(NetMessage &m, uint16_t mode, uint32_t clientId, const char *computer,
                        uint32_t platform, const char *tag);

// A received call (types 11, 12 and 14) that passed every check.
struct NetCallPlan {
    int32_t level;
    int32_t slot;
    uint32_t words;             // argument words
    uint32_t value[kNetMaxWords];
    uint64_t pointers;          // bit i: word i is a payload offset to fix up
};
// Checks the argument length (4..256, a multiple of 4), the fix-up list and
// each fixed-up word against the payload in use, and the returned-data range.
bool net_parse_call(const NetMessage &m, NetCallPlan &plan);
// Type 14: module name (NUL-terminated inside the payload) and argument.
bool net_parse_new(const NetMessage &m, const char *&module, int32_t &argument);

struct NetRegistration {
    uint32_t clientId;
    uint32_t platform;
    char computer[kNetNameBytes];
    char tag[kNetTagBytes];
};
// Type 16: names bounded to their fields; refused when the tag does not fit.
bool net_parse_register(const NetMessage &m, NetRegistration &out);

// An awaited answer, as the caller left it: nothing of a received answer but
// its result and the bytes of the expected data region is trusted.
struct NetPending {
    uint32_t tag;          // echoed at 28
    int32_t *result;
    void *data;
    uint32_t dataOffset;
    uint32_t dataLength;
};
// Type 13 matching pending: stores the result and the returned data.
bool net_accept_answer(const NetPending &pending, const NetMessage &answer);

#endif
