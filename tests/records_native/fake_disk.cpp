// In-memory files, and the pieces of the class run-time that live in
// Windows-only sources, for the record file tests.
#include "fake_disk.h"

#include <algorithm>

#include "../../records/fd_io.h"
#include "../../runtime/object.h"

namespace {

FakeDisk g_default_disk;

// The byte at p, made (zero) when asked for, else null where nothing was written.
uint8_t *byte_at(FakeFile &f, uint64_t p, bool make) {
    auto it = f.chunks.find(p / FakeDisk::kChunk);
    if (it == f.chunks.end()) {
        if (!make)
            return nullptr;
        it = f.chunks.emplace(p / FakeDisk::kChunk, std::vector<uint8_t>(FakeDisk::kChunk)).first;
    }
    return &it->second[p % FakeDisk::kChunk];
}

class FakeIo final : public RecordIo {
public:
    FakeIo(FakeDisk *disk, FakeFile *file) : disk_(disk), file_(file) { ++disk_->openFiles; }
    ~FakeIo() override { close(); }

    bool read(uint64_t pos, void *to, uint32_t n, uint32_t *got) override {
        *got = 0;
        if (disk_->next_fails(false))
            return false;
        *got = uint32_t(std::min<uint64_t>(n, file_->size > pos ? file_->size - pos : 0));
        for (uint32_t i = 0; i < *got; ++i) {
            const uint8_t *b = byte_at(*file_, pos + i, false);
            static_cast<uint8_t *>(to)[i] = b ? *b : 0;
        }
        return true;
    }

    bool write(uint64_t pos, const void *from, uint32_t n) override {
        if (disk_->next_fails(true))
            return false;
        if (pos + n > file_->size && pos + n > disk_->capacity) {
            disk_->fired = disk_->writeFired = true;
            return false;
        }
        for (uint32_t i = 0; i < n; ++i)
            *byte_at(*file_, pos + i, true) = static_cast<const uint8_t *>(from)[i];
        file_->size = std::max(file_->size, pos + n);
        return true;
    }

    bool close() override {
        if (file_)
            --disk_->openFiles;
        file_ = nullptr;
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
    for (size_t i = 0; i < out.size(); ++i)
        if (const uint8_t *b = byte_at(f, i, false))
            out[i] = *b;
    return out;
}

void FakeDisk::put_bytes(const std::string &name, const std::vector<uint8_t> &data) {
    FakeFile &f = files[name] = FakeFile{};
    for (size_t i = 0; i < data.size(); ++i)
        *byte_at(f, i, true) = data[i];
    f.size = data.size();
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
