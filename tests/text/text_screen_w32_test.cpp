// The text screen of a real window: printing into its back buffer, pixels
// read back for cleared, scrolled and ruled cells (never glyph shapes), the
// print position and the caret.
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "text_window.h"

namespace {

using Pos = std::vector<int32_t>;

struct Screen : TextWindow {
    int32_t cols = 0, rows = 0;

    void SetUp() override {
        TextWindow::SetUp();
        cols = mi(o, "WinWdCx"), rows = mi(o, "WinWdCy");
        ASSERT_TRUE(cols >= 8 && rows >= 6);
    }
    Pos pos() { return {mi(o, "CurCx"), mi(o, "CurCy"), mi(o, "CurGx"), mi(o, "CurGy")}; }
};

void print(ZEK_object *o, const char *format, ...) {
    va_list a;
    va_start(a, format);
    Win__printf(o, format, a);
    va_end(a);
}

int64_t gBytes;  // bytes that reach the putsnn slot
ZEK_object *ZEKAPI counting_putsnn(ZEK_object *o, const char *text, int32_t n, const RECT *clip) {
    gBytes += n;
    return Win_putsnn(o, text, n, clip);
}

GUITHREADINFO caret() {
    GUITHREADINFO g{};
    g.cbSize = sizeof g;
    GetGUIThreadInfo(GetCurrentThreadId(), &g);
    return g;
}
GUITHREADINFO gSeen;  // the caret while Keyin waits
int32_t ZEKAPI caret_seen(ZEK_object *) { return gSeen = caret(), 'k'; }

}  // namespace

TEST_F(Screen, PrintingAndPutchMoveThePositionByCellsAndClearingKeepsRuledRows) {
    struct Step { void (*op)(ZEK_object *); Pos want; };
    const std::vector<Step> steps = {
        {[](ZEK_object *o) { Win_puts(o, ""); }, {0, 1, 0, H}},
        {[](ZEK_object *o) { Win_putsnn(o, "abc", 0, nullptr); }, {0, 1, 0, H}},
        {[](ZEK_object *o) { Win_putsn(o, "ab\x88\x9f"); }, {4, 1, 4 * P, H}},
        {[](ZEK_object *o) { print(o, "%d\n%s", 12, "xy"); }, {2, 2, 2 * P, 2 * H}},
        {[](ZEK_object *o) { Win_Cursor(o, 0, 3), Win_putsnn(o, "ab\x88\x9f", 3, nullptr); },
         {3, 3, 3 * P, 3 * H}},
        {[](ZEK_object *o) { Win_CursorG(o, 100, 50, 2, 1); }, {3, 3, 100 + 2 * P, 50 + H}},
        {[](ZEK_object *o) { Win_SetMojiSpaceW(o, 1, 1), Win_putsn(o, "ab"); },
         {5, 3, 100 + 2 * P + 2 * (P + 2), 50 + H}},
    };
    for (size_t k = 0; k < steps.size(); ++k) {
        steps[k].op(o);
        EXPECT_EQ(pos(), steps[k].want) << "step " << k;
    }
    EXPECT_GT(other(0, H, 2 * P, 2 * H, kWhite), 0);            // "ab" left ink
    EXPECT_EQ(other(3 * P, 3 * H, 6 * P, 4 * H, kWhite), 0);    // a cut pair: n cells only
    Win_SetMojiSpaceW(o, 0, 0);

    overwrite(o, "putsnn", counting_putsnn);  // long text, every byte through the slot
    gBytes = 0, Win_Cursor(o, 0, 0);
    print(o, "%s\n%s\n1234567", std::string(4990, 'x').c_str(), "ab");
    EXPECT_EQ(gBytes, 4990 + 2 + 7);
    EXPECT_EQ(pos(), (Pos{7, 2, 7 * P, 2 * H}));

    fill(kRed);  // putch
    Win_Cursor(o, cols - 1, 0);
    Win_putch(o, 0x88);  // no room for the pair: the last cell is blanked
    EXPECT_EQ(mi(o, "KinBk"), 0x88);
    EXPECT_EQ(pos(), (Pos{cols, 0, cols * P, 0}));
    EXPECT_EQ(at((cols - 1) * P + 1, 1), kWhite);
    EXPECT_EQ(at((cols - 2) * P, 0), kRed);
    Win_Cursor(o, 2, 1), Win_putch(o, 0x9F);  // completes the pending lead byte
    EXPECT_EQ(mi(o, "KinBk"), 0);
    Win_putch(o, 0x88);  // room: nothing moves until the trail byte
    EXPECT_EQ(pos(), (Pos{4, 1, 4 * P, H}));
    EXPECT_EQ(at(4 * P, H), kRed);
    Win_putch(o, 0x9F), Win_putch(o, '\n');
    EXPECT_EQ(pos(), (Pos{cols, 1, 7 * P, H}));

    fill(kRed), Win_KsenOn(o);
    Win_Cls(o, 1, 1, 2, 1);  // the bottom pixel row stays for a ruled line
    EXPECT_EQ(other(P, H, 3 * P, 2 * H - 1, kWhite), 0);
    EXPECT_EQ(other(P - 1, 2 * H - 1, 3 * P + 1, 2 * H, kRed), 0);
    EXPECT_EQ(at(3 * P, H) + at(P - 1, H), 2 * kRed);
    Win_KsenOff(o), Win_ClsG(o, 0, 0, 2, 2);
    EXPECT_EQ(other(0, 0, 3, 3, kWhite), 0);
    EXPECT_EQ(at(3, 0) + at(0, 3), 2 * kRed);
}

