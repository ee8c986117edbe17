// AtrTable: drawing one button (background, text or bitmap or the program's
// procedure, frame) and the whole table. Every piece is a slot and reads the
// current record, which Get sets; all drawing goes through pWin's methods
// except the bitmap copy, which uses pWin's held context. Callers hold
// graphics mode (GmodeSet .. GmodeReset) around these.
#include "atr_table.h"

#include <cstring>

#include "../window/win_call.h"
#include "button_geometry.h"
#include "zek2/win.h"

namespace {

constexpr int32_t kCopyPen = 'N';
using DrawProc = void(ZEKAPI *)(ZEK_object *, AtrTable_button *, int32_t);

// The current record, only when it is one of the table's own records.
const AtrTable_button *current(ZEK_object *t)
{
    return atr_button_at(t, t->pRecord);
}

// The texts are fixed 64-byte fields that a program may leave unterminated.
int32_t text_length(const char (&s)[64])
{
    return int32_t(strnlen(s, sizeof s));
}

bool hot(int32_t frame) { return frame >= 104 && frame <= 106; }
bool plain_frame(int32_t frame) { return (frame >= 101 && frame <= 103) || (frame >= 107 && frame <= 109); }

// Copies bmp to (x, y) on dc. The memory context is this call's and goes
// with it, the bitmap deselected first.
void copy_bitmap(HDC dc, void *bmp, int32_t x, int32_t y, int32_t cx, int32_t cy, DWORD rop)
{
    if (!dc || !bmp)
        return;
    HDC mem = CreateCompatibleDC(dc);
    if (!mem)
        return;
    HGDIOBJ old = SelectObject(mem, static_cast<HGDIOBJ>(bmp));
    if (old)
        BitBlt(dc, x, y, cx, cy, mem, 0, 0, rop);
    if (old)
        SelectObject(mem, old);
    DeleteDC(mem);
}

// Frame 110: an etched line across a row bar or down a column bar.
void draw_separator(ZEK_object *o, const AtrTable_button &r, int32_t pos)
{
    if (pos != 0 && pos != 2 && pos != 3)
        return;
    win_call<kWinSetRop>(o, kCopyPen);
    const COLORREF colours[] = {Color3dShadow(), Color3dHiLight()};
    for (int32_t k = 0; k < 2; ++k) {
        win_call<kWinSetPen>(o, colours[k], int32_t(0), int32_t(1));
        if (pos == 3)
            win_call<kWinLineI>(o, int32_t(3), r.sy + 2 + k, r.sx + r.wx + 2, r.sy + 2 + k);
        else
            win_call<kWinLineI>(o, r.sx + 2 + k, int32_t(3), r.sx + 2 + k, r.sy + r.wy + 2);
    }
}

void draw_content(ZEK_object *o, Win_data &w, const AtrTable_button &r, int32_t mode, int32_t pos)
{
    const bool selected = mode == 2;
    if (r.frame >= 101 && r.frame <= 109) {
        if (r.bButtonType == 0) {
            if (r.frame <= 107) {
                win_call<kWinPutsnn>(o, r.str, text_length(r.str), static_cast<const RECT *>(nullptr));
            } else {
                const RECT clip{r.sx + 1, r.sy + 1, r.sx + r.wx - 2, r.sy + r.wy - 2};
                win_call<kWinPutsnn>(o, r.str, text_length(r.str), &clip);
            }
            return;
        }
        const bool under = selected && r.hBmpUn && r.frame <= 107;
        copy_bitmap(w.hDC, under ? r.hBmpUn : r.hBmp, w.CurGx, w.CurGy, r.bBmpX, r.bBmpY,
                    under ? SRCCOPY : selected ? SRCAND : SRCCOPY);
        if (r.frame <= 107 && r.hBmpUn && text_length(r.str) > 0) {
            w.CurGx = r.sx + r.ox + 4 + r.bBmpX;
            w.CurGy = r.sy + r.oy + (r.bBmpY - 11) / 2;
            win_call<kWinPutsnn>(o, r.str, text_length(r.str), static_cast<const RECT *>(nullptr));
        }
    } else if (r.frame == 110) {
        draw_separator(o, r, pos);
    }
}

}  // namespace

extern "C" void ZEKAPI AtrTable_SetStrAddress(ZEK_object *t, int32_t pressed)
{
    AtrTable_data *d = atr_data(t);
    Win_data *w = d ? win_data_of(d->pWin) : nullptr;
    const AtrTable_button *r = w ? current(t) : nullptr;
    if (!r)
        return;
    const int32_t row = w->ChrWdGy[0] + w->ChrWdGy[1] + w->ChrWdGy[2];
    const ButtonPoint p = text_origin(*r, pressed != 0, row);
    w->CurGx = p.x;
    w->CurGy = p.y;
}

