#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <vector>

#include "../../process/net_dedup.h"
#include "../../process/net_dispatch.h"
#include "../../process/net_registry.h"

namespace {

std::vector<uint8_t> wire(const NetMessage &m)
{
    std::vector<uint8_t> b(kNetMessageBytes);
    net_encode(m, b.data());
    return b;
}

TEST(NetWire, CallMessageMatchesHandBuiltBytes) {
    int32_t words[3] = {0, 7, 0};
    const char text[] = "ab";
    NetPointer p{3, 8 | int32_t(kNetReturnFlag), text};
    NetMessage m;
    ASSERT_TRUE(net_build_call(m, kNetCall, 1u << 16 | 5, words, 12, &p, 1));
    m.sequence = 0x0102;
    m.target = 0xA1B2C3D4;
    std::vector<uint8_t> b = wire(m);
    uint8_t head[20] = {11, 0, 2, 1, 0xD4, 0xC3, 0xB2, 0xA1, 5, 0, 1, 0, 12, 0, 1, 0, 0, 0, 17, 0};
    EXPECT_EQ(0, std::memcmp(b.data(), head, sizeof head));
    EXPECT_EQ(net_get32(&b[44]), 14u);  // returned region: the string's data
    EXPECT_EQ(net_get32(&b[48]), 3u);
    const uint8_t payload[17] = {0, 0, 0, 0, 7, 0, 0, 0, 14, 0, 0, 0, 8, 0, 'a', 'b', 0};
    EXPECT_EQ(0, std::memcmp(&b[60], payload, sizeof payload));
    for (size_t i = 60 + 17; i < b.size(); ++i)
        ASSERT_EQ(b[i], 0) << i;
    NetMessage back;
    ASSERT_TRUE(net_decode(b.data(), b.size(), back));
    EXPECT_EQ(wire(back), b);
    EXPECT_FALSE(net_decode(b.data(), 315, back));
}

TEST(NetWire, NewRegisterAndRefusals) {
    NetMessage m;
    ASSERT_TRUE(net_build_new(m, 0x11223344, 3, "mod.dll", -2));
    std::vector<uint8_t> b = wire(m);
    const uint8_t head[20] = {14, 0, 0, 0, 0, 0, 0, 0, 0x44, 0x33, 0x22, 0x11, 8, 0, 1, 0, 3, 0, 17, 0};
    EXPECT_EQ(0, std::memcmp(b.data(), head, sizeof head));
    const uint8_t payload[18] = {10, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 'm', 'o', 'd', '.', 'd', 'l', 'l', 0};
    EXPECT_EQ(0, std::memcmp(&b[60], payload, sizeof payload));
    const char *module = nullptr;
    int32_t argument = 0;
    ASSERT_TRUE(net_parse_new(m, module, argument));
    EXPECT_STREQ(module, "mod.dll");
    EXPECT_EQ(argument, -2);

    ASSERT_TRUE(net_build_register(m, kNetRegister, 9, "AVERYLONGCOMPUTERNAME", 2, "tag"));
    b = wire(m);
    EXPECT_EQ(net_get16(&b[18]), 148);
    EXPECT_EQ(net_get32(&b[20]), 1u);
    EXPECT_EQ(net_get32(&b[24]), 1u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(&b[60])), "AVERYLONGCOMPUT");
    NetRegistration r;
    ASSERT_TRUE(net_parse_register(m, r));
    EXPECT_STREQ(r.tag, "tag");
    EXPECT_EQ(r.platform, 2u);
    // A tag filling the payload cannot overrun the 128-byte tag.
    std::memset(m.payload + 20, 'x', kNetPayloadBytes - 20);
    EXPECT_FALSE(net_parse_register(m, r));
    std::memset(m.payload, 'y', 16);
    m.payload[20] = 0;
    ASSERT_TRUE(net_parse_register(m, r));
    EXPECT_EQ(std::strlen(r.computer), 15u);

    // Over 256 bytes is refused, not truncated.
    std::vector<char> big(250, 'z');
    int32_t words[2] = {0, 0};
    NetPointer p{250, 4, big.data()};
    EXPECT_FALSE(net_build_call(m, kNetCall, 0, words, 8, &p, 1));
    EXPECT_FALSE(net_build_call(m, kNetCall, 0, words, 6, nullptr, 0));
    NetPointer null{4, 4, nullptr};  // a null pointer travels unchanged
    words[1] = 99;
    ASSERT_TRUE(net_build_call(m, kNetCall, 0, words, 8, &null, 1));
    EXPECT_EQ(m.fixups, 0);
    EXPECT_EQ(net_get32(m.payload + 4), 99u);
}

