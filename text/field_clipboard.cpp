// The clipboard keys of an edited field.
#include "field_clipboard.h"

int32_t field_copy_selection(ZEK_object *, Win_data &, bool)
{
    return 0;
}

int32_t field_paste(ZEK_object *, Win_data &)
{
    return 0;
}
