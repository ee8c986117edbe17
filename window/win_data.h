// The Win layer: its data area, the named slot numbers and layer lookup.
#ifndef ZEK_WINDOW_WIN_DATA_H
#define ZEK_WINDOW_WIN_DATA_H

#include <windows.h>

#include <cstddef>

#include "zek2/menus.h"
#include "zek2/win.h"
#include "win_slots.h"

// One entry of the mouse job stack: ExecJob, then work_p0, work_m1, work_m2,
// work_sl, work_sr, work_pb, work_mn, work_md (nine 32-bit words in i686).
struct Win_mouse_job {
    intptr_t ExecJob;
    ZEK_method_fn job[8];
};

// Data members in table order; the descriptor rows are derived from it, so
// a member's place here is its row's place.
struct Win_data {
    intptr_t Extra;
    intptr_t ExtraDat;
    intptr_t ExecJob;
    intptr_t ExecBuf;
    COLORREF Color;
    COLORREF BackColor;
    HINSTANCE hInst;
    HINSTANCE hPrev;
    HWND hWnd;
    HDC hDC;
    HANDLE hRC;
    int32_t bMenuId;
    HMENU hMenu;
    PAINTSTRUCT ps;
    int16_t GchrAlign;
    HANDLE hProcTh;
    int32_t bProcID;
    int32_t bProcON;
    int32_t bProcIS;
    int32_t bProcIE;
    int32_t bProcLK;
    HANDLE hmtxDisp;
    int32_t bBmpFlag;
    BITMAPINFO pBmi;
    HBITMAP hBmp;
    HDC hMemDC;
    HDC hBufDC;
    void *pjBits;
    int32_t bScrWx;
    int32_t bScrWy;
    int32_t bBmpWx;
    int32_t bBmpWy;
    double bBmpGx;
    double bBmpGy;
    const char *pClassName;
    const char *pMenuName;
    HBRUSH hbrBackground;
    int32_t bBackgroundF;
    uint32_t ClassStyle;
    uint32_t WinStyle;
    uint32_t ExStyle;
    const char *pTitleName;
    int32_t WinStGx;
    int32_t WinStGy;
    int32_t WinWdGx;
    int32_t WinWdGy;
    int32_t ClSx;
    int32_t ClSy;
    int32_t WinStCx;
    int32_t WinStCy;
    int32_t WinWdCx;
    int32_t WinWdCy;
    int32_t WinEdCx;
    int32_t WinEdCy;
    int32_t ChrWdGx[3];
    int32_t ChrWdGy[3];
    int32_t ChrWdBx;
    int32_t ChrWdBy;
    int32_t CurCx;
    int32_t CurCy;
    int32_t CurGx;
    int32_t CurGy;
    int32_t bDefPos;
    int32_t bQuitFlag;
    RECT bScRect;
    RECT bRect;
    int32_t bCursorFlag;
    int32_t bUseCursor;
    int32_t bSetFocus;
    int32_t bDtor;
    int32_t bShow;
    int32_t bShowB;
    int32_t bKeyLoop;
    int32_t bBufDisp;
    ZEK_object *pMother;
    ZEK_object *pChild;
    ZEK_object *pChild2;
    ZEK_object *pChild3;
    ZEK_object *pUnderMenu;
    ZEK_object *pPlotTh;
    ZEK_object *pTenkeyTh;
    ZEK_object *pNormalTh;
    ZEK_object *pKuiutiTh;
    ZEK_object *pViewTh;
    int32_t bLockFocus;
    int32_t bFocus;
    int32_t Result;
    int32_t bPaint;
    HFONT hFont;
    int32_t bPen;
    HPEN hPen;
    HGDIOBJ hPenOld;
    int32_t bBrush;
    HBRUSH hBrush;
    HGDIOBJ hBrushOld;
    HBITMAP hTileBitmap;
    HRGN hRgn;
    HBITMAP hBitmap;
    HDROP hDrop;
    int32_t bGmode;
    int32_t Rop;
    int32_t PenWidth;
    int32_t PenType;
    COLORREF PenColor;
    int32_t bAutoScroll;
    int32_t bKsenFlag;
    int32_t TopOx;
    int32_t TopOy;
    int32_t TabStep;
    int32_t KinBk;
    int32_t Vx0;
    int32_t Vy0;
    int32_t Vx1;
    int32_t Vy1;
    int32_t Vx2;
    int32_t Vy2;
    int32_t Vx5;
    int32_t Vy5;
    int32_t Vx6;
    int32_t Vy6;
    double dWx0;
    double dWy0;
    double dWx5;
    double dWy5;
    double dVwx;
    double dVwy;
    double dVxb;
    double dVyb;
    double dWvx;
    double dWvy;
    double dWxb;
    double dWyb;
    double dWdVx;
    double dWdVy;
    double dWdWx;
    double dWdWy;
    int32_t bEdType;
    double ysSx;
    double ysSy;
    double ysMx;
    double ysMy;
    double wSx0;
    double wSy0;
    double wMx0;
    double wMy0;
    double wSx1;
    double wSy1;
    double wMx1;
    double wMy1;
    double wSx2;
    double wSy2;
    double wMx2;
    double wMy2;
    double zwSclX;
    double zwSclY;
    double wzSclX;
    double wzSclY;
    double wSxBuf;
    double wSyBuf;
    double wMxBuf;
    double wMyBuf;
    int32_t bInpInit;
    int32_t InpStGx;
    int32_t InpStGy;
    int32_t bInpDisp;
    int32_t InpMax;
    int32_t InpMaxS;
    char *pBuf;
    char sBuf[129];
    int32_t InpKey;
    int32_t InpKeyEx;
    int32_t bEdit;
    int32_t InpInsMode;
    int32_t InpNx;
    int32_t InpNy;
    int32_t flInpSelMode;
    int32_t InpSelStCx;
    int32_t InpSelEdCx;
    int32_t InpXOff;
    int32_t MouseCx;
    int32_t MouseCy;
    int32_t MouseGx;
    int32_t MouseGy;
    int32_t MouseSwL;
    int32_t MouseSwR;
    int32_t MouseSwM;
    int32_t bMaxPosCursor;
    int32_t AltF4Code;
    int32_t ImeGx;
    int32_t ImeGy;
    int32_t MouseGxB;
    int32_t MouseGyB;
    int32_t bButtonTimerId;
    int32_t bButtonTimerSpeed;
    const void *pKeyTable;
    const void *pMouseTable;
    int32_t bVertId;
    int32_t bHorzId;
    int32_t bVertGsx;
    int32_t bVertGsy;
    int32_t bVertGww;
    int32_t bHorzGsx;
    int32_t bHorzGsy;
    int32_t bHorzGww;
    HWND hWndVScroll;
    HWND hWndHScroll;
    HWND hSizeBox;
    int32_t bSizeBoxType;
    int32_t VScrollNew;
    int32_t HScrollNew;
    int32_t VScrollPos;
    int32_t HScrollPos;
    int32_t VScrollPage;
    int32_t HScrollPage;
    int32_t VScrollMax;
    int32_t HScrollMax;
    int32_t VScrollMin;
    int32_t HScrollMin;
    int32_t VScrollCnt;
    int32_t HScrollCnt;
    ZEK_object *pButtonTbl;
    ZEK_object *pStatusBar;
    int32_t bToolId;
    int32_t bToolHeight;
    int32_t bToolEdge;
    ZEK_object *pToolFrame;
    ZEK_object *pToolBar[20];
    int32_t bToolSaveFlag;
    char bMenuName[64];
    int32_t bMdiId;
    HWND hMdiWnd;
    ZEK_object *pMdiChild[10];
    int32_t bMdiSelPos;
    int32_t bMdiEndPos;
    void *pCadDat;
    ZEK_object *pMdiSelWin;
    ZEK_object *pLeftMenuBar;
    ZEK_object *pRightMenuBar;
    ZEK_object *pTopMenuBar;
    ZEK_object *pDownMenuBar;
    int32_t bLeftMenuW;
    int32_t bRightMenuW;
    int32_t bTopMenuH;
    int32_t bDownMenuH;
    int32_t bLeftMenuEdge;
    int32_t bRightMenuEdge;
    int32_t bTopMenuEdge;
    int32_t bDownMenuEdge;
    Win_menu_command bMenuDt;
    int32_t MouseCount;
    Win_mouse_job bWorkMouse[10];
    int32_t bTimerOnFlag;
    int32_t bTimerLockMode;
    int32_t bTimerId;
    int32_t InpMacroFlag;
    void *pFdInpBuf;
    int32_t InpCopyFlag;
    int32_t bWheelCnt;
};

