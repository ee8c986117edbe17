// The Win object: its descriptor table, defaults, slot replacement and deletion.
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

ZEK_layer *winLayer(ZEK_object *o)
{
    return ZEK_layer_at(o, 1);
}


struct WinObject : ::testing::Test {
    ZEK_object *o = nullptr;
    void SetUp() override
    {
        o = Win_ctor2(nullptr);
        ASSERT_NE(o, nullptr);
    }
    void TearDown() override
    {
        if (o)
            o->vtbl->deleting_dtor(o, 1);
    }
};

TEST_F(WinObject, EverySlotHoldsTheExportNamedByItsRow)
{
    ZEK_layer *l = winLayer(o);
    ASSERT_EQ(l->nDataRow, 258);
    ASSERT_EQ(l->nMethodRow, 380);
    EXPECT_EQ(l->nRecField, 0);
    EXPECT_EQ(l->pMethodRow, l->pDataRow + 258);
    HMODULE dll = GetModuleHandleA("ZEK2.dll");
    for (int k = 0; k < l->nMethodRow; ++k) {
        std::string name = std::string("Win_") + l->pMethodRow[k].name;
        EXPECT_EQ(reinterpret_cast<FARPROC>(l->pSlot[k]), GetProcAddress(dll, name.c_str()))
            << name;
    }
}

TEST_F(WinObject, SlotNumbersThatOtherPartsCallStayPut)
{
    const struct {
        const char *name;
        int slot;
    } fixed[] = {{"dtor", 0},          {"con", 1},         {"InitApplication", 2},
                 {"InitInstance", 3},  {"MainLoop", 4},    {"Paint", 5},
                 {"MoveWndEx", 6},     {"EndPopupWindow", 7}, {"CommandButton", 8},
                 {"HtmlCall", 9},      {"FFWndProc", 10},  {"PosChanging", 11},
                 {"Update", 13},       {"InvalidateRect", 14}, {"MesToKeyCode", 15},
                 {"SysChar", 16},      {"EraseBkGnd", 17}, {"Destroy", 18},
                 {"Create", 19},       {"Close", 20},      {"WaitClose", 21},
                 {"GetDefPos", 28},    {"Size", 31},       {"SizeWdd", 33},
                 {"SizeWddG", 35},     {"Input", 201},     {"AltF4", 215},
                 {"SetFocus", 233},    {"work_zw", 254},   {"work_m1", 257},
                 {"work_md", 263},     {"MouseMove", 264}, {"CutCopy2", 379}};
    for (const auto &f : fixed)
        EXPECT_EQ(ZEK_NameSearch(winLayer(o), f.name), f.slot) << f.name;
}

TEST_F(WinObject, DataRowsFollowTheLayoutOfTheArea)
{
    ZEK_layer *l = winLayer(o);
    uintptr_t end = 0;
    for (int i = 0; i < l->nDataRow; ++i) {
        const ZEK_member &r = l->pDataRow[i];
        ASSERT_EQ(r.kind, ZEK_KIND_DATA) << r.name;
        EXPECT_GE(r.place, end) << r.name << " overlaps the member before it";
        // Natural alignment: scalars on a multiple of their size, and no
        // gap longer than alignment padding.
        if (r.size == 2 || r.size == 4 || r.size == 8) {
            EXPECT_EQ(r.place % uintptr_t(r.size), 0u) << r.name;
        }
        EXPECT_LT(r.place - end, 8u) << r.name << " starts after a gap";
        end = r.place + uintptr_t(r.size) * uintptr_t(r.count);
    }
    EXPECT_EQ(static_cast<char *>(l->pDataArea) - reinterpret_cast<char *>(l->pSlot),
              380 * ptrdiff_t(sizeof(void *)));
    EXPECT_LE(end, sizeof(void *) == 4 ? 2048u : 4096u);

    const struct {
        const char *name;
        int32_t size, count;
    } shapes[] = {{"ps", int32_t(sizeof(PAINTSTRUCT)), 1},
                  {"GchrAlign", 2, 1},
                  {"pBmi", 44, 1},
                  {"bBmpGx", 8, 1},
                  {"ChrWdGx", 4, 3},
                  {"bScRect", 16, 1},
                  {"pMother", int32_t(sizeof(void *)), 1},
                  {"sBuf", 1, 129},
                  {"pToolBar", int32_t(sizeof(void *)), 20},
                  {"bMenuName", 1, 64},
                  {"pMdiChild", int32_t(sizeof(void *)), 10},
                  {"bMenuDt", 46, 1},
                  {"bWorkMouse", 9 * int32_t(sizeof(void *)), 10},
                  {"bWheelCnt", 4, 1}};
    for (const auto &s : shapes) {
        int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, s.name);
        ASSERT_GE(i, 0) << s.name;
        EXPECT_EQ(l->pDataRow[i].size, s.size) << s.name;
        EXPECT_EQ(l->pDataRow[i].count, s.count) << s.name;
    }
    EXPECT_STREQ(l->pDataRow[0].name, "Extra");
    EXPECT_STREQ(l->pDataRow[257].name, "bWheelCnt");
}

