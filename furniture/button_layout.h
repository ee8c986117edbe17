// Where a button table's buttons go: the bar, locked, row, column and free
// layouts, the status bar panes and the mode menu. Pure arithmetic over the
// records and the table's members; the table passes in what it reads from
// its window. No Windows here: built and tested natively.
//
// Every layout walks exactly count records, reads a negative button size as
// 0 and keeps its sums in 64 bits, storing results saturated to 32.
#ifndef ZEK_FURNITURE_BUTTON_LAYOUT_H
#define ZEK_FURNITURE_BUTTON_LAYOUT_H

#include <cstdint>

#include "button_record.h"

// The table members the layouts read and write, named as in AtrTable.
struct AtrLayout {
    int32_t ClsSx, ClsSy, ClsEx, ClsEy;
    int32_t bPos, bPosBuf;
    int32_t bFsx, bFsy, bFwx, bFwy;   // frame rectangle: what the bar needs
    int32_t bWsx, bWsy, bWwx, bWwy;   // window rectangle
    int32_t bEdgeFlag;
};

enum : int32_t { kPosBar = 0, kPosLock = 1, kPosYoko = 2, kPosTate = 3, kPosFree = 4 };
constexpr int32_t kModeMenuBottomId = 80600;

// Edge width a frame code adds to a button's size.
int32_t frame_width(int32_t frame);
// Separator (110) and gap (111): no button, fixed room in bar layouts.
bool is_spacer(int32_t frame);

int32_t button_max_h(const AtrTable_button *r, int32_t count);
int32_t button_max_w(const AtrTable_button *r, int32_t count);

struct FrameMaxSize {
    int32_t maxW, maxH, sumW, sumH, count;
};
FrameMaxSize frame_max_size(const AtrTable_button *r, int32_t count);

// barHeight: bToolHeight - bToolEdge of the table's window.
void set_pos_bar(AtrLayout &t, AtrTable_button *r, int32_t count, int32_t barHeight);
void set_pos_lock(AtrLayout &t);
void set_pos_yoko(AtrLayout &t, AtrTable_button *r, int32_t count);
void set_pos_tate(AtrLayout &t, AtrTable_button *r, int32_t count);
// The free layout's choice from the sizes: kPosYoko when a row fits the frame
// width, kPosTate when a column fits its height, else kPosFree (a grid).
int32_t free_kind(const AtrLayout &t, const FrameMaxSize &s);
// The grid, with at least one column (also when every button is 0 wide).
void set_pos_grid(AtrLayout &t, AtrTable_button *r, int32_t count, const FrameMaxSize &s);
// The free layout; a row or column becomes bPos and bPosBuf.
void set_pos_free(AtrLayout &t, AtrTable_button *r, int32_t count);
// The layout of the kind in bPos (others: nothing).
void layout_tool_bar(AtrLayout &t, AtrTable_button *r, int32_t count, int32_t barHeight);

// Status panes in one row across clientWidth.
void layout_status_bar(AtrTable_button *r, int32_t count, int32_t clientWidth);
// The vertical mode menu, only with bEdgeFlag set; bottom: the window's
// bottom edge (bRect).
void layout_mode_menu(const AtrLayout &t, AtrTable_button *r, int32_t count, int32_t bottom);

#endif
