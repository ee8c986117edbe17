// Hash indexes of class layers' member names; see name_index.h.
#include "name_index.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace {

// The three runs a search walks, in search order. A run with no rows is
// never read, so its address is not part of the key.
struct Run {
    const ZEK_member *rows;
    int32_t count;
};
struct RunsKey {
    Run runs[3];
};

RunsKey key_of(const ZEK_layer *layer)
{
    RunsKey key{{{layer->pMethodRow, layer->nMethodRow},
                 {layer->pDataRow, layer->nDataRow},
                 {layer->pRows, layer->nRecField}}};
    for (Run &run : key.runs)
        if (run.count < 1 || !run.rows)
            run = Run{nullptr, 0};
    return key;
}

bool operator==(const RunsKey &a, const RunsKey &b)
{
    for (int r = 0; r < 3; ++r)
        if (a.runs[r].rows != b.runs[r].rows || a.runs[r].count != b.runs[r].count)
            return false;
    return true;
}

uint32_t mix(uint32_t h, uint32_t value)
{
    return (h ^ value) * 16777619u;
}

uint32_t hash_name(const char *name)
{
    uint32_t h = 2166136261u;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(name); *p; ++p)
        h = mix(h, *p);
    return h;
}

struct KeyHash {
    size_t operator()(const RunsKey &key) const
    {
        uint32_t h = 2166136261u;
        for (const Run &run : key.runs) {
            const uintptr_t p = reinterpret_cast<uintptr_t>(run.rows);
            h = mix(mix(mix(h, uint32_t(p)), uint32_t(uint64_t(p) >> 32)), uint32_t(run.count));
        }
        return h;
    }
};

// Kinds and names of every row of the runs, as a search sees them.
uint32_t fingerprint(const RunsKey &key)
{
    uint32_t h = 2166136261u;
    for (const Run &run : key.runs)
        for (int32_t i = 0; i < run.count; ++i) {
            const ZEK_member &row = run.rows[i];
            h = mix(h, uint32_t(row.kind));
            if (row.kind != ZEK_KIND_EMPTY && row.name)
                h = mix(h, hash_name(row.name));
        }
    return h;
}

bool row_named(const ZEK_member &row, const char *name)
{
    return row.kind != ZEK_KIND_EMPTY && row.name && std::strcmp(row.name, name) == 0;
}

// One open-addressed table of the names of a layer's runs, each with the
// result the linear search gives for it and the row it found.
class NameIndex {
public:
    explicit NameIndex(const RunsKey &key) : key_(key), fingerprint_(fingerprint(key))
    {
        size_t rows = 0;
        for (const Run &run : key.runs)
            rows += size_t(run.count);
        size_t slots = 8;
        while (slots < 2 * rows)
            slots *= 2;
        mask_ = slots - 1;
        slots_.assign(slots, Slot{0, -1, nullptr, 0});
        // In search order, so a repeated name keeps its first place.
        for (const Run &run : key.runs)
            for (int32_t i = 0; i < run.count; ++i) {
                const ZEK_member &row = run.rows[i];
                if (row.kind != ZEK_KIND_EMPTY && row.name)
                    add(row.name, i, &row);
            }
    }

    // The row and result recorded for name, or null when it has none.
    const ZEK_member *find(const char *name, int32_t *result) const
    {
        const uint32_t h = hash_name(name);
        for (size_t s = h & mask_;; s = (s + 1) & mask_) {
            const Slot &slot = slots_[s];
            if (!slot.row)
                return nullptr;
            if (slot.hash == h && std::strcmp(names_.data() + slot.nameAt, name) == 0) {
                *result = slot.result;
                return slot.row;
            }
        }
    }

    const RunsKey &key() const { return key_; }
    uint32_t fingerprint_at_build() const { return fingerprint_; }

private:
    struct Slot {
        uint32_t hash;
        int32_t result;
        const ZEK_member *row;  // null: free slot
        size_t nameAt;          // the name as it was when indexed, in names_
    };

    void add(const char *name, int32_t result, const ZEK_member *row)
    {
        const uint32_t h = hash_name(name);
        size_t s = h & mask_;
        for (; slots_[s].row; s = (s + 1) & mask_)
            if (slots_[s].hash == h && std::strcmp(names_.data() + slots_[s].nameAt, name) == 0)
                return;
        slots_[s] = Slot{h, result, row, names_.size()};
        names_.append(name).push_back('\0');
    }

    RunsKey key_;
    uint32_t fingerprint_;
    size_t mask_ = 0;
    std::vector<Slot> slots_;
    std::string names_;
};

