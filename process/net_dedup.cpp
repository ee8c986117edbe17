// The de-duplicating mailslot reader.
#include "net_dedup.h"

#include <cstring>

int NetDedup::read(NetSlotSource &source, uint8_t *buffer)
{
    for (;;) {
        int got = source.read(buffer);
        if (got >= 0)
            return got;
        if (!source.waiting())
            return 0;  // only malformed messages were waiting
    }
}

bool NetDedup::is_last(const uint8_t *message, uint32_t nowMs) const
{
    return haveLast_ && nowMs - lastAt_ <= kNetForgetMs &&
           std::memcmp(message, last_, kNetMessageBytes) == 0;
}

void NetDedup::deliver(const uint8_t *message, uint32_t nowMs)
{
    std::memcpy(last_, message, kNetMessageBytes);
    haveLast_ = true;
    lastAt_ = nowMs;
}

int NetDedup::next(NetSlotSource &source, uint8_t out[kNetMessageBytes], uint32_t nowMs)
{
    uint8_t more[kNetMessageBytes];
    if (havePending_) {
        std::memcpy(out, pending_, kNetMessageBytes);
        havePending_ = false;
        deliver(out, nowMs);
    } else {
        if (!read(source, out))
            return 0;
        if (is_last(out, nowMs)) {
            // A copy of the last one: deliver the first differing message.
            for (;;) {
                if (!source.waiting() || !read(source, more))
                    return 0;
                if (!is_last(more, nowMs))
                    break;
            }
            std::memcpy(out, more, kNetMessageBytes);
        }
        deliver(out, nowMs);
    }
    // Drop the copies of what was delivered; hold the first differing one.
    while (source.waiting() && read(source, more)) {
        if (!is_last(more, nowMs)) {
            std::memcpy(pending_, more, kNetMessageBytes);
            havePending_ = true;
            break;
        }
    }
    return 1;
}

int NetDedupTable::next(uintptr_t handle, NetSlotSource &source, uint8_t out[kNetMessageBytes],
                        uint32_t nowMs)
{
    std::lock_guard<std::mutex> hold(lock_);
    return states_[handle].next(source, out, nowMs);
}

void NetDedupTable::forget(uintptr_t handle)
{
    std::lock_guard<std::mutex> hold(lock_);
    states_.erase(handle);
}
