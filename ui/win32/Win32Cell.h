#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "ui/BoardPlace.h"
#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/win32/CandidateButton.h"
#include "ui/win32/DigitLabel.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// One cell's window: nine candidate buttons over the digit label, on the cell's
// background. The children are made in tab order, and a new child window goes
// beneath the ones before it, so the label, made last, lies beneath the buttons.
class Win32Cell final : public CellControls {
public:
    // `place` is where the cell stands, for the names its controls give assistive technology.
    Win32Cell(HWND box, const designs::Control& design, BoxCell place, int dpi, const Fonts& fonts);

    Button& btnBlock(std::int16_t index) override { return *buttons_.at(static_cast<std::size_t>(index)); }
    Label& lbl() override { return *label_; }

private:
    HWND window_ = nullptr;
    std::array<std::unique_ptr<CandidateButton>, 9> buttons_;
    std::unique_ptr<DigitLabel> label_;
};

} // namespace ui::win32
