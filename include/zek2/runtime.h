/* Class run-time: descriptor tables, class layers, objects, class modules. */
#ifndef ZEK2_RUNTIME_H
#define ZEK2_RUNTIME_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* Kinds of a member descriptor row. */
enum {
    ZEK_KIND_EMPTY = 0,
    ZEK_KIND_FIELD = 1,  /* field of one record: place is its offset in the record */
    ZEK_KIND_DATA = 2,   /* data member: place is its offset in the data area */
    ZEK_KIND_METHOD = 3  /* method: place is the function's address */
};

/* One row of a class descriptor table. */
typedef struct ZEK_member {
    int32_t kind;
    const char *name;
    uintptr_t place;
    int32_t size;   /* element size; for methods the result size (4, 8 or 0) */
    int32_t count;  /* element count; for methods 1 when there is a result */
} ZEK_member;

struct ZEK_object;
struct ZEK_layer;

typedef int (ZEKAPI *ZEK_release_fn)(struct ZEK_object *object, struct ZEK_layer *layer);
typedef void (ZEKAPI *ZEK_method_fn)(void);

/* One class of an object's chain: its table, slots and data area. */
typedef struct ZEK_layer {
    const char *pszClass;
    ZEK_release_fn pfnFree;
    const ZEK_member *pRows;
    int32_t nRecField;
    const ZEK_member *pDataRow;
    int32_t nDataRow;
    const ZEK_member *pMethodRow;
    int32_t nMethodRow;
    const ZEK_member *pOverRow;
    int32_t nOverRow;
    int32_t *pOverResult;
    void *hModule;
    int32_t bKeepSlots;
    struct ZEK_layer *pBase;
    struct ZEK_layer *pDerived;
    void *pDataArea;
    ZEK_method_fn *pSlot;
    int32_t nLevel;
} ZEK_layer;

/* The object's one-entry virtual table: the deleting destructor. */
typedef void (ZEKAPI *ZEK_deleting_dtor_fn)(struct ZEK_object *object, int32_t flags);
typedef struct ZEK_vtbl {
    ZEK_deleting_dtor_fn deleting_dtor;
} ZEK_vtbl;

/* Object header; the class layers follow it, root first. */
typedef struct ZEK_object {
    const ZEK_vtbl *vtbl;
    void *pBlock;
    void *pRecord;
    int32_t bModuleNew;
    ZEK_layer layer[1];
} ZEK_object;

/* Layer of the given level (0 = root) inside an object. */
static inline ZEK_layer *ZEK_layer_at(ZEK_object *object, int level)
{
    return (ZEK_layer *)((char *)object + offsetof(ZEK_object, layer)) + level;
}




void ZEKAPI ZEK_tbl_Init1(ZEK_layer *layer, const ZEK_member *table, int32_t rows,
                          int32_t slotBytes, int32_t dataBytes);
/* Looks the name up in an index of the layer's rows made on the first search
   and shared by every layer with the same rows. A program that rewrites rows
   of its own table builds a layer from it again (ZEK_tbl_Init1) before it
   searches for a new name; a row renamed in place stops answering to its old
   name at once. */
int32_t ZEKAPI ZEK_NameSearch(const ZEK_layer *layer, const char *name);
int32_t ZEKAPI ZEK_NameSearch2(const ZEK_member *firstRow, int32_t rowCount, const char *name);
void *ZEKAPI ZEK_ptr(void *base, intptr_t ignored, intptr_t offset);
void ZEKAPI ZEK_overwrite(ZEK_layer *layer, ZEK_layer *baseLayer, const ZEK_member *rows,
                          int32_t rowCount, int32_t *result);
int32_t ZEKAPI ZEK_overwrite2_S(ZEK_layer *target, const char *name, const ZEK_layer *source);
int32_t ZEKAPI ZEK_dtor(ZEK_object *object, ZEK_layer *layer);

/* Class modules. */
typedef ZEK_object *(ZEKAPI *ZEK_factory_fn)(intptr_t argument, void *module);
ZEK_object *ZEKAPI ZEK_new(const char *fileName, intptr_t argument);
int32_t ZEKAPI ZEK_load(const char *fileName, void **moduleOut, void **setUpOut, void *module);
void ZEKAPI ZEK_delete(ZEK_object *object);
void ZEKAPI ZEK_dtorC(ZEK_object *object);

/* The root class. */
ZEK_object *ZEKAPI ZEK_class_ctor2(ZEK_object *object);
void ZEKAPI ZEK_class_dtor(ZEK_object *object);
int32_t ZEKAPI ZEK_class_SendNetwork(ZEK_object *object, void *message, int32_t *result,
                                     void *data, int32_t dataBytes);
int32_t ZEKAPI ZEK_class_ReveNetwork(ZEK_object *object, void *answer);
int32_t ZEKAPI ZEK_class_SendNetworkProc(ZEK_object *object, int32_t *result, void *arguments,
                                         int32_t level, int32_t slot, int32_t argumentBytes);
int32_t ZEKAPI ZEK_class_SendNetworkOver(ZEK_object *object, int32_t *result, void *arguments,
                                         const int32_t *levelSlot, int32_t row,
                                         int32_t argumentBytes);
int32_t ZEKAPI ZEK_class_SendNetworkProcAny(ZEK_object *object, int32_t *result, void *arguments,
                                            int32_t level, int32_t slot, int32_t argumentBytes,
                                            int32_t extraBytes, int32_t count, void *list);
int32_t ZEKAPI ZEK_class_SendNetworkOverAny(ZEK_object *object, int32_t *result, void *arguments,
                                            const int32_t *levelSlot, int32_t row,
                                            int32_t argumentBytes, int32_t extraBytes,
                                            int32_t count, void *list);
int32_t ZEKAPI ZEK_class_NetDel(ZEK_object *object);
intptr_t ZEKAPI ZEK_class_StartUpMailslotThread(ZEK_object *object, const char *tag);
int32_t ZEKAPI ZEK_class_MailslotWaitchThread(ZEK_object *object);
int32_t ZEKAPI ZEK_class_SendComputerName(ZEK_object *object, int32_t mode, const char *server,
                                          const char *serverTag, const char *ownTag);
int32_t ZEKAPI ZEK_class_PipeReadThreadC(ZEK_object *object);
int32_t ZEKAPI ZEK_class_PipeReadThreadS(ZEK_object *object);
int32_t ZEKAPI ZEK_class_NetMsgJob(ZEK_object *object);
int32_t ZEKAPI ZEK_class_NewCall(ZEK_object *object, void *message);
ZEK_object *ZEKAPI ZEK_class_NewCall2(ZEK_object *object, const char *fileName, intptr_t argument);

ZEK_EXTERN_C_END

#endif
