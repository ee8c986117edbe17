// Prints record reads and writes per second of the record file for a few
// cache shapes on a real file, beside plain pread/pwrite of the same blocks,
// and the record file's sort beside the memory array's. Not a test: it
// asserts nothing about speed.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../records/fd_io.h"
#include "zek2/records.h"

namespace {

using Clock = std::chrono::steady_clock;

class PosixIo final : public RecordIo {
public:
    explicit PosixIo(int fd) : fd_(fd) {}
    bool read(uint64_t pos, void *to, uint32_t n, uint32_t *got) override
    {
        ssize_t r = pread(fd_, to, n, off_t(pos));
        *got = r > 0 ? uint32_t(r) : 0;
        return r >= 0;
    }
    bool write(uint64_t pos, const void *from, uint32_t n) override
    {
        return pwrite(fd_, from, n, off_t(pos)) == ssize_t(n);
    }
    bool close() override { return ::close(fd_) == 0; }
    void *handle() override { return this; }

private:
    int fd_;
};

class PosixFs final : public RecordFs {
public:
    RecordIo *open(const char *name) override
    {
        int fd = ::open(name, O_RDWR);
        return fd < 0 ? nullptr : new PosixIo(fd);
    }
    RecordIo *create(const char *name) override
    {
        int fd = ::open(name, O_RDWR | O_CREAT | O_TRUNC, 0644);
        return fd < 0 ? nullptr : new PosixIo(fd);
    }
    int check(const char *name) override { return access(name, R_OK | W_OK) == 0 ? 0 : 2; }
    bool remove(const char *name) override { return unlink(name) == 0; }
};

constexpr int32_t kRecords = 1000000;
constexpr int32_t kRecSize = 32;
constexpr int32_t kRandom = 100000;  // random accesses per run

double seconds_since(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

uint32_t next(uint64_t &s)
{
    s ^= s << 13, s ^= s >> 7, s ^= s << 17;
    return uint32_t(s >> 20);
}

// Records per second through Get (and Put when writing).
double run_records(ZEK_object *o, bool write, bool random)
{
    uint64_t seed = 88172645463325252ull;
    auto t = Clock::now();
    uint32_t sum = 0;
    const int32_t count = random ? kRandom : kRecords;
    for (int32_t i = 0; i < count; ++i) {
        int32_t rec = random ? int32_t(next(seed) % kRecords) : i;
        Fd_Io_Get(o, rec);
        if (write) {
            std::memcpy(o->pRecord, &i, sizeof i);
            Fd_Io_Put(o, rec);
        } else {
            sum += static_cast<unsigned char *>(o->pRecord)[0];
        }
    }
    Fd_Io_Flush(o);
    volatile uint32_t keep = sum;
    (void)keep;
    return count / seconds_since(t);
}

// The same bytes moved with one pread or pwrite per block.
double run_plain(const char *name, int32_t bufcnt, bool write)
{
    int fd = ::open(name, O_RDWR);
    std::vector<char> block(size_t(bufcnt) * kRecSize);
    auto t = Clock::now();
    for (int32_t rec = 0; rec < kRecords; rec += bufcnt) {
        off_t pos = off_t(rec) * kRecSize;
        if (write)
            pwrite(fd, block.data(), block.size(), pos);
        else if (pread(fd, block.data(), block.size(), pos) < 0)
            break;
    }
    ::close(fd);
    return kRecords / seconds_since(t);
}

int ZEKAPI by_key(const void *a, const void *b)
{
    uint32_t x, y;
    std::memcpy(&x, a, 4);
    std::memcpy(&y, b, 4);
    return x > y ? 1 : x < y ? -1 : 0;
}

}  // namespace

RecordFs *record_fs_platform()
{
    static PosixFs fs;
    return &fs;
}

// Nothing here loads class modules.
void zek_module_release(void *) {}
void zek_module_release_later(void *) {}
void zek_module_release_pending() {}
extern "C" ZEK_object *ZEKAPI ZEK_new(const char *, intptr_t)
{
    return nullptr;
}

int main()
{
    std::string name = "/tmp/zek_record_bench_" + std::to_string(getpid()) + ".dat";
    ZEK_object *o = Fd_Io_ctor2(nullptr);
    Fd_Io_SetFileName(o, name.c_str());
    Fd_Io_Create(o, kRecords * kRecSize);
    fd_io_area(fd_io_layer(o))->data.bRecSize = kRecSize;

    std::printf("%d records of %d bytes; records per second (millions)\n", kRecords, kRecSize);
    std::printf("%-22s %9s %9s %9s %9s %11s %11s\n", "buffers x records", "seq read",
                "seq write", "rnd read", "rnd write", "plain read", "plain write");
    const int32_t shapes[][2] = {{1, 16}, {10, 16}, {1, 256}, {10, 256}, {10, 4096}};
    for (const auto &s : shapes) {
        Fd_Io_Open(o, s[1], 0, s[0]);
        double sr = run_records(o, false, false), sw = run_records(o, true, false);
        double rr = run_records(o, false, true), rw = run_records(o, true, true);
        Fd_Io_Close(o);
        double pr = run_plain(name.c_str(), s[1], false), pw = run_plain(name.c_str(), s[1], true);
        std::printf("%6d x %-13d %9.2f %9.2f %9.2f %9.2f %11.2f %11.2f\n", s[0], s[1], sr / 1e6,
                    sw / 1e6, rr / 1e6, rw / 1e6, pr / 1e6, pw / 1e6);
    }

    // Sorting 100,000 records: the file's and the memory array's Shell sort.
    const int32_t n = 100000;
    uint64_t seed = 1;
    Fd_Io_Open(o, 256, 0, 10);
    ZEK_object *m = Fd_Mem_ctor2(nullptr);
    static_cast<int32_t *>(ZEK_layer_at(m, 1)->pDataArea)[4] = kRecSize;
    Fd_Mem_Alloc(m, n);
    for (int32_t r = 0; r < n; ++r) {
        uint32_t key = next(seed);
        Fd_Io_Get(o, r);
        std::memcpy(o->pRecord, &key, 4);
        Fd_Io_Put(o, r);
        std::memcpy(static_cast<char *>(m->pBlock) + size_t(r) * kRecSize, &key, 4);
    }
    auto t = Clock::now();
    Fd_Io_Sort(o, 0, n - 1, by_key);
    double file_sort = seconds_since(t);
    t = Clock::now();
    Fd_Mem_Sort(m, 0, n - 1, by_key);
    double mem_sort = seconds_since(t);
    std::printf("sort of %d records: Fd_Io %.3f s, Fd_Mem %.3f s\n", n, file_sort, mem_sort);
    Fd_Io_Close(o);
    m->vtbl->deleting_dtor(m, 1);
    o->vtbl->deleting_dtor(o, 1);
    unlink(name.c_str());
    return 0;
}