TEST_F(WinObject, LayerIsLinkedByOverwritingTheRootMailslotMethod)
{
    ZEK_layer *root = ZEK_layer_at(o, 0), *l = winLayer(o);
    EXPECT_STREQ(l->pszClass, "Win");
    EXPECT_EQ(l->nLevel, 1);
    EXPECT_EQ(l->pBase, root);
    EXPECT_EQ(root->pDerived, l);
    ASSERT_EQ(l->nOverRow, 1);
    EXPECT_STREQ(l->pOverRow[0].name, "MailslotWaitchThread");
    EXPECT_EQ(l->pOverResult[0], 0);
    EXPECT_EQ(l->pOverResult[1], 9);
    EXPECT_EQ(reinterpret_cast<FARPROC>(root->pSlot[9]),
              GetProcAddress(GetModuleHandleA("ZEK2.dll"), "Win_MailslotWaitchThread"));
}

TEST_F(WinObject, ConstructorSetsTheListedDefaults)
{
    const LOGFONTA &lf = Get_gMainArg()->lf;
    const int32_t gx = abs(lf.lfWidth), gy = abs(lf.lfHeight);
    EXPECT_STREQ(member<const char *>(o, "pClassName"), "DefWindow");
    EXPECT_STREQ(member<const char *>(o, "pTitleName"), "");
    EXPECT_EQ(member<HBRUSH>(o, "hbrBackground"), reinterpret_cast<HBRUSH>(6));
    EXPECT_EQ(member<uint32_t>(o, "ClassStyle"), 0x823u);
    EXPECT_EQ(member<uint32_t>(o, "WinStyle"), 0x02CC0000u);
    EXPECT_EQ(member<int16_t>(o, "GchrAlign"), 8);
    int32_t *cw = &member<int32_t>(o, "ChrWdGx"), *ch = &member<int32_t>(o, "ChrWdGy");
    EXPECT_EQ(std::vector<int32_t>(cw, cw + 3), (std::vector<int32_t>{0, gx, 0}));
    EXPECT_EQ(std::vector<int32_t>(ch, ch + 3), (std::vector<int32_t>{0, gy, 0}));
    EXPECT_EQ(member<int32_t>(o, "ChrWdBx"), gx);
    EXPECT_EQ(member<int32_t>(o, "WinWdGx"), gx * 80);
    EXPECT_EQ(member<int32_t>(o, "WinWdGy"), gy * 25);
    EXPECT_EQ(member<int32_t>(o, "WinWdCx"), 80);
    EXPECT_EQ(member<int32_t>(o, "VScrollPage"), 25);
    EXPECT_EQ(member<int32_t>(o, "HScrollPage"), 80);
    EXPECT_EQ(member<int32_t>(o, "VScrollMax"), 24);
    EXPECT_EQ(member<int32_t>(o, "HScrollMax"), 79);
    EXPECT_EQ(member<char *>(o, "pBuf"), &member<char>(o, "sBuf"));
    EXPECT_NE(member<const void *>(o, "pKeyTable"), nullptr);
    EXPECT_EQ(member<HFONT>(o, "hFont"), Get_ghFont());
    EXPECT_EQ(member<COLORREF>(o, "Color"), GetForeColor());
    EXPECT_EQ(member<COLORREF>(o, "BackColor"), GetBackColor());
    for (const char *name : {"PenWidth", "PenType", "PenColor", "InpStGx", "InpStGy", "InpMax"})
        EXPECT_EQ(member<int32_t>(o, name), -1) << name;
    for (const char *name : {"bProcIE", "bDefPos", "bCursorFlag", "bBufDisp", "bLockFocus",
                             "bAutoScroll", "bInpInit", "bToolEdge"})
        EXPECT_EQ(member<int32_t>(o, name), 1) << name;
    EXPECT_EQ(member<int32_t>(o, "bShow"), 5);
    EXPECT_EQ(member<int32_t>(o, "TabStep"), 4);
    EXPECT_EQ(member<int32_t>(o, "bToolHeight"), 32);
    for (const char *name : {"bLeftMenuW", "bRightMenuW", "bTopMenuH", "bDownMenuH"})
        EXPECT_EQ(member<int32_t>(o, name), 32) << name;
    for (const char *name : {"bLeftMenuEdge", "bRightMenuEdge", "bTopMenuEdge", "bDownMenuEdge"})
        EXPECT_EQ(member<int32_t>(o, name), 3) << name;
    for (const char *name : {"dWvx", "dWvy", "dWxb", "dWyb"})
        EXPECT_EQ(member<double>(o, name), 1.0) << name;
    EXPECT_EQ(member<double>(o, "ysMx"), 594.0);
    EXPECT_EQ(member<double>(o, "ysMy"), 841.0);
    EXPECT_EQ(member<HWND>(o, "hWnd"), nullptr);
    EXPECT_EQ(member<int32_t>(o, "bQuitFlag"), 0);
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
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(member<COLORREF>(o, "Color"), 0x112233u);
    EXPECT_EQ(member<COLORREF>(o, "BackColor"), 0x445566u);
    EXPECT_EQ(member<HINSTANCE>(o, "hInst"), self);
    EXPECT_EQ(member<HINSTANCE>(o, "hPrev"), reinterpret_cast<HINSTANCE>(1));
    o->vtbl->deleting_dtor(o, 1);
    EXPECT_EQ(GetForeColor(), 0x000000u);
    EXPECT_EQ(GetBackBoxColor(), 0xFFFFFFu);
    EXPECT_EQ(Color3dShadow(), 0x808080u);
    EXPECT_EQ(ColorSelect(), 0xA0A0A0u);
}

