/* ZEK2.dll: the shared run-time library of the surveying and drafting suite.
   Programs include this one header and link with the import library. */
#ifndef ZEK2_H
#define ZEK2_H

#include <windows.h>

#include "zek2/base.h"
#include "zek2/runtime.h"
#include "zek2/args.h"
#include "zek2/shared.h"
#include "zek2/records.h"
#include "zek2/record_file.h"
#include "zek2/fdio_input.h"
#include "zek2/atr_table.h"
#include "zek2/strings.h"
#include "zek2/platform.h"
#include "zek2/survey.h"
#include "zek2/filenames.h"
#include "zek2/files.h"
#include "zek2/win.h"
#include "zek2/text.h"
#include "zek2/fonts.h"
#include "zek2/keys.h"
#include "zek2/win_loop.h"
#include "zek2/runing_win.h"
#include "zek2/net.h"
#include "zek2/menus.h"
#include "zek2/exec.h"

#endif
