// Typed fields on a real window fed with posted keys: what reaches the
// variable, when a field runs again, and what is printed back (read from
// the _printf slot, never from glyphs).
#include <windows.h>

#include <imm.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"

namespace {

constexpr int32_t ENTER = 0x10008, ESC = 0x1000F, END = 0x10013;
using V = std::vector<int32_t>;
using S = std::vector<std::string>;

S gPrinted;
int32_t gCallbacks;

ZEK_object *ZEKAPI recording_printf(ZEK_object *o, const char *format, va_list a)
{
    char text[512];
    va_list copy;
    va_copy(copy, a);
    vsnprintf(text, sizeof text, format, copy);
    va_end(copy);
    gPrinted.push_back(text);
    return Win__printf(o, format, a);
}

void ZEKAPI count_callback(ZEK_object *) { ++gCallbacks; }

struct Typed : ::testing::Test {
    TestWin w{"ZekTypedTest"};
    ZEK_object *o = w.o;

    void SetUp() override {
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
        overwrite(o, "_printf", recording_printf);
        gPrinted.clear(), gCallbacks = 0;
    }
    void key(int32_t k) { PostMessageA(w.hwnd(), ZEK_MACRO_CHAR, WPARAM(k), 0); }
    // Each byte a WM_CHAR (a two-byte character as its two), then the end key.
    void type(const std::string &s, int32_t end = ENTER) {
        for (unsigned char c : s)
            PostMessageA(w.hwnd(), WM_CHAR, WPARAM(c), 1);
        key(end);
    }
};

}  // namespace

TEST_F(Typed, NumberFieldsReadFullWidthKeepOnEmptyAndRunAgainOnWhatDoesNotFit) {
    double d = 1;
    type("\x82\x50\x82\x51\x81\x44\x82\x54");  // full-width 12.5
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ENTER);
    key(ENTER);
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ENTER);  // empty: kept
    type("7", ESC);
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ESC);
    EXPECT_EQ(d, 12.5);
    type("100000"), type("99999.99");
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ENTER);
    EXPECT_EQ(d, 99999.99);
    EXPECT_EQ(gPrinted, (S{"   12.50", "   12.50", "   12.50", "99999.99"}));

    int16_t s = 3;  // 99999 does not wrap to -31073: the field runs again, blanked
    gPrinted.clear(), type("99999"), type("-5");
    EXPECT_EQ(Win_Keyin_wG(o, 0, 0, 6, &s, 0), ENTER);
    EXPECT_EQ(s, -5);
    int32_t i = 0;
    type("12abc");
    EXPECT_EQ(Win_Keyin_iG(o, 0, 0, 6, &i, 1), ENTER);
    long l = 9;
    type("2147483648"), type("-2147483648");
    EXPECT_EQ(Win_Keyin_lG(o, 0, 0, 12, &l, 1), ENTER);
    EXPECT_EQ((V{i, int32_t(l == LONG_MIN)}), (V{12, 1}));
    EXPECT_EQ(gPrinted, (S{"      ", "    12", "           9", " -2147483648"}));

    // Widths past the buffer are held to it; none at all takes no key.
    type(std::string(140, '1'));
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 300, 0, &d, 0), ENTER);
    EXPECT_EQ(strlen(&member<char>(o, "sBuf")), 128u);
    type("5");
    EXPECT_EQ(Win_Keyin_iG(o, 0, 0, -4, &i, 0), ENTER);
    EXPECT_EQ(i, 12);
}

TEST_F(Typed, RangedFieldsShowTheOldValueAndRunUntilItFits) {
    int16_t c = 7;
    type("256"), type("255");
    EXPECT_EQ(Win_Input_cG(o, 0, 0, &c, count_callback), ENTER);
    EXPECT_EQ((V{c, gCallbacks}), (V{255, 1}));
    EXPECT_EQ(gPrinted, (S{"256", "  7", "255"}));
    type("511");
    EXPECT_EQ(Win_Input_c2G(o, 0, 0, &c, nullptr), ENTER);
    EXPECT_EQ(c, 511);

    double d = 1.5, d2 = 1.5;
    type("-2"), type("0");
    EXPECT_EQ(Win_Input_d(o, 0, 0, 6, 1, &d, 0), ENTER);
    type("0"), type("3");
    EXPECT_EQ(Win_Input_d2G(o, 0, 0, 6, 1, &d2, 0), ENTER);
    EXPECT_EQ((std::vector<double>{d, d2}), (std::vector<double>{0, 3}));

    int16_t w16 = 12;
    long l = 5;
    gPrinted.clear(), type("9", ESC);
    EXPECT_EQ(Win_Input_wG(o, 0, 0, 4, 10, 20, &w16, 0), ESC);
    type("5"), type("15"), type("-1"), type("0");
    EXPECT_EQ(Win_Input_w(o, 0, 0, 4, 10, 20, &w16, 0), ENTER);
    EXPECT_EQ(Win_Input_lG(o, 0, 0, 4, 0, 100, &l, 0), ENTER);
    EXPECT_EQ((V{w16, int32_t(l)}), (V{15, 0}));
    EXPECT_EQ(gPrinted, (S{"  12", "   5"}));
}

TEST_F(Typed, StringFieldsTrimBlanksCutAtCharactersAndKeepWhatEscLeaves) {
    char s[200] = "old";
    type("ab\x81\x40 ", ESC);  // an edit ended by Esc is still given back
    EXPECT_EQ(Win_Keyin_sG(o, 0, 0, 10, s, 1), ESC);
    EXPECT_STREQ(s, "ab");
    EXPECT_EQ(gPrinted, (S{"old       ", "ab        "}));
    key(ESC);
    strcpy(s, "keep  ");
    EXPECT_EQ(Win_Keyin_s(o, 1, 1, 10, s, 0), ESC);
    EXPECT_STREQ(s, "keep  ");
    type("a\x81\x81 \x81\x40", ENTER);  // 0x81 as a trail stays
    EXPECT_EQ(Win_Keyin_sG(o, 0, 0, 10, s, 0), ENTER);
    EXPECT_STREQ(s, "a\x81\x81");

    strcpy(s, "ab\x88\x9f" "c");  // the width splits a pair: it is left out
    key(ENTER);
    EXPECT_EQ(Win_Keyin_sG(o, 0, 0, 3, s, 0), ENTER);
    EXPECT_STREQ(s, "ab");
    memset(s, 'x', 150), s[150] = 0;
    key(END), type("y");
    EXPECT_EQ(Win_Keyin_kG(o, 0, 0, 999, s, 0), ENTER);
    EXPECT_EQ((V{int32_t(strlen(s)), mi(o, "InpMax"), mi(o, "InpCopyFlag")}), (V{1, 128, 0}));
    // The input method is opened where the system has one for the window
    // (Wine has), and opened again once the user has closed it.
    if (HIMC ime = ImmGetContext(w.hwnd())) {
        EXPECT_TRUE(ImmGetOpenStatus(ime));
        ImmSetOpenStatus(ime, FALSE), pump();
        EXPECT_FALSE(ImmGetOpenStatus(ime));
        key(ESC);
        EXPECT_EQ(Win_Keyin_k(o, 0, 0, 4, s, 0), ESC);
        EXPECT_TRUE(ImmGetOpenStatus(ime));
        ImmReleaseContext(w.hwnd(), ime);
    }
}