// A program's replacement, found by name, is what the library reaches
// through the slot number it uses.
struct Seen {
    ZEK_object *object;
    UINT message;
    LRESULT *result;
} seen;

int32_t ZEKAPI myFFWndProc(ZEK_object *object, UINT message, WPARAM, LPARAM, LRESULT *result)
{
    seen = {object, message, result};
    *result = 77;
    return 1;
}

TEST_F(WinObject, ReplacementByNameIsCalledThroughItsSlot)
{
    ZEK_layer *l = winLayer(o);
    ZEK_layer source = {};
    const ZEK_member rows[] = {
        {ZEK_KIND_METHOD, "FFWndProc", reinterpret_cast<uintptr_t>(myFFWndProc), 4, 1}};
    source.pMethodRow = rows;
    source.nMethodRow = 1;
    ASSERT_EQ(ZEK_overwrite2_S(l, "FFWndProc", &source), 1);
    using Fn = int32_t(ZEKAPI *)(ZEK_object *, UINT, WPARAM, LPARAM, LRESULT *);
    LRESULT r = 0;
    EXPECT_EQ(reinterpret_cast<Fn>(l->pSlot[10])(o, WM_TIMER, 0, 0, &r), 1);
    EXPECT_EQ(seen.object, o);
    EXPECT_EQ(seen.message, UINT(WM_TIMER));
    EXPECT_EQ(r, 77);
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
    ASSERT_NE(o, nullptr);
    buttonTable = ZEK_class_ctor2(nullptr);
    ASSERT_NE(buttonTable, nullptr);
    ZEK_layer_at(buttonTable, 0)->pSlot[0] = reinterpret_cast<ZEK_method_fn>(recordRootDtor);
    member<ZEK_object *>(o, "pButtonTbl") = buttonTable;
    winLayer(o)->pSlot[ZEK_NameSearch(winLayer(o), "dtor")] =
        reinterpret_cast<ZEK_method_fn>(recordWinDtor);
    ZEK_layer_at(o, 0)->pSlot[0] = reinterpret_cast<ZEK_method_fn>(recordRootDtor);
    order.clear();
    o->vtbl->deleting_dtor(o, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"Win", "table", "root"}));
}

TEST(WinStubs, NotYetBuiltMethodsGiveTheirFailureResult)
{
    ZEK_object *o = Win_ctor2(nullptr);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(Win_GetButtonTbl(o, 1), -1);
    EXPECT_EQ(Win_CheckMenu(o, 1, 1), -1);
    EXPECT_EQ(Win_RunEndProc(o), 1);
    EXPECT_EQ(Win_VewToWldX(o, 3), 0.0);
    EXPECT_EQ(Win_GetDC(o, nullptr), nullptr);
    o->vtbl->deleting_dtor(o, 1);
}

}  // namespace
