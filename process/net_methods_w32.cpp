// The root class's network methods: the server's mailslot and its watcher,
// registration, remote creation, calls and deletion.
#include <cstring>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "net_link_w32.h"
#include "zek2/net.h"
#include "../runtime/zek_class.h"

namespace {

// What the network keeps per object. The server object owns its mailslot,
// its watcher thread and its clients' links; a client object holds the link
// it talks over and the call it waits for.
struct NetState {
    NetLinkPtr link;           // client: the link to the server
    uint32_t id = 0;           // client: this object's id on link
    bool awaiting = false;
    NetPending pending{};
    HANDLE mailslot = INVALID_HANDLE_VALUE;
    HANDLE watchStop = nullptr, watchThread = nullptr;
    DWORD watchThreadId = 0;
    std::vector<NetLinkPtr> clients;  // server: one per registration
    uint16_t lastClientNo = 0;        // server: the number given last
};

std::mutex g_lock;  // guards the table and the process's client link
std::map<ZEK_object *, NetState> &states()
{
    static auto *table = new std::map<ZEK_object *, NetState>;  // lives until the process ends
    return *table;
}
NetLinkPtr &process_link()
{
    static auto *link = new NetLinkPtr;
    return *link;
}

using Job = int32_t(ZEKAPI *)(ZEK_object *);

int32_t call_root_slot(ZEK_object *object, int slot)
{
    auto fn = reinterpret_cast<Job>(ZEK_layer_at(object, 0)->pSlot[slot]);
    return fn ? fn(object) : 0;
}

HANDLE object_event(ZEK_class_data *d)
{
    if (!d->hEvent)
        d->hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return static_cast<HANDLE>(d->hEvent);
}

void set_object_event(ZEK_object *object)
{
    if (HANDLE e = zek_class_data(object)->hEvent)
        SetEvent(e);
}

// The id of object on link, given when first needed.
uint32_t id_on(const NetLinkPtr &link, ZEK_object *object)
{
    NetLinkPtr old;  // a link let go of ends outside the lock (it joins its reader)
    std::lock_guard<std::mutex> hold(g_lock);
    NetState &s = states()[object];
    if (s.link != link || !s.id) {
        if (s.link)
            s.link->objects.forget(object);
        old = std::move(s.link);
        s.link = link;
        s.id = link->objects.add(object);
    }
    return s.id;
}

// Waits for the answer while the link lives; the pending places are
// withdrawn before returning so a late answer writes nowhere.
DWORD await_answer(ZEK_object *object, const NetLinkPtr &link, DWORD timeoutMs)
{
    HANDLE waits[2] = {object_event(zek_class_data(object)), link->thread};
    DWORD w = WaitForMultipleObjects(link->thread ? 2 : 1, waits, FALSE, timeoutMs);
    std::lock_guard<std::mutex> hold(g_lock);
    states()[object].awaiting = false;
    return w == WAIT_OBJECT_0 ? 0 : WAIT_TIMEOUT;
}

// Client: sends a built call and, with a result place, waits for its answer.
int32_t send_call(ZEK_object *object, NetMessage &m, int32_t *result, void *data)
{
    ZEK_class_data *d = zek_class_data(object);
    NetLinkPtr link;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        link = states()[object].link;
    }
    if (!link || !d->ServerSelf)
        return -1;
    id_on(link, object);
    m.target = uint32_t(d->ServerSelf);
    m.clientNo = 0;
    m.dataTag = 0;  // the data place stays here; the answer never names it
    if (!result) {
        m.wait = 0;
        return link->write(m) ? 0 : -1;
    }
    m.wait = 4;
    HANDLE event = object_event(d);
    {
        std::lock_guard<std::mutex> hold(g_lock);
        NetState &s = states()[object];
        static uint32_t tags;
        m.resultTag = ++tags;
        s.pending = NetPending{m.resultTag, result, data, m.dataOffset, m.dataLength};
        s.awaiting = true;
    }
    ResetEvent(event);
    if (!link->write(m)) {
        std::lock_guard<std::mutex> hold(g_lock);
        states()[object].awaiting = false;
        return -1;
    }
    return await_answer(object, link, INFINITE) == 0 ? 0 : -1;
}

void answer(NetLink &link, NetMessage &a)
{
    if (!link.write(a))
        net_log("an answer the peer did not take", a);
}

