#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "../../furniture/button_dib.h"
#include "../../furniture/button_entry.h"
#include "../../furniture/button_layout.h"

namespace {

// An entry table built byte by byte at the fields' offsets.
struct Entries {
    std::vector<unsigned char> b;
    size_t at = 0;
    Entries &entry(int16_t state, int16_t frame = 101)
    {
        at = b.size();
        b.resize(at + kButtonEntryBytes);
        return put(0, state).put(8, frame);
    }
    template <typename T = int16_t>
    Entries &put(size_t off, std::common_type_t<T> v) { return raw(off, &v, sizeof v); }
    Entries &text(size_t off, const std::string &s) { return raw(off, s.data(), s.size()); }
    Entries &raw(size_t off, const void *v, size_t n) { std::memcpy(&b[at + off], v, n); return *this; }
    Entries &end() { b.push_back(0xFF); b.push_back(0xFF); return *this; }
    EntryScan scan() const { return scan_button_entries(b.data(), b.size()); }
};

}  // namespace

TEST(ButtonEntry, FieldsAtTheirOffsetsInCellsAndPixels)
{
    Entries t;
    t.entry(2).put(2, 0x0102).put(4, 7).put(6, 3).put(10, 2).put(12, 3).put(14, 10).put(16, 1);
    t.put(18, -1).put(20, 5).put<int32_t>(22, 0x12345678).put(26, 1).put(28, 4).put<int32_t>(30, 0x10041);
    t.text(34, std::string(32, 'T')).text(66, "hint").text(98, "proc");
    t.entry(1).entry(9).end();
    const EntryScan s = t.scan();
    ASSERT_EQ(s.kind, EntryTable::Buttons);
    AtrTable_button r[3];
    ASSERT_EQ(fill_buttons(t.b.data(), s, false, {8, 16}, r, 3, nullptr), 3);
    EXPECT_EQ(+r[0].sx, 16); EXPECT_EQ(+r[0].sy, 48); EXPECT_EQ(+r[0].wx, 80); EXPECT_EQ(+r[0].wy, 16);
    EXPECT_EQ(+r[0].bGlay, 2); EXPECT_EQ(+r[0].bOnOff, 2); EXPECT_EQ(+r[0].group, 7);
    EXPECT_EQ(+r[0].pModeD, 3); EXPECT_EQ(+r[0].frame, 101); EXPECT_EQ(+r[0].ox, -1); EXPECT_EQ(+r[0].oy, 5);
    EXPECT_EQ(+r[0].bComId, 0x12345678); EXPECT_EQ(+r[0].bComType, 1); EXPECT_EQ(+r[0].bRunMode, 4);
    EXPECT_EQ(+r[0].key, 0x10041); EXPECT_EQ(+r[1].bGlay, 0); EXPECT_EQ(+r[2].bGlay, 1);
    EXPECT_EQ(std::string(r[0].str), std::string(32, 'T'));  // full source, terminated
    EXPECT_STREQ(r[0].hint, "hint"); EXPECT_STREQ(r[0].cls, "proc");
    entry_to_button(button_entry(t.b.data(), 0), true, {8, 16}, &r[0]);
    EXPECT_EQ(+r[0].sx, 2); EXPECT_EQ(+r[0].wy, 1);
    // Huge pitches saturate; a negative size is none.
    t.at = 0, t.put(10, -32768).put(14, -4);
    entry_to_button(button_entry(t.b.data(), 0), false, {INT32_MAX, 16}, &r[0]);
    EXPECT_EQ(+r[0].sx, INT32_MIN); EXPECT_EQ(+r[0].wx, 0);
}

