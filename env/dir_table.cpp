// The suite's fixed tree: the program's directory, its parent as the root and
// nine directories below the root.
#include "dir_table.h"

#include <cstring>
#include <string>

#include "zek2/filenames.h"

namespace {

const char *const kBelowRoot[] = {"UxData", "UxFont", "UxHelp", "UxTemp", "UxLog",
                                  "UxTool", "UxSnbol", "UxSakuhyo", "UxBackup"};

}  // namespace

bool zek_make_dir_table(const char *programPath, char (*table)[kDirBytes])
{
    if (programPath == nullptr || table == nullptr)
        return false;
    char prog[ZEK_NAME_MAX_BYTES + 1];
    char root[sizeof prog];
    if (!GetFileNameToPathName(programPath, prog) || !GetFileNameToPathName(prog, root))
        return false;
    std::string made[kDirCount];
    made[kDirRoot] = root;
    made[kDirProg] = prog;
    for (int i = 0; i < 9; ++i)
        made[kDirData + i] = made[kDirRoot] + "\\" + kBelowRoot[i];
    // All or nothing: a cut directory would send files somewhere else.
    for (const std::string &dir : made)
        if (dir.size() >= kDirBytes)
            return false;
    for (int i = 0; i < kDirCount; ++i)
        std::memcpy(table[i], made[i].c_str(), made[i].size() + 1);
    return true;
}
