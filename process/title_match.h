// Which windows a search by title or class name picks: the comparison of one
// name with the searched text and the counting over an enumeration, kept free
// of the window system so that it runs natively.
#ifndef ZEK_PROCESS_TITLE_MATCH_H
#define ZEK_PROCESS_TITLE_MATCH_H

#include <cstddef>
#include <cstdint>

// Titles are read into 127 bytes (at most 126 characters), class names into 128.
constexpr size_t kTitleBytes = 127;
constexpr size_t kClassNameBytes = 128;

enum TitleMatchMode : int32_t {
    kTitleEquals = 0,
    kTitleEndsWith = 1,    // and is at least two characters longer than the text
    kTitleBeginsWith = 2,
    kTitleBeginsOrEnds = 3,  // modes 2 and 1, each counted on its own
    kClassEquals = 4,
};

// Whether the mode compares class names instead of titles.
bool title_match_reads_class(int32_t mode);

// How often a window whose title (class name for mode 4) is name counts as a
// match of text: 0, 1, or 2 in mode 3. A null name or text never matches.
int32_t title_match_count(const char *name, const char *text, int32_t mode);

// One search over the top-level windows, fed each window's name in
// enumeration order. Without counting it stops at the first match; with
// counting it goes on and found is the last match (mode 4 stops at the first
// either way).
struct WindowSearch {
    const char *text;
    int32_t mode;
    bool counting;
    int32_t count;
    uintptr_t found;
};
WindowSearch window_search_start(const char *text, int32_t mode, bool counting);
// Takes one window; false when the search ends with it.
bool window_search_take(WindowSearch &search, const char *name, uintptr_t window);

// The n-th window (from 1) whose name equals the text; n < 1 finds nothing.
struct NthNameSearch {
    const char *text;
    int32_t n;
    int32_t count;
    uintptr_t found;
};
NthNameSearch nth_name_start(const char *text, int32_t n);
bool nth_name_take(NthNameSearch &search, const char *name, uintptr_t window);

#endif
