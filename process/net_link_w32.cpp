// Link ends over named pipes and mailslots.
#include "net_link_w32.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "net_dedup.h"
#include "zek2/shared.h"

namespace {

NetDedupTable &dedup_table()
{
    static NetDedupTable *table = new NetDedupTable;  // lives until the process ends
    return *table;
}

struct MailslotSource : NetSlotSource {
    HANDLE slot;
    explicit MailslotSource(HANDLE h) : slot(h) {}
    DWORD next_size() {
        DWORD next = MAILSLOT_NO_MESSAGE, count = 0;
        if (!GetMailslotInfo(slot, nullptr, &next, &count, nullptr))
            return MAILSLOT_NO_MESSAGE;
        return next;
    }
    int read(uint8_t *buffer) override {
        DWORD next = next_size(), got = 0;
        if (next == MAILSLOT_NO_MESSAGE)
            return 0;
        if (next != kNetMessageBytes) {
            // Read and discard, or it would block the slot for ever.
            std::vector<uint8_t> junk(next ? next : 1);
            ReadFile(slot, junk.data(), DWORD(junk.size()), &got, nullptr);
            Shared_printf0("ZEK net: dropped a %lu-byte mailslot message\n", (unsigned long)next);
            return -1;
        }
        if (!ReadFile(slot, buffer, kNetMessageBytes, &got, nullptr) || got != kNetMessageBytes)
            return -1;
        return 1;
    }
    bool waiting() override { return next_size() != MAILSLOT_NO_MESSAGE; }
};

// One overlapped operation on a pipe, given up when the link stops or after
// timeoutMs. True when it completed with bytes (or at all, for a connection).
bool pipe_wait(HANDLE pipe, HANDLE stop, OVERLAPPED &o, DWORD timeoutMs, DWORD &bytes)
{
    HANDLE events[2] = {stop, o.hEvent};
    DWORD w = WaitForMultipleObjects(2, events, FALSE, timeoutMs);
    if (w != WAIT_OBJECT_0 + 1) {
        CancelIo(pipe);
        GetOverlappedResult(pipe, &o, &bytes, TRUE);
        return false;
    }
    return GetOverlappedResult(pipe, &o, &bytes, FALSE) != 0;
}

bool pipe_connect(HANDLE pipe, HANDLE stop, DWORD timeoutMs)
{
    OVERLAPPED o{};
    o.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool ok = false;
    DWORD bytes = 0;
    if (ConnectNamedPipe(pipe, &o))
        ok = true;
    else if (GetLastError() == ERROR_PIPE_CONNECTED)
        ok = true;
    else if (GetLastError() == ERROR_IO_PENDING)
        ok = pipe_wait(pipe, stop, o, timeoutMs, bytes);
    CloseHandle(o.hEvent);
    return ok;
}

// Reads one whole message; false when the link stops or the pipe fails.
bool pipe_read(HANDLE pipe, HANDLE stop, uint8_t *buffer)
{
    OVERLAPPED o{};
    o.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD have = 0;
    bool ok = true;
    while (ok && have < kNetMessageBytes) {
        DWORD got = 0;
        ResetEvent(o.hEvent);
        if (ReadFile(pipe, buffer + have, kNetMessageBytes - have, &got, &o))
            GetOverlappedResult(pipe, &o, &got, FALSE);
        else if (GetLastError() == ERROR_IO_PENDING)
            ok = pipe_wait(pipe, stop, o, INFINITE, got);
        else
            ok = false;
        have += got;
    }
    CloseHandle(o.hEvent);
    return ok;
}

DWORD WINAPI reader_main(void *parameter)
{
    NetLink &link = *static_cast<NetLink *>(parameter);
    uint8_t buffer[kNetMessageBytes];
    NetMessage m;
    if (!link.mailslot) {
        // The server waits a bounded time for its client; the client for as long as the link lives.
        DWORD limit = link.role == kNetServerEnd ? 5000 : INFINITE;
        if (!pipe_connect(link.hRead, link.stop, limit)) {
            link.reading = false;
            return 1;
        }
    }
    while (link.reading && WaitForSingleObject(link.stop, 0) == WAIT_TIMEOUT) {
        if (link.mailslot) {
            if (!net_read_mailslot(link.hRead, buffer)) {
                WaitForSingleObject(link.stop, 2);
                continue;
            }
        } else if (!pipe_read(link.hRead, link.stop, buffer)) {
            break;
        }
        if (net_decode(buffer, sizeof buffer, m))
            net_dispatch(link, m);
    }
    // A pipe that broke without a close message: the peer is gone (ended or
    // killed), so its link ends as if it had said so, with its objects.
    if (!link.mailslot && link.reading && WaitForSingleObject(link.stop, 0) == WAIT_TIMEOUT) {
        NetMessage gone;
        gone.type = kNetClose;
        net_dispatch(link, gone);
    }
    link.reading = false;
    // A link that its peer closed may be this thread's to end; nothing
    // touches it after this.
    std::shared_ptr<NetLink> last = std::move(link.self);
    return 0;
}

}  // namespace

