// Editing a field of a real window with posted keys: the text, the cursor,
// the caret, a scrolling field, the key table, a quit, and the selection's
// pixels read back inverted (never glyph shapes).
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "text_window.h"

namespace {

constexpr int32_t BS = 0x10005, ENTER = 0x10008, END = 0x10013, HOME = 0x10014, LEFT = 0x10015,
                  RIGHT = 0x10017, INS = 0x1001A, DEL = 0x1001B, PAIR = 0x889F, PAIR2 = 0x8AE0;
using V = std::vector<int32_t>;

void shift(bool held) {
    BYTE keys[256] = {};
    keys[VK_SHIFT] = keys[VK_LSHIFT] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

struct Editor : TextWindow {
    // A shown field of width cells at (gx, gy) holding text, the cursor at nx.
    void field(const char *text, int32_t nx, int32_t width, int32_t maxS = 0, int32_t gx = 0,
               int32_t gy = 2 * H) {
        Win_GetsCtorSet(o);
        strcpy(&member<char>(o, "sBuf"), text);
        mi(o, "InpStGx") = gx, mi(o, "InpStGy") = gy, mi(o, "InpMax") = width, mi(o, "InpMaxS") = maxS;
        mi(o, "bInpInit") = 0, mi(o, "bInpDisp") = 1;
        Win_GetsInit(o);
        mi(o, "InpNx") = nx;
    }
    // Characters come as WM_CHAR (a pair as its two bytes), other keys as macro keys.
    void post(const V &keys) {
        for (int32_t k : keys) {
            if (k > 0xFFFF)
                PostMessageA(w.hwnd(), ZEK_MACRO_CHAR, WPARAM(k), 0);
            if (k > 0xFF && k <= 0xFFFF)
                PostMessageA(w.hwnd(), WM_CHAR, WPARAM(k >> 8), 1);
            if (k <= 0xFFFF)
                PostMessageA(w.hwnd(), WM_CHAR, WPARAM(k & 0xFF), 1);
        }
    }
    int32_t gets(const V &keys) { return post(keys), Win_Gets(o); }
    std::string text() { return &member<char>(o, "sBuf"); }
    V state() { return {mi(o, "InpNx"), mi(o, "InpXOff"), mi(o, "CurGx")}; }
    // The keyboard's own Shift+Right three times, then the keys of the input.
    int32_t shiftRightThrice(const V &keys) {
        shift(true);
        for (int i = 0; i < 3; ++i)
            PostMessageA(w.hwnd(), WM_KEYDOWN, VK_RIGHT, 1);
        const int32_t key = gets(keys);
        shift(false);
        return key;
    }
};

int32_t ZEKAPI six(ZEK_object *) { return 0x666; }
int32_t ZEKAPI handled(ZEK_object *) { return 0; }

V gCarets;  // x, y, width, height of the caret at each key wait
int32_t ZEKAPI kin_seeing_caret(ZEK_object *o) {
    GUITHREADINFO g{};
    g.cbSize = sizeof g;
    POINT p{-1, -1};
    if (GetGUIThreadInfo(GetCurrentThreadId(), &g) && g.hwndCaret && GetCaretPos(&p))
        gCarets.insert(gCarets.end(), {p.x, p.y, g.rcCaret.right - g.rcCaret.left,
                                       g.rcCaret.bottom - g.rcCaret.top});
    return Win_Kin(o);
}

}  // namespace

TEST_F(Editor, KeysEditPairsWholeWithinTheLimitAndTheCursorFollows) {
    struct Case { const char *text; int32_t nx, width; V keys; const char *want; int32_t wantNx; };
    const std::vector<Case> cases = {
        {"ab", 0, 10, {BS}, "b", 0},                            // Backspace at column 0
        {"\x88\x9f" "b", 0, 10, {'x'}, "x b", 1},               // one byte over a pair
        {"a\x88\x9f", 0, 10, {PAIR2}, "\x8a\xe0 ", 2},          // a pair over 'a': its neighbour's trail goes
        {"ab", 1, 3, {PAIR2}, "a\x8a\xe0", 3},                  // over the last byte: one longer
        {"ab", 1, 2, {PAIR2}, "ab", 1},                         // ... not past the limit
        {"ab", 0, 2, {INS, 'x'}, "ab", 0},                      // insert beyond InpMax ignored
        {"ab", 1, 5, {INS, PAIR2, 'c'}, "a\x8a\xe0" "cb", 4},
        {"abc", 2, 10, {END, 'z'}, "z", 1},                     // End clears the line
        {"a\x88\x9f" "b", 4, 10, {LEFT, LEFT, DEL, RIGHT, BS}, "a", 1},
    };
    for (const Case &c : cases) {
        field(c.text, c.nx, c.width);
        V keys = c.keys;
        keys.push_back(ENTER);
        EXPECT_EQ(gets(keys), ENTER) << c.text;
        EXPECT_EQ(text(), c.want) << c.text;
        EXPECT_EQ((V{mi(o, "InpNx"), mi(o, "CurGx"), mi(o, "InpMacroFlag")}), (V{c.wantNx, c.wantNx * P, 0}))
            << c.text;
    }
    field("", 0, 3);  // the cursor stays on the field's last position
    mi(o, "bMaxPosCursor") = 1;
    EXPECT_EQ(gets({'a', 'b', 'c', 'd', ENTER}), ENTER);
    EXPECT_EQ(text() + std::to_string(mi(o, "InpNx")), "abd2");
    EXPECT_EQ(gets({HOME, 'e'}), HOME);  // Home ends the input; the rest waits
    EXPECT_EQ(gets({ENTER}), ENTER);
    EXPECT_EQ(text(), "abe");

    // Default width: one more than the screen's columns, at most 128.
    for (int32_t cols : {20, 400}) {
        Win_GetsCtorSet(o), mi(o, "WinWdCx") = cols, Win_GetsInit(o);
        EXPECT_EQ(mi(o, "InpMax"), cols < 128 ? cols + 1 : 128);
    }
}

TEST_F(Editor, AScrollingFieldMovesItsOffsetAndPaintsOnlyItsCells) {
    fill(kRed);
    field("", 0, 4, 10, 2 * P);
    EXPECT_EQ(gets({'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', ENTER}), ENTER);
    EXPECT_EQ(text(), "abcdefghij");  // the limit is InpMaxS
    EXPECT_EQ(state(), (V{10, 7, 2 * P + 3 * P}));  // the cursor on the field's last cell
    EXPECT_EQ(other(0, 2 * H, 2 * P, 3 * H, kRed) + other(6 * P, 2 * H, 8 * P, 3 * H, kRed), 0);
    EXPECT_GT(other(2 * P, 2 * H, 6 * P, 3 * H, kRed), 0);
    V lefts(8, LEFT);
    lefts.push_back(ENTER);
    EXPECT_EQ(gets(lefts), ENTER);
    EXPECT_EQ(state(), (V{2, 2, 2 * P}));
    EXPECT_EQ(gets({LEFT, LEFT, LEFT, ENTER}), ENTER);
    EXPECT_EQ(state(), (V{0, 0, 2 * P}));
    EXPECT_EQ(gets({0x30012}), 0x30012);  // Shift+Page Down: to the end, shown, and the input ends
    EXPECT_EQ(state(), (V{10, 7, 2 * P + 3 * P}));
    EXPECT_EQ(gets({END, ENTER}), ENTER);  // clearing scrolls back
    EXPECT_EQ(state(), (V{0, 0, 2 * P}));
    EXPECT_EQ(at(3 * P, 2 * H + H / 2), kWhite);
}

TEST_F(Editor, TheKeyTableComesFirstAQuitEndsTheInputAndTheCaretShowsWhereItTypes) {
    const Win_key_row rows[] = {{ENTER, six}, {'q', handled}, {0, nullptr}};
    const void *own = member<const void *>(o, "pKeyTable");
    member<const void *>(o, "pKeyTable") = rows;
    field("", 0, 10);
    EXPECT_EQ(gets({'q', 'a', ENTER}), 0x666);
    EXPECT_EQ(text(), "a");
    member<const void *>(o, "pKeyTable") = own;

    PostQuitMessage(3);  // the program's quit: the input ends, the quit stays for its loop
    EXPECT_EQ(gets({'b'}), -1);
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ((V{mi(o, "InpMacroFlag"), mi(o, "bKeyLoop"), mi(o, "bUseCursor")}), (V{0, 0, 0}));
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 3u);

