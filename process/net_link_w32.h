// One end of a link between two programs: its read and write handles over
// pipes or mailslots, the reader thread that dispatches what arrives, and
// the ids of the objects reachable over it.
//
// Ownership: a link is held by shared_ptr. A server object owns the links of
// its clients; the client link of the process is held by the process and by
// every object that registered or made a remote object over it. The link
// owns its handles and its reader thread; destroying the link tells the peer
// (type 10), then stops and joins the thread before the handles close, so no
// thread outlives it. A server link closed by its client leaves its owner's
// list at once and is handed to its own reader, which drops it last.
#ifndef ZEK_PROCESS_NET_LINK_W32_H
#define ZEK_PROCESS_NET_LINK_W32_H

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "net_dispatch.h"
#include "net_registry.h"

struct NetLink {
    NetRole role = kNetServerEnd;
    bool mailslot = false;
    HANDLE hRead = INVALID_HANDLE_VALUE;
    HANDLE hWrite = INVALID_HANDLE_VALUE;
    HANDLE stop = nullptr;     // set when the link goes
    HANDLE thread = nullptr;   // the reader
    DWORD threadId = 0;
    std::atomic<bool> reading{false};
    uint16_t clientNo = 0;     // given by the server at registration, never 0
    ZEK_object *owner = nullptr;  // server end: the object that accepted the client;
                                  // client end: the object that registered
    std::shared_ptr<NetLink> self;  // set while the reader owns the closed link
    NetRegistry objects;
    std::mutex writeLock;

    NetLink();
    ~NetLink();
    NetLink(const NetLink &) = delete;
    NetLink &operator=(const NetLink &) = delete;

    bool start_reader();
    bool write(NetMessage &m);  // stamps the sequence number
    // On the reader's thread only: closes both ends; the reader then stops.
    void close_ends();
};

using NetLinkPtr = std::shared_ptr<NetLink>;

// Names and platform.
std::string net_peer(const char *computer);  // "." for this computer
std::string net_tag(const char *tag);        // "" or "\" + tag
bool net_force_mailslot();
std::string net_computer_name();
HANDLE net_open_writer(const std::string &path, bool mailslot);
HANDLE net_make_pipe(const std::string &name);
HANDLE net_make_mailslot(const std::string &name, DWORD timeoutMs);
uint16_t net_next_sequence();
void net_log(const char *what, const NetMessage &m);

// The received message goes to the network methods (net_methods_w32.cpp).
void net_dispatch(NetLink &link, NetMessage &m);

// ReadMailslot over a handle.
int net_read_mailslot(HANDLE mailslot, uint8_t out[kNetMessageBytes]);
void net_forget_mailslot(HANDLE mailslot);

#endif
