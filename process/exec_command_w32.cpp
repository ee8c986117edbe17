// Commands run at once from the loops of a window.
#include "exec_command.h"

#include <cstring>

int32_t exec_run_command(intptr_t job, const Win_menu_command &command, ZEK_object *window)
{
    char text[sizeof command.text + 1] = {};
    std::memcpy(text, command.text, sizeof command.text);
    return Exec_ExecCall(reinterpret_cast<ZEK_object *>(job), text, window, 0, 0);
}
