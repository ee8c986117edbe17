// A record file object on a fake disk, for the native record file tests.
#ifndef ZEK_TESTS_RECORDS_NATIVE_FD_IO_SUPPORT_H
#define ZEK_TESTS_RECORDS_NATIVE_FD_IO_SUPPORT_H

#include <cstring>
#include <string>
#include <vector>

#include "../../records/fd_io.h"
#include "fake_disk.h"

struct FdIoFile {
    FakeDisk disk;
    UseDisk use{&disk};
    ZEK_object *o = Fd_Io_ctor2(nullptr);
    std::string name = "records.dat";

    FdIoFile() { Fd_Io_SetFileName(o, name.c_str()); }
    ~FdIoFile() { o->vtbl->deleting_dtor(o, 1); }

    Fd_Io_area *area() { return fd_io_area(fd_io_layer(o)); }
    Fd_Io_data &d() { return area()->data; }
    int open(int32_t recsize, int32_t bufcnt, int32_t offset, int32_t nbuf) {
        d().bRecSize = recsize;
        return Fd_Io_Open(o, bufcnt, offset, nbuf);
    }
    // Record rec changed to the given bytes through Get, pRecord and Put.
    bool put(int32_t rec, const std::vector<uint8_t> &bytes) {
        if (!Fd_Io_Get(o, rec))
            return false;
        std::memcpy(o->pRecord, bytes.data(), bytes.size());
        return Fd_Io_Put(o, rec) == 1;
    }
    std::vector<uint8_t> get(int32_t rec, size_t size) {
        if (!Fd_Io_Get(o, rec))
            return {};
        auto *p = static_cast<uint8_t *>(o->pRecord);
        return std::vector<uint8_t>(p, p + size);
    }
};

#endif
