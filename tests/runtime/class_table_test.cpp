// Descriptor tables, name lookup, method replacement and the life of objects.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "probe_class.h"

namespace {

int32_t ZEKAPI fake_method(ZEK_object *, int32_t)
{
    return 7;
}
int32_t ZEKAPI other_method(ZEK_object *, int32_t)
{
    return 8;
}
uintptr_t address_of(int32_t(ZEKAPI *fn)(ZEK_object *, int32_t))
{
    return reinterpret_cast<uintptr_t>(fn);
}
// The library's own address of an export (a program's &name is its import thunk).
uintptr_t exported(const char *name)
{
    return reinterpret_cast<uintptr_t>(GetProcAddress(GetModuleHandleA("ZEK2.dll"), name));
}

struct LayerFixture : ::testing::Test {
    ZEK_layer layer{};
    void TearDown() override { std::free(layer.pSlot); }
};

TEST_F(LayerFixture, InitCountsKindsAndFillsSlotsInTableOrder)
{
    const ZEK_member rows[] = {
        {ZEK_KIND_FIELD, "f0", 0, 2, 1},
        {ZEK_KIND_FIELD, "f1", 2, 4, 1},
        {ZEK_KIND_DATA, "d0", 0, 4, 1},
        {ZEK_KIND_METHOD, "m0", address_of(fake_method), 4, 1},
        {ZEK_KIND_EMPTY, "gap", 0, 0, 0},
        {ZEK_KIND_METHOD, "m1", address_of(other_method), 4, 1},
    };
    const int slotBytes = 2 * sizeof(void *);
    ZEK_tbl_Init1(&layer, rows, 6, slotBytes, 12);
    ASSERT_NE(layer.pSlot, nullptr);
    EXPECT_EQ(layer.nRecField, 2);
    EXPECT_EQ(layer.nDataRow, 1);
    EXPECT_EQ(layer.nMethodRow, 2);
    EXPECT_EQ(layer.pRows, rows);
    EXPECT_EQ(layer.pDataRow, &rows[2]);
    EXPECT_EQ(layer.pMethodRow, &rows[3]);
    EXPECT_EQ(layer.nLevel, 1);
    EXPECT_EQ(layer.bKeepSlots, 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(layer.pfnFree), exported("ZEK_dtor"));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(layer.pSlot[0]), address_of(fake_method));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(layer.pSlot[1]), address_of(other_method));
    EXPECT_EQ(static_cast<char *>(layer.pDataArea), reinterpret_cast<char *>(layer.pSlot) + slotBytes);
    const char zeros[12] = {};
    EXPECT_EQ(std::memcmp(layer.pDataArea, zeros, 12), 0);

    // Sizes that cannot hold the table build nothing.
    for (const auto &bad : {std::pair<int, int>{int(sizeof(void *)), 0}, {slotBytes, -4}}) {
        ZEK_layer refused{};
        ZEK_tbl_Init1(&refused, rows, 6, bad.first, bad.second);
        EXPECT_EQ(refused.pSlot, nullptr) << bad.first << " " << bad.second;
    }
    ZEK_layer noTable{};
    ZEK_tbl_Init1(&noTable, nullptr, 2, slotBytes, 0);
    EXPECT_EQ(noTable.pSlot, nullptr);
}

