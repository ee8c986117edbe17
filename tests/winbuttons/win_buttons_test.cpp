// A window's button table built from a program's entries, and the Win
// methods that find and change its buttons.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../wincore/wincore_util.h"

namespace {

#pragma pack(push, 1)
struct Button {  // the record as programs see it
    char str[64], cls[64], hint[64];
    HBITMAP hBmp, hBmpUn, hBmpCh, hBmpBuf;
    void *pjBits, *pjBits2, *pjBitsCh, *pjBitsBuf;
    int32_t bBmpX, bBmpY;
    int16_t bButtonType, bButtonMode;
    int32_t bComId;
    int16_t bComType, bRunMode;
    uint8_t bGlay, bOnOff, bRepeet;
    int16_t frame, group;
    int32_t sx, sy, wx, wy, ox, oy, key;
    int16_t *pMode, pModeD;
    void *proc;
};
#pragma pack(pop)

// Entries written field by field at their byte offsets, ended by -1.
constexpr size_t kEntry = 130 + 4 * sizeof(void *);
struct Entries {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(kEntry, 0xFF);
    template <typename T>
    Entries &at(size_t offset, T v)
    {
        std::memcpy(&bytes[bytes.size() - 2 * kEntry + offset], &v, sizeof v);
        return *this;
    }
    // state, on/off, group, mode, frame, x, y, w, h, then the command id.
    Entries &add(int16_t state, int16_t onOff, int16_t group, int16_t mode, int16_t frame,
                 int16_t x, int16_t y, int16_t w, int16_t h, int32_t id)
    {
        bytes.insert(bytes.end() - kEntry, kEntry, 0);
        const int16_t f[] = {state, onOff, group, mode, frame, x, y, w, h};
        for (size_t i = 0; i < 9; ++i)
            at(2 * i, f[i]);
        return at(22, id);
    }
    const void *data() const { return bytes.data(); }
};

using Calls = std::vector<std::string>;
Calls gCalls;
Calls calls() { return std::exchange(gCalls, {}); }
std::string str(int64_t v) { return std::to_string(v); }
void ZEKAPI drawButton(ZEK_object *, int32_t i, int32_t mode, int32_t pressed)
{
    gCalls.push_back(str(i) + ":" + str(mode) + str(pressed));
}
int32_t ZEKAPI paint(ZEK_object *) { return gCalls.push_back("paint"), 0; }
UINT_PTR ZEKAPI setTimer(ZEK_object *, UINT_PTR id, UINT ms) { return gCalls.push_back("set" + str(id) + "/" + str(ms)), id; }
int32_t ZEKAPI killTimer(ZEK_object *, UINT_PTR id) { return gCalls.push_back("kill" + str(id)), 1; }

ZEK_object *table(ZEK_object *w) { return member<ZEK_object *>(w, "pButtonTbl"); }
Button *rec(ZEK_object *w) { return static_cast<Button *>(table(w)->pBlock); }
int32_t &ti(ZEK_object *w, const char *name) { return member<int32_t>(table(w), name, 2); }
void countDraws(ZEK_object *w) { slot(table(w), "DrawButton", 2) = reinterpret_cast<ZEK_method_fn>(drawButton); }

struct Buttons : ::testing::Test {
    TestWin win{"ZekButtonsTest"};
    void SetUp() override
    {
        place(win, 40, 40, 400, 200);
        ASSERT_EQ(Win_con(win, 0), 0);
        int32_t *gx = &win.i("ChrWdGx"), *gy = &win.i("ChrWdGy");
        gx[0] = gx[2] = gy[0] = gy[2] = 0, gx[1] = 8, gy[1] = 16;
        gCalls.clear();
    }
};

}  // namespace

