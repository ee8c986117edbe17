// In-memory files, and the pieces of the class run-time that live in
// Windows-only sources, for the record file tests.
#include "fake_disk.h"

#include <algorithm>
#include <cstring>

#include "../../records/fd_io.h"
#include "../../runtime/object.h"

namespace {

FakeDisk g_default_disk;

class FakeIo final : public RecordIo {
public:
    FakeIo(FakeDisk *disk, FakeFile *file) : disk_(disk), file_(file) { ++disk_->openFiles; }
    ~FakeIo() override { close(); }

    bool read(uint64_t pos, void *to, uint32_t n, uint32_t *got) override {
        *got = 0;
        if (disk_->next_fails(false))
            return false;
        uint64_t end = std::min<uint64_t>(file_->size, pos + n);
        auto *out = static_cast<uint8_t *>(to);
        for (uint64_t p = pos; p < end;) {
            uint64_t chunk = p / FakeDisk::kChunk, at = p % FakeDisk::kChunk;
            uint64_t part = std::min(FakeDisk::kChunk - at, end - p);
            auto it = file_->chunks.find(chunk);
            if (it == file_->chunks.end())
                std::memset(out + (p - pos), 0, part);
            else
                std::memcpy(out + (p - pos), it->second.data() + at, part);
            p += part;
        }
        *got = end > pos ? uint32_t(end - pos) : 0;
        return true;
    }

    bool write(uint64_t pos, const void *from, uint32_t n) override {
        if (disk_->next_fails(true))
            return false;
        if (pos + n > file_->size && pos + n > disk_->capacity) {
            disk_->fired = disk_->writeFired = true;
            return false;
        }
        auto *in = static_cast<const uint8_t *>(from);
        for (uint64_t p = pos; p < pos + n;) {
            uint64_t chunk = p / FakeDisk::kChunk, at = p % FakeDisk::kChunk;
            uint64_t part = std::min(FakeDisk::kChunk - at, pos + n - p);
            auto &bytes = file_->chunks[chunk];
            bytes.resize(FakeDisk::kChunk);
            std::memcpy(bytes.data() + at, in + (p - pos), part);
            p += part;
        }
        file_->size = std::max(file_->size, pos + n);
        return true;
    }

    bool close() override {
        if (file_) {
            --disk_->openFiles;
            file_ = nullptr;
        }
        return true;
    }

    void *handle() override { return file_; }

private:
    FakeDisk *disk_;
    FakeFile *file_;
};

}  // namespace

bool FakeDisk::next_fails(bool write) {
    bool fail = ios++ == failAt || (write ? writesFail : readsFail);
    fired = fired || fail;
    writeFired = writeFired || (fail && write);
    return fail;
}

RecordIo *FakeDisk::open(const char *name) {
    auto it = files.find(name);
    return it == files.end() ? nullptr : new FakeIo(this, &it->second);
}

RecordIo *FakeDisk::create(const char *name) {
    files[name] = FakeFile{};
    return new FakeIo(this, &files[name]);
}

std::vector<uint8_t> FakeDisk::bytes(const std::string &name) {
    FakeFile &f = files.at(name);
    std::vector<uint8_t> out(size_t(f.size));
    for (auto &c : f.chunks) {
        uint64_t start = c.first * kChunk;
        if (start < f.size)
            std::memcpy(out.data() + start, c.second.data(),
                        size_t(std::min(kChunk, f.size - start)));
    }
    return out;
}

void FakeDisk::put_bytes(const std::string &name, const std::vector<uint8_t> &data) {
    FakeFile f;
    for (size_t p = 0; p < data.size(); p += kChunk) {
        auto &c = f.chunks[p / kChunk];
        c.assign(kChunk, 0);
        std::memcpy(c.data(), data.data() + p, std::min<size_t>(kChunk, data.size() - p));
    }
    f.size = data.size();
    files[name] = f;
}

UseDisk::UseDisk(FakeDisk *disk) {
    fd_io_set_fs(disk);
}

UseDisk::~UseDisk() {
    fd_io_set_fs(nullptr);
}

// The sources built here have no platform files of their own.
RecordFs *record_fs_platform() {
    return &g_default_disk;
}

// Class modules are never loaded by these tests.
void zek_module_release(void *) {}
void zek_module_release_later(void *) {}
void zek_module_release_pending() {}
extern "C" ZEK_object *ZEKAPI ZEK_new(const char *, intptr_t) {
    return nullptr;
}
