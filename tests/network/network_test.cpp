// Two programs over pipe and mailslot links: this process serves, the peer
// program (of either architecture) registers, makes, calls and deletes.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "ZEK2.h"
#include "../peer_process.h"
#include "../wincore/wincore_util.h"

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

int32_t client_no(ZEK_object *o)  // root ClientNo, after four pointer-sized members
{
    return static_cast<int32_t *>(ZEK_layer_at(o, 0)->pDataArea)[sizeof(void *)];
}

bool slot_open(const char *name)
{
    HANDLE h = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    return h != INVALID_HANDLE_VALUE && CloseHandle(h);
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
        if (server)
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
    run_peer("zek_net_peer.exe", "slot2", true);  // linked only once the first ended its link
}

// A client killed while its object lives: its broken pipe ends the link and
// deletes what was made for it; the next client is served.
TEST_F(Server, AKilledPeerLeavesNothingBehind) {
    int32_t before = module_dtors(nullptr);
    EXPECT_EQ(run_peer_program("\"zek_net_peer.exe\" vanish"), 0u);
    EXPECT_TRUE(dtors_reach(before + 1));
    run_peer("zek_net_peer.exe", "after", false);
}

// The server object deleted under a linked client: its objects go with it,
// and the client's calls fail at once instead of waiting or crashing.
TEST_F(Server, CallsAfterTheServerWentFail) {
    ZEK_object *c = ZEK_class_ctor2(nullptr);
    ASSERT_EQ(ZEK_class_SendComputerName(c, 16, ".", "", "orphan"), 1);
    ASSERT_EQ(ZEK_NetNew(c, "zeknetmod.dll", 0), 0);
    int32_t dtors = module_dtors(nullptr), r = 0, add[3] = {0, 1, 1};
    server->vtbl->deleting_dtor(server, 1);
    server = nullptr;
    EXPECT_TRUE(dtors_reach(dtors + 1));
    DWORD start = GetTickCount();
    EXPECT_NE(ZEK_class_SendNetworkProc(c, &r, add, 1, 1, 12), 0);
    EXPECT_EQ(ZEK_NetNew(c, "zeknetmod.dll", 0), 0x102);
    EXPECT_LT(GetTickCount() - start, 1000u);
    c->vtbl->deleting_dtor(c, 1);
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

// A proxy's StartUpMailslotThread and SendComputerName run on the server
// object: here it opens a mailslot and registers with it from the server.
TEST_F(Server, ProxyForwardsToItsServerObject) {
    ZEK_object *client = ZEK_class_ctor2(nullptr);
    ASSERT_EQ(ZEK_class_SendComputerName(client, 16, ".", "", "proxy"), 1);
    ASSERT_EQ(ZEK_NetNew(client, "zeknetmod.dll", 0), 0);
    const char *fwd = "\\\\.\\mailslot\\ZEK\\Server\\fwd";
    EXPECT_NE(ZEK_class_StartUpMailslotThread(client, "fwd"), -1);
    EXPECT_TRUE(slot_open(fwd));
    EXPECT_EQ(ZEK_class_SendComputerName(client, 16, ".", "fwd", "fwdc"), 1);
    EXPECT_EQ(ZEK_class_SendComputerName(client, 16, ".", "nobody", "fwdd"), 0);
    int32_t dtors = module_dtors(nullptr);
    EXPECT_EQ(ZEK_class_NetDel(client), 1);
    EXPECT_TRUE(dtors_reach(dtors + 1));
    for (int i = 0; i < 100 && slot_open(fwd); ++i)  // it goes with the remote object's root
        Sleep(20);
    EXPECT_FALSE(slot_open(fwd));
    client->vtbl->deleting_dtor(client, 1);
}

// Each registration gets the next client number, which the objects made for
// it carry too; deleting the registering object ends the link at once: the
// server deletes what it made, and a mailslot link frees its names for the
// next client.
TEST_F(Server, ClientNumbersAndTheEndOfALink) {
    int32_t last = 0, r = 0, self[1] = {0};
    for (const char *mailslot : {(const char *)nullptr, "1", "1"}) {
        SetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", mailslot);
        ZEK_object *c = ZEK_class_ctor2(nullptr);
        EXPECT_EQ(ZEK_class_SendComputerName(c, 20, ".", "", "ender"), 1);  // a notice
        EXPECT_EQ(ZEK_class_SendComputerName(c, 20, ".", "nobody", "ender"), 0);
        ASSERT_EQ(ZEK_class_SendComputerName(c, 16, ".", "", "ender"), 1) << last;
        EXPECT_GT(client_no(c), last);
        last = client_no(c);
        ASSERT_EQ(ZEK_NetNew(c, "zeknetmod.dll", 0), 0);
        ASSERT_EQ(ZEK_class_SendNetworkProc(c, &r, self, 1, 4, 4), 0);
        EXPECT_EQ(r, last);
        int32_t dtors = module_dtors(nullptr);
        c->vtbl->deleting_dtor(c, 1);
        EXPECT_TRUE(dtors_reach(dtors + 1)) << last;
    }
    SetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", nullptr);
}

std::atomic<int32_t> g_linked;
DWORD WINAPI register_with_win(void *client)
{
    g_linked = ZEK_class_SendComputerName(static_cast<ZEK_object *>(client), 16, ".", "win", "winc");
    return 0;
}

// A Win server: its watcher posts the job to the window, and the
// registration is taken only when the window's thread runs it.
TEST(NetWinServer, JobsRunOnTheWindowThread) {
    TestWin w("ZekNetWin");
    place(w.o, 0, 0, 200, 120);
    ASSERT_EQ(Win_con(w.o, 0), 0);
    ASSERT_NE(ZEK_class_StartUpMailslotThread(w.o, "win"), -1);
    ZEK_object *client = ZEK_class_ctor2(nullptr);
    g_linked = -1;
    HANDLE t = CreateThread(nullptr, 0, register_with_win, client, 0, nullptr);
    Sleep(1500);  // the watcher looks every 500 ms
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, w.hwnd(), WIN_NET_JOB, WIN_NET_JOB, PM_NOREMOVE));
    EXPECT_EQ(g_linked, -1);
    while (WaitForSingleObject(t, 10) == WAIT_TIMEOUT)
        pump();
    CloseHandle(t);
    EXPECT_EQ(g_linked, 1);
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
