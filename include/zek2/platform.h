/* Platform identifier and the wait cursor. */
#ifndef ZEK2_PLATFORM_H
#define ZEK2_PLATFORM_H

#include <windows.h>

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* dwPlatformId of the system's version information (2 = NT), read once per
   process; -1 when the system would not report it. */
int ZEKAPI GetOsPlatform(void);

/* Show the wait / arrow cursor; both return the cursor shown before. */
HCURSOR ZEKAPI WaitMsgCursorOn(void);
HCURSOR ZEKAPI WaitMsgCursorOff(void);

ZEK_EXTERN_C_END

#endif
