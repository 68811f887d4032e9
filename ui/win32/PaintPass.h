#pragma once
#include <cstddef>
#include <vector>

#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// One click, one paint. A pick writes to the buttons of 21 cells and "Reset" to
// every control of the board; left to itself, the window system would paint each
// write as it comes, and the player would watch the board change control by
// control. While a PaintPass is open, the board window's redraw is held and every
// control that changes says where it lies; when the pass closes, that area is
// drawn off the screen and put on the screen in one copy. The writes themselves
// keep their order: only their showing waits.
class PaintPass {
public:
    // Holds the redraw of the top-level window that holds `control`.
    explicit PaintPass(HWND control);
    // Lets the window redraw, and puts what changed under the pass on the screen.
    ~PaintPass();
    PaintPass(const PaintPass&) = delete;
    PaintPass& operator=(const PaintPass&) = delete;

    // Notes that `control` looks different now, and says whether a pass took note;
    // while none is open the window system paints it as usual.
    static bool changed(HWND control);

    // Sets or clears `bits` of the style of `control`, a window of the open pass.
    static void setStyle(HWND control, LONG bits, bool set);
    // Whether `control` holds the keyboard focus, as the pass last saw it.
    static bool hasFocus(HWND control);

    // Learns the windows of `top` once they are all made. Nothing adds, removes,
    // moves or restacks a window of the board afterwards, so each pass walks this
    // list instead of asking the window system for the tree again.
    static void learn(HWND top);

private:
    struct Painted {
        HWND window;
        RECT place;       // its inner area, in the top window's inner coordinates
        std::size_t end;  // one past its last descendant in the list
        enum class Drawn { Background, ByItself, BySystem } drawn;
    };
    static void collect(HWND top, HWND window);
    static Painted::Drawn drawnHow(HWND top, HWND window);
    static void draw(HRGN area, HDC scene, HDC scratch);

    HWND top_ = nullptr;
    HRGN area_ = nullptr;
    HWND focus_ = nullptr;
    // Only the outermost pass holds and redraws, should one click start another.
    PaintPass* outer_ = nullptr;
    static PaintPass* open_;
    // The windows of the last top window learnt, each before the ones it holds,
    // and those bottom to top: the order in which they paint.
    static HWND learnt_;
    static std::vector<Painted> paintOrder_;
    // Where a pass draws, made once for the top window learnt: the scene of its
    // inner area, and room for one system control to paint in.
    struct Canvas {
        HDC dc = nullptr;
        HBITMAP bits = nullptr;
        HGDIOBJ previous = nullptr;
        void make(HDC like, int width, int height);
        void release();
    };
    static Canvas scene_, scratch_;
};

} // namespace ui::win32