    mi(o, "bSetFocus") = 1;
    overwrite(o, "Kin", kin_seeing_caret);
    field("", 0, 10, 0, 30, 24);
    member<char *>(o, "pBuf") = nullptr;  // a stale pointer is never followed
    gCarets.clear();
    EXPECT_EQ(gets({'a', PAIR, LEFT, INS, ENTER}), ENTER);
    EXPECT_EQ(gCarets, (V{30, 24, P, H, 30 + P, 24, P, H, 30 + 3 * P, 24, P, H,  // a, the pair, Left
                          30 + P, 24, 2 * P, H,                                   // on the pair: two cells
                          30 + P, 24 + H / 2, 2 * P, H / 2}));                    // insert mode: half high
    GUITHREADINFO g{};
    g.cbSize = sizeof g;
    GetGUIThreadInfo(GetCurrentThreadId(), &g);
    EXPECT_EQ(g.hwndCaret, nullptr);  // gone afterwards, bUseCursor as it was
    EXPECT_EQ(mi(o, "bUseCursor"), 0);
}

TEST_F(Editor, ShiftArrowsSelectAndTheSelectionShowsInvertedUntilDropped) {
    field("abcdefgh", 2, 10);
    const int32_t g = (&mi(o, "ChrWdGy"))[1];
    std::vector<COLORREF> plain;
    for (int32_t y = 2 * H; y < 3 * H; ++y)
        for (int32_t x = 0; x < 10 * P; ++x)
            plain.push_back(at(x, y));
    ASSERT_NE(std::count(plain.begin(), plain.end(), kWhite), int(plain.size()));  // text was drawn
    auto changed = [&](int32_t a, int32_t b) {  // pixels not as columns [a, b) inverted would give
        int32_t n = 0;
        for (int32_t y = 2 * H, k = 0; y < 3 * H; ++y)
            for (int32_t x = 0; x < 10 * P; ++x, ++k) {
                const bool inverted = x >= a * P && x < b * P && y < 2 * H + g;
                n += at(x, y) != (inverted ? plain[k] ^ 0xFFFFFF : plain[k]);
            }
        return n;
    };
    EXPECT_EQ(shiftRightThrice({ENTER}), ENTER);
    EXPECT_EQ((V{mi(o, "InpSelStCx"), mi(o, "InpSelEdCx"), mi(o, "flInpSelMode"), mi(o, "InpNx")}),
              (V{2, 5, 1, 5}));
    EXPECT_EQ(changed(2, 5), 0);
    EXPECT_EQ(gets({RIGHT, ENTER}), ENTER);  // a plain move drops it
    EXPECT_EQ(mi(o, "flInpSelMode"), 0);
    EXPECT_EQ(changed(0, 0), 0);
    EXPECT_EQ(gets({0x30015, 0x30015, 'X', ENTER}), ENTER);  // typing replaces it
    EXPECT_EQ(text() + std::to_string(mi(o, "InpNx")), "abcdXh5");
    EXPECT_EQ(mi(o, "flInpSelMode"), 0);
}

