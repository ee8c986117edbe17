#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../../furniture/menu_table.h"

namespace {

// A menu table written byte by byte at the fields' offsets.
struct Table {
    std::vector<unsigned char> b;
    Table &add(int16_t parent, int16_t opens, int16_t kind, int16_t enabled, int32_t id,
               const std::string &proc = "", const std::string &caption = "")
    {
        const size_t at = b.size();
        b.resize(at + 140);
        const int16_t head[] = {parent, opens, kind, enabled};
        std::memcpy(&b[at], head, sizeof head);
        std::memcpy(&b[at + 8], &id, sizeof id);
        std::memcpy(&b[at + 12], proc.data(), proc.size());
        std::memcpy(&b[at + 76], caption.data(), caption.size());
        return *this;
    }
    Table &end() { b.push_back(0xFF), b.push_back(0xFF); return *this; }
    MenuPlan read() const { return read_menu_table(b.data(), b.size()); }
};

std::string parents(const MenuPlan &p)
{
    std::string s;
    for (const MenuItem &i : p.items)
        s += std::to_string(i.parent) + "/" + std::to_string(i.opens) + " ";
    return s;
}

}  // namespace

TEST(MenuTable, FieldsAtTheirOffsets)
{
    Table t;
    t.add(0, 1, 1, 0, 0x12345678, "prog.exe", std::string(64, 'C')).end();
    const MenuPlan p = t.read();
    ASSERT_TRUE(p.ended && p.items.size() == 1);
    const MenuItem &a = p.items[0];
    EXPECT_TRUE(a.parent == 0 && a.opens == 1 && a.grayed && a.id == 0x12345678);
    EXPECT_EQ(a.type, MenuItemType::Separator);
    EXPECT_EQ(a.proc, reinterpret_cast<const char *>(t.b.data() + 12)) << "points into the table";
    EXPECT_EQ(std::string(a.caption), std::string(64, 'C')) << "terminated";
}

TEST(MenuTable, SlotsOutsideTheTenOrNotYetMadeAreLeftOut)
{
    Table t;
    t.add(0, 10, 0, 1, 1).add(10, 0, 0, 1, 2).add(-2, 0, 0, 1, 3).add(0, -1, 0, 1, 4);
    t.add(2, 0, 0, 1, 5);                    // pop-up 2 not made yet
    t.add(0, 2, 0, 1, 6).add(2, 2, 0, 1, 7); // into the pop-up it would open
    t.add(2, 3, 0, 1, 8).add(3, 0, 0, 1, 9).add(9, 0, 0, 1, 10).end();
    const MenuPlan p = t.read();
    EXPECT_TRUE(p.ended);
    EXPECT_EQ(parents(p), "0/2 2/3 3/0 ");
}

TEST(MenuTable, ReadsNothingPastItsBytesOrItsEntryLimit)
{
    EXPECT_FALSE(read_menu_table(nullptr, 1000).ended);
    EXPECT_FALSE(read_menu_table("\n\n", 2).ended) << "less than an entry";
    Table t;
    t.add(0, 0, 0, 1, 1);
    EXPECT_FALSE(t.read().ended) << "no end marker";
    EXPECT_TRUE(Table().end().read().ended && Table().end().read().items.empty());
    t.b.push_back(0xFF);
    EXPECT_FALSE(t.read().ended) << "half a marker";
    Table cut;
    cut.add(0, 0, 0, 1, 1).add(0, 0, 0, 1, 2).b.resize(200);
    EXPECT_EQ(cut.read().items.size(), 1u) << "a partial entry is not read";
    std::vector<unsigned char> full((kMaxMenuEntries + 1) * 140, 0);
    EXPECT_FALSE(read_menu_table(full.data(), full.size()).ended);
}
