// Point buffers of the drawing primitives and the split of a fill buffer.
#include "point_buffer.h"

#include <cstddef>
#include <new>

namespace zek_raster {

namespace {

// Beyond this the buffer refuses points rather than let an index overflow
// or a runaway caller take all memory (128 MB of points).
constexpr std::size_t kMaxPoints = std::size_t(1) << 24;

}  // namespace

void PointBuffer::clear()
{
    points_.clear();
}

int32_t PointBuffer::append(PointI p)
{
    if (points_.size() >= kMaxPoints)
        return index();
    try {
        points_.push_back(p);  // doubles its capacity when full
    } catch (const std::bad_alloc &) {
    }
    return index();
}

int32_t PointBuffer::append_unique(PointI p)
{
    if (!points_.empty() && points_.back().x == p.x && points_.back().y == p.y)
        return index();
    return append(p);
}

int32_t PointBuffer::index() const
{
    return int32_t(points_.size()) - 1;
}

int32_t PointBuffer::size() const
{
    return int32_t(points_.size());
}

const PointI *PointBuffer::data() const
{
    return points_.data();
}

PointI *PointBuffer::data()
{
    return points_.data();
}

PointBuffers &thread_point_buffers()
{
    thread_local PointBuffers buffers;
    return buffers;
}

int32_t split_polygons(const PointI *points, int32_t count, int32_t *starts, int32_t *counts,
                       int32_t maxPolygons)
{
    int32_t polygons = 0;
    int32_t i = 0;
    while (i < count && polygons < maxPolygons) {
        int32_t end = count - 1;
        for (int32_t j = i + 1; j < count; ++j) {
            if (points[j].x == points[i].x && points[j].y == points[i].y) {
                end = j;
                break;
            }
        }
        int32_t n = end - i + 1;
        if (n >= 2) {
            starts[polygons] = i;
            counts[polygons] = n;
            ++polygons;
        }
        i = end + 1;
    }
    return polygons;
}

}  // namespace zek_raster
