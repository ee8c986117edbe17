// The edited field's text arithmetic at its corners, without windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../../text/edit_model.h"

using namespace zek_edit;
using V = std::vector<int32_t>;

namespace {

struct Buf {
    char b[kBufSize];
    explicit Buf(const std::string &s) { memset(b, 'Z', sizeof b), memcpy(b, s.c_str(), s.size() + 1); }
    std::string str() const { return b; }
};

}  // namespace

TEST(EditModel, ColumnsStepOverPairsAndTabsAndStopAtTheEnd)
{
    const char *t = "a\t\x88\x9f" "b\x88";  // the tab spans columns 1-3; a lone lead byte last
    V got;
    for (int32_t nx : {-1, 0, 1, 2, 4, 5, 6, 7, 8, 99})
        got.push_back(pos(t, nx, 4));
    EXPECT_EQ(got, (V{0, 0, 1, 2, 2, 4, 4, 5, 6, 6}));
    EXPECT_EQ((V{pos(t, 2, 0), pos(t, 5, 0), pos(t, 5, -3)}), (V{2, 5, 5}));  // no tab step: one column
    EXPECT_EQ((V{column_left(t, 8, 4), column_left(t, 4, 4), column_left(t, 3, 4), column_left(t, 0, 4)}),
              (V{7, 1, 0, 0}));
    EXPECT_EQ((V{column_right(t, 1, 4), column_right(t, 4, 4), column_right(t, 7, 4), column_right(t, 8, 4)}),
              (V{4, 6, 8, 8}));
    EXPECT_EQ((V{char_bytes(t, 2), char_bytes(t, 5), char_bytes(t, 6)}), (V{2, 1, 0}));
}

TEST(EditModel, TypingOverKeepsPairsWholeAndNeverPassesTheTerminatorOrTheLimit)
{
    struct Case { const char *text; int32_t at, key; bool insert; int32_t limit; const char *want; V typed; };
    const std::vector<Case> cases = {
        {"\x88\x9f" "b", 0, 'x', false, 10, "x b", {1, 0, 2, 1}},             // one byte over a pair
        {"a\x88\x9f", 0, 0x8ae0, false, 10, "\x8a\xe0 ", {1, 0, 3, 2}},        // its neighbour's trail goes
        {"ab", 0, 0x8ae0, false, 10, "\x8a\xe0", {1, 0, 2, 2}},
        {"ab", 1, 0x8ae0, false, 3, "a\x8a\xe0", {1, 0, 2, 3}},                // the last byte: one longer
        {"ab", 1, 0x8ae0, false, 2, "ab", {0, 0, 0, 1}},                       // ... unless no room
        {"\x88\x9f", 0, 0x8ae0, false, 2, "\x8a\xe0", {1, 0, 2, 2}},
        {"ab", 1, 'x', true, 2, "ab", {0, 0, 0, 1}},                           // insert past the limit
        {"ab", 1, 0x8841, true, 200, "a\x88" "Ab", {1, 1, 3, 3}},              // an odd trail stays paired
        {"ab", 2, 'c', false, 3, "abc", {1, 1, 1, 3}},                         // at the end it inserts
        {"ab", 0, 0x88, false, 10, "ab", {0, 0, 0, 0}},                        // refused keys
        {"ab", 0, 0x8800, true, 10, "ab", {0, 0, 0, 0}},
        {"ab", 0, 0x4188, true, 10, "ab", {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        Buf b(c.text);
        const Typed t = type_key(b.b, c.at, c.key, c.insert, c.limit);
        EXPECT_EQ(b.str(), c.want) << c.text << " " << c.key;
        EXPECT_EQ((V{t.changed, t.insert, t.shown, t.next}), c.typed) << c.text << " " << c.key;
    }
    Buf full(std::string(127, 'a') + "b");  // the buffer's last byte: the limit is 128 at most
    EXPECT_FALSE(type_key(full.b, 127, 0x8ae0, false, 500).changed);
    EXPECT_FALSE(type_key(full.b, 5, 'x', true, 500).changed);
    EXPECT_EQ(full.b[128], 0);
    EXPECT_EQ((V{bounded(-1), bounded(129), text_limit(200, 0), text_limit(5, 300), text_limit(5, 0)}),
              (V{0, 128, 128, 128, 5}));
}

TEST(EditModel, DeletingAndScrollingStayInsideTheTextAndTheField)
{
    Buf b("a\x88\x9f" "bc");
    EXPECT_EQ(delete_char(b.b, 1), 2);
    EXPECT_EQ(delete_bytes(b.b, 2, 99), 1);
    EXPECT_EQ(delete_char(b.b, 2), 0);
    EXPECT_EQ(b.str(), "ab");
    // Field of 10 cells: typing at its last cell scrolls by the typed width;
    // a left move before the offset scrolls back, never below 0.
    EXPECT_EQ((V{xoff_after_type(0, 9, 1, 10), xoff_after_type(0, 8, 1, 10), xoff_after_type(3, 12, 2, 10)}),
              (V{1, 0, 5}));
    EXPECT_EQ((V{xoff_after_left(4, 4, 3), xoff_after_left(1, 4, 0), xoff_after_left(2, 9, 5)}),
              (V{3, 0, 2}));
    EXPECT_EQ((V{xoff_after_right(0, 10, 1, 10), xoff_after_right(0, 11, 1, 10), xoff_after_right(0, 1, 2, 1)}),
              (V{1, 2, 1}));
    EXPECT_EQ((V{xoff_after_cut(5, 3, 10), xoff_after_cut(20, 15, 10), xoff_after_cut(2, 3, 0)}),
              (V{0, 6, 2}));
    const Redraw fits = redraw_span(4, 10, 0), long_ = redraw_span(30, 10, 5), past = redraw_span(3, 10, 6);
    EXPECT_EQ((V{fits.bytes, fits.blanks, long_.bytes, long_.blanks, past.bytes, past.blanks}),
              (V{4, 6, 15, 0, 3, 13}));
    const Band in = selection_band(2, 5, 0, 10, 100, 6), cut = selection_band(1, 30, 3, 10, 100, 6),
               off = selection_band(1, 3, 4, 10, 100, 6);
    EXPECT_EQ((V{in.left, in.right, cut.left, cut.right, off.right - off.left}), (V{112, 130, 100, 160, 0}));
}
