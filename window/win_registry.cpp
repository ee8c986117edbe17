// The live Win objects of the process with their lifetime state. A window's
// creation parameter is trusted only when it names one of them.
#include "win_lifetime.h"

#include <map>

namespace {

SRWLOCK gLock = SRWLOCK_INIT;
std::map<const ZEK_object *, WinLife> &live()
{
    static std::map<const ZEK_object *, WinLife> objects;
    return objects;
}

}  // namespace

void win_register(const ZEK_object *object)
{
    AcquireSRWLockExclusive(&gLock);
    live()[object] = WinLife{};
    ReleaseSRWLockExclusive(&gLock);
}

void win_unregister(const ZEK_object *object)
{
    AcquireSRWLockExclusive(&gLock);
    live().erase(object);
    ReleaseSRWLockExclusive(&gLock);
}

WinLife *win_life(const ZEK_object *object)
{
    if (!object)
        return nullptr;
    AcquireSRWLockShared(&gLock);
    auto it = live().find(object);
    WinLife *life = it == live().end() ? nullptr : &it->second;
    ReleaseSRWLockShared(&gLock);
    return life;
}

bool win_is_live(const ZEK_object *object)
{
    return win_life(object) != nullptr;
}
