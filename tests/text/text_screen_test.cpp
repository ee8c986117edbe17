// The text screen of a real window: printing into its back buffer, pixels
// read back for cleared, scrolled and ruled cells (never glyph shapes), the
// print position and the caret.
#include <cstdarg>
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF;
constexpr int32_t P = 6, H = 12;  // the default cell

struct Screen : ::testing::Test {
    TestWin w{"ZekTextTest"};
    ZEK_object *o = w.o;
    int32_t cols = 0, rows = 0;

    int32_t &i(const char *name) { return member<int32_t>(o, name); }
    void SetUp() override
    {
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
        cols = i("WinWdCx"), rows = i("WinWdCy");
        ASSERT_GE(cols, 8);
        ASSERT_GE(rows, 5);
        ASSERT_EQ(i("ChrWdBx"), P);
        ASSERT_EQ(i("ChrWdBy"), H);
        ASSERT_NE(Win_DrawBmpOpen(o), nullptr);
        back(kWhite);
        Win_ClsA(o);
        member<COLORREF>(o, "Color") = 0;
    }
    void TearDown() override { Win_DrawBmpClose(o); }
    void back(COLORREF c) { member<COLORREF>(o, "BackColor") = c; }
    COLORREF at(int32_t x, int32_t y) { return GetPixel(member<HDC>(o, "hDC"), x, y); }
    // Pixels of the rectangle not of colour c.
    int32_t other(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF c)
    {
        int32_t n = 0;
        for (int32_t y = y1; y < y2; ++y)
            for (int32_t x = x1; x < x2; ++x)
                n += at(x, y) != c;
        return n;
    }
    std::vector<int32_t> pos() { return {i("CurCx"), i("CurCy"), i("CurGx"), i("CurGy")}; }
};

ZEK_object *print(ZEK_object *o, const char *format, ...)
{
    va_list a;
    va_start(a, format);
    Win__printf(o, format, a);
    va_end(a);
    return o;
}

// Bytes that reach the putsnn slot.
int64_t gBytes;
ZEK_object *ZEKAPI counting_putsnn(ZEK_object *o, const char *text, int32_t n, const RECT *clip)
{
    gBytes += n;
    return Win_putsnn(o, text, n, clip);
}

}  // namespace

TEST_F(Screen, PrintingMovesThePositionByCells)
{
    struct Step { void (*op)(ZEK_object *); std::vector<int32_t> want; };
    const std::vector<Step> steps = {
        {[](ZEK_object *o) { Win_puts(o, ""); }, {0, 1, 0, H}},
        {[](ZEK_object *o) { Win_putsnn(o, "abc", 0, nullptr); }, {0, 1, 0, H}},
        {[](ZEK_object *o) { Win_putsn(o, "ab\x88\x9f"); }, {4, 1, 4 * P, H}},
        {[](ZEK_object *o) { print(o, "%d\n%s", 12, "xy"); }, {2, 2, 2 * P, 2 * H}},
        {[](ZEK_object *o) { Win_Cursor(o, 3, 4); }, {3, 4, 3 * P, 4 * H}},
        {[](ZEK_object *o) { Win_CursorG(o, 100, 50, 2, 1); }, {3, 4, 100 + 2 * P, 50 + H}},
    };
    for (size_t k = 0; k < steps.size(); ++k) {
        steps[k].op(o);
        EXPECT_EQ(pos(), steps[k].want) << "step " << k;
    }
    EXPECT_GT(other(0, H, 2 * P, 2 * H, kWhite), 0);  // "ab" left ink

    // A lead byte last of the n bytes: n cells, painted no further.
    Win_Cursor(o, 0, 3);
    Win_putsnn(o, "ab\x88\x9f", 3, nullptr);
    EXPECT_EQ(pos(), (std::vector<int32_t>{3, 3, 3 * P, 3 * H}));
    EXPECT_EQ(other(3 * P, 3 * H, 6 * P, 4 * H, kWhite), 0);
}

