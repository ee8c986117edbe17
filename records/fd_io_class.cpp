// Fd_Io: descriptor table, construction, destruction, the file name and the
// operations on the file as a whole.
#include "fd_io.h"

#include <cstring>

#include "../runtime/class_rows.h"
#include "../runtime/object.h"
#include "../runtime/zek_class.h"

namespace {

RecordFs *g_fs = nullptr;

void ZEKAPI fd_io_deleting_dtor(ZEK_object *object, int32_t flags)
{
    zek_delete_derived(object, &Fd_Io_vtbl, flags);
}

using D = Fd_Io_data;
const ZEK_member kRows[] = {
    ZEK_DATA_ROW(D, bMaxRec),
    ZEK_DATA_ROW(D, bRecSize),
    ZEK_DATA_ROW(D, bResult),
    ZEK_DATA_ROW(D, bSelRec),
    ZEK_DATA_ROW(D, bDatE),
    ZEK_DATA_ROW(D, bDatS),
    ZEK_DATA_ROW(D, bDatC),
    ZEK_DATA_ROW(D, bOpenFlag),
    ZEK_DATA_ROW(D, hHnd),
    ZEK_DATA_ROW(D, hWnd),
    ZEK_DATA_ROW(D, Lock),
    ZEK_DATA_ROW(D, rwct),
    ZEK_DATA_ROW(D, base),
    ZEK_DATA_ROW(D, buf),
    ZEK_DATA_ROW(D, offbuf),
    ZEK_DATA_ROW(D, bufcnt),
    ZEK_DATA_ROW(D, bufsize),
    ZEK_DATA_ROW(D, recsize),
    ZEK_DATA_ROW(D, b_sp),
    ZEK_DATA_ROW(D, b_ep),
    ZEK_DATA_ROW(D, offset),
    ZEK_DATA_ROW(D, block_n),
    ZEK_DATA_ROW(D, block),
    ZEK_DATA_ROW(D, filename),
    ZEK_DATA_ROW(D, _filename),
    ZEK_DATA_ROW(D, hBase),
    ZEK_DATA_ROW(D, bl_b),
    ZEK_DATA_ROW(D, bh_b),
    ZEK_DATA_ROW(D, sp_b),
    ZEK_DATA_ROW(D, ep_b),
    zek_method_row("dtor", Fd_Io_dtor, kNoResult),
    zek_method_row("Create", Fd_Io_Create, kIntResult),
    zek_method_row("Unlink", Fd_Io_Unlink, kIntResult),
    zek_method_row("Open", Fd_Io_Open, kIntResult),
    zek_method_row("Close", Fd_Io_Close, kIntResult),
    zek_method_row("GetOpenCk", Fd_Io_GetOpenCk, kIntResult),
    zek_method_row("SetMaxRec", Fd_Io_SetMaxRec, kIntResult),
    zek_method_row("SetFileName", Fd_Io_SetFileName, kIntResult),
    zek_method_row("Flush", Fd_Io_Flush, kIntResult),
    zek_method_row("SetWindowHandle", Fd_Io_SetWindowHandle, kIntResult),
    zek_method_row("GetOffsetPtr", Fd_Io_GetOffsetPtr, kIntResult),
    zek_method_row("GetOffset", Fd_Io_GetOffset, kIntResult),
    zek_method_row("PutOffset", Fd_Io_PutOffset, kIntResult),
    zek_method_row("Get", Fd_Io_Get, kIntResult),
    zek_method_row("Seek", Fd_Io_Seek, kIntResult),
    zek_method_row("Put", Fd_Io_Put, kIntResult),
    zek_method_row("Put0", Fd_Io_Put0, kIntResult),
    zek_method_row("InitData", Fd_Io_InitData, kIntResult),
    zek_method_row("InitCount", Fd_Io_InitCount, kIntResult),
    zek_method_row("DelDataDir", Fd_Io_DelDataDir, kIntResult),
    zek_method_row("DelData", Fd_Io_DelData, kIntResult),
    zek_method_row("InsDataDir", Fd_Io_InsDataDir, kIntResult),
    zek_method_row("InsData", Fd_Io_InsData, kIntResult),
    zek_method_row("Sort", Fd_Io_Sort, kIntResult),
    zek_method_row("LockBuffer", Fd_Io_LockBuffer, kIntResult),
    zek_method_row("PushBuf", Fd_Io_PushBuf, kIntResult),
    zek_method_row("PopBuf", Fd_Io_PopBuf, kIntResult),
};
constexpr int32_t kRowCount = int32_t(sizeof kRows / sizeof kRows[0]);
static_assert(kRowCount == 57, "Fd_Io rows");

// The name as a terminated string, whatever a program wrote into the member.
const char *file_name(Fd_Io_area *a)
{
    a->data._filename[kFdIoNameBytes - 1] = '\0';
    return a->data._filename;
}

}  // namespace

