/* The block shared by every process that loads the library, and the shared
   message log. */
#ifndef ZEK2_SHARED_H
#define ZEK2_SHARED_H

#include <stdarg.h>
#include <windows.h>

#include "runtime.h"

ZEK_EXTERN_C_BEGIN

/* Program-wide settings; a change is seen by every process. */
typedef struct MainArg {
    LOGFONTA lf; /* the system font description */
} MainArg;

#ifdef ZEK_BUILDING_DLL
extern MainArg gMainArg;
#else
extern __declspec(dllimport) MainArg gMainArg;
#endif

MainArg *ZEKAPI Get_gMainArg(void);
HFONT ZEKAPI Get_ghFont(void);
int ZEKAPI SetCursorOnFlag(int value);

void ZEKAPI Shared_printf0(const char *format, ...);
void ZEKAPI Shared_printf(ZEK_object *window, const char *format, ...);
void ZEKAPI Shared__printf(ZEK_object *window, const char *format, va_list arguments);
int ZEKAPI Shared_Paint(ZEK_object *window);

ZEK_EXTERN_C_END

#endif
