// Segment clipping, direct lines and marks, and arc walks on arbitrary input
// (radii and centres to the ends of the 32-bit range): clipped ends must lie in
// the rectangle, nothing may be written outside the bitmap's memory, and every
// walk must end.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../graphics/raster/arcs.h"
#include "../graphics/raster/direct_bitmap.h"
#include "../graphics/raster/pixel.h"

namespace {

struct Reader {
    const uint8_t *p;
    size_t n;
    template <typename T>
    T take() {
        T v{};
        const size_t k = n < sizeof v ? n : sizeof v;
        std::memcpy(&v, p, k);
        p += k;
        n -= k;
        return v;
    }
};

void count(void *context, int32_t, int32_t) { ++*static_cast<long *>(context); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    using namespace zek_raster;
    Reader in{data, size};
    ClipRect r{in.take<int32_t>(), in.take<int32_t>(), in.take<int32_t>(), in.take<int32_t>()};
    int32_t x1 = in.take<int32_t>(), y1 = in.take<int32_t>();
    int32_t x2 = in.take<int32_t>(), y2 = in.take<int32_t>();
    if (clip_segment(r, x1, y1, x2, y2)) {
        for (int32_t x : {x1, x2})
            if (x < r.left || x > r.right)
                std::abort();
        for (int32_t y : {y1, y2})
            if (y < r.top || y > r.bottom)
                std::abort();
    }

    // A small bitmap with a guard band; the view may be anything.
    const int32_t width = 1 + in.take<uint8_t>() % 64, rows = 1 + in.take<uint8_t>() % 64;
    const int32_t stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> memory(size_t(stride) * rows + 64, 0xA5);
    DirectBitmap b{memory.data() + 32, stride, width, rows, in.take<int16_t>(), r};
    std::memset(b.bits, 0, size_t(stride) * rows);
    direct_line(b, in.take<int16_t>(), in.take<int16_t>(), in.take<int16_t>(),
                in.take<int16_t>(), in.take<uint16_t>(), 0xFFFFFF);
    direct_mark(b, in.take<int16_t>(), in.take<int16_t>(), in.take<uint8_t>() % 3, true, true,
                in.take<int16_t>(), in.take<int16_t>(), 0xFFFFFF);
    for (size_t i = 0; i < 32; ++i)
        if (memory[i] != 0xA5 || memory[memory.size() - 1 - i] != 0xA5)
            std::abort();

    // Arc walks stay bounded whatever the radii and angles.
    const int32_t rx = in.take<uint16_t>() % 2000, ry = in.take<uint16_t>() % 2000;
    const double a1 = in.take<float>(), a2 = in.take<float>();
    long pixels = 0;
    const int32_t cx = in.take<int32_t>(), cy = in.take<int32_t>();
    StyledArc arc{cx, cy, rx, ry, a1, a2, in.take<float>(), 0.017453292519943295, 0xF0F0};
    styled_arc(arc, count, &pixels);
    if (pixels > 64L * (rx + ry + 2))
        std::abort();
    midpoint_ellipse(cx, cy, in.take<int32_t>(), in.take<int32_t>(), count, &pixels);
    ArcPolyline poly{cx, cy, in.take<int32_t>(), in.take<int32_t>(), a1, a2, 0.0,
                     0.017453292519943295, in.take<int8_t>(), in.take<double>(),
                     in.take<double>()};
    long vertices = 0;
    arc_polyline(poly, [](void *c, int32_t, int32_t, int32_t) { ++*static_cast<long *>(c); },
                 &vertices);
    if (vertices > 5000)
        std::abort();
    return 0;
}
