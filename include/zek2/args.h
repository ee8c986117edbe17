/* Splitting and comparing program arguments. */
#ifndef ZEK2_ARGS_H
#define ZEK2_ARGS_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* Splits line into argv[1...]; buf needs strlen(line) + 1 bytes. Returns the count. */
int ZEKAPI setArgv(const char *line, int *argc, char **argv, char *buf);
/* 0 when arg is a prefix of option (case and slash direction folded), else 1. */
int ZEKAPI argcmp(const char *arg, const char *option);

ZEK_EXTERN_C_END

#endif
