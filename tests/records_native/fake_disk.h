// In-memory files for the record file tests: sparse, so positions beyond
// 4 GiB cost nothing, with reads and writes that fail on demand.
#ifndef ZEK_TESTS_RECORDS_NATIVE_FAKE_DISK_H
#define ZEK_TESTS_RECORDS_NATIVE_FAKE_DISK_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "../../records/record_io.h"

struct FakeFile {
    std::map<uint64_t, std::vector<uint8_t>> chunks;  // kChunk bytes each
    uint64_t size = 0;
};

class FakeDisk final : public RecordFs {
public:
    static constexpr uint64_t kChunk = 4096;

    std::map<std::string, FakeFile> files;
    long ios = 0;                    // reads and writes so far
    long failAt = -1;                // that read or write fails, once
    uint64_t capacity = UINT64_MAX;  // a file may not grow beyond this
    bool readsFail = false;          // every read fails
    bool writesFail = false;         // every write fails
    bool fired = false;              // some read or write failed
    bool writeFired = false;         // some write failed
    int openFiles = 0;

    RecordIo *open(const char *name) override;
    RecordIo *create(const char *name) override;
    int check(const char *name) override { return files.count(name) ? 0 : 2; }
    bool remove(const char *name) override { return files.erase(name) != 0; }

    void healthy() {
        failAt = -1;
        capacity = UINT64_MAX;
        readsFail = writesFail = false;
    }
    // The file's bytes, which must be small.
    std::vector<uint8_t> bytes(const std::string &name);
    void put_bytes(const std::string &name, const std::vector<uint8_t> &data);
    // Whether the next read or write is to fail.
    bool next_fails(bool write);
};

// Makes this disk the record files' disk while it lives.
class UseDisk {
public:
    explicit UseDisk(FakeDisk *disk);
    ~UseDisk();
};

#endif
