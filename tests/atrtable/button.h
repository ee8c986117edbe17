// The button record as a program declares it, byte-packed.
#ifndef ZEK_TESTS_ATRTABLE_BUTTON_H
#define ZEK_TESTS_ATRTABLE_BUTTON_H

#include <windows.h>

#include <cstdint>

#pragma pack(push, 1)
struct Button {
    char str[64], cls[64], hint[64];
    HBITMAP hBmp, hBmpUn, hBmpCh, hBmpBuf;
    void *pjBits[4];
    int32_t bBmpX, bBmpY;
    int16_t bButtonType, bButtonMode;
    int32_t bComId;
    int16_t bComType, bRunMode;
    uint8_t bGlay, bOnOff, bRepeet;
    int16_t frame, group;
    int32_t sx, sy, wx, wy, ox, oy, key;
    int16_t *pMode;
    int16_t pModeD;
    void *proc;
};
#pragma pack(pop)

#endif
