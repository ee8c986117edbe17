/* Taking Shift-JIS file names apart and putting them together. These do no
   file-system access. A trail byte 0x5C of a two-byte character is never
   taken for a backslash. Callers hold names and results in MAX_PATH buffers,
   so a name of more than 259 bytes (not characters: a two-byte character
   counts two) is refused (empty output, failure result) rather than cut, and
   no result is longer than 259 bytes. */
#ifndef ZEK2_FILENAMES_H
#define ZEK2_FILENAMES_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* Longest name and longest result, in bytes, of the name functions. */
#define ZEK_NAME_MAX_BYTES 259

/* Directory part: everything before the last '\' or up to and including the
   last ':'; the whole name when it has neither. Returns output, or null (with
   output emptied when given) for null arguments or a name too long. */
char *ZEKAPI GetFileNameToPathName(const char *name, char *output);

/* Part after the last '\' or ':' (the whole name when there is none); returns
   its length in bytes, 0 for an empty, null or too long name. */
int ZEKAPI GetFileNameToFileName(const char *name, char *output);

/* File-name part cut before its last '.'; empty when that leaves nothing.
   Returns its length in bytes, 0 on failure as above. */
int ZEKAPI GetFileNameToKeyName(const char *name, char *output);

/* Pointer into name just after its last '.' (searched over the whole name),
   to the terminating NUL when there is none, null for a null or empty name. */
char *ZEKAPI GetFileNameToFileType(const char *name);

/* Replaces the extension in place: the directory part with its separator is
   kept as it stands, then the key name, '.', extension ("" drops the
   extension). The result is at most 259 bytes. Returns 1, or 0 with the name
   unchanged when an argument is null or the result would be longer. */
int ZEKAPI SetFileNameToCheck(char *name, const char *extension);

/* Makes text usable as a file name (without extension): two-byte characters
   are kept, '"' '*' '.' '/' ':' ';' '<' '>' '?' '\' '|' become their
   full-width forms, other printable ASCII and half-width katakana stay, any
   other byte (including a lead byte without a valid trail byte) becomes '_'.
   output needs room for twice the text plus one byte. Returns the output's
   length in bytes; 0 (output emptied when given) for null arguments. */
int ZEKAPI SetOutputFileName(const char *text, char *output);

ZEK_EXTERN_C_END

#endif
