// The shared directory table: filled once by SetUxProgDir, read by every
// process through the getters.
#include "zek2/files.h"

#include <cstdio>
#include <cstring>

#include "zek2/strings.h"
#include "dir_table.h"

namespace {

char *dir(int index)
{
    return zek_shared_tail()->dirs[index];
}

// "directory\name", empty when it would not make a usable path.
char *fileIn(int index, const char *name, char *destination)
{
    char text[MAX_PATH];
    text[0] = '\0';
    if (name != nullptr) {
        const int n = std::snprintf(text, sizeof text, "%s\\%s", dir(index), name);
        if (n < 0 || n >= int(sizeof text))
            text[0] = '\0';
    }
    if (destination == nullptr)
        return form("%s", text);
    std::memcpy(destination, text, std::strlen(text) + 1);
    return destination;
}

}  // namespace

extern "C" {

int ZEKAPI SetUxProgDir(const char *program)
{
    if (program == nullptr || program[0] == '\0')
        return 0;
    char path[MAX_PATH];
    const DWORD n = SearchPathA(nullptr, program, nullptr, sizeof path, path, nullptr);
    if (n == 0 || n >= sizeof path)
        return 0;
    // Built aside and copied whole, so a failure leaves every entry as it was.
    // Zeroed first: the bytes behind each name are copied into the block that
    // every process reads, and must not carry this stack's old contents.
    char table[kDirCount][kDirBytes] = {};
    if (!zek_make_dir_table(path, table))
        return 0;
    std::memcpy(zek_shared_tail()->dirs, table, sizeof table);
    return 1;
}

char *ZEKAPI GetUxRootDir(void) { return dir(kDirRoot); }
char *ZEKAPI GetUxProgDir(void) { return dir(kDirProg); }
char *ZEKAPI GetUxDataDir(void) { return dir(kDirData); }
char *ZEKAPI GetUxFontDir(void) { return dir(kDirFont); }
char *ZEKAPI GetUxHelpDir(void) { return dir(kDirHelp); }
char *ZEKAPI GetUxTempDir(void) { return dir(kDirTemp); }
char *ZEKAPI GetUxLogDir(void) { return dir(kDirLog); }
char *ZEKAPI GetUxToolDir(void) { return dir(kDirTool); }
char *ZEKAPI GetUxSnbolDir(void) { return dir(kDirSnbol); }
char *ZEKAPI GetUxSakuhyoDir(void) { return dir(kDirSakuhyo); }
char *ZEKAPI GetUxAutoBackupDir(void) { return dir(kDirBackup); }

char *ZEKAPI GetUxProgFile(const char *name, char *d) { return fileIn(kDirProg, name, d); }
char *ZEKAPI GetUxDataFile(const char *name, char *d) { return fileIn(kDirData, name, d); }
char *ZEKAPI GetUxFontFile(const char *name, char *d) { return fileIn(kDirFont, name, d); }
char *ZEKAPI GetUxHelpFile(const char *name, char *d) { return fileIn(kDirHelp, name, d); }
char *ZEKAPI GetUxTempFile(const char *name, char *d) { return fileIn(kDirTemp, name, d); }
char *ZEKAPI GetUxLogFile(const char *name, char *d) { return fileIn(kDirLog, name, d); }
char *ZEKAPI GetUxToolFile(const char *name, char *d) { return fileIn(kDirTool, name, d); }
char *ZEKAPI GetUxSnbolFile(const char *name, char *d) { return fileIn(kDirSnbol, name, d); }
char *ZEKAPI GetUxSakuhyoFile(const char *name, char *d) { return fileIn(kDirSakuhyo, name, d); }
char *ZEKAPI GetUxAutoBackupFile(const char *name, char *d) { return fileIn(kDirBackup, name, d); }

}  // extern "C"