TEST(NetWire, ReceivedCallsAreCheckedField_by_field) {
    int32_t words[2] = {0, 0};
    const char text[] = "hello";
    NetPointer p{6, 4, text};
    NetMessage good;
    ASSERT_TRUE(net_build_call(good, kNetCall, 0x10002, words, 8, &p, 1));
    NetCallPlan plan;
    ASSERT_TRUE(net_parse_call(good, plan));
    EXPECT_EQ(plan.level, 1);
    EXPECT_EQ(plan.slot, 2);
    EXPECT_EQ(plan.pointers, 2u);
    auto bad = [&](void (*spoil)(NetMessage &)) {
        NetMessage m = good;
        spoil(m);
        NetCallPlan pl;
        return !net_parse_call(m, pl);
    };
    EXPECT_TRUE(bad([](NetMessage &m) { m.used = 300; }));
    EXPECT_TRUE(bad([](NetMessage &m) { m.argBytes = 6; }));
    EXPECT_TRUE(bad([](NetMessage &m) { m.argBytes = 0; }));
    EXPECT_TRUE(bad([](NetMessage &m) { m.fixups = 200; }));
    EXPECT_TRUE(bad([](NetMessage &m) { net_put16(m.payload + 8, 0); }));   // the object word
    EXPECT_TRUE(bad([](NetMessage &m) { net_put16(m.payload + 8, 12); }));  // beyond the block
    EXPECT_TRUE(bad([](NetMessage &m) { net_put32(m.payload + 4, 200); })); // beyond the data
    EXPECT_TRUE(bad([](NetMessage &m) { net_put32(m.payload + 4, 2); }));   // into the block
    EXPECT_TRUE(bad([](NetMessage &m) { m.dataOffset = 10; m.dataLength = 250; }));
    EXPECT_TRUE(bad([](NetMessage &m) { m.dataOffset = 0xFFFFFFF0; m.dataLength = 0x20; }));
    EXPECT_TRUE(bad([](NetMessage &m) { m.fixups = 2; net_put16(m.payload + 10, 4); m.used += 2; }));
}

TEST(NetWire, AnswersOnlyFillThePendingPlaces) {
    int32_t result = 0;
    char data[4] = {};
    NetPending pending{77, &result, data, 20, 4};
    NetMessage a;
    a.type = kNetAnswer;
    a.wait = 4;
    a.resultTag = 77;
    a.result = uint32_t(-5);
    a.dataOffset = 20;
    a.dataLength = 4;
    std::memcpy(a.payload + 20, "wxyz", 4);
    NetMessage wrongTag = a, wrongData = a;
    wrongTag.resultTag = 78;
    wrongData.dataLength = 200;
    EXPECT_FALSE(net_accept_answer(pending, wrongTag));
    EXPECT_FALSE(net_accept_answer(pending, wrongData));
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(net_accept_answer(pending, a));
    EXPECT_EQ(result, -5);
    EXPECT_EQ(0, std::memcmp(data, "wxyz", 4));
}

int32_t ZEKAPI probe_method(ZEK_object *object, int32_t n, const char *text, char *buffer)
{
    std::strcpy(buffer, text);
    return n + int32_t(std::strlen(text)) + (object ? 1000 : 0);
}