TEST_F(Screen, PutchBlanksTheLastColumnForATwoByteCharacter)
{
    back(kRed);
    Win_ClsA(o);
    back(kWhite);
    Win_Cursor(o, cols - 1, 0);
    Win_putch(o, 0x88);
    EXPECT_EQ(i("KinBk"), 0x88);
    EXPECT_EQ(pos(), (std::vector<int32_t>{cols, 0, cols * P, 0}));
    EXPECT_EQ(at((cols - 1) * P + 1, 1), kWhite);  // the space's background
    EXPECT_EQ(at((cols - 2) * P, 0), kRed);
    Win_putch(o, 0x9F);
    EXPECT_EQ(i("KinBk"), 0);
    EXPECT_EQ(i("CurCx"), cols + 2);

    Win_Cursor(o, 2, 1);
    Win_putch(o, 0x88);  // not at the end: nothing moves until the trail byte
    EXPECT_EQ(pos(), (std::vector<int32_t>{2, 1, 2 * P, H}));
    EXPECT_EQ(at(2 * P, H), kRed);
    Win_putch(o, 0x9F);
    Win_putch(o, '\n');
    EXPECT_EQ(pos(), (std::vector<int32_t>{cols, 1, 5 * P, H}));
}

TEST_F(Screen, ClearingCellsPixelsAndRuledMode)
{
    back(kRed);
    Win_ClsA(o);
    back(kWhite);
    Win_KsenOn(o);
    Win_Cls(o, 1, 1, 2, 1);  // the bottom pixel row stays for a ruled line
    EXPECT_EQ(other(P, H, 3 * P, 2 * H - 1, kWhite), 0);
    EXPECT_EQ(other(P, 2 * H - 1, 3 * P, 2 * H, kRed), 0);
    EXPECT_EQ(at(3 * P, H), kRed);
    EXPECT_EQ(at(P - 1, H), kRed);
    Win_KsenOff(o);
    Win_ClsG(o, 0, 0, 2, 2);
    EXPECT_EQ(other(0, 0, 3, 3, kWhite), 0);
    EXPECT_EQ(at(3, 0), kRed);
    EXPECT_EQ(at(0, 3), kRed);
}

TEST_F(Screen, NewLineOnTheLastRowScrollsOnlyWhenAsked)
{
    for (int32_t scroll : {1, 0}) {
        back(kWhite);
        Win_ClsA(o);
        back(kRed);
        Win_Cls(o, 0, rows - 1, cols - 1, rows - 1);
        back(kWhite);
        i("bAutoScroll") = scroll;
        Win_Cursor(o, 5, rows - 1);
        Win_puts(o, "");
        EXPECT_EQ(pos(), (std::vector<int32_t>{0, rows - 1, 0, (rows - 1) * H})) << scroll;
        // Scrolled: the marked row moved up and the last row is blank.
        EXPECT_EQ(at(P, (rows - 2) * H + 4), scroll ? kRed : kWhite) << scroll;
        EXPECT_EQ(at(P, (rows - 1) * H + 4), scroll ? kWhite : kRed) << scroll;
    }
}

TEST_F(Screen, LongFormattedTextGoesWholeThroughThePutsnnSlot)
{
    overwrite(o, "putsnn", counting_putsnn);
    gBytes = 0;
    const std::string line(4990, 'x');
    print(o, "%s\n%s\n1234567", line.c_str(), "ab");
    EXPECT_EQ(gBytes, 4990 + 2 + 7);
    EXPECT_EQ(pos(), (std::vector<int32_t>{7, 2, 7 * P, 2 * H}));
}

