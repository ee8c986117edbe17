// Both builds of the library export every name of the export list exactly as
// written, undecorated, and need nothing beside the system's own libraries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ZEK2.h"

extern "C" int c_caller_text_length(const char *text);

namespace {

// The machine, export names and imported libraries of a PE file of either
// architecture, read as a file: a process cannot load the other one's library.
struct PeNames {
    WORD machine = 0;
    std::set<std::string> exports, imports;
};

template <typename T>
const T *at(const std::string &b, size_t offset)
{
    return offset + sizeof(T) <= b.size() ? reinterpret_cast<const T *>(b.data() + offset) : nullptr;
}

PeNames read_pe(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PeNames pe;
    auto *dos = at<IMAGE_DOS_HEADER>(b, 0);
    auto *fh = dos && dos->e_magic == IMAGE_DOS_SIGNATURE ? at<IMAGE_FILE_HEADER>(b, dos->e_lfanew + 4) : nullptr;
    if (!fh)
        return pe;
    const size_t opt = dos->e_lfanew + 4 + sizeof(IMAGE_FILE_HEADER);
    auto *dirs = at<IMAGE_DATA_DIRECTORY[IMAGE_NUMBEROF_DIRECTORY_ENTRIES]>(
        b, opt + (fh->Machine == IMAGE_FILE_MACHINE_AMD64 ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                                          : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory)));
    if (!dirs)
        return pe;
    auto offset = [&](DWORD rva) -> size_t {  // file offset of a relative address, or 0
        for (int i = 0; i < fh->NumberOfSections; ++i)
            if (auto *s = at<IMAGE_SECTION_HEADER>(b, opt + fh->SizeOfOptionalHeader + i * sizeof(IMAGE_SECTION_HEADER)))
                if (rva >= s->VirtualAddress && rva < s->VirtualAddress + s->SizeOfRawData)
                    return rva - s->VirtualAddress + s->PointerToRawData;
        return 0;
    };
    auto text = [&](DWORD rva) {
        const size_t o = offset(rva);
        return o && o < b.size() ? std::string(b.c_str() + o) : std::string();
    };
    if (auto *dir = at<IMAGE_EXPORT_DIRECTORY>(b, offset((*dirs)[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress)))
        for (DWORD i = 0; i < dir->NumberOfNames; ++i)
            if (auto *rva = at<DWORD>(b, offset(dir->AddressOfNames) + 4 * i))
                pe.exports.insert(text(*rva));
    for (size_t d = offset((*dirs)[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
         d && at<IMAGE_IMPORT_DESCRIPTOR>(b, d) && at<IMAGE_IMPORT_DESCRIPTOR>(b, d)->Name;
         d += sizeof(IMAGE_IMPORT_DESCRIPTOR))
        pe.imports.insert(text(at<IMAGE_IMPORT_DESCRIPTOR>(b, d)->Name));
    pe.machine = fh->Machine;
    return pe;
}

std::vector<std::string> listed_exports()
{
    std::ifstream in(ZEK_DEF_FILE);
    std::vector<std::string> names;
    std::string line;
    bool inExports = false;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find(';'));
        std::istringstream words(line);
        std::string name;
        if (words >> name && inExports)
            names.push_back(name.substr(0, name.find('=')));
        inExports = inExports || name == "EXPORTS";
    }
    return names;
}

bool is_system_library(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    static const std::set<std::string> allowed = {
        "kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll",
        "shell32.dll", "imm32.dll", "comdlg32.dll", "winmm.dll"};
    return allowed.count(name) || name.rfind("api-ms-win-", 0) == 0;
}

void check_library(const char *path, WORD machine)
{
    const PeNames pe = read_pe(path);
    ASSERT_EQ(pe.machine, machine) << path;
    const std::vector<std::string> names = listed_exports();
    ASSERT_GT(names.size(), 40u);
    for (const std::string &name : names)
        EXPECT_EQ(pe.exports.count(name), 1u) << name << " missing from " << path;
    for (const std::string &exported : pe.exports) {
        EXPECT_EQ(exported.find('@'), std::string::npos) << "decorated: " << exported;
        EXPECT_NE(std::find(names.begin(), names.end(), exported), names.end())
            << exported << " exported but not listed";
    }
    for (const std::string &library : pe.imports)
        EXPECT_TRUE(is_system_library(library)) << path << " needs " << library;
}

TEST(Exports, BothLibrariesExportTheListAndNeedOnlySystemLibraries)
{
    check_library(ZEK_DLL_X64, IMAGE_FILE_MACHINE_AMD64);
    check_library(ZEK_DLL_I686, IMAGE_FILE_MACHINE_I386);
}

// The stdcall window procedure links from C through the import library and
// survives being called by the system and directly.
TEST(Exports, WindowProcedureLinksFromC) { EXPECT_EQ(c_caller_text_length("seven!!"), 7); }

}  // namespace