TEST_F(Buttons, BuildsRecordsFromEntriesAndKeepsTheOldTableOnAnEmptyOne)
{
    Entries e;
    e.add(1, 0, 0, 0, 113, 10, 20, 300, 40, 0);
    e.add(1, 0x102, 0, 5, 101, 2, 3, 10, 1, 7).at(18, int16_t(3)).at(20, int16_t(4));
    e.at(26, int16_t(1)).at(28, int16_t(2)).at(30, int32_t(0x41));
    char *texts = reinterpret_cast<char *>(&e.bytes[e.bytes.size() - 2 * kEntry]);
    std::memset(texts + 34, 'A', 32);  // no terminator
    std::memcpy(texts + 66, "tip", 4), std::memcpy(texts + 98, "proc", 5);
    e.add(3, 0, 0, 0, 102, 0, 0, 1, 1, 8).add(2, 0, 0, 0, 102, 0, 0, 1, 1, 9);
    ASSERT_EQ(Win_InitButton(win, e.data(), 0, 1, 4), 1);
    ASSERT_EQ(member<int32_t>(table(win), "bMaxRec"), 3);
    const Button *b = rec(win);
    EXPECT_EQ(std::string(b[0].str), std::string(32, 'A'));
    EXPECT_EQ(std::string(b[0].hint) + b[0].cls, "tipproc");
    EXPECT_EQ((std::vector<int32_t>{b[0].sx, b[0].sy, b[0].wx, b[0].wy, b[0].ox, b[0].oy}),
              (std::vector<int32_t>{16, 48, 80, 16, 3, 4}));
    EXPECT_TRUE(b[0].bComId == 7 && b[0].bComType == 1 && b[0].bRunMode == 2 && b[0].key == 0x41);
    EXPECT_TRUE(b[0].bOnOff == 2 && b[0].pModeD == 5 && b[0].pMode == &b[0].pModeD);
    EXPECT_EQ(str(b[0].bGlay) + str(b[1].bGlay) + str(b[2].bGlay), "012");
    std::string rects;
    for (const char *r : {"bFsx", "bFsy", "bFwx", "bFwy", "bWsx", "bWsy", "bWwx", "bWwy"})
        rects += str(ti(win, r)) + " ";
    EXPECT_EQ(rects, "10 20 300 40 10 20 300 40 ");
    EXPECT_TRUE(member<ZEK_object *>(table(win), "pWin", 2) == win && ti(win, "bPos") == 1 &&
                ti(win, "bPosBuf") == 4);
    EXPECT_TRUE(Win_GetButtonTbl(win, 8) == 1 && Win_GetButtonTbl(win, 99) == -1);

    ZEK_object *old = table(win);
    EXPECT_EQ(Win_InitButton(win, Entries().data(), 1, 0, 0), 0);
    EXPECT_EQ(Win_InitButton(win, nullptr, 1, 0, 0), 0);
    EXPECT_EQ(table(win), old) << "an empty table leaves the old buttons";
    ASSERT_EQ(Win_InitButton(win, e.data(), 1, 0, 0), 1);
    EXPECT_TRUE(rec(win)[0].sx == 2 && rec(win)[0].wy == 1) << "pixels";
}

TEST_F(Buttons, ChangesModesTextsAndStatesByCommandId)
{
    Entries e;
    for (int32_t id : {11, 12, 13})
        e.add(1, 0, 5, id == 11 ? 2 : 0, 101, int16_t(20 * (id - 11)), 0, 20, 20, id);
    e.add(1, 2, 0, 1, 101, 60, 0, 20, 20, 20);
    ASSERT_EQ(Win_InitButton(win, e.data(), 1, 1, 1), 1);
    countDraws(win);
    Button *b = rec(win);
    EXPECT_EQ(Win_SetButtonMode(win, 12, 3), 1);
    EXPECT_TRUE(b[0].pModeD == 3 && member<int16_t>(table(win), "BefMode", 2) == 2);
    EXPECT_EQ(calls(), (Calls{"0:00", "1:00", "2:00"})) << "the whole group";
    EXPECT_EQ(Win_SetButtonMode(win, 99, 1), 0);

    ti(win, "RvPos") = 0;
    const std::string cut = std::string(62, 'y') + "\x82\xa0";
    EXPECT_EQ(Win_SetButtonStr(win, 11, std::string(80, 'x').c_str(), cut.c_str()), 1);
    EXPECT_EQ(std::string(b[0].str), std::string(63, 'x'));
    EXPECT_EQ(std::string(b[0].hint), std::string(62, 'y')) << "no half character";
    EXPECT_EQ(calls(), (Calls{"0:10"})) << "hovered";
    EXPECT_TRUE(Win_SetRepeetMode(win, 11, 0x101) == 1 && b[0].bRepeet == 1);

    EXPECT_EQ(Win_SetButtonOff(win, 13), 1);
    EXPECT_EQ(calls(), (Calls{"2:00"}));
    member<int32_t>(win, "MouseGx") = 45, member<int32_t>(win, "MouseGy") = 5;
    EXPECT_EQ(AtrTable_LButtonDown(table(win), 0), -1) << "grayed: no press";
    AtrTable_LButtonUp(table(win), 0);
    EXPECT_TRUE(Win_SetButtonOn(win, 13) == 1 && b[2].bGlay == 0);
    overwrite(win, "Paint", paint);
    calls();
    EXPECT_TRUE(Win_SetButtonGlayed(win, 13, 2, 2) == 1 && b[2].bGlay == 2);
    EXPECT_EQ(calls(), (Calls{"paint"}));

    int32_t cell = 0;
    EXPECT_EQ(Win_SetButtonAdd(win, 12, &cell), 1);
    EXPECT_TRUE(b[0].pMode == reinterpret_cast<int16_t *>(&cell) && b[2].pMode == b[0].pMode);
    EXPECT_EQ(b[3].pMode, &b[3].pModeD) << "not in the group";
}

