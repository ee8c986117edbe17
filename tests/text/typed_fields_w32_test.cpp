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

// Text as typed keys: a two-byte character as its two WM_CHARs.
V keys(const std::string &s, V tail = {ENTER})
{
    V k;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = s[i];
        k.push_back(IsKanji(c) && i + 1 < s.size() ? c << 8 | (unsigned char)s[++i] : c);
    }
    k.insert(k.end(), tail.begin(), tail.end());
    return k;
}

struct Typed : ::testing::Test {
    TestWin w{"ZekTypedTest"};
    ZEK_object *o = w.o;

    void SetUp() override {
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
        overwrite(o, "_printf", recording_printf);
        gPrinted.clear(), gCallbacks = 0;
    }
    void post(const V &ks) {
        for (int32_t k : ks) {
            if (k > 0xFFFF)
                PostMessageA(w.hwnd(), ZEK_MACRO_CHAR, WPARAM(k), 0);
            if (k > 0xFF && k <= 0xFFFF)
                PostMessageA(w.hwnd(), WM_CHAR, WPARAM(k >> 8), 1);
            if (k <= 0xFFFF)
                PostMessageA(w.hwnd(), WM_CHAR, WPARAM(k & 0xFF), 1);
        }
    }
    std::string text() { return &member<char>(o, "sBuf"); }
};

}  // namespace

TEST_F(Typed, NumberFieldsReadFullWidthKeepOnEmptyAndRunAgainOnWhatDoesNotFit) {
    double d = 1;
    post(keys("\x82\x50\x82\x51\x81\x44\x82\x54"));  // full-width 12.5
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ENTER);
    post({ENTER});
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ENTER);  // empty: kept
    post({'7', ESC});
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ESC);
    EXPECT_EQ(d, 12.5);
    post(keys("100000")), post(keys("99999.99"));
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 8, 2, &d, 1), ENTER);
    EXPECT_EQ(d, 99999.99);
    EXPECT_EQ(gPrinted, (S{"   12.50", "   12.50", "   12.50", "99999.99"}));

    int16_t s = 3;  // 99999 does not wrap to -31073: the field runs again, blanked
    gPrinted.clear(), post(keys("99999")), post(keys("-5"));
    EXPECT_EQ(Win_Keyin_wG(o, 0, 0, 6, &s, 0), ENTER);
    EXPECT_EQ(s, -5);
    int32_t i = 0;
    post(keys("12abc"));
    EXPECT_EQ(Win_Keyin_iG(o, 0, 0, 6, &i, 1), ENTER);
    long l = 9;
    post(keys("2147483648")), post(keys("-2147483648"));
    EXPECT_EQ(Win_Keyin_lG(o, 0, 0, 12, &l, 1), ENTER);
    EXPECT_EQ((V{i, int32_t(l == LONG_MIN)}), (V{12, 1}));
    EXPECT_EQ(gPrinted, (S{"      ", "    12", "           9", " -2147483648"}));

    // Widths past the buffer are held to it; none at all takes no key.
    post(keys(std::string(140, '1')));
    EXPECT_EQ(Win_Keyin_dG(o, 0, 0, 300, 0, &d, 0), ENTER);
    EXPECT_EQ(text().size(), 128u);
    for (int32_t width : {0, -4}) {
        post(keys("5"));
        EXPECT_EQ(Win_Keyin_iG(o, 0, 0, width, &i, 0), ENTER);
        EXPECT_EQ(i, 12);
    }
    // A cell form places its field as Keyin does.
    post(keys("4"));
    EXPECT_EQ(Win_Keyin_i(o, 2, 1, 3, &i, 0), ENTER);
    EXPECT_EQ((V{i, mi(o, "InpStGx"), mi(o, "InpStGy")}),
              (V{4, 2 * mi(o, "ChrWdBx") + mi(o, "TopOx") + (&mi(o, "ChrWdGx"))[0],
                 mi(o, "ChrWdBy") + mi(o, "TopOy") + (&mi(o, "ChrWdGy"))[0]}));
}

