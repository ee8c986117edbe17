// The command hooks of a Win: running a menu or button command, the end of
// the program and keyboard shortcuts. Programs replace them by name.
#include <cstring>

#include "zek2/files.h"
#include "zek2/keys.h"
#include "../process/exec_command.h"
#include "../window/win_call.h"

extern "C" int32_t ZEKAPI Win_RunMenuProc(ZEK_object *w)
{
    Win_data *d = win_data_of(w);
    if (!d)
        return ZEK_CMD_LEAVE_STATUS;
    const Win_menu_command &c = d->bMenuDt;
    if (c.type >= 2) {
        char text[sizeof c.text + 1];
        const size_t n = strnlen(c.text, sizeof c.text);
        std::memcpy(text, c.text, n);
        text[n] = '\0';
        session(text, nullptr, ZEK_SESSION_WAIT);
    } else {
        // A procedure of the window's job object, or module\procedure.
        exec_run_command(d->ExecJob, c, w);
    }
    return ZEK_CMD_LEAVE_STATUS;
}

extern "C" int32_t ZEKAPI Win_RunEndProc(ZEK_object *)
{
    return 1;
}

extern "C" int32_t ZEKAPI Win_RunShortCutProc(ZEK_object *, int32_t)
{
    return 0;
}
