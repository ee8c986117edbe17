// Record files through the library's exports on real files: the bytes on
// disk, reopening, names, access checks and positions beyond 4 GiB.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ZEK2.h"

namespace {

template <typename T>
T &member(ZEK_object *o, const char *name) {
    ZEK_layer *l = ZEK_layer_at(o, 1);
    int32_t i = ZEK_NameSearch(l, name);
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[i].place)));
}

std::string temp_name(const char *tag) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "zek_fdio_" + std::to_string(GetCurrentProcessId()) + "_" + tag +
           ".dat";
}

std::vector<uint8_t> file_bytes(const std::string &name) {
    std::vector<uint8_t> bytes;
    HANDLE h = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    uint8_t chunk[4096];
    DWORD got = 0;
    while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got)
        bytes.insert(bytes.end(), chunk, chunk + got);
    CloseHandle(h);
    return bytes;
}

struct RecordFile : ::testing::Test {
    std::string name = temp_name(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ZEK_object *o = Fd_Io_ctor2(nullptr);

    void SetUp() override {
        ASSERT_NE(o, nullptr);
        ASSERT_EQ(Fd_Io_SetFileName(o, name.c_str()), 1);
    }
    void TearDown() override {
        o->vtbl->deleting_dtor(o, 1);
        DeleteFileA(name.c_str());
    }
    int open(int32_t recsize, int32_t bufcnt, int32_t offset, int32_t nbuf) {
        member<int32_t>(o, "bRecSize") = recsize;
        return Fd_Io_Open(o, bufcnt, offset, nbuf);
    }
    void put(int32_t rec, uint8_t value, size_t size) {
        ASSERT_EQ(Fd_Io_Get(o, rec), 1);
        std::memset(o->pRecord, value, size);
        ASSERT_EQ(Fd_Io_Put(o, rec), 1);
    }
};

TEST_F(RecordFile, HeaderThenRecordsInWholeBlocksAndBackAfterReopen) {
    ASSERT_EQ(Fd_Io_Create(o, 16), 1);
    EXPECT_EQ(file_bytes(name), std::vector<uint8_t>(16, 0));
    ASSERT_EQ(open(6, 4, 16, 2), 1);
    EXPECT_NE(member<void *>(o, "hHnd"), nullptr);
    std::memcpy(Fd_Io_GetOffsetPtr(o), "header of 16 b.", 16);
    for (int32_t r = 0; r < 9; ++r)
        put(r, uint8_t(0x41 + r), 6);
    ASSERT_EQ(Fd_Io_Close(o), 1);
    EXPECT_EQ(member<void *>(o, "hHnd"), nullptr);
    EXPECT_EQ(member<int32_t>(o, "bOpenFlag"), 0);

    std::vector<uint8_t> want(16 + 12 * 6, 0);  // 9 records in 3 blocks of 4
    std::memcpy(want.data(), "header of 16 b.", 16);
    for (int r = 0; r < 9; ++r)
        std::memset(want.data() + 16 + r * 6, 0x41 + r, 6);
    EXPECT_EQ(file_bytes(name), want);

    ASSERT_EQ(open(6, 3, 16, 1), 1);  // another cache shape reads the same
    EXPECT_EQ(std::memcmp(Fd_Io_GetOffsetPtr(o), "header of 16 b.", 16), 0);
    for (int32_t r = 0; r < 12; ++r) {
        ASSERT_EQ(Fd_Io_Get(o, r), 1);
        EXPECT_EQ(static_cast<uint8_t *>(o->pRecord)[5], r < 9 ? 0x41 + r : 0) << r;
    }
}

TEST_F(RecordFile, MissingFilesDoNotOpenAndUnlinkRemovesTheFile) {
    EXPECT_EQ(Fd_Io_GetOpenCk(o), 2);
    EXPECT_EQ(open(8, 4, 0, 1), 0);
    EXPECT_EQ(Fd_Io_Get(o, 0), 0);
    EXPECT_EQ(Fd_Io_Close(o), 0);

    ASSERT_EQ(Fd_Io_Create(o, 8), 1);
    EXPECT_EQ(Fd_Io_GetOpenCk(o), 0);
    ASSERT_EQ(open(8, 4, 0, 1), 1);
    EXPECT_EQ(Fd_Io_Unlink(o), 0);  // not under its own open cache
    EXPECT_EQ(Fd_Io_Close(o), 1);
    EXPECT_EQ(Fd_Io_Unlink(o), 1);
    EXPECT_EQ(GetFileAttributesA(name.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RecordFile, RecordsBeyondFourGiBLandAtTheirPlace) {
    ASSERT_EQ(Fd_Io_Create(o, 0), 1);
    const int32_t recsize = 4096, bufcnt = 2, rec = 1300001;  // about 5.3 GB in
    ASSERT_EQ(open(recsize, bufcnt, 8, 1), 1);
    put(rec, 0x5E, recsize);
    ASSERT_EQ(Fd_Io_Close(o), 1);
    const uint64_t pos = 8 + uint64_t(rec / bufcnt) * recsize * bufcnt;
    WIN32_FILE_ATTRIBUTE_DATA info;
    ASSERT_TRUE(GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &info));
    EXPECT_EQ((uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
              pos + uint64_t(recsize) * bufcnt);

    ASSERT_EQ(open(recsize, bufcnt, 8, 1), 1);
    ASSERT_EQ(Fd_Io_Get(o, rec), 1);
    EXPECT_EQ(member<uint32_t>(o, "hBase"), uint32_t(pos >> 32));
    EXPECT_EQ(member<uint32_t>(o, "base"), uint32_t(pos));
    const uint8_t *p = static_cast<uint8_t *>(o->pRecord);
    EXPECT_EQ(p[0], 0x5E);
    EXPECT_EQ(p[recsize - 1], 0x5E);
    for (int32_t before : {rec - 1, INT32_MAX}) {  // a hole, and the last possible record
        ASSERT_EQ(Fd_Io_Get(o, before), 1);
        EXPECT_EQ(static_cast<uint8_t *>(o->pRecord)[0], 0);
    }
}

}  // namespace
