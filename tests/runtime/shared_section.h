// Finds the library's shared section in this process by reading the loaded
// image's section table; its first bytes are the attach count.
#ifndef ZEK_TESTS_SHARED_SECTION_H
#define ZEK_TESTS_SHARED_SECTION_H

#include <windows.h>

#include <cstring>

inline unsigned char *zek_shared_section()
{
    auto *base = reinterpret_cast<unsigned char *>(GetModuleHandleA("ZEK2.dll"));
    if (!base)
        return nullptr;
    auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    IMAGE_SECTION_HEADER *section = IMAGE_FIRST_SECTION(nt);
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (std::strncmp(reinterpret_cast<char *>(section->Name), ".zekshr", 8) == 0)
            return base + section->VirtualAddress;
    return nullptr;
}

inline unsigned zek_attach_count()
{
    unsigned char *section = zek_shared_section();
    return section ? *reinterpret_cast<volatile unsigned *>(section) : 0xFFFFFFFFu;
}

#endif
