// The key wait and the single-key fields, with a window procedure of the
// tests' own that puts keys where the library's would.
#include <string>
#include <vector>

#include "winloop_util.h"

namespace {

constexpr UINT kKey = WM_APP + 1;  // wParam: a key to hand over

ZEK_object *gOwner;
std::vector<int32_t> gOffered;
int32_t gShortcutAnswer;
std::string gCalls;

LRESULT CALLBACK keys(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != kKey && msg != WM_CHAR)
        return DefWindowProcA(w, msg, wp, lp);
    member<int32_t>(gOwner, "InpKey") = int32_t(wp);
    return 0;
}

int32_t ZEKAPI shortcut(ZEK_object *, int32_t key)
{
    gOffered.push_back(key);
    return gShortcutAnswer;
}

struct KinTest : ::testing::Test {
    WinObj o;
    PlainWindow w{keys, o};
    void SetUp() override
    {
        gOwner = o;
        gOffered.clear();
        gShortcutAnswer = 0;
        overwrite(o, "RunShortCutProc", shortcut);
    }
};

TEST_F(KinTest, ShortcutsSeeCapitalsAndMayReplaceTheKeyButNotASecondCharacterInARow)
{
    PostMessageA(w.hwnd, kKey, 'q', 0);
    gShortcutAnswer = 0x10034;
    EXPECT_EQ(Win_Kin(o), 0x10034);
    PostMessageA(w.hwnd, kKey, 0x4007A, 0);  // Ctrl+z: the letter is raised too
    gShortcutAnswer = 0;
    EXPECT_EQ(Win_Kin(o), 0x4007A);
    PostMessageA(w.hwnd, WM_NULL, 0, 0);
    PostMessageA(w.hwnd, WM_CHAR, 'a', 0);
    PostMessageA(w.hwnd, WM_CHAR, 'b', 0);
    PostMessageA(w.hwnd, kKey, 'c', 0);
    gShortcutAnswer = 1;
    EXPECT_EQ(Win_Kin(o), 1);
    EXPECT_EQ(Win_Kin(o), 'b');
    EXPECT_EQ(Win_Kin(o), 1);
    EXPECT_EQ(gOffered, (std::vector<int32_t>{'Q', 0x4005A, 'A', 'C'}));
}

TEST_F(KinTest, AQuitEndsTheWaitAndOnlyAnotherWindowsQuitStaysForTheOuterLoop)
{
    PostMessageA(w.hwnd, WM_QUIT, 0, 0);
    PostMessageA(w.hwnd, kKey, 0x41, 0);
    EXPECT_EQ(Win_Kin(o), -1);
    EXPECT_TRUE(gOffered.empty());
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));  // this window's own
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {  // the key left behind
    }
    PostQuitMessage(4);
    EXPECT_EQ(Win_Kin(o), -1);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 4u);
}

void ZEKAPI ctorSet(ZEK_object *) { gCalls += "ctor "; }
void ZEKAPI curPos(ZEK_object *o, int32_t focus, int32_t on)
{
    EXPECT_EQ(focus, member<int32_t>(o, "bSetFocus"));
    gCalls += on ? "on " : "off ";
}
int32_t ZEKAPI kin(ZEK_object *o)
{
    gCalls += "kin ";
    EXPECT_EQ(member<int32_t>(o, "InpMax") | member<int32_t>(o, "InpMacroFlag"), 0);
    return 0x10017;
}
int32_t gx, gy, gcaret;
int32_t ZEKAPI keyinG(ZEK_object *, int32_t x, int32_t y, int32_t caret)
{
    gx = x, gy = y, gcaret = caret;
    return 0x1000F;
}

TEST(Keyin, SingleKeyFieldSetsItsPlaceAndShowsTheCaretOnlyWhenAsked)
{
    WinObj o;
    overwrite(o, "GetsCtorSet", ctorSet);
    overwrite(o, "SetCurPos", curPos);
    overwrite(o, "Kin", kin);
    member<int32_t>(o, "bSetFocus") = 1;
    member<int32_t>(o, "InpMax") = 30;
    member<int32_t>(o, "InpMacroFlag") = 1;
    gCalls.clear();
    EXPECT_EQ(Win_KeyinG(o, 12, 34, 1), 0x10017);
    EXPECT_EQ(gCalls, "ctor off on kin off ");
    EXPECT_EQ(member<int32_t>(o, "InpStGx") * 100 + member<int32_t>(o, "InpStGy"), 1234);
    gCalls.clear();
    EXPECT_EQ(Win_KeyinG(o, 0, 0, 0), 0x10017);
    EXPECT_EQ(gCalls, "ctor off kin ");

    // The cell form goes to the pixel form through its slot.
    overwrite(o, "KeyinG", keyinG);
    const std::pair<const char *, int32_t> place[] = {{"ChrWdBx", 8}, {"ChrWdBy", 18}, {"TopOx", 3},
                                                      {"TopOy", 5}, {"ChrWdGx", 1}, {"ChrWdGy", 2}};
    for (const auto &m : place)
        member<int32_t>(o, m.first) = m.second;
    EXPECT_EQ(Win_Keyin(o, 4, 2, 1), 0x1000F);
    EXPECT_EQ((std::vector<int32_t>{gx, gy, gcaret}), (std::vector<int32_t>{4 * 8 + 3 + 1, 2 * 18 + 5 + 2, 1}));
}

}  // namespace