// Server: a call of (level, slot) on one of this link's objects.
void serve_call(NetLink &link, NetMessage &m)
{
    ZEK_object *object = link.objects.find(m.target);
    NetCallPlan plan;
    ZEK_method_fn method = nullptr;
    if (!object)
        return net_log("a call of an object not given over this link", m);
    if (!net_parse_call(m, plan) || !(method = net_remote_method(object, plan.level, plan.slot)))
        return net_log("a malformed call", m);
    std::memset(m.payload + m.used, 0, kNetPayloadBytes - m.used);
    ZEK_class_data *d = zek_class_data(object);
    d->result_buf = m.resultTag;
    d->mem_buf = m.dataTag;
    d->bResultByte = m.wait;
    int32_t result = net_invoke(method, object, plan, m.payload);
    if (!m.wait)
        return;
    NetMessage a;
    a.type = kNetAnswer;
    a.target = uint32_t(d->ClientSelf);
    a.resultTag = m.resultTag;
    a.wait = 4;
    a.result = uint32_t(result);
    if (m.dataLength) {
        a.dataOffset = m.dataOffset;
        a.dataLength = m.dataLength;
        std::memcpy(a.payload + a.dataOffset, m.payload + m.dataOffset, m.dataLength);
        a.used = uint16_t(a.dataOffset + a.dataLength);
    }
    answer(link, a);
}

void serve_new(NetLink &link, NetMessage &m)
{
    const char *module = nullptr;
    int32_t argument = 0;
    NetMessage a;
    a.type = kNetNewAnswer;
    a.target = m.word8;
    if (!net_parse_new(m, module, argument)) {
        net_log("a malformed creation", m);
    } else {
        ZEK_object *made = ZEK_class_NewCall2(link.owner, module, argument);
        if (made) {
            ZEK_class_data *d = zek_class_data(made);
            d->ClientSelf = m.word8;
            d->hPipe = link.hWrite;
            d->ClientNo = link.clientNo;
            a.word8 = link.objects.add(made);
        }
    }
    answer(link, a);  // 0 at 8 tells the client that nothing was made
}

void client_answer(NetLink &link, NetMessage &m, NetAction action)
{
    ZEK_object *object = link.objects.find(m.target);
    if (!object)
        return net_log("an answer for no waiting object", m);
    std::lock_guard<std::mutex> hold(g_lock);
    NetState &s = states()[object];
    if (action == kNetDoAnswer) {
        if (!s.awaiting || !net_accept_answer(s.pending, m))
            return net_log("an answer nobody waits for", m);
        s.awaiting = false;
    } else if (action == kNetDoNewAnswer) {
        zek_class_data(object)->ServerSelf = m.word8;
    }
    // Only the registration answer comes before the link has its number.
    if (action != kNetDoAnswer && !link.clientNo)
        link.clientNo = m.clientNo;
    set_object_event(object);
}

// A received close, on the link's reader thread. A server link leaves its
// owner at once, with the objects made over it; its reader ends it.
void close_link(NetLink &link)
{
    link.close_ends();
    if (link.role != kNetServerEnd)
        return;  // the client link goes with the objects that hold it
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = states().find(link.owner);
        if (it == states().end())
            return;  // the owner is being deleted and joins this reader
        auto &clients = it->second.clients;
        for (auto c = clients.begin(); c != clients.end(); ++c) {
            if (c->get() == &link) {
                link.self = std::move(*c);
                clients.erase(c);
                break;
            }
        }
        if (!link.self)
            return;
        if (zek_class_data(link.owner)->pis == &link)
            zek_class_data(link.owner)->pis = nullptr;
    }
    for (ZEK_object *made : link.objects.take_all())
        ZEK_delete(made);
}

DWORD WINAPI watch_main(void *object)
{
    // The object's (possibly replaced) watcher runs until the object stops it.
    auto fn = reinterpret_cast<Job>(ZEK_layer_at(static_cast<ZEK_object *>(object), 0)->pSlot[9]);
    return fn ? DWORD(fn(static_cast<ZEK_object *>(object))) : 0;
}

