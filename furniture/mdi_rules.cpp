// What the MDI frame decides without a window.
#include "mdi_rules.h"

#include "zek2/keys.h"

namespace {

constexpr int32_t kShowNormal = 5;     // SW_SHOW
constexpr int32_t kShowMaximized = 3;  // SW_SHOWMAXIMIZED
constexpr int32_t kEdgeRestored = 11;

}  // namespace

int32_t mdi_next_free(const void *const slots[kMdiChildren])
{
    for (int32_t i = 0; i < kMdiChildren; ++i)
        if (!slots[i])
            return i;
    return -1;
}

MdiKeyStep mdi_key_step(int32_t key, int32_t runMode)
{
    switch (key) {
    case -1:
        return MdiKeyStep::Gone;
    case ZEK_CMD_MENU:
        return runMode == 0 ? MdiKeyStep::LeaveForCommand : MdiKeyStep::RunCommand;
    case ZEK_CMD_END:
        return MdiKeyStep::End;
    case ZEK_CMD_LEAVE:
    case ZEK_CMD_LEAVE_STATUS:
        return MdiKeyStep::Leave;
    case ZEK_CMD_REDRAW:
        return MdiKeyStep::Redraw;
    default:
        return MdiKeyStep::Key;
    }
}

bool mdi_wheel_add(int32_t &count, int32_t delta)
{
    // In 64 bits: a program may have left any value in the member.
    int64_t sum = int64_t(count < 0 ? 0 : count) + (delta < 0 ? -int64_t(delta) : delta);
    if (sum > 119) {
        count = 0;
        return true;
    }
    count = int32_t(sum);
    return false;
}

MdiShow mdi_restored(int32_t show, int32_t showB)
{
    if (show == kShowMaximized && showB == kShowMaximized)
        return {kShowNormal, kShowNormal, 0};
    return {showB, showB, kEdgeRestored};
}