// Methods before data members before record fields; an empty row is never
// matched but counts; only each run's own rows are searched. The table is the
// program's own: it rewrites rows and builds a layer again, renames a row
// under a built layer, and points the layer at other rows.
TEST_F(LayerFixture, NameSearchOrderAndTablesAProgramChanges)
{
    ZEK_member rows[] = {
        {ZEK_KIND_FIELD, "f", 0, 4, 1},      {ZEK_KIND_FIELD, "dup", 4, 4, 1},
        {ZEK_KIND_DATA, "d", 0, 4, 1},       {ZEK_KIND_DATA, "dup", 4, 4, 1},
        {ZEK_KIND_METHOD, "dtor", 0, 0, 0},  {ZEK_KIND_EMPTY, "gap", 0, 0, 0},
        {ZEK_KIND_METHOD, "dup", 0, 4, 1},   {ZEK_KIND_METHOD, "dup", 0, 4, 1},
        {ZEK_KIND_METHOD, "m", 0, 4, 1},
    };
    const char *const names[] = {"f", "dup", "d", "dtor", "gap", "m", "x", "z", "", "Dtor"};
    auto expect = [&](const int32_t(&want)[10], int stage) {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(ZEK_NameSearch(&layer, names[i]), want[i]) << names[i] << " stage " << stage;
    };
    auto build = [&] {
        std::free(layer.pSlot);
        ZEK_tbl_Init1(&layer, rows, 9, 4 * sizeof(void *), 8);
    };
    build();
    expect({0, 2, 0, 0, -1, -1, -1, -1, -1, -1}, 1);  // "m" lies behind the method run
    rows[2].name = "x";
    rows[6].kind = ZEK_KIND_EMPTY;
    build();
    expect({0, 1, -1, 0, -1, -1, 0, -1, -1, -1}, 2);
    rows[4].name = "z";
    EXPECT_EQ(ZEK_NameSearch(&layer, "dtor"), -1) << "a renamed row is gone at once";
    expect({0, 1, -1, -1, -1, -1, 0, 0, -1, -1}, 3);
    layer.pDataRow = &rows[5];
    layer.nDataRow = 3;
    layer.nMethodRow = 0;
    expect({0, 2, -1, -1, -1, -1, -1, -1, -1, -1}, 4);
    layer.pDataRow = reinterpret_cast<const ZEK_member *>(uintptr_t(8));  // never read
    layer.nDataRow = 0;
    expect({0, 1, -1, -1, -1, -1, -1, -1, -1, -1}, 5);
    EXPECT_EQ(ZEK_NameSearch(&layer, nullptr), -1);
    EXPECT_EQ(ZEK_NameSearch(nullptr, "f"), -1);
}

// Searches on other threads while a program renames a row and builds a layer
// again (which replaces the index): each sees the old name or the new one.
TEST(NameSearch, RebuildsWhileOtherThreadsSearch)
{
    ZEK_member rows[] = {{ZEK_KIND_DATA, "a", 0, 4, 1}, {ZEK_KIND_DATA, "b", 4, 4, 1},
                         {ZEK_KIND_METHOD, "dtor", 0, 0, 0}};
    ZEK_layer searched{};
    ZEK_tbl_Init1(&searched, rows, 3, sizeof(void *), 8);
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t)
        threads.emplace_back([&] {
            while (!stop)
                if (ZEK_NameSearch(&searched, "dtor") != 0 || ZEK_NameSearch(&searched, "a") > 0)
                    ++wrong;
        });
    for (int i = 0; i < 2000; ++i) {
        ZEK_layer again{};
        rows[0].name = i % 2 ? "a" : "c";
        ZEK_tbl_Init1(&again, rows, 3, sizeof(void *), 8);
        std::free(again.pSlot);
    }
    stop = true;
    for (auto &t : threads)
        t.join();
    EXPECT_EQ(wrong, 0);
    std::free(searched.pSlot);
}

// The library's largest table, whose names repeat between methods and data
// members, gives for every name what a walk over its rows gives.
TEST(NameSearch, WinTableGivesTheRowByRowResultForEveryName)
{
    ZEK_object *win = Win_ctor2(nullptr);
    ASSERT_NE(win, nullptr);
    const ZEK_layer &l = *ZEK_layer_at(win, 1);
    std::vector<const char *> names = {"NoSuchMember", "", "dtorx"};
    for (int32_t i = 0; i < l.nDataRow + l.nMethodRow; ++i)
        names.push_back(l.pRows[i].name);
    for (const char *name : names) {
        int32_t want = ZEK_NameSearch2(l.pMethodRow, l.nMethodRow, name);
        if (want < 0)
            want = ZEK_NameSearch2(l.pDataRow, l.nDataRow, name);
        EXPECT_EQ(ZEK_NameSearch(&l, name), want) << name;
    }
    ZEK_dtorC(win);
}

