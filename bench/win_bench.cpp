// Prints the cost of the Win object's machinery side by side: a method called
// through its slot against a direct and a C++ virtual call, member lookup by
// name, key codes through a real window's key wait, keys typed into a line
// field, numbers read by a typed field and the font cache.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ZEK2.h"

namespace {

double gTicksPerNs;

double now_ns()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / gTicksPerNs;
}

// Runs body(n) a few times and keeps the fastest round, in ns per step.
template <typename Body>
double best_ns_per(long n, Body body, int rounds = 5)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const double start = now_ns();
        body(n);
        const double per = (now_ns() - start) / double(n);
        if (per < best)
            best = per;
    }
    return best;
}

// The callee of every call style; noipa keeps the compiler from inlining it
// or from learning anything about it across the call.
__attribute__((noipa)) int32_t ZEKAPI trivial(ZEK_object *, int32_t x)
{
    return x + 1;
}

struct Callee {
    virtual ~Callee() = default;
    virtual int32_t call(ZEK_object *o, int32_t x) = 0;
};
struct PlainCallee : Callee {
    __attribute__((noipa)) int32_t call(ZEK_object *, int32_t x) override { return x + 1; }
};

using Slot_fn = int32_t(ZEKAPI *)(ZEK_object *, int32_t);
using Hook_fn = int32_t(ZEKAPI *)(ZEK_object *);

ZEK_layer *win_layer(ZEK_object *o)
{
    return ZEK_layer_at(o, 1);
}

template <typename T>
T &member(ZEK_object *o, const char *name)
{
    ZEK_layer *l = win_layer(o);
    const int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, name);
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[i].place)));
}

volatile int32_t gSink;

void bench_calls(ZEK_object *o)
{
    const long n = 20000000;
    ZEK_layer *layer = win_layer(o);
    const int32_t timer = ZEK_NameSearch(layer, "Timer");
    const int32_t erase = ZEK_NameSearch(layer, "EraseBkGnd");
    layer->pSlot[timer] = reinterpret_cast<ZEK_method_fn>(&trivial);
    // Read through a volatile pointer so that no call is devirtualised.
    PlainCallee plain;
    Callee *volatile callee = &plain;

    auto direct = [&](long k) {
        int32_t s = 0;
        for (long i = 0; i < k; ++i)
            s += trivial(o, int32_t(i));
        gSink = s;
    };
    auto slot = [&](long k) {
        int32_t s = 0;
        for (long i = 0; i < k; ++i) {
            // As the library does: layer and slot are read again for every call.
            asm volatile("" ::: "memory");
            s += reinterpret_cast<Slot_fn>(ZEK_layer_at(o, 1)->pSlot[timer])(o, int32_t(i));
        }
        gSink = s;
    };
    auto virt = [&](long k) {
        int32_t s = 0;
        Callee *c = callee;
        for (long i = 0; i < k; ++i) {
            asm volatile("" ::: "memory");
            s += c->call(o, int32_t(i));
        }
        gSink = s;
    };
    auto export_direct = [&](long k) {
        int32_t s = 0;
        for (long i = 0; i < k; ++i)
            s += Win_EraseBkGnd(o);
        gSink = s;
    };
    auto export_slot = [&](long k) {
        int32_t s = 0;
        for (long i = 0; i < k; ++i) {
            asm volatile("" ::: "memory");
            s += reinterpret_cast<Hook_fn>(ZEK_layer_at(o, 1)->pSlot[erase])(o);
        }
        gSink = s;
    };

    // The styles take turns, so that a busy moment of the machine does not
    // fall on one of them only.
    const int rounds = 7;
    double best[5] = {1e300, 1e300, 1e300, 1e300, 1e300};
    for (int round = 0; round < rounds; ++round) {
        best[0] = std::min(best[0], best_ns_per(n, direct, 1));
        best[1] = std::min(best[1], best_ns_per(n, slot, 1));
        best[2] = std::min(best[2], best_ns_per(n, virt, 1));
        best[3] = std::min(best[3], best_ns_per(n, export_direct, 1));
        best[4] = std::min(best[4], best_ns_per(n, export_slot, 1));
    }
    std::printf("Calls (ns per call, best of %d interleaved rounds of %ld)\n", rounds, n);
    std::printf("  %-44s %8.2f\n", "direct call of a local function", best[0]);
    std::printf("  %-44s %8.2f\n", "the same function through Win slot \"Timer\"", best[1]);
    std::printf("  %-44s %8.2f\n", "C++ virtual call", best[2]);
    std::printf("  %-44s %8.2f\n", "library hook Win_EraseBkGnd, direct import", best[3]);
    std::printf("  %-44s %8.2f\n", "library hook EraseBkGnd through its slot", best[4]);
}

