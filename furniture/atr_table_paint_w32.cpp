// AtrTable: the drawing and layout slots. The buttons' painting and the bar
// layouts come later; until then these draw and place nothing, so a program
// or a test that overwrites them by name sees every call the table makes.
#include "atr_table.h"

extern "C" void ZEKAPI AtrTable_DrawButton1(ZEK_object *, int32_t, int32_t, int32_t) {}
extern "C" void ZEKAPI AtrTable_SetStrAddress(ZEK_object *, int32_t) {}
extern "C" void ZEKAPI AtrTable_DrawBackColor(ZEK_object *, int32_t) {}
extern "C" void ZEKAPI AtrTable_DrawStr(ZEK_object *, int32_t) {}
extern "C" void ZEKAPI AtrTable_DrawFrame(ZEK_object *, int32_t) {}
extern "C" void ZEKAPI AtrTable_DrawFrame11(ZEK_object *, int32_t, int32_t, int32_t, int32_t,
                                            int32_t)
{
}
extern "C" void ZEKAPI AtrTable_DrawFrame12(ZEK_object *, int32_t, int32_t, int32_t, int32_t,
                                            int32_t)
{
}
extern "C" void ZEKAPI AtrTable_DrawFrame22(ZEK_object *, int32_t, int32_t, int32_t, int32_t,
                                            int32_t)
{
}
extern "C" void ZEKAPI AtrTable_DrawFrameTab(ZEK_object *, int32_t, int32_t, int32_t, int32_t,
                                             int32_t)
{
}
extern "C" void ZEKAPI AtrTable_Paint(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_LayoutStatusBar(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_LayoutToolBar(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_LayoutModeMenu(ZEK_object *) {}
extern "C" int32_t ZEKAPI AtrTable_GetButtonMaxH(ZEK_object *)
{
    return 0;
}
extern "C" int32_t ZEKAPI AtrTable_GetButtonMaxW(ZEK_object *)
{
    return 0;
}
extern "C" void ZEKAPI AtrTable_SetPosBar(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_SetPosLock(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_SetPosYoko(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_SetPosTate(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_SetPosFree(ZEK_object *) {}
extern "C" void ZEKAPI AtrTable_GetFrameMaxSize(ZEK_object *, int32_t *maxW, int32_t *maxH,
                                                int32_t *sumW, int32_t *sumH, int32_t *count)
{
    for (int32_t *out : {maxW, maxH, sumW, sumH, count})
        if (out)
            *out = 0;
}

// The width a frame adds to its button on every side.
extern "C" int32_t ZEKAPI AtrTable_GetFrameW(ZEK_object *, int32_t frame)
{
    switch (frame) {
    case 101:
    case 104:
        return 2;
    case 102:
    case 105:
        return 3;
    case 103:
    case 106:
        return 4;
    default:
        return 0;
    }
}
