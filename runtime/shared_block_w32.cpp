// The shared section: one copy for all processes, in this order, written
// without locks.
#include "zek2/shared.h"

#include "shared_block.h"

#define ZEK_SHARED __attribute__((section(".zekshr"), shared, no_reorder))

namespace {

ZEK_SHARED ZekSharedHead sharedHead = {0, 0, 0};

}  // namespace

extern "C" {

ZEK_SHARED MainArg gMainArg = {{
    12, 6, 0, 0, 400,    // height, width, escapement, orientation, weight
    0, 0, 0,             // italic, underline, strike-out
    SHIFTJIS_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
    FIXED_PITCH | FF_MODERN,
    "ＭＳ ゴシック",
}};

}  // extern "C"

namespace {

ZEK_SHARED ZekSharedTail sharedTail = {
    {},
    {"ＭＳ ゴシック", "ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ 明朝"},
    {{}, 0, 1},
};

}  // namespace

ZekSharedHead *zek_shared_head()
{
    return &sharedHead;
}

ZekSharedTail *zek_shared_tail()
{
    return &sharedTail;
}

extern "C" MainArg *ZEKAPI Get_gMainArg(void)
{
    return &gMainArg;
}

extern "C" int ZEKAPI SetCursorOnFlag(int value)
{
    sharedHead.cursorHide = uint16_t(value);
    return value;
}
