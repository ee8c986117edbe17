// The root class's messaging methods for the native build of the pure
// sources, which has no mailslots or pipes: every method gives its failure
// result.
#include "../runtime/zek_class.h"

void zek_class_net_release(ZEK_object *) {}

extern "C" {

int32_t ZEKAPI ZEK_class_SendNetwork(ZEK_object *, void *, int32_t *, void *, int32_t)
{
    return -1;
}

int32_t ZEKAPI ZEK_class_ReveNetwork(ZEK_object *, void *)
{
    return 0;
}

int32_t ZEKAPI ZEK_class_SendNetworkProc(ZEK_object *, int32_t *, void *, int32_t, int32_t,
                                         int32_t)
{
    return -1;
}

int32_t ZEKAPI ZEK_class_SendNetworkOver(ZEK_object *, int32_t *, void *, const int32_t *,
                                         int32_t, int32_t)
{
    return -1;
}

int32_t ZEKAPI ZEK_class_SendNetworkProcAny(ZEK_object *, int32_t *, void *, int32_t, int32_t,
                                            int32_t, int32_t, int32_t, void *)
{
    return -1;
}

int32_t ZEKAPI ZEK_class_SendNetworkOverAny(ZEK_object *, int32_t *, void *, const int32_t *,
                                            int32_t, int32_t, int32_t, int32_t, void *)
{
    return -1;
}

int32_t ZEKAPI ZEK_class_NetDel(ZEK_object *)
{
    return 0;
}

intptr_t ZEKAPI ZEK_class_StartUpMailslotThread(ZEK_object *, const char *)
{
    return -1;
}

int32_t ZEKAPI ZEK_class_MailslotWaitchThread(ZEK_object *)
{
    return 0;
}

int32_t ZEKAPI ZEK_class_SendComputerName(ZEK_object *, int32_t, const char *, const char *,
                                          const char *)
{
    return 0;
}

int32_t ZEKAPI ZEK_class_PipeReadThreadC(ZEK_object *)
{
    return 0;
}

int32_t ZEKAPI ZEK_class_PipeReadThreadS(ZEK_object *)
{
    return 0;
}

int32_t ZEKAPI ZEK_class_NetMsgJob(ZEK_object *)
{
    return 0;
}

int32_t ZEKAPI ZEK_class_NewCall(ZEK_object *, void *)
{
    return 0;
}

}  // extern "C"
