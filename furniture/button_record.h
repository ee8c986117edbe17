// One button of a button table. Programs receive pointers to it, so its
// byte-packed field order and widths are an interface.
#ifndef ZEK_FURNITURE_BUTTON_RECORD_H
#define ZEK_FURNITURE_BUTTON_RECORD_H

#include <cstdint>

#pragma pack(push, 1)
struct AtrTable_button {
    char str[64];
    char cls[64];
    char hint[64];
    void *hBmp;
    void *hBmpUn;
    void *hBmpCh;
    void *hBmpBuf;
    void *pjBits;
    void *pjBits2;
    void *pjBitsCh;
    void *pjBitsBuf;
    int32_t bBmpX;
    int32_t bBmpY;
    int16_t bButtonType;
    int16_t bButtonMode;
    int32_t bComId;
    int16_t bComType;
    int16_t bRunMode;
    uint8_t bGlay;
    uint8_t bOnOff;
    uint8_t bRepeet;
    int16_t frame;
    int16_t group;
    int32_t sx;
    int32_t sy;
    int32_t wx;
    int32_t wy;
    int32_t ox;
    int32_t oy;
    int32_t key;
    int16_t *pMode;
    int16_t pModeD;
    void *proc;
};
#pragma pack(pop)

#if defined(__i386__)
static_assert(sizeof(AtrTable_button) == 289, "button record");
#endif

#endif
