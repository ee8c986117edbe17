// FdioInput: descriptor table, construction over the record file class,
// destruction, the simple members and the library's versions of the hooks.
#include "fdio_input.h"

#include <cstdlib>

#include "../runtime/class_rows.h"
#include "../runtime/object.h"
#include "../runtime/zek_class.h"

namespace {

void ZEKAPI fdio_input_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_third(object, &FdioInput_vtbl, &Fd_Io_vtbl, flags);
}

using D = FdioInput_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, bInpFlag),
    ZEK_DATA_ROW(D, bAbsMode),
    ZEK_DATA_ROW(D, bInpMode),
    ZEK_DATA_ROW(D, bDatPg),
    ZEK_DATA_ROW(D, bDspYs),
    ZEK_DATA_ROW(D, bDspYn),
    ZEK_DATA_ROW(D, bDspXs),
    ZEK_DATA_ROW(D, bDspXe),
    ZEK_DATA_ROW(D, bInsFlag),
    ZEK_DATA_ROW(D, bCurY),
    ZEK_DATA_ROW(D, bCurX),
    ZEK_DATA_ROW(D, bInpY),
    ZEK_DATA_ROW(D, bInsDel),
    ZEK_DATA_ROW(D, bRvMode),
    ZEK_DATA_ROW(D, bUpDown),
    ZEK_DATA_ROW(D, bInsLock),
    ZEK_DATA_ROW(D, bDelLock),
    ZEK_DATA_ROW(D, bUndoCnt),
    ZEK_DATA_ROW(D, bUndoRec),
    ZEK_DATA_ROW(D, pUndoData),
    ZEK_DATA_ROW(D, hInpThread),
    ZEK_DATA_ROW(D, bInpThreadID),
    ZEK_DATA_ROW(D, nVert),
    ZEK_DATA_ROW(D, pWin),
    zek_method_row("dtor", FdioInput_dtor, kNoResult),
    zek_method_row("InputInitData", FdioInput_InputInitData, kIntResult),
    zek_method_row("InputInitDataDir", FdioInput_InputInitDataDir, kIntResult),
    zek_method_row("InputLoop", FdioInput_InputLoop, kIntResult),
    zek_method_row("InputLine", FdioInput_InputLine, kIntResult),
    zek_method_row("InputLine2", FdioInput_InputLine2, kIntResult),
    zek_method_row("InputLine3", FdioInput_InputLine3, kIntResult),
    zek_method_row("InputLine4", FdioInput_InputLine4, kIntResult),
    zek_method_row("InputLine5", FdioInput_InputLine5, kIntResult),
    zek_method_row("InputCtrl", FdioInput_InputCtrl, kIntResult),
    zek_method_row("InputMode", FdioInput_InputMode, kNoResult),
    zek_method_row("InputDataSave", FdioInput_InputDataSave, kIntResult),
    zek_method_row("InputSaveJob", FdioInput_InputSaveJob, kNoResult),
    zek_method_row("InputStartJob", FdioInput_InputStartJob, kNoResult),
    zek_method_row("InputEndJob", FdioInput_InputEndJob, kNoResult),
    zek_method_row("EditFlagOn", FdioInput_EditFlagOn, kNoResult),
    zek_method_row("EditFlagOff", FdioInput_EditFlagOff, kNoResult),
    zek_method_row("GetEditFlag", FdioInput_GetEditFlag, kIntResult),
    zek_method_row("GetAbsMode", FdioInput_GetAbsMode, kIntResult),
    zek_method_row("SetStartYpos", FdioInput_SetStartYpos, kNoResult),
    zek_method_row("SetMaxPage", FdioInput_SetMaxPage, kNoResult),
    zek_method_row("SetInsLock", FdioInput_SetInsLock, kNoResult),
    zek_method_row("SetDelLock", FdioInput_SetDelLock, kNoResult),
    zek_method_row("BackPage", FdioInput_BackPage, kIntResult),
    zek_method_row("NextPage", FdioInput_NextPage, kIntResult),
    zek_method_row("CurHome", FdioInput_CurHome, kIntResult),
    zek_method_row("CurSHome", FdioInput_CurSHome, kIntResult),
    zek_method_row("CurUp", FdioInput_CurUp, kIntResult),
    zek_method_row("CurDown", FdioInput_CurDown, kIntResult),
    zek_method_row("CurVertScroll", FdioInput_CurVertScroll, kIntResult),
    zek_method_row("CurLeft", FdioInput_CurLeft, kNoResult),
    zek_method_row("CurRight", FdioInput_CurRight, kNoResult),
    zek_method_row("CurUpCk", FdioInput_CurUpCk, kNoResult),
    zek_method_row("CurDownCk", FdioInput_CurDownCk, kNoResult),
    zek_method_row("CurLeftCk", FdioInput_CurLeftCk, kNoResult),
    zek_method_row("CurRightCk", FdioInput_CurRightCk, kNoResult),
    zek_method_row("CurNext", FdioInput_CurNext, kIntResult),
    zek_method_row("LineIns", FdioInput_LineIns, kIntResult),
    zek_method_row("LineInsMsg", FdioInput_LineInsMsg, kIntResult),
    zek_method_row("LineDelMsg", FdioInput_LineDelMsg, kIntResult),
    zek_method_row("LineDel", FdioInput_LineDel, kIntResult),
    zek_method_row("DrawPage", FdioInput_DrawPage, kNoResult),
    zek_method_row("DrawPageDir", FdioInput_DrawPageDir, kNoResult),
    zek_method_row("SetDrawPage", FdioInput_SetDrawPage, kNoResult),
    zek_method_row("DrawLine", FdioInput_DrawLine, kNoResult),
    zek_method_row("DrawDelLine", FdioInput_DrawDelLine, kNoResult),
    zek_method_row("UpDownSw", FdioInput_UpDownSw, kNoResult),
    zek_method_row("SetUpDown", FdioInput_SetUpDown, kNoResult),
    zek_method_row("SetMouseAdd", FdioInput_SetMouseAdd, kIntResult),
    zek_method_row("InputUndo", FdioInput_InputUndo, kIntResult),
    zek_method_row("InputRedo", FdioInput_InputRedo, kIntResult),
    zek_method_row("SetDrawPageA", FdioInput_SetDrawPageA, kNoResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 76 && kRowCount - 24 == kFdinMethods, "FdioInput rows");