TEST_F(Buttons, RadiosResetAcrossFurnitureAndModesGoToTheFirstHolder)
{
    ZEK_object *status = Win_ctor2(nullptr), *bar = Win_ctor2(nullptr), *menu = Win_ctor2(nullptr);
    win.m<ZEK_object *>("pStatusBar") = status;
    (&win.m<ZEK_object *>("pToolBar"))[3] = bar;
    win.m<ZEK_object *>("pLeftMenuBar") = menu;
    Entries e;
    e.add(1, 2, 0, 1, 101, 0, 0, 10, 10, 30).add(1, 2, 0, 0, 101, 10, 0, 10, 10, 31);
    for (ZEK_object *w : {win.o, status, bar, menu}) {
        ASSERT_EQ(Win_InitButton(w, e.data(), 1, 1, 1), 1);
        countDraws(w);
        ti(w, "RunProc") = ti(w, "RunPos") = 0;
    }
    Win_ResetOnOffButton(win, table(bar));
    for (ZEK_object *w : {win.o, status, menu})
        EXPECT_TRUE(rec(w)[0].pModeD == 0 && ti(w, "RunProc") == -1 && ti(w, "RunPos") == -1);
    EXPECT_TRUE(rec(bar)[0].pModeD == 1 && ti(bar, "RunProc") == 0) << "skipped";
    EXPECT_EQ(calls(), (Calls{"0:00", "0:00", "0:00"}));

    rec(win)[1].bComId = rec(status)[1].bComId = 0;
    EXPECT_EQ(Win_SetAllButtonMode(win, 31, 4), 1);
    EXPECT_TRUE(rec(bar)[1].pModeD == 4 && rec(menu)[1].pModeD == 0) << "the toolbar only";
    EXPECT_EQ(Win_SetAllButtonMode(win, 77, 4), 0);
    win.m<ZEK_object *>("pStatusBar") = (&win.m<ZEK_object *>("pToolBar"))[3] = nullptr;
    win.m<ZEK_object *>("pLeftMenuBar") = nullptr;
    for (ZEK_object *w : {status, bar, menu})
        w->vtbl->deleting_dtor(w, 1);
}

TEST_F(Buttons, ButtonTimerRestartsOnlyOnAChange)
{
    overwrite(win, "SetTimer", setTimer);
    overwrite(win, "KillTimer", killTimer);
    Win_InitButtonTimer(win, 7, 100);
    Win_SetButtonTimer(win, 100);
    Win_SetButtonTimer(win, 30);
    EXPECT_EQ(calls(), (Calls{"set7/100", "set7/30"}));
    Win_InitButtonTimer(win, 8, 50);
    EXPECT_EQ(calls(), (Calls{"kill7", "set8/50"}));
    Win_ResetButtonTimer(win);
    Win_ResetButtonTimer(win);
    EXPECT_EQ(calls(), (Calls{"kill8"}));
    EXPECT_TRUE(win.i("bButtonTimerId") == 0 && win.i("bButtonTimerSpeed") == 0);
}

