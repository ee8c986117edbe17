// A client program: registers with the server of tag "" under its own tag,
// makes a module object there, calls it and deletes it. Exit code 0, or the
// number of the step that failed.
#include <cstring>

#include "ZEK2.h"

int main(int argc, char **argv)
{
    const char *tag = argc > 1 ? argv[1] : "peer";
    ZEK_object *o = ZEK_class_ctor2(nullptr);
    if (!o || ZEK_class_SendComputerName(o, 16, ".", "", tag) != 1)
        return 10;
    if (ZEK_NetNew(o, "zeknetmod.dll", 5) != 0)
        return 11;
    if (!std::strcmp(tag, "vanish"))  // killed: no close message, nothing deleted
        TerminateProcess(GetCurrentProcess(), 0);
    int32_t r = 0;
    int32_t add[3] = {0, 2, 3};
    if (ZEK_class_SendNetworkProc(o, &r, add, 1, 1, 12) != 0 || r != 10)
        return 12;
    int32_t one[2] = {0, 0};
    ZEK_net_pointer text = {6, 4, const_cast<char *>("hello")};
    if (ZEK_class_SendNetworkProcAny(o, &r, one, 1, 2, 8, 6, 1, &text) != 0 || r != 5)
        return 13;
    char buffer[16] = {};
    int32_t fill[3] = {0, 0, 16};
    ZEK_net_pointer out = {16, 4 | ZEK_NET_RETURN, buffer};
    if (ZEK_class_SendNetworkProcAny(o, &r, fill, 1, 3, 12, 16, 1, &out) != 0 || r != 16 ||
        std::strcmp(buffer, "remote"))
        return 14;
    if (ZEK_class_NetDel(o) != 1)
        return 15;
    o->vtbl->deleting_dtor(o, 1);
    return 0;
}
