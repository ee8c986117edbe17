// Win: methods that forward one GDI call to the object's device context
// (or to the context given, when the signature takes one). Without a
// context or with missing point arrays they give the failure result.
#include "draw_common.h"
#include "dc_scope.h"

namespace {

HDC dc_of(ZEK_object *object)
{
    Win_data *d = win_data_of(object);
    return d ? d->hDC : nullptr;
}

HDC dc_or(ZEK_object *object, HDC dc)
{
    return dc ? dc : dc_of(object);
}

// Replaces the object's region with a new one; 1 when made.
int32_t set_region(ZEK_object *object, HRGN region)
{
    Win_data *d = win_data_of(object);
    if (!d) {
        if (region)
            DeleteObject(region);
        return 0;
    }
    if (d->hRgn)
        DeleteObject(d->hRgn);
    d->hRgn = region;
    return region ? 1 : 0;
}

HRGN region_or(ZEK_object *object, HRGN region)
{
    Win_data *d = win_data_of(object);
    return region ? region : d ? d->hRgn : nullptr;
}

}  // namespace

// Device contexts.

extern "C" HDC ZEKAPI Win_GetDC(ZEK_object *object, HWND window)
{
    Win_data *d = win_data_of(object);
    if (!window)
        window = d ? d->hWnd : nullptr;
    return window ? GetDC(window) : nullptr;  // never the whole screen by default
}

extern "C" int32_t ZEKAPI Win_ReleaseDC(ZEK_object *object, HWND window, HDC dc)
{
    Win_data *d = win_data_of(object);
    if (!window)
        window = d ? d->hWnd : nullptr;
    dc = dc_or(object, dc);
    if (!window || !dc)
        return 0;
    const int32_t released = ReleaseDC(window, dc);
    if (released && d)
        DcScope::forget(*d, dc);  // a context of the object's must not be drawn on
    return released;
}

extern "C" int32_t ZEKAPI Win_DeleteDC(ZEK_object *object, HDC dc)
{
    Win_data *d = win_data_of(object);
    dc = dc_or(object, dc);
    if (!dc)
        return 0;
    const int32_t deleted = DeleteDC(dc);
    if (deleted && d)
        DcScope::forget(*d, dc);
    return deleted;
}

extern "C" HDC ZEKAPI Win_CreateCompatibleDC(ZEK_object *object, HDC dc)
{
    return CreateCompatibleDC(dc_or(object, dc));
}

// Lines and shapes.

extern "C" int32_t ZEKAPI Win_MoveTo(ZEK_object *object, int32_t x, int32_t y, POINT *previous)
{
    return MoveToEx(dc_of(object), x, y, previous);
}

extern "C" int32_t ZEKAPI Win_LineTo(ZEK_object *object, int32_t x, int32_t y)
{
    return LineTo(dc_of(object), x, y);
}

extern "C" int32_t ZEKAPI Win_Polyline(ZEK_object *object, const POINT *points, int32_t count)
{
    return points && count > 0 ? Polyline(dc_of(object), points, count) : 0;
}

extern "C" int32_t ZEKAPI Win_PolylineTo(ZEK_object *object, const POINT *points, int32_t count)
{
    return points && count > 0 ? PolylineTo(dc_of(object), points, DWORD(count)) : 0;
}

extern "C" int32_t ZEKAPI Win_PolyPolyline(ZEK_object *object, const POINT *points, const DWORD *counts,
                                          int32_t polylines)
{
    return points && counts && polylines > 0
               ? PolyPolyline(dc_of(object), points, counts, DWORD(polylines))
               : 0;
}

extern "C" int32_t ZEKAPI Win_PolyBezier(ZEK_object *object, const POINT *points, int32_t count)
{
    return points && count > 0 ? PolyBezier(dc_of(object), points, DWORD(count)) : 0;
}

extern "C" int32_t ZEKAPI Win_PolyBezierTo(ZEK_object *object, const POINT *points, int32_t count)
{
    return points && count > 0 ? PolyBezierTo(dc_of(object), points, DWORD(count)) : 0;
}

extern "C" int32_t ZEKAPI Win_Polygon(ZEK_object *object, const POINT *points, int32_t count)
{
    return points && count > 0 ? Polygon(dc_of(object), points, count) : 0;
}

extern "C" int32_t ZEKAPI Win_PolyPolygon(ZEK_object *object, const POINT *points, const INT *counts,
                                         int32_t polygons)
{
    return points && counts && polygons > 0 ? PolyPolygon(dc_of(object), points, counts, polygons)
                                            : 0;
}

