// Reaching an object's members by name, most-derived class first, the way a
// program does with ZEK_NameSearch and ZEK_ptr.
#ifndef ZEK_RUNTIME_MEMBER_LOOKUP_H
#define ZEK_RUNTIME_MEMBER_LOOKUP_H

#include "zek2/runtime.h"

// Address of the named data member, or null.
void *zek_find_data(ZEK_object *object, const char *name);
// The function in the named method's slot, or null.
ZEK_method_fn zek_find_method(ZEK_object *object, const char *name);
// The same within one layer only.
ZEK_method_fn zek_layer_method(const ZEK_layer *layer, const char *name);

#endif
