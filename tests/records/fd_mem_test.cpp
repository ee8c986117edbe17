// Memory record arrays: the object, its block, and record moves through slots.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "../class_members.h"

namespace {

struct Rec { int32_t key, tag; };

int32_t &member(ZEK_object *o, const char *name) { return ::member<int32_t>(o, name); }

Rec *rec(ZEK_object *o, int i) { return static_cast<Rec *>(o->pBlock) + i; }

std::vector<int> keys(ZEK_object *o, int count) {
    std::vector<int> k;
    for (int i = 0; i < count; ++i) k.push_back(rec(o, i)->key);
    return k;
}

struct FdMem : ::testing::Test {
    ZEK_object *o = Fd_Mem_ctor2(nullptr);
    void SetUp() override {
        ASSERT_NE(o, nullptr);
        member(o, "bRecSize") = sizeof(Rec);
    }
    void TearDown() override { o->vtbl->deleting_dtor(o, 1); }
    // A table of capacity records, records 0 .. used-1 keyed 1 .. used.
    void fill(int capacity, int used) {
        ASSERT_EQ(Fd_Mem_Alloc(o, capacity), 1);
        for (int i = 0; i < used; ++i)
            *rec(o, i) = Rec{i + 1, 100 + i};
        member(o, "bDatE") = used - 1;
    }
};

TEST_F(FdMem, AllocResizesKeepingLeadingRecordsAndRefusesBadSizes) {
    fill(5, 5);
    void *same = o->pBlock;
    ASSERT_EQ(Fd_Mem_Alloc(o, 5), 1);
    EXPECT_TRUE(o->pBlock == same && member(o, "bDatE") == -1);
    ASSERT_EQ(Fd_Mem_Alloc(o, 3), 1);
    ASSERT_EQ(Fd_Mem_Alloc(o, 6), 1);
    EXPECT_EQ(keys(o, 6), (std::vector<int>{1, 2, 3, 0, 0, 0}));
    EXPECT_EQ(member(o, "bMaxRec"), 6);

    fill(4, 3);
    void *block = o->pBlock;
    member(o, "bRecSize") = INT_MAX;  // INT_MAX records of INT_MAX bytes
    EXPECT_EQ(Fd_Mem_Alloc(o, INT_MAX), 0);
    member(o, "bRecSize") = sizeof(Rec);
    EXPECT_TRUE(o->pBlock == block && member(o, "bDatE") == 2);
}

// A new object is linked below the root, its slots are the exports, it has no block.
TEST_F(FdMem, MissingBlockNullObjectAndMembersRewrittenByHandAreRefused) {
    ZEK_layer *mem = ZEK_layer_at(o, 1);
    EXPECT_TRUE(mem->pBase == ZEK_layer_at(o, 0) && ZEK_layer_at(o, 0)->pDerived == mem);
    EXPECT_EQ(FARPROC(slot(o, "Get")), GetProcAddress(GetModuleHandleA("ZEK2.dll"), "Fd_Mem_Get"));
    EXPECT_EQ(Fd_Mem_Alloc(o, 0), 0);
    member(o, "bRecSize") = 0;
    EXPECT_TRUE(Fd_Mem_Alloc(o, 4) == 0 && member(o, "bAlloc") == 0);
    member(o, "bRecSize") = sizeof(Rec);
    EXPECT_EQ(Fd_Mem_Get(o, 0) | Fd_Mem_Put(o, 0) | Fd_Mem_InsDataDir(o, 0, 0, 1), 0);
    EXPECT_EQ(member(o, "bDatE"), -1);
    EXPECT_EQ(Fd_Mem_Get(nullptr, 0) | Fd_Mem_Alloc(nullptr, 1), 0);

    fill(4, 4);  // members rewritten by hand never reach past the block
    member(o, "bMaxRec") = 100;
    EXPECT_EQ(Fd_Mem_Get(o, 4), 0);
    member(o, "bMaxRec") = 4;
    member(o, "bRecSize") = 64;
    EXPECT_EQ(Fd_Mem_Get(o, 3), 0);
    EXPECT_EQ(Fd_Mem_InitData(o), 0);
    ASSERT_EQ(Fd_Mem_Alloc(o, 4), 1);  // remade with 64-byte records
    ASSERT_EQ(Fd_Mem_Get(o, 3), 1);
    EXPECT_EQ(static_cast<char *>(o->pRecord), static_cast<char *>(o->pBlock) + 3 * 64);
    EXPECT_EQ(static_cast<Rec *>(o->pRecord)->key, 4);
}

TEST_F(FdMem, PositionsClearsInsertsAndDeletesOnlyInsideTheTable) {
    fill(4, 4);
    ASSERT_EQ(Fd_Mem_Get(o, 2), 1);
    EXPECT_EQ(Fd_Mem_Get(o, -1) | Fd_Mem_Get(o, 4), 0);
    EXPECT_EQ(o->pRecord, rec(o, 2));
    ASSERT_EQ(Fd_Mem_Seek(o, 3), 1);
    EXPECT_TRUE(o->pRecord == rec(o, 3) && member(o, "bSelRec") == 2);
    EXPECT_EQ(Fd_Mem_Put0(o, 4), 0);  // must not clear the current record
    ASSERT_EQ(Fd_Mem_Put0(o, 1), 1);
    EXPECT_EQ(keys(o, 4), (std::vector<int>{1, 0, 3, 4}));
    ASSERT_EQ(Fd_Mem_InitCount(o), 1);  // the count only
    EXPECT_TRUE(keys(o, 4) == (std::vector<int>{1, 0, 3, 4}) && member(o, "bDatE") == -1);
    ASSERT_EQ(Fd_Mem_InitData(o), 1);
    EXPECT_EQ(keys(o, 4), (std::vector<int>{0, 0, 0, 0}));

    fill(6, 5);  // insertion and deletion
    const int32_t refused[] = {Fd_Mem_InsData(o, 0, 2),        // 4 + 2 >= 6
                               Fd_Mem_InsData(o, 5, 1),        // behind the last record
                               Fd_Mem_InsData(o, 0, 0),       Fd_Mem_InsData(o, 0, INT_MAX),
                               Fd_Mem_DelData(o, 5, 1),       Fd_Mem_DelData(o, 0, 0),
                               Fd_Mem_InsDataDir(o, 6, 0, 1), Fd_Mem_DelDataDir(o, -2, 0, 1)};
    for (int32_t r : refused) EXPECT_EQ(r, 0);
    EXPECT_EQ(member(o, "bDatE"), 4);
    ASSERT_EQ(Fd_Mem_DelData(o, 1, 2), 1);
    EXPECT_EQ(keys(o, 5), (std::vector<int>{1, 4, 5, 0, 0}));
    EXPECT_TRUE(member(o, "bDatE") == 2 && member(o, "bSelRec") == 1);
    ASSERT_EQ(Fd_Mem_DelData(o, 2, 10), 1);  // the count is clamped
    EXPECT_TRUE(keys(o, 3) == (std::vector<int>{1, 4, 0}) && member(o, "bDatE") == 1);

    fill(7, 5);
    ASSERT_EQ(Fd_Mem_InsData(o, 0, 2), 1);
    EXPECT_EQ(keys(o, 7), (std::vector<int>{0, 0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(rec(o, 2)->tag == 100 && member(o, "bDatE") == 6 && o->pRecord == rec(o, 0));
    // The Dir forms take the caller's last record.
    ASSERT_EQ(Fd_Mem_DelDataDir(o, 4, 0, 1), 1);
    EXPECT_TRUE(keys(o, 5) == (std::vector<int>{0, 1, 2, 3, 0}) && member(o, "bDatE") == 3);
    member(o, "bDatE") = -1;
    EXPECT_EQ(Fd_Mem_InsData(o, 0, 1), 0);  // empty table
}

int ZEKAPI by_key(const void *a, const void *b) {
    return static_cast<const Rec *>(a)->key - static_cast<const Rec *>(b)->key;
}
int ZEKAPI never_after(const void *, const void *) { return 0; }

std::vector<int> g_calls;
int32_t ZEKAPI logging_put0(ZEK_object *o, int32_t rec) {
    g_calls.push_back(rec);
    return Fd_Mem_Put0(o, rec);
}
int32_t ZEKAPI refusing_get(ZEK_object *o, int32_t rec) {
    return rec == 3 ? 0 : Fd_Mem_Get(o, rec);
}

TEST_F(FdMem, SortOrdersWholeRecordsOfTheRangeOnlyAndOperationsCallEachOtherThroughSlots) {
    const int initial[] = {9, 4, 7, 1, 8, 2, 6};
    fill(8, 7);
    for (int i = 0; i < 7; ++i) rec(o, i)->key = initial[i];
    ASSERT_EQ(Fd_Mem_Sort(o, 1, 5, by_key), 1);
    EXPECT_EQ(keys(o, 7), (std::vector<int>{9, 1, 2, 4, 7, 8, 6}));
    ASSERT_EQ(Fd_Mem_Sort(o, 0, 6, never_after), 1);
    EXPECT_EQ(keys(o, 7), (std::vector<int>{9, 1, 2, 4, 7, 8, 6}));
    ASSERT_EQ(Fd_Mem_Sort(o, 0, 7, by_key), 1);
    EXPECT_TRUE(keys(o, 8) == (std::vector<int>{0, 1, 2, 4, 6, 7, 8, 9}) && rec(o, 7)->tag == 100);
    EXPECT_EQ(Fd_Mem_Sort(o, -1, 2, by_key) | Fd_Mem_Sort(o, 0, 8, by_key) |
                  Fd_Mem_Sort(o, 3, 1, by_key) | Fd_Mem_Sort(o, 0, 3, nullptr), 0);
    EXPECT_EQ(Fd_Mem_Sort(o, 2, 2, by_key), 1);

    fill(6, 5);  // operations call each other through the slots
    slot(o, "Put0") = reinterpret_cast<ZEK_method_fn>(logging_put0);
    g_calls.clear();
    ASSERT_EQ(Fd_Mem_DelData(o, 0, 2), 1);
    ASSERT_EQ(Fd_Mem_InsData(o, 1, 1), 1);
    EXPECT_EQ(g_calls, (std::vector<int>{3, 4, 1}));
    slot(o, "Get") = reinterpret_cast<ZEK_method_fn>(refusing_get);
    EXPECT_EQ(Fd_Mem_Seek(o, 3), 0);
    EXPECT_EQ(Fd_Mem_InsData(o, 0, 1), 0);  // moves record by record, through Get
    EXPECT_EQ(Fd_Mem_Sort(o, 0, 4, by_key), 0);
}

TEST(FdMemLayers, ConstructsInPlaceAsTheMiddleOfALongerChain) {
    ZEK_object *o = static_cast<ZEK_object *>(
        std::calloc(1, offsetof(ZEK_object, layer) + 3 * sizeof(ZEK_layer)));
    ASSERT_TRUE(ZEK_class_ctor2(o) == o && Fd_Mem_ctor2(o) == o);
    ZEK_layer *mem = ZEK_layer_at(o, 1), *top = ZEK_layer_at(o, 2);
    top->pszClass = "Top", mem->pDerived = top, top->pBase = mem;
    member(o, "bRecSize") = 16;
    ASSERT_TRUE(Fd_Mem_Alloc(o, 3) == 1 && Fd_Mem_Get(o, 2) == 1);
    EXPECT_EQ(static_cast<char *>(o->pRecord), static_cast<char *>(o->pBlock) + 32);
    Fd_Mem_dtor(o);
    EXPECT_EQ(o->pBlock, nullptr);
    ZEK_dtor(o, mem), ZEK_dtor(o, ZEK_layer_at(o, 0)), std::free(o);
}

}  // namespace
