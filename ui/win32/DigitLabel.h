#pragma once
#include <string>
#include <string_view>

#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A cell's digit label: a static text control beneath the nine buttons, centred,
// in the large bold face, text and background in the system's label colours.
// Its caption costs nothing when it does not change.
class DigitLabel final : public Label, public ChildControl {
public:
    DigitLabel(HWND cell, const designs::Control& design, int dpi, HFONT font);

    void setCaption(std::string_view caption) override;

    HWND window() const { return window_; }

private:
    HBRUSH onControlColor(HDC dc) override;

    HWND window_ = nullptr;
    SysColor back_;
    std::string caption_;
};

} // namespace ui::win32