TEST_F(Screen, NewLineOnTheLastRowScrollsOnlyWhenAskedAndRuledLinesSitAtCellAnchors) {
    for (int32_t scroll : {1, 0}) {
        fill(kWhite);
        back(kRed), Win_Cls(o, 0, rows - 1, cols - 1, rows - 1), back(kWhite);  // mark the last row
        mi(o, "bAutoScroll") = scroll;
        Win_Cursor(o, 5, rows - 1), Win_puts(o, "");
        EXPECT_EQ(pos(), (Pos{0, rows - 1, 0, (rows - 1) * H})) << scroll;
        // Scrolled: the marked row moved up and the last row is blank.
        EXPECT_EQ(at(P, (rows - 2) * H + 4), scroll ? kRed : kWhite) << scroll;
        EXPECT_EQ(at(P, (rows - 1) * H + 4), scroll ? kWhite : kRed) << scroll;
    }

    fill(kWhite);  // ruled lines at cell anchors
    Win_Ksen(o, 0, 0, 0x1111, 3, 0, 0x1111);      // through the centres of row 0
    Win_KsenBox(o, 1, 1, 0x0000, 2, 2, 0x2222);   // the outline of cells (1,1)..(2,2)
    Win_KsenN(o, 4, 3, 0x0000, 6, 3, 0x0000, 2);  // rows 3 and 4 from cell 4 to 6
    struct Case { int32_t x, y; bool ruled; };
    for (const Case &c : std::vector<Case>{{P, H / 2, true}, {P, H / 2 - 1, false},
                                           {P, 2 * H, true}, {2 * P, H, true}, {3 * P - 1, 2 * H, true},
                                           {2 * P, 3 * H - 1, true}, {2 * P, 2 * H, false},
                                           {5 * P, 3 * H, true}, {5 * P, 4 * H, true}, {5 * P, 5 * H, false}})
        EXPECT_EQ(at(c.x, c.y), c.ruled ? GetKsenColor() : kWhite) << c.x << "," << c.y;
}

TEST_F(Screen, ACaretShowsWhileKeyinWaitsAndNotForPrinting) {
    mi(o, "bSetFocus") = 1;
    Win_SetCurPos(o, 1, 1);  // bUseCursor is 0: printing shows no caret
    EXPECT_EQ(caret().hwndCaret, nullptr);

    overwrite(o, "Kin", caret_seen);
    overwrite(o, "pos", +[](ZEK_object *) -> int32_t { return 1; });
    overwrite(o, "GetsCtorSet", +[](ZEK_object *) {});  // keeps the text and cursor below
    strcpy(&member<char>(o, "sBuf"), "a\x88\x9f");  // editing the pair: a caret two cells wide
    mi(o, "InpNx") = 2;
    for (int32_t insert : {0, 1}) {
        mi(o, "InpInsMode") = insert;
        gSeen = {};
        EXPECT_EQ(Win_KeyinG(o, 40, 30, 1), 'k');
        const RECT &r = gSeen.rcCaret;
        EXPECT_EQ(gSeen.hwndCaret, w.hwnd());
        EXPECT_EQ((Pos{r.left, r.top, r.right, r.bottom}),
                  (Pos{40 + 2 * P, 30 + insert * H / 2, 40 + 4 * P, 30 + H})) << insert;
    }
    EXPECT_EQ(caret().hwndCaret, nullptr);  // gone after the wait

    // Turning it on twice neither re-creates nor moves it.
    mi(o, "bUseCursor") = 1, Win_SetCurPos(o, 1, 1);
    ASSERT_EQ(caret().hwndCaret, w.hwnd());
    SetCaretPos(1, 2), Win_SetCurPos(o, 1, 1);
    POINT at{};
    EXPECT_TRUE(GetCaretPos(&at) && at.x == 1 && at.y == 2);
    Win_SetCurPos(o, 0, 1);
    EXPECT_EQ(caret().hwndCaret, nullptr);
}