// Readers share, a writer (adding or dropping an index) excludes them; a
// waiting writer stops new readers so it cannot be starved.
class ReadWriteSpin {
public:
    void lock_shared()
    {
        for (;;) {
            while (writersWaiting_.load(std::memory_order_relaxed) > 0)
                std::this_thread::yield();
            int32_t s = state_.load(std::memory_order_relaxed);
            if (s >= 0 && state_.compare_exchange_weak(s, s + 1, std::memory_order_acquire))
                return;
            std::this_thread::yield();
        }
    }
    void unlock_shared() { state_.fetch_sub(1, std::memory_order_release); }
    void lock()
    {
        writersWaiting_.fetch_add(1, std::memory_order_relaxed);
        for (int32_t s = 0; !state_.compare_exchange_weak(s, -1, std::memory_order_acquire); s = 0)
            std::this_thread::yield();
        writersWaiting_.fetch_sub(1, std::memory_order_relaxed);
    }
    void unlock() { state_.store(0, std::memory_order_release); }

private:
    std::atomic<int32_t> state_{0};  // readers inside, or -1 for the writer
    std::atomic<int32_t> writersWaiting_{0};
};

// Tables a program makes and drops over and over must not grow memory
// without bound: past this many indexes, new layouts are searched row by row.
constexpr size_t kMaxIndexes = 4096;

// Never destroyed: objects may still be searched while statics are torn down.
ReadWriteSpin &gLock = *new ReadWriteSpin;
auto &gIndexes = *new std::unordered_map<RunsKey, std::unique_ptr<NameIndex>, KeyHash>;
// Recently used indexes by key hash, in front of the map (whose lookup costs
// a division). Written by readers, cleared by the writer that drops an index.
constexpr size_t kFrontSlots = 256;
std::atomic<const NameIndex *> gFront[kFrontSlots];

// The index of key, or null; call with the lock held (shared or not).
const NameIndex *find_index(const RunsKey &key, size_t hash)
{
    std::atomic<const NameIndex *> &front = gFront[hash % kFrontSlots];
    const NameIndex *index = front.load(std::memory_order_relaxed);
    if (index && index->key() == key)
        return index;
    auto it = gIndexes.find(key);
    if (it == gIndexes.end())
        return nullptr;
    index = it->second.get();
    front.store(index, std::memory_order_relaxed);
    return index;
}

// Drops the index of key if it is still index (another thread may have
// replaced it meanwhile).
void drop(const RunsKey &key, const NameIndex *index)
{
    gLock.lock();
    auto it = gIndexes.find(key);
    if (it != gIndexes.end() && it->second.get() == index) {
        for (auto &front : gFront)
            if (front.load(std::memory_order_relaxed) == index)
                front.store(nullptr, std::memory_order_relaxed);
        gIndexes.erase(it);
    }
    gLock.unlock();
}

}  // namespace

int32_t zek_linear_name_search(const ZEK_layer *layer, const char *name)
{
    int32_t i = -1;
    if (layer->nMethodRow > 0)
        i = ZEK_NameSearch2(layer->pMethodRow, layer->nMethodRow, name);
    if (i == -1 && layer->nDataRow > 0)
        i = ZEK_NameSearch2(layer->pDataRow, layer->nDataRow, name);
    if (i == -1 && layer->nRecField > 0)
        i = ZEK_NameSearch2(layer->pRows, layer->nRecField, name);
    return i;
}

int32_t zek_indexed_name_search(const ZEK_layer *layer, const char *name)
{
    const RunsKey key = key_of(layer);
    const size_t hash = KeyHash()(key);
    for (int attempt = 0; attempt < 2; ++attempt) {
        gLock.lock_shared();
        const NameIndex *index = find_index(key, hash);
        int32_t result = -1;
        const ZEK_member *row = index ? index->find(name, &result) : nullptr;
        // A hit is checked against the row itself: a row renamed or emptied
        // since the index was made drops the index.
        const bool stale = row && !row_named(*row, name);
        gLock.unlock_shared();
        if (index && !stale)
            return row ? result : -1;
        if (stale) {
            drop(key, index);
            continue;
        }
        // Built outside the lock; a thread that built the same one first wins.
        auto made = std::make_unique<NameIndex>(key);
        gLock.lock();
        bool full = gIndexes.size() >= kMaxIndexes;
        if (!full)
            gIndexes.emplace(key, std::move(made));
        gLock.unlock();
        if (full)
            break;
    }
    return zek_linear_name_search(layer, name);
}

void zek_name_index_check(const ZEK_layer *layer)
{
    const RunsKey key = key_of(layer);
    gLock.lock_shared();
    const NameIndex *index = find_index(key, KeyHash()(key));
    const bool stale = index && index->fingerprint_at_build() != fingerprint(key);
    gLock.unlock_shared();
    if (stale)
        drop(key, index);
}
