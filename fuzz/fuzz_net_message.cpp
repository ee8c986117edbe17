// Arbitrary and truncated 316-byte messages through the receive path.
#include <cstdint>
#include <cstring>
#include <vector>

#include "../process/net_dedup.h"
#include "../process/net_dispatch.h"

namespace {

struct ChunkSource : NetSlotSource {
    const uint8_t *data;
    size_t size, at = 0;
    int read(uint8_t *buffer) override {
        if (at >= size)
            return 0;
        size_t n = size - at < kNetMessageBytes ? size - at : kNetMessageBytes;
        std::memcpy(buffer, data + at, n);
        at += n;
        return n == kNetMessageBytes ? 1 : -1;
    }
    bool waiting() override { return at < size; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    NetMessage m;
    if (net_decode(data, size < kNetMessageBytes ? size : kNetMessageBytes, m)) {
        for (NetRole role : {kNetServerEnd, kNetClientEnd})
            (void)net_action(role, m);
        NetCallPlan plan;
        if (net_parse_call(m, plan)) {
            for (uint32_t i = 0; i < plan.words; ++i)
                if (plan.pointers >> i & 1)
                    (void)m.payload[plan.value[i]];  // every fixed-up word lies in the payload
            if (m.dataLength)
                (void)m.payload[m.dataOffset + m.dataLength - 1];
        }
        const char *module;
        int32_t argument;
        if (net_parse_new(m, module, argument))
            (void)std::strlen(module);
        NetRegistration r;
        if (net_parse_register(m, r))
            (void)(std::strlen(r.tag) + std::strlen(r.computer));
        int32_t result;
        uint8_t back[kNetPayloadBytes];
        NetPending pending{m.resultTag, &result, back, m.dataOffset, m.dataLength};
        (void)net_accept_answer(pending, m);
    }
    ChunkSource source;
    source.data = data;
    source.size = size;
    NetDedup dedup;
    uint8_t out[kNetMessageBytes];
    for (uint32_t now = 0; dedup.next(source, out, now); now += 700) {
    }
    return 0;
}
