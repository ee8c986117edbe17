// Win: the standard command loops of a main window and of a sub-task that
// lends the mouse to a job window.
#include "win_call.h"
#include "win_lifetime.h"
#include "../process/exec_command.h"
#include "zek2/keys.h"

namespace {

const char kChooseAction[] = "処理を選択して下さい";

// A command, hook or job run by the loops may delete the object: each step
// looks first, and a deleted object gives no key (-1) and takes no call.
int32_t next_key(ZEK_object *object)
{
    if (!win_is_live(object))
        return -1;
    return win_call<kWinKeyin>(object, int32_t(0), int32_t(0), int32_t(0));
}

void status(ZEK_object *object, const char *text)
{
    if (win_is_live(object))
        win_call<kWinSetStatusMsg>(object, text, int32_t(0));
}

void reset_buttons(ZEK_object *object)
{
    if (win_is_live(object))
        win_call<kWinResetOnOffButton>(object, static_cast<ZEK_object *>(nullptr));
}

}  // namespace

extern "C" int32_t ZEKAPI Win_StdMainLoop(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return ZEK_CMD_END;
    status(object, kChooseAction);
    d->pMdiSelWin = nullptr;
    d->pCadDat = nullptr;
    for (;;) {
        status(object, kChooseAction);
        const int32_t key = next_key(object);
        switch (key) {
        case -1:
            // The window is gone: no further key can come.
            return ZEK_CMD_END;
        case ZEK_CMD_MENU:
            if (win_call<kWinRunMenuProc>(object) != ZEK_CMD_LEAVE)
                reset_buttons(object);
            break;
        case ZEK_CMD_LEAVE_STATUS:
            reset_buttons(object);
            break;
        case ZEK_CMD_END:
            reset_buttons(object);
            if (win_call<kWinRunEndProc>(object))
                return ZEK_CMD_END;
            break;
        case ZEK_CMD_DROPFILES:
            reset_buttons(object);
            win_call<kWinDropFilesDir>(object);
            break;
        case ZEK_CMD_MDI_CLOSE:
            reset_buttons(object);
            win_call<kWinMdiCadClose>(object);
            break;
        default:
            break;
        }
    }
}

extern "C" int32_t ZEKAPI Win_StdSubLoop(ZEK_object *object, ZEK_object *jobWindow,
                                         Win_job_fn start, Win_job_fn leave,
                                         Win_key_job_fn keyJob, Win_job_fn redrawJob)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return -1;
    // Status panes hold at most 63 characters; the buffer is ample.
    char saved[256] = {};
    win_call<kWinGetStatusMsg>(object, static_cast<char *>(saved), int32_t(0));
    saved[sizeof saved - 1] = '\0';
    win_call<kWinPushMouse>(jobWindow);
    if (start && start(jobWindow) == ZEK_CMD_LEAVE_STATUS) {
        win_call<kWinPopMouse>(jobWindow);
        return ZEK_CMD_LEAVE_STATUS;
    }
    // Every way out gives the job window its own mouse jobs back.
    auto leave_loop = [&] {
        if (leave)
            leave(jobWindow);
        win_call<kWinPopMouse>(jobWindow);
    };
    for (;;) {
        const int32_t key = next_key(object);
        switch (key) {
        case -1:
            // The window is gone; the loop cannot get another key.
            leave_loop();
            return -1;
        case ZEK_CMD_MENU:
            win_call<kWinwork_m1>(jobWindow);
            if (!win_is_live(object)) {
                leave_loop();
                return -1;
            }
            if (d->bMenuDt.runMode == 0) {
                // An ordinary command: the outer loop runs it.
                if (leave)
                    leave(jobWindow);
                win_call<kWinPopMouse>(jobWindow);
                win_post_key(*d, ZEK_CMD_MENU);
                return ZEK_CMD_LEAVE;
            }
            // A command to run at once: the job's procedure runs inside the loop.
            exec_run_command(d->ExecJob, d->bMenuDt, object);
            if (!win_is_live(object)) {
                leave_loop();
                return -1;
            }
            win_call<kWinwork_m1>(jobWindow);
            break;
        case ZEK_CMD_END:
            leave_loop();
            win_call<kWinAltF4>(object);
            return ZEK_CMD_END;
        case ZEK_CMD_LEAVE:
        case ZEK_CMD_LEAVE_STATUS:
            leave_loop();
            if (key == ZEK_CMD_LEAVE_STATUS)
                status(object, saved);
            return key;
        case ZEK_CMD_REDRAW:
            if (redrawJob)
                redrawJob(jobWindow);
            break;
        default:
            if (keyJob)
                keyJob(jobWindow, key);
            break;
        }
    }
}
