// The live objects of one link end, keyed by the 32-bit ids that travel on
// the wire in place of addresses. Only ids handed out here are acted on.
#ifndef ZEK_PROCESS_NET_REGISTRY_H
#define ZEK_PROCESS_NET_REGISTRY_H

#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "zek2/runtime.h"

class NetRegistry {
public:
    // A fresh id (never 0, never reused by this registry) for object.
    uint32_t add(ZEK_object *object);
    ZEK_object *find(uint32_t id);
    // Removes the id and gives its object (null when not live).
    ZEK_object *take(uint32_t id);
    // Removes every id of object; true when there was one.
    bool forget(ZEK_object *object);
    // Empties the registry and gives the objects that were in it.
    std::vector<ZEK_object *> take_all();

private:
    std::mutex lock_;
    std::unordered_map<uint32_t, ZEK_object *> objects_;
    uint32_t next_ = 0;
};

#endif
