// Wire encoding of the 316-byte message.
#include "net_wire.h"

#include <cstring>

uint16_t net_get16(const uint8_t *p)
{
    return uint16_t(p[0] | p[1] << 8);
}

uint32_t net_get32(const uint8_t *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void net_put16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

void net_put32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

void net_encode(const NetMessage &m, uint8_t out[kNetMessageBytes])
{
    std::memset(out, 0, kNetHeaderBytes);
    net_put16(out + 0, m.type);
    net_put16(out + 2, m.sequence);
    net_put32(out + 4, m.target);
    net_put32(out + 8, m.word8);
    net_put16(out + 12, m.argBytes);
    net_put16(out + 14, m.fixups);
    net_put16(out + 16, m.clientNo);
    net_put16(out + 18, m.used);
    net_put32(out + 20, m.word20);
    net_put32(out + 24, m.word24);
    net_put32(out + 28, m.resultTag);
    net_put16(out + 32, m.wait);
    net_put32(out + 36, m.result);
    net_put32(out + 40, m.dataTag);
    net_put32(out + 44, m.dataOffset);
    net_put32(out + 48, m.dataLength);
    std::memcpy(out + kNetHeaderBytes, m.payload, kNetPayloadBytes);
}

bool net_decode(const uint8_t *b, size_t length, NetMessage &m)
{
    if (!b || length != kNetMessageBytes)
        return false;
    m.type = net_get16(b + 0);
    m.sequence = net_get16(b + 2);
    m.target = net_get32(b + 4);
    m.word8 = net_get32(b + 8);
    m.argBytes = net_get16(b + 12);
    m.fixups = net_get16(b + 14);
    m.clientNo = net_get16(b + 16);
    m.used = net_get16(b + 18);
    m.word20 = net_get32(b + 20);
    m.word24 = net_get32(b + 24);
    m.resultTag = net_get32(b + 28);
    m.wait = net_get16(b + 32);
    m.result = net_get32(b + 36);
    m.dataTag = net_get32(b + 40);
    m.dataOffset = net_get32(b + 44);
    m.dataLength = net_get32(b + 48);
    std::memcpy(m.payload, b + kNetHeaderBytes, kNetPayloadBytes);
    return true;
}
