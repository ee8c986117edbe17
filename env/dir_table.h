// Derives the suite's directory table from the full path of a program file.
#ifndef ZEK_ENV_DIR_TABLE_H
#define ZEK_ENV_DIR_TABLE_H

#include "../runtime/shared_block.h"

// Positions in the table.
enum {
    kDirRoot, kDirProg, kDirData, kDirFont, kDirHelp, kDirTemp,
    kDirLog, kDirTool, kDirSnbol, kDirSakuhyo, kDirBackup
};

// Fills table from the program's full path. False, with table untouched, for a
// null path or when any directory would not fit its kDirBytes buffer.
bool zek_make_dir_table(const char *programPath, char (*table)[kDirBytes]);

#endif