TEST(NameSearch2, EmptyRowsAreSkippedButCounted)
{
    const ZEK_member rows[] = {
        {ZEK_KIND_DATA, "a", 0, 4, 1},
        {ZEK_KIND_EMPTY, "b", 0, 0, 0},
        {ZEK_KIND_DATA, "b", 4, 4, 1},
    };
    EXPECT_EQ(ZEK_NameSearch2(rows, 3, "b"), 2);
    EXPECT_EQ(ZEK_NameSearch2(rows, 2, "b"), -1);
    EXPECT_EQ(ZEK_NameSearch2(rows, 0, "a"), -1);
    EXPECT_EQ(ZEK_NameSearch2(rows, -1, "a"), -1);
}

TEST(RootClass, ConstructorBuildsTheLayerFromItsTable)
{
    ZEK_object *object = ZEK_class_ctor2(nullptr);
    ASSERT_NE(object, nullptr);
    ZEK_layer *root = ZEK_layer_at(object, 0);
    EXPECT_STREQ(root->pszClass, "ZEK_class");
    EXPECT_EQ(root->nLevel, 0);
    EXPECT_EQ(root->nDataRow, 14);
    EXPECT_EQ(root->nMethodRow, 16);
    EXPECT_EQ(root->nRecField, 0);
    EXPECT_EQ(root->hModule, nullptr);
    EXPECT_EQ(root->pDerived, nullptr);
    EXPECT_EQ(object->bModuleNew, 0);
    EXPECT_EQ(ZEK_NameSearch(root, "dtor"), 0);
    EXPECT_EQ(ZEK_NameSearch(root, "MailslotWaitchThread"), 9);
    EXPECT_EQ(ZEK_NameSearch(root, "NewCall2"), 15);
    EXPECT_EQ(ZEK_NameSearch(root, "ClientSelf"), 0);
    EXPECT_EQ(ZEK_NameSearch(root, "pis"), 13);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(root->pSlot[15]),
              exported("ZEK_class_NewCall2"));
    // Data rows describe the area: consecutive, non-overlapping, inside it.
    for (int i = 1; i < root->nDataRow; ++i)
        EXPECT_GE(root->pDataRow[i].place,
                  root->pDataRow[i - 1].place + uintptr_t(root->pDataRow[i - 1].size));
    const ZEK_member &pis = root->pDataRow[13];
    EXPECT_EQ(pis.size, int32_t(sizeof(void *)));
    auto *pisValue = static_cast<void **>(ZEK_ptr(root->pDataArea, 0, intptr_t(pis.place)));
    EXPECT_EQ(*pisValue, nullptr);
    EXPECT_EQ(ZEK_ptr(root->pDataArea, 999, 12), static_cast<char *>(root->pDataArea) + 12)
        << "the middle argument is ignored";
    EXPECT_EQ(ZEK_class_NewCall2(object, "no-such-module.dll", 1), nullptr);
    ZEK_dtorC(object);
}

