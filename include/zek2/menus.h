/* Menus and docked furniture of a Win: the menu table a program hands to
   Win_InitMenuBar, the side codes of the lock menus, and who owns what.

   Menu bar: Win_InitMenuBar builds hMenu from the table; the window Win_con
   creates takes it and destroys it with itself (when the window exists
   already, it shows the new bar at once and the bar it showed is
   destroyed). Each item's data is a pointer to the procedure text inside
   the program's table (Win_GetMenuProc returns it, and a chosen item copies
   it into bMenuDt), so the table must outlive the menu: keep it static.
   Entries naming a pop-up outside 1-9, one not yet opened by an earlier
   entry, or opening the pop-up they go into are left out; a table without
   its end marker within 4096 entries builds nothing (result 0).

   Lock menus (Win_InitLockMenu, side codes below) and the status bar
   (Win_InitStatusBar) are Win objects held in the owner's pLeftMenuBar,
   pRightMenuBar, pTopMenuBar, pDownMenuBar and pStatusBar, and belong to
   the owner: when a furniture window is destroyed its object is deleted and
   the owner's slot holding it (that one only) is cleared; the owner's
   WM_NCDESTROY deletes what is left; initialising a side or the status bar
   again deletes the object it replaces. A failed Win_InitStatusBar leaves
   no bar. Their button tables are copied; the entries need not outlive the
   call. Furniture objects run on the owner's thread. */
#ifndef ZEK2_MENUS_H
#define ZEK2_MENUS_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* One entry of a menu table (140 bytes, packed); a parent of -1 ends it. */
#pragma pack(push, 1)
typedef struct Win_menu_entry {
    int16_t parent;  /* 0 the menu bar; n (1-9) pop-up n */
    int16_t opens;   /* 0 a plain item; n (1-9) the item opens pop-up n, made here */
    int16_t kind;    /* 1 separator, 2 starts a new column, anything else text */
    int16_t enabled; /* 0 grayed */
    int32_t id;      /* command identifier; the item goes before an earlier one with it */
    char proc[64];   /* procedure text run by Win_RunMenuProc */
    char caption[64];
} Win_menu_entry;
#pragma pack(pop)

/* One entry of a button table (Win_InitButton, Win_InitToolBar,
   Win_InitLockMenu, Win_InitStatusBar): packed; the bitmap pointers keep
   their full width, so an entry is 146 bytes in 32 bits and 162 in 64. A
   state of -1 ends the table; frame 113 makes an entry the table's
   rectangle rather than a button. Texts are NUL-terminated only when
   shorter than 32 bytes. */
#pragma pack(push, 1)
typedef struct Win_button_entry {
    int16_t state;   /* -1 end; 1 enabled, 2 hidden, else grayed */
    int16_t onOff;   /* low byte: 0 push, 1 toggle, 2 radio */
    int16_t group;
    int16_t mode;    /* initial pressed state */
    int16_t frame;
    int16_t x, y, w, h;
    int16_t ox, oy;  /* text offset in pixels */
    int32_t comId;   /* command identifier */
    int16_t comType; /* 0: a click sends key; else WIN_COMMAND */
    int16_t runMode;
    int32_t key;     /* 0: nothing is sent */
    char text[32];
    char hint[32];
    char text2[32];
    const void *bmpInfo; /* bitmap header with colour table; null: text button */
    const void *bmpBits;
    const void *selInfo; /* picture while selected; null: none */
    const void *selBits;
} Win_button_entry;
#pragma pack(pop)

/* The last menu or button command (a Win's bMenuDt), ready when a loop
   returns ZEK_CMD_MENU: 46 bytes, 2-byte packing. */
#pragma pack(push, 2)
typedef struct Win_menu_command {
    int32_t kind;
    int32_t id;
    char text[32];
    int16_t onOff;
    int16_t type;
    int16_t runMode;
} Win_menu_command;
#pragma pack(pop)

/* Side codes of Win_InitLockMenu and Win_CreateLockMenu. */
enum {
    WIN_LOCK_LEFT = 10,
    WIN_LOCK_RIGHT = 11,
    WIN_LOCK_TOP = 12,
    WIN_LOCK_BOTTOM = 13
};

ZEK_EXTERN_C_END

#endif
