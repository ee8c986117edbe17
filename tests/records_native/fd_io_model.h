// A plain in-memory picture of a record file and a random program run on
// both it and a record file object, for the differential and fault tests.
#ifndef ZEK_TESTS_RECORDS_NATIVE_FD_IO_MODEL_H
#define ZEK_TESTS_RECORDS_NATIVE_FD_IO_MODEL_H

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <random>
#include <vector>

#include "fd_io_support.h"

struct Shape {
    int32_t nbuf, bufcnt, recsize, offset;
};

inline void PrintTo(const Shape &s, std::ostream *out) {
    *out << s.nbuf << " buffers of " << s.bufcnt << " x " << s.recsize << " bytes, header "
         << s.offset;
}

using Bytes = std::vector<uint8_t>;

// The file as the record file must leave it: header, then records in whole
// zero-padded blocks.
struct FileModel {
    Shape s;
    Bytes file;    // what the file holds once everything is written
    Bytes header;  // the header in memory
    int32_t datE = -1;

    explicit FileModel(Shape shape) : s(shape), header(size_t(shape.offset), 0) {}

    uint64_t pos(int32_t rec) const { return uint64_t(s.offset) + uint64_t(rec) * s.recsize; }
    // A changed record's block reaches the file whole.
    void touch(int32_t rec) {
        uint64_t block = uint64_t(s.recsize) * s.bufcnt;
        uint64_t end = s.offset + (uint64_t(rec / s.bufcnt) + 1) * block;
        if (file.size() < end)
            file.resize(size_t(end), 0);
    }
    Bytes rec(int32_t r) const {
        Bytes b(size_t(s.recsize), 0);
        if (pos(r) < file.size())
            std::memcpy(b.data(), file.data() + pos(r), b.size());
        return b;
    }
    void set(int32_t r, const Bytes &b) {
        touch(r);
        std::memcpy(file.data() + pos(r), b.data(), b.size());
    }
    void closed() {
        if (file.size() < header.size())
            file.resize(header.size(), 0);
        std::copy(header.begin(), header.end(), file.begin());
    }
};

int ZEKAPI compare_bytes(const void *a, const void *b);
extern size_t g_compare_size;

// One step of a random program applied to the object and, when the object
// reports success, to the model. Gives the object's result.
class RandomRun {
public:
    RandomRun(FdIoFile &f, FileModel &m, uint32_t seed) : f_(f), m_(m), rng_(seed) {}

    bool allowInitData = true;

    bool step();
    // Records that must agree with the model: through Get, one by one.
    bool agrees(int32_t upto);

private:
    Bytes random_rec() {
        Bytes b(size_t(m_.s.recsize));
        for (auto &x : b)
            x = uint8_t(rng_() % 4 + 1);  // few values, so sorts meet ties
        return b;
    }
    int32_t pick(int32_t lo, int32_t hi) { return lo + int32_t(rng_() % uint32_t(hi - lo + 1)); }
    FdIoFile &f_;
    FileModel &m_;
    std::mt19937 rng_;
};

#endif
