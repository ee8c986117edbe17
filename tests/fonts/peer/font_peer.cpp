// Second process of the font tests.
//   get N NAME   exit code 0 when system font name N is NAME
//   set N NAME   sets system font name N to NAME; exit code 0 when accepted
#include <cstdlib>
#include <cstring>

#include "ZEK2.h"

int main(int argc, char **argv)
{
    if (argc < 4)
        return 100;
    const int n = std::atoi(argv[2]);
    if (!std::strcmp(argv[1], "get")) {
        char name[32];
        return GetSystemFontName(n, name) && !std::strcmp(name, argv[3]) ? 0 : 1;
    }
    if (!std::strcmp(argv[1], "set"))
        return SetSystemFontName(n, argv[3]) ? 0 : 1;
    return 101;
}
