/* Record storage: fixed-size records in memory. */
#ifndef ZEK2_RECORDS_H
#define ZEK2_RECORDS_H

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* Orders two records: > 0 when a must come after b. */
typedef int (ZEKAPI *Fd_Mem_compare_fn)(const void *a, const void *b);

/* Fd_Mem: records kept in one heap block; object->pBlock is the block and
   object->pRecord the record last positioned by Get or Seek. */
ZEK_object *ZEKAPI Fd_Mem_ctor2(ZEK_object *object);
void ZEKAPI Fd_Mem_dtor(ZEK_object *object);
int32_t ZEKAPI Fd_Mem_Get(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Mem_Seek(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Mem_Put(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Mem_Put0(ZEK_object *object, int32_t rec);
int32_t ZEKAPI Fd_Mem_InitData(ZEK_object *object);
int32_t ZEKAPI Fd_Mem_InitCount(ZEK_object *object);
int32_t ZEKAPI Fd_Mem_DelDataDir(ZEK_object *object, int32_t last, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Mem_DelData(ZEK_object *object, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Mem_InsDataDir(ZEK_object *object, int32_t last, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Mem_InsData(ZEK_object *object, int32_t at, int32_t n);
int32_t ZEKAPI Fd_Mem_Sort(ZEK_object *object, int32_t from, int32_t to,
                           Fd_Mem_compare_fn compare);
int32_t ZEKAPI Fd_Mem_Alloc(ZEK_object *object, int32_t count);

ZEK_EXTERN_C_END

#endif
