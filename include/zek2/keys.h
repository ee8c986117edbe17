/* Key codes: the 32-bit codes that keyboard messages, menu and button
   commands and mouse jobs turn into, and their translation from messages. */
#ifndef ZEK2_KEYS_H
#define ZEK2_KEYS_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* Private window message whose wParam is a key code (a macro key). */
#define ZEK_MACRO_CHAR 0x401u

enum {
    /* Bits above the 16-bit code. */
    ZEK_KEY_SPECIAL = 0x10000, /* special key, function key or command */
    ZEK_KEY_SHIFT = 0x20000,
    ZEK_KEY_CTRL = 0x40000,
    ZEK_KEY_ALT = 0x80000,

    /* Special key codes (with ZEK_KEY_SPECIAL set in a key code). */
    ZEK_KEY_BACKSPACE = 0x05,
    ZEK_KEY_TAB = 0x06,
    ZEK_KEY_ENTER = 0x08,
    ZEK_KEY_ESC = 0x0F,
    ZEK_KEY_PAGEUP = 0x11,
    ZEK_KEY_PAGEDOWN = 0x12,
    ZEK_KEY_END = 0x13, /* also the Help key */
    ZEK_KEY_HOME = 0x14,
    ZEK_KEY_LEFT = 0x15,
    ZEK_KEY_UP = 0x16,
    ZEK_KEY_RIGHT = 0x17,
    ZEK_KEY_DOWN = 0x18,
    ZEK_KEY_INSERT = 0x1A,
    ZEK_KEY_DELETE = 0x1B,
    ZEK_KEY_F1 = 0x70, /* F1-F12 are 0x70-0x7B, the virtual-key numbers */
    ZEK_KEY_F12 = 0x7B,

    /* Library command codes, posted as ZEK_MACRO_CHAR or returned by jobs. */
    ZEK_CMD_RESIZED = 0x1001F,      /* window resized or wheel-scrolled */
    ZEK_CMD_MENU = 0x10034,         /* a menu or button command waits in bMenuDt */
    ZEK_CMD_END = 0x10035,          /* end the program */
    ZEK_CMD_LEAVE = 0x10037,        /* leave the sub-loop; the outer loop runs the command */
    ZEK_CMD_DROPFILES = 0x1003B,    /* files were dropped */
    ZEK_CMD_MDI_CLOSE = 0x1003C,    /* close the drawing of an MDI child */
    ZEK_CMD_LEAVE_STATUS = 0x1003D, /* leave the sub-loop, restore the status message */
    ZEK_CMD_REDRAW = 0x1003E,       /* redraw request inside a sub-loop */
    ZEK_CMD_SCROLLED = 0x1003F      /* the view was scrolled */
};

/* The key code of a message, or 0 for none: ZEK_MACRO_CHAR gives its wParam,
   WM_CHAR a character of 32 or more, WM_KEYDOWN and WM_SYSKEYDOWN a special
   or modified key (Shift, Ctrl and Alt are read from the keyboard now). */
int32_t ZEKAPI DirMesToKeyCode(uint32_t message, uintptr_t wParam);

ZEK_EXTERN_C_END

#endif
