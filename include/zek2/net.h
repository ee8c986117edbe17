/* Messaging between programs: a server object opens its mailslot
   (ZEK_class_StartUpMailslotThread), a client registers with it
   (ZEK_class_SendComputerName with mode 16), makes an object in the server
   from a class module (ZEK_NetNew), calls its methods by (layer level, slot)
   (ZEK_class_SendNetworkProc... forms) and deletes it (ZEK_class_NetDel).

   Objects travel as 32-bit ids that the receiving end handed out; a message
   naming any other id is dropped and logged to the shared message log.
   Over a link only methods of the layers above the root may be called (and of
   the root only StartUpMailslotThread and SendComputerName); destructors never.

   Links run over named pipes, or over mailslots when the client's platform
   has no pipes or when the environment variable ZEK_NET_FORCE_MAILSLOT is
   "1" in the client (the server follows what the client registered with).
   A peer named "." or by this computer's name is reached as ".".

   A client object whose ServerSelf is set is a proxy: its
   StartUpMailslotThread and SendComputerName run on its server object.
   SendComputerName with a mode other than 16 sends a notice of that type to
   the server's mailslot (1 when written) and links nothing. The server
   numbers its clients from 1 at registration; the number is the ClientNo
   of the registering object and of every object made for that client.

   Ownership: a server object owns its mailslot, its watcher thread, the link
   of every registered client with that link's reader thread, and the objects
   made for its clients that are still live; all of them end with the object
   (its destructor stops and joins the threads first). The process owns its
   current client link until the object that registered it is deleted; each
   client object keeps the link it used alive. When the last one lets go the
   server is told (type 10) and at once closes its end and deletes the
   objects it made for that client. */
#ifndef ZEK2_NET_H
#define ZEK2_NET_H

#include "base.h"
#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* One pointer argument of ZEK_class_SendNetworkProcAny / OverAny: length
   bytes at data travel in the message; offset (low 16 bits) is the place of
   the pointer word in the argument block. A null data pointer travels as it
   is. With ZEK_NET_RETURN set in offset, the bytes as the remote method left
   them are copied back to data when the answer comes (one such entry). A call
   whose arguments and data exceed 256 bytes is refused (result -1). */
typedef struct ZEK_net_pointer {
    int32_t length;
    int32_t offset;
    void *data;
} ZEK_net_pointer;
#define ZEK_NET_RETURN 0x10000

/* Client: asks the server of the process's link to make an object of module
   with argument; 0 when answered (the object's ServerSelf is then the remote
   object's id, or 0 when the server could not make it), 0x102 when no answer
   came within 5000 ms or there is no link. */
int32_t ZEKAPI ZEK_NetNew(ZEK_object *object, const char *module, int32_t argument);

/* Reads the next new 316-byte message of a mailslot into buffer: 1, or 0 when
   there is none. Copies of the message just delivered are skipped (the
   whole message is compared, per mailslot, for two seconds). */
int32_t ZEKAPI ReadMailslot(void *mailslot, void *buffer);

ZEK_EXTERN_C_END

#endif
