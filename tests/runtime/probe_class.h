// A two-layer test class derived from the root class, built the way a class
// module builds its classes, which records the calls made on it.
#ifndef ZEK_TESTS_PROBE_CLASS_H
#define ZEK_TESTS_PROBE_CLASS_H

#include <string>
#include <vector>

#include "ZEK2.h"

// Calls seen, in order, as "what:vtable-owner".
std::vector<std::string> &probe_calls();
// A Probe object (root layer + Probe layer with methods dtor and Twice), or null.
ZEK_object *probe_new();
inline ZEK_layer *probe_layer(ZEK_object *object) { return ZEK_layer_at(object, 1); }

#endif
