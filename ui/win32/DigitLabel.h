#pragma once
#include <string>
#include <string_view>

#include "ui/BoardPlace.h"
#include "ui/ChangedOnly.h"
#include "ui/Designs.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A cell's digit label: a static control beneath the nine buttons that draws its
// caption itself, centred, in the large bold face, text and background in the
// system's label colours. Its window text is its name for a screen reader, "Row 4,
// column 7, digit 5" while it shows "5", and empty while it shows nothing.
class DigitLabel final : public ChangedOnlyLabel, public ChildControl {
public:
    DigitLabel(HWND cell, const designs::Control& design, RowColumn place, int dpi, HFONT font);

    HWND window() const { return window_; }

private:
    void showCaption(const std::string& caption) override;
    void onDrawItem(const DRAWITEMSTRUCT& item) override;
    UINT drawnAs() const override { return ODT_STATIC; }
    std::wstring name() const;

    HWND window_ = nullptr;
    HFONT font_;
    RowColumn place_;
    SysColor back_;
    std::string shown_;  // the caption it draws
};

} // namespace ui::win32
