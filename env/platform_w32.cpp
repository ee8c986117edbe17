// Platform identifier and the wait cursor.
#include "zek2/platform.h"

#include <atomic>

namespace {

// All bits set until the version information has been read.
std::atomic<int> gPlatformId{-1};

}  // namespace

extern "C" {

int ZEKAPI GetOsPlatform(void)
{
    int id = gPlatformId.load(std::memory_order_relaxed);
    if (id != -1)
        return id;
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return -1;  // not cached: the next call asks again
    id = static_cast<int>(info.dwPlatformId);
    gPlatformId.store(id, std::memory_order_relaxed);
    return id;
}

HCURSOR ZEKAPI WaitMsgCursorOn(void)
{
    return SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

HCURSOR ZEKAPI WaitMsgCursorOff(void)
{
    return SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // extern "C"