bool init_layer(ZEK_object *object, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kFdinMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(FdioInput_area)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kFdioInputClassName;
    layer->hModule = nullptr;
    FdioInput_data &d = fdio_input_area(layer)->data;
    d.bDspYs = 2;
    d.bDspYn = 10;
    d.bDspXs = 1;
    d.bDspXe = 1;
    d.bInsFlag = 1;
    d.bCurY = 2;
    d.bInpY = 1;
    d.bInsDel = 1;
    d.bUpDown = 1;
    if (ZEK_layer *io = fd_io_layer(object)) {
        Fd_Io_data &r = fd_io_area(io)->data;
        r.bMaxRec = 9000;
        r.bDatE = -1;
        r.bDatS = 0;
        r.bDatC = 0;
    }
    return true;
}

// Tables whose loops run on this thread, newest first, linked through their areas.
thread_local ZEK_object *t_loops = nullptr;

}  // namespace

const char kFdioInputClassName[] = "FdioInput";
const ZEK_vtbl FdioInput_vtbl = {fdio_input_deleting_dtor};

ZEK_layer *fdio_input_find_layer(ZEK_object *object)
{
    return zek_find_layer(object, kFdioInputClassName);
}

FdioParts fdio_parts(ZEK_object *f)
{
    FdioParts p;
    ZEK_layer *in = fdio_input_layer(f);
    ZEK_layer *io = in ? fd_io_layer(f) : nullptr;
    if (!in || !io)
        return p;
    p.in = in;
    p.io = io;
    p.rec = &fd_io_area(io)->data;
    p.d = &fdio_input_area(in)->data;
    return p;
}

