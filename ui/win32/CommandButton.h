#pragma once
#include "ui/Designs.h"
#include "ui/win32/ButtonWindow.h"

namespace ui::win32 {

// "Reset", "Fix" and "Un-Fix": ordinary push buttons with the system's own face.
class CommandButton final : public ButtonWindow {
public:
    CommandButton(HWND board, const designs::Control& design, int dpi, HFONT font);

private:
    // An ordinary button is not of the graphical style: like its model it keeps
    // the system's face whatever colour it is given.
    void showBackColor(SysColor) override {}
};

} // namespace ui::win32