// Server: accepts a registration read from its mailslot.
void accept_client(ZEK_object *server, const NetMessage &m)
{
    NetRegistration r;
    if (!net_parse_register(m, r))
        return net_log("a malformed registration", m);
    auto link = std::make_shared<NetLink>();
    link->role = kNetServerEnd;
    link->owner = server;
    link->mailslot = r.platform != 2;
    std::string peer = net_peer(r.computer), tag = net_tag(r.tag);
    NetMessage a;
    a.target = r.clientId;
    {
        // Numbers count the clients of this server from 1, skipping 0 on wrap.
        std::lock_guard<std::mutex> hold(g_lock);
        uint16_t &last = states()[server].lastClientNo;
        if (!++last)
            ++last;
        link->clientNo = a.clientNo = last;
    }
    if (link->mailslot) {
        link->hRead = net_make_mailslot("\\\\.\\mailslot\\ZEK\\ctrlW", 1000);
        link->hWrite = net_open_writer("\\\\" + peer + "\\mailslot\\ZEK\\ctrlR" + tag, true);
        a.type = kNetNewAnswer;
    } else {
        link->hRead = net_make_pipe("\\\\.\\PIPE\\ZEK\\CtrlW");
        link->hWrite = net_open_writer("\\\\" + peer + "\\PIPE\\ZEK\\ctrlR" + tag, false);
        a.type = kNetRegisterAnswer;
    }
    if (link->hRead == INVALID_HANDLE_VALUE || link->hWrite == INVALID_HANDLE_VALUE ||
        !link->start_reader())
        return net_log("a registration that could not be linked", m);
    {
        std::lock_guard<std::mutex> hold(g_lock);
        NetState &s = states()[server];
        // Links whose reader has ended are gone for good.
        for (auto it = s.clients.begin(); it != s.clients.end();)
            it = (*it)->reading ? it + 1 : s.clients.erase(it);
        s.clients.push_back(link);
        zek_class_data(server)->pis = link.get();
    }
    answer(*link, a);
}

bool is_proxy(ZEK_object *object)
{
    return zek_class_data(object)->ServerSelf != 0;
}

// A proxy's root method runs on its server object: the integer arguments
// first, then the texts as pointer arguments (a null text travels as 0).
int32_t forward_root_call(ZEK_object *object, int32_t slot, std::initializer_list<int32_t> ints,
                          std::initializer_list<const char *> texts, int32_t failed)
{
    int32_t words[8] = {};
    ZEK_net_pointer list[4] = {};
    int32_t n = 1, count = 0, extra = 0;
    for (int32_t v : ints)
        words[n++] = v;
    for (const char *text : texts) {
        // Over-long texts make the call too large, and it is refused.
        int32_t length = text ? int32_t(strnlen(text, kNetPayloadBytes)) + 1 : 0;
        list[count++] = {length, 4 * n++, const_cast<char *>(text)};
        extra += length;
    }
    int32_t result = failed;
    if (ZEK_class_SendNetworkProcAny(object, &result, words, 0, slot, 4 * n, extra, count, list))
        return failed;
    return result;
}

// A message of another type than a registration goes to the server's
// mailslot as a notice; no link is made and nothing answers it.
int32_t send_notice(ZEK_object *object, int32_t mode, const std::string &path, const char *ownTag)
{
    NetMessage m;
    uint32_t id = 0;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = states().find(object);
        if (it != states().end())
            id = it->second.id;  // the id on its link, if it has one
    }
    if (!net_build_register(m, uint16_t(mode), id, net_computer_name().c_str(),
                            net_force_mailslot() ? 1 : 2, ownTag))
        return 0;
    HANDLE slot = net_open_writer(path, true);
    if (slot == INVALID_HANDLE_VALUE)
        return 0;
    m.sequence = net_next_sequence();
    uint8_t bytes[kNetMessageBytes];
    net_encode(m, bytes);
    DWORD wrote = 0;
    bool sent = WriteFile(slot, bytes, kNetMessageBytes, &wrote, nullptr) && wrote == kNetMessageBytes;
    CloseHandle(slot);
    return sent ? 1 : 0;
}

}  // namespace

void net_dispatch(NetLink &link, NetMessage &m)
{
    NetAction action = net_action(link.role, m);
    switch (action) {
    case kNetDoClose:
        return close_link(link);
    case kNetDoCall:
        return serve_call(link, m);
    case kNetDoNew:
        return serve_new(link, m);
    case kNetDoDelete:
        if (ZEK_object *object = link.objects.take(m.target))
            return ZEK_delete(object);
        return net_log("a deletion of an object not given over this link", m);
    case kNetDoAnswer:
    case kNetDoNewAnswer:
    case kNetDoRegisterAnswer:
        return client_answer(link, m, action);
    case kNetDrop:
        return net_log("a message not meant for this end", m);
    }
}

