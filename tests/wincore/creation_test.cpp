// Window creation: registration, the frame kept on the screen, popups placed
// by their mother, the creation message binding object and window, closing.
#include "wincore_util.h"

namespace {

int gRegistrations;
int gCreates;

int32_t ZEKAPI countingInitApplication(ZEK_object *o)
{
    ++gRegistrations;
    return Win_InitApplication(o);
}

int32_t ZEKAPI countingCreate(ZEK_object *o)
{
    ++gCreates;
    return Win_Create(o);
}

RECT windowRect(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

TEST(WinCreation, ConRegistersOnceCreatesAndBindsTheWindow)
{
    gRegistrations = gCreates = 0;
    TestWin a("ZekCoreOnce"), b("ZekCoreOnce");
    for (ZEK_object *o : {a.o, b.o}) {
        overwrite(o, "InitApplication", countingInitApplication);
        overwrite(o, "Create", countingCreate);
        member<int32_t>(o, "bHorzId") = member<int32_t>(o, "bVertId") = 1;
        ASSERT_EQ(Win_con(o, 0), 0);
    }
    EXPECT_EQ(gRegistrations, 2);
    EXPECT_EQ(gCreates, 2) << "Create runs from the creation message, through its slot";
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "ZekCoreOnce", &wc));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(wc.lpfnWndProc),
              reinterpret_cast<uintptr_t>(GetProcAddress(GetModuleHandleA("ZEK2.dll"), "DefWndProc")));
    EXPECT_GE(wc.cbWndExtra, 14 + int(sizeof(void *)));
    EXPECT_EQ(wc.hIcon, LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));

    HWND w = a.hwnd();
    ASSERT_TRUE(IsWindow(w));
    EXPECT_EQ(GetWindowLongPtrA(w, 14), reinterpret_cast<LONG_PTR>(a.o));
    EXPECT_EQ(member<int32_t>(a.o, "bShowB"), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindow(member<HWND>(a.o, "hWndHScroll")));
    EXPECT_TRUE(IsWindow(member<HWND>(a.o, "hWndVScroll")));
    EXPECT_TRUE(IsWindow(member<HWND>(a.o, "hSizeBox")));
    // The text cursor starts at the first cell.
    EXPECT_EQ(member<int32_t>(a.o, "CurGx"), member<int32_t>(a.o, "ChrWdGx"));
}

TEST(WinCreation, ClientSizeBecomesTheFrameAndItsOffsets)
{
    TestWin t;
    member<int32_t>(t.o, "WinStGx") = 40;
    member<int32_t>(t.o, "WinStGy") = 30;
    member<int32_t>(t.o, "WinWdGx") = 300;
    member<int32_t>(t.o, "WinWdGy") = 200;
    ASSERT_EQ(Win_con(t.o, 0), 0);
    RECT client{};
    GetClientRect(t.hwnd(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    RECT frame = windowRect(t.hwnd());
    EXPECT_EQ(member<int32_t>(t.o, "WinWdGx"), frame.right - frame.left);
    POINT origin{0, 0};
    ClientToScreen(t.hwnd(), &origin);
    EXPECT_EQ(member<int32_t>(t.o, "ClSx"), origin.x - frame.left);
    EXPECT_EQ(member<int32_t>(t.o, "ClSy"),
              GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME));
}

TEST(WinCreation, AWindowBiggerThanTheScreenIsShrunkOntoIt)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU);
    TestWin big, late;
    member<int32_t>(big.o, "WinWdGx") = sw + 500;
    member<int32_t>(big.o, "WinWdGy") = sh + 500;
    ASSERT_EQ(Win_con(big.o, 0), 0);
    EXPECT_EQ(member<int32_t>(big.o, "WinWdGx"), sw);
    EXPECT_EQ(member<int32_t>(big.o, "WinWdGy"), sh);
    EXPECT_EQ(member<int32_t>(big.o, "WinStGx"), 0);

    member<int32_t>(late.o, "WinStGx") = sw - 50;
    member<int32_t>(late.o, "WinStGy") = sh - 50;
    member<int32_t>(late.o, "WinWdGx") = 200;
    member<int32_t>(late.o, "WinWdGy") = 100;
    ASSERT_EQ(Win_con(late.o, 0), 0);
    RECT r = windowRect(late.hwnd());
    EXPECT_EQ(r.right, sw);
    EXPECT_EQ(r.bottom, sh);
}

TEST(WinCreation, APopupOpensRelativeToItsMothersClientOrigin)
{
    TestWin mother, popup, placed;
    member<int32_t>(mother.o, "WinStGx") = 100;
    member<int32_t>(mother.o, "WinStGy") = 80;
    ASSERT_EQ(Win_con(mother.o, 0), 0);
    pump();
    POINT origin{0, 0};
    ClientToScreen(mother.hwnd(), &origin);
    for (ZEK_object *o : {popup.o, placed.o}) {
        Win_SetMotherWin(o, mother.o);
        member<int32_t>(o, "WinStyle") = int32_t(WS_POPUP);
        member<int32_t>(o, "WinWdGx") = 120;
        member<int32_t>(o, "WinWdGy") = 60;
    }
    member<int32_t>(popup.o, "WinStGx") = 10;
    member<int32_t>(popup.o, "WinStGy") = 20;
    Win_SetWindowGenten(placed.o, 10, 20);
    ASSERT_EQ(Win_con(popup.o, 0), 0);
    ASSERT_EQ(Win_con(placed.o, 0), 0);
    RECT r = windowRect(popup.hwnd());
    EXPECT_EQ(r.left, origin.x + 10);
    EXPECT_EQ(r.top, origin.y + 20);
    r = windowRect(placed.hwnd());
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
}

