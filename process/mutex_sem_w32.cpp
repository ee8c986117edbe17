// Unnamed mutexes: thin wrappers; the caller owns each handle.
#include "zek2/exec.h"

extern "C" {

HANDLE ZEKAPI CreateMutexSem(void)
{
    return CreateMutexA(nullptr, FALSE, nullptr);
}

uint32_t ZEKAPI RequestMutexSem(HANDLE mutex, uint32_t timeoutMs)
{
    return WaitForSingleObject(mutex, timeoutMs);
}

int32_t ZEKAPI ReleaseMutexSem(HANDLE mutex)
{
    return ReleaseMutex(mutex) ? 1 : 0;
}

}  // extern "C"
