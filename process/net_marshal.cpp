// Message building and the checks of received messages.
#include "net_marshal.h"

#include <cstring>

namespace {

size_t bounded_length(const char *text, size_t limit)
{
    size_t n = 0;
    while (n < limit && text[n])
        ++n;
    return n;
}

}  // namespace

bool net_build_call(NetMessage &m, uint16_t type, uint32_t levelSlot, const int32_t *words,
                    int32_t argBytes, const NetPointer *list, int32_t count)
{
    m = NetMessage{};
    if (argBytes < 4 || argBytes % 4 || argBytes > int32_t(kNetPayloadBytes) || !words ||
        count < 0 || (count && !list))
        return false;
    m.type = type;
    m.word8 = levelSlot;
    m.argBytes = uint16_t(argBytes);
    std::memcpy(m.payload, words, size_t(argBytes));
    uint32_t fixups = 0;
    for (int32_t i = 0; i < count; ++i)
        if (list[i].data)
            ++fixups;
    uint32_t at = uint32_t(argBytes) + 2 * fixups;
    if (at > kNetPayloadBytes)
        return false;
    uint32_t fix = uint32_t(argBytes);
    for (int32_t i = 0; i < count; ++i) {
        const NetPointer &p = list[i];
        if (!p.data)
            continue;  // a null pointer travels unchanged
        int32_t field = p.offset & 0xFFFF;
        if (p.length < 0 || field < 4 || field % 4 || field >= argBytes ||
            uint32_t(p.length) > kNetPayloadBytes - at)
            return false;
        net_put16(m.payload + fix, uint16_t(field));
        fix += 2;
        net_put32(m.payload + field, at);
        std::memcpy(m.payload + at, p.data, size_t(p.length));
        if (p.offset & kNetReturnFlag) {
            m.dataOffset = at;
            m.dataLength = uint32_t(p.length);
        }
        at += uint32_t(p.length);
    }
    m.fixups = uint16_t(fixups);
    m.used = uint16_t(at);
    return true;
}

bool net_build_new(NetMessage &m, uint32_t clientId, uint16_t clientNo, const char *module,
                   int32_t argument)
{
    m = NetMessage{};
    if (!module)
        return false;
    size_t n = bounded_length(module, kNetPayloadBytes);
    if (n + 1 > kNetPayloadBytes - 10)
        return false;  // the name and its terminator must fit
    m.type = kNetNew;
    m.word8 = clientId;
    m.argBytes = 8;
    m.fixups = 1;
    m.clientNo = clientNo;
    m.used = uint16_t(n + 10);
    net_put32(m.payload, 10);
    net_put32(m.payload + 4, uint32_t(argument));
    net_put16(m.payload + 8, 0);
    std::memcpy(m.payload + 10, module, n);
    return true;
}

bool net_build_register(NetMessage &m, uint16_t mode, uint32_t clientId, const char *computer,
                        uint32_t platform, const char *tag)
{
    m = NetMessage{};
    size_t tagLength = tag ? bounded_length(tag, kNetTagBytes) : 0;
    if (tagLength >= kNetTagBytes)
        return false;
    m.type = mode;
    m.word8 = clientId;
    m.used = 148;
    m.word20 = 1;
    m.word24 = 1;
    if (computer)
        std::memcpy(m.payload, computer, bounded_length(computer, kNetNameBytes - 1));
    net_put32(m.payload + 16, platform);
    if (tagLength)
        std::memcpy(m.payload + 20, tag, tagLength);
    return true;
}

bool net_parse_call(const NetMessage &m, NetCallPlan &plan)
{
    plan = NetCallPlan{};
    uint32_t args = m.argBytes, used = m.used, fixups = m.fixups;
    if (used > kNetPayloadBytes || args < 4 || args % 4 || args > used ||
        args + 2 * fixups > used || fixups > kNetMaxWords)
        return false;
    bool isNew = m.type == kNetNew;
    plan.level = int16_t(m.word8 >> 16);
    plan.slot = int32_t(m.word8 & 0xFFFF);
    plan.words = args / 4;
    for (uint32_t i = 0; i < plan.words; ++i)
        plan.value[i] = net_get32(m.payload + 4 * i);
    uint32_t dataStart = args + 2 * fixups;
    for (uint32_t i = 0; i < fixups; ++i) {
        uint32_t field = net_get16(m.payload + args + 2 * i);
        // Word 0 is the target object on calls; the module name on type 14.
        if (field % 4 || field >= args || (field == 0 && !isNew))
            return false;
        uint64_t bit = uint64_t(1) << (field / 4);
        uint32_t offset = plan.value[field / 4];
        if ((plan.pointers & bit) || offset < dataStart || offset >= used)
            return false;
        plan.pointers |= bit;
    }
    if (m.dataLength && (m.dataOffset < dataStart || m.dataOffset > used ||
                         m.dataLength > used - m.dataOffset))
        return false;
    return true;
}

bool net_parse_new(const NetMessage &m, const char *&module, int32_t &argument)
{
    NetCallPlan plan;
    if (m.type != kNetNew || !net_parse_call(m, plan) || plan.words != 2 || plan.pointers != 1)
        return false;
    const char *name = reinterpret_cast<const char *>(m.payload) + plan.value[0];
    size_t room = kNetPayloadBytes - plan.value[0];
    if (bounded_length(name, room) >= room || !name[0])
        return false;  // unterminated or empty name
    module = name;
    argument = int32_t(plan.value[1]);
    return true;
}

bool net_parse_register(const NetMessage &m, NetRegistration &out)
{
    out = NetRegistration{};
    const char *p = reinterpret_cast<const char *>(m.payload);
    size_t tagLength = bounded_length(p + 20, kNetPayloadBytes - 20);
    if (tagLength >= kNetTagBytes)
        return false;
    std::memcpy(out.computer, p, bounded_length(p, kNetNameBytes - 1));
    std::memcpy(out.tag, p + 20, tagLength);
    out.clientId = m.word8;
    out.platform = net_get32(m.payload + 16);
    return true;
}

bool net_accept_answer(const NetPending &pending, const NetMessage &a)
{
    if (a.type != kNetAnswer || a.resultTag != pending.tag || a.wait != 4)
        return false;
    if (a.dataLength) {
        if (a.dataLength != pending.dataLength || a.dataOffset != pending.dataOffset ||
            a.dataOffset > kNetPayloadBytes || a.dataLength > kNetPayloadBytes - a.dataOffset ||
            !pending.data)
            return false;
        std::memcpy(pending.data, a.payload + a.dataOffset, a.dataLength);
    }
    if (pending.result)
        *pending.result = int32_t(a.result);
    return true;
}
