// The root class: its descriptor table, construction and clean-up.
#include "zek_class.h"

#include <cstdlib>

#include "class_rows.h"
#include "object.h"

namespace {

void ZEKAPI zek_class_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_release_layer(object, &ZEK_class_vtbl, ZEK_layer_at(object, 0));
    zek_finish_delete(object, flags);
}

using D = ZEK_class_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, ClientSelf),
    ZEK_DATA_ROW(D, ServerSelf),
    ZEK_DATA_ROW(D, hEvent),
    ZEK_DATA_ROW(D, hPipe),
    ZEK_DATA_ROW(D, ClientNo),
    ZEK_DATA_ROW(D, result_buf),
    ZEK_DATA_ROW(D, mem_buf),
    ZEK_DATA_ROW(D, bResultByte),
    ZEK_DATA_ROW(D, hMailslot),
    ZEK_DATA_ROW(D, MailslotThread),
    ZEK_DATA_ROW(D, PipeThreadC),
    ZEK_DATA_ROW(D, PipeThreadS),
    ZEK_DATA_ROW(D, pic),
    ZEK_DATA_ROW(D, pis),
    zek_method_row("dtor", ZEK_class_dtor, kNoResult),
    zek_method_row("SendNetwork", ZEK_class_SendNetwork, kIntResult),
    zek_method_row("ReveNetwork", ZEK_class_ReveNetwork, kIntResult),
    zek_method_row("SendNetworkProc", ZEK_class_SendNetworkProc, kIntResult),
    zek_method_row("SendNetworkOver", ZEK_class_SendNetworkOver, kIntResult),
    zek_method_row("SendNetworkProcAny", ZEK_class_SendNetworkProcAny, kIntResult),
    zek_method_row("SendNetworkOverAny", ZEK_class_SendNetworkOverAny, kIntResult),
    zek_method_row("NetDel", ZEK_class_NetDel, kIntResult),
    zek_method_row("StartUpMailslotThread", ZEK_class_StartUpMailslotThread, kIntResult),
    zek_method_row("MailslotWaitchThread", ZEK_class_MailslotWaitchThread, kIntResult),
    zek_method_row("SendComputerName", ZEK_class_SendComputerName, kIntResult),
    zek_method_row("PipeReadThreadC", ZEK_class_PipeReadThreadC, kIntResult),
    zek_method_row("PipeReadThreadS", ZEK_class_PipeReadThreadS, kIntResult),
    zek_method_row("NetMsgJob", ZEK_class_NetMsgJob, kIntResult),
    zek_method_row("NewCall", ZEK_class_NewCall, kIntResult),
    zek_method_row("NewCall2", ZEK_class_NewCall2, kIntResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 30, "root class rows");

}  // namespace

const ZEK_vtbl ZEK_class_vtbl = {zek_class_deleting_dtor};

extern "C" ZEK_object *ZEKAPI ZEK_class_ctor2(ZEK_object *object)
{
    bool owns = object == nullptr;
    if (owns) {
        object = zek_object_alloc(1);
        if (!object)
            return nullptr;
        object->vtbl = &ZEK_class_vtbl;
    }
    ZEK_layer *layer = ZEK_layer_at(object, 0);
    ZEK_tbl_Init1(layer, kRows, kRowCount, kZekClassMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(ZEK_class_data)));
    if (!layer->pSlot) {
        zek_abandon_object(object, 0, owns);
        return nullptr;
    }
    layer->pszClass = "ZEK_class";
    layer->hModule = nullptr;
    layer->nLevel = 0;
    return object;
}

extern "C" void ZEKAPI ZEK_class_dtor(ZEK_object *object)
{
    if (!object)
        return;
    ZEK_class_data *data = zek_class_data(object);
    if (!data)
        return;
    zek_class_net_release(object);
}

extern "C" ZEK_object *ZEKAPI ZEK_class_NewCall2(ZEK_object *, const char *fileName,
                                                 intptr_t argument)
{
    return ZEK_new(fileName, argument);
}
