// What the library does when a process loads or unloads it.
#include <windows.h>

#include "zek2/shared.h"

#include "../graphics/font_cache.h"
#include "object.h"
#include "shared_block.h"

namespace {

HFONT defaultFont;
HGLOBAL imeBlock;  // parameter block of input-method requests

void first_process_attached() {}
void last_process_detached() {}

void process_attach()
{
    ZekSharedHead *head = zek_shared_head();
    if (head->attachCount == 0)
        first_process_attached();
    defaultFont = CreateFontIndirectA(&gMainArg.lf);
    // Selecting it once makes the system realise the font for this process.
    HWND desktop = GetDesktopWindow();
    if (HDC dc = GetDC(desktop)) {
        HGDIOBJ old = SelectObject(dc, defaultFont);
        SelectObject(dc, old);
        ReleaseDC(desktop, dc);
    }
    imeBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 32);
    zek_font_cache_init();
    ++head->attachCount;
}

void process_detach(bool processEnding)
{
    if (defaultFont)
        DeleteObject(defaultFont);
    defaultFont = nullptr;
    if (imeBlock)
        GlobalFree(imeBlock);
    imeBlock = nullptr;
    zek_font_cache_release();
    zek_module_release_at_unload(processEnding);
    ZekSharedHead *head = zek_shared_head();
    uint32_t before = head->attachCount;
    if (before > 0)
        head->attachCount = before - 1;
    if (before == 1)
        last_process_detached();
}

}  // namespace

HGLOBAL zek_ime_block()
{
    return imeBlock;
}

extern "C" HFONT ZEKAPI Get_ghFont(void)
{
    return defaultFont;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        process_attach();
    else if (reason == DLL_THREAD_DETACH)
        zek_module_release_at_thread_end();
    else if (reason == DLL_PROCESS_DETACH)
        process_detach(reserved != nullptr);  // non-null: the process is ending
    return TRUE;
}
