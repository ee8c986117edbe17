// World/view mapping of a Win: the plain mapping, the paper refitted on every
// resize by the resize mode, the survey conversions, empty drawing areas.
#include <array>
#include <cmath>

#include "../wincore/wincore_util.h"

namespace {

struct Win {
    TestWin t{"ZekWorldView"};
    double &d(const char *name) { return member<double>(t.o, name); }
    int32_t &i(const char *name) { return member<int32_t>(t.o, name); }
    void area(int32_t w, int32_t h, int32_t mode = 0)
    {
        i("bEdType") = mode;
        member<RECT>(t.o, "bRect") = RECT{0, 0, w, h};
        Win_ScaleNew(t.o);
    }
    std::array<double, 4> window() { return {d("wSx0"), d("wSy0"), d("wMx0"), d("wMy0")}; }
};

// Dispatches this thread's messages until `done` holds or five seconds pass:
// with a window manager a resize reaches the window after SetWindowPos returns.
template <typename Pred>
bool pumpUntil(Pred done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 5000)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        pump();
    }
    return true;
}

int gScaleSet2Flag = -1;
void ZEKAPI countingScaleSet2(ZEK_object *o, int32_t flag, double x1, double y1, double x2, double y2)
{
    gScaleSet2Flag = flag;
    Win_ScaleSet2(o, flag, x1, y1, x2, y2);
}

}  // namespace

TEST(WorldView, PlainAndSurveyMappings)
{
    Win w;
    w.area(841, 594);  // the default paper fits exactly: one unit a pixel
    EXPECT_EQ(w.window(), (std::array<double, 4>{0, 0, 594, 841}));
    EXPECT_EQ(Win_WldToVewX(w.t.o, 10.9), 10);
    EXPECT_EQ(Win_WldToVewX(w.t.o, -0.5), 0);
    EXPECT_EQ(Win_WldToVewX(w.t.o, 1e12), INT32_MAX);
    EXPECT_EQ(Win_GetVewWY(w.t.o, -1e300), INT32_MIN);
    int32_t vx = 0, vy = 0;
    Win_SclWtoZ(w.t.o, 100.5, 200.5, &vx, &vy);  // survey X north: the view's y
    EXPECT_EQ(vx * 1000 + vy, 200493);
    double x = 0, y = 0;
    Win_SclZtoW(w.t.o, 200, 493, &x, &y);
    EXPECT_TRUE(x == 101.0 && y == 200.0) << x << "," << y;
    Win_ScaleOn(w.t.o);  // survey X runs up the screen
    EXPECT_EQ(Win_WldToVewY(w.t.o, w.d("wMx0")), w.i("Vy1"));
    EXPECT_EQ(Win_WldToVewY(w.t.o, w.d("wSx0")), w.i("Vy2") + 1);
    EXPECT_DOUBLE_EQ(Win_VewToWldY(w.t.o, 0), 594.0);
    Win_ScaleOff(w.t.o);
    EXPECT_EQ(Win_WldToVewY(w.t.o, 10.0), 10);
    EXPECT_EQ(Win_GetLineW(w.t.o, 330.0), 3);
    EXPECT_EQ(Win_GetLineW(w.t.o, 0.0), 1);
    w.i("Rop") = 'X';
    EXPECT_EQ(Win_GetLineW(w.t.o, 330.0), 1);
}

TEST(WorldView, ScaleSet2AndTheResizeModes)
{
    Win w;
    w.area(640, 480);
    const double home = w.d("wMy1");
    Win_ScaleSet2(w.t.o, 0, 100, 50, 0, 0);
    const auto zoomed = w.window();
    EXPECT_EQ(w.d("wMy1"), home);
    EXPECT_DOUBLE_EQ(w.d("wzSclY"), 480 / (zoomed[2] - zoomed[0]));

    const double scale = w.d("zwSclX");
    w.area(740, 480, 2);  // the right edge dragged: the left stays
    EXPECT_EQ(w.d("wSy0"), zoomed[1]);
    EXPECT_NEAR(w.d("wMy0"), zoomed[3] + scale * 100, 1e-9);
    w.area(640, 480, 1);
    EXPECT_NEAR(w.d("wSy0"), zoomed[1] + scale * 100, 1e-9);

    overwrite(w.t.o, "ScaleSet2", countingScaleSet2);
    Win_ScaleSet2(w.t.o, 0, 0, 0, 100, 50);
    w.area(640, 480, 9);  // minimized: saved
    EXPECT_EQ(w.d("wSxBuf"), zoomed[0]);
    w.area(1280, 960, 10);  // maximized: the same view refitted and made home
    EXPECT_EQ(gScaleSet2Flag, 1);
    EXPECT_NEAR(w.d("wSx0") + w.d("wMx0"), zoomed[0] + zoomed[2], 1e-9);
    EXPECT_EQ(w.d("wMx1"), w.d("wMx0"));
    w.area(640, 480, 11);  // restored: the saved window
    EXPECT_EQ(gScaleSet2Flag, 0);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(w.window()[k], zoomed[k], 1e-9);
}

TEST(WorldView, EmptyAreaOrPaperSkipsTheRefit)
{
    Win w;
    w.area(640, 480);
    const auto before = w.window();
    for (int32_t mode : {0, 2, 7, 10, 11}) {
        w.area(0, 0, mode);
        w.area(300, 0, mode);
        EXPECT_EQ(w.window(), before) << mode;
        for (const char *n : {"zwSclX", "wzSclY", "dWvy"})
            EXPECT_TRUE(std::isfinite(w.d(n))) << n << " mode " << mode;
        EXPECT_EQ(w.i("Vy2"), -1);
    }
    w.area(640, 480);
    Win_YousiSet(w.t.o, 0.0, 0.0);  // an empty paper
    EXPECT_EQ(w.window(), before);
    Win_Scale(w.t.o, 0, 0, 99, 99, 5.0, 5.0, 5.0, 10.0);  // no world width
    EXPECT_EQ(Win_WldToVewX(w.t.o, 1e9), 0);

    // Made at 0 x 0, then dragged by an edge: no scale yet, the whole paper.
    Win fresh;
    fresh.area(0, 0);
    fresh.area(841, 594, 2);
    EXPECT_EQ(fresh.window(), (std::array<double, 4>{0, 0, 594, 841}));
}

TEST(WorldView, RealWindowRefitsOnResize)
{
    Win w;
    w.i("WinWdGx") = 420;
    w.i("WinWdGy") = 300;
    ASSERT_EQ(Win_con(w.t.o, 0), 0);
    EXPECT_TRUE(pumpUntil([&] { return w.i("Vx2") == 419; })) << w.i("Vx2");
    RECT frame{};
    GetWindowRect(w.t.hwnd(), &frame);
    SetWindowPos(w.t.hwnd(), nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(pumpUntil([&] { return w.i("Vx2") == 519; })) << w.i("Vx2");
    EXPECT_NEAR(w.d("zwSclX"), w.d("zwSclY"), 1e-12);
    EXPECT_NEAR(w.d("wSy0") + w.d("wMy0"), 841, 1e-9);
}
