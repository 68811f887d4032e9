#pragma once
#include "ui/desktop/AccessibilityTree.h"
#include "ui/desktop/DrawnBoard.h"
#include "ui/win32/Canvas.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

class MsaaObject;

// The nine boxes of the board window as one child window, on which the desktop
// board draws its 81 cells. It hands the board the window's mouse, key and focus
// messages as the board's verbs, carries out its primitives in WM_PAINT through
// an off-screen canvas, dispatches the clicks it reports and answers screen
// readers with the board's tree (MsaaObject). The keyboard focus rests on
// the window and the board hands it on among its candidates; the window asks
// the dialog manager for Tab while the board has a candidate further on, and at
// the board's end the dialog manager passes the focus on.
class BoardSurface final : public ui::desktop::AccessibilityTree::Window, private ui::desktop::BoardView {
public:
    static constexpr const wchar_t* windowClass = L"OrvaneBoardSurface";
    static void registerClass(HINSTANCE instance);

    // `canvas` is where the surface is drawn before it is shown, as large as the
    // surface by the time it first paints.
    BoardSurface(HWND parent, int id, int dpi, const Fonts& fonts, Canvas& canvas);
    ~BoardSurface() override;
    BoardSurface(const BoardSurface&) = delete;
    BoardSurface& operator=(const BoardSurface&) = delete;

    ui::desktop::DrawnBoard& board() { return board_; }
    HWND window() const { return window_; }

    // What only the window system knows of the surface, for the screen readers' tree.
    bool shown() const override { return IsWindowVisible(window_); }
    bool enabled() const override { return IsWindowEnabled(window_); }
    ui::desktop::Point origin() const override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void press(ui::desktop::Point at, bool primary);
    LRESULT keyDown(WPARAM key, LPARAM flags);
    LRESULT dialogCode(const MSG* message) const;
    void moveOn(bool forward) const;
    ui::desktop::DrawnBoard::Entry entryFrom(HWND previous) const;
    void paint();

    void redraw(const ui::desktop::Rect& area) override;
    History* history() const override;
    History::Step dispatch(const std::function<History::Step()>& action) override;
    void announce(ui::desktop::Part part, Announcement what) override;
    void takesFocusChanged(bool takesFocus) override;
    std::variant<std::string, PuzzleProblem> clipboardText(std::size_t atMost) const override;
    bool putOnClipboard(const std::string& text) override;
    bool clipboardHoldsText() const override;
    void warn(const std::string& message) override;
    void takeFocus() override;

    ui::desktop::DrawnBoard board_;
    const Fonts& fonts_;
    Canvas& canvas_;
    HWND window_ = nullptr;
    // The focus the board gives itself, by a press or a paste, goes where the board has it.
    bool givingFocus_ = false;
    // Made when a screen reader first asks; it may outlive the window, which
    // then disconnects it.
    MsaaObject* accessible_ = nullptr;
};

} // namespace ui::win32