// Called by the root destructor: stops what the object runs and forgets its ids.
void zek_class_net_release(ZEK_object *object)
{
    NetState s;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = states().find(object);
        if (it == states().end())
            return;
        s = std::move(it->second);
        states().erase(it);
    }
    if (s.watchThread) {
        SetEvent(s.watchStop);
        if (GetCurrentThreadId() != s.watchThreadId)
            WaitForSingleObject(s.watchThread, INFINITE);
        CloseHandle(s.watchThread);
        CloseHandle(s.watchStop);
    }
    if (s.mailslot != INVALID_HANDLE_VALUE) {
        net_forget_mailslot(s.mailslot);
        CloseHandle(s.mailslot);
    }
    if (s.link)
        s.link->objects.forget(object);
    // The object that registered a link ends it: it stops being the process's
    // link, and once no other object holds it the peer is told (type 10) and
    // the handles close, outside the lock (the link joins its reader).
    NetLinkPtr registered;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        if (process_link() && process_link()->owner == object)
            registered = std::move(process_link());
        if (registered)
            registered->owner = nullptr;
        if (s.link && s.link->owner == object)
            s.link->owner = nullptr;
    }
    for (NetLinkPtr &client : s.clients) {
        SetEvent(client->stop);
        std::vector<ZEK_object *> left = client->objects.take_all();
        client.reset();  // joins the reader
        for (ZEK_object *made : left)
            ZEK_delete(made);
    }
    ZEK_class_data *d = zek_class_data(object);
    if (d->hEvent)
        CloseHandle(d->hEvent);
    d->hEvent = nullptr;
    d->pis = d->pic = nullptr;
    d->hMailslot = nullptr;
}

// The watcher loop of a server object; job handles waiting messages.
int32_t net_watch_mailslot(ZEK_object *object, void (*job)(ZEK_object *))
{
    HANDLE stop = nullptr, slot = INVALID_HANDLE_VALUE;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = states().find(object);
        if (it == states().end())
            return 0;
        stop = it->second.watchStop;
        slot = it->second.mailslot;
    }
    while (stop && WaitForSingleObject(stop, 500) == WAIT_TIMEOUT) {
        DWORD count = 0;
        if (GetMailslotInfo(slot, nullptr, nullptr, &count, nullptr) && count)
            job(object);
    }
    return 0;
}

extern "C" {

intptr_t ZEKAPI ZEK_class_StartUpMailslotThread(ZEK_object *object, const char *tag)
{
    if (!object)
        return -1;
    if (is_proxy(object))
        return forward_root_call(object, 8, {}, {tag}, -1);
    ZEK_class_data *d = zek_class_data(object);
    std::lock_guard<std::mutex> hold(g_lock);
    NetState &s = states()[object];
    if (s.mailslot != INVALID_HANDLE_VALUE)
        return reinterpret_cast<intptr_t>(s.mailslot);  // already serving
    HANDLE slot = net_make_mailslot("\\\\.\\mailslot\\ZEK\\Server" + net_tag(tag), 2000);
    if (slot == INVALID_HANDLE_VALUE)
        return -1;
    s.mailslot = slot;
    s.watchStop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    s.watchThread = CreateThread(nullptr, 0x2000, watch_main, object, 0, &s.watchThreadId);
    d->hMailslot = slot;
    return reinterpret_cast<intptr_t>(slot);
}

int32_t ZEKAPI ZEK_class_MailslotWaitchThread(ZEK_object *object)
{
    return net_watch_mailslot(object, [](ZEK_object *o) { call_root_slot(o, 13); });
}

int32_t ZEKAPI ZEK_class_NetMsgJob(ZEK_object *object)
{
    HANDLE slot = INVALID_HANDLE_VALUE;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = states().find(object);
        if (it == states().end())
            return 0;
        slot = it->second.mailslot;
    }
    uint8_t bytes[kNetMessageBytes];
    NetMessage m;
    while (net_read_mailslot(slot, bytes))
        if (net_decode(bytes, sizeof bytes, m) && m.type == kNetRegister)
            accept_client(object, m);
    return 0;
}

