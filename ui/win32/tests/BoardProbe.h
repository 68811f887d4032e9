#pragma once
#include <string>
#include <vector>

#include "ui/win32/WindowsApi.h"

// The board window as a player meets it: its controls found by their place in
// the stored designs, what each shows, and clicks and keys delivered the way
// Windows delivers them.
class BoardProbe {
public:
    explicit BoardProbe(HWND board) : board_(board) {}

    HWND board() const { return board_; }
    HWND box(int b) const;
    HWND cell(int b, int k) const;
    HWND candidate(int b, int k, int i) const;
    HWND label(int b, int k) const;
    HWND reset() const;
    HWND fix() const;
    HWND unFix() const;

    static bool shown(HWND control) { return IsWindowVisible(control) != FALSE; }
    static bool enabled(HWND control) { return IsWindowEnabled(control) != FALSE; }
    static std::wstring text(HWND control);
    // What a screen reader hears of a control: its name and its state bits
    // (STATE_SYSTEM_...), as the system's accessibility layer (oleacc) reports them.
    static std::wstring accessibleName(HWND control);
    static long accessibleState(HWND control);
    // The colour a candidate button's face is painted in, read from the screen.
    COLORREF face(HWND candidate) const;
    // The colour on the screen at the top-left corner of a hidden candidate: the
    // label's, once the window has painted what lay beneath the button.
    COLORREF beneath(HWND candidate) const;

    // Presses and releases the left button over the middle of the control: the
    // window under that point, as Windows finds it, gets the click, so a hidden or
    // disabled button lets it through to whatever lies beneath.
    void clickAt(HWND control) const;
    // A quick press and release of the real mouse over the middle of the control:
    // both wait for the program together, as a quick click's do.
    void quickClick(HWND control) const;
    // Two presses and releases of the real mouse over the middle of the control,
    // quick enough for Windows to see a double click.
    void doubleClick(HWND control) const;
    // The pixels of the board's inner area, as the window shows them.
    std::vector<DWORD> picture() const;
    // A key pressed and released on the focused control, through the message loop.
    void pressKey(WPARAM key) const;

private:
    HWND board_;
};

// Delivers every message waiting for this thread as the program's loop does.
void pumpMessages();
