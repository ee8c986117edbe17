// File access under the record file class: whole reads and writes at 64-bit
// positions. The record logic sees only this, so it builds without the
// platform headers and tests can hand it files that fail.
#ifndef ZEK_RECORDS_RECORD_IO_H
#define ZEK_RECORDS_RECORD_IO_H

#include <cstdint>

class RecordIo {
public:
    virtual ~RecordIo() = default;
    // Reads up to n bytes at pos; *got falls short of n only at the end of
    // the file. False on an error (then *got says nothing).
    virtual bool read(uint64_t pos, void *to, uint32_t n, uint32_t *got) = 0;
    // Writes all n bytes at pos; false unless every byte was written.
    virtual bool write(uint64_t pos, const void *from, uint32_t n) = 0;
    // Closes the file; the caller deletes the object afterwards.
    virtual bool close() = 0;
    // The system handle, shown to programs as hHnd.
    virtual void *handle() = 0;
};

class RecordFs {
public:
    virtual ~RecordFs() = default;
    // The existing file, for reading and writing, shared; null on failure.
    virtual RecordIo *open(const char *name) = 0;
    // A new or emptied file; null on failure.
    virtual RecordIo *create(const char *name) = 0;
    // 0 the file opens for reading and writing, 1 device not ready,
    // 2 it cannot be opened, 3 access denied.
    virtual int check(const char *name) = 0;
    virtual bool remove(const char *name) = 0;
};

// The platform's files; tests built from the pure sources supply their own.
RecordFs *record_fs_platform();

#endif
