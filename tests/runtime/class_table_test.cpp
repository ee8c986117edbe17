// Descriptor tables, name lookup, method replacement and the life of objects.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "probe_class.h"

namespace {

int32_t ZEKAPI fake_method(ZEK_object *, int32_t) { return 7; }
int32_t ZEKAPI other_method(ZEK_object *, int32_t) { return 8; }
uintptr_t address_of(int32_t(ZEKAPI *fn)(ZEK_object *, int32_t)) { return reinterpret_cast<uintptr_t>(fn); }
uintptr_t slot(const ZEK_layer *l, int i) { return reinterpret_cast<uintptr_t>(l->pSlot[i]); }
// The library's own address of an export (a program's &name is its import thunk).
uintptr_t exported(const char *name) { return uintptr_t(GetProcAddress(GetModuleHandleA("ZEK2.dll"), name)); }

struct LayerFixture : ::testing::Test {
    ZEK_layer layer{};
    void TearDown() override { std::free(layer.pSlot); }
};

TEST_F(LayerFixture, InitCountsKindsAndFillsSlotsInTableOrder) {
    const ZEK_member rows[] = {
        {ZEK_KIND_FIELD, "f0", 0, 2, 1},    {ZEK_KIND_FIELD, "f1", 2, 4, 1},
        {ZEK_KIND_DATA, "d0", 0, 4, 1},     {ZEK_KIND_METHOD, "m0", address_of(fake_method), 4, 1},
        {ZEK_KIND_EMPTY, "gap", 0, 0, 0},   {ZEK_KIND_METHOD, "m1", address_of(other_method), 4, 1},
    };
    const int slotBytes = 2 * sizeof(void *);
    ZEK_tbl_Init1(&layer, rows, 6, slotBytes, 12);
    ASSERT_NE(layer.pSlot, nullptr);
    EXPECT_EQ((std::vector<int32_t>{layer.nRecField, layer.nDataRow, layer.nMethodRow, layer.nLevel}),
              (std::vector<int32_t>{2, 1, 2, 1}));
    EXPECT_TRUE(layer.pRows == rows && layer.pDataRow == &rows[2] && layer.pMethodRow == &rows[3]);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(layer.pfnFree), exported("ZEK_dtor"));
    EXPECT_TRUE(slot(&layer, 0) == address_of(fake_method) && slot(&layer, 1) == address_of(other_method));
    const char zeros[12] = {};  // the data area follows the slots, cleared
    EXPECT_EQ(std::memcmp(reinterpret_cast<char *>(layer.pSlot) + slotBytes, zeros, 12), 0);
    // Sizes that cannot hold the table, or no table, build nothing.
    ZEK_layer refused[3]{};
    ZEK_tbl_Init1(&refused[0], rows, 6, sizeof(void *), 0);
    ZEK_tbl_Init1(&refused[1], rows, 6, slotBytes, -4);
    ZEK_tbl_Init1(&refused[2], nullptr, 2, slotBytes, 0);
    EXPECT_TRUE(!refused[0].pSlot && !refused[1].pSlot && !refused[2].pSlot);
}

// Methods, then data members, then fields; empty rows count but never match. The
// program rewrites rows and builds again, renames a row, points the layer elsewhere.
TEST_F(LayerFixture, NameSearchOrderAndTablesAProgramChanges) {
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
    auto build = [&] { std::free(layer.pSlot), ZEK_tbl_Init1(&layer, rows, 9, 4 * sizeof(void *), 8); };
    build();
    expect({0, 2, 0, 0, -1, -1, -1, -1, -1, -1}, 1);  // "m" lies behind the method run
    rows[2].name = "x";
    rows[6].kind = ZEK_KIND_EMPTY;
    build();
    expect({0, 1, -1, 0, -1, -1, 0, -1, -1, -1}, 2);
    rows[4].name = "z";  // a renamed row is gone at once
    expect({0, 1, -1, -1, -1, -1, 0, 0, -1, -1}, 3);
    layer.pDataRow = &rows[5], layer.nDataRow = 3, layer.nMethodRow = 0;
    expect({0, 2, -1, -1, -1, -1, -1, -1, -1, -1}, 4);
    layer.pDataRow = reinterpret_cast<const ZEK_member *>(uintptr_t(8)), layer.nDataRow = 0;  // never read
    expect({0, 1, -1, -1, -1, -1, -1, -1, -1, -1}, 5);
    EXPECT_EQ(ZEK_NameSearch(&layer, nullptr) & ZEK_NameSearch(nullptr, "f"), -1);
    // The row-by-row search: empty rows skipped but counted, no rows found in a run of none.
    EXPECT_EQ(ZEK_NameSearch2(&rows[4], 4, "dup"), 3);
    EXPECT_EQ(ZEK_NameSearch2(rows, 0, "f") & ZEK_NameSearch2(rows, -1, "f"), -1);
}