int32_t ZEKAPI ZEK_class_SendComputerName(ZEK_object *object, int32_t mode, const char *server,
                                          const char *serverTag, const char *ownTag)
{
    if (!object)
        return 0;
    if (is_proxy(object))
        return forward_root_call(object, 10, {mode}, {server, serverTag, ownTag}, 0);
    std::string own = net_tag(ownTag), peer = net_peer(server), stag = net_tag(serverTag);
    std::string serverSlot = "\\\\" + peer + "\\mailslot\\ZEK\\Server" + stag;
    if (mode != kNetRegister)
        return mode > 0 && mode <= 0xFFFF ? send_notice(object, mode, serverSlot, ownTag) : 0;
    ZEK_class_data *d = zek_class_data(object);
    bool mailslot = net_force_mailslot();
    auto link = std::make_shared<NetLink>();
    link->role = kNetClientEnd;
    link->owner = object;
    link->mailslot = mailslot;
    link->hRead = mailslot ? net_make_mailslot("\\\\.\\mailslot\\ZEK\\CtrlR" + own, 1000)
                           : net_make_pipe("\\\\.\\PIPE\\ZEK\\CtrlR" + own);
    NetMessage m;
    if (link->hRead == INVALID_HANDLE_VALUE ||
        !net_build_register(m, uint16_t(mode), 0, net_computer_name().c_str(),
                            mailslot ? 1 : 2, ownTag))
        return 0;
    HANDLE event = object_event(d);
    ResetEvent(event);  // an earlier answer must not count for this registration
    m.word8 = id_on(link, object);
    // A failed registration leaves the object without the new link.
    auto unbind = [&] {
        std::lock_guard<std::mutex> hold(g_lock);
        NetState &s = states()[object];
        if (s.link == link) {
            link->objects.forget(object);
            s.link.reset();
            s.id = 0;
        }
        return 0;
    };
    if (!link->start_reader())
        return unbind();
    HANDLE slot = net_open_writer(serverSlot, true);
    if (slot == INVALID_HANDLE_VALUE)
        return unbind();
    m.sequence = net_next_sequence();
    uint8_t bytes[kNetMessageBytes];
    net_encode(m, bytes);
    DWORD wrote = 0;
    WriteFile(slot, bytes, kNetMessageBytes, &wrote, nullptr);
    CloseHandle(slot);
    if (WaitForSingleObject(event, 5000) != WAIT_OBJECT_0)
        return unbind();  // the link (and its reader) goes with the last reference
    link->hWrite = mailslot ? net_open_writer("\\\\" + peer + "\\mailslot\\ZEK\\CtrlW", true)
                            : net_open_writer("\\\\" + peer + "\\PIPE\\ZEK\\CtrlW", false);
    if (link->hWrite == INVALID_HANDLE_VALUE)
        return unbind();
    NetLinkPtr old = link;  // the replaced link ends outside the lock
    std::lock_guard<std::mutex> hold(g_lock);
    std::swap(process_link(), old);
    d->pic = link.get();
    d->hPipe = link->hWrite;
    d->ServerSelf = 0;
    d->ClientNo = link->clientNo;
    return 1;
}

int32_t ZEKAPI ZEK_class_PipeReadThreadC(ZEK_object *)
{
    return 0;  // each link runs its own reader
}

int32_t ZEKAPI ZEK_class_PipeReadThreadS(ZEK_object *)
{
    return 0;
}

int32_t ZEKAPI ZEK_NetNew(ZEK_object *object, const char *module, int32_t argument)
{
    if (!object)
        return WAIT_TIMEOUT;
    NetLinkPtr link;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        link = process_link();
    }
    if (!link)
        return WAIT_TIMEOUT;
    ZEK_class_data *d = zek_class_data(object);
    NetMessage m;
    if (!net_build_new(m, id_on(link, object), link->clientNo, module, argument))
        return WAIT_TIMEOUT;
    d->pic = link.get();
    d->hPipe = link->hWrite;
    d->ClientNo = link->clientNo;
    HANDLE event = object_event(d);
    ResetEvent(event);
    d->ServerSelf = 0;
    if (!link->write(m))
        return WAIT_TIMEOUT;
    return await_answer(object, link, 5000);
}

int32_t ZEKAPI ZEK_class_NewCall(ZEK_object *object, void *message)
{
    NetMessage m;
    NetLink *link = object ? static_cast<NetLink *>(zek_class_data(object)->pis) : nullptr;
    if (!link || !message || !net_decode(static_cast<uint8_t *>(message), kNetMessageBytes, m))
        return 0;
    serve_new(*link, m);
    return 1;
}

