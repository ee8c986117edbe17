// The live Win objects of the process. A window's creation parameter is
// trusted only when it names one of them.
#include "win_proc.h"

#include <set>

namespace {

SRWLOCK gLock = SRWLOCK_INIT;
std::set<const ZEK_object *> &live()
{
    static std::set<const ZEK_object *> objects;
    return objects;
}

}  // namespace

void win_register(const ZEK_object *object)
{
    AcquireSRWLockExclusive(&gLock);
    live().insert(object);
    ReleaseSRWLockExclusive(&gLock);
}

void win_unregister(const ZEK_object *object)
{
    AcquireSRWLockExclusive(&gLock);
    live().erase(object);
    ReleaseSRWLockExclusive(&gLock);
}

bool win_is_live(const ZEK_object *object)
{
    AcquireSRWLockShared(&gLock);
    const bool found = object && live().count(object) != 0;
    ReleaseSRWLockShared(&gLock);
    return found;
}
