// Delivering each mailslot message once when the network delivers copies
// (one per transport): whole messages are compared, state is kept per
// mailslot, and the last delivered message is forgotten after a short time so
// that a restarted peer sending the same bytes again is heard.
#ifndef ZEK_PROCESS_NET_DEDUP_H
#define ZEK_PROCESS_NET_DEDUP_H

#include <cstdint>
#include <map>
#include <mutex>

#include "net_wire.h"

// Where the messages come from.
class NetSlotSource {
public:
    virtual ~NetSlotSource() = default;
    // 1: a 316-byte message was read into buffer; 0: none; -1: a message of
    // another size was read and discarded.
    virtual int read(uint8_t buffer[kNetMessageBytes]) = 0;
    virtual bool waiting() = 0;
};

enum : uint32_t { kNetForgetMs = 2000 };

class NetDedup {
public:
    // 1 when a new message is in out, 0 when none.
    int next(NetSlotSource &source, uint8_t out[kNetMessageBytes], uint32_t nowMs);

private:
    int read(NetSlotSource &source, uint8_t *buffer);
    bool is_last(const uint8_t *message, uint32_t nowMs) const;
    void deliver(const uint8_t *message, uint32_t nowMs);

    bool haveLast_ = false, havePending_ = false;
    uint32_t lastAt_ = 0;
    uint8_t last_[kNetMessageBytes] = {};
    uint8_t pending_[kNetMessageBytes] = {};
};

// One state per mailslot handle.
class NetDedupTable {
public:
    int next(uintptr_t handle, NetSlotSource &source, uint8_t out[kNetMessageBytes],
             uint32_t nowMs);
    void forget(uintptr_t handle);

private:
    std::mutex lock_;
    std::map<uintptr_t, NetDedup> states_;
};

#endif
