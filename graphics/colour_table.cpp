// The interface colour table of this process and its readers.
#include <cstring>

#include "zek2/win.h"

namespace {

constexpr int kColours = 18;
COLORREF gColours[kColours] = {
    0x000000, 0xFFFFFF, 0x000000, 0xC0C0C0, 0xC0C0C0, 0x000000,
    0xC0C0C0, 0xFFFFFF, 0x800000, 0x808080, 0xC0C0C0, 0x000000,
    0xC0C0C0, 0xFFFFFF, 0x000000, 0x808080, 0x000000, 0xA0A0A0,
};

}  // namespace

extern "C" COLORREF *ZEKAPI GetSysColorTbl(void)
{
    return gColours;
}

extern "C" void ZEKAPI SetSysColorTbl(const COLORREF *colours)
{
    if (colours)
        std::memmove(gColours, colours, sizeof gColours);
}

#define ZEK_COLOUR_READER(name, index)                                         \
    extern "C" COLORREF ZEKAPI name(void) { return gColours[index]; }

ZEK_COLOUR_READER(GetForeColor, 0)
ZEK_COLOUR_READER(GetForeBoxColor, 0)
ZEK_COLOUR_READER(ColorWindowText, 0)
ZEK_COLOUR_READER(GetBackColor, 1)
ZEK_COLOUR_READER(GetBackBoxColor, 1)
ZEK_COLOUR_READER(ColorWindow, 1)
ZEK_COLOUR_READER(GetForeTitleColor, 2)
ZEK_COLOUR_READER(GetBackTitleColor, 3)
ZEK_COLOUR_READER(GetKsenColor, 4)
ZEK_COLOUR_READER(GetForePopColor, 5)
ZEK_COLOUR_READER(GetBackPopColor, 6)
ZEK_COLOUR_READER(ColorReverseText, 7)
ZEK_COLOUR_READER(ColorReverse, 8)
ZEK_COLOUR_READER(ColorGrayText, 9)
ZEK_COLOUR_READER(Color3dFace, 10)
ZEK_COLOUR_READER(Color3dText, 11)
ZEK_COLOUR_READER(Color3dLight, 12)
ZEK_COLOUR_READER(Color3dHiLight, 13)
ZEK_COLOUR_READER(Color3dDkShadow, 14)
ZEK_COLOUR_READER(Color3dShadow, 15)
ZEK_COLOUR_READER(ColorSelectText, 16)
ZEK_COLOUR_READER(ColorSelect, 17)
