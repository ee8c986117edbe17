/* The directory layout below the suite's root, directory creation, drive and
   write tests, per-computer names, file dates, disk space and program start. */
#ifndef ZEK2_FILES_H
#define ZEK2_FILES_H

#include <windows.h>

#include "base.h"
#include "filenames.h"

ZEK_EXTERN_C_BEGIN

/* Finds the program file with the system's path search and fills the shared
   table of eleven directories: the program's directory, its parent as the
   root, and the nine directories below the root. Returns 1; 0 with the table
   unchanged when the name is null, the program is not found or a directory
   would not fit its 264-byte buffer. */
int ZEKAPI SetUxProgDir(const char *program);

/* Pointers to the shared buffers (empty strings until the first
   SetUxProgDir of any process). */
char *ZEKAPI GetUxRootDir(void);
char *ZEKAPI GetUxProgDir(void);
char *ZEKAPI GetUxDataDir(void);
char *ZEKAPI GetUxFontDir(void);
char *ZEKAPI GetUxHelpDir(void);
char *ZEKAPI GetUxTempDir(void);
char *ZEKAPI GetUxLogDir(void);
char *ZEKAPI GetUxToolDir(void);
char *ZEKAPI GetUxSnbolDir(void);
char *ZEKAPI GetUxSakuhyoDir(void);
char *ZEKAPI GetUxAutoBackupDir(void);

/* "directory\name" written to destination (returned), or with destination
   null into form's ring. A result that would exceed 259 bytes, or a null
   name, gives an empty string instead. */
char *ZEKAPI GetUxProgFile(const char *name, char *destination);
char *ZEKAPI GetUxDataFile(const char *name, char *destination);
char *ZEKAPI GetUxFontFile(const char *name, char *destination);
char *ZEKAPI GetUxHelpFile(const char *name, char *destination);
char *ZEKAPI GetUxTempFile(const char *name, char *destination);
char *ZEKAPI GetUxLogFile(const char *name, char *destination);
char *ZEKAPI GetUxToolFile(const char *name, char *destination);
char *ZEKAPI GetUxSnbolFile(const char *name, char *destination);
char *ZEKAPI GetUxSakuhyoFile(const char *name, char *destination);
char *ZEKAPI GetUxAutoBackupFile(const char *name, char *destination);

/* Creates every missing level of a directory path (drive, rooted, relative
   or network); one trailing '\' is removed from the caller's string. Returns
   1 when the directory exists afterwards, 0 otherwise or for a null or empty
   path. */
int ZEKAPI CreateTreeDirectory(char *path);

/* Opens an existing file for reading and writing without critical-error
   dialogs: 0 opened, 1 device not ready, 2 cannot be opened (also for null),
   3 access denied. */
int ZEKAPI TestDriveCheck(const char *name);

/* Writes and deletes a test file in the directory: 1 when that worked;
   otherwise shows the suite's error message box and returns 0. A null
   directory returns 0 without a message. */
int ZEKAPI TestFileWriteCheck(const char *directory);

/* The name with the computer name put before its file-name part, in form's
   ring; null for a null name, when the computer name cannot be read or when
   the result would exceed 259 bytes. */
char *ZEKAPI GetNetFileName(const char *name);

/* Last-write time as local MS-DOS date and time (null outputs skipped), set
   from them, or read as a local SYSTEMTIME. Files and directories; 1 on
   success, 0 on any failure. */
int ZEKAPI GetFdate(const char *name, unsigned short *date, unsigned short *time);
int ZEKAPI SetFdate(const char *name, unsigned short date, unsigned short time);
int ZEKAPI GetFileTimeDir(const char *name, SYSTEMTIME *time);

/* Free bytes on the disk holding the directory (all of them, not only the
   caller's quota); 0 on failure. */
int64_t ZEKAPI GetDiskSpace(const char *directory);

/* First character of the current directory (its drive letter); 0 on failure. */
int ZEKAPI GetDiskDrv(void);

/* Flags of session. */
#define ZEK_SESSION_WAIT 1        /* wait for the program's end, serving messages */
#define ZEK_SESSION_KEEP_FRONT 16 /* give the foreground back to the caller's window */

/* Starts a program; 1 when started (or for a null or empty command line), 0
   when it cannot be started. */
int ZEKAPI session(const char *commandLine, const char *title, int flags);

ZEK_EXTERN_C_END

#endif
