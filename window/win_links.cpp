// Win: links to other windows and the stored position of a new window.
#include "win_data.h"

#include "../runtime/class_rows.h"

namespace {

Win_data *data_of(ZEK_object *object)
{
    ZEK_layer *layer = win_layer(object);
    return layer ? win_data(layer) : nullptr;
}

}  // namespace

extern "C" void ZEKAPI Win_SetMotherWin(ZEK_object *object, ZEK_object *mother)
{
    if (Win_data *d = data_of(object))
        d->pMother = mother;
}

extern "C" void ZEKAPI Win_SetChildWin(ZEK_object *object, ZEK_object *child)
{
    if (Win_data *d = data_of(object))
        d->pChild = child;
}

extern "C" void ZEKAPI Win_SetUnderMenuWin(ZEK_object *object, ZEK_object *menu)
{
    if (Win_data *d = data_of(object))
        d->pUnderMenu = menu;
}

extern "C" void ZEKAPI Win_GetDefPos(ZEK_object *object, int32_t *x, int32_t *y)
{
    Win_data *d = data_of(object);
    if (!d)
        return;
    if (x)
        *x = d->bScRect.left + d->ClSx;
    if (y)
        *y = d->bScRect.top + d->ClSy;
}

extern "C" void ZEKAPI Win_SetDefPos(ZEK_object *object, ZEK_object *other)
{
    Win_data *d = data_of(object);
    if (!d)
        return;
    // Through the slot, so that a program's own GetDefPos is honoured.
    if (ZEK_layer *o = win_layer(other); o && o->pSlot && o->pSlot[kWinGetDefPos])
        zek_call_slot<void>(other, o, kWinGetDefPos, &d->WinStGx, &d->WinStGy);
    d->bDefPos = 0;
}

extern "C" void ZEKAPI Win_SetWindowGenten(ZEK_object *object, int32_t x, int32_t y)
{
    Win_data *d = data_of(object);
    if (!d)
        return;
    d->WinStGx = x;
    d->WinStGy = y;
    d->bDefPos = 0;
}
