#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ui/win32/WindowsApi.h"

#include <oleacc.h>

// A control of the board as a player and a screen reader meet it: a window, or
// a cell or a part of one on the board surface, named by the object and child ids
// that the surface's events give it.
struct Control {
    HWND window = nullptr;
    LONG object = OBJID_CLIENT;
    LONG child = CHILDID_SELF;
    bool operator==(const Control&) const = default;
};

// The board window as a player meets it: its controls found by their place in
// the stored designs, what each shows and what a screen reader hears of it
// (through the system's accessibility layer, oleacc), and clicks and keys
// delivered the way Windows delivers them.
class BoardProbe {
public:
    explicit BoardProbe(HWND board) : board_(board) {}

    HWND board() const { return board_; }
    HWND surface() const;
    Control cell(int b, int k) const;
    Control candidate(int b, int k, int i) const;
    Control label(int b, int k) const;
    Control reset() const;
    Control fix() const;
    Control unFix() const;
    // The control with the keyboard focus: a command, or what of the board holds it,
    // asked of the objects from the window's down, as a screen reader asks.
    static Control focus();

    // What a screen reader hears of it, found as a screen reader finds the
    // control an event names.
    static std::wstring accessibleName(Control control);
    // Its state bits (STATE_SYSTEM_...).
    static long accessibleState(Control control);
    static bool shown(Control control) { return !(accessibleState(control) & STATE_SYSTEM_INVISIBLE); }
    static bool enabled(Control control) { return !(accessibleState(control) & STATE_SYSTEM_UNAVAILABLE); }
    // What a screen reader's "press" does to it.
    static void pressForScreenReader(Control control);
    // Where it lies on the screen.
    static RECT screenRect(Control control);
    // The role and name of the object that answers for it, as a screen reader finds
    // that object from an event that names the control: its own, or what holds it.
    static std::pair<LONG, std::wstring> holder(Control control);
    // The colour a candidate's face is painted in, read from the screen.
    COLORREF face(Control candidate) const;
    // The colour on the screen at the top-left corner of a hidden candidate: the
    // label's, once the window has painted what lay beneath the candidate.
    COLORREF beneath(Control candidate) const;

    // Presses and releases the left button over the middle of the control: the
    // window under that point, as Windows finds it, gets the click.
    void clickAt(Control control) const;
    // A quick press and release of the real mouse over the middle of the control:
    // both wait for the program together, as a quick click's do.
    void quickClick(Control control) const;
    // Two presses and releases of the real mouse over the middle of the control,
    // quick enough for Windows to see a double click.
    void doubleClick(Control control) const;
    // The pixels of the board's inner area, as the window shows them.
    std::vector<DWORD> picture() const;
    // The colours of a control's square on the screen, row by row, less `inset`
    // pixels at each side.
    std::vector<COLORREF> pixels(Control control, int inset) const;
    // A key pressed and released on the focused window, through the message loop;
    // with Shift held down when `shift`.
    void pressKey(WPARAM key, bool shift = false) const;
    // A key typed on the real keyboard (SendInput), with Ctrl or Shift held down,
    // once the program has seen its release, there or in a menu or box it opened.
    void typeKey(WORD key, bool ctrl = false, bool shift = false) const;

private:
    COLORREF onScreen(Control candidate, int x, int y) const;

    HWND board_;
};

// Delivers every message waiting for this thread as the program's loop does.
void pumpMessages();

// Keys pressed and released in turn on the real keyboard, without waiting.
void sendKeys(std::initializer_list<WORD> keys);

// The clipboard's text as another program puts it there and reads it.
void setClipboardText(const std::wstring& text);
std::wstring clipboardText();

// Acts once on the first window of `windowClass` that this thread shows while
// the watch lives, from inside the loop of the menu or box that shows it. Should
// none show within 5 s, it presses Escape, which ends any menu or box left
// waiting for the player, and fails the test, saying what it waited for.
class WindowWatch {
public:
    WindowWatch(HWND timerWindow, const wchar_t* windowClass, std::function<void(HWND)> act);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;
    bool seen() const { return seen_; }

private:
    static void CALLBACK tick(HWND window, UINT, UINT_PTR self, DWORD);

    HWND timerWindow_;
    std::wstring class_;
    std::function<void(HWND)> act_;
    DWORD until_;
    bool seen_ = false;
};

// What a screen reader asks with: a child id, a window's client object (or null),
// and the role and name an object gives of one of its children or of itself.
VARIANT childId(LONG child);
IAccessible* accessibleOf(HWND window);
LONG roleOf(IAccessible* object, LONG child);
std::wstring nameOf(IAccessible* object, LONG child);
