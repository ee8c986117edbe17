// What the MDI frame decides without a window: free child numbers, what the
// MDI sub-loop does with a key, the wheel accumulator and show states.
#ifndef ZEK_FURNITURE_MDI_RULES_H
#define ZEK_FURNITURE_MDI_RULES_H

#include <cstdint>

constexpr int32_t kMdiChildren = 10;        // child numbers 0-9
constexpr int32_t kMdiListed = 8;           // children 0-7 have a window-list item
constexpr int32_t kMdiFirstListItem = 50101;  // the item of child 0

inline bool mdi_valid_number(int32_t n)
{
    return n >= 0 && n < kMdiChildren;
}

// The lowest free number among the ten slots; -1 when all are used.
int32_t mdi_next_free(const void *const slots[kMdiChildren]);

// What the MDI sub-loop does with a key from the frame's key wait.
enum class MdiKeyStep {
    LeaveForCommand,  // an ordinary command: the outer loop runs it (0x10037)
    RunCommand,       // a command to run at once, then go on
    End,              // end the program (0x10035)
    Leave,            // leave with the key itself (0x10037, 0x1003D)
    Redraw,           // the redraw job, then go on
    Key,              // the key job, then go on
    Gone              // the frame's window has gone: no key can come
};
MdiKeyStep mdi_key_step(int32_t key, int32_t runMode);

// Adds a wheel delta to the accumulator; true (the accumulator emptied)
// once a whole notch (more than 119) has come together.
bool mdi_wheel_add(int32_t &count, int32_t delta);

// A child's show state after a restore: a child maximised when created and
// maximised again comes back normal; any other to the state it was created in.
struct MdiShow {
    int32_t show;
    int32_t showB;
    int32_t edType;
};
MdiShow mdi_restored(int32_t show, int32_t showB);

// Whether a child draws the same picture as the frame's drawing set (a null
// set on the frame stands for every child).
inline bool mdi_in_drawing_set(const void *childSet, const void *frameSet)
{
    return !frameSet || childSet == frameSet;
}

#endif
