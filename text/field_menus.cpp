// Win: the right-button menus of an edited field.
#include <cstring>

#include "field_clipboard.h"
#include "field_popup.h"
#include "../window/win_call.h"
#include "../window/win_lifetime.h"

namespace {

const char *const kWithSelection[] = {"範囲選択の中止  ", "選択範囲のカット",
                                      "範囲選択のコピー"};
const char *const kWithoutSelection[] = {"文字列のペースト", "文字列の削除　　",
                                         "先頭へジャンプ  ", "末尾へジャンプ  "};

// The field shows its new state: caret off, selection shown, caret on.
void show_field(ZEK_object *object, Win_data &d)
{
    win_call<kWinSetCurPos>(object, d.bSetFocus, int32_t(0));
    win_call<kWinSelModeDisp>(object);
    win_call<kWinSetCurPos>(object, d.bSetFocus, int32_t(1));
}

// Cursor to a column; a scrolling field scrolls so that the cursor stays in view.
void move_cursor(ZEK_object *object, Win_data &d, int32_t column)
{
    d.InpNx = column;
    if (!d.InpMaxS)
        return;
    int32_t offset = d.InpXOff;
    if (column < offset)
        offset = column;
    else if (d.InpMax > 0 && column - offset >= d.InpMax)
        offset = column - d.InpMax + 1;
    if (offset != d.InpXOff) {
        d.InpXOff = offset;
        win_call<kWinRedraw>(object);
    }
}

// The menu answered; a choice is acted on only while the field is still there.
Win_data *field_after_menu(ZEK_object *object, int32_t choice)
{
    return choice && win_is_live(object) ? win_data_of(object) : nullptr;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_CutCopy1(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int32_t choice = field_popup_choose(object, *d, kWithSelection, 3);
    if (!(d = field_after_menu(object, choice)))
        return choice;
    if (choice == 1)
        d->flInpSelMode = 2;
    else
        field_copy_range(object, *d, choice == 2);
    show_field(object, *d);
    return choice;
}

extern "C" int32_t ZEKAPI Win_CutCopy2(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int32_t choice = field_popup_choose(object, *d, kWithoutSelection, 4);
    if (!(d = field_after_menu(object, choice)))
        return choice;
    switch (choice) {
    case 1:
        field_paste(object, *d);
        break;
    case 2:
        win_call<kWinClkey>(object);
        break;
    case 3:
        move_cursor(object, *d, 0);
        break;
    default:
        move_cursor(object, *d, d->pBuf ? int32_t(strnlen(d->pBuf, sizeof d->sBuf - 1)) : 0);
        break;
    }
    show_field(object, *d);
    return choice;
}
