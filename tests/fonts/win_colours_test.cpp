// The colour methods of Win and the palette.
#include <gtest/gtest.h>

#include "ZEK2.h"
#include "../class_members.h"

namespace {

struct WinColours : ::testing::Test {
    ZEK_object *o = nullptr;
    COLORREF saved[18];
    void SetUp() override
    {
        std::copy(GetSysColorTbl(), GetSysColorTbl() + 18, saved);
        o = Win_ctor2(nullptr);
        ASSERT_NE(o, nullptr);
    }
    void TearDown() override
    {
        SetSysColorTbl(saved);
        if (o)
            o->vtbl->deleting_dtor(o, 1);
    }
    COLORREF fore() { return member<COLORREF>(o, "Color"); }
    COLORREF back() { return member<COLORREF>(o, "BackColor"); }
};

TEST_F(WinColours, ColourPairsComeFromTheCurrentInterfaceTable)
{
    Win_Color(o, 0x123456, 0x654321);
    EXPECT_EQ(std::pair(fore(), back()), std::pair(COLORREF(0x123456), COLORREF(0x654321)));
    // Distinct values show which entries each method takes.
    COLORREF table[18];
    for (int i = 0; i < 18; ++i)
        table[i] = 0x010101u * COLORREF(i + 1);
    SetSysColorTbl(table);
    struct { void(ZEKAPI *method)(ZEK_object *); int fore, back; } const cases[] = {{Win_SetWndColor, 0, 1},   {Win_SetBoxColor, 0, 1},
                       {Win_SetPopColor, 5, 6},   {Win_SetTitleColor, 2, 3},
                       {Win_SetReverseColor, 7, 8}};
    for (const auto &c : cases) {
        Win_Color(o, 0xABCDEF, 0xABCDEF);
        c.method(o);
        EXPECT_EQ(std::pair(fore(), back()), std::pair(table[c.fore], table[c.back])) << c.fore;
    }
}

TEST_F(WinColours, BackgroundBrushReplacesOnlyItsOwnBrushAndBackColourReachesTheContext)
{
    HBRUSH systemBrush = member<HBRUSH>(o, "hbrBackground");
    EXPECT_EQ(systemBrush, reinterpret_cast<HBRUSH>(intptr_t(COLOR_WINDOW + 1)));
    HBRUSH first = Win_SetBackGroundColor(o, 0x00FF00);
    EXPECT_TRUE(first && member<HBRUSH>(o, "hbrBackground") == first && member<int32_t>(o, "bBackgroundF") == 1);
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectA(first, sizeof lb, &lb), int(sizeof lb));
    EXPECT_TRUE(lb.lbStyle == BS_SOLID && lb.lbColor == 0x00FF00u);
    HBRUSH second = Win_SetBackGroundColor(o, 0x0000FF);
    EXPECT_EQ(GetObjectA(first, sizeof lb, &lb), 0);  // deleted
    ASSERT_EQ(GetObjectA(second, sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbColor, 0x0000FFu);
    DeleteObject(second);
    member<HBRUSH>(o, "hbrBackground") = nullptr;
    member<int32_t>(o, "bBackgroundF") = 0;

    // The back colour reaches the device context.
    Win_SetBackColor(o, 0x112233);  // no device context yet
    EXPECT_EQ(back(), 0x112233u);
    HDC dc = CreateCompatibleDC(nullptr);
    member<HDC>(o, "hDC") = dc;
    Win_SetBackColor(o, 0x445566);
    EXPECT_TRUE(back() == 0x445566u && GetBkColor(dc) == 0x445566u);
    member<HDC>(o, "hDC") = nullptr;
    DeleteDC(dc);
    // A null object is left alone.
    Win_Color(nullptr, 1, 2);
    Win_SetWndColor(nullptr);
    Win_SetBackColor(nullptr, 3);
    EXPECT_EQ(Win_SetBackGroundColor(nullptr, 4), nullptr);
}

// The palette's ends; outside it, white.
TEST(WinColourReaders, PaletteAndSystemColours)
{
    const std::pair<int, COLORREF> cases[] = {{0, 0}, {1, 0x800000}, {9, 0xFF0000}, {15, 0xFFFFFF},
                                              {16, 0xFFFFFF}, {-1, 0xFFFFFF}, {INT32_MIN, 0xFFFFFF}};
    for (auto [i, want] : cases)
        EXPECT_EQ(Win_GetRGBColor(nullptr, i), want) << i;
    EXPECT_EQ(Win_GetSysColor(nullptr, COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