extern "C" int32_t ZEKAPI Win_FillRect(ZEK_object *object, const RECT *rect, HBRUSH brush)
{
    return rect && brush ? FillRect(dc_of(object), rect, brush) : 0;
}

// Paths.

extern "C" int32_t ZEKAPI Win_BeginPath(ZEK_object *object)
{
    return BeginPath(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_EndPath(ZEK_object *object)
{
    return EndPath(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_FillPath(ZEK_object *object)
{
    return FillPath(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_StrokePath(ZEK_object *object)
{
    return StrokePath(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_StrokeAndFillPath(ZEK_object *object)
{
    return StrokeAndFillPath(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_GetPath(ZEK_object *object, POINT *points, BYTE *types, int32_t count)
{
    return GetPath(dc_of(object), points, types, count);
}

// Fill modes and regions.

extern "C" int32_t ZEKAPI Win_GetPolyFillMode(ZEK_object *object)
{
    return GetPolyFillMode(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_SetPolyFillMode(ZEK_object *object, int32_t mode)
{
    return SetPolyFillMode(dc_of(object), mode);
}

extern "C" int32_t ZEKAPI Win_FillRgn(ZEK_object *object, HRGN region, HBRUSH brush)
{
    region = region_or(object, region);
    return region && brush ? FillRgn(dc_of(object), region, brush) : 0;
}

extern "C" int32_t ZEKAPI Win_FrameRgn(ZEK_object *object, HRGN region, HBRUSH brush, int32_t width,
                                      int32_t height)
{
    region = region_or(object, region);
    return region && brush ? FrameRgn(dc_of(object), region, brush, width, height) : 0;
}

extern "C" int32_t ZEKAPI Win_PaintRgn(ZEK_object *object, HRGN region)
{
    region = region_or(object, region);
    return region ? PaintRgn(dc_of(object), region) : 0;
}

extern "C" int32_t ZEKAPI Win_InvertRgn(ZEK_object *object, HRGN region)
{
    region = region_or(object, region);
    return region ? InvertRgn(dc_of(object), region) : 0;
}

extern "C" int32_t ZEKAPI Win_OffsetRgn(ZEK_object *object, HRGN region, int32_t dx, int32_t dy)
{
    region = region_or(object, region);
    return region ? OffsetRgn(region, dx, dy) : 0;
}

extern "C" int32_t ZEKAPI Win_SetRectRgn(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return set_region(object, CreateRectRgn(x1, y1, x2, y2));
}

extern "C" int32_t ZEKAPI Win_SetEllipticRgn(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2,
                                            int32_t y2)
{
    return set_region(object, CreateEllipticRgn(x1, y1, x2, y2));
}

extern "C" int32_t ZEKAPI Win_SetRoundRectRgn(ZEK_object *object, int32_t x1, int32_t y1, int32_t x2,
                                             int32_t y2, int32_t w, int32_t h)
{
    return set_region(object, CreateRoundRectRgn(x1, y1, x2, y2, w, h));
}

extern "C" int32_t ZEKAPI Win_SetPolygonRgn(ZEK_object *object, const POINT *points, int32_t count,
                                           int32_t mode)
{
    return set_region(object, points && count > 0 ? CreatePolygonRgn(points, count, mode) : nullptr);
}

extern "C" int32_t ZEKAPI Win_SetPolyPolygonRgn(ZEK_object *object, const POINT *points,
                                               const INT *counts, int32_t polygons, int32_t mode)
{
    return set_region(object, points && counts && polygons > 0
                                  ? CreatePolyPolygonRgn(points, counts, polygons, mode)
                                  : nullptr);
}

// Text.

extern "C" int32_t ZEKAPI Win_TextOut(ZEK_object *object, int32_t x, int32_t y, const char *text,
                                     int32_t length)
{
    return text && length >= 0 ? TextOutA(dc_of(object), x, y, text, length) : 0;
}

extern "C" int32_t ZEKAPI Win_ExtTextOut(ZEK_object *object, int32_t x, int32_t y, UINT options,
                                        const RECT *rect, const char *text, UINT length, const INT *dx)
{
    if (!text)
        length = 0;
    return ExtTextOutA(dc_of(object), x, y, options, rect, text, length, dx);
}

extern "C" int32_t ZEKAPI Win_DrawText(ZEK_object *object, const char *text, int32_t length, RECT *rect,
                                      UINT format)
{
    return text && rect ? DrawTextA(dc_of(object), text, length, rect, format) : 0;
}

extern "C" UINT ZEKAPI Win_GetTextAlign(ZEK_object *object)
{
    return GetTextAlign(dc_of(object));
}

extern "C" UINT ZEKAPI Win_SetTextAlign(ZEK_object *object, UINT align)
{
    return SetTextAlign(dc_of(object), align);
}

extern "C" int32_t ZEKAPI Win_GetTextCharacterExtra(ZEK_object *object)
{
    return GetTextCharacterExtra(dc_of(object));
}

extern "C" int32_t ZEKAPI Win_SetTextCharacterExtra(ZEK_object *object, int32_t extra)
{
    return SetTextCharacterExtra(dc_of(object), extra);
}

extern "C" COLORREF ZEKAPI Win_GetTextColor(ZEK_object *object)
{
    return GetTextColor(dc_of(object));
}

extern "C" COLORREF ZEKAPI Win_SetTextColor(ZEK_object *object, COLORREF colour)
{
    return SetTextColor(dc_of(object), colour);
}

extern "C" HFONT ZEKAPI Win_CreateFont(ZEK_object *object, int32_t height, int32_t width,
                                      int32_t escapement, int32_t orientation, int32_t weight,
                                      DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                                      DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                                      DWORD pitchAndFamily, const char *face)
{
    Win_data *d = win_data_of(object);
    if (!d)
        return nullptr;
    HFONT made = CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                             strikeOut, charSet, outPrecision, clipPrecision, quality,
                             pitchAndFamily, face);
    win_adopt_font(*d, made);
    return made;
}

extern "C" HFONT ZEKAPI Win_CreateFontIndirect(ZEK_object *object, const LOGFONTA *font)
{
    Win_data *d = win_data_of(object);
    if (!d || !font)
        return nullptr;
    HFONT made = CreateFontIndirectA(font);
    win_adopt_font(*d, made);
    return made;
}

// Bitmaps.

extern "C" HBITMAP ZEKAPI Win_CreateBitmap(ZEK_object *, int32_t width, int32_t height, UINT planes,
                                          UINT bits, const void *data)
{
    return CreateBitmap(width, height, planes, bits, data);
}

extern "C" HBITMAP ZEKAPI Win_CreateDIBitmap(ZEK_object *object, HDC dc, const BITMAPINFOHEADER *header)
{
    dc = dc_or(object, dc);
    return dc && header ? CreateDIBitmap(dc, header, 0, nullptr, nullptr, 0) : nullptr;
}

extern "C" HBITMAP ZEKAPI Win_CreateDIBSection(ZEK_object *object, HDC dc, const BITMAPINFO *info,
                                              UINT usage, void **bits, HANDLE section, DWORD offset)
{
    return info ? CreateDIBSection(dc_or(object, dc), info, usage, bits, section, offset) : nullptr;
}

extern "C" int32_t ZEKAPI Win_GetDIBits(ZEK_object *object, HDC dc, HBITMAP bitmap, UINT start,
                                       UINT lines, void *bits, BITMAPINFO *info, UINT usage)
{
    return info ? GetDIBits(dc_or(object, dc), bitmap, start, lines, bits, info, usage) : 0;
}

extern "C" int32_t ZEKAPI Win_SetDIBits(ZEK_object *object, HDC dc, HBITMAP bitmap, UINT start,
                                       UINT lines, const void *bits, const BITMAPINFO *info, UINT usage)
{
    return info && bits ? SetDIBits(dc_or(object, dc), bitmap, start, lines, bits, info, usage) : 0;
}

extern "C" int32_t ZEKAPI Win_BitBlt(ZEK_object *object, HDC dc, int32_t x, int32_t y, int32_t width,
                                    int32_t height, HDC source, int32_t sx, int32_t sy, DWORD rop)
{
    return BitBlt(dc_or(object, dc), x, y, width, height, source, sx, sy, rop);
}

extern "C" int32_t ZEKAPI Win_StretchBlt(ZEK_object *object, HDC dc, int32_t x, int32_t y, int32_t width,
                                        int32_t height, HDC source, int32_t sx, int32_t sy, int32_t sw,
                                        int32_t sh, DWORD rop)
{
    return StretchBlt(dc_or(object, dc), x, y, width, height, source, sx, sy, sw, sh, rop);
}

extern "C" int32_t ZEKAPI Win_StretchDIBits(ZEK_object *object, HDC dc, int32_t x, int32_t y,
                                           int32_t width, int32_t height, int32_t sx, int32_t sy,
                                           int32_t sw, int32_t sh, const void *bits,
                                           const BITMAPINFO *info, UINT usage, DWORD rop)
{
    return info ? StretchDIBits(dc_or(object, dc), x, y, width, height, sx, sy, sw, sh, bits, info,
                                usage, rop)
                : 0;
}