TEST(NetDispatch, MethodsAreLookedUpWithinTheObjectsLayers) {
    ZEK_method_fn slots[16] = {};
    for (auto &s : slots)
        s = reinterpret_cast<ZEK_method_fn>(probe_method);
    ZEK_method_fn upper[3] = {slots[0], slots[0], nullptr};
    alignas(ZEK_object) uint8_t memory[sizeof(ZEK_object) + sizeof(ZEK_layer)] = {};
    auto *object = reinterpret_cast<ZEK_object *>(memory);
    ZEK_layer *root = ZEK_layer_at(object, 0), *second = ZEK_layer_at(object, 1);
    root->pSlot = slots;
    root->nMethodRow = 16;
    root->pDerived = second;
    second->pSlot = upper;
    second->nMethodRow = 3;
    EXPECT_NE(net_remote_method(object, 1, 1), nullptr);
    EXPECT_EQ(net_remote_method(object, 1, 2), nullptr);   // empty slot
    EXPECT_EQ(net_remote_method(object, 1, 3), nullptr);   // beyond the layer
    EXPECT_EQ(net_remote_method(object, 1, 0), nullptr);   // destructor
    EXPECT_EQ(net_remote_method(object, 2, 1), nullptr);   // no such layer
    EXPECT_EQ(net_remote_method(object, -1, 1), nullptr);
    EXPECT_EQ(net_remote_method(object, 0, 13), nullptr);  // root internals
    EXPECT_NE(net_remote_method(object, 0, 10), nullptr);

    int32_t words[4] = {0, 5, 0, 0};
    char out[8] = {};
    NetPointer list[2] = {{4, 8, "abc"}, {8, 12 | int32_t(kNetReturnFlag), out}};
    NetMessage m;
    ASSERT_TRUE(net_build_call(m, kNetCall, 0x10001, words, 16, list, 2));
    NetCallPlan plan;
    ASSERT_TRUE(net_parse_call(m, plan));
    EXPECT_EQ(net_invoke(net_remote_method(object, 1, 1), object, plan, m.payload), 1008);
    EXPECT_STREQ(reinterpret_cast<char *>(m.payload + m.dataOffset), "abc");

    EXPECT_EQ(net_action(kNetServerEnd, m), kNetDoCall);
    EXPECT_EQ(net_action(kNetClientEnd, m), kNetDrop);
    m.type = kNetAnswer;
    EXPECT_EQ(net_action(kNetServerEnd, m), kNetDrop);
}

TEST(NetRegistry, IdsNameOnlyLiveObjects) {
    NetRegistry r;
    int a = 0, b = 0;
    auto *oa = reinterpret_cast<ZEK_object *>(&a), *ob = reinterpret_cast<ZEK_object *>(&b);
    uint32_t ia = r.add(oa), ib = r.add(ob);
    EXPECT_NE(ia, 0u);
    EXPECT_NE(ia, ib);
    EXPECT_EQ(r.find(ia), oa);
    EXPECT_EQ(r.find(ia + 1), nullptr);
    EXPECT_EQ(r.take(ia), oa);
    EXPECT_EQ(r.take(ia), nullptr);  // already deleted
    EXPECT_TRUE(r.forget(ob));
    EXPECT_EQ(r.find(ib), nullptr);
}

struct QueueSource : NetSlotSource {
    std::deque<std::vector<uint8_t>> queue;
    int read(uint8_t *buffer) override {
        if (queue.empty())
            return 0;
        std::vector<uint8_t> m = queue.front();
        queue.pop_front();
        if (m.size() != kNetMessageBytes)
            return -1;
        std::memcpy(buffer, m.data(), kNetMessageBytes);
        return 1;
    }
    bool waiting() override { return !queue.empty(); }
};

std::vector<uint8_t> msg(uint8_t head, uint8_t tail)
{
    std::vector<uint8_t> m(kNetMessageBytes);
    m[0] = head;
    m[kNetMessageBytes - 1] = tail;
    return m;
}

TEST(NetDedup, WholeMessagesPerHandleForgottenAfterAWhile) {
    NetDedupTable table;
    QueueSource s;
    uint8_t out[kNetMessageBytes];
    // Two registrations alike in their header, each arriving twice.
    s.queue = {msg(16, 1), msg(16, 1), msg(16, 2), msg(16, 2), std::vector<uint8_t>(5)};
    ASSERT_EQ(table.next(1, s, out, 0), 1);
    EXPECT_EQ(out[315], 1);
    ASSERT_EQ(table.next(1, s, out, 0), 1);
    EXPECT_EQ(out[315], 2);
    EXPECT_EQ(table.next(1, s, out, 0), 0);
    s.queue = {msg(16, 2)};
    EXPECT_EQ(table.next(1, s, out, 100), 0);   // a late copy
    s.queue = {msg(16, 2)};
    EXPECT_EQ(table.next(2, s, out, 100), 1);   // another mailslot
    s.queue = {msg(16, 2)};
    EXPECT_EQ(table.next(1, s, out, 100 + kNetForgetMs + 1), 1);  // a restarted client
    s.queue = {msg(16, 2), msg(16, 2), msg(17, 0)};
    EXPECT_EQ(table.next(1, s, out, 2200), 1);  // copies skipped up to the new one
    EXPECT_EQ(out[0], 17);
}

}  // namespace