TEST_F(Screen, RuledLinesAtCellAnchors)
{
    const COLORREF ksen = GetKsenColor();
    Win_Ksen(o, 0, 0, 0x1111, 3, 0, 0x1111);  // through the cell centres of row 0
    EXPECT_EQ(at(P, H / 2), ksen);
    EXPECT_EQ(at(P, H / 2 - 1), kWhite);
    Win_KsenBox(o, 1, 1, 0x0000, 2, 2, 0x2222);  // cells (1,1)..(2,2), outline
    EXPECT_EQ(at(P, 2 * H), ksen);
    EXPECT_EQ(at(2 * P, H), ksen);
    EXPECT_EQ(at(3 * P - 1, 2 * H), ksen);
    EXPECT_EQ(at(2 * P, 3 * H - 1), ksen);
    EXPECT_EQ(at(2 * P, 2 * H), kWhite);
    Win_KsenN(o, 4, 3, 0x0000, 6, 3, 0x0000, 2);  // rows 3 and 4, x 24..36
    EXPECT_EQ(at(5 * P, 3 * H), ksen);
    EXPECT_EQ(at(5 * P, 4 * H), ksen);
    EXPECT_EQ(at(5 * P, 5 * H), kWhite);
}

namespace {

GUITHREADINFO caret_info()
{
    GUITHREADINFO g{};
    g.cbSize = sizeof g;
    GetGUIThreadInfo(GetCurrentThreadId(), &g);
    return g;
}
HWND caret_window() { return caret_info().hwndCaret; }

// The caret while Keyin waits, and the key that ends the wait.
GUITHREADINFO gSeen;
int32_t ZEKAPI caret_seen(ZEK_object *)
{
    gSeen = caret_info();
    return 'k';
}

}  // namespace

TEST_F(Screen, ACaretShowsWhileKeyinWaitsAndNotForPrinting)
{
    i("bSetFocus") = 1;
    Win_SetCurPos(o, 1, 1);  // bUseCursor is 0: printing shows no caret
    EXPECT_EQ(caret_window(), nullptr);

    overwrite(o, "Kin", caret_seen);
    overwrite(o, "pos", +[](ZEK_object *) -> int32_t { return 1; });
    char *const own = member<char *>(o, "pBuf");
    struct Case { int32_t insert; RECT want; };
    for (const Case &c : {Case{0, {40 + 2 * P, 30, 40 + 4 * P, 30 + H}},
                          Case{1, {40 + 2 * P, 30 + H / 2, 40 + 4 * P, 30 + H}}}) {
        // Editing on the second byte, a two-byte character: a double cell.
        char text[] = "a\x88\x9f";
        member<char *>(o, "pBuf") = text;
        i("InpNx") = 2;
        i("InpInsMode") = c.insert;
        gSeen = {};
        EXPECT_EQ(Win_KeyinG(o, 40, 30, 1), 'k');
        EXPECT_EQ(gSeen.hwndCaret, w.hwnd());
        EXPECT_EQ(gSeen.rcCaret.left, c.want.left) << c.insert;
        EXPECT_EQ(gSeen.rcCaret.top, c.want.top) << c.insert;
        EXPECT_EQ(gSeen.rcCaret.right, c.want.right) << c.insert;
        EXPECT_EQ(gSeen.rcCaret.bottom, c.want.bottom) << c.insert;
        EXPECT_EQ(caret_window(), nullptr);  // gone after the wait
        EXPECT_EQ(i("bUseCursor"), 0);
        member<char *>(o, "pBuf") = own;
    }

    // Turning it on twice neither re-creates nor moves it.
    i("bUseCursor") = 1;
    Win_SetCurPos(o, 1, 1);
    ASSERT_EQ(caret_window(), w.hwnd());
    SetCaretPos(1, 2);
    Win_SetCurPos(o, 1, 1);
    POINT at{};
    GetCaretPos(&at);
    EXPECT_EQ(at.x, 1);
    EXPECT_EQ(at.y, 2);
    Win_SetCurPos(o, 0, 1);
    EXPECT_EQ(caret_window(), nullptr);
}
