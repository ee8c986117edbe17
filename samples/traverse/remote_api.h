/* What traverse.exe exports for its class module (travnet.dll), which runs
   in the first instance and answers the second one's questions there. */
#ifndef TRAVERSE_REMOTE_API_H
#define TRAVERSE_REMOTE_API_H

#include <stdint.h>

#include "zek2/base.h"

/* The number of computed stations (0 before a computation). */
typedef int32_t (ZEKAPI *traverse_count_fn)(void);
/* Station index as one line of text into out (size bytes); its length, or
   -1 for an index out of range. */
typedef int32_t (ZEKAPI *traverse_line_fn)(int32_t index, char *out, int32_t size);

#define TRAVERSE_COUNT_EXPORT "traverse_station_count"
#define TRAVERSE_LINE_EXPORT "traverse_station_line"

/* Slots of the module's class (layer 1): 0 is its destructor. */
enum { TRAVNET_SLOT_COUNT = 1, TRAVNET_SLOT_LINE = 2 };
#define TRAVNET_MODULE "travnet.dll"
/* One line's room; the call and its data stay far below 256 bytes. */
#define TRAVNET_LINE_SIZE 120

#endif
