// The Win object: its descriptor table, defaults and deletion.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ZEK2.h"
#include "../class_members.h"
#include "../../window/win_call.h"

namespace {

// Slot calls inside the library give the declared result and refuse
// arguments that differ from the declaration.
static_assert(std::is_same_v<decltype(win_call<kWinSetHDC>(nullptr)), HDC>);
static_assert(win_slot_accepts<kWinScaleSet2, bool, double, double, float, double>);
static_assert(win_slot_accepts<kWinSetTitle, char *> && win_slot_accepts<kWinSetTitle, std::nullptr_t>);
static_assert(!win_slot_accepts<kWinWldToVewX, int32_t>);          // integer for a double
static_assert(!win_slot_accepts<kWinPsetI, int64_t, int32_t>);      // narrowed
static_assert(!win_slot_accepts<kWinSetCurPos, WPARAM, int32_t>);   // narrowed on both targets
static_assert(!win_slot_accepts<kWinKeyin_l, int32_t, int32_t, int32_t, int32_t *, int32_t>);
static_assert(!win_slot_accepts<kWinSetTitle, int32_t>);            // not a pointer
static_assert(!win_slot_accepts<kWinPsetI, int32_t>);               // count

struct WinObject : ::testing::Test {
    ZEK_object *o = Win_ctor2(nullptr);
    ZEK_layer *l = ZEK_layer_at(o, 1);
    void TearDown() override { o->vtbl->deleting_dtor(o, 1); }
};

// Every slot holds the export its row names; the slot numbers other parts
// call stay put; the layer links to the root by overwriting one method.
TEST_F(WinObject, SlotsNumbersAndTheLinkToTheRoot)
{
    ASSERT_EQ(l->nDataRow, 258);
    ASSERT_EQ(l->nMethodRow, 380);
    EXPECT_EQ(l->nRecField, 0);
    EXPECT_EQ(l->pMethodRow, l->pDataRow + 258);
    HMODULE dll = GetModuleHandleA("ZEK2.dll");
    for (int k = 0; k < l->nMethodRow; ++k) {
        std::string name = std::string("Win_") + l->pMethodRow[k].name;
        EXPECT_EQ(reinterpret_cast<FARPROC>(l->pSlot[k]), GetProcAddress(dll, name.c_str())) << name;
    }
    const struct { const char *name; int slot; } fixed[] = {
        {"dtor", 0}, {"FFWndProc", 10}, {"GetDefPos", 28}, {"Input", 201}, {"CutCopy2", 379}};
    for (const auto &f : fixed)
        EXPECT_EQ(ZEK_NameSearch(l, f.name), f.slot) << f.name;

    ZEK_layer *root = ZEK_layer_at(o, 0);
    EXPECT_STREQ(l->pszClass, "Win");
    ASSERT_EQ(l->nOverRow, 1);
    EXPECT_STREQ(l->pOverRow[0].name, "MailslotWaitchThread");
    EXPECT_EQ(l->pOverResult[0], 0);
    EXPECT_EQ(l->pOverResult[1], 9);
    EXPECT_EQ(reinterpret_cast<FARPROC>(root->pSlot[9]), GetProcAddress(dll, "Win_MailslotWaitchThread"));
}

TEST_F(WinObject, DataRowsFollowTheLayoutOfTheArea)
{
    uintptr_t end = 0;
    for (int i = 0; i < l->nDataRow; ++i) {
        const ZEK_member &r = l->pDataRow[i];
        ASSERT_EQ(r.kind, ZEK_KIND_DATA) << r.name;
        EXPECT_GE(r.place, end) << r.name << " overlaps the member before it";
        // Natural alignment, and no gap longer than alignment padding.
        if (r.size == 2 || r.size == 4 || r.size == 8) {
            EXPECT_EQ(r.place % uintptr_t(r.size), 0u) << r.name;
        }
        EXPECT_LT(r.place - end, 8u) << r.name << " starts after a gap";
        end = r.place + uintptr_t(r.size) * uintptr_t(r.count);
    }
    EXPECT_EQ(static_cast<char *>(l->pDataArea) - reinterpret_cast<char *>(l->pSlot),
              380 * ptrdiff_t(sizeof(void *)));
    EXPECT_LE(end, sizeof(void *) == 4 ? 2048u : 4096u);
    const int32_t P = sizeof(void *);
    const struct { const char *name; int32_t size, count; } shapes[] = {
        {"GchrAlign", 2, 1}, {"sBuf", 1, 129}, {"pToolBar", P, 20}, {"bWorkMouse", 9 * P, 10}};
    for (const auto &s : shapes) {
        int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, s.name);
        ASSERT_GE(i, 0) << s.name;
        EXPECT_EQ(l->pDataRow[i].size * 1000 + l->pDataRow[i].count, s.size * 1000 + s.count) << s.name;
    }
    EXPECT_STREQ(l->pDataRow[0].name, "Extra");
    EXPECT_STREQ(l->pDataRow[257].name, "bWheelCnt");
}

