// Prints the cost of paging through a table side by side: a 10,000-record
// file turned page by page with FdioInput_NextPage on a real window with a
// scroll bar (each row drawn by a hook that reads its record), against the
// same records read page by page with Fd_Io alone.
// Not a test: it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ZEK2.h"
#include "bench_util.h"

namespace {

constexpr int32_t kRecords = 10000, kRecSize = 64, kRows = 20;
volatile int32_t gSink;
long gRowsDrawn;

// A row drawn as a program draws it: its record read through the file.
void ZEKAPI draw_line(ZEK_object *f, ZEK_object *, int32_t rec, int32_t, int32_t)
{
    if (Fd_Io_Get(f, rec))
        gSink = gSink + static_cast<const char *>(f->pRecord)[0];
    ++gRowsDrawn;
}

void ZEKAPI no_bar(ZEK_object *) {}

bool make_file(ZEK_object *f, const char *name)
{
    Fd_Io_SetFileName(f, name);
    if (!Fd_Io_Create(f, 0))
        return false;
    member<int32_t>(f, "bRecSize", 1) = kRecSize;
    if (!Fd_Io_Open(f, 32, 0, 4))
        return false;
    for (int32_t r = 0; r < kRecords; ++r) {
        Fd_Io_Get(f, r);
        std::memset(f->pRecord, 'a' + r % 26, kRecSize);
        Fd_Io_Put(f, r);
    }
    member<int32_t>(f, "bDatE", 1) = kRecords - 1;
    return Fd_Io_Flush(f) == 1;
}

}  // namespace

int main()
{
    std::printf("table_bench (%d-bit)\n\n", int(sizeof(void *) * 8));

    Win_INIT(GetModuleHandleA(nullptr), nullptr);
    ZEK_object *w = Win_ctor2(nullptr);
    member<const char *>(w, "pClassName", 1) = "ZekTableBench";
    member<int32_t>(w, "bShow", 1) = SW_SHOWNOACTIVATE;
    Win_InitVScrollBar(w, 1, 0, 0, 0);
    ZEK_object *f = FdioInput_ctor2(nullptr);
    char dir[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "tbb", 0, name);
    if (Win_con(w, 0) != 0 || !make_file(f, name)) {
        std::printf("the window or the record file could not be made\n");
        return 1;
    }
    while (MessageLoopEx(w)) {
    }
    ZEK_layer *editor = ZEK_layer_at(f, 2);
    editor->pSlot[ZEK_NameSearch(editor, "DrawLine")] = reinterpret_cast<ZEK_method_fn>(draw_line);
    FdioInput_SetMaxPage(f, kRows);

    // The same paging once more with the window's scroll bar left alone, for
    // the editor's own share of the cost.
    ZEK_layer *win = ZEK_layer_at(w, 1);
    ZEK_method_fn &bar = win->pSlot[ZEK_NameSearch(win, "SetVScrollBar")];
    const ZEK_method_fn set_bar = bar;
    const int32_t pages = (kRecords + kRows - 1) / kRows;
    auto page_through = [&](bool with_bar) {
        bar = with_bar ? set_bar : reinterpret_cast<ZEK_method_fn>(no_bar);
        FdioInput_CurHome(f, w, 0);
        gRowsDrawn = 0;
        const double start = now_ns();
        int32_t turned = 1;
        while (FdioInput_NextPage(f, w))
            ++turned;
        const double per = (now_ns() - start) / turned;
        if (turned != pages || gRowsDrawn != long(pages - 1) * kRows)
            std::printf("  (paged %d of %d pages, %ld rows)\n", turned, pages, gRowsDrawn);
        return per;
    };

    const int rounds = 5;
    double editor_best = 1e300, barless_best = 1e300, plain_best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        editor_best = std::min(editor_best, page_through(true));
        barless_best = std::min(barless_best, page_through(false));
        const double start = now_ns();
        for (int32_t first = 0; first < kRecords; first += kRows)
            for (int32_t r = first; r < first + kRows && r < kRecords; ++r)
                if (Fd_Io_Get(f, r))
                    gSink = gSink + static_cast<const char *>(f->pRecord)[0];
        plain_best = std::min(plain_best, (now_ns() - start) / pages);
    }
    std::printf("Paging through %d records of %d bytes, %d rows a page (best of %d rounds)\n",
                kRecords, kRecSize, kRows, rounds);
    std::printf("  %-50s %10.0f pages per second (%7.1f us a page)\n",
                "FdioInput_NextPage: rows drawn, scroll bar set", 1e9 / editor_best,
                editor_best / 1e3);
    std::printf("  %-50s %10.0f pages per second (%7.1f us a page)\n",
                "the same without the window's scroll bar", 1e9 / barless_best,
                barless_best / 1e3);
    std::printf("  %-50s %10.0f pages per second (%7.1f us a page)\n",
                "Fd_Io_Get of the same records alone", 1e9 / plain_best, plain_best / 1e3);

    bar = set_bar;
    Fd_Io_Close(f);
    ZEK_dtorC(f);
    DeleteFileA(name);
    Win_Close(w);
    WinQuitLoopEx(w);
    ZEK_dtorC(w);
    return 0;
}
