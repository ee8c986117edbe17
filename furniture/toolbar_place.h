// Where toolbars go: packing the docked strip, the dock/float decision at the
// end of a drag, and keeping a floating bar on the screen. Pure arithmetic
// over plain values; the toolbar code reads the tables into it and writes the
// results back. No Windows here: built and tested natively.
//
// Sums are kept in 64 bits and stored saturated to 32.
#ifndef ZEK_FURNITURE_TOOLBAR_PLACE_H
#define ZEK_FURNITURE_TOOLBAR_PLACE_H

#include <cstdint>

// One docked bar of the strip: its x (bFsx) and width (bFwx).
struct DockedBar {
    int32_t x;
    int32_t width;
    bool dropped;  // the bar being dropped: before any bar at the same x
};

// x of a bar added at the right end: the sum of the other docked widths.
int32_t dock_append_x(const DockedBar *others, int32_t count);

// Sorts the bars by x (the dropped one before others at its x, the rest in
// their given order) and packs them from 0 without gaps. order receives the
// given indices in strip order (count entries) when not null.
void dock_repack(DockedBar *bars, int32_t count, int32_t *order);

// A bar pulled out at gapX leaves a gap gapWidth wide: the bars right of it
// move left by that width.
void dock_close_gap(DockedBar *bars, int32_t count, int32_t gapX, int32_t gapWidth);

// The drag ends docked when its top-left corner lies inside the owner's
// window rectangle (left and top inclusive, right and bottom exclusive).
struct PlaceRect {
    int32_t left, top, right, bottom;
};
bool drop_docks(const PlaceRect &owner, int32_t x, int32_t y);

// Moves a floating bar's window back onto a screen screenW x screenH: one
// wholly left of or above it to 0, one starting past the right edge to end at
// it, one starting within 20 pixels of the bottom (or below) to y 103.
struct PlacePoint {
    int32_t x, y;
};
PlacePoint keep_bar_on_screen(int32_t x, int32_t y, int32_t width, int32_t height,
                              int32_t screenW, int32_t screenH);

#endif
