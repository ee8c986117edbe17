// Fonts of Win objects: who deletes which font, and text drawn in many
// faces by two threads into two windows at once.
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

#include "../wincore/wincore_util.h"

namespace {

bool alive(HGDIOBJ font) { return GetObjectType(font) == OBJ_FONT; }

HFONT make_font(ZEK_object *o, int32_t height) { return Win_CreateFont(o, height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); }

TEST(WinFonts, AnObjectDeletesOnlyTheFontsItMadeAndThoseWithItself)
{
    HFONT shared = Get_ghFont();
    ASSERT_TRUE(alive(shared));
    auto owner = std::make_unique<TestWin>();
    ZEK_object *a = owner->o;
    TestWin b;
    EXPECT_EQ(member<HFONT>(a, "hFont"), shared);
    HFONT first = make_font(a, 20);
    ASSERT_TRUE(alive(first));
    EXPECT_TRUE(alive(shared) && member<HFONT>(b, "hFont") == shared) << "every other window's font";
    LOGFONTA lf{};
    GetObjectA(first, sizeof lf, &lf);
    HFONT second = Win_CreateFontIndirect(a, &lf);
    EXPECT_EQ(member<HFONT>(a, "hFont"), second);
    EXPECT_FALSE(alive(first)) << "replaced by the object that made it";
    member<HFONT>(a, "hFont") = shared;  // a program puts the default back
    HFONT third = make_font(a, 30);
    EXPECT_TRUE(!alive(second) && alive(shared));
    owner.reset();
    EXPECT_FALSE(alive(third)) << "deleted with the object";
    EXPECT_TRUE(alive(shared));
    EXPECT_TRUE(alive(make_font(b, 12)));
}

// One thread's window: the same frame of text in 24 fonts, drawn again and
// again into its open bitmap while the other thread does the same.
struct TextWindow {
    const char *className;
    COLORREF colour;
    int32_t firstHeight;
    int frames = 0, wrong = 0;

    uint64_t frame(ZEK_object *o, int32_t cold)
    {
        auto *bits = static_cast<uint8_t *>(member<void *>(o, "pjBits"));
        const size_t size = size_t(member<int32_t>(o, "bBmpWx")) * member<int32_t>(o, "bScrWy");
        std::memset(bits, 0, size);
        // Ten fonts used all the time and one of eight more in turn: with the
        // other thread's, more than the cache holds.
        for (int32_t k = 0; k < 11; ++k)
            Win_GchrI(o, "A\x8E\x9A", 4 + 20 * k, 30 + k % 3 * 10, k % 3 * 30.0, 0,
                      firstHeight + (k < 10 ? k : 10 + cold), k % 4, k & 1, 400);
        GdiFlush();
        uint64_t h = 1469598103934665603ull;  // FNV-1a
        for (size_t i = 0; i < size; ++i)
            h = (h ^ bits[i]) * 1099511628211ull;
        return h;
    }

    void run(std::atomic<int> &turn, int me, ULONGLONG seconds)
    {
        TestWin w(className);
        mi(w, "WinWdGx") = 240, mi(w, "WinWdGy") = 120;
        Win_con(w, 0);
        pump();
        Win_DrawBmpOpen(w);
        member<COLORREF>(w, "Color") = colour;
        while (turn.load() != me)  // the first frames are drawn alone
            std::this_thread::yield();
        uint64_t reference[8];
        for (int32_t cold = 0; cold < 8; ++cold)
            reference[cold] = frame(w, cold);
        ++turn;
        while (turn.load() < 2)
            std::this_thread::yield();
        for (const ULONGLONG end = GetTickCount64() + seconds * 1000; GetTickCount64() < end;) {
            wrong += frame(w, frames % 8) != reference[frames % 8];
            ++frames;
        }
        Win_DrawBmpClose(w);
    }
};

TEST(WinFonts, TwoThreadsDrawTextInManyFontsIntoTwoWindows)
{
    // 36 distinct fonts between them: the 20-entry cache turns over all the
    // time. The faces are the shared system font names, which no other
    // process changes meanwhile: the suite runs alone (extra.cmake).
    TextWindow red{"ZekFontsRed", RGB(255, 0, 0), 8}, blue{"ZekFontsBlue", RGB(0, 0, 255), 30};
    std::atomic<int> turn{0};
    std::thread a([&] { red.run(turn, 0, 1); });
    std::thread b([&] { blue.run(turn, 1, 1); });
    a.join();
    b.join();
    for (const TextWindow &t : {red, blue})
        EXPECT_TRUE(t.frames > 3 && t.wrong == 0) << t.className << ": " << t.wrong << " of " << t.frames;
}

}  // namespace