TEST(Overwrite, LinksTheLayerAndRecordsLevelAndSlot)
{
    ZEK_object *object = probe_new();
    ASSERT_NE(object, nullptr);
    ZEK_layer *root = ZEK_layer_at(object, 0);
    ZEK_layer *probe = probe_layer(object);
    const ZEK_member rows[] = {
        {ZEK_KIND_METHOD, "MailslotWaitchThread", address_of(fake_method), 4, 1},
        {ZEK_KIND_METHOD, "Twice", address_of(other_method), 4, 1},
        {ZEK_KIND_METHOD, "NoSuchMethod", address_of(other_method), 4, 1},
    };
    int32_t record[6] = {-5, -5, -5, -5, -5, -5};
    // A third layer above the probe layer replaces methods of both below it.
    ZEK_layer top{};
    ZEK_overwrite(&top, probe, rows, 3, record);
    EXPECT_EQ(top.nLevel, 2);
    EXPECT_EQ(top.pBase, probe);
    EXPECT_EQ(probe->pDerived, &top);
    EXPECT_EQ(top.pOverRow, rows);
    EXPECT_EQ(top.nOverRow, 3);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(root->pSlot[9]), address_of(fake_method));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(probe->pSlot[1]), address_of(other_method));
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(record[1], 9);
    EXPECT_EQ(record[2], 1);
    EXPECT_EQ(record[3], 1);
    EXPECT_EQ(record[4], -5) << "an unknown name leaves its record pair alone";
    EXPECT_EQ(record[5], -5);
    probe->pDerived = nullptr;
    ZEK_dtorC(object);
}

TEST(Overwrite, NameFromSourcePrefersItsReplacementRows)
{
    ZEK_object *target = probe_new();
    ZEK_object *source = probe_new();
    ASSERT_TRUE(target && source);
    ZEK_layer *sourceLayer = probe_layer(source);
    const ZEK_member replacement[] = {{ZEK_KIND_EMPTY, "Twice", address_of(fake_method), 4, 1}};
    sourceLayer->pOverRow = replacement;
    sourceLayer->nOverRow = 1;
    EXPECT_EQ(ZEK_overwrite2_S(probe_layer(target), "Twice", sourceLayer), 1);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(probe_layer(target)->pSlot[1]), address_of(fake_method));

    // Without a replacement row, the source's own method is copied.
    sourceLayer->nOverRow = 0;
    EXPECT_EQ(ZEK_overwrite2_S(probe_layer(target), "Twice", sourceLayer), 1);
    int rows = 0;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(probe_layer(target)->pSlot[1]),
              probe_rows(&rows)[4].place);

    EXPECT_EQ(ZEK_overwrite2_S(probe_layer(target), "Missing", sourceLayer), 0);
    EXPECT_EQ(ZEK_overwrite2_S(probe_layer(target), nullptr, sourceLayer), 0);
    EXPECT_EQ(ZEK_overwrite2_S(nullptr, "Twice", sourceLayer), 0);
    ZEK_dtorC(target);
    ZEK_dtorC(source);
}

void ZEKAPI replaced_dtor(ZEK_object *)
{
    probe_calls().push_back("replaced_dtor");
}

TEST(Destruction, RunsEveryLayerMostDerivedFirstThroughItsSlots)
{
    probe_calls().clear();
    ZEK_object *object = probe_new();
    ASSERT_NE(object, nullptr);
    ZEK_layer_at(object, 0)->pSlot[0] = reinterpret_cast<ZEK_method_fn>(replaced_dtor);
    ZEK_dtorC(object);
    const std::vector<std::string> expected = {"Probe_dtor:probe", "release:Probe",
                                               "replaced_dtor", "release:ZEK_class"};
    EXPECT_EQ(probe_calls(), expected);
    ZEK_dtorC(nullptr);  // null objects are ignored
    ZEK_delete(nullptr);
    EXPECT_EQ(ZEK_dtor(nullptr, nullptr), 0);
}

TEST(Destruction, KeptSlotsAreNotFreed)
{
    ZEK_object *object = ZEK_class_ctor2(nullptr);
    ASSERT_NE(object, nullptr);
    ZEK_layer *root = ZEK_layer_at(object, 0);
    ZEK_method_fn *slots = root->pSlot;
    root->bKeepSlots = 1;
    EXPECT_EQ(ZEK_dtor(object, root), 0);
    // Still ours to use and free.
    slots[0] = nullptr;
    std::free(slots);
    std::free(object);
}

}  // namespace