const char kFdIoClassName[] = "Fd_Io";
const ZEK_vtbl Fd_Io_vtbl = {fd_io_deleting_dtor};

RecordFs *fd_io_fs()
{
    return g_fs ? g_fs : record_fs_platform();
}

void fd_io_set_fs(RecordFs *fs)
{
    g_fs = fs;
}

bool fd_io_init_layer(ZEK_object *object, ZEK_layer *layer)
{
    ZEK_tbl_Init1(layer, kRows, kRowCount, kFdIoMethods * int32_t(sizeof(ZEK_method_fn)),
                  int32_t(sizeof(Fd_Io_area)));
    if (!layer->pSlot)
        return false;
    layer->pszClass = kFdIoClassName;
    layer->hModule = nullptr;
    Fd_Io_area *a = fd_io_area(layer);
    a->data.bOpenFlag = 0;
    a->data.bDatS = 0;
    a->data.bDatE = -1;
    a->data.bDatC = 0;
    a->data.filename = a->data._filename;
    a->current = -1;
    object->pBlock = nullptr;
    object->pRecord = nullptr;
    return true;
}

ZEK_layer *fd_io_find_layer(ZEK_object *object)
{
    return zek_find_layer(object, kFdIoClassName);
}

extern "C" ZEK_object *ZEKAPI Fd_Io_ctor2(ZEK_object *object)
{
    return zek_construct_derived(object, &Fd_Io_vtbl, fd_io_init_layer);
}

// A file left open is closed here so that its changes are not lost and its
// handle and buffers not leaked. The layers above this one are already
// released, so their replacements of Close, Flush or PutOffset must not run:
// the class's own functions do the work, and the file is released even when
// a write fails, since nothing could retry it.
extern "C" void ZEKAPI Fd_Io_dtor(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_open_layer(object);
    if (layer)
        fd_io_close(object, layer, FdIoClose::OwnMethodsAlways);
}

extern "C" int32_t ZEKAPI Fd_Io_SetFileName(ZEK_object *object, const char *name)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer || !name)
        return 0;
    size_t length = strnlen(name, kFdIoNameBytes);
    if (length >= kFdIoNameBytes)
        return 0;
    Fd_Io_data &d = fd_io_area(layer)->data;
    std::memcpy(d._filename, name, length + 1);
    d.filename = d._filename;
    return 1;
}

// Creating or deleting the file this object has open would pull the records
// from under its cache, so both wait for Close.
extern "C" int32_t ZEKAPI Fd_Io_Create(ZEK_object *object, int32_t size)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer || fd_io_area(layer)->io || size < 0)
        return 0;
    RecordIo *io = fd_io_fs()->create(file_name(fd_io_area(layer)));
    if (!io)
        return 0;
    static const char zeros[4096] = {};
    bool ok = true;
    for (uint64_t done = 0; ok && done < uint64_t(size);) {
        uint32_t part = uint32_t(uint64_t(size) - done < sizeof zeros ? uint64_t(size) - done
                                                                       : sizeof zeros);
        ok = io->write(done, zeros, part);
        done += part;
    }
    ok = io->close() && ok;
    delete io;
    return ok ? 1 : 0;
}

extern "C" int32_t ZEKAPI Fd_Io_Unlink(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer || fd_io_area(layer)->io)
        return 0;
    return fd_io_fs()->remove(file_name(fd_io_area(layer))) ? 1 : 0;
}

extern "C" int32_t ZEKAPI Fd_Io_GetOpenCk(ZEK_object *object)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer)
        return 2;
    return fd_io_fs()->check(file_name(fd_io_area(layer)));
}

extern "C" int32_t ZEKAPI Fd_Io_SetMaxRec(ZEK_object *object, int32_t n)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer)
        return 0;
    fd_io_area(layer)->data.bMaxRec = n;
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Io_SetWindowHandle(ZEK_object *object, void *hwnd)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer)
        return 0;
    fd_io_area(layer)->data.hWnd = hwnd;
    return 1;
}

extern "C" int32_t ZEKAPI Fd_Io_LockBuffer(ZEK_object *object, int32_t lock)
{
    ZEK_layer *layer = fd_io_layer(object);
    if (!layer)
        return 0;
    fd_io_area(layer)->data.Lock = lock;
    return 1;
}