NetLink::NetLink() : stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

NetLink::~NetLink()
{
    NetMessage bye;
    bye.type = kNetClose;
    bye.clientNo = clientNo;
    write(bye);  // the peer closes its end at once; it may be gone, or closed this one
    SetEvent(stop);
    if (thread) {
        if (GetCurrentThreadId() != threadId)
            WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    if (hRead != INVALID_HANDLE_VALUE) {
        if (mailslot)
            net_forget_mailslot(hRead);
        CloseHandle(hRead);
    }
    if (hWrite != INVALID_HANDLE_VALUE)
        CloseHandle(hWrite);
    CloseHandle(stop);
}

bool NetLink::start_reader()
{
    reading = true;
    thread = CreateThread(nullptr, 0, reader_main, this, 0, &threadId);
    if (!thread)
        reading = false;
    return thread != nullptr;
}

void NetLink::close_ends()
{
    {
        std::lock_guard<std::mutex> hold(writeLock);
        if (hWrite != INVALID_HANDLE_VALUE)
            CloseHandle(hWrite);
        hWrite = INVALID_HANDLE_VALUE;
    }
    reading = false;
    if (hRead == INVALID_HANDLE_VALUE)
        return;
    if (mailslot)
        net_forget_mailslot(hRead);
    else
        DisconnectNamedPipe(hRead);
    CloseHandle(hRead);  // a mailslot link's name is free for the next client
    hRead = INVALID_HANDLE_VALUE;
}

bool NetLink::write(NetMessage &m)
{
    std::lock_guard<std::mutex> hold(writeLock);
    if (hWrite == INVALID_HANDLE_VALUE)
        return false;
    m.sequence = net_next_sequence();
    uint8_t bytes[kNetMessageBytes];
    net_encode(m, bytes);
    DWORD wrote = 0;
    return WriteFile(hWrite, bytes, kNetMessageBytes, &wrote, nullptr) && wrote == kNetMessageBytes;
}

std::string net_computer_name()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size))
        return std::string();
    return std::string(name).substr(0, 15);
}

std::string net_peer(const char *computer)
{
    if (!computer || !computer[0] || !std::strcmp(computer, ".") ||
        !lstrcmpiA(computer, net_computer_name().c_str()))
        return ".";
    return computer;
}

std::string net_tag(const char *tag)
{
    return tag && tag[0] ? std::string("\\") + tag : std::string();
}

bool net_force_mailslot()
{
    char value[8] = {};
    return GetEnvironmentVariableA("ZEK_NET_FORCE_MAILSLOT", value, sizeof value) && value[0] == '1';
}

HANDLE net_open_writer(const std::string &path, bool mailslot)
{
    return CreateFileA(path.c_str(), GENERIC_WRITE, mailslot ? FILE_SHARE_READ : 0, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE net_make_pipe(const std::string &name)
{
    return CreateNamedPipeA(name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 255, 0, 0, 0,
                            nullptr);
}

HANDLE net_make_mailslot(const std::string &name, DWORD timeoutMs)
{
    return CreateMailslotA(name.c_str(), 0, timeoutMs, nullptr);
}

uint16_t net_next_sequence()
{
    static std::atomic<uint16_t> counter{0};
    return ++counter;
}

void net_log(const char *what, const NetMessage &m)
{
    Shared_printf0("ZEK net: dropped %s (type %u, object %08lX)\n", what, unsigned(m.type),
                   (unsigned long)m.target);
}

int net_read_mailslot(HANDLE mailslot, uint8_t out[kNetMessageBytes])
{
    if (!mailslot || mailslot == INVALID_HANDLE_VALUE || !out)
        return 0;
    MailslotSource source(mailslot);
    return dedup_table().next(reinterpret_cast<uintptr_t>(mailslot), source, out, GetTickCount());
}

void net_forget_mailslot(HANDLE mailslot)
{
    dedup_table().forget(reinterpret_cast<uintptr_t>(mailslot));
}