// Programs and class modules built for the 32-bit library address members
// through a 2048-byte area; the 64-bit one keeps pointers at full width.
constexpr size_t kWinAreaBytes =
    (sizeof(Win_data) > 2048 ? sizeof(Win_data) + 15 : 2048) & ~size_t(15);
#if defined(__i386__)
static_assert(sizeof(PAINTSTRUCT) == 64 && sizeof(BITMAPINFO) == 44, "system records");
static_assert(sizeof(Win_menu_command) == 46 && sizeof(Win_mouse_job) == 36, "Win records");
static_assert(sizeof(Win_data) <= 2048 && kWinAreaBytes == 2048, "Win data area");
#endif

// Slot numbers that the window procedure, the loops and other classes use.
static_assert(kWinDtor == 0 && kWinCon == 1 && kWinInitApplication == 2 &&
                  kWinInitInstance == 3 && kWinMainLoop == 4 && kWinPaint == 5 &&
                  kWinMoveWndEx == 6 && kWinEndPopupWindow == 7 && kWinCommandButton == 8 &&
                  kWinHtmlCall == 9 && kWinFFWndProc == 10 && kWinPosChanging == 11 &&
                  kWinUpdate == 13 && kWinInvalidateRect == 14 && kWinMesToKeyCode == 15 &&
                  kWinSysChar == 16 && kWinEraseBkGnd == 17 && kWinDestroy == 18 &&
                  kWinCreate == 19 && kWinClose == 20 && kWinWaitClose == 21 &&
                  kWinGetDefPos == 28 && kWinSize == 31 && kWinSizeWdd == 33 &&
                  kWinSizeWddG == 35,
              "slots of window creation and sizing");
static_assert(kWinInput == 201 && kWinAltF4 == 215 && kWinSetFocus == 233 &&
                  kWinwork_m1 == 257 && kWinMouseMove == 264,
              "slots the window procedure calls");
static_assert(kWinMethods == 380, "Win methods");

extern const ZEK_vtbl Win_vtbl;

// The object's Win layer when it has a built one, else null.
ZEK_layer *win_layer(ZEK_object *object);

inline Win_data *win_data(ZEK_layer *layer)
{
    return static_cast<Win_data *>(layer->pDataArea);
}

// The Win descriptor table (data rows first, then methods in slot order).
extern const ZEK_member kWinRows[];
extern const int32_t kWinRowCount;

#endif
