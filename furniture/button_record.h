// One button of a button table. Programs receive pointers to it, so its
// byte-packed field order and widths are an interface. Handles and pointers
// keep their full width: 289 bytes in 32 bits, 329 in 64. The library reads a
// record only through this structure.
#ifndef ZEK_FURNITURE_BUTTON_RECORD_H
#define ZEK_FURNITURE_BUTTON_RECORD_H

#include <cstddef>
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

// The record size of every button table (AtrTable's bRecSize).
constexpr int32_t kAtrTableRecordBytes = int32_t(sizeof(AtrTable_button));
static_assert(kAtrTableRecordBytes == (sizeof(void *) == 4 ? 289 : 329), "button record");
static_assert(offsetof(AtrTable_button, bComType) == 192 + 8 * sizeof(void *) + 16,
              "fields behind the handles move with their width");

struct ZEK_object;
// The button record at address when it is a whole record of the table's
// records, else null: a stale or foreign pointer is never followed.
const AtrTable_button *atr_button_at(ZEK_object *table, const void *address);

#endif