TEST_F(WinObject, ConstructorSetsTheListedDefaults)
{
    const LOGFONTA &lf = Get_gMainArg()->lf;
    const int32_t gx = abs(lf.lfWidth), gy = abs(lf.lfHeight);
    EXPECT_STREQ(member<const char *>(o, "pClassName"), "DefWindow");
    EXPECT_STREQ(member<const char *>(o, "pTitleName"), "");
    EXPECT_EQ(member<HBRUSH>(o, "hbrBackground"), reinterpret_cast<HBRUSH>(6));
    int32_t *cw = &member<int32_t>(o, "ChrWdGx"), *ch = &member<int32_t>(o, "ChrWdGy");
    EXPECT_EQ((std::vector<int32_t>{cw[0], cw[1], cw[2], ch[0], ch[1], ch[2]}),
              (std::vector<int32_t>{0, gx, 0, 0, gy, 0}));
    const struct { const char *name; int32_t value; } ints[] = {
        {"ClassStyle", 0x823}, {"WinWdGx", gx * 80}, {"WinWdGy", gy * 25}, {"VScrollMax", 24},
        {"InpMax", -1}, {"bShow", 5}};
    for (const auto &d : ints)
        EXPECT_EQ(member<int32_t>(o, d.name), d.value) << d.name;
    EXPECT_EQ(member<double>(o, "dWyb"), 1.0);
    EXPECT_EQ(member<double>(o, "ysMy"), 841.0);
    EXPECT_EQ(member<char *>(o, "pBuf"), &member<char>(o, "sBuf"));
    EXPECT_EQ(member<HFONT>(o, "hFont"), Get_ghFont());
}

TEST(WinDefaults, FollowInstanceHandlesAndTheColourTable)
{
    COLORREF saved[18];
    std::memcpy(saved, GetSysColorTbl(), sizeof saved);
    COLORREF mine[18] = {0x112233, 0x445566};
    SetSysColorTbl(mine);
    HINSTANCE self = GetModuleHandleA(nullptr);
    Win_INIT(self, reinterpret_cast<HINSTANCE>(1));
    ZEK_object *o = Win_ctor2(nullptr);
    SetSysColorTbl(saved);
    Win_INIT(nullptr, nullptr);
    EXPECT_EQ(member<COLORREF>(o, "Color"), 0x112233u);
    EXPECT_EQ(member<COLORREF>(o, "BackColor"), 0x445566u);
    EXPECT_EQ(member<HINSTANCE>(o, "hInst"), self);
    EXPECT_EQ(member<HINSTANCE>(o, "hPrev"), reinterpret_cast<HINSTANCE>(1));
    // A fresh object: no button table, no scale, and ending agreed to.
    EXPECT_EQ(Win_GetButtonTbl(o, 1), -1);
    EXPECT_EQ(Win_RunEndProc(o), 1);
    EXPECT_EQ(Win_VewToWldX(o, 3), 0.0);
    o->vtbl->deleting_dtor(o, 1);
    EXPECT_EQ(GetForeColor(), 0x000000u);
    EXPECT_EQ(ColorSelect(), 0xA0A0A0u);
}

std::vector<std::string> order;
ZEK_object *buttonTable;

void ZEKAPI recordWinDtor(ZEK_object *object)
{
    order.push_back("Win");
    Win_dtor(object);
}

void ZEKAPI recordRootDtor(ZEK_object *object)
{
    order.push_back(object == buttonTable ? "table" : "root");
    ZEK_class_dtor(object);
}

TEST(WinDelete, RunsWinDtorThenTheRootAndDeletesTheButtonTable)
{
    ZEK_object *o = Win_ctor2(nullptr);
    buttonTable = ZEK_class_ctor2(nullptr);
    ZEK_layer_at(buttonTable, 0)->pSlot[0] = reinterpret_cast<ZEK_method_fn>(recordRootDtor);
    member<ZEK_object *>(o, "pButtonTbl") = buttonTable;
    overwrite(o, "dtor", recordWinDtor);
    ZEK_layer_at(o, 0)->pSlot[0] = reinterpret_cast<ZEK_method_fn>(recordRootDtor);
    order.clear();
    o->vtbl->deleting_dtor(o, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"Win", "table", "root"}));
}

}  // namespace