TEST(WinCreation, FailuresAreReportedAndNothingIsShown)
{
    TestWin t(nullptr);
    EXPECT_EQ(Win_con(t.o, 0), -1) << "no class name";
    EXPECT_EQ(t.hwnd(), nullptr);
    EXPECT_EQ(Win_con(nullptr, 0), -1);
    EXPECT_EQ(Win_Close(t.o), 0) << "nothing to post to";
}

// Closing: each way ends with bQuitFlag set and nothing of the window left.
struct Closing : ::testing::Test {
    TestWin t;
    HWND w = nullptr;
    void SetUp() override
    {
        ASSERT_EQ(Win_con(t.o, 0), 0);
        w = t.hwnd();
    }
    void expectClosed()
    {
        EXPECT_EQ(WinQuitLoopEx(t.o), 1);
        EXPECT_FALSE(IsWindow(w));
        EXPECT_EQ(member<int32_t>(t.o, "bQuitFlag"), 1);
        EXPECT_EQ(t.hwnd(), nullptr) << "the handle may belong to another window now";
    }
};

TEST_F(Closing, ByWinClose)
{
    EXPECT_NE(Win_Close(t.o), 0);
    expectClosed();
    EXPECT_EQ(member<int32_t>(t.o, "bDtor"), 1);
}

TEST_F(Closing, ByTheSystemMenu)
{
    SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    expectClosed();
}

TEST_F(Closing, ByDestroyWindow)
{
    DestroyWindow(w);
    expectClosed();
}

TEST_F(Closing, TheSystemMenuGivesTheAltF4CodeInsteadWhenOneIsSet)
{
    Win_SetAltF4Code(t.o, 0x1000F);
    SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE | 3, 0);  // low bits are the system's own
    auto posted = take_posted(w);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].first, UINT(MACRO_CHAR));
    EXPECT_EQ(posted[0].second, WPARAM(0x1000F));
    EXPECT_TRUE(IsWindow(w));
}

TEST(WinDeletion, DeletingAWinTakesItsWindowWithIt)
{
    auto *t = new TestWin;
    ASSERT_EQ(Win_con(t->o, 0), 0);
    HWND w = t->hwnd();
    delete t;
    EXPECT_FALSE(IsWindow(w));
    // Messages for a window made unbound meanwhile meet no object.
    EXPECT_EQ(DefWndProc(w, WM_PAINT, 0, 0), 0);

    // A window of a Win class created with anything but a live Win stays unbound.
    int notAWin[64] = {};
    HWND stray = CreateWindowA("ZekCoreTest", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), notAWin);
    ASSERT_TRUE(IsWindow(stray));
    EXPECT_EQ(GetWindowLongPtrA(stray, 14), 0);
    DestroyWindow(stray);
}

// A drawing thread that needs a while to notice it should stop.
struct DrawingThread {
    ZEK_object *o;
    LONG requests = 0;
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    static DWORD WINAPI run(void *p)
    {
        auto *self = static_cast<DrawingThread *>(p);
        MSG m;
        PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists from here
        SetEvent(self->ready);
        while (GetMessageA(&m, nullptr, 0, 0) > 0) {
            if (m.message == WIN_REDRAWEND) {
                InterlockedIncrement(&self->requests);
                Sleep(100);
                member<int32_t>(self->o, "bProcID") = 0;
                return 0;
            }
        }
        return 0;
    }
};

TEST(WinDrawingThread, ClosingAsksItOnceAndWaitsForIt)
{
    TestWin t;
    ASSERT_EQ(Win_con(t.o, 0), 0);
    DrawingThread drawing{t.o};
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, DrawingThread::run, &drawing, 0, &id);
    WaitForSingleObject(drawing.ready, 5000);
    member<HANDLE>(t.o, "hProcTh") = thread;
    member<int32_t>(t.o, "bProcID") = int32_t(id);
    HWND w = t.hwnd();
    Win_Close(t.o);
    EXPECT_EQ(WinQuitLoopEx(t.o), 1);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "the window outlived nothing";
    EXPECT_EQ(drawing.requests, 1);
    EXPECT_FALSE(IsWindow(w));
    CloseHandle(thread);
    CloseHandle(drawing.ready);
}

TEST(WinResources, ClosingReleasesWhatTheWindowOwns)
{
    // Wine's GetGuiResources reads 0; on Windows the counts prove the rest.
    auto count = [](DWORD kind) { return GetGuiResources(GetCurrentProcess(), kind); };
    {  // the first window creates the class and the process's one-time objects
        TestWin warm;
        Win_con(warm.o, 0);
        Win_Close(warm.o);
        WinQuitLoopEx(warm.o);
    }
    const DWORD gdi = count(GR_GDIOBJECTS), user = count(GR_USEROBJECTS);
    for (int i = 0; i < 3; ++i) {
        TestWin t;
        member<int32_t>(t.o, "bHorzId") = member<int32_t>(t.o, "bVertId") = 1;
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        member<HBRUSH>(t.o, "hbrBackground") = brush;
        member<int32_t>(t.o, "bBackgroundF") = 1;
        ASSERT_EQ(Win_con(t.o, 0), 0);
        HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
        member<HBITMAP>(t.o, "hBmp") = bitmap;
        HWND bar = member<HWND>(t.o, "hWndVScroll");
        Win_Close(t.o);
        WinQuitLoopEx(t.o);
        EXPECT_EQ(GetObjectType(brush), 0u);
        EXPECT_EQ(GetObjectType(bitmap), 0u);
        EXPECT_FALSE(IsWindow(bar));
        EXPECT_EQ(member<HBITMAP>(t.o, "hBmp"), nullptr);
    }
    EXPECT_EQ(count(GR_GDIOBJECTS), gdi);
    EXPECT_EQ(count(GR_USEROBJECTS), user);
}

}  // namespace