extern "C" void ZEKAPI AtrTable_DrawBackColor(ZEK_object *t, int32_t mode)
{
    AtrTable_data *d = atr_data(t);
    const AtrTable_button *r = d && win_data_of(d->pWin) ? current(t) : nullptr;
    if (!r)
        return;
    AtrLayout l = atr_layout(*d);
    const BackFill f = back_fill(*r, mode, l);
    if (!f.fill)
        return;
    atr_layout_store(*d, l);
    win_call<kWinColor>(d->pWin, f.select ? ColorSelectText() : Color3dText(),
                        f.select ? ColorSelect() : Color3dFace());
    win_call<kWinClsG>(d->pWin, d->ClsSx, d->ClsSy, d->ClsEx, d->ClsEy);
}

extern "C" void ZEKAPI AtrTable_DrawStr(ZEK_object *t, int32_t mode)
{
    AtrTable_data *d = atr_data(t);
    Win_data *w = d ? win_data_of(d->pWin) : nullptr;
    const AtrTable_button *r = w ? current(t) : nullptr;
    if (!r || r->bGlay == 2)
        return;
    if (r->bGlay == 1)
        win_call<kWinColor>(d->pWin, ColorGrayText(), w->BackColor);
    const int oldMode = w->hDC ? SetBkMode(w->hDC, TRANSPARENT) : 0;
    draw_content(d->pWin, *w, *r, mode, d->bPos);
    if (oldMode)
        SetBkMode(w->hDC, OPAQUE);
}

extern "C" void ZEKAPI AtrTable_DrawFrame(ZEK_object *t, int32_t state)
{
    const AtrTable_button *r = atr_data(t) ? current(t) : nullptr;
    // A bitmap with a selected picture shows its state by the picture.
    if (!r || r->bGlay == 2 || (r->bButtonType != 0 && r->hBmpUn))
        return;
    int k;
    switch (r->frame) {
    case 101: case 104: k = kAtrDrawFrame11; break;
    case 102: case 105: k = kAtrDrawFrame12; break;
    case 103: case 106: k = kAtrDrawFrame22; break;
    case 107: k = kAtrDrawFrameTab; break;
    case 108: case 109: k = kAtrDrawFrame11, state = 2; break;
    default: return;
    }
    atr_call<void>(t, k, r->sx, r->sy, r->wx, r->wy, state);
}

// Group-aware drawing: the group's new and previous selection are drawn
// with the pressed member; the button itself is DrawButton1's.
extern "C" void ZEKAPI AtrTable_DrawButton(ZEK_object *t, int32_t index, int32_t mode,
                                           int32_t pressed)
{
    AtrTable_data *d = atr_data(t);
    Win_data *w = d ? win_data_of(d->pWin) : nullptr;
    if (!w)
        return;
    const COLORREF colour = w->Color, back = w->BackColor;
    if (index >= 0)
        atr_mem_call(t, kFdMemGet, index);
    AtrDraws draws;
    atr_group_draws(atr_buttons(t), index, mode, pressed, d->BefMode, draws);
    for (const AtrDraw &a : draws)
        atr_call<void>(t, kAtrDrawButton1, a.index, a.hover, a.pressed);
    w->Color = colour;
    w->BackColor = back;
}

// A hidden button is not drawn at all: its place belongs to what is behind.
extern "C" void ZEKAPI AtrTable_DrawButton1(ZEK_object *t, int32_t index, int32_t mode,
                                            int32_t pressed)
{
    AtrTable_data *d = atr_data(t);
    const AtrButtons b = d && win_data_of(d->pWin) ? atr_buttons(t) : AtrButtons{nullptr, 0};
    if (index < 0 || index >= b.count)
        return;
    atr_mem_call(t, kFdMemGet, index);
    AtrTable_button &r = b.rec[index];
    if (r.bGlay == 2)
        return;
    atr_call<void>(t, kAtrSetStrAddress, pressed);
    atr_call<void>(t, kAtrDrawBackColor, mode);
    if (r.proc)
        reinterpret_cast<DrawProc>(r.proc)(d->pWin, &r, pressed);
    else
        atr_call<void>(t, kAtrDrawStr, mode);
    const int32_t frame = r.frame;
    if (plain_frame(frame)) {
        atr_call<void>(t, kAtrDrawFrame, pressed ? int32_t(1) : int32_t(0));
    } else if (hot(frame)) {
        if (pressed)
            atr_call<void>(t, kAtrDrawFrame, int32_t(1));
        else if (mode == 0)
            atr_call<void>(t, kAtrDrawFrame, int32_t(-1));
        else if (r.bGlay == 0)
            atr_call<void>(t, kAtrDrawFrame, int32_t(0));
    }
}

extern "C" void ZEKAPI AtrTable_Paint(ZEK_object *t)
{
    AtrTable_data *d = atr_data(t);
    if (!d)
        return;
    // The count is read afresh: a replaced DrawButton may change the records.
    for (int32_t i = 0; i < atr_buttons(t).count; ++i)
        atr_call<void>(t, kAtrDrawButton, i, i == d->RvPos ? int32_t(1) : int32_t(0), int32_t(0));
}

// The width a frame adds to its button on every side.
extern "C" int32_t ZEKAPI AtrTable_GetFrameW(ZEK_object *, int32_t frame)
{
    return frame_width(frame);
}
