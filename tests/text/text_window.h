// A shown Win of the text tests with its back buffer open and cleared white;
// pixels are read back from the buffer, never glyph shapes.
#ifndef ZEK_TESTS_TEXT_WINDOW_H
#define ZEK_TESTS_TEXT_WINDOW_H

#include "../wincore/wincore_util.h"

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF;
constexpr int32_t P = 6, H = 12;  // the default cell

struct TextWindow : ::testing::Test {
    TestWin w{"ZekTextTest"};
    ZEK_object *o = w.o;

    void SetUp() override {
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
        ASSERT_EQ(mi(o, "ChrWdBx") * 100 + mi(o, "ChrWdBy"), P * 100 + H);
        ASSERT_NE(Win_DrawBmpOpen(o), nullptr);
        fill(kWhite);
    }
    void TearDown() override { Win_DrawBmpClose(o); }
    void back(COLORREF c) { member<COLORREF>(o, "BackColor") = c; }
    void fill(COLORREF c) { back(c), Win_ClsA(o), back(kWhite); }
    COLORREF at(int32_t x, int32_t y) { return GetPixel(member<HDC>(o, "hDC"), x, y); }
    // Pixels of [x1, x2) x [y1, y2) that are (is) or are not of colour c.
    int32_t count(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF c, bool is = true) {
        int32_t n = 0;
        for (int32_t y = y1; y < y2; ++y)
            for (int32_t x = x1; x < x2; ++x)
                n += (at(x, y) == c) == is;
        return n;
    }
    int32_t other(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF c) {
        return count(x1, y1, x2, y2, c, false);
    }
};

#endif
