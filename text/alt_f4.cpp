// Alt+F4 and the system close command, and the cell spacing setters.
#include "../window/win_call.h"

extern "C" int32_t ZEKAPI Win_AltF4(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    // A program that asked for a key instead gets it, and the window stays.
    if (d->AltF4Code)
        return win_post_key(*d, d->AltF4Code) ? 1 : 0;
    if (d->bDtor)
        return 0;
    return win_post(*d, WIN_DTOR, 0, 0) ? 1 : 0;
}

extern "C" void ZEKAPI Win_SetAltF4Code(ZEK_object *object, int32_t code)
{
    if (Win_data *d = win_data_of(object))
        d->AltF4Code = code;
}

extern "C" void ZEKAPI Win_SetMojiSpaceW(ZEK_object *object, int32_t before, int32_t after)
{
    if (Win_data *d = win_data_of(object)) {
        d->ChrWdGx[0] = before;
        d->ChrWdGx[2] = after;
    }
}

extern "C" void ZEKAPI Win_SetMojiSpaceH(ZEK_object *object, int32_t above, int32_t below)
{
    if (Win_data *d = win_data_of(object)) {
        d->ChrWdGy[0] = above;
        d->ChrWdGy[2] = below;
    }
}
