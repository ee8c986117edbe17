// Win: the off-screen 24-bit bitmap of the drawing area, opening and closing
// it, and the world-coordinate forms that choose GDI or direct writing.
#include <cstdlib>
#include <cstring>

#include "draw_common.h"
#include "back_buffer.h"
#include "dc_scope.h"
#include "raster/point_buffer.h"

namespace {

bool exclusive_or(const Win_data &d) { return d.Rop == 'X'; }

int32_t abs_radius(int32_t r)
{
    const int32_t a = zek_draw::abs_sat(r);
    return a == 0 ? 1 : a;
}

// The large case of the GDI arcs: a bound beyond 16-bit coordinates.
bool beyond_16_bits(int32_t cx, int32_t cy, int32_t rx, int32_t ry)
{
    const int64_t limit = 32767;
    const int64_t x = cx, y = cy;
    return std::llabs(x) > limit || std::llabs(y) > limit || rx > limit || ry > limit ||
           std::llabs(x - rx) > limit || std::llabs(y - ry) > limit ||
           std::llabs(x + 1 + rx) > limit || std::llabs(y + 1 + ry) > limit;
}

}  // namespace

extern "C" int32_t ZEKAPI Win_DrawBmpCreate(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return 0;
    const int64_t W = int64_t(d->bRect.right) - d->bRect.left;
    const int64_t H = int64_t(d->bRect.bottom) - d->bRect.top;
    if (d->hBmp && W == d->bScrWx && H == d->bScrWy) {
        d->bBmpGx = d->wMx0;
        d->bBmpGy = d->wSy0;
        return 0;
    }
    // An empty or oversized area makes nothing; a bitmap already made stays
    // with its own size, which keeps direct writes inside it.
    const int64_t stride = (W * 24 + 31) / 32 * 4;
    if (W <= 0 || H <= 0 || W > INT32_MAX / 3 || stride * H > INT32_MAX)
        return 0;
    BITMAPINFO bi;
    std::memset(&bi, 0, sizeof bi);
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = LONG(W);
    bi.bmiHeader.biHeight = LONG(H);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    bi.bmiHeader.biSizeImage = DWORD(stride * H);
    void *bits = nullptr;
    HBITMAP bmp;
    if (d->hMemDC) {
        // Open: hDC is the memory context and must stay so.
        bmp = CreateDIBSection(d->hMemDC, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    } else {
        HDC dc = win_call<kWinSetHDC>(object);
        bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        win_call<kWinResetHDC>(object);
    }
    if (!bmp || !bits) {
        if (bmp)
            DeleteObject(bmp);
        return 0;
    }
    // A bitmap selected into the open memory context cannot be deleted:
    // the context takes the new one first.
    if (d->hMemDC)
        SelectObject(d->hMemDC, bmp);
    if (d->hBmp)
        DeleteObject(d->hBmp);
    d->pBmi = bi;
    d->hBmp = bmp;
    d->pjBits = bits;
    d->bBmpWx = int32_t(stride);
    d->bBmpWy = int32_t(H);
    std::memset(bits, 0, size_t(stride * H));
    d->bBmpGx = d->wMx0;
    d->bBmpGy = d->wSy0;
    d->bScrWx = int32_t(W);
    d->bScrWy = int32_t(H);
    return 1;
}

extern "C" HDC ZEKAPI Win_DrawBmpOpen(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return nullptr;
    d->bBmpFlag = 0;
    win_call<kWinDrawBmpCreate>(object);
    if (d->hMemDC)
        return d->hMemDC;  // already open
    if (!d->hBmp)
        return nullptr;
    // The window's context is held while the bitmap is open; Close gives it back.
    HDC window = win_call<kWinSetHDC>(object);
    if (!window)
        return nullptr;
    HDC memory = CreateCompatibleDC(window);
    if (!memory) {
        win_call<kWinResetHDC>(object);
        return nullptr;
    }
    SelectObject(memory, d->hBmp);
    DcScope::begin_bitmap(*d, window, memory);
    return memory;
}

extern "C" void ZEKAPI Win_DrawBmpClose(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (d->hMemDC) {
        BitBlt(d->hBufDC, 0, 0, d->pBmi.bmiHeader.biWidth, d->pBmi.bmiHeader.biHeight, d->hMemDC,
               0, 0, SRCCOPY);
        DcScope::end_bitmap(*d);
        win_call<kWinResetHDC>(object);
    }
    d->bBmpFlag = 1;
}

extern "C" void ZEKAPI Win_DrawBmpBitBlt(ZEK_object *)
{
}

extern "C" void ZEKAPI Win_DrawBmpPset(ZEK_object *object, double x, double y, COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const int32_t vx = win_call<kWinWldToVewX>(object, x);
    const int32_t vy = win_call<kWinWldToVewY>(object, y);
    if (exclusive_or(*d)) {
        win_call<kWinSetPen>(object, colour, int32_t(0), int32_t(1));
        win_call<kWinPsetI>(object, vx, vy);
    } else {
        win_call<kWinDrawBmpPsetAsm>(object, vx, vy, colour);
    }
}

namespace {

// The segment and box forms: GDI for exclusive-or or wide lines, else direct.
void segment_or_box(ZEK_object *object, bool box, double x1, double y1, double x2, double y2,
                    int32_t type, int32_t width, COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const int32_t vx1 = win_call<kWinWldToVewX>(object, x1);
    const int32_t vy1 = win_call<kWinWldToVewY>(object, y1);
    const int32_t vx2 = win_call<kWinWldToVewX>(object, x2);
    const int32_t vy2 = win_call<kWinWldToVewY>(object, y2);
    if (exclusive_or(*d) || width > 1) {
        win_call<kWinSetPen>(object, colour, type, width);
        box ? win_call<kWinLineBoxI>(object, vx1, vy1, vx2, vy2)
            : win_call<kWinLineI>(object, vx1, vy1, vx2, vy2);
    } else if (box) {
        win_call<kWinDrawBmpLineBoxAsm>(object, vx1, vy1, vx2, vy2, type, colour);
    } else {
        win_call<kWinDrawBmpLineAsm>(object, vx1, vy1, vx2, vy2, type, colour);
    }
}

}  // namespace

extern "C" void ZEKAPI Win_DrawBmpLine(ZEK_object *object, double x1, double y1, double x2,
                                       double y2, int32_t type, int32_t width, COLORREF colour)
{
    segment_or_box(object, false, x1, y1, x2, y2, type, width, colour);
}

extern "C" void ZEKAPI Win_DrawBmpLineBox(ZEK_object *object, double x1, double y1, double x2,
                                          double y2, int32_t type, int32_t width,
                                          COLORREF colour)
{
    segment_or_box(object, true, x1, y1, x2, y2, type, width, colour);
}

extern "C" void ZEKAPI Win_DrawBmpPolyline(ZEK_object *object, int32_t type, int32_t width,
                                           COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (exclusive_or(*d) || width > 1) {
        win_call<kWinSetPen>(object, colour, type, width);
        win_call<kWinBufPolylineI>(object);
        return;
    }
    zek_raster::PointBuffer &line = zek_raster::thread_point_buffers().line;
    if (line.size() == 0)
        return;
    if (line.size() == 1)
        line.append(line.data()[0]);
    win_call<kWinDrawBmpPolylineAsm>(object, type, colour);
}

extern "C" void ZEKAPI Win_DrawBmpMark(ZEK_object *object, double x, double y, double angle,
                                       int32_t type, COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    const int32_t vx = win_call<kWinWldToVewX>(object, x);
    const int32_t vy = win_call<kWinWldToVewY>(object, y);
    if (exclusive_or(*d)) {
        win_call<kWinSetPen>(object, colour, int32_t(0), int32_t(1));
        win_call<kWinMarkI>(object, vx, vy, angle, type);
    } else {
        win_call<kWinDrawBmpMarkAsm>(object, vx, vy, angle, type, colour);
    }
}

extern "C" void ZEKAPI Win_DrawBmpCircle(ZEK_object *object, double cx, double cy, double rx,
                                         double ry, double a1, double a2, double tilt,
                                         int32_t type, int32_t width, COLORREF colour)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return;
    if (rx < 0) {
        const double t = a1;
        a1 = a2;
        a2 = t;
    }
    if (a2 < a1)
        a2 += 360.0;
    const int32_t vx = win_call<kWinWldToVewX>(object, cx);
    const int32_t vy = win_call<kWinWldToVewY>(object, cy);
    const int32_t vrx = abs_radius(win_call<kWinGetVewWX>(object, rx));
    const int32_t vry = abs_radius(win_call<kWinGetVewWY>(object, ry));
    if (exclusive_or(*d) || width >= 2) {
        win_call<kWinSetPen>(object, colour, type, width);
        win_call<kWinCircleI>(object, vx, vy, vrx, vry, a1, a2, tilt);
    } else if (vrx < 2 && vry < 2) {
        win_call<kWinDrawBmpPsetAsm>(object, vx, vy, colour);
    } else if (beyond_16_bits(vx, vy, vrx, vry)) {
        // CircleI takes the polyline method for exactly this case.
        win_call<kWinSetPen>(object, colour, type, width);
        win_call<kWinCircleI>(object, vx, vy, vrx, vry, a1, a2, tilt);
    } else {
        win_call<kWinDrawBmpCircleAsm>(object, vx, vy, vrx, vry, a1, a2, tilt, type,
                                       colour);
    }
}

void win_release_back_buffer(Win_data &d)
{
    if (d.hMemDC) {
        DcScope::end_bitmap(d);
        d.hBufDC = nullptr;
        DcScope::release_window(d);  // the hold DrawBmpOpen took
    }
    if (d.hBmp) {
        DeleteObject(d.hBmp);
        d.hBmp = nullptr;
    }
    d.pjBits = nullptr;
    d.bScrWx = d.bScrWy = 0;
}
