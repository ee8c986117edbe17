// Second process of the shared-block tests.
//   count            exit code = the attach count seen here
//   face NAME        exit code 0 when gMainArg's face name is NAME
//   setface NAME     writes NAME as gMainArg's face name
//   log TEXT         prints TEXT into the shared log
#include <cstring>

#include "../shared_section.h"
#include "ZEK2.h"

int main(int argc, char **argv)
{
    if (argc < 2)
        return 100;
    if (!std::strcmp(argv[1], "count"))
        return int(zek_attach_count());
    if (argc < 3)
        return 101;
    if (!std::strcmp(argv[1], "face"))
        return std::strcmp(Get_gMainArg()->lf.lfFaceName, argv[2]) ? 1 : 0;
    if (!std::strcmp(argv[1], "setface")) {
        lstrcpynA(gMainArg.lf.lfFaceName, argv[2], LF_FACESIZE);
        return 0;
    }
    if (!std::strcmp(argv[1], "log")) {
        Shared_printf0("%s\n", argv[2]);
        return 0;
    }
    return 102;
}
