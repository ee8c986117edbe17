// The button table's state machine on a plain record array.
#include "button_state.h"

#include <cstring>

namespace {

bool valid(AtrButtons b, int32_t i)
{
    return b.rec && i >= 0 && i < b.count;
}

// Mode cells sit in packed records at any byte address.
int16_t cell(const int16_t *at)
{
    int16_t v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

void set_cell(int16_t *at, int32_t v)
{
    const int16_t value = int16_t(v);
    std::memcpy(at, &value, sizeof value);
}

int16_t mode_of(const AtrTable_button &r)
{
    return r.pMode ? cell(r.pMode) : int16_t(0);
}

// Index of the first button of the group, searched within the records only.
int32_t group_start(AtrButtons b, int16_t group)
{
    for (int32_t j = 0; j < b.count; ++j)
        if (b.rec[j].group == group)
            return j;
    return -1;
}

}  // namespace

int32_t atr_hit(AtrButtons b, int32_t x, int32_t y, AtrState &s)
{
    for (int32_t i = 0; b.rec && i < b.count; ++i) {
        const AtrTable_button &r = b.rec[i];
        if (r.frame >= kAtrFirstUnhit)
            continue;
        // 64-bit sums: a huge width must not wrap the rectangle.
        if (x < r.sx || int64_t(x) >= int64_t(r.sx) + r.wx || y < r.sy ||
            int64_t(y) >= int64_t(r.sy) + r.wy)
            continue;
        s.OpeRec = i;
        s.OpeGroup = r.group;
        s.OpeMode = r.group ? i - group_start(b, r.group) + 1 : 0;
        return i;
    }
    return -1;
}

bool atr_hover(AtrButtons b, int32_t i, AtrState &s, AtrDraws &draws)
{
    if (s.SelPos >= 0) {
        if (i == s.SelPos)
            return false;
        // Moving off a held button cancels its press for good.
        draws.push_back({s.SelPos, 0, 0});
        s.SelPos = -1;
        s.RvPos = i;
        if (i >= 0)
            draws.push_back({i, 1, 0});
        return false;
    }
    if (!valid(b, i)) {
        if (s.RvPos >= 0)
            draws.push_back({s.RvPos, 0, 0});
        s.RvPos = -1;
        return false;
    }
    const AtrTable_button &r = b.rec[i];
    const int16_t v = mode_of(r);
    // A selected group member or a toggle that is on keeps its picture.
    if ((!r.pMode || v == 0 || (r.bOnOff == 0 && v != s.OpeMode)) && s.RvPos != i) {
        if (s.RvPos >= 0)
            draws.push_back({s.RvPos, 0, 0});
        draws.push_back({i, 1, 0});
        s.RvPos = i;
    }
    return true;
}

int32_t atr_press(AtrButtons b, int32_t i, int32_t m, AtrState &s, AtrDraws &draws)
{
    if (!valid(b, i)) {
        s.RunPos = -1;
        return -1;
    }
    AtrTable_button &r = b.rec[i];
    if (r.bButtonMode) {
        atr_switch_picture(r, 0);
        r.bButtonMode = 0;
    }
    if (r.bGlay) {
        s.RunPos = -1;
        return -1;
    }
    s.RvPos = i;
    if (r.bOnOff == 0) {
        s.SelPos = i;
        if (r.pMode) {
            s.BefMode = cell(r.pMode);
            set_cell(r.pMode, m);
            s.RvPos = -1;
        }
        draws.push_back({i, 1, 1});
    } else if (r.bOnOff == 1) {
        if (r.pMode) {
            s.BefMode = cell(r.pMode);
            set_cell(r.pMode, (s.BefMode + 1) % 2);
            s.RvPos = -1;
            draws.push_back({i, 1, cell(r.pMode) != 0});
        }
    } else if (r.pMode) {
        s.BefMode = cell(r.pMode);
        s.RvPos = -1;
        s.RunProc = i;
        for (int32_t j = 0; j < b.count; ++j) {
            AtrTable_button &o = b.rec[j];
            if (o.bOnOff != 2 || !o.pMode)
                continue;
            if (j == i) {
                set_cell(o.pMode, 1);
                draws.push_back({j, 1, 1});
            } else if (cell(o.pMode)) {
                set_cell(o.pMode, 0);
                draws.push_back({j, 0, 0});
            }
        }
    }
    s.RunPos = i;
    return i;
}

int32_t atr_release(AtrButtons b, int32_t j, AtrState &s, AtrDraws &draws)
{
    const int32_t sel = s.SelPos, run = s.RunPos;
    if (valid(b, sel)) {
        const AtrTable_button &r = b.rec[sel];
        s.SelPos = -1;
        if (r.bOnOff == 0 && (!r.pMode || r.group == 0) && j >= 0)
            draws.push_back({j, j == sel && r.bComType ? 0 : 1, 0});
    } else {
        s.SelPos = -1;
    }
    if (valid(b, run) && j != run) {
        const AtrTable_button &r = b.rec[run];
        if (r.bOnOff != 0 || (r.pMode && r.group))
            return run;
    }
    return j;
}

void atr_group_draws(AtrButtons b, int32_t i, int32_t mode, int32_t pressed, int16_t befMode,
                     AtrDraws &out)
{
    if (!valid(b, i))
        return;
    const AtrTable_button &r = b.rec[i];
    const int16_t v = mode_of(r);
    if (r.pMode && r.group) {
        const int32_t g0 = group_start(b, r.group);
        const int32_t sel = v ? g0 + v - 1 : -1;
        const int32_t prev = v ? g0 + befMode - 1 : -1;
        if (!pressed) {
            out.push_back(i == sel ? AtrDraw{i, 2, 1} : AtrDraw{i, mode, 0});
            return;
        }
        // The group's members follow its first one; the walk stops at the
        // last record whatever the mode values say.
        for (int32_t k = g0; k < b.count && b.rec[k].group == r.group; ++k) {
            if (k == sel)
                out.push_back({k, 2, 1});
            else if (k == prev)
                out.push_back({k, 0, 0});
        }
    } else if (r.pMode && r.bOnOff && v) {
        out.push_back({i, 2, v});
    } else {
        out.push_back({i, mode, pressed});
    }
}

int32_t atr_set_group_mode(AtrButtons b, int32_t group, int32_t value, AtrState &s)
{
    const int32_t g = group_start(b, int16_t(group));
    if (g < 0 || group != b.rec[g].group || !b.rec[g].pMode)
        return 0;
    s.BefMode = cell(b.rec[g].pMode);
    set_cell(b.rec[g].pMode, value);
    return s.BefMode;
}

int32_t atr_find_command(AtrButtons b, int32_t id)
{
    for (int32_t i = 0; b.rec && i < b.count; ++i)
        if (b.rec[i].bComId == id)
            return i;
    return -1;
}

void atr_switch_picture(AtrTable_button &r, int32_t mode)
{
    if (mode == 0) {
        r.hBmp = r.hBmpBuf;
        r.pjBits = r.pjBitsBuf;
    } else {
        r.hBmp = r.hBmpCh;
        r.pjBits = r.pjBitsCh;
    }
}

int atr_owned_bitmaps(const AtrTable_button &r, void *out[4])
{
    int n = 0;
    for (void *h : {r.hBmp, r.hBmpUn, r.hBmpCh, r.hBmpBuf}) {
        bool seen = !h;
        for (int k = 0; k < n && !seen; ++k)
            seen = out[k] == h;
        if (!seen)
            out[n++] = h;
    }
    return n;
}

size_t atr_copy_text(char *dst, size_t size, const char *field, size_t fieldSize)
{
    if (!dst || !size)
        return 0;
    const size_t n = field ? strnlen(field, fieldSize < size - 1 ? fieldSize : size - 1) : 0;
    if (n)
        std::memcpy(dst, field, n);
    dst[n] = '\0';
    return n;
}
