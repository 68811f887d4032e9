#include "ui/win32/Win32Box.h"

#include "ui/TabOrder.h"
#include "ui/win32/ContainerWindow.h"

namespace ui::win32 {

Win32Box::Win32Box(HWND board, const designs::Control& design, int dpi, const Fonts& fonts, Canvas& buffer)
    : window_(createContainer(board, design, design.face, dpi))
{
    // Made in tab order, which is the order the dialog manager passes the focus on.
    for (const std::int16_t k : designs::inTabOrder(designs::usrcntSquare)) {
        const auto cell = static_cast<std::size_t>(k);
        cells_.at(cell) = std::make_unique<CellWindow>(window_, designs::usrcntSquare.at(cell),
                                                       BoxCell{design.index, k}, dpi, fonts, buffer);
    }
}

} // namespace ui::win32
