// The leave check of the button tables; their hover, hint and held states
// arrive with the button table class, until then there is nothing to reset.
#include "leave_check.h"

void atr_table_leave_check(ZEK_object *)
{
}
