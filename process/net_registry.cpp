// Registry of the objects reachable over one link end.
#include "net_registry.h"

uint32_t NetRegistry::add(ZEK_object *object)
{
    std::lock_guard<std::mutex> hold(lock_);
    // Ids are spread so that a guessed small number rarely names a live object.
    next_ += 0x9E3779B1u;
    if (next_ == 0 || objects_.count(next_))
        next_ += 0x9E3779B1u;
    objects_[next_] = object;
    return next_;
}

ZEK_object *NetRegistry::find(uint32_t id)
{
    std::lock_guard<std::mutex> hold(lock_);
    auto it = objects_.find(id);
    return it == objects_.end() ? nullptr : it->second;
}

ZEK_object *NetRegistry::take(uint32_t id)
{
    std::lock_guard<std::mutex> hold(lock_);
    auto it = objects_.find(id);
    if (it == objects_.end())
        return nullptr;
    ZEK_object *object = it->second;
    objects_.erase(it);
    return object;
}

bool NetRegistry::forget(ZEK_object *object)
{
    std::lock_guard<std::mutex> hold(lock_);
    bool found = false;
    for (auto it = objects_.begin(); it != objects_.end();) {
        if (it->second == object) {
            it = objects_.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

std::vector<ZEK_object *> NetRegistry::take_all()
{
    std::lock_guard<std::mutex> hold(lock_);
    std::vector<ZEK_object *> all;
    for (auto &entry : objects_)
        all.push_back(entry.second);
    objects_.clear();
    return all;
}
