// Classless message loops: one message, waiting for a window to go, timed waits.
#include "win_call.h"

extern "C" LRESULT ZEKAPI MessageLoopEx(ZEK_object *)
{
    return 0;
}

extern "C" int32_t ZEKAPI WinQuitLoopEx(ZEK_object *)
{
    return 0;
}

extern "C" void ZEKAPI WaitTimeMsecEx(int32_t, ZEK_object *)
{
}

extern "C" void ZEKAPI MsToolWaitClose(ZEK_object *)
{
}

extern "C" int32_t ZEKAPI GetKeyType(void)
{
    return 1;
}
