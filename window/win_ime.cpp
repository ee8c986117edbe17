// The input method of a window: its conversion window's place and opening it.
// The input-method manager is found when first needed; where there is none,
// both requests do nothing.
#include "win_proc.h"

#include <imm.h>

int gImeOpen;
int gImeBusy;

namespace {

struct ImeFunctions {
    HIMC(WINAPI *getContext)(HWND);
    BOOL(WINAPI *releaseContext)(HWND, HIMC);
    BOOL(WINAPI *setCompositionWindow)(HIMC, LPCOMPOSITIONFORM);
    BOOL(WINAPI *setOpenStatus)(HIMC, BOOL);
};

template <typename Fn>
void find(HMODULE module, const char *name, Fn &fn)
{
    fn = reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

const ImeFunctions *ime()
{
    static const ImeFunctions functions = [] {
        ImeFunctions f{};
        HMODULE module = LoadLibraryA("imm32.dll");
        if (module) {
            find(module, "ImmGetContext", f.getContext);
            find(module, "ImmReleaseContext", f.releaseContext);
            find(module, "ImmSetCompositionWindow", f.setCompositionWindow);
            find(module, "ImmSetOpenStatus", f.setOpenStatus);
        }
        return f;
    }();
    return functions.getContext && functions.releaseContext ? &functions : nullptr;
}

}  // namespace

void win_ime_place(HWND window, int x, int y)
{
    const ImeFunctions *f = ime();
    if (!f || !f->setCompositionWindow || !window)
        return;
    HIMC context = f->getContext(window);
    if (!context)
        return;
    COMPOSITIONFORM form{};
    form.dwStyle = x == -1 && y == -1 ? CFS_DEFAULT : CFS_POINT;
    form.ptCurrentPos = POINT{x, y};
    f->setCompositionWindow(context, &form);
    f->releaseContext(window, context);
}

void win_ime_open(HWND window)
{
    gImeOpen = 1;
    const ImeFunctions *f = ime();
    if (!f || !f->setOpenStatus || !window)
        return;
    HIMC context = f->getContext(window);
    if (!context)
        return;
    f->setOpenStatus(context, TRUE);
    f->releaseContext(window, context);
}
