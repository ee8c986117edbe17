// Reading button table entries into button records.
#include "button_entry.h"

#include <algorithm>
#include <cstring>

#include "button_layout.h"

namespace {

int16_t state_at(const unsigned char *p)
{
    int16_t s;
    std::memcpy(&s, p, sizeof s);
    return s;
}

int32_t scaled(int16_t v, bool pixels, int32_t pitch)
{
    const int64_t r = pixels ? int64_t(v) : int64_t(v) * pitch;
    return int32_t(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

// A 32-byte source field holds its NUL only when the text is shorter.
template <size_t N, size_t M>
void copy_text(char (&dst)[N], const char (&src)[M])
{
    static_assert(M < N, "room for the terminator");
    size_t n = 0;
    while (n < M && src[n])
        ++n;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

}  // namespace

EntryScan scan_button_entries(const void *bytes, size_t size)
{
    const auto *p = static_cast<const unsigned char *>(bytes);
    if (!p || size < sizeof(int16_t))
        return {p ? EntryTable::Unended : EntryTable::KeepOld, 0, 0};
    if (state_at(p) == kEntryEnd)
        return {EntryTable::KeepOld, 0, 0};
    int32_t buttons = 0;
    size_t at = 0;  // never past size: each step follows a whole entry
    for (int32_t i = 0;; ++i, at += kButtonEntryBytes) {
        if (size - at < sizeof(int16_t))
            return {EntryTable::Unended, i, buttons};
        if (state_at(p + at) == kEntryEnd)
            return {EntryTable::Buttons, i, buttons};
        if (i == kMaxButtonEntries || size - at < kButtonEntryBytes)
            return {EntryTable::Unended, i, buttons};
        if (button_entry(bytes, i).frame != kRectEntryFrame)
            ++buttons;
    }
}

ButtonEntry button_entry(const void *bytes, int32_t i)
{
    ButtonEntry e;
    std::memcpy(&e, static_cast<const unsigned char *>(bytes) + size_t(i) * kButtonEntryBytes, sizeof e);
    return e;
}

void entry_to_button(const ButtonEntry &e, bool pixels, CellPitch pitch, AtrTable_button *out)
{
    AtrTable_button &b = *out;
    std::memset(&b, 0, sizeof b);
    b.bGlay = e.state == 1 ? 0 : e.state == 2 ? 2 : 1;
    b.bOnOff = uint8_t(e.onOff & 0xFF);
    b.pModeD = e.mode;
    b.frame = e.frame;
    b.key = e.key;
    b.group = e.group;
    b.sx = scaled(e.x, pixels, pitch.x);
    b.sy = scaled(e.y, pixels, pitch.y);
    b.wx = std::max(scaled(e.w, pixels, pitch.x), 0);
    b.wy = std::max(scaled(e.h, pixels, pitch.y), 0);
    b.ox = e.ox;
    b.oy = e.oy;
    b.bComType = e.comType;
    b.bComId = e.comId;
    b.bRunMode = e.runMode;
    copy_text(b.str, e.text);
    copy_text(b.hint, e.hint);
    copy_text(b.cls, e.text2);
}

void link_mode_cells(AtrTable_button *records, int32_t count)
{
    struct Pair {
        int16_t group;
        int16_t *cell;
    };
    Pair registry[kMaxModeGroups];
    int32_t registered = 0;
    for (int32_t i = 0; records && i < count; ++i) {
        AtrTable_button &b = records[i];
        b.pMode = &b.pModeD;
        if (b.group <= 0)
            continue;
        Pair *const end = registry + registered;
        const Pair *const hit =
            std::find_if(registry, end, [&](const Pair &p) { return p.group == b.group; });
        if (hit != end)
            b.pMode = hit->cell;
        else if (registered < kMaxModeGroups)
            registry[registered++] = {b.group, &b.pModeD};
    }
}

void apply_rect_entry(const ButtonEntry &e, AtrLayout *t)
{
    t->bFsx = t->bWsx = e.x;
    t->bFsy = t->bWsy = e.y;
    t->bFwx = t->bWwx = std::max<int32_t>(e.w, 0);
    t->bFwy = t->bWwy = std::max<int32_t>(e.h, 0);
}

int32_t fill_buttons(const void *bytes, const EntryScan &scan, bool pixels, CellPitch pitch,
                     AtrTable_button *records, int32_t capacity, AtrLayout *table)
{
    if (scan.kind != EntryTable::Buttons || !records)
        capacity = 0;
    int32_t filled = 0;
    for (int32_t i = 0; scan.kind == EntryTable::Buttons && i < scan.entries; ++i) {
        const ButtonEntry e = button_entry(bytes, i);
        if (e.frame == kRectEntryFrame) {
            if (table)
                apply_rect_entry(e, table);
        } else if (filled < capacity) {
            entry_to_button(e, pixels, pitch, &records[filled++]);
        }
    }
    link_mode_cells(records, filled);
    return filled;
}
