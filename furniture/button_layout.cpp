// Button layouts.
#include "button_layout.h"

#include <algorithm>

namespace {

constexpr int64_t kSpacerRoom = 8;

int32_t sat(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int32_t records(const AtrTable_button *r, int32_t count)
{
    return r && count > 0 ? count : 0;
}

int64_t width(const AtrTable_button &b) { return std::max<int64_t>(b.wx, 0); }
int64_t height(const AtrTable_button &b) { return std::max<int64_t>(b.wy, 0); }

// Room a record takes along a bar: a spacer 8, a button its size and edge.
int64_t step(const AtrTable_button &b, int64_t size)
{
    return is_spacer(b.frame) ? kSpacerRoom : frame_width(b.frame) + size;
}

// The running maximum compares the bare size with a maximum that already
// holds an edge width; exact when all buttons share one frame code.
int32_t max_with_edge(const AtrTable_button *r, int32_t count, bool vertical)
{
    int64_t m = 0;
    for (int32_t i = 0, n = records(r, count); i < n; ++i) {
        const int64_t size = vertical ? height(r[i]) : width(r[i]);
        if (size > m)
            m = frame_width(r[i].frame) + size;
    }
    return sat(m);
}

void set_frame_and_window(AtrLayout &t, int64_t w, int64_t h)
{
    t.bFsx = t.bWsx;
    t.bFsy = t.bWsy;
    t.bFwx = t.bWwx = sat(w);
    t.bFwy = t.bWwy = sat(h);
}

}  // namespace

int32_t frame_width(int32_t frame)
{
    switch (frame) {
    case 101: case 104: return 2;
    case 102: case 105: return 3;
    case 103: case 106: return 4;
    default: return 0;
    }
}

bool is_spacer(int32_t frame) { return frame == 110 || frame == 111; }

int32_t button_max_h(const AtrTable_button *r, int32_t count) { return max_with_edge(r, count, true); }
int32_t button_max_w(const AtrTable_button *r, int32_t count) { return max_with_edge(r, count, false); }

FrameMaxSize frame_max_size(const AtrTable_button *r, int32_t count)
{
    int64_t maxW = 0, maxH = 0, sumW = 4, sumH = 4;
    int32_t buttons = 0;
    for (int32_t i = 0, n = records(r, count); i < n; ++i) {
        const int64_t fw = frame_width(r[i].frame), w = width(r[i]), h = height(r[i]);
        if (maxW < w)
            maxW = w + fw;
        if (maxH < h)
            maxH = h + fw;
        if (is_spacer(r[i].frame)) {
            sumW += kSpacerRoom;
            sumH += kSpacerRoom;
        } else {
            sumW += w + fw;
            sumH += h + fw;
            ++buttons;
        }
    }
    return {sat(maxW), sat(maxH), sat(sumW + 4), sat(sumH + 4), buttons};
}

void set_pos_bar(AtrLayout &t, AtrTable_button *r, int32_t count, int32_t barHeight)
{
    int64_t x = 10;
    for (int32_t i = 0, n = records(r, count); i < n; ++i) {
        r[i].sx = sat(x);
        r[i].sy = sat((int64_t(barHeight) - height(r[i])) / 2);
        x += step(r[i], width(r[i]));
    }
    t.bFsx = t.bFsy = 0;
    t.bFwx = sat(x + 4);
    t.bFwy = barHeight;
}

void set_pos_lock(AtrLayout &t)
{
    t.bFsx = t.bWsx;
    t.bFsy = t.bWsy;
    t.bFwx = t.bWwx;
    t.bFwy = t.bWwy;
}

void set_pos_yoko(AtrLayout &t, AtrTable_button *r, int32_t count)
{
    const int64_t h = int64_t(button_max_h(r, count)) + 6;
    int64_t x = 4;
    for (int32_t i = 0, n = records(r, count); i < n; ++i) {
        r[i].sx = sat(x);
        r[i].sy = sat((h - height(r[i])) / 2);
        x += step(r[i], width(r[i]));
    }
    set_frame_and_window(t, x + 4, h);
}

void set_pos_tate(AtrLayout &t, AtrTable_button *r, int32_t count)
{
    const int64_t w = button_max_w(r, count);
    int64_t y = 4;
    for (int32_t i = 0, n = records(r, count); i < n; ++i) {
        r[i].sx = 4;
        r[i].sy = sat(y);
        y += step(r[i], height(r[i]));
    }
    set_frame_and_window(t, w + 6, y + 4);
}

int32_t free_kind(const AtrLayout &t, const FrameMaxSize &s)
{
    if (s.sumW <= t.bFwx)
        return kPosYoko;
    if (s.sumH <= t.bFwy)
        return kPosTate;
    return kPosFree;
}

void set_pos_grid(AtrLayout &t, AtrTable_button *r, int32_t count, const FrameMaxSize &s)
{
    const int64_t maxW = std::max(s.maxW, 0), maxH = std::max(s.maxH, 0);
    const int64_t room = int64_t(t.bFwx) - 8;
    // Columns: the frame width's share rounded up, and never fewer than one.
    const int64_t cols = maxW > 0 && room > 0 ? (room + maxW - 1) / maxW : 1;
    const int64_t rowEnd = cols * maxW + 4;
    int64_t x = 4, y = 4, lastY = 4;
    for (int32_t i = 0, n = records(r, count); i < n; ++i) {
        r[i].sx = sat(x);
        r[i].sy = sat(y);
        lastY = y;
        if (is_spacer(r[i].frame))
            continue;
        x += maxW;
        if (x >= rowEnd) {
            x = 4;
            y += maxH;
        }
    }
    set_frame_and_window(t, rowEnd + 4, lastY + 4 + maxH);
}

void set_pos_free(AtrLayout &t, AtrTable_button *r, int32_t count)
{
    const FrameMaxSize s = frame_max_size(r, count);
    const int32_t kind = free_kind(t, s);
    if (kind == kPosFree) {
        set_pos_grid(t, r, count, s);
        return;
    }
    t.bPos = t.bPosBuf = kind;
    if (kind == kPosYoko)
        set_pos_yoko(t, r, count);
    else
        set_pos_tate(t, r, count);
}

void layout_tool_bar(AtrLayout &t, AtrTable_button *r, int32_t count, int32_t barHeight)
{
    switch (t.bPos) {
    case kPosBar: set_pos_bar(t, r, count, barHeight); break;
    case kPosLock: set_pos_lock(t); break;
    case kPosYoko: set_pos_yoko(t, r, count); break;
    case kPosTate: set_pos_tate(t, r, count); break;
    case kPosFree: set_pos_free(t, r, count); break;
    default: break;
    }
}

void layout_status_bar(AtrTable_button *r, int32_t count, int32_t clientWidth)
{
    const int32_t n = records(r, count);
    if (n == 0)
        return;
    for (int32_t i = 0; i < n; ++i) {
        r[i].sy = 4;
        r[i].wy = 19;
        if (r[i].wx < 0)
            r[i].wx = 0;
    }
    if (n == 1) {
        r[0].sx = 0;
        r[0].wx = std::max(clientWidth, 0);
        return;
    }
    int64_t rest = clientWidth;
    for (int32_t i = 1; i < n; ++i)
        rest -= int64_t(r[i].wx) + 3;
    int64_t x = 0;
    if (rest >= 0) {
        r[0].sx = 0;
        r[0].wx = sat(rest);
        x = rest + 3;
    } else {
        r[0].sx = 0;
        x = int64_t(r[0].wx) + 3;
    }
    for (int32_t i = 1; i < n; ++i) {
        r[i].sx = sat(x);
        x += int64_t(r[i].wx) + 3;
    }
}

void layout_mode_menu(const AtrLayout &t, AtrTable_button *r, int32_t count, int32_t bottom)
{
    if (!t.bEdgeFlag)
        return;
    const int32_t n = records(r, count);
    const auto atBottom = [](const AtrTable_button &b) {
        return b.group > 0 || b.bComId == kModeMenuBottomId;
    };
    int64_t y = 6;
    for (int32_t i = 0; i < n; ++i) {
        if (r[i].group != 0 || atBottom(r[i]))
            continue;
        r[i].sx = 4;
        r[i].sy = sat(y);
        y += r[i].frame == 111 ? 6 : step(r[i], height(r[i]));
    }
    y = int64_t(bottom) - 4;
    for (int32_t i = n - 1; i >= 0; --i) {
        if (!atBottom(r[i]))
            continue;
        r[i].sx = 4;
        if (r[i].frame == 110) {
            r[i].sy = sat(y - 6);
            y -= 8;
        } else if (r[i].frame == 111) {
            r[i].sy = sat(y - 4);
            y -= 6;
        } else {
            const int64_t top = y - height(r[i]);
            r[i].sy = sat(top);
            y = top - frame_width(r[i].frame);
        }
    }
}
