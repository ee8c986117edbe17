// A two-layer test class derived from the root class, built the way a class
// module builds its classes, which records the calls made on it.
#ifndef ZEK_TESTS_PROBE_CLASS_H
#define ZEK_TESTS_PROBE_CLASS_H

#include <string>
#include <vector>

#include "ZEK2.h"

struct ProbeData {
    int32_t count;
    double scale;
    char name[16];
};

// Calls seen, in order, as "what:vtable-owner".
std::vector<std::string> &probe_calls();

// A Probe object (root layer + Probe layer), or null.
ZEK_object *probe_new();
// The Probe layer of an object made by probe_new.
ZEK_layer *probe_layer(ZEK_object *object);
// The Probe class's own descriptor table.
const ZEK_member *probe_rows(int *count);

#endif
