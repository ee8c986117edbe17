// The dispatch decision and the call of a remote method.
#include "net_dispatch.h"

NetAction net_action(NetRole role, const NetMessage &m)
{
    bool server = role == kNetServerEnd;
    switch (m.type) {
    case kNetClose:
        return kNetDoClose;
    case kNetCall:
    case kNetCall2:
        return server ? kNetDoCall : kNetDrop;
    case kNetNew:
        return server ? kNetDoNew : kNetDrop;
    case kNetDelete:
        return server ? kNetDoDelete : kNetDrop;
    case kNetAnswer:
        return server ? kNetDrop : kNetDoAnswer;
    case kNetNewAnswer:
        return server ? kNetDrop : kNetDoNewAnswer;
    case kNetRegisterAnswer:
        return server ? kNetDrop : kNetDoRegisterAnswer;
    default:
        return kNetDrop;
    }
}

ZEK_method_fn net_remote_method(ZEK_object *object, int32_t level, int32_t slot)
{
    if (!object || level < 0 || slot <= 0)
        return nullptr;
    if (level == 0 && slot != 8 && slot != 10)
        return nullptr;
    ZEK_layer *layer = ZEK_layer_at(object, 0);
    for (int32_t i = 0; i < level && layer; ++i) {
        if (i > 16)
            return nullptr;
        layer = layer->pDerived;
    }
    if (!layer || !layer->pSlot || slot >= layer->nMethodRow)
        return nullptr;
    return layer->pSlot[slot];
}

// Methods have many signatures; the call is made through one wide type.
#if defined(__clang__)
__attribute__((no_sanitize("function")))
#endif
int32_t net_invoke(ZEK_method_fn method, ZEK_object *object, const NetCallPlan &plan,
                   uint8_t *payload)
{
    intptr_t a[kNetMaxWords] = {};
    a[0] = reinterpret_cast<intptr_t>(object);
    for (uint32_t i = 1; i < plan.words; ++i)
        a[i] = plan.pointers >> i & 1 ? reinterpret_cast<intptr_t>(payload + plan.value[i])
                                      : intptr_t(int32_t(plan.value[i]));
    // Library methods are caller-cleaned, so surplus words are harmless.
    using Fn = int32_t(ZEKAPI *)(
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t);
    Fn fn = reinterpret_cast<Fn>(method);
    return fn(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12],
              a[13], a[14], a[15], a[16], a[17], a[18], a[19], a[20], a[21], a[22], a[23],
              a[24], a[25], a[26], a[27], a[28], a[29], a[30], a[31], a[32], a[33], a[34],
              a[35], a[36], a[37], a[38], a[39], a[40], a[41], a[42], a[43], a[44], a[45],
              a[46], a[47], a[48], a[49], a[50], a[51], a[52], a[53], a[54], a[55], a[56],
              a[57], a[58], a[59], a[60], a[61], a[62], a[63]);
}
