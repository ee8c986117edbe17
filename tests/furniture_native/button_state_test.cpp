// The button table's state machine on plain records.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "../../furniture/button_state.h"

namespace {

// Five 10x10 buttons in a row; 0..1 a group, 2 a toggle, 3..4 radios.
struct Bar {
    AtrTable_button rec[5] = {};
    AtrState s;
    AtrDraws draws;
    Bar()
    {
        for (int i = 0; i < 5; ++i) {
            rec[i].sx = 10 * i, rec[i].wx = rec[i].wy = 10, rec[i].frame = 101;
            rec[i].pMode = &rec[i].pModeD;
        }
        rec[0].group = rec[1].group = 7;
        rec[1].pMode = &rec[0].pModeD;
        rec[2].bOnOff = 1;
        rec[3].bOnOff = rec[4].bOnOff = 2;
    }
    AtrButtons b() { return {rec, 5}; }
    AtrDraws take() { AtrDraws d; d.swap(draws); return d; }
};

}  // namespace

TEST(ButtonState, HitTestSkipsFieldsSeparatorsAndGaps)
{
    Bar bar;
    EXPECT_EQ(atr_hit(bar.b(), 15, 5, bar.s), 1);
    EXPECT_TRUE(bar.s.OpeRec == 1 && bar.s.OpeGroup == 7 && bar.s.OpeMode == 2);
    for (int16_t f : {109, 110, 111}) {
        bar.rec[3].frame = f;
        EXPECT_EQ(atr_hit(bar.b(), 35, 5, bar.s), -1);
        EXPECT_EQ(bar.s.OpeRec, 1) << "left as it was";
    }
    bar.rec[0].wx = INT32_MAX;  // no wrap-around
    EXPECT_EQ(atr_hit(bar.b(), 2000000000, 5, bar.s), 0);
}

TEST(ButtonState, GroupPressRedrawsOnlyTheNewAndOldSelection)
{
    Bar bar;
    bar.rec[0].pModeD = 1;  // member 0 selected
    atr_hit(bar.b(), 15, 5, bar.s);
    EXPECT_EQ(atr_press(bar.b(), 1, bar.s.OpeMode, bar.s, bar.draws), 1);
    EXPECT_EQ(bar.take(), (AtrDraws{{1, 1, 1}}));
    EXPECT_TRUE(bar.rec[0].pModeD == 2 && bar.s.BefMode == 1);
    atr_group_draws(bar.b(), 1, 1, 1, bar.s.BefMode, bar.draws);
    EXPECT_EQ(bar.take(), (AtrDraws{{0, 0, 0}, {1, 2, 1}}));
    // A group reaching the last record ends the walk there.
    bar.rec[2].group = bar.rec[3].group = bar.rec[4].group = 7;
    bar.rec[4].pMode = &bar.rec[0].pModeD;
    bar.rec[0].pModeD = 9;
    atr_group_draws(bar.b(), 4, 1, 1, 1, bar.draws);
    EXPECT_EQ(bar.take(), (AtrDraws{{0, 0, 0}}));
    EXPECT_EQ(atr_set_group_mode(bar.b(), 7, 3, bar.s), 9);
    EXPECT_EQ(atr_set_group_mode(bar.b(), 8, 3, bar.s), 0);
}

TEST(ButtonState, TogglesRadiosGrayedAndRelease)
{
    Bar bar;
    atr_press(bar.b(), 2, 0, bar.s, bar.draws);
    atr_press(bar.b(), 2, 0, bar.s, bar.draws);
    EXPECT_EQ(bar.take(), (AtrDraws{{2, 1, 1}, {2, 1, 0}}));
    EXPECT_EQ(int(bar.rec[2].pModeD), 0);
    EXPECT_EQ(atr_release(bar.b(), -1, bar.s, bar.draws), 2) << "a toggle answers the release";

    atr_press(bar.b(), 3, 0, bar.s, bar.draws);
    bar.take();
    atr_press(bar.b(), 4, 0, bar.s, bar.draws);
    EXPECT_EQ(bar.take(), (AtrDraws{{3, 0, 0}, {4, 1, 1}}));
    EXPECT_TRUE(bar.rec[3].pModeD == 0 && bar.rec[4].pModeD == 1 && bar.s.RunProc == 4);

    bar.rec[1].bGlay = 2;
    EXPECT_EQ(atr_press(bar.b(), 1, 2, bar.s, bar.draws), -1);
    EXPECT_TRUE(bar.s.RunPos == -1 && bar.draws.empty() && bar.rec[0].pModeD == 0);
}

TEST(ButtonState, DragOffCancelsTheHeldPush)
{
    Bar bar;
    bar.rec[0].pMode = bar.rec[1].pMode = nullptr;
    atr_press(bar.b(), 0, 0, bar.s, bar.draws);
    EXPECT_EQ(bar.s.SelPos, 0);
    bar.take();
    EXPECT_FALSE(atr_hover(bar.b(), 1, bar.s, bar.draws));
    EXPECT_EQ(bar.take(), (AtrDraws{{0, 0, 0}, {1, 1, 0}}));
    EXPECT_TRUE(bar.s.SelPos == -1 && bar.s.RvPos == 1);
    EXPECT_EQ(atr_release(bar.b(), 1, bar.s, bar.draws), 1);
    EXPECT_TRUE(bar.draws.empty()) << "nothing held any more";
}

TEST(ButtonState, BitmapsAndTexts)
{
    AtrTable_button r = {};
    int a, b;
    r.hBmpCh = r.hBmp = &a;  // changed picture shown
    r.hBmpBuf = &b;
    void *owned[4];
    ASSERT_EQ(atr_owned_bitmaps(r, owned), 2);
    EXPECT_TRUE(owned[0] == &a && owned[1] == &b);
    std::memset(r.hint, 'h', sizeof r.hint);  // no terminator
    char out[80];
    EXPECT_EQ(atr_copy_text(out, sizeof out, r.hint, sizeof r.hint), 64u);
    EXPECT_EQ(out[64], '\0');
    EXPECT_EQ(atr_copy_text(out, 8, r.hint, sizeof r.hint), 7u);
}