TEST_F(Editor, ShiftRightThriceAndCtrlCCopiesThoseBytesCtrlXCutsAndCtrlVTypesThemBack) {
    field("abcdefgh", 2, 10);
    EXPECT_EQ(shiftRightThrice({0x40043, ENTER}), ENTER);
    auto clipboard = [&] {
        int32_t size = 0;
        char *copy = Win_GetClipbrd(o, &size);
        std::string s = copy ? std::string(copy) + "/" + std::to_string(size >= int32_t(strlen(copy)) + 1) : "none";
        free(copy);
        return s;
    };
    EXPECT_EQ(clipboard(), "cde/1");
    EXPECT_EQ(text() + std::to_string(mi(o, "flInpSelMode")), "abcdefgh0");

    EXPECT_EQ(gets({0x30015, 0x30015, 0x40058, ENTER}), ENTER);  // columns 3..5 cut
    EXPECT_EQ(text() + std::to_string(mi(o, "InpNx")), "abcfgh3");
    EXPECT_EQ(clipboard(), "de/1");

    // The paste arrives as typed characters, so Enter is posted after them.
    mi(o, "InpInsMode") = 1, mi(o, "InpMacroFlag") = 1;
    post({0x40056});
    EXPECT_EQ(Win_Kin(o), 0x40056);
    EXPECT_EQ(Win_Input(o), 0);
    EXPECT_EQ(gets({ENTER}), ENTER);
    EXPECT_EQ(text() + std::to_string(mi(o, "InpNx")), "abcdefgh5");
}
