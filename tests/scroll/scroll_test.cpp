// Scroll bars of real windows: the state handed to child and own bars, the
// requests of the window procedure, the hooks and the posted scroll key.
#include <string>
#include <vector>

#include "../wincore/wincore_util.h"

namespace {

using Ints = std::vector<int32_t>;
std::string gLog;  // the hooks called, in order
void ZEKAPI drawV(ZEK_object *, int32_t n) { gLog += "v" + std::to_string(n) + " "; }
void ZEKAPI drawH(ZEK_object *, int32_t n) { gLog += "h" + std::to_string(n) + " "; }
void ZEKAPI notScroll(ZEK_object *) { gLog += "not "; }
void ZEKAPI setCurPos(ZEK_object *, int32_t f, int32_t c) { gLog += "cur" + std::to_string(f * 10 + c) + " "; }

Ints bar(HWND window, int which) {
    SCROLLINFO s{sizeof s, SIF_ALL};
    return GetScrollInfo(window, which, &s) ? Ints{s.nMin, s.nMax, int32_t(s.nPage), s.nPos} : Ints{};
}
Ints placeOf(HWND piece) {
    RECT r;
    GetWindowRect(piece, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(piece), reinterpret_cast<POINT *>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

struct Scroll : ::testing::Test {
    TestWin w{"ZekScrollTest"};
    ZEK_object *o = w.o;
    void make() {
        ASSERT_EQ(Win_con(o, 0), 0);
        pump();
        overwrite(o, "DrawVScroll", drawV), overwrite(o, "DrawHScroll", drawH);
        overwrite(o, "DrawNotScroll", notScroll);
        gLog.clear();
    }
    // The hooks called since the last look, then the keys posted.
    std::string log() {
        MSG m;
        while (PeekMessageA(&m, w.hwnd(), MACRO_CHAR, MACRO_CHAR, PM_REMOVE))
            gLog += m.wParam == 0x1003F ? "key " : "other ";
        std::string s;
        return s.swap(gLog), s;
    }
    void send(WORD code, WORD pos = 0) { SendMessageA(w.hwnd(), WM_VSCROLL, MAKEWPARAM(code, pos), 0); }
};

}  // namespace

TEST_F(Scroll, ChildBarsShowTheScaledStateAndRequestsMoveItByTheirCounts) {
    Win_InitVScrollBar(o, 1, 0, 0, 0);
    Win_InitHScrollBar(o, 2, 10, 20, 150);
    make();
    const HWND v = w.m<HWND>("hWndVScroll"), h = w.m<HWND>("hWndHScroll");
    ASSERT_TRUE(v && h && w.m<HWND>("hSizeBox"));

    Win_SetVScrollPos(o, 0, 100000, 20, 50000);
    EXPECT_EQ((Ints{w.i("VScrollPos"), w.i("VScrollNew"), w.i("VScrollMax"), w.i("VScrollCnt")}),
              (Ints{16000, 16000, 32000, 5}));
    Win_SetVScrollBar(o);
    EXPECT_EQ(bar(v, SB_CTL), (Ints{0, 32000, 20, 16000}));
    Win_LineDown(o), Win_PageDown(o);  // half of a 20-line page
    EXPECT_EQ(log(), "v5 v50 key key ");
    EXPECT_EQ(bar(v, SB_CTL)[3], 16011);
    EXPECT_EQ(Win_VSliderTrack(o, 16011) + Win_VSliderTrack(o, 100), 16111);
    EXPECT_EQ(log(), "not v-79555 ") << "tracking posts no key";
    EXPECT_EQ(bar(v, SB_CTL)[3], 100);

    Win_SetVScrollPos(o, 0, 64000, 20, 0);
    EXPECT_EQ(w.i("VScrollCnt"), 3);
    EXPECT_EQ(Win_PageUpSub(o, 1), 0);
    EXPECT_EQ(log(), "not ") << "at the top only DrawNotScroll";

    Win_SetHScrollPos(o, 0, 100, 4, 100);
    Win_SetHScrollBar(o);
    Win_PageRight(o), Win_PageLeft(o), Win_LineLeft(o);
    EXPECT_EQ(log(), "not h-2 h-1 ") << "horizontal moves post no key";
    EXPECT_EQ(bar(h, SB_CTL), (Ints{0, 100, 4, 97}));
}

TEST_F(Scroll, TheWindowProcedureDrivesTheOwnBarAndTheCaretIsHiddenAroundARedraw) {
    w.m<uint32_t>("WinStyle") |= WS_VSCROLL;
    make();
    Win_SetVScrollPos(o, 0, 100, 10, 50);
    Win_SetVScrollBar(o);
    EXPECT_EQ(bar(w.hwnd(), SB_VERT), (Ints{0, 100, 10, 50}));
    send(SB_LINEDOWN), send(SB_PAGEUP), send(SB_THUMBTRACK, 90), send(SB_THUMBPOSITION, 90);
    send(SB_ENDSCROLL);
    EXPECT_EQ(log(), "v1 v-5 v44 key key key ");
    EXPECT_EQ(bar(w.hwnd(), SB_VERT)[3], 90);

    overwrite(o, "SetCurPos", setCurPos);
    w.i("bUseCursor") = 1, w.i("bSetFocus") = 1;
    send(SB_LINEUP);
    EXPECT_EQ(log(), "cur10 v-1 cur11 key ");
    Win_SetVScrollPos(o, 0, 100, 10, 0);
    send(SB_LINEUP);
    EXPECT_EQ(log(), "not ") << "no caret work when nothing moves";
}

TEST_F(Scroll, BrokenRangesAndStaleBarsNeitherFaultNorLeaveTheRange) {
    Win_InitVScrollBar(o, 1, 0, 0, 0);
    make();
    const HWND v = w.m<HWND>("hWndVScroll");
    Win_SetVScrollPos(o, 10, 5, -8, 7);  // upside down, negative page
    Win_SetVScrollBar(o);
    EXPECT_EQ(bar(v, SB_CTL), (Ints{10, 10, 0, 10}));
    Win_PageUp(o), Win_PageDown(o);
    EXPECT_EQ(log(), "v3 not key ");
    EXPECT_EQ(w.i("VScrollPos"), 10);

    // A destroyed child bar is passed over: without a bar of its own the
    // window has nothing to update, with one that bar serves.
    DestroyWindow(v);
    Win_SetVScrollPos(o, 0, 100, 10, 50);
    Win_SetVScrollBar(o), Win_LineDown(o);
    EXPECT_EQ(log(), "v1 key ");
    EXPECT_EQ(bar(w.hwnd(), SB_VERT), Ints{});
    SetWindowLongA(w.hwnd(), GWL_STYLE, GetWindowLongA(w.hwnd(), GWL_STYLE) | WS_VSCROLL);
    Win_SetVScrollBar(o);
    EXPECT_EQ(bar(w.hwnd(), SB_VERT), (Ints{0, 100, 10, 51}));
}

TEST_F(Scroll, FloatingBarsKeepTheirPlacesAndATinyWindowGivesNoNegativeSizes) {
    Win_InitVScrollBar(o, 2, 30, 40, 100);
    Win_InitHScrollBar(o, 3, 5, 200, 120);
    Win_SetSizeBoxType(o, 1);
    w.i("WinStyle") = int32_t(WS_POPUP | WS_CLIPCHILDREN);  // no frame, so no least size
    make();
    const int VS = GetSystemMetrics(SM_CXVSCROLL), HS = GetSystemMetrics(SM_CYHSCROLL);
    const HWND pieces[] = {w.m<HWND>("hWndVScroll"), w.m<HWND>("hWndHScroll"), w.m<HWND>("hSizeBox")};
    EXPECT_EQ(GetWindowLongA(pieces[2], GWL_STYLE) & SBS_SIZEGRIP, SBS_SIZEGRIP);
    EXPECT_EQ(placeOf(pieces[0]), (Ints{30, 40, 30 + VS, 140}));
    EXPECT_EQ(placeOf(pieces[1]), (Ints{5, 200, 125, 200 + HS}));
    EXPECT_EQ(placeOf(pieces[2]), (Ints{30, 200, 30 + VS, 200 + HS}));
    RECT client, inner = w.m<RECT>("bRect");
    GetClientRect(w.hwnd(), &client);
    EXPECT_TRUE(EqualRect(&inner, &client)) << "floating bars take no room";

    w.i("bVertId") = w.i("bHorzId") = 1;  // docked, in a client area smaller than they are
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    GetClientRect(w.hwnd(), &client);
    ASSERT_LT(client.right, VS);
    for (HWND piece : pieces) {
        const Ints r = placeOf(piece);
        EXPECT_TRUE(r[2] >= r[0] && r[3] >= r[1]);
    }
    inner = w.m<RECT>("bRect");
    EXPECT_TRUE(inner.right >= inner.left && inner.bottom >= inner.top);
    EXPECT_EQ(w.i("WinWdCx") | w.i("WinWdCy"), 0);
}
