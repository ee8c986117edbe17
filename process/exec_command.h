// Running the command a window's menu or button left in bMenuDt at once.
#ifndef ZEK_PROCESS_EXEC_COMMAND_H
#define ZEK_PROCESS_EXEC_COMMAND_H

#include "zek2/exec.h"
#include "../window/win_data.h"

// Exec_ExecCall(job, the command's procedure text, window, 0, 0); the text
// is read within its 32 bytes, terminated or not. job is a window's ExecJob.
int32_t exec_run_command(intptr_t job, const Win_menu_command &command, ZEK_object *window);

#endif
