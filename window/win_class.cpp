// Win: construction with its defaults, the dtor method and deletion.
#include "win_data.h"
#include "win_call.h"
#include "win_proc.h"
#include "../furniture/mdi_links.h"
#include "../graphics/dc_scope.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "zek2/shared.h"
#include "zek2/win_loop.h"
#include "../runtime/object.h"
#include "../runtime/zek_class.h"

namespace {

const char kWinClassName[] = "Win";

// Instance handles given to Win_INIT; copied into every new Win.
HINSTANCE gInstance;
HINSTANCE gPrevInstance;

// A key table row: {key code, handler}; the default table ends at once.
struct Win_key_row {
    int32_t key;
    Win_job_fn handler;
};
const Win_key_row kDefaultKeyTable[1] = {{0, nullptr}};

void ZEKAPI win_deleting_dtor(ZEK_object *object, int32_t flags)
{
    win_delete(object, flags);
}

void set_defaults(Win_data &d)
{
    d.Color = GetForeColor();
    d.BackColor = GetBackColor();
    d.hInst = gInstance;
    d.hPrev = gPrevInstance;
    d.GchrAlign = 8;
    d.bProcIE = 1;
    d.pClassName = "DefWindow";
    d.hbrBackground = reinterpret_cast<HBRUSH>(intptr_t(COLOR_WINDOW + 1));
    d.ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_OWNDC | CS_SAVEBITS;
    d.WinStyle = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    d.pTitleName = "";
    d.WinWdCx = 80;
    d.WinWdCy = 25;
    // A LOGFONT height may be negative (character height); a cell is not.
    const LOGFONTA &lf = Get_gMainArg()->lf;
    d.ChrWdGx[1] = lf.lfWidth < 0 ? -lf.lfWidth : lf.lfWidth;
    d.ChrWdGy[1] = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    d.bDefPos = 1;
    d.bCursorFlag = 1;
    d.bShow = SW_SHOW;
    d.bBufDisp = 1;
    d.bLockFocus = 1;
    d.hFont = Get_ghFont();
    d.PenWidth = d.PenType = -1;
    d.PenColor = COLORREF(-1);
    d.bAutoScroll = 1;
    d.TabStep = 4;
    d.dWvx = d.dWvy = d.dWxb = d.dWyb = 1.0;
    d.ysMx = 594.0;
    d.ysMy = 841.0;
    d.bInpInit = 1;
    d.InpStGx = d.InpStGy = -1;
    d.InpMax = -1;
    d.pBuf = d.sBuf;
    d.pKeyTable = kDefaultKeyTable;
    d.bToolHeight = 32;
    d.bToolEdge = 1;
    d.bLeftMenuW = d.bRightMenuW = d.bTopMenuH = d.bDownMenuH = 32;
    d.bLeftMenuEdge = d.bRightMenuEdge = d.bTopMenuEdge = d.bDownMenuEdge = 3;
    // Derived last, from the values above.
    d.ChrWdBx = d.ChrWdGx[0] + d.ChrWdGx[1] + d.ChrWdGx[2];
    d.ChrWdBy = d.ChrWdGy[0] + d.ChrWdGy[1] + d.ChrWdGy[2];
    d.WinWdGx = d.ChrWdBx * d.WinWdCx;
    d.WinWdGy = d.ChrWdBy * d.WinWdCy;
    d.VScrollPage = d.WinWdCy;
    d.HScrollPage = d.WinWdCx;
    d.VScrollMax = d.WinWdCy - 1;
    d.HScrollMax = d.WinWdCx - 1;
}

// Furniture objects belong to their owner's slots. With a window they go
// with it; made for a window that never came, they go with the owner.
// Toolbars find their slot through the tool frame, so they go first.
void release_unwindowed_furniture(Win_data &d)
{
    for (ZEK_object *&bar : d.pToolBar)
        zek_delete_object(std::exchange(bar, nullptr));
    for (ZEK_object **slot : {&d.pToolFrame, &d.pLeftMenuBar, &d.pRightMenuBar, &d.pTopMenuBar,
                              &d.pDownMenuBar, &d.pStatusBar})
        zek_delete_object(std::exchange(*slot, nullptr));
}

// Whatever way the object is deleted, its layer is released here: a window
// must never be left pointing at a freed object. After win_delete the window
// is gone already; a class deriving from Win may come here directly.
int32_t ZEKAPI win_release_layer(ZEK_object *object, ZEK_layer *layer)
{
    if (layer->pDataArea) {
        win_end_window(object);
        Win_data &d = *win_data(layer);
        mdi_release_links(object, d);
        release_unwindowed_furniture(d);
        win_release_drawing_buffers(d);  // also when it never had a window
        win_release_drawing(d);
    }
    win_unregister(object);
    return ZEK_dtor(object, layer);
}

bool win_init_layer(ZEK_object *object, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kWinRows, kWinRowCount, kWinMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(kWinAreaBytes));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kWinClassName;
    layer->hModule = nullptr;
    static const ZEK_member kMailslotRow[] = {
        {ZEK_KIND_METHOD, "MailslotWaitchThread",
         reinterpret_cast<uintptr_t>(Win_MailslotWaitchThread), 4, 1},
    };
    // The 32-bit area is full, and every Win records the same (level, slot).
    static int32_t mailslotOverwrite[2];
    ZEK_overwrite(layer, ZEK_layer_at(object, 0), kMailslotRow, 1, mailslotOverwrite);
    set_defaults(*win_data(layer));
    layer->pfnFree = win_release_layer;
    win_register(object);
    return true;
}

}  // namespace

const ZEK_vtbl Win_vtbl = {win_deleting_dtor};

ZEK_layer *win_layer(ZEK_object *object)
{
    return zek_find_layer(object, kWinClassName);
}

extern "C" HINSTANCE ZEKAPI Win_INIT(HINSTANCE instance, HINSTANCE previous)
{
    gInstance = instance;
    gPrevInstance = previous;
    return instance;
}

extern "C" ZEK_object *ZEKAPI Win_ctor2(ZEK_object *object)
{
    return zek_construct_derived(object, &Win_vtbl, win_init_layer);
}

extern "C" void ZEKAPI Win_dtor(ZEK_object *object)
{
    ZEK_layer *layer = win_layer(object);
    if (!layer)
        return;
    Win_data &d = *win_data(layer);
    ZEK_object *table = d.pButtonTbl;
    d.pButtonTbl = nullptr;
    zek_delete_object(table);
}

// The window's thread does the mailslot work.
extern "C" int32_t ZEKAPI Win_MailslotWaitchThread(ZEK_object *object)
{
    return net_watch_mailslot(object, [](ZEK_object *o) {
        if (Win_data *d = win_data_of(o))
            PostMessageA(d->hWnd, WIN_NET_JOB, 0, 0);
    });
}
