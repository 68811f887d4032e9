#pragma once
#include <string>
#include <string_view>

#include "ui/ChangedOnly.h"
#include "ui/Designs.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A cell's digit label: a static text control beneath the nine buttons, centred,
// in the large bold face, text and background in the system's label colours.
class DigitLabel final : public ChangedOnlyLabel, public ChildControl {
public:
    DigitLabel(HWND cell, const designs::Control& design, int dpi, HFONT font);

    HWND window() const { return window_; }

private:
    void showCaption(const std::string& caption) override;
    HBRUSH onControlColor(HDC dc) override;

    HWND window_ = nullptr;
    SysColor back_;
};

} // namespace ui::win32
