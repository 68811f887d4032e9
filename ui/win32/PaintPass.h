#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/win32/Pixels.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// One click, one paint. A pick writes to the buttons of 21 cells and "Reset" to
// every control of the board; left to itself, the window system would paint each
// write as it comes, and the player would watch the board change control by
// control. While a PaintPass is open, no control of the board draws: every
// control that changes, or asks to be drawn, says where it lies instead; when the
// pass closes, that area is drawn off the screen and put on the screen in one
// copy. The writes themselves keep their order: only their showing waits.
//
// A control's new style or text reaches the window system only once the board
// shows it: each such write costs the window system a trip of its own (under
// Wine a trip to its server), and a pick makes some 30 of them. The pass draws
// every window as its writes leave it, shows the result, and then makes the
// writes, in the order they came, each with the event a screen reader hears of
// it. Nothing reads them in between: the pass ends before the next message.
class PaintPass {
public:
    // Holds the drawing of the board window that holds `control`.
    explicit PaintPass(HWND control);
    // Puts what changed under the pass on the screen, then makes its writes.
    ~PaintPass();
    PaintPass(const PaintPass&) = delete;
    PaintPass& operator=(const PaintPass&) = delete;

    // Notes that `control` looks different now, and says whether a pass took note;
    // while none is open the window system paints it as usual.
    static bool changed(HWND control);

    // Sets or clears `bits` of the style of `control`, a window of the open pass,
    // and raises `event` for it then.
    static void setStyle(HWND control, LONG bits, bool set, DWORD event);
    // Sets the window text of `control`, a window of the open pass, as the
    // default window procedure does, without asking the control to repaint.
    static void setText(HWND control, std::wstring text);
    // Whether `control` holds the keyboard focus, as the board shows it.
    static bool hasFocus(HWND control);
    // Gives `window` the keyboard focus, or takes it from every window when it is
    // none. In a pass the board shows the focus there with the rest, and the
    // window system learns of it once the board is shown, before the writes:
    // moving the focus costs the window system (under Wine its server) some ten
    // trips, and nothing asks for it in between.
    static void setFocus(HWND window);

    // The pixels of `dc` when it is the scene a pass draws in, at its own origin
    // and unclipped; none otherwise.
    static Pixels sceneOf(HDC dc);

    // Whether `window` is the board window learnt or one of its windows.
    static bool onBoard(HWND window);

    // Learns the windows of `top` once they are all made. Nothing adds, removes,
    // moves or restacks a window of the board afterwards, so each pass walks this
    // list instead of asking the window system for the tree again.
    static void learn(HWND top);

private:
    struct Painted {
        HWND window;
        RECT place;       // its inner area, in the top window's inner coordinates
        RECT frame;       // the whole window, in the same coordinates
        std::size_t end;  // one past its last descendant in the list
        enum class Drawn { Background, ByItself, BySystem } drawn;
        LONG style = 0;         // its style as the pass's writes leave it...
        unsigned styled = 0;    // ...when this is styled_
        unsigned noted = 0;     // its frame is among the changes when this is noted_
    };
    struct Write {
        std::size_t painted;  // its place in paintOrder_
        LONG bits;  // of the style, set or cleared; none for a text
        bool set;
        DWORD event;
        std::wstring text;
    };
    static void collect(HWND top, HWND window);
    static Painted::Drawn drawnHow(HWND top, HWND window);
    static Painted* painted(HWND window);
    static LONG styleOf(Painted& painted);
    static void draw(const std::vector<RECT>& changes, HDC scene, HDC scratch);
    void show();
    void write();

    HWND top_ = nullptr;
    HRGN area_ = nullptr;
    std::vector<RECT> changes_;  // the frames of the windows that changed, once each
    HWND focus_ = nullptr;
    bool focusMoved_ = false;  // focus_ is still to be given to the window system
    std::vector<Write> writes_;
    // Only the outermost pass holds and redraws, should one click start another.
    PaintPass* outer_ = nullptr;
    static PaintPass* open_;
    // The windows of the last top window learnt, each before the ones it holds,
    // and those bottom to top: the order in which they paint.
    static HWND learnt_;
    static std::vector<Painted> paintOrder_;
    static std::unordered_map<HWND, std::size_t> places_;  // where each window is in it
    // Counted up when the styles are to be read anew, and when the changes drawn.
    static unsigned styled_, noted_;
    // Where a pass draws, made once for the top window learnt: the scene of its
    // inner area, and room for one system control to paint in.
    static Canvas scene_, scratch_;
};

} // namespace ui::win32
