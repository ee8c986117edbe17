// The button tables' check that the pointer has left a furniture window.
#ifndef ZEK_FURNITURE_LEAVE_CHECK_H
#define ZEK_FURNITURE_LEAVE_CHECK_H

#include "zek2/runtime.h"

// Takes down the hover, hint and held states of the window's button table
// when the pointer is no longer over the window; null windows are skipped.
void atr_table_leave_check(ZEK_object *window);

#endif