// Searches on other threads while a program renames a row and builds a layer
// again (which replaces the index): each sees the old name or the new one.
TEST(NameSearch, RebuildsWhileOtherThreadsSearchAndTheWinTableGivesTheRowByRowResult) {
    ZEK_member rows[] = {{ZEK_KIND_DATA, "a", 0, 4, 1}, {ZEK_KIND_DATA, "b", 4, 4, 1},
                         {ZEK_KIND_METHOD, "dtor", 0, 0, 0}};
    ZEK_layer searched{};
    ZEK_tbl_Init1(&searched, rows, 3, sizeof(void *), 8);
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t)
        threads.emplace_back([&] {
            while (!stop) wrong += ZEK_NameSearch(&searched, "dtor") != 0 || ZEK_NameSearch(&searched, "a") > 0;
        });
    for (int i = 0; i < 2000; ++i) {
        ZEK_layer again{};
        rows[0].name = i % 2 ? "a" : "c";
        ZEK_tbl_Init1(&again, rows, 3, sizeof(void *), 8);
        std::free(again.pSlot);
    }
    stop = true;
    for (auto &t : threads) t.join();
    EXPECT_EQ(wrong, 0);
    std::free(searched.pSlot);

    // The largest table, whose names repeat between methods and data members,
    // gives for every name what a walk over its rows gives.
    ZEK_object *win = Win_ctor2(nullptr);
    ASSERT_NE(win, nullptr);
    const ZEK_layer &l = *ZEK_layer_at(win, 1);
    std::vector<const char *> names = {"NoSuchMember", "", "dtorx"};
    for (int32_t i = 0; i < l.nDataRow + l.nMethodRow; ++i) names.push_back(l.pRows[i].name);
    for (const char *name : names) {
        const int32_t method = ZEK_NameSearch2(l.pMethodRow, l.nMethodRow, name);
        EXPECT_EQ(ZEK_NameSearch(&l, name), method >= 0 ? method : ZEK_NameSearch2(l.pDataRow, l.nDataRow, name))
            << name;
    }
    ZEK_dtorC(win);
}

TEST(RootClass, ConstructorBuildsTheLayerFromItsTable) {
    ZEK_object *object = ZEK_class_ctor2(nullptr);
    ASSERT_NE(object, nullptr);
    ZEK_layer *root = ZEK_layer_at(object, 0);
    EXPECT_STREQ(root->pszClass, "ZEK_class");
    EXPECT_TRUE(root->nLevel == 0 && root->nRecField == 0 && !root->hModule && !root->pDerived &&
                !object->bModuleNew);
    EXPECT_EQ(slot(root, ZEK_NameSearch(root, "NewCall2")), exported("ZEK_class_NewCall2"));
    const ZEK_member &pis = root->pDataRow[ZEK_NameSearch(root, "pis")];
    EXPECT_EQ(*static_cast<void **>(ZEK_ptr(root->pDataArea, 0, intptr_t(pis.place))), nullptr);
    EXPECT_EQ(ZEK_ptr(root->pDataArea, 999, 12), static_cast<char *>(root->pDataArea) + 12)
        << "the middle argument is ignored";
    EXPECT_EQ(ZEK_class_NewCall2(object, "no-such-module.dll", 1), nullptr);
    ZEK_dtorC(object);
}

