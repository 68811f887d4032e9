#pragma once
#include <array>
#include <cstdint>

#include "ui/BoardPlace.h"
#include "ui/Designs.h"
#include "ui/DrawnCell.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/Pixels.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

class CellAccessible;

// One cell's window: the label and, over it, nine candidate buttons that are
// squares of this window. What they show, the focus and the held one are the
// drawn cell's; the window turns the mouse, the keys and the focus into its
// verbs, draws what changed in WM_PAINT, and answers for the candidates and the
// label to assistive technology (CellAccessible). It asks the dialog manager for
// Tab while a candidate further on takes the focus; at the cell's end the dialog
// manager passes the focus on in the board's tab order.
class CellWindow final : public CellControls, private CellView {
public:
    static constexpr const wchar_t* windowClass = L"OrvaneCell";
    static void registerClass(HINSTANCE instance);

    // `buffer` is where the cell is drawn before it is put on the screen, as
    // large as a cell; all cells of a board share it, one paint at a time.
    CellWindow(HWND box, const designs::Control& design, BoxCell place, int dpi, const Fonts& fonts, Canvas& buffer);
    ~CellWindow() override;
    CellWindow(const CellWindow&) = delete;
    CellWindow& operator=(const CellWindow&) = delete;

    Button& btnBlock(std::int16_t index) override { return cell_.btnBlock(index); }
    Label& lbl() override { return cell_.lbl(); }

    HWND window() const { return window_; }
    const DrawnCell& cell() const { return cell_; }
    // A candidate's square in the window, or the label's: the whole window.
    RECT placeOf(std::int16_t part) const;
    // The shown candidate at a point of the window; none where the label shows.
    std::int16_t candidateAt(POINT point) const;
    // Presses a candidate as a screen reader asks to: held down and clicked at
    // once.
    void pressFor(std::int16_t index);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT keyDown(WPARAM key, LPARAM flags);
    LRESULT dialogCode(const MSG* message) const;
    void cellChanged(std::int16_t part, Change change) override;
    void passFocusOn() override { moveOn(true); }
    void moveOn(bool forward) const;
    DrawnCell::Entry entryFrom(HWND previous) const;
    void clickIf(DrawnCell::Reply reply);
    void paint();
    void drawCandidate(HDC dc, std::int16_t index) const;
    void drawLabel(HDC dc) const;

    DrawnCell cell_;
    const Fonts& fonts_;
    Canvas& buffer_;
    std::array<RECT, DrawnCell::size> places_{};
    HWND window_ = nullptr;
    // Made when a screen reader first asks; it may outlive the window, which
    // then disconnects it.
    CellAccessible* accessible_ = nullptr;
};

} // namespace ui::win32
