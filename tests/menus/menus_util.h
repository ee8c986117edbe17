// Helpers of the menu and furniture tests: tables written byte by byte at
// their offsets, as programs hand them over.
#ifndef ZEK_TESTS_MENUS_UTIL_H
#define ZEK_TESTS_MENUS_UTIL_H

#include <cstring>
#include <initializer_list>
#include <vector>

#include "../wincore/wincore_util.h"

using Bytes = std::vector<unsigned char>;

template <typename T>
void put(Bytes &b, size_t at, T v)
{
    std::memcpy(&b[at], &v, sizeof v);
}

// A button entry: frame, x, y, w, h (pixels), command id, command type, key.
struct Btn {
    int16_t frame, x, y, w, h;
    int32_t id;
    int16_t type;
    int32_t key;
};

inline Bytes buttons(std::initializer_list<Btn> list)
{
    const size_t entry = 130 + 4 * sizeof(void *);
    Bytes b((list.size() + 1) * entry, 0);
    size_t at = 0;
    for (const Btn &e : list) {
        const int16_t head[] = {1, 0, 0, 0, e.frame, e.x, e.y, e.w, e.h};
        std::memcpy(&b[at], head, sizeof head);
        put(b, at + 22, e.id), put(b, at + 26, e.type), put(b, at + 30, e.key);
        at += entry;
    }
    put(b, at, int16_t(-1));
    return b;
}

inline ZEK_object *&furniture(ZEK_object *w, const char *slot) { return member<ZEK_object *>(w, slot); }
inline HWND hwnd_of(ZEK_object *w) { return w ? member<HWND>(w, "hWnd") : nullptr; }

// The window's rectangle in its parent's client coordinates.
inline std::vector<long> placed(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT *>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

#endif
