/* Shift-JIS string scanning and comparison, formatting, clock readings and
   small helpers for doubles and search patterns. */
#ifndef ZEK2_STRINGS_H
#define ZEK2_STRINGS_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* Shift-JIS scanning. Only the low 8 bits of c are used, so plain (signed)
   char values work. Scanners look at character starts only: the trail byte
   of a two-byte character is never taken for '\', '/', '*' and the like. */
int ZEKAPI IsKanji(int c);
int ZEKAPI SetByteToWordStr(const char *text, unsigned short *wide);
char *ZEKAPI strrchrJ(const char *text, int c);
char *ZEKAPI strrchrS(const char *text);
int ZEKAPI serch_c(const char *text, int start, int c);
void ZEKAPI strupperJ(char *text);
int ZEKAPI st_ncmp(const char *text, const char *pattern);
char *ZEKAPI st_ncpy(char *dst, const char *src, int first, int last);

/* Comparison: case-insensitive for 'a'-'z', and natural (numeric) order. */
int ZEKAPI strcmpU(const char *a, const char *b);
int ZEKAPI strncmpU(const char *a, const char *b, int count);
int ZEKAPI st_cmp(const char *a, const char *b);
int ZEKAPI DbKeyCmp(int numberA, const char *a, int numberB, const char *b);

/* Formats into a per-process ring of 4000 bytes; a result is at most 511
   characters and stays valid until about 4000 more bytes were formatted. */
char *ZEKAPI form(const char *format, ...);

/* Local clock. Null outputs are skipped. */
char *ZEKAPI GetTimeB(int *hour, int *minute, int *second);
char *ZEKAPI GetDateB(int *year, int *month, int *day);
int ZEKAPI GetTimeMsecEx(void);
int ZEKAPI GetTimeSecEx(void);

/* Swapping and ordering of doubles; null pointers make them do nothing. */
void ZEKAPI ChgSwab(double *a, double *b);
void ZEKAPI ChgSwab2(double *a, double *b, double *c, double *d);
void ZEKAPI ChgMinMax(double *a, double *b);
void ZEKAPI ChgMinMax2(double *a, double *b, double *c, double *d);

/* Kinds of search pattern returned by GetWildCardName. */
enum {
    ZEK_WILD_EMPTY = 0,   /* empty pattern */
    ZEK_WILD_PLAIN = 1,   /* no wildcard: the pattern itself, cut in place */
    ZEK_WILD_ALL = 2,     /* "*" */
    ZEK_WILD_SUFFIX = 3,  /* "*abc": first = "abc" */
    ZEK_WILD_PREFIX = 4,  /* "abc*": first = "abc" */
    ZEK_WILD_COUNT = 5,   /* a '*' then a '/': first = the text before the '*'
                             (or between '*' and '/' when '*' leads),
                             second = the text after the '/' or "50" */
    ZEK_WILD_RANGE = 6,   /* "a/b": first = "a", second = "b" */
    ZEK_WILD_CARET = 7    /* "^abc": first = "abc" */
};

/* Longest part GetWildCardName writes, in bytes; outputs need one more. */
#define ZEK_WILD_PART_MAX 15

int ZEKAPI GetWildCardName(char *pattern, char *first, char *second);

ZEK_EXTERN_C_END

#endif
