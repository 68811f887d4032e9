#include "ui/qt/QtBoardWindow.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "ui/Designs.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

std::unique_ptr<ColorArea> makeWindow()
{
    const auto& design = ui::designs::orvaneMain;
    auto window = std::make_unique<ColorArea>(design.back);
    window->setWindowTitle(designText(design.caption));
    window->setFixedSize(designPixels(design.innerWidth), designPixels(design.innerHeight));
    // Every caption but the label's uses the default control font; children inherit it.
    window->setFont(designFont(ui::designs::defaultControlFont));
    return window;
}

QPushButton& makeCommand(QWidget& window, const ui::designs::Control& design)
{
    auto* button = new QPushButton(designText(design.caption), &window);
    button->setGeometry(designRect(design));
    return *button;
}

// Indices of a control array, ordered by their stored tab positions.
std::array<std::int16_t, 9> inTabOrder(const std::array<ui::designs::Control, 9>& designs)
{
    std::array<std::int16_t, 9> order{};
    std::iota(order.begin(), order.end(), std::int16_t{0});
    std::stable_sort(order.begin(), order.end(), [&designs](std::int16_t a, std::int16_t b) {
        return designs.at(static_cast<std::size_t>(a)).tabIndex < designs.at(static_cast<std::size_t>(b)).tabIndex;
    });
    return order;
}

// Focus that enters a box passes on to its first cell, and from there to the
// cell's first button: the box's share of the chain is its candidates in order.
std::vector<QWidget*> candidatesOf(BoxWidget& box)
{
    std::vector<QWidget*> chain;
    for (std::int16_t k : inTabOrder(ui::designs::usrcntSquare))
        for (std::int16_t i : inTabOrder(ui::designs::btnBlock))
            chain.push_back(&box.cell(k).button(i));
    return chain;
}

} // namespace

QtBoardWindow::QtBoardWindow()
    : window_(makeWindow()),
      reset_(makeCommand(*window_, ui::designs::cmdReset)),
      fix_(makeCommand(*window_, ui::designs::cmdFix)),
      unFix_(makeCommand(*window_, ui::designs::cmdUnFix))
{
    for (std::int16_t b = 0; b < 9; ++b)
        boxes_.at(static_cast<std::size_t>(b)) =
            new BoxWidget(b, ui::designs::usrcntGrid.at(static_cast<std::size_t>(b)), window_.get());

    const std::vector<QWidget*> chain = focusChain();
    for (std::size_t n = 1; n < chain.size(); ++n)
        QWidget::setTabOrder(chain.at(n - 1), chain.at(n));
    chain.front()->setFocus();
}

void QtBoardWindow::show() { window_->show(); }

std::vector<QWidget*> QtBoardWindow::focusChain()
{
    std::vector<std::pair<std::int16_t, std::vector<QWidget*>>> stops;
    for (std::int16_t b = 0; b < 9; ++b)
        stops.emplace_back(ui::designs::usrcntGrid.at(static_cast<std::size_t>(b)).tabIndex, candidatesOf(box(b)));
    stops.emplace_back(ui::designs::cmdReset.tabIndex, std::vector<QWidget*>{&reset_.widget()});
    stops.emplace_back(ui::designs::cmdFix.tabIndex, std::vector<QWidget*>{&fix_.widget()});
    stops.emplace_back(ui::designs::cmdUnFix.tabIndex, std::vector<QWidget*>{&unFix_.widget()});
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    std::vector<QWidget*> chain;
    for (const auto& stop : stops)
        chain.insert(chain.end(), stop.second.begin(), stop.second.end());
    return chain;
}

} // namespace ui::qt