TEST(Overwrite, LinksTheLayerRecordsLevelAndSlotAndCopiesByName) {
    ZEK_object *object = probe_new();
    ASSERT_NE(object, nullptr);
    ZEK_layer *probe = probe_layer(object);
    const ZEK_member rows[] = {
        {ZEK_KIND_METHOD, "MailslotWaitchThread", address_of(fake_method), 4, 1},
        {ZEK_KIND_METHOD, "Twice", address_of(other_method), 4, 1},
        {ZEK_KIND_METHOD, "NoSuchMethod", address_of(other_method), 4, 1},
    };
    int32_t record[6] = {-5, -5, -5, -5, -5, -5};
    // A third layer replaces methods of both below it; an unknown name leaves its record pair.
    ZEK_layer top{};
    ZEK_overwrite(&top, probe, rows, 3, record);
    EXPECT_TRUE(top.nLevel == 2 && top.pBase == probe && probe->pDerived == &top &&
                top.pOverRow == rows && top.nOverRow == 3);
    EXPECT_EQ(slot(ZEK_layer_at(object, 0), 9), address_of(fake_method));
    EXPECT_EQ(slot(probe, 1), address_of(other_method));
    EXPECT_EQ(std::vector<int32_t>(record, record + 6), (std::vector<int32_t>{0, 9, 1, 1, -5, -5}));
    probe->pDerived = nullptr;

    // By name from another object, preferring its replacement rows.
    ZEK_object *source = probe_new();
    ZEK_layer *from = probe_layer(source), *to = probe;
    const ZEK_member replacement[] = {{ZEK_KIND_EMPTY, "Twice", address_of(fake_method), 4, 1}};
    from->pOverRow = replacement, from->nOverRow = 1;
    EXPECT_EQ(ZEK_overwrite2_S(to, "Twice", from), 1);
    EXPECT_EQ(slot(to, 1), address_of(fake_method));
    from->nOverRow = 0;  // without a replacement row, the source's own method is copied
    EXPECT_EQ(ZEK_overwrite2_S(to, "Twice", from), 1);
    EXPECT_EQ(slot(to, 1), slot(from, 1));
    EXPECT_EQ(ZEK_overwrite2_S(to, "Missing", from) | ZEK_overwrite2_S(to, nullptr, from) |
                  ZEK_overwrite2_S(nullptr, "Twice", from), 0);
    ZEK_dtorC(object), ZEK_dtorC(source);
}

void ZEKAPI replaced_dtor(ZEK_object *) { probe_calls().push_back("replaced_dtor"); }

// Through ZEK_dtorC the slots run; ZEK_delete of an object without modules only destroys it.
TEST(Destruction, RunsEveryLayerMostDerivedFirstThroughItsSlots) {
    probe_calls().clear();
    ZEK_object *object = probe_new(), *plain = probe_new();
    ASSERT_TRUE(object && plain);
    ZEK_layer_at(object, 0)->pSlot[0] = reinterpret_cast<ZEK_method_fn>(replaced_dtor);
    ZEK_dtorC(object), ZEK_delete(plain);
    EXPECT_EQ(probe_calls(), (std::vector<std::string>{"Probe_dtor:probe", "release:Probe", "replaced_dtor",
                                                       "release:ZEK_class", "Probe_dtor:probe",
                                                       "release:Probe", "release:ZEK_class"}));
    ZEK_dtorC(nullptr), ZEK_delete(nullptr);  // null objects are ignored
    EXPECT_EQ(ZEK_dtor(nullptr, nullptr), 0);

    object = ZEK_class_ctor2(nullptr);  // kept slots stay ours to use and free
    ZEK_layer *root = ZEK_layer_at(object, 0);
    ZEK_method_fn *slots = root->pSlot;
    root->bKeepSlots = 1;
    EXPECT_EQ(ZEK_dtor(object, root), 0);
    slots[0] = nullptr, std::free(slots), std::free(object);
}

}  // namespace
