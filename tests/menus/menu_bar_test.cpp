// The menu bar built from a program's menu table, its items changed by
// command identifier, and the commands it gives.
#include <string>

#include "menus_util.h"

namespace {

// A menu table: parent, opens, kind, enabled, id, procedure, caption.
struct Table {
    Bytes b;
    Table &add(int16_t parent, int16_t opens, int16_t kind, int16_t enabled, int32_t id,
               const std::string &proc, const std::string &caption)
    {
        const size_t at = b.size();
        b.resize(at + 140);
        const int16_t head[] = {parent, opens, kind, enabled};
        std::memcpy(&b[at], head, sizeof head);
        put(b, at + 8, id);
        std::memcpy(&b[at + 12], proc.c_str(), proc.size() + 1);
        std::memcpy(&b[at + 76], caption.c_str(), caption.size() + 1);
        return *this;
    }
    Table &end() { b.resize(b.size() + 2, 0xFF); return *this; }
};

// "caption:id" of each item, "-" for a separator, "|" before a new column,
// "~" after a grayed one.
std::string items(HMENU menu)
{
    std::string s;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[80] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_ID | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
        s += info.fType & MFT_SEPARATOR ? std::string("-")
             : (info.fType & MFT_MENUBARBREAK ? "|" : "") + std::string(text);
        s += ":" + std::to_string(info.wID) + (info.fState & MFS_GRAYED ? "~ " : " ");
    }
    return s;
}

Table sample()
{
    Table t;
    t.add(0, 1, 0, 1, 100, "", "File").add(1, 0, 0, 1, 11, "open.exe", "Open");
    t.add(1, 0, 1, 1, 12, "", "not shown").add(1, 0, 0, 0, 13, "proc13", "Gray");
    t.add(1, 0, 0, 1, 11, "", "First").add(0, 0, 2, 1, 200, "", "Col");
    t.add(0, 0, 0, 1, 100, "", "Head").add(0, 10, 0, 1, 300, "", "Ten").add(10, 0, 0, 1, 301, "", "X");
    return t.end(), t;
}

struct MenuBar : ::testing::Test {
    TestWin w{"ZekMenuBarTest"};
    Table t = sample();
    HMENU bar() { return w.m<HMENU>("hMenu"); }
};

}  // namespace

TEST_F(MenuBar, BuildsItemsBeforeEarlierOnesWithTheirIdAndChangesThemById)
{
    EXPECT_EQ(Win_InitMenuBar(w, nullptr), 0);
    EXPECT_EQ(w.i("bMenuId"), 0);
    EXPECT_EQ(Win_CheckMenu(w, 11, 1), -1) << "no menu bar";
    ASSERT_EQ(Win_InitMenuBar(w, Table().end().b.data()), 1);
    EXPECT_TRUE(w.i("bMenuId") == 1 && bar() && GetMenuItemCount(bar()) == 0);

    ASSERT_EQ(Win_InitMenuBar(w, t.b.data()), 1);
    EXPECT_EQ(items(bar()), "Head:100 File:100 |Col:200 ") << "pop-up 10 left out";
    EXPECT_EQ(items(GetSubMenu(bar(), 1)), "First:11 Open:11 -:12 Gray:13~ ");
    EXPECT_EQ(Win_GetMenuProc(w, 13), reinterpret_cast<const char *>(&t.b[3 * 140 + 12]));
    EXPECT_EQ(Win_GetMenuProc(w, 999), nullptr);

    std::string before;
    for (int32_t on : {1, 0, 0})
        before += std::to_string(Win_CheckMenu(w, 13, on));
    EXPECT_EQ(before + std::to_string(Win_CheckMenu(w, 9, 1)), "010-1") << "-1: no such item";
    EXPECT_TRUE(Win_SetMenuGrayed(w, 13, 1) && Win_SetMenuGrayed(w, 200, 0));
    EXPECT_TRUE(Win_SetMenuName(w, 13, "Renamed") && !Win_SetMenuName(w, 9, "none") &&
                !Win_SetMenuGrayed(w, 9, 1));
    EXPECT_EQ(items(bar()), "Head:100 File:100 |Col:200~ ");
    EXPECT_EQ(items(GetSubMenu(bar(), 1)), "First:11 Open:11 -:12 Renamed:13 ");
}

TEST_F(MenuBar, AChosenItemWaitsInTheCommandRecordWithItsProcedure)
{
    ASSERT_EQ(Win_InitMenuBar(w, t.b.data()), 1);
    place(w, 20, 20, 300, 200);
    ASSERT_EQ(Win_con(w, 0), 0);
    EXPECT_EQ(GetMenu(w.hwnd()), bar());
    pump();
    SendMessageA(w.hwnd(), WM_COMMAND, 13, 0);
    // bMenuDt: kind, id, 32 bytes of text, on/off, type, run mode.
    char *command = reinterpret_cast<char *>(&w.i("bMenuDt"));
    EXPECT_TRUE((&w.i("bMenuDt"))[1] == 13 && std::string(command + 8) == "proc13");
    EXPECT_EQ(*reinterpret_cast<int16_t *>(command + 42), 1) << "type";
    EXPECT_EQ(take_posted(w.hwnd()), (std::vector<std::pair<UINT, WPARAM>>{{MACRO_CHAR, 0x10034}}));
    // The procedure is looked up in the window's job object and run with the window.
    static ZEK_object *ranWith = nullptr;
    const ZEK_member row{ZEK_KIND_METHOD, "proc13",
                         reinterpret_cast<uintptr_t>(+[](ZEK_object *e) {
                             return ranWith = member<ZEK_object *>(e, "pMother"), int32_t(7);
                         }),
                         4, 1};
    ZEK_object *job = Exec_ctor2(nullptr);
    int32_t records[2] = {};
    ZEK_overwrite(ZEK_layer_at(job, 1), ZEK_layer_at(job, 0), &row, 1, records);
    member<int32_t>(job, "bLogOn") = 0;
    member<intptr_t>(w, "ExecJob") = reinterpret_cast<intptr_t>(job);
    EXPECT_EQ(Win_RunMenuProc(w), 0x1003D);
    EXPECT_EQ(ranWith, static_cast<ZEK_object *>(w));
    member<intptr_t>(w, "ExecJob") = 0;
    ZEK_dtorC(job);
    command[42] = 2, command[8] = 0;
    EXPECT_EQ(Win_RunMenuProc(w), 0x1003D) << "no program to start";

    Table other;
    ASSERT_EQ(Win_InitMenuBar(w, other.add(0, 0, 0, 1, 5, "", "Only").end().b.data()), 1);
    EXPECT_EQ(GetMenu(w.hwnd()), bar()) << "the window shows the new bar";
    EXPECT_EQ(items(GetMenu(w.hwnd())), "Only:5 ");
}
