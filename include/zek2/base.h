/* Common definitions of the ZEK2 headers: calling convention and linkage. */
#ifndef ZEK2_BASE_H
#define ZEK2_BASE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define ZEK_EXTERN_C_BEGIN extern "C" {
#define ZEK_EXTERN_C_END }
#else
#define ZEK_EXTERN_C_BEGIN
#define ZEK_EXTERN_C_END
#endif

/* Every export is a plain C function with the caller cleaning the stack. */
#if defined(_WIN32) && !defined(_WIN64)
#define ZEKAPI __cdecl
#else
#define ZEKAPI
#endif

#endif
