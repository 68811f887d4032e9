#include "ui/web/WebControls.h"

#include "ui/Designs.h"
#include "ui/PlaceNames.h"
#include "ui/web/DocumentOrder.h"
#include "ui/web/Elements.h"
#include "ui/web/Page.h"

namespace ui::web {

void WebButton::showVisible(bool visible) { page::setVisible(element_, visible); }
void WebButton::showEnabled(bool enabled) { page::setEnabled(element_, enabled); }
void WebButton::showBackColor(SysColor color) { page::setFace(element_, static_cast<std::uint32_t>(color)); }

WebLabel::WebLabel(int element, RowColumn place)
    : ChangedOnlyLabel(designs::lbl.caption),
      element_(element),
      place_(place)
{
}

void WebLabel::showCaption(const std::string& caption)
{
    page::setCaption(element_, caption.c_str(), caption.empty() ? "" : digitName(place_, caption).c_str());
}

WebCell::WebCell(std::int16_t box, std::int16_t cell) : label_(labelElement(box, cell), rowColumnOf({box, cell}))
{
    for (const auto& design : designs::btnBlock)
        buttons_.at(static_cast<std::size_t>(design.index)) =
            std::make_unique<WebButton>(candidateElement(box, cell, design.index), design.face);
}

WebBox::WebBox(std::int16_t box)
{
    for (std::int16_t k = 0; k < 9; ++k)
        cells_.at(static_cast<std::size_t>(k)) = std::make_unique<WebCell>(box, k);
}

WebBoardWindow::WebBoardWindow()
    : reset_(resetElement, designs::cmdReset.face),
      fix_(fixElement, designs::cmdFix.face),
      unFix_(unFixElement, designs::cmdUnFix.face)
{
    for (std::int16_t b = 0; b < 9; ++b)
        boxes_.at(static_cast<std::size_t>(b)) = std::make_unique<WebBox>(b);
    const std::vector<int> order = boardOrder();
    page::install(order.data(), static_cast<int>(order.size()));
}

void WebBoardWindow::show() { page::show(std::string(designs::orvaneMain.caption).c_str()); }

std::unique_ptr<BoardWindow> WebPlatform::createBoardWindow()
{
    auto window = std::make_unique<WebBoardWindow>();
    window_ = window.get();
    return window;
}

} // namespace ui::web
