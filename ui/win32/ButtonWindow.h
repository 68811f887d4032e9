#pragma once
#include "ui/ChangedOnly.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// What candidate and command buttons share: a Windows button whose clicks enter
// the board through the one dispatch point. A change of Visible or Enabled
// repaints this button alone, or, in the middle of a click, waits for the
// click's one paint pass.
class ButtonWindow : public ChangedOnlyButton, public ChildControl {
public:
    HWND window() const { return window_; }

protected:
    // Takes a button window created visible and enabled, as every button is designed.
    ButtonWindow(HWND window, HFONT font, SysColor face);

    void showVisible(bool visible) final;
    void showEnabled(bool enabled) final;

private:
    void onClicked() final;
    bool clicks() const final { return true; }

    HWND window_ = nullptr;
};

} // namespace ui::win32
