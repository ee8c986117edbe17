// Record file cache on an in-memory disk: arguments, closed objects, the
// write-back order and what failing reads and writes leave behind.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "fd_io_support.h"

namespace {

std::vector<uint8_t> rec_of(size_t size, uint8_t v) {
    return std::vector<uint8_t>(size, v);
}

// Header of 16 bytes 'H', records 0..11 of 8 bytes each filled with 1..12,
// record rec filled with v.
std::vector<uint8_t> sample_file(int rec = -1, uint8_t v = 0) {
    std::vector<uint8_t> f(16, 'H');
    for (int r = 0; r < 12; ++r)
        f.insert(f.end(), 8, uint8_t(r == rec ? v : r + 1));
    return f;
}

struct FdIoCache : ::testing::Test, FdIoFile {
    void SetUp() override { disk.put_bytes(name, sample_file()); }
};

TEST(FdIoClosed, EveryRecordCallOnAClosedOrMissingObjectGivesZero) {
    FdIoFile f;
    f.disk.put_bytes(f.name, sample_file());
    auto all_zero = [](ZEK_object *o) {
        EXPECT_EQ(Fd_Io_Get(o, 0), 0);
        EXPECT_EQ(Fd_Io_Seek(o, 0), 0);
        EXPECT_EQ(Fd_Io_Put(o, 0), 0);
        EXPECT_EQ(Fd_Io_Put0(o, 0), 0);
        EXPECT_EQ(Fd_Io_InitData(o), 0);
        EXPECT_EQ(Fd_Io_InitCount(o), 0);
        EXPECT_EQ(Fd_Io_InsData(o, 0, 1), 0);
        EXPECT_EQ(Fd_Io_DelData(o, 0, 1), 0);
        EXPECT_EQ(Fd_Io_InsDataDir(o, 3, 0, 1), 0);
        EXPECT_EQ(Fd_Io_DelDataDir(o, 3, 0, 1), 0);
        EXPECT_EQ(Fd_Io_Sort(o, 0, 3, [](const void *, const void *) { return 1; }), 0);
        EXPECT_EQ(Fd_Io_Flush(o), 0);
        EXPECT_EQ(Fd_Io_PutOffset(o), 0);
        EXPECT_EQ(Fd_Io_GetOffset(o), nullptr);
        EXPECT_EQ(Fd_Io_GetOffsetPtr(o), nullptr);
        EXPECT_EQ(Fd_Io_PushBuf(o), 0);
        EXPECT_EQ(Fd_Io_PopBuf(o), 0);
        EXPECT_EQ(Fd_Io_Close(o), 0);
    };
    all_zero(f.o);
    all_zero(nullptr);
    EXPECT_EQ(Fd_Io_SetFileName(nullptr, "x"), 0);
    EXPECT_EQ(Fd_Io_Open(nullptr, 4, 0, 1), 0);
    EXPECT_EQ(Fd_Io_Create(nullptr, 0), 0);
    EXPECT_EQ(Fd_Io_Unlink(nullptr), 0);
    EXPECT_NE(Fd_Io_GetOpenCk(nullptr), 0);  // 0 would claim the file opens

    ASSERT_EQ(f.open(8, 4, 16, 2), 1);
    ASSERT_EQ(Fd_Io_Close(f.o), 1);
    all_zero(f.o);
    EXPECT_EQ(f.disk.bytes(f.name), sample_file());
}

TEST_F(FdIoCache, OpenRefusesBadArgumentsAndTakesOneBufferOutsideOneToTen) {
    const int32_t refused[][3] = {{0, 4, 16},  {-8, 4, 16},       {8, 0, 16},
                                  {8, -4, 16}, {8, 4, -16},       {65536, 65536, 0},
                                  {INT32_MAX, 2, 0}, {8, INT32_MAX / 8 + 1, 0}};  // blocks > 2 GiB
    for (const auto &r : refused)
        EXPECT_EQ(open(r[0], r[1], r[2], 1), 0) << r[0] << " " << r[1] << " " << r[2];
    Fd_Io_SetFileName(o, "missing.dat");
    EXPECT_EQ(open(8, 4, 16, 1), 0);
    Fd_Io_SetFileName(o, name.c_str());
    disk.readsFail = true;  // an unreadable header fails Open, so it is never written back
    EXPECT_EQ(open(8, 4, 16, 1), 0);
    EXPECT_EQ(d().bOpenFlag, 0);
    EXPECT_EQ(disk.openFiles, 0);
    disk.healthy();

    for (int n : {0, 11, -3, 10}) {
        ASSERT_EQ(open(8, 4, 16, n), 1);
        EXPECT_EQ(d().block_n, n == 10 ? 10 : 1);
        EXPECT_EQ(open(8, 4, 16, 1), 0);  // already open: the first stays usable
        EXPECT_EQ(get(0, 8), rec_of(8, 1));
        EXPECT_EQ(Fd_Io_Close(o), 1);
    }
    EXPECT_EQ(disk.bytes(name), sample_file());
}

TEST_F(FdIoCache, ChangeWithoutPutIsWrittenOnlyWithAPutInTheSameBlock) {
    ASSERT_EQ(open(8, 4, 16, 3), 1);
    ASSERT_EQ(Fd_Io_Get(o, 0), 1);
    std::memset(o->pRecord, 0x11, 8);  // no Put
    ASSERT_EQ(Fd_Io_Get(o, 5), 1);
    std::memset(o->pRecord, 0x55, 8);  // no Put
    ASSERT_TRUE(put(6, rec_of(8, 0x66)));
    ASSERT_EQ(Fd_Io_Close(o), 1);
    std::vector<uint8_t> f = disk.bytes(name);
    EXPECT_EQ(f[16], 1);
    EXPECT_EQ(f[16 + 5 * 8], 0x55);
    EXPECT_EQ(f[16 + 6 * 8], 0x66);
}

// A failed Get (eviction that cannot write, or a read) leaves nothing
// positioned: a Put from a program that ignores the result changes nothing,
// and the block read again later is the file's, not the zeros.
TEST_F(FdIoCache, FailedGetLeavesTheChangedBlockAndPutHarmless) {
    for (bool reads : {false, true}) {
        ASSERT_EQ(open(8, 4, 16, 1), 1);
        ASSERT_TRUE(put(0, rec_of(8, 0xA0)));
        (reads ? disk.readsFail : disk.writesFail) = true;
        EXPECT_EQ(Fd_Io_Get(o, 9), 0) << reads;
        std::memset(o->pRecord, 0xEE, 8);
        EXPECT_EQ(Fd_Io_Put(o, 9), 0);
        EXPECT_EQ(Fd_Io_Put0(o, 7), 0);
        EXPECT_EQ(Fd_Io_Seek(o, 5), 0);
        disk.healthy();
        EXPECT_EQ(get(9, 8), rec_of(8, 10));
        ASSERT_EQ(Fd_Io_Close(o), 1);
        EXPECT_EQ(disk.bytes(name), sample_file(0, 0xA0)) << reads;
    }
}

TEST_F(FdIoCache, PopBufWritesChangesToTheirOwnBlocksFirst) {
    ASSERT_EQ(open(8, 4, 16, 1), 1);
    ASSERT_EQ(Fd_Io_Get(o, 1), 1);
    ASSERT_EQ(Fd_Io_PushBuf(o), 1);
    ASSERT_TRUE(put(9, rec_of(8, 0x99)));  // block 2 now in the only buffer
    ASSERT_EQ(Fd_Io_PopBuf(o), 1);
    EXPECT_EQ(d().b_sp[0], 0);
    EXPECT_EQ(get(1, 8), rec_of(8, 2));
    EXPECT_EQ(Fd_Io_Put(o, 1), 1);
    ASSERT_EQ(Fd_Io_Close(o), 1);
    EXPECT_EQ(disk.bytes(name), sample_file(9, 0x99));
    // A PopBuf without a push never writes over the header.
    disk.put_bytes(name, sample_file());
    ASSERT_EQ(open(8, 4, 16, 2), 1);
    ASSERT_TRUE(put(4, rec_of(8, 0x44)));
    ASSERT_EQ(Fd_Io_PopBuf(o), 1);
    EXPECT_EQ(Fd_Io_Put(o, 4), 0);  // nothing positioned any more
    ASSERT_EQ(Fd_Io_Close(o), 1);
    EXPECT_EQ(disk.bytes(name), sample_file(4, 0x44));
}

TEST_F(FdIoCache, MembersRewrittenByAProgramDoNotRedirectWrites) {
    ASSERT_EQ(open(8, 4, 16, 2), 1);
    ASSERT_TRUE(put(5, rec_of(8, 0x5A)));
    d().base[0] = d().base[1] = 0;
    d().b_sp[0] = d().b_ep[0] = d().b_sp[1] = d().b_ep[1] = 0;
    d().bufsize = 1 << 30;
    d().block_n = 10;
    d().offset = 0;
    ASSERT_EQ(Fd_Io_Close(o), 1);
    EXPECT_EQ(disk.bytes(name), sample_file(5, 0x5A));
}

TEST_F(FdIoCache, FileNamesThatDoNotFitAreRefused) {
    std::string fits(259, 'a'), too_long(260, 'b');
    EXPECT_EQ(Fd_Io_SetFileName(o, fits.c_str()), 1);
    EXPECT_EQ(Fd_Io_SetFileName(o, too_long.c_str()), 0);
    EXPECT_EQ(std::string(d()._filename), fits);
    EXPECT_EQ(Fd_Io_SetFileName(o, nullptr), 0);
    EXPECT_EQ(d().filename, d()._filename);
}

TEST_F(FdIoCache, CreateWaitsForClose) {
    ASSERT_EQ(open(8, 4, 16, 1), 1);
    EXPECT_EQ(Fd_Io_Create(o, 0), 0);
    ASSERT_EQ(Fd_Io_Close(o), 1);
    EXPECT_EQ(disk.bytes(name), sample_file());
    EXPECT_EQ(Fd_Io_Create(o, -1), 0);
    EXPECT_EQ(Fd_Io_Create(o, 10000), 1);
    EXPECT_EQ(disk.bytes(name), std::vector<uint8_t>(10000, 0));
}

// Destruction closes with the class's own functions: a program's Close,
// Flush or PutOffset may belong to a layer that is already gone.
int g_replaced_calls = 0;
int32_t ZEKAPI replaced_method(ZEK_object *) {
    return ++g_replaced_calls, 0;
}

TEST_F(FdIoCache, DestroyingAnOpenObjectKeepsItsChangesWithoutReplacedMethods) {
    ASSERT_EQ(open(8, 4, 16, 1), 1);
    ASSERT_TRUE(put(0, rec_of(8, 0xD0)));
    std::memset(Fd_Io_GetOffsetPtr(o), 'h', 16);
    ZEK_layer *l = ZEK_layer_at(o, 1);
    for (const char *name : {"Close", "Flush", "PutOffset"})
        l->pSlot[ZEK_NameSearch(l, name)] = reinterpret_cast<ZEK_method_fn>(replaced_method);
    o->vtbl->deleting_dtor(o, 1);
    EXPECT_EQ(g_replaced_calls, 0);
    EXPECT_EQ(disk.bytes(name)[0], 'h');
    o = Fd_Io_ctor2(nullptr);
    EXPECT_EQ(disk.openFiles, 0);
    EXPECT_EQ(disk.bytes(name)[16], 0xD0);
}

TEST_F(FdIoCache, GetOffsetRereadsTheHeaderOrKeepsItOnFailure) {
    ASSERT_EQ(open(8, 4, 16, 1), 1);
    char *h = static_cast<char *>(Fd_Io_GetOffsetPtr(o));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h, d().offbuf);
    h[0] = 'x';
    disk.readsFail = true;
    EXPECT_EQ(Fd_Io_GetOffset(o), nullptr);
    EXPECT_EQ(h[0], 'x');
    disk.healthy();
    EXPECT_EQ(Fd_Io_GetOffset(o), h);
    EXPECT_EQ(h[0], 'H');
}

}  // namespace
