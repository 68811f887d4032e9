#include "ui/win32/Win32Box.h"

#include "ui/win32/ContainerWindow.h"

namespace ui::win32 {

Win32Box::Win32Box(HWND board, const designs::Control& design, int dpi, const Fonts& fonts)
    : window_(createContainer(board, design, design.face, dpi))
{
    for (std::size_t k = 0; k < cells_.size(); ++k)
        cells_[k] = std::make_unique<Win32Cell>(window_, designs::usrcntSquare[k],
                                                ui::BoxCell{design.index, static_cast<std::int16_t>(k)}, dpi, fonts);
}

} // namespace ui::win32
