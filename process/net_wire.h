// The 316-byte message that programs exchange over mailslots and pipes:
// little-endian, fixed-width fields, every byte written by the sender.
#ifndef ZEK_PROCESS_NET_WIRE_H
#define ZEK_PROCESS_NET_WIRE_H

#include <cstddef>
#include <cstdint>

enum : uint32_t {
    kNetMessageBytes = 316,
    kNetHeaderBytes = 60,
    kNetPayloadBytes = 256,
};

enum NetType : uint16_t {
    kNetClose = 10,
    kNetCall = 11,
    kNetCall2 = 12,
    kNetAnswer = 13,
    kNetNew = 14,
    kNetNewAnswer = 15,
    kNetRegister = 16,
    kNetRegisterAnswer = 17,
    kNetDelete = 18,
};

// A message as fields; decoded from and encoded to the wire bytes.
struct NetMessage {
    uint16_t type = 0;
    uint16_t sequence = 0;
    uint32_t target = 0;      // 4: the receiver's object id
    uint32_t word8 = 0;       // 8: level/slot, sender's object id or new object id
    uint16_t argBytes = 0;    // 12
    uint16_t fixups = 0;      // 14
    uint16_t clientNo = 0;    // 16
    uint16_t used = 0;        // 18: payload bytes in use
    uint32_t word20 = 0;      // 20
    uint32_t word24 = 0;      // 24
    uint32_t resultTag = 0;   // 28: echoed in the answer
    uint16_t wait = 0;        // 32: 4 when an answer is awaited
    uint32_t result = 0;      // 36
    uint32_t dataTag = 0;     // 40
    uint32_t dataOffset = 0;  // 44
    uint32_t dataLength = 0;  // 48
    uint8_t payload[kNetPayloadBytes] = {};
};

// Writes all 316 bytes (unused ones as zero).
void net_encode(const NetMessage &message, uint8_t out[kNetMessageBytes]);
// False unless exactly 316 bytes were given.
bool net_decode(const uint8_t *bytes, size_t length, NetMessage &out);

uint16_t net_get16(const uint8_t *p);
uint32_t net_get32(const uint8_t *p);
void net_put16(uint8_t *p, uint16_t v);
void net_put32(uint8_t *p, uint32_t v);

#endif
