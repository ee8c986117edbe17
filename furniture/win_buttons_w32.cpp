// Win_InitButton: a window's button table built from a program's entries.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "../runtime/object.h"
#include "../window/win_call.h"
#include "atr_table.h"
#include "button_bitmaps.h"
#include "button_entry.h"
#include "button_layout.h"

namespace {

int32_t pitch_of(const int32_t (&parts)[3])
{
    const int64_t sum = int64_t(parts[0]) + parts[1] + parts[2];
    return int32_t(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

AtrLayout layout_of(const AtrTable_data &d)
{
    AtrLayout l{};
    l.bFsx = d.bFsx, l.bFsy = d.bFsy, l.bFwx = d.bFwx, l.bFwy = d.bFwy;
    l.bWsx = d.bWsx, l.bWsy = d.bWsy, l.bWwx = d.bWwx, l.bWwy = d.bWwy;
    return l;
}

void store_rects(AtrTable_data &d, const AtrLayout &l)
{
    d.bFsx = l.bFsx, d.bFsy = l.bFsy, d.bFwx = l.bFwx, d.bFwy = l.bFwy;
    d.bWsx = l.bWsx, d.bWsy = l.bWsy, d.bWwx = l.bWwx, d.bWwy = l.bWwy;
}

// The pictures of entry e into record r. A header that cannot be trusted
// leaves a text button rather than a section read past the program's bits.
void attach_bitmaps(const ButtonEntry &e, COLORREF face, AtrTable_button &r)
{
    ButtonDib dib;
    if (!make_button_dib(e.bmpInfo, e.bmpBits, face, &dib))
        return;
    r.bButtonType = 1;
    r.hBmp = dib.bmp;
    r.pjBits = dib.bits;
    r.bBmpX = dib.width;
    r.bBmpY = dib.height;
    if (make_button_dib(e.selInfo, e.selBits, face, &dib)) {
        r.hBmpUn = dib.bmp;
        r.pjBits2 = dib.bits;
    }
}

}  // namespace

// The table belongs to w: Win_dtor deletes it, and so does the next
// Win_InitButton before building another (the table's destructor stops its
// hint and timers and deletes its bitmaps).
extern "C" int32_t ZEKAPI Win_InitButton(ZEK_object *w, const void *entries, int32_t pixels,
                                         int32_t kind, int32_t floatKind)
{
    Win_data *wd = win_data_of(w);
    if (!wd)
        return 0;
    // A program's table is read up to its end marker; one without a marker
    // within the entry limit is refused, as is an empty one.
    const EntryScan scan = scan_button_entries(entries, SIZE_MAX);
    if (scan.kind != EntryTable::Buttons)
        return 0;
    zek_delete_object(std::exchange(wd->pButtonTbl, nullptr));
    const COLORREF face = Color3dFace();

    ZEK_object *t = AtrTable_ctor2(nullptr);
    AtrTable_data *d = atr_data(t);
    if (!d)
        return 0;
    if (scan.buttons > 0 && !atr_mem_call<int32_t>(t, kFdMemAlloc, scan.buttons)) {
        zek_delete_object(t);
        return 0;
    }
    wd->pButtonTbl = t;
    d->pWin = w;
    d->bPos = kind;
    d->bPosBuf = floatKind;

    const AtrButtons b = atr_buttons(t);
    AtrLayout rects = layout_of(*d);
    const CellPitch pitch{pitch_of(wd->ChrWdGx), pitch_of(wd->ChrWdGy)};
    fill_buttons(entries, scan, pixels != 0, pitch, b.rec, b.count, &rects);
    store_rects(*d, rects);
    for (int32_t i = 0, k = 0; i < scan.entries && k < b.count; ++i) {
        const ButtonEntry e = button_entry(entries, i);
        if (e.frame != kRectEntryFrame)
            attach_bitmaps(e, face, b.rec[k++]);
    }
    return 1;
}
