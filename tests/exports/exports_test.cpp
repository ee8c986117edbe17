// Both builds of the library export every name of the export list exactly as
// written, undecorated, and need nothing beside the system's own libraries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "ZEK2.h"
#include "pe_file.h"

extern "C" int c_caller_text_length(const char *text);

namespace {

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
        if (!(words >> name))
            continue;
        if (name == "EXPORTS") {
            inExports = true;
            continue;
        }
        if (inExports)
            names.push_back(name.substr(0, name.find('=')));
    }
    return names;
}

bool is_system_library(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    static const char *const allowed[] = {"kernel32.dll", "user32.dll", "gdi32.dll",
                                          "msvcrt.dll", "advapi32.dll", "shell32.dll",
                                          "imm32.dll", "comdlg32.dll", "winmm.dll"};
    for (const char *a : allowed)
        if (name == a)
            return true;
    return name.rfind("api-ms-win-", 0) == 0;
}

void check_library(const char *path, WORD machine)
{
    PeFile pe(path);
    ASSERT_TRUE(pe.valid()) << path;
    EXPECT_EQ(pe.machine(), machine);
    const std::vector<std::string> names = listed_exports();
    ASSERT_GT(names.size(), 40u);
    for (const std::string &name : names)
        EXPECT_EQ(pe.exports().count(name), 1u) << name << " missing from " << path;
    for (const std::string &exported : pe.exports()) {
        EXPECT_EQ(exported.find('@'), std::string::npos) << "decorated: " << exported;
        EXPECT_NE(std::find(names.begin(), names.end(), exported), names.end())
            << exported << " exported but not listed";
    }
    for (const std::string &library : pe.imports())
        EXPECT_TRUE(is_system_library(library)) << path << " needs " << library;
}

TEST(Exports, BothLibrariesExportTheListAndNeedOnlySystemLibraries)
{
    check_library(ZEK_DLL_X64, IMAGE_FILE_MACHINE_AMD64);
    check_library(ZEK_DLL_I686, IMAGE_FILE_MACHINE_I386);
}

// The stdcall window procedure links from C and C++ through the import
// library and survives being called by the system and directly.
TEST(Exports, WindowProcedureLinksFromCAndCxx)
{
    EXPECT_EQ(c_caller_text_length("seven!!"), 7);
    HWND window = CreateWindowA("ZekCCaller", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetWindowTextA(window, "four");
    EXPECT_EQ(DefWndProc(window, WM_GETTEXTLENGTH, 0, 0), 4);
    DestroyWindow(window);
}

}  // namespace