TEST_F(Typed, RangedFieldsShowTheOldValueAndRunUntilItFits) {
    int16_t c = 7;
    post(keys("256")), post(keys("255"));
    EXPECT_EQ(Win_Input_cG(o, 0, 0, &c, count_callback), ENTER);
    EXPECT_EQ((V{c, gCallbacks}), (V{255, 1}));
    EXPECT_EQ(gPrinted, (S{"256", "  7", "255"}));
    post(keys("511"));
    EXPECT_EQ(Win_Input_c2G(o, 0, 0, &c, nullptr), ENTER);
    EXPECT_EQ(c, 511);

    double d = 1.5, d2 = 1.5;
    post(keys("-2")), post(keys("0"));
    EXPECT_EQ(Win_Input_d(o, 0, 0, 6, 1, &d, 0), ENTER);
    post(keys("0")), post(keys("3"));
    EXPECT_EQ(Win_Input_d2G(o, 0, 0, 6, 1, &d2, 0), ENTER);
    EXPECT_EQ((std::vector<double>{d, d2}), (std::vector<double>{0, 3}));

    int16_t w16 = 12;
    long l = 5;
    gPrinted.clear(), post(keys("9", {ESC}));
    EXPECT_EQ(Win_Input_wG(o, 0, 0, 4, 10, 20, &w16, 0), ESC);
    post(keys("5")), post(keys("15")), post(keys("-1")), post(keys("0"));
    EXPECT_EQ(Win_Input_w(o, 0, 0, 4, 10, 20, &w16, 0), ENTER);
    EXPECT_EQ(Win_Input_lG(o, 0, 0, 4, 0, 100, &l, 0), ENTER);
    EXPECT_EQ((V{w16, int32_t(l)}), (V{15, 0}));
    EXPECT_EQ(gPrinted, (S{"  12", "   5"}));
}

TEST_F(Typed, StringFieldsTrimBlanksCutAtCharactersAndKeepWhatEscLeaves) {
    char s[200] = "old";
    post(keys("ab\x81\x40 ", {ESC}));  // an edit ended by Esc is still given back
    EXPECT_EQ(Win_Keyin_sG(o, 0, 0, 10, s, 1), ESC);
    EXPECT_STREQ(s, "ab");
    EXPECT_EQ(gPrinted, (S{"old       ", "ab        "}));
    post({ESC});
    strcpy(s, "keep  ");
    EXPECT_EQ(Win_Keyin_s(o, 1, 1, 10, s, 0), ESC);
    EXPECT_STREQ(s, "keep  ");
    post(keys("a\x81\x81 \x81\x40", {ENTER}));  // 0x81 as a trail stays
    EXPECT_EQ(Win_Keyin_sG(o, 0, 0, 10, s, 0), ENTER);
    EXPECT_STREQ(s, "a\x81\x81");

    strcpy(s, "ab\x88\x9f" "c");  // the width splits a pair: it is left out
    post({ENTER});
    EXPECT_EQ(Win_Keyin_sG(o, 0, 0, 3, s, 0), ENTER);
    EXPECT_STREQ(s, "ab");
    memset(s, 'x', 150), s[150] = 0;
    post({END, 'y', ENTER});
    EXPECT_EQ(Win_Keyin_kG(o, 0, 0, 999, s, 0), ENTER);
    EXPECT_EQ((V{int32_t(strlen(s)), mi(o, "InpMax"), mi(o, "InpCopyFlag")}), (V{1, 128, 0}));
    // The input method is opened where the system has one for the window,
    // and opened again once the user has closed it.
    if (HIMC ime = ImmGetContext(w.hwnd())) {
        EXPECT_TRUE(ImmGetOpenStatus(ime));
        ImmSetOpenStatus(ime, FALSE), pump();
        EXPECT_FALSE(ImmGetOpenStatus(ime));
        post({ESC});
        EXPECT_EQ(Win_Keyin_k(o, 0, 0, 4, s, 0), ESC);
        EXPECT_TRUE(ImmGetOpenStatus(ime));
        ImmReleaseContext(w.hwnd(), ime);
    } else {
        std::printf("no input-method context for the window\n");
    }
}
