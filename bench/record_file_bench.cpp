// Prints, on a real file, record reads and writes per second of the record
// file for a few cache shapes beside plain pread/pwrite of the same blocks;
// the time to insert at record 0 with the file and the memory array; and both
// sorts beside std::sort, checking that the two sorts give the same order.
// Not a test: it asserts nothing about speed.
//   record_file_bench [scale]   scale in (0, 1] shrinks every size
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../records/fd_io.h"
#include "../records/fd_mem.h"
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

constexpr int32_t kRecSize = 32;
constexpr double kRandomBytes = 512.0 * 1024 * 1024;  // bound on random block traffic

int32_t g_records = 1000000;  // records in the file
int32_t g_random = 100000;    // random accesses per run, at most
int32_t g_sorted = 100000;    // records sorted and shifted by inserts

double seconds_since(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

uint32_t next(uint64_t &s)
{
    s ^= s << 13, s ^= s >> 7, s ^= s << 17;
    return uint32_t(s >> 20);
}

constexpr uint64_t kSeed = 88172645463325252ull;

// Random accesses for one block size: fewer for big blocks, to stay quick.
int32_t random_count(int32_t bufcnt)
{
    double cap = kRandomBytes / (double(bufcnt) * kRecSize);
    return std::max<int32_t>(1000, std::min<int32_t>(g_random, int32_t(cap)));
}

// Records per second through Get (and Put when writing).
double run_records(ZEK_object *o, bool write, int32_t random)
{
    uint64_t seed = kSeed;
    auto t = Clock::now();
    uint32_t sum = 0;
    const int32_t count = random ? random : g_records;
    for (int32_t i = 0; i < count; ++i) {
        int32_t rec = random ? int32_t(next(seed) % uint32_t(g_records)) : i;
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

// The same records reached with one pread or pwrite of their whole block:
// sequential moves every block once, random moves the block of each record
// drawn (same draws as run_records). Records per second.
double run_plain(const char *name, int32_t bufcnt, bool write, int32_t random)
{
    int fd = ::open(name, O_RDWR);
    std::vector<char> block(size_t(bufcnt) * kRecSize);
    uint64_t seed = kSeed;
    auto t = Clock::now();
    const int32_t count = random ? random : (g_records + bufcnt - 1) / bufcnt;
    for (int32_t i = 0; i < count; ++i) {
        int32_t rec = random ? int32_t(next(seed) % uint32_t(g_records)) : i * bufcnt;
        off_t pos = off_t(rec / bufcnt) * bufcnt * kRecSize;
        if (write)
            pwrite(fd, block.data(), block.size(), pos);
        else if (pread(fd, block.data(), block.size(), pos) < 0)
            break;
    }
    ::close(fd);
    return (random ? random : g_records) / seconds_since(t);
}

int ZEKAPI by_key(const void *a, const void *b)
{
    uint32_t x, y;
    std::memcpy(&x, a, 4);
    std::memcpy(&y, b, 4);
    return x > y ? 1 : x < y ? -1 : 0;
}

using Rec = std::array<char, kRecSize>;

// Record r: a key with many equal values, then r itself to tell ties apart.
Rec make_record(int32_t r, uint64_t &seed)
{
    Rec rec{};
    uint32_t key = next(seed) % 1000;
    std::memcpy(rec.data(), &key, 4);
    std::memcpy(rec.data() + 4, &r, 4);
    return rec;
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

int main(int argc, char **argv)
{
    double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    if (!(scale > 0 && scale <= 1)) {
        std::fprintf(stderr, "usage: %s [scale in (0, 1]]\n", argv[0]);
        return 2;
    }
    g_records = std::max<int32_t>(10000, int32_t(g_records * scale));
    g_random = std::max<int32_t>(1000, int32_t(g_random * scale));
    g_sorted = std::max<int32_t>(1000, int32_t(g_sorted * scale));

    std::string name = "/tmp/zek_record_bench_" + std::to_string(getpid()) + ".dat";
    ZEK_object *o = Fd_Io_ctor2(nullptr);
    Fd_Io_SetFileName(o, name.c_str());
    Fd_Io_Create(o, g_records * kRecSize);
    fd_io_area(fd_io_layer(o))->data.bRecSize = kRecSize;

    std::printf("file of %d records of %d bytes; millions of records per second\n", g_records,
                kRecSize);
    std::printf("plain: one pread/pwrite of the record's whole block (block = records)\n");
    std::printf("overhead: plain rate / record file rate\n");
    std::printf("%-8s %-7s %-10s %8s %8s %9s %8s\n", "buffers", "block", "access", "count",
                "records", "plain", "overhead");
    // Each figure is the best of five runs, the record file and the plain
    // reads taking turns, so both meet the same page cache and write-back.
    const int32_t shapes[][2] = {{1, 16}, {10, 16}, {1, 256}, {10, 256}, {10, 4096}};
    const char *what[4] = {"seq read", "seq write", "rnd read", "rnd write"};
    for (const auto &s : shapes) {
        const int32_t rnd = random_count(s[1]);
        for (int k = 0; k < 4; ++k) {
            const bool write = k == 1 || k == 3;
            const int32_t random = k < 2 ? 0 : rnd;
            double lib = 0, plain = 0;
            for (int run = 0; run < 5; ++run) {
                Fd_Io_Open(o, s[1], 0, s[0]);
                lib = std::max(lib, run_records(o, write, random));
                Fd_Io_Close(o);
                plain = std::max(plain, run_plain(name.c_str(), s[1], write, random));
            }
            std::printf("%-8d %-7d %-10s %8d %8.3f %9.3f %7.2fx\n", s[0], s[1], what[k],
                        k < 2 ? g_records : rnd, lib / 1e6, plain / 1e6, plain / lib);
        }
    }

    // The same records in the file (10 buffers of 256), the memory array and a vector.
    const int32_t n = g_sorted;
    const int32_t maxInserts = 50;
    Fd_Io_Open(o, 256, 0, 10);
    ZEK_object *m = Fd_Mem_ctor2(nullptr);
    ZEK_layer *ml = fd_mem_layer(m);
    fd_mem_area(ml)->data.bRecSize = kRecSize;
    Fd_Mem_Alloc(m, n + maxInserts + 1);
    std::vector<Rec> orig, v;
    uint64_t seed = 1;
    for (int32_t r = 0; r < n; ++r)
        orig.push_back(make_record(r, seed));
    auto load = [&] {
        v = orig;
        for (int32_t r = 0; r < n; ++r) {
            Fd_Io_Get(o, r);
            std::memcpy(o->pRecord, orig[size_t(r)].data(), kRecSize);
            Fd_Io_Put(o, r);
        }
        Fd_Io_Flush(o);
        std::memcpy(m->pBlock, orig.data(), size_t(n) * kRecSize);
    };

    // Best of three runs each, from the same unsorted records.
    double io_sort = 1e9, mem_sort = 1e9, std_sort = 1e9;
    for (int run = 0; run < 3; ++run) {
        load();
        auto t = Clock::now();
        Fd_Io_Sort(o, 0, n - 1, by_key);
        io_sort = std::min(io_sort, seconds_since(t));
        t = Clock::now();
        Fd_Mem_Sort(m, 0, n - 1, by_key);
        mem_sort = std::min(mem_sort, seconds_since(t));
        t = Clock::now();
        std::sort(v.begin(), v.end(),
                  [](const Rec &a, const Rec &b) { return by_key(&a, &b) < 0; });
        std_sort = std::min(std_sort, seconds_since(t));
    }
    bool same = true;
    for (int32_t r = 0; r < n && same; ++r)
        same = Fd_Io_Get(o, r) &&
               std::memcmp(o->pRecord, static_cast<char *>(m->pBlock) + size_t(r) * kRecSize,
                           kRecSize) == 0;
    std::printf("\nsort of %d records (keys 0..999, ties told apart by payload), seconds\n", n);
    std::printf("  %-12s %8.4f\n", "std::sort", std_sort);
    std::printf("  %-12s %8.4f  %7.1fx std::sort\n", "Fd_Mem_Sort", mem_sort, mem_sort / std_sort);
    std::printf("  %-12s %8.4f  %7.1fx std::sort  %5.2fx Fd_Mem_Sort\n", "Fd_Io_Sort", io_sort,
                io_sort / std_sort, io_sort / mem_sort);
    std::printf("  same order (Fd_Io_Sort vs Fd_Mem_Sort, ties included): %s\n",
                same ? "yes" : "no");

    // Inserting one record at 0: three rounds of the three ways taking turns,
    // each round repeating an insert until a quarter second or a third of
    // maxInserts; the best round counts.
    std::vector<char> raw(size_t(n + maxInserts + 1) * kRecSize);
    int32_t len = n;
    auto plain_insert = [&] {
        std::memmove(raw.data() + kRecSize, raw.data(), size_t(len++) * kRecSize);
        std::memset(raw.data(), 0, kRecSize);
    };
    auto io_insert = [&] { Fd_Io_InsData(o, 0, 1); };
    auto mem_insert = [&] { Fd_Mem_InsData(m, 0, 1); };
    double move_ins = 1e9, mem_ins = 1e9, io_ins = 1e9;
    int32_t move_n = 0, mem_n = 0, io_n = 0;
    auto round = [&](auto insert, double *best, int32_t *done) {
        auto t0 = Clock::now();
        int32_t k = 0;
        while (k < maxInserts / 3 && (k < 3 || seconds_since(t0) < 0.25)) {
            insert();
            ++k;
        }
        *best = std::min(*best, seconds_since(t0) / k);
        *done += k;
    };
    fd_io_area(fd_io_layer(o))->data.bDatE = n - 1;
    fd_mem_area(ml)->data.bDatE = n - 1;
    for (int run = 0; run < 3; ++run) {
        round(plain_insert, &move_ins, &move_n);
        round(mem_insert, &mem_ins, &mem_n);
        round(io_insert, &io_ins, &io_n);
        Fd_Io_Flush(o);
    }
    std::printf("\ninsert of one record at record 0 of %d records, ms per insert (best round)\n",
                n);
    std::printf("  %-14s %8.3f  (%d inserts)\n", "memmove", move_ins * 1e3, move_n);
    std::printf("  %-14s %8.3f  (%d inserts)  %7.1fx memmove\n", "Fd_Mem_InsData", mem_ins * 1e3,
                mem_n, mem_ins / move_ins);
    std::printf("  %-14s %8.3f  (%d inserts)  %7.1fx memmove  %5.1fx Fd_Mem_InsData\n",
                "Fd_Io_InsData", io_ins * 1e3, io_n, io_ins / move_ins, io_ins / mem_ins);

    Fd_Io_Close(o);
    m->vtbl->deleting_dtor(m, 1);
    o->vtbl->deleting_dtor(o, 1);
    unlink(name.c_str());
    return 0;
}