TEST(ButtonEntry, TableEndsAndRectangleEntries)
{
    EXPECT_EQ(scan_button_entries(nullptr, 100).kind, EntryTable::KeepOld);
    Entries keep;
    keep.end().entry(1).end();
    EXPECT_EQ(keep.scan().kind, EntryTable::KeepOld);

    Entries t;
    t.entry(1, kRectEntryFrame).put(10, 5).put(12, 6).put(14, 300).put(16, 40);
    t.entry(1).end();
    EntryScan s = t.scan();
    EXPECT_EQ(s.kind, EntryTable::Buttons); EXPECT_EQ(s.entries, 2); EXPECT_EQ(s.buttons, 1);
    AtrLayout lay{};
    AtrTable_button r[1];
    EXPECT_EQ(fill_buttons(t.b.data(), s, false, {8, 16}, r, 1, &lay), 1);
    EXPECT_EQ(lay.bFsx, 5); EXPECT_EQ(lay.bWsy, 6); EXPECT_EQ(lay.bFwx, 300); EXPECT_EQ(lay.bWwy, 40);

    // Cut anywhere before the marker's two bytes: unended, no read past.
    for (size_t cut : {size_t(1), kButtonEntryBytes - 1, kButtonEntryBytes, t.b.size() - 1}) {
        std::vector<unsigned char> part(t.b.begin(), t.b.begin() + cut);
        EXPECT_EQ(scan_button_entries(part.data(), part.size()).kind, EntryTable::Unended) << cut;
    }
    Entries many;
    for (int i = 0; i <= kMaxButtonEntries; ++i)
        many.entry(1);
    many.end();
    EXPECT_EQ(many.scan().kind, EntryTable::Unended);
}

TEST(ButtonEntry, GroupsShareTheFirstMembersModeCell)
{
    std::vector<AtrTable_button> r(kMaxModeGroups + 4);
    for (size_t i = 0; i < r.size(); ++i) {
        r[i] = {};
        r[i].group = int16_t(i + 1);
    }
    r[1].group = 1;   // joins group 1
    r[2].group = 0;
    r[3].group = -5;
    r.back().group = int16_t(r.size() + 7);  // the 201st group: no room left
    link_mode_cells(r.data(), int32_t(r.size()));
    EXPECT_EQ(+r[0].pMode, &r[0].pModeD);
    EXPECT_EQ(+r[1].pMode, &r[0].pModeD);
    EXPECT_EQ(+r[2].pMode, &r[2].pModeD);
    EXPECT_EQ(+r[3].pMode, &r[3].pModeD);
    EXPECT_EQ(+r.back().pMode, &r.back().pModeD);
}

TEST(ButtonDib, ColourEntryAndPixelBytes)
{
    unsigned char raw[40] = {40, 0, 0, 0, 10, 0, 0, 0, 0xFD, 0xFF, 0xFF, 0xFF, 1, 0, 24, 0};
    raw[20] = 1;  // a wrong sizeImage is never used
    DibHeader h = dib_header(raw);
    EXPECT_EQ(h.width, 10); EXPECT_EQ(h.height, -3); EXPECT_EQ(h.bitCount, 24);
    EXPECT_EQ(dib_pixel_bytes(h), 96);  // 30-byte rows padded to 32
    EXPECT_EQ(dib_colour_entry_offset(h, kFaceColourIndex), -1);
    h.bitCount = 1;
    EXPECT_EQ(dib_colour_entry_offset(h, kFaceColourIndex), -1);
    EXPECT_EQ(dib_pixel_bytes(h), 12);
    h.bitCount = 8;
    EXPECT_EQ(dib_colour_entry_offset(h, kFaceColourIndex), 40 + 28);
    h.clrUsed = 7;
    EXPECT_EQ(dib_colour_entry_offset(h, kFaceColourIndex), -1);

    h = {40, INT32_MAX, INT32_MIN, 1, 32, kDibRgb, 0, 0};
    EXPECT_EQ(dib_pixel_bytes(h, INT64_MAX), -1);  // past 64 bits, no overflow
    h = {40, 1, 1 << 29, 1, 32, kDibBitfields, 0, 0};
    EXPECT_EQ(dib_pixel_bytes(h), -1);
    h.height = -((1 << 29) - 1);
    EXPECT_EQ(dib_pixel_bytes(h), INT32_MAX - 3);
    for (auto bad : {DibHeader{40, 4, 4, 1, 8, 1, 0, 0}, DibHeader{40, 0, 4, 1, 8, 0, 0, 0},
                     DibHeader{40, 4, 0, 1, 8, 0, 0, 0}, DibHeader{40, 4, 4, 1, 2, 0, 0, 0},
                     DibHeader{40, 4, 4, 2, 8, 0, 0, 0}})
        EXPECT_EQ(dib_pixel_bytes(bad), -1);
}
