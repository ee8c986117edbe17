/* Record storage: fixed-size records in a file behind a header area. */
#ifndef ZEK2_RECORD_FILE_H
#define ZEK2_RECORD_FILE_H

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* Orders two records: > 0 when a must come after b. */
typedef int (ZEKAPI *Fd_Io_compare_fn)(const void *a, const void *b);

/* Fd_Io: object->pRecord is the record last positioned by Get or Seek, valid
   until the next positioning call. Calls on a closed object give 0. */
ZEK_object *ZEKAPI Fd_Io_ctor2(ZEK_object *object);
void ZEKAPI Fd_Io_dtor(ZEK_object *object);
int32_t ZEKAPI Fd_Io_Create(ZEK_object *object, int32_t size);
int32_t ZEKAPI Fd_Io_Unlink(ZEK_object *object);
int32_t ZEKAPI Fd_Io_Open(ZEK_object *object, int32_t bufcnt, int32_t offset, int32_t nbuffers);
int32_t ZEKAPI Fd_Io_Close(ZEK_object *object);
int32_t ZEKAPI Fd_Io_GetOpenCk(ZEK_object *object);
int32_t ZEKAPI Fd_Io_SetMaxRec(ZEK_object *object, int32_t n);
int32_t ZEKAPI Fd_Io_SetFileName(ZEK_object *object, const char *name);
int32_t ZEKAPI Fd_Io_Flush(ZEK_object *object);
int32_t ZEKAPI Fd_Io_SetWindowHandle(ZEK_object *object, void *hwnd);
void *ZEKAPI Fd_Io_GetOffsetPtr(ZEK_object *object);
void *ZEKAPI Fd_Io_GetOffset(ZEK_object *object);
int32_t ZEKAPI Fd_Io_PutOffset(ZEK_object *object);
int32_t ZEKAPI Fd_Io_Get(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Io_Seek(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Io_Put(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Io_Put0(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Io_InitData(ZEK_object *object);
int32_t ZEKAPI Fd_Io_InitCount(ZEK_object *object);
int32_t ZEKAPI Fd_Io_DelDataDir(ZEK_object *object, int32_t last, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Io_DelData(ZEK_object *object, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Io_InsDataDir(ZEK_object *object, int32_t last, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Io_InsData(ZEK_object *object, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Io_Sort(ZEK_object *object, int32_t from, int32_t to,
                          Fd_Io_compare_fn compare);
int32_t ZEKAPI Fd_Io_LockBuffer(ZEK_object *object, int32_t lock);
int32_t ZEKAPI Fd_Io_PushBuf(ZEK_object *object);
int32_t ZEKAPI Fd_Io_PopBuf(ZEK_object *object);

ZEK_EXTERN_C_END

#endif