TableCursor fdio_cursor(const FdioParts &p)
{
    const Fd_Io_data &r = *p.rec;
    const FdioInput_data &d = *p.d;
    return TableCursor{r.bDatS,  r.bDatE,  r.bDatC,  r.bMaxRec, d.bDatPg, d.bDspYs,   d.bDspYn,
                       d.bInpY,  d.bDspXs, d.bDspXe, d.bCurX,   d.bCurY,  d.bAbsMode, d.bInpFlag};
}

void fdio_store(const FdioParts &p, const TableCursor &t)
{
    p.rec->bDatE = t.bDatE;
    p.rec->bDatC = t.bDatC;
    p.d->bDatPg = t.bDatPg;
    p.d->bCurX = t.bCurX;
    p.d->bCurY = t.bCurY;
    p.d->bAbsMode = t.bAbsMode;
    p.d->bInpFlag = t.bInpFlag;
}

bool fdio_loop_running(const void *object)
{
    for (ZEK_object *o = t_loops; o; o = fdio_input_area(fdio_input_layer(o))->nextLoop)
        if (o == object)
            return true;
    return false;
}

void fdio_loop_enter(ZEK_object *f, FdioInput_area *a)
{
    a->running = 1;
    a->nextLoop = t_loops;
    t_loops = f;
}

void fdio_loop_leave(ZEK_object *f, FdioInput_area *a)
{
    for (ZEK_object **link = &t_loops; *link;
         link = &fdio_input_area(fdio_input_layer(*link))->nextLoop) {
        if (*link == f) {
            *link = a->nextLoop;
            break;
        }
    }
    a->nextLoop = nullptr;
    a->running = 0;
}

// Three layers: the root, the record file, the editor. With an object only
// the editor's layer is built, on the record file layer already there.
extern "C" ZEK_object *ZEKAPI FdioInput_ctor2(ZEK_object *object)
{
    return zek_construct_third(object, &Fd_Io_vtbl, Fd_Io_ctor2, &FdioInput_vtbl, init_layer);
}

// A table deleted while its loop is still listed must not be found by a
// timer tick afterwards.
extern "C" void ZEKAPI FdioInput_dtor(ZEK_object *f)
{
    ZEK_layer *layer = fdio_input_layer(f);
    if (layer && fdio_input_area(layer)->running)
        fdio_loop_leave(f, fdio_input_area(layer));
}

namespace {

FdioInput_data *data_of(ZEK_object *f)
{
    ZEK_layer *layer = fdio_input_layer(f);
    return layer ? &fdio_input_area(layer)->data : nullptr;
}

}  // namespace

extern "C" void ZEKAPI FdioInput_InputMode(ZEK_object *f, int32_t mode, int32_t xs, int32_t xe)
{
    if (FdioInput_data *d = data_of(f)) {
        d->bInpMode = mode;
        d->bDspXs = xs;
        d->bDspXe = xe;
        d->bCurX = xs;
    }
}

extern "C" void ZEKAPI FdioInput_EditFlagOn(ZEK_object *f)
{
    if (FdioInput_data *d = data_of(f))
        d->bInpFlag = 1;
}

extern "C" void ZEKAPI FdioInput_EditFlagOff(ZEK_object *f)
{
    if (FdioInput_data *d = data_of(f))
        d->bInpFlag = 0;
}

extern "C" int32_t ZEKAPI FdioInput_GetEditFlag(ZEK_object *f)
{
    FdioInput_data *d = data_of(f);
    return d ? d->bInpFlag : 0;
}

extern "C" int32_t ZEKAPI FdioInput_GetAbsMode(ZEK_object *f)
{
    FdioInput_data *d = data_of(f);
    return d ? d->bAbsMode : 0;
}

