// Name lookup of a class layer in one hash probe instead of a walk over all
// its rows.
//
// An index belongs to the rows a layer names (its method, data and record
// runs, by address and count), not to the layer: every object of a class
// shares one. Indexes are made on the first search and owned by the run-time
// for the life of the process; an index whose rows have changed is replaced
// when a layer is built from them again (ZEK_tbl_Init1), and a hit is checked
// against its row, so a renamed or emptied row is never reported.
#ifndef ZEK_RUNTIME_NAME_INDEX_H
#define ZEK_RUNTIME_NAME_INDEX_H

#include "zek2/runtime.h"

// What ZEK_NameSearch gives for name: methods first, then data members, then
// record fields, each the index within its run; -1 when absent.
int32_t zek_indexed_name_search(const ZEK_layer *layer, const char *name);

// A layer has just been built from its table: an index kept for the same
// rows is dropped if their kinds or names have changed since it was made.
void zek_name_index_check(const ZEK_layer *layer);

// The search without an index (the order every index reproduces).
int32_t zek_linear_name_search(const ZEK_layer *layer, const char *name);

#endif
