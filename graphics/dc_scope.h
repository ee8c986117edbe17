// The one owner of the context a Win draws on. hDC, bGmode and what the
// object selects into hDC (its pen and brush, a font for one text call)
// change only through DcScope:
//  - a scope redirects hDC for its lifetime (painting, the open bitmap, the
//    window context SetHDC takes) or selects a font, and puts back what it
//    changed, newest first;
//  - its static members select the object's pen and brush into the present
//    hDC and release them again (GmodeReset, the end of a redirection).
// A pen or brush leaves the context it was selected into before it is
// deleted; a context is given back the way it was taken. Scopes belong to
// the thread that draws on the object (its window's thread).
#ifndef ZEK_GRAPHICS_DC_SCOPE_H
#define ZEK_GRAPHICS_DC_SCOPE_H

#include "../window/win_data.h"

class DcScope {
public:
    // How a redirected context is given back when the scope ends.
    enum class Giveback { Release, EndPaint, Delete };

    explicit DcScope(Win_data &d) : d_(d) {}
    // Holds the window's context through the SetHDC and ResetHDC slots (a
    // program's replacements take part), for layout that sets its origin.
    DcScope(ZEK_object *object, Win_data &d);
    ~DcScope();
    DcScope(const DcScope &) = delete;
    DcScope &operator=(const DcScope &) = delete;

    // hDC := dc with no pen or brush of the object selected. At the end the
    // pens and brushes selected meanwhile are released from dc and dc is
    // given back as said; then hDC and the object's earlier pen and brush
    // return. The window context SetHDC holds keeps its attributes (the
    // origin WM_SIZE sets must stay).
    void redirect(HDC dc, Giveback how);
    // Begins painting the window and redirects hDC to the paint context. A
    // paint interrupts whatever the program was drawing: at the end the
    // context's attributes and bGmode are as they were, which matters when
    // the class's own context is also the program's.
    void begin_paint(HWND window);
    // The context was given back behind the scope's back (a program's
    // ReleaseDC): the end restores the object's fields but touches no context.
    void abandon() { abandoned_ = true; }
    // Selects font into hDC until the end; the font stays its owner's.
    void select_font(HFONT font);

    HDC dc() const { return dc_; }
    // The window's own context: the one saved while the bitmap is open.
    HDC window_dc() const { return d_.hMemDC ? d_.hBufDC : d_.hDC; }

    // The object's own pen and brush, selected into hDC; the one they
    // replace is kept to be put back, an earlier one of the object deleted.
    static void select_pen(Win_data &d, HPEN pen);
    static void select_brush(Win_data &d, HBRUSH brush);
    // Puts the context's own pen and brush back and deletes the object's
    // (with its tile bitmap); the pen cache is forgotten.
    static void release_selections(Win_data &d);

    // GmodeSet and GmodeReset: hDC stays held until graphics mode ends.
    static void set_graphics_mode(Win_data &d, bool on) { d.bGmode = on ? 1 : 0; }
    // SetHDC and ResetHDC: a counted hold on the window's context, taken
    // once and released by the last ResetHDC; nothing while painting, in
    // graphics mode or with the bitmap open, which hold hDC already.
    static HDC hold_window(Win_data &d);
    static int32_t release_window(Win_data &d);
    // The program gave hDC back or deleted it itself.
    static void forget(Win_data &d, HDC dc);
    // The bitmap opens: hBufDC := window, hMemDC := memory and hDC is
    // redirected to memory until end_bitmap, which deletes memory, clears
    // hMemDC and puts hDC back on window with its pen and brush.
    static void begin_bitmap(Win_data &d, HDC window, HDC memory);
    static void end_bitmap(Win_data &d);

private:
    struct Selections {
        int32_t bPen;
        HPEN hPen;
        HGDIOBJ hPenOld;
        int32_t PenType;
        int32_t PenWidth;
        COLORREF PenColor;
        int32_t bBrush;
        HBRUSH hBrush;
        HGDIOBJ hBrushOld;
        HBITMAP hTileBitmap;
    };
    static Selections take_selections(Win_data &d);
    static void put_selections(Win_data &d, const Selections &s);
    void end_redirect();

    Win_data &d_;
    ZEK_object *held_ = nullptr;  // the object whose slots hold the window context
    bool redirected_ = false;
    bool abandoned_ = false;
    Giveback how_ = Giveback::Release;
    HDC dc_ = nullptr;
    HWND window_ = nullptr;
    PAINTSTRUCT ps_{};
    int saved_ = 0;  // SaveDC level of dc_
    HDC outerDC_ = nullptr;
    int32_t outerGmode_ = 0;
    Selections outer_{};
    HDC fontDC_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

// Fonts an object made with CreateFont/CreateFontIndirect: the newest is
// kept in hFont, the one it replaces is deleted; the process default font
// and a program's own fonts are never deleted here.
void win_adopt_font(Win_data &d, HFONT made);
// Everything of the object's drawing state that outlives single calls (a
// held window context, its fonts) goes with the object.
void win_release_drawing(Win_data &d);

#endif
