// Record moves of the record file: insertion, deletion, clearing, sorting,
// and that they go through the object's slots.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "fd_io_support.h"
#include "zek2/records.h"

namespace {

struct FdIoRecords : ::testing::Test, FdIoFile {
    // Records 0..count-1 keyed 1..count (one int each), bDatE = count-1.
    void fill(int count, int bufcnt = 2, int nbuf = 2) {
        disk.put_bytes(name, {});
        ASSERT_EQ(open(4, bufcnt, 0, nbuf), 1);
        for (int32_t r = 0; r < count; ++r) {
            ASSERT_EQ(Fd_Io_Get(o, r), 1);
            *static_cast<int32_t *>(o->pRecord) = r + 1;
            ASSERT_EQ(Fd_Io_Put(o, r), 1);
        }
        d().bDatE = count - 1;
    }
    std::vector<int32_t> keys(int count) {
        std::vector<int32_t> k;
        for (int32_t r = 0; r < count; ++r) {
            EXPECT_EQ(Fd_Io_Get(o, r), 1);
            k.push_back(*static_cast<int32_t *>(o->pRecord));
        }
        return k;
    }
};

int ZEKAPI by_key(const void *a, const void *b) {
    return *static_cast<const int32_t *>(a) - *static_cast<const int32_t *>(b);
}

int ZEKAPI by_key_over_ten(const void *a, const void *b) {
    return *static_cast<const int32_t *>(a) / 10 - *static_cast<const int32_t *>(b) / 10;
}

// What the moves write is compared with a model by FdIoDifferential; here the
// counts and the ranges they refuse.
TEST_F(FdIoRecords, InsertAndDeleteRefuseRangesOutsideTheRecords) {
    fill(5);
    ASSERT_EQ(Fd_Io_InsData(o, 1, 2), 1);
    EXPECT_TRUE(d().bSelRec == 1 && d().bDatE == 6);
    EXPECT_EQ(keys(8), (std::vector<int32_t>{1, 0, 0, 2, 3, 4, 5, 0}));
    ASSERT_EQ(Fd_Io_DelData(o, 1, 100), 1);  // the count is clamped
    EXPECT_EQ(keys(3), (std::vector<int32_t>{1, 0, 0}));
    EXPECT_EQ(d().bDatE, 0);
    const int32_t refused[] = {Fd_Io_InsData(o, 1, 1),  Fd_Io_InsData(o, 0, 0),
                               Fd_Io_InsData(o, -1, 1), Fd_Io_DelData(o, 1, 1),
                               Fd_Io_DelData(o, 0, 0),  Fd_Io_DelDataDir(o, -2, 0, 1),
                               Fd_Io_InsDataDir(o, INT32_MAX - 1, 0, 2)};  // past the last index
    for (int32_t r : refused)
        EXPECT_EQ(r, 0);

    // A last index from a damaged header: the count stays in range and only
    // the two records behind at are cleared.
    ASSERT_EQ(Fd_Io_DelDataDir(o, INT32_MAX, INT32_MAX - 1, 5), 1);
    EXPECT_EQ(d().bDatE, INT32_MAX - 2);
    ASSERT_EQ(Fd_Io_Close(o), 1);
    EXPECT_LE(disk.files[name].size, (uint64_t(INT32_MAX) + 2) * 4);
}

TEST_F(FdIoRecords, SortMatchesTheShellSortTiesIncluded) {
    // Keys whose tens tie: the exchange order decides where equal ones land.
    const std::vector<int32_t> start{31, 12, 35, 11, 22, 38, 14, 27, 19, 33, 25};
    fill(int(start.size()), 3, 1);
    for (size_t r = 0; r < start.size(); ++r) {
        ASSERT_EQ(Fd_Io_Get(o, int32_t(r)), 1);
        *static_cast<int32_t *>(o->pRecord) = start[r];
        Fd_Io_Put(o, int32_t(r));
    }
    ASSERT_EQ(Fd_Io_Sort(o, 0, int32_t(start.size()) - 1, by_key_over_ten), 1);

    ZEK_object *m = Fd_Mem_ctor2(nullptr);
    ZEK_layer *ml = ZEK_layer_at(m, 1);
    static_cast<int32_t *>(ml->pDataArea)[4] = 4;  // bRecSize
    ASSERT_EQ(Fd_Mem_Alloc(m, int32_t(start.size())), 1);
    std::memcpy(m->pBlock, start.data(), start.size() * 4);
    ASSERT_EQ(Fd_Mem_Sort(m, 0, int32_t(start.size()) - 1, by_key_over_ten), 1);
    std::vector<int32_t> want(static_cast<int32_t *>(m->pBlock),
                              static_cast<int32_t *>(m->pBlock) + start.size());
    m->vtbl->deleting_dtor(m, 1);
    EXPECT_EQ(keys(int(start.size())), want);

    // Ranges of fewer than two records, or past the last index, are refused.
    for (auto r : {std::pair{2, 2}, {3, 1}, {-1, 2}, {0, INT32_MAX}})
        EXPECT_EQ(Fd_Io_Sort(o, r.first, r.second, by_key), 0);
    EXPECT_EQ(Fd_Io_Sort(o, 0, 3, nullptr), 0);
    EXPECT_EQ(keys(int(start.size())), want);
}

TEST_F(FdIoRecords, InitDataForgetsUnwrittenChangesAndStartsRecordZero) {
    fill(6);
    ASSERT_EQ(Fd_Io_Flush(o), 1);
    ASSERT_EQ(Fd_Io_Get(o, 3), 1);
    *static_cast<int32_t *>(o->pRecord) = 99;
    Fd_Io_Put(o, 3);
    ASSERT_EQ(Fd_Io_InitData(o), 1);
    EXPECT_EQ(d().bDatE, -1);
    EXPECT_EQ(d().rwct[d().block], 1);
    EXPECT_EQ(keys(6), (std::vector<int32_t>{0, 2, 3, 4, 5, 6}));
    ASSERT_EQ(Fd_Io_InitCount(o), 1);
}

// Put0 and the moves reach records through the Get slot.
int g_gets = 0;
int32_t ZEKAPI counting_get(ZEK_object *o, int32_t rec) {
    ++g_gets;
    return Fd_Io_Get(o, rec);
}

TEST_F(FdIoRecords, MovesGoThroughTheSlots) {
    fill(4);
    ZEK_layer *l = ZEK_layer_at(o, 1);
    l->pSlot[ZEK_NameSearch(l, "Get")] = reinterpret_cast<ZEK_method_fn>(counting_get);
    g_gets = 0;
    ASSERT_EQ(Fd_Io_DelData(o, 0, 1), 1);
    EXPECT_GE(g_gets, 7);  // 3 moves of two records, one clear, the final Get
    EXPECT_EQ(keys(4), (std::vector<int32_t>{2, 3, 4, 0}));
}

TEST_F(FdIoRecords, TableHasItsMembersInOrder) {
    ZEK_layer *l = ZEK_layer_at(o, 1);
    EXPECT_TRUE(l->nDataRow == 30 && l->nMethodRow == 27 && l->pBase == ZEK_layer_at(o, 0));
    EXPECT_EQ(ZEK_NameSearch(l, "PopBuf"), 26);
    const ZEK_member &name = l->pDataRow[ZEK_NameSearch(l, "_filename")];
    EXPECT_EQ(name.size * name.count, 260);
}

}  // namespace