void bench_name_search(ZEK_object *o)
{
    ZEK_layer *layer = win_layer(o);
    const int32_t rows = layer->nDataRow + layer->nMethodRow;
    // Short rounds, many of them: on a busy machine a long round is rarely
    // left alone for its whole length.
    const long n = 20000;
    std::printf("\nZEK_NameSearch on the Win layer (%d rows: %d data, then %d methods; "
                "methods are searched first)\n",
                rows, layer->nDataRow, layer->nMethodRow);
    const int32_t picks[] = {0, rows / 2, rows - 1};
    const char *const where[] = {"first", "middle", "last"};
    for (int p = 0; p < 3; ++p) {
        const ZEK_member &row = layer->pRows[picks[p]];
        const char *name = row.name;
        int32_t found = 0;
        const double ns = best_ns_per(n, [&](long k) {
            for (long i = 0; i < k; ++i) {
                asm volatile("" ::: "memory");
                found = ZEK_NameSearch(layer, name);
            }
        }, 25);
        std::printf("  %-6s row %3d %-12s (%s, index %3d)  %9.1f ns per lookup\n", where[p],
                    picks[p], name, row.kind == ZEK_KIND_METHOD ? "method" : "data  ", found, ns);
    }
    const double missing = best_ns_per(n, [&](long k) {
        for (long i = 0; i < k; ++i) {
            asm volatile("" ::: "memory");
            gSink = ZEK_NameSearch(layer, "NoSuchMember");
        }
    }, 25);
    std::printf("  %-6s %-39s %9.1f ns per lookup\n", "absent", "name", missing);
    // Every row in turn, so that no name is slower than the figures above suggest.
    double slowest = 0, total = 0;
    int32_t slowestRow = 0;
    for (int32_t r = 0; r < rows; ++r) {
        const char *name = layer->pRows[r].name;
        const double ns = best_ns_per(n / 10, [&](long k) {
            for (long i = 0; i < k; ++i) {
                asm volatile("" ::: "memory");
                gSink = ZEK_NameSearch(layer, name);
            }
        }, 5);
        total += ns;
        if (ns > slowest) {
            slowest = ns;
            slowestRow = r;
        }
    }
    std::printf("  %-6s %-39s %9.1f ns per lookup\n", "mean", "of all rows", total / rows);
    std::printf("  %-6s row %3d %-31s %9.1f ns per lookup\n", "worst", slowestRow,
                layer->pRows[slowestRow].name, slowest);
}

// Lines typed into a field of 80 cells: 49 characters and Enter a line, each
// character shown as it is typed, against a plain loop over the same messages.
void bench_gets(ZEK_object *o, HWND window)
{
    const int line = 50, lines = 1000;
    auto post_line = [&](int l) {
        for (int i = 0; i < line - 1; ++i)
            PostMessageA(window, WM_CHAR, 'a' + (l + i) % 26, 1);
        PostMessageA(window, ZEK_MACRO_CHAR, 0x10008, 0);
    };
    long got = 0;
    int32_t wrong = 0;
    const double start = now_ns();
    for (int l = 0; l < lines; ++l) {
        post_line(l);
        Win_GetsCtorSet(o);
        member<int32_t>(o, "InpStGx") = member<int32_t>(o, "InpStGy") = 0;
        member<int32_t>(o, "InpMax") = 80;
        Win_GetsInit(o);
        if (Win_Gets(o) != 0x10008)
            break;
        got += line;
        const char *text = &member<char>(o, "sBuf");
        wrong += std::strlen(text) != size_t(line - 1) || text[0] != 'a' + l % 26;
    }
    const double seconds = (now_ns() - start) / 1e9;

    long dispatched = 0;
    const double plain_start = now_ns();
    for (int l = 0; l < lines; ++l) {
        post_line(l);
        MSG m;
        for (int i = 0; i < line && GetMessageA(&m, nullptr, 0, 0) > 0; ++i) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
            ++dispatched;
        }
    }
    const double plain_seconds = (now_ns() - plain_start) / 1e9;

    std::printf("\nLine input: WM_CHAR posted to a real window, %d keys a line with Enter\n", line);
    std::printf("  %-44s %9.0f keys per second (%ld of %d, %d lines differed)\n",
                "edited and shown by Win_Gets", double(got) / seconds, got, line * lines, wrong);
    std::printf("  %-44s %9.0f messages per second\n",
                "plain GetMessage/DispatchMessage loop", double(dispatched) / plain_seconds);
}

// Numbers read by a typed field: six digits and Enter a field, the value
// converted and printed back, against a plain loop over the same messages.
void bench_typed(ZEK_object *o, HWND window)
{
    const int digits = 6, fields = 2000;
    auto post_field = [&](int f) {
        for (int i = 0; i < digits; ++i)
            PostMessageA(window, WM_CHAR, '1' + (f + i) % 9, 1);
        PostMessageA(window, ZEK_MACRO_CHAR, 0x10008, 0);
    };
    int32_t value = 0, wrong = 0;
    long got = 0;
    const double start = now_ns();
    for (int f = 0; f < fields; ++f) {
        post_field(f);
        if (Win_Keyin_iG(o, 0, 0, 8, &value, 1) != 0x10008)
            break;
        ++got;
        wrong += value / 100000 != 1 + f % 9;
    }
    const double seconds = (now_ns() - start) / 1e9;

    long dispatched = 0;
    const double plain_start = now_ns();
    for (int f = 0; f < fields; ++f) {
        post_field(f);
        MSG m;
        for (int i = 0; i <= digits && GetMessageA(&m, nullptr, 0, 0) > 0; ++i) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
            ++dispatched;
        }
    }
    const double plain_seconds = (now_ns() - plain_start) / 1e9;

    std::printf("\nTyped fields: %d digits and Enter posted a field, read by Win_Keyin_iG\n", digits);
    std::printf("  %-44s %9.0f fields per second (%ld of %d, %d values differed)\n",
                "read, converted and shown again", double(got) / seconds, got, fields, wrong);
    std::printf("  %-44s %9.0f fields per second (%9.0f messages)\n",
                "plain GetMessage/DispatchMessage loop",
                double(dispatched) / (digits + 1) / plain_seconds, double(dispatched) / plain_seconds);
}