TEST_F(Buttons, BitmapsFromReadOnlyHeadersWithUntrustedSizes)
{
    // A 4-bit 8 x 2 picture and a 24-bit 2 x 2 one, both claiming huge images.
    auto *page = static_cast<unsigned char *>(VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    ASSERT_TRUE(page);
    auto header = [](unsigned char *p, int32_t w, int32_t h, uint16_t bits) {
        BITMAPINFOHEADER bh = {DWORD(sizeof bh), w, h, 1, bits, BI_RGB, 0x7FFFFFF0, 0, 0, 0, 0};
        std::memcpy(p, &bh, sizeof bh);
    };
    unsigned char *bits4 = page + 40 + 64, *head24 = page + 2048, *bits24 = head24 + 40;
    header(page, 8, 2, 4), header(head24, 2, 2, 24);
    for (int i = 0; i < 16; ++i)  // colour i is blue i; pixels are 0x7n and 0xAn
        page[40 + 4 * i] = uint8_t(i), bits4[i / 2] = uint8_t(0x70 + i), bits24[i] = uint8_t(0xA0 + i);
    const std::vector<unsigned char> before(page, page + 4096);
    DWORD was;
    ASSERT_TRUE(VirtualProtect(page, 4096, PAGE_READONLY, &was));

    Entries e;
    e.add(1, 0, 0, 0, 101, 0, 0, 20, 20, 1).at(130, page).at(130 + sizeof(void *), bits4);
    e.at(130 + 2 * sizeof(void *), head24).at(130 + 3 * sizeof(void *), bits24);
    ASSERT_EQ(Win_InitButton(win, e.data(), 1, 1, 1), 1);
    const Button &b = rec(win)[0];
    EXPECT_TRUE(b.bButtonType == 1 && b.bBmpX == 8 && b.bBmpY == 2 && b.hBmp && b.hBmpUn);
    EXPECT_EQ(std::memcmp(page, before.data(), 4096), 0) << "the program's memory is untouched";
    EXPECT_EQ(std::memcmp(b.pjBits, bits4, 8), 0);
    EXPECT_EQ(std::memcmp(b.pjBits2, bits24, 16), 0) << "no colour entry, nothing patched";
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ keep = SelectObject(dc, b.hBmp);
    RGBQUAD colours[16];
    ASSERT_EQ(GetDIBColorTable(dc, 0, 16, colours), 16u);
    SelectObject(dc, keep);
    DeleteDC(dc);
    EXPECT_EQ(RGB(colours[7].rgbRed, colours[7].rgbGreen, colours[7].rgbBlue), Color3dFace());
    EXPECT_EQ(colours[6].rgbBlue, 6) << "only entry 7";
    Win_InitButton(win, e.data(), 1, 1, 1);  // the old pictures go with the old table
    VirtualFree(page, 0, MEM_RELEASE);
}

// The whole way a click takes: mouse messages at the window, the table's hit
// and state, the posted key or command, and the program's key wait.
TEST_F(Buttons, ClicksAtTheWindowArriveInTheKeyLoop)
{
    Entries e;
    e.add(1, 0, 0, 0, 101, 0, 0, 40, 20, 5).at(30, int32_t(0x41));
    e.add(1, 0, 0, 0, 101, 50, 0, 40, 20, 77).at(26, int16_t(1));
    std::memcpy(&e.bytes[e.bytes.size() - 2 * kEntry + 98], "run", 4);
    e.add(1, 0, 0, 0, 101, 100, 0, 40, 20, 78).at(30, int32_t(0x42));
    ASSERT_EQ(Win_InitButton(win, e.data(), 1, 0, 0), 1);
    const HWND w = win.hwnd();
    auto at = [](int x) { return MAKELPARAM(x, 10); };
    auto press = [&](int down, int up) {
        SendMessageA(w, WM_MOUSEMOVE, 0, at(down));
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, at(down));
        SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, at(up));
        SendMessageA(w, WM_LBUTTONUP, 0, at(up));
    };

    press(10, 10);
    EXPECT_EQ(Win_Keyin(win, 0, 0, 0), 0x41);
    press(60, 60);
    EXPECT_EQ(Win_Keyin(win, 0, 0, 0), 0x10034);
    const char *dt = &member<char>(win, "bMenuDt");
    int32_t id;
    std::memcpy(&id, dt + 4, 4);
    EXPECT_EQ(id, 77);
    EXPECT_STREQ(dt + 8, "run");

    // The key goes out on the press: a drag onto another button and a release
    // there send nothing more and hold nothing.
    press(110, 10);
    EXPECT_EQ(Win_Keyin(win, 0, 0, 0), 0x42);
    EXPECT_TRUE(take_posted(w).empty());
    EXPECT_EQ(ti(win, "SelPos"), -1);

    // Outside every button and on a grayed one: nothing at all.
    rec(win)[0].bGlay = 1;
    press(10, 10);
    press(300, 300);
    EXPECT_TRUE(take_posted(w).empty());
}
