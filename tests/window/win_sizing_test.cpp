// Win sizing: placing a window in cells or pixels, and the layout on WM_SIZE.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <vector>

#include "window_util.h"

namespace {

using Ints = std::vector<int32_t>;

int32_t &num(ZEK_object *o, const char *name) { return member<int32_t>(o, name); }

Ints nums(ZEK_object *o, std::initializer_list<const char *> names) {
    Ints v;
    for (const char *n : names) v.push_back(num(o, n));
    return v;
}

void setCell(ZEK_object *o, Ints gx, Ints gy) {
    for (int i = 0; i < 3; ++i) (&num(o, "ChrWdGx"))[i] = gx[i], (&num(o, "ChrWdGy"))[i] = gy[i];
}

struct Placing : ::testing::Test {
    Windowed obj;
    ZEK_object *o = obj.o;
    void SetUp() override { setCell(o, {1, 8, 1}, {2, 14, 0}); }  // a 10 × 16 cell
};

const std::initializer_list<const char *> kPlace = {"WinStGx", "WinStGy", "WinWdGx", "WinWdGy",
                                                    "WinWdCx", "WinWdCy"};

TEST_F(Placing, CellAndPixelFormsFromCornersAndDegenerateInputNeitherFaultsNorWraps) {
    EXPECT_EQ(Win_SizeAdd(o, 2, 3, 11, 7, nullptr), 100);
    EXPECT_EQ(nums(o, {"ChrWdBx", "ChrWdBy", "bDefPos"}), (Ints{10, 16, 1}));  // no base: default position
    EXPECT_EQ(nums(o, kPlace), (Ints{20, 48, 100, 80, 10, 5}));
    num(o, "WinStCx") = 4;
    Win_SizeAddG(o, 10, 20, 109, 69, nullptr);
    EXPECT_EQ(nums(o, kPlace), (Ints{10, 20, 100, 50, 10, 3})) << "whole cells only";
    EXPECT_EQ(num(o, "WinStCx"), 0);

    EXPECT_EQ(Win_SizeAdd(nullptr, 0, 0, 9, 9, nullptr) | Win_SizeWddG(nullptr, 0, 0, 9, 9, o), 0);
    Win_SizeAdd(o, 9, 9, 0, 0, nullptr);  // corners given backwards
    EXPECT_EQ(nums(o, {"WinWdCx", "WinWdGx"}), (Ints{0, 0}));
    Win_SizeAddG(o, INT32_MIN, 0, INT32_MAX, 0, nullptr);
    EXPECT_EQ(num(o, "WinWdGx"), INT32_MAX);
    Win_SizeWdd(o, INT32_MAX, INT32_MIN, INT32_MAX, 1, nullptr);
    EXPECT_EQ(nums(o, {"WinStGx", "WinStGy", "WinWdGx"}), (Ints{INT32_MAX, INT32_MIN, INT32_MAX}));
    setCell(o, {0, 0, 0}, {0, 0, 0});
    Win_SizeWddG(o, 0, 0, 640, 480, nullptr);
    EXPECT_EQ(nums(o, {"WinWdCx", "WinWdCy"}), (Ints{0, 0}));
    setCell(o, {INT32_MAX, INT32_MAX, 0}, {-5, 0, 0});
    Win_SizeWddG(o, 0, 0, 640, 480, nullptr);
    EXPECT_EQ(nums(o, {"ChrWdBx", "WinWdCx", "WinWdCy"}), (Ints{INT32_MAX, 0, 0}))
        << "a negative cell height makes no cells";
}

ZEK_object *gWddObject, *gWddBase;
Ints gWdd;  // x, w and h of the last SizeWdd call
int32_t ZEKAPI recordWdd(ZEK_object *o, int32_t x, int32_t, int32_t w, int32_t h, ZEK_object *base) {
    gWddObject = o, gWddBase = base, gWdd = {x, w, h};
    return 1234;
}

void ZEKAPI fixedDefPos(ZEK_object *, int32_t *x, int32_t *y) { *x = 7, *y = 9; }

TEST_F(Placing, BaseOriginAndReplacementsAreReachedThroughSlots) {
    Windowed base;
    member<RECT>(base.o, "bScRect") = RECT{200, 100, 500, 400};
    num(base.o, "ClSx") = 4, num(base.o, "ClSy") = 30;
    Win_SizeWdd(o, 1, 1, 3, 2, base.o);
    EXPECT_EQ(nums(o, {"WinStGx", "WinStGy", "bDefPos"}), (Ints{214, 146, 0}));
    overwrite(base.o, "GetDefPos", fixedDefPos);
    Win_SizeWddG(o, 1, 1, 30, 20, base.o);
    EXPECT_EQ(nums(o, {"WinStGx", "WinStGy"}), (Ints{8, 10}));
    overwrite(o, "SizeWdd", recordWdd);
    EXPECT_EQ(Win_SizeAdd(o, 5, 6, 5, 9, base.o), 1234);
    EXPECT_TRUE(gWddObject == o && gWddBase == base.o);
    EXPECT_EQ(gWdd, (Ints{5, 1, 4}));
}

// Where a child now lies in its parent's client area.
RECT placeOf(HWND piece) {
    RECT r;
    GetWindowRect(piece, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(piece), reinterpret_cast<POINT *>(&r), 2);
    return r;
}

Ints rc(const RECT &r) { return {r.left, r.top, r.right, r.bottom}; }

// A real window: the rectangles and the furniture come from the system.
struct Layout : ::testing::Test {
    Windowed obj{"size"};
    ZEK_object *o = obj.o;
    HWND hwnd = obj.hwnd;
    LONG W = 0, H = 0;
    int HS = GetSystemMetrics(SM_CYHSCROLL), VS = GetSystemMetrics(SM_CXVSCROLL);
    void SetUp() override {
        num(o, "ChrWdBx") = 8, num(o, "ChrWdBy") = 16;  // the grid uses the cell size as it stands
        RECT c;
        GetClientRect(hwnd, &c);
        W = c.right, H = c.bottom;
        ASSERT_TRUE(W > 100 && H > 100);
    }
    RECT &bRect() { return member<RECT>(o, "bRect"); }
};

TEST_F(Layout, PlainWindowGivesItsWholeClientAreaToTheCellGridAndDegenerateSizesAnEmptyOne) {
    num(o, "WinStCx") = 2;
    EXPECT_EQ(Win_Size(o, SIZE_RESTORED, W, H), 0);
    RECT win;
    GetWindowRect(hwnd, &win);
    EXPECT_EQ(rc(member<RECT>(o, "bScRect")), (Ints{win.left, win.top, win.right, win.bottom}));
    EXPECT_EQ(rc(bRect()), (Ints{0, 0, W, H}));
    EXPECT_EQ(nums(o, {"WinStGx", "WinWdGy", "WinWdCx", "WinWdCy", "WinEdCx", "WinEdCy"}),
              (Ints{win.left, win.bottom - win.top, W / 8, H / 16, 2 + W / 8 - 1, H / 16 - 1}));
    bRect() = RECT{1, 2, 3, 4};
    Win_Size(o, SIZE_MINIMIZED, 0, 0);
    EXPECT_EQ(rc(bRect()), (Ints{1, 2, 3, 4})) << "minimising lays nothing out";
}

TEST_F(Layout, DockedBarsTakeTheEdgesFloatingOnesStayPutAndAStatusBarTakesTheBottom) {
    HWND h = plainWindow("", hwnd, "SCROLLBAR", SBS_HORZ);
    HWND v = plainWindow("", hwnd, "SCROLLBAR", SBS_VERT);
    HWND box = plainWindow("", hwnd, "SCROLLBAR", SBS_SIZEBOX);
    num(o, "bHorzId") = num(o, "bVertId") = 1;
    member<HWND>(o, "hWndHScroll") = h;
    member<HWND>(o, "hWndVScroll") = v;
    member<HWND>(o, "hSizeBox") = box;
    Win_Size(o, SIZE_RESTORED, W, H);
    EXPECT_EQ(rc(bRect()), (Ints{0, 0, W - VS, H - HS}));
    EXPECT_EQ(rc(placeOf(h)), (Ints{0, H - HS, W - VS, H}));
    EXPECT_EQ(rc(placeOf(v)), (Ints{W - VS, 0, W, H - HS}));
    EXPECT_EQ(rc(placeOf(box)), (Ints{W - VS, H - HS, W, H}));

    num(o, "bHorzId") = 2, num(o, "bVertId") = 0;  // floating
    num(o, "bHorzGsx") = 10, num(o, "bHorzGsy") = 20, num(o, "bHorzGww") = 90;
    Windowed status;  // a status bar built on Win is moved through its own window
    HWND sw = plainWindow("", hwnd, "ZekWinTest");
    member<HWND>(status.o, "hWnd") = sw;
    member<ZEK_object *>(o, "pStatusBar") = status.o;
    Win_Size(o, SIZE_RESTORED, W, H);
    EXPECT_EQ(rc(placeOf(h)), (Ints{10, 20, 100, 20 + HS}));
    EXPECT_EQ(rc(placeOf(sw)), (Ints{0, H - 23, W, H}));
    EXPECT_EQ(rc(bRect()), (Ints{0, 0, W, H - 23}));
    EXPECT_EQ(num(o, "WinWdCy"), (H - 23) / 16);
    member<ZEK_object *>(o, "pStatusBar") = nullptr;  // the test's own
}

TEST_F(Layout, DegenerateSizesLeaveAnEmptyGridWithoutFaults) {
    EXPECT_EQ(Win_Size(nullptr, SIZE_RESTORED, W, H), 0);
    num(o, "ChrWdBx") = num(o, "ChrWdBy") = 0;
    Win_Size(o, SIZE_RESTORED, W, H);
    EXPECT_EQ(nums(o, {"WinWdCx", "WinEdCy"}), (Ints{0, -1}));

    // Furniture taller than the window: the inner area is empty, not inverted.
    Windowed bar;
    member<ZEK_object *>(o, "pTopMenuBar") = bar.o;
    num(o, "bTopMenuH") = num(o, "bToolHeight") = INT32_MAX;
    num(o, "bToolId") = 1, num(o, "ChrWdBx") = num(o, "ChrWdBy") = 8;
    Win_Size(o, SIZE_RESTORED, W, H);
    EXPECT_GE(bRect().bottom, bRect().top);
    EXPECT_EQ(nums(o, {"WinWdCy", "WinWdCx"}), (Ints{0, W / 8}));
    member<ZEK_object *>(o, "pTopMenuBar") = nullptr;  // the test's own

    // Without a window nothing is read, so the last layout stays.
    member<HWND>(o, "hWnd") = nullptr;
    bRect() = RECT{1, 2, 3, 4};
    EXPECT_EQ(Win_Size(o, SIZE_RESTORED, W, H), 0);
    EXPECT_EQ(rc(bRect()), (Ints{1, 2, 3, 4}));
}

}  // namespace
