// Taking waiting messages one at a time inside the library's waits.
#ifndef ZEK_WINDOW_MESSAGE_PUMP_H
#define ZEK_WINDOW_MESSAGE_PUMP_H

#include "win_call.h"

// A quit message met inside a wait belongs to the loop around the wait: it
// is kept back and posted again once the wait is over, because posting it at
// once would make every further look at the queue return it again.
struct PendingQuit {
    bool seen = false;
    WPARAM code = 0;
    PendingQuit() = default;
    PendingQuit(const PendingQuit &) = delete;
    PendingQuit &operator=(const PendingQuit &) = delete;
    ~PendingQuit();
};

// Takes one waiting message and dispatches it (an MDI frame's system keys
// first to its client); false when none waited.
bool pump_one(ZEK_object *object, PendingQuit &quit, LRESULT *result = nullptr);

#endif