int32_t ZEKAPI ZEK_class_SendNetwork(ZEK_object *object, void *message, int32_t *result,
                                     void *data, int32_t dataBytes)
{
    NetMessage m;
    if (!object || !message || !net_decode(static_cast<uint8_t *>(message), kNetMessageBytes, m))
        return -1;
    if (!data || dataBytes <= 0 || uint32_t(dataBytes) > kNetPayloadBytes ||
        m.dataOffset > kNetPayloadBytes - uint32_t(dataBytes))
        m.dataOffset = m.dataLength = 0, data = nullptr;
    else
        m.dataLength = uint32_t(dataBytes);
    return send_call(object, m, result, data);
}

int32_t ZEKAPI ZEK_class_ReveNetwork(ZEK_object *object, void *answer)
{
    NetMessage m;
    if (!object || !answer || !net_decode(static_cast<uint8_t *>(answer), kNetMessageBytes, m))
        return 0;
    std::lock_guard<std::mutex> hold(g_lock);
    NetState &s = states()[object];
    if (s.awaiting && net_accept_answer(s.pending, m)) {
        s.awaiting = false;
        set_object_event(object);
    }
    return 0;
}

int32_t ZEKAPI ZEK_class_SendNetworkProcAny(ZEK_object *object, int32_t *result, void *arguments,
                                            int32_t level, int32_t slot, int32_t argumentBytes,
                                            int32_t, int32_t count, void *list)
{
    NetMessage m;
    const auto *entries = static_cast<const ZEK_net_pointer *>(list);
    std::vector<NetPointer> pointers;
    void *back = nullptr;
    for (int32_t i = 0; entries && i < count; ++i) {
        pointers.push_back({entries[i].length, entries[i].offset, entries[i].data});
        if (entries[i].data && entries[i].offset & ZEK_NET_RETURN)
            back = entries[i].data;
    }
    if (!object || !net_build_call(m, kNetCall, uint32_t(level) << 16 | (uint32_t(slot) & 0xFFFF),
                                   static_cast<const int32_t *>(arguments), argumentBytes,
                                   pointers.data(), int32_t(pointers.size())))
        return -1;
    return send_call(object, m, result, back);
}

int32_t ZEKAPI ZEK_class_SendNetworkProc(ZEK_object *object, int32_t *result, void *arguments,
                                         int32_t level, int32_t slot, int32_t argumentBytes)
{
    return ZEK_class_SendNetworkProcAny(object, result, arguments, level, slot, argumentBytes, 0,
                                        0, nullptr);
}

int32_t ZEKAPI ZEK_class_SendNetworkOver(ZEK_object *object, int32_t *result, void *arguments,
                                         const int32_t *levelSlot, int32_t row,
                                         int32_t argumentBytes)
{
    if (!levelSlot || row < 0)
        return -1;
    return ZEK_class_SendNetworkProc(object, result, arguments, levelSlot[2 * row],
                                     levelSlot[2 * row + 1], argumentBytes);
}

int32_t ZEKAPI ZEK_class_SendNetworkOverAny(ZEK_object *object, int32_t *result, void *arguments,
                                            const int32_t *levelSlot, int32_t row,
                                            int32_t argumentBytes, int32_t extraBytes,
                                            int32_t count, void *list)
{
    if (!levelSlot || row < 0)
        return -1;
    return ZEK_class_SendNetworkProcAny(object, result, arguments, levelSlot[2 * row],
                                        levelSlot[2 * row + 1], argumentBytes, extraBytes, count,
                                        list);
}

int32_t ZEKAPI ZEK_class_NetDel(ZEK_object *object)
{
    if (!object)
        return 0;
    ZEK_class_data *d = zek_class_data(object);
    NetLinkPtr link;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = states().find(object);
        if (it != states().end())
            link = it->second.link;
    }
    if (!link || !d->ServerSelf)
        return 0;
    NetMessage m;
    m.type = kNetDelete;
    m.target = uint32_t(d->ServerSelf);
    m.fixups = 1;
    m.clientNo = link->clientNo;
    d->ServerSelf = 0;
    return link->write(m) ? 1 : 0;
}

int32_t ZEKAPI ReadMailslot(void *mailslot, void *buffer)
{
    return net_read_mailslot(static_cast<HANDLE>(mailslot), static_cast<uint8_t *>(buffer));
}

}  // extern "C"
