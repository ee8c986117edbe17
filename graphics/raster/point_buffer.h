// The line and fill point buffers of the drawing primitives, and the split
// of a fill buffer into closed polygons.
#ifndef ZEK_GRAPHICS_RASTER_POINT_BUFFER_H
#define ZEK_GRAPHICS_RASTER_POINT_BUFFER_H

#include <cstdint>
#include <vector>

#include "pixel.h"

namespace zek_raster {

// A growable array of pixel points; index() is the last used index (-1 when
// empty). Growth is geometric, so appending n points costs O(n).
class PointBuffer {
public:
    void clear();
    // Appends a point; returns the new index.
    int32_t append(PointI p);
    // Appends unless p equals the last point; returns the present index.
    int32_t append_unique(PointI p);
    int32_t index() const;
    int32_t size() const;
    const PointI *data() const;
    PointI *data();

private:
    std::vector<PointI> points_;
};

// The two buffers of the calling thread: drawing threads and the window
// thread each have their own.
struct PointBuffers {
    PointBuffer line;
    PointBuffer fill;
};
PointBuffers &thread_point_buffers();

// Splits points into polygons: one starts after the previous ended and ends
// at the next point equal to its first (included) or at the last point;
// polygons of fewer than two points are dropped; at most maxPolygons. Writes
// each polygon's point count to counts (in order, the points stay where they
// are, skipped ones included) and its first index to starts; returns the
// number of polygons.
int32_t split_polygons(const PointI *points, int32_t count, int32_t *starts, int32_t *counts,
                       int32_t maxPolygons);

}  // namespace zek_raster

#endif
