// Win: the MDI frame's key loop for its active child and the mouse jobs it
// hands to all children at once.
#include "mdi_links.h"
#include "../process/exec_command.h"
#include "zek2/keys.h"
#include "../runtime/member_lookup.h"

namespace {

// The child at bMdiSelPos, read anew each time: the active child may change
// or close while the loop runs.
ZEK_object *active_child(ZEK_object *frame)
{
    Win_data *d = win_is_live(frame) ? win_data_of(frame) : nullptr;
    return d && mdi_valid_number(d->bMdiSelPos) ? d->pMdiChild[d->bMdiSelPos] : nullptr;
}

}  // namespace

extern "C" void ZEKAPI Win_SetMdiMouseJob(ZEK_object *object, Win_job_fn sr, Win_job_fn sl,
                                          Win_job_fn m1, Win_job_fn m2, Win_job_fn p0,
                                          Win_job_fn pb, Win_job_fn mn, Win_job_fn md)
{
    mdi_for_each_child(object, [&](ZEK_object *child, int32_t) {
        win_call<kWinSetStdMouseJob>(child, sr, sl, m1, m2, p0, pb, mn, md);
    });
}

extern "C" void ZEKAPI Win_MdiPushMouse(ZEK_object *object, ZEK_object *job)
{
    // A job that carries procedures (its pEditJ) runs the children's commands.
    auto *editJ = static_cast<void **>(job ? zek_find_data(job, "pEditJ") : nullptr);
    const bool lends = editJ && *editJ;
    mdi_for_each_child(object, [&](ZEK_object *child, int32_t) {
        win_call<kWinPushMouse>(child);
        Win_data *c = win_is_live(child) ? win_data_of(child) : nullptr;
        if (lends && c)
            c->ExecJob = reinterpret_cast<intptr_t>(job);
    });
}

extern "C" void ZEKAPI Win_MdiPopMouse(ZEK_object *object)
{
    mdi_for_each_child(object, [](ZEK_object *child, int32_t) { win_call<kWinPopMouse>(child); });
}

extern "C" int32_t ZEKAPI Win_MdiSubLoop(ZEK_object *object, ZEK_object *job, Win_job_fn start,
                                         Win_job_fn leave, Win_key_job_fn keyJob, Win_job_fn cad)
{
    Win_data *d = win_data_of(object);
    ZEK_object *child = active_child(object);
    if (!d || !child)
        return ZEK_CMD_LEAVE_STATUS;
    // Status panes hold at most 63 characters; the buffer is ample.
    char saved[256] = {};
    win_call<kWinGetStatusMsg>(object, static_cast<char *>(saved), int32_t(0));
    saved[sizeof saved - 1] = '\0';
    win_call<kWinMdiPushMouse>(object, job);
    if (start && start(child) == ZEK_CMD_LEAVE_STATUS) {
        win_call<kWinMdiPopMouse>(object);
        return ZEK_CMD_LEAVE_STATUS;
    }
    // A job or hook may delete the frame: every step after one looks first.
    auto live = [object] { return win_is_live(object); };
    auto end_with = [&](ZEK_object *c) {
        if (leave && c)
            leave(c);
        if (live())
            win_call<kWinMdiPopMouse>(object);
    };
    auto restore_status = [&] {
        if (live())
            win_call<kWinSetStatusMsg>(object, static_cast<const char *>(saved), int32_t(0));
    };
    for (;;) {
        const int32_t key = live() ? win_call<kWinKeyin>(object, int32_t(0), int32_t(0),
                                                         int32_t(0))
                                   : -1;
        ZEK_object *c = active_child(object);
        const int32_t runMode = live() ? d->bMenuDt.runMode : 0;
        switch (mdi_key_step(key, runMode)) {
        case MdiKeyStep::Gone:
            // The frame's window is gone: no further key can come.
            end_with(c);
            return -1;
        case MdiKeyStep::LeaveForCommand:
            // An ordinary command: the outer loop runs it.
            end_with(c);
            restore_status();
            if (live())
                win_post_key(*d, ZEK_CMD_MENU);
            return ZEK_CMD_LEAVE;
        case MdiKeyStep::RunCommand:
            // A command to run at once, with the active child's job.
            if (c)
                win_call<kWinwork_m1>(c);
            if (c && win_is_live(c) && live())
                exec_run_command(win_data_of(c)->ExecJob, d->bMenuDt, object);
            if (c && win_is_live(c))
                win_call<kWinwork_m1>(c);
            break;
        case MdiKeyStep::End:
            end_with(c);
            if (live())
                win_call<kWinAltF4>(object);
            restore_status();
            return ZEK_CMD_END;
        case MdiKeyStep::Leave:
            end_with(c);
            restore_status();
            return key;
        case MdiKeyStep::Redraw:
            if (cad && c)
                cad(c);
            break;
        case MdiKeyStep::Key:
            if (keyJob && c)
                keyJob(c, key);
            break;
        }
    }
}
