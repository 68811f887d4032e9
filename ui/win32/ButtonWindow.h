#pragma once
#include "ui/Controls.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// What candidate and command buttons share: a Windows button whose clicks enter
// the board through the one dispatch point, and whose Visible and Enabled cost
// nothing when they do not change. A change repaints this button alone, or, in
// the middle of a click, waits for the click's one paint pass.
class ButtonWindow : public Button, public ChildControl {
public:
    void setVisible(bool visible) final;
    void setEnabled(bool enabled) final;

    HWND window() const { return window_; }

protected:
    // Takes a button window created visible and enabled, as every button is designed.
    ButtonWindow(HWND window, HFONT font);

private:
    void onClicked() final;

    HWND window_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
};

} // namespace ui::win32
