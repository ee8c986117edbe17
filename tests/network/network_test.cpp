// Two programs over pipe and mailslot links: this process serves, the peer
// program (of either architecture) registers, makes, calls and deletes.
#include <gtest/gtest.h>

#include <string>

#include "ZEK2.h"
#include "../peer_process.h"

namespace {

using Counts = int32_t(ZEKAPI *)(int32_t *);

int32_t module_dtors(int32_t *calls)
{
    HMODULE m = GetModuleHandleA("zeknetmod.dll");
    int32_t dummy = 0;
    auto counts = m ? reinterpret_cast<Counts>(GetProcAddress(m, "net_counts")) : nullptr;
    return counts ? counts(calls ? calls : &dummy) : 0;
}

// Waits until the module has seen want destructions (deletion is not answered).
bool dtors_reach(int32_t want)
{
    for (int i = 0; i < 100 && module_dtors(nullptr) < want; ++i)
        Sleep(20);
    return module_dtors(nullptr) == want;
}

struct Server : ::testing::Test {
    ZEK_object *server = nullptr;
    HMODULE keep = nullptr;  // keeps the module's counters across its objects
    void SetUp() override {
        keep = LoadLibraryA("zeknetmod.dll");
        server = ZEK_class_ctor2(nullptr);
        ASSERT_NE(ZEK_class_StartUpMailslotThread(server, ""), -1);
    }
    void TearDown() override {
        server->vtbl->deleting_dtor(server, 1);
        FreeLibrary(keep);
    }
    void run_peer(const std::string &exe, const char *tag, bool mailslot) {
        int32_t before = module_dtors(nullptr);
        SetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", mailslot ? "1" : nullptr);
        DWORD code = run_peer_program("\"" + exe + "\" " + tag);
        SetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", nullptr);
        EXPECT_EQ(code, 0u) << exe << (mailslot ? " over mailslots" : " over pipes");
        EXPECT_TRUE(dtors_reach(before + 1));
    }
};

TEST_F(Server, PeersOverPipesThenMailslots) {
    run_peer("zek_net_peer.exe", "first", false);
    run_peer("zek_net_peer.exe", "second", false);
    run_peer("zek_net_peer.exe", "slot", true);
}

TEST_F(Server, PeerOfTheOtherArchitecture) {
    std::string other = std::string(ZEK_OTHER_BIN) + "\\zek_net_peer.exe";
    if (GetFileAttributesA(other.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the other architecture's peer is not built: " << other;
    int32_t before = module_dtors(nullptr);
    DWORD code = run_peer_program("\"" + other + "\" cross");
    if (code == 0xFFFFFFFF)
        GTEST_SKIP() << "this lane cannot start the other architecture's program";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(dtors_reach(before + 1));
}

// Forged messages over a live link: ids never issued and ids already deleted
// are dropped; the server keeps serving.
TEST_F(Server, ForgedIdsAreDroppedAndServingGoesOn) {
    ZEK_object *client = ZEK_class_ctor2(nullptr);
    ASSERT_EQ(ZEK_class_SendComputerName(client, 16, ".", "", "self"), 1);
    ASSERT_EQ(ZEK_NetNew(client, "zeknetmod.dll", 1), 0);
    auto *d = static_cast<uintptr_t *>(ZEK_layer_at(client, 0)->pDataArea);
    uintptr_t live = d[1];  // ServerSelf
    ASSERT_NE(live, 0u);
    int32_t add[3] = {0, 1, 1}, r = 0, calls = 0, callsBefore = 0;
    module_dtors(&callsBefore);
    d[1] = live + 1;  // never issued
    EXPECT_EQ(ZEK_class_SendNetworkProc(client, nullptr, add, 1, 1, 12), 0);
    EXPECT_EQ(ZEK_class_NetDel(client), 1);
    d[1] = live;
    EXPECT_EQ(ZEK_class_SendNetworkProc(client, nullptr, add, 1, 0, 12), 0);  // its destructor
    EXPECT_EQ(ZEK_class_SendNetworkProc(client, nullptr, add, 0, 13, 12), 0);  // root internals
    ASSERT_EQ(ZEK_class_SendNetworkProc(client, &r, add, 1, 1, 12), 0);
    EXPECT_EQ(r, 3);
    module_dtors(&calls);
    EXPECT_EQ(calls, callsBefore + 1);
    int32_t dtors = module_dtors(nullptr);
    EXPECT_EQ(ZEK_class_NetDel(client), 1);
    EXPECT_TRUE(dtors_reach(dtors + 1));
    d[1] = live;  // already deleted
    EXPECT_EQ(ZEK_class_SendNetworkProc(client, nullptr, add, 1, 1, 12), 0);
    ASSERT_EQ(ZEK_NetNew(client, "zeknetmod.dll", 2), 0);
    ASSERT_EQ(ZEK_class_SendNetworkProc(client, &r, add, 1, 1, 12), 0);
    EXPECT_EQ(r, 4);
    module_dtors(&calls);
    EXPECT_EQ(calls, callsBefore + 2);
    EXPECT_EQ(ZEK_NetNew(client, "missing.dll", 0), 0);  // answered: nothing made
    EXPECT_EQ(d[1], 0u);
    client->vtbl->deleting_dtor(client, 1);
}

TEST(NetNoServer, RegistrationFailsWithinItsTimeOut) {
    ZEK_object *client = ZEK_class_ctor2(nullptr);
    EXPECT_EQ(ZEK_class_SendComputerName(client, 16, ".", "nobody", "lonely"), 0);
    HANDLE mute = CreateMailslotA("\\\\.\\mailslot\\ZEK\\Server\\mute", 0, 0, nullptr);
    ASSERT_NE(mute, INVALID_HANDLE_VALUE);
    DWORD start = GetTickCount();
    EXPECT_EQ(ZEK_class_SendComputerName(client, 16, ".", "mute", "lonely"), 0);
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 4500u);
    EXPECT_LE(took, 7000u);
    CloseHandle(mute);
    client->vtbl->deleting_dtor(client, 1);
}

}  // namespace