extern "C" void ZEKAPI FdioInput_SetStartYpos(ZEK_object *f, int32_t y)
{
    if (FdioInput_data *d = data_of(f))
        d->bDspYs = y;
}

extern "C" void ZEKAPI FdioInput_SetMaxPage(ZEK_object *f, int32_t n)
{
    if (FdioInput_data *d = data_of(f))
        d->bDspYn = n;
}

extern "C" void ZEKAPI FdioInput_SetInsLock(ZEK_object *f, int32_t v)
{
    if (FdioInput_data *d = data_of(f))
        d->bInsLock = v;
}

extern "C" void ZEKAPI FdioInput_SetDelLock(ZEK_object *f, int32_t v)
{
    if (FdioInput_data *d = data_of(f))
        d->bDelLock = v;
}

extern "C" void ZEKAPI FdioInput_SetUpDown(ZEK_object *f, int32_t v)
{
    if (FdioInput_data *d = data_of(f))
        d->bUpDown = v;
}

extern "C" void ZEKAPI FdioInput_UpDownSw(ZEK_object *f)
{
    if (FdioInput_data *d = data_of(f))
        d->bUpDown = d->bUpDown != 1 ? 1 : -1;
}

// The hooks: what a program that overwrites none of them gets.
extern "C" int32_t ZEKAPI FdioInput_InputLine(ZEK_object *, ZEK_object *, int32_t, int32_t,
                                              int32_t, int32_t, int32_t)
{
    return 0;
}

extern "C" int32_t ZEKAPI FdioInput_InputLine2(ZEK_object *, ZEK_object *, int32_t, int32_t,
                                               int32_t, int32_t, int32_t)
{
    return 0;
}

extern "C" int32_t ZEKAPI FdioInput_InputLine3(ZEK_object *, ZEK_object *, int32_t, int32_t,
                                               int32_t, int32_t, int32_t)
{
    return 0;
}

extern "C" int32_t ZEKAPI FdioInput_InputLine4(ZEK_object *, ZEK_object *, int32_t, int32_t,
                                               int32_t, int32_t, int32_t)
{
    return 0;
}

extern "C" int32_t ZEKAPI FdioInput_InputLine5(ZEK_object *, ZEK_object *, int32_t, int32_t,
                                               int32_t, int32_t, int32_t)
{
    return 0;
}

extern "C" int32_t ZEKAPI FdioInput_InputCtrl(ZEK_object *, ZEK_object *, int32_t)
{
    return 0;
}

extern "C" void ZEKAPI FdioInput_InputSaveJob(ZEK_object *, int32_t, int32_t) {}
extern "C" void ZEKAPI FdioInput_InputStartJob(ZEK_object *, ZEK_object *) {}
extern "C" void ZEKAPI FdioInput_InputEndJob(ZEK_object *, ZEK_object *) {}
extern "C" void ZEKAPI FdioInput_CurLeftCk(ZEK_object *) {}
extern "C" void ZEKAPI FdioInput_CurRightCk(ZEK_object *) {}
extern "C" void ZEKAPI FdioInput_DrawLine(ZEK_object *, ZEK_object *, int32_t, int32_t, int32_t) {}
extern "C" void ZEKAPI FdioInput_DrawDelLine(ZEK_object *, ZEK_object *, int32_t) {}

extern "C" int32_t ZEKAPI FdioInput_LineInsMsg(ZEK_object *, ZEK_object *, int32_t, int32_t)
{
    return 1;
}

extern "C" int32_t ZEKAPI FdioInput_LineDelMsg(ZEK_object *, ZEK_object *, int32_t)
{
    return 1;
}

extern "C" int32_t ZEKAPI FdioInput_InputUndo(ZEK_object *, ...)
{
    return 0;
}

extern "C" int32_t ZEKAPI FdioInput_InputRedo(ZEK_object *, ...)
{
    return 0;
}
