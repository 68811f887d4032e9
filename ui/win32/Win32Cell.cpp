#include "ui/win32/Win32Cell.h"

#include "ui/TabOrder.h"
#include "ui/win32/ContainerWindow.h"

namespace ui::win32 {

Win32Cell::Win32Cell(HWND box, const designs::Control& design, BoxCell place, int dpi, const Fonts& fonts)
    : window_(createContainer(box, design, design.face, dpi))
{
    for (const std::int16_t i : designs::inTabOrder(designs::btnBlock)) {
        const auto button = static_cast<std::size_t>(i);
        buttons_.at(button) = std::make_unique<CandidateButton>(window_, designs::btnBlock.at(button),
                                                                rowColumnOf(place), dpi, fonts.caption());
    }
    label_ = std::make_unique<DigitLabel>(window_, designs::lbl, rowColumnOf(place), dpi, fonts.label());
}

} // namespace ui::win32