void bench_keys()
{
    ZEK_object *o = Win_ctor2(nullptr);
    member<const char *>(o, "pClassName") = "ZekWinBench";
    member<const char *>(o, "pTitleName") = "win_bench";
    member<int32_t>(o, "bShow") = SW_SHOWNOACTIVATE;
    if (Win_con(o, 0) != 0) {
        std::printf("\nKey codes: the window could not be made\n");
        ZEK_dtorC(o);
        return;
    }
    HWND window = member<HWND>(o, "hWnd");
    // Let creation, showing and painting settle before timing.
    while (MessageLoopEx(o)) {
    }

    // Batches stay well under the posted-message quota of a queue.
    const int batch = 1000, batches = 50;
    int32_t wrong = 0;
    long got = 0;
    const double start = now_ns();
    for (int b = 0; b < batches; ++b) {
        for (int i = 0; i < batch; ++i)
            PostMessageA(window, WM_CHAR, 'a' + i % 26, 1);
        for (int i = 0; i < batch; ++i) {
            const int32_t key = Win_Keyin(o, 0, 0, 0);
            if (key == -1)
                break;
            ++got;
            if (key != 'a' + i % 26)
                ++wrong;
        }
    }
    const double seconds = (now_ns() - start) / 1e9;

    // The same messages through a plain loop, for the cost of the queue and
    // of the window procedure alone.
    long dispatched = 0;
    const double plain_start = now_ns();
    for (int b = 0; b < batches; ++b) {
        for (int i = 0; i < batch; ++i)
            PostMessageA(window, WM_CHAR, 'a' + i % 26, 1);
        MSG m;
        for (int i = 0; i < batch && GetMessageA(&m, nullptr, 0, 0) > 0; ++i) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
            ++dispatched;
        }
    }
    const double plain_seconds = (now_ns() - plain_start) / 1e9;

    std::printf("\nKey codes: WM_CHAR posted to a real window (batches of %d)\n", batch);
    std::printf("  %-44s %9.0f keys per second (%ld of %d, %d differed)\n",
                "read with Win_Keyin", double(got) / seconds, got, batch * batches, wrong);
    std::printf("  %-44s %9.0f messages per second\n",
                "plain GetMessage/DispatchMessage loop", double(dispatched) / plain_seconds);

    bench_gets(o, window);
    bench_typed(o, window);

    Win_Close(o);
    WinQuitLoopEx(o);
    ZEK_dtorC(o);
}

void bench_fonts()
{
    char face[32] = "";
    if (GetSystemFontName(0, face) <= 1)
        std::strcpy(face, "MS Gothic");
    SetFontInit2();
    const long hits = 200000, misses = 20000;
    HFONT f = nullptr;
    const double hit_ns = best_ns_per(hits, [&](long k) {
        for (long i = 0; i < k; ++i)
            f = GetFont2(face, 0, 0, 16, 0, 400);
    });
    // 40 heights in turn: twice the cache, so every request misses.
    const double miss_ns = best_ns_per(misses, [&](long k) {
        for (long i = 0; i < k; ++i)
            f = GetFont2(face, 0, 0, 10 + int32_t(i % 40), 0, 400);
    });
    SetFontInit2();
    std::printf("\nFont requests with GetFont2 (face of system font 0, %s)\n",
                f ? "fonts made" : "NO FONT MADE");
    std::printf("  %-44s %12.0f per second (%8.1f ns)\n", "cache hits (same font again)",
                1e9 / hit_ns, hit_ns);
    std::printf("  %-44s %12.0f per second (%8.1f ns)\n", "cache misses (40 heights in turn)",
                1e9 / miss_ns, miss_ns);
}

}  // namespace

int main()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    gTicksPerNs = double(frequency.QuadPart) / 1e9;
    std::printf("win_bench (%d-bit, QueryPerformanceCounter at %lld Hz)\n\n",
                int(sizeof(void *) * 8), (long long)frequency.QuadPart);

    Win_INIT(GetModuleHandleA(nullptr), nullptr);
    ZEK_object *o = Win_ctor2(nullptr);
    bench_calls(o);
    bench_name_search(o);
    ZEK_dtorC(o);
    bench_keys();
    bench_fonts();
    return 0;
}
