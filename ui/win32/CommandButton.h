#pragma once
#include "ui/ChangedOnly.h"
#include "ui/Designs.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// "Reset", "Fix" and "Un-Fix": the system's own push buttons. The board window
// hears their clicks (WM_COMMAND) and hands them to the board.
class CommandButton final : public ChangedOnlyButton {
public:
    CommandButton(HWND board, const designs::Control& design, int dpi, HFONT font);

    HWND window() const { return window_; }

private:
    void showVisible(bool visible) override { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
    void showEnabled(bool enabled) override { EnableWindow(window_, enabled); }
    // An ordinary button is not of the graphical style: like its model it keeps
    // the system's face whatever colour it is given.
    void showBackColor(SysColor) override {}

    HWND window_ = nullptr;
};

} // namespace ui::win32
