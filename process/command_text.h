// The command text that menus and buttons carry: the name of a procedure of
// the caller's own Exec object, or "module\procedure" naming a class module
// and a procedure in it.
#ifndef ZEK_PROCESS_COMMAND_TEXT_H
#define ZEK_PROCESS_COMMAND_TEXT_H

#include <cstddef>

// Bytes of a command text that are looked at; the rest is ignored.
constexpr size_t kCommandTextBytes = 127;

struct CommandText {
    bool names = false;     // false: null, empty or starting with a space
    bool inModule = false;  // a backslash separates a module file name
    char module[kCommandTextBytes + 1] = {};
    char procedure[kCommandTextBytes + 1] = {};
};

// Splits at the first backslash that is a character of its own (the second
// byte of a two-byte character is not one). Only the first 127 bytes count,
// cut between characters.
CommandText split_command_text(const char *text);

#endif
