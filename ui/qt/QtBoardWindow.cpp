#include "ui/qt/QtBoardWindow.h"

#include <QGuiApplication>

#include "ui/Designs.h"
#include "ui/TabOrder.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

// The window's own area. Tab and Shift+Tab end here when they leave a widget;
// Qt finds the next widget in the chain, and a cell it lands on is told which way
// the focus came, so that it starts from its first or its last candidate.
class BoardArea final : public ColorArea {
public:
    using ColorArea::ColorArea;

protected:
    bool focusNextPrevChild(bool next) override
    {
        const bool moved = ColorArea::focusNextPrevChild(next);
        if (auto* cell = dynamic_cast<CellWidget*>(focusWidget()); moved && cell != nullptr)
            cell->enteredByTab(next);
        return moved;
    }
};

std::unique_ptr<ColorArea> makeWindow()
{
    const auto& design = ui::designs::orvaneMain;
    auto window = std::make_unique<BoardArea>(design.back);
    window->setWindowTitle(designText(design.caption));
    window->setFixedSize(designPixels(design.innerWidth), designPixels(design.innerHeight));
    // The window's screen, the one under its place, settled before its children are
    // made: until a window knows its screen, each of the board's widgets
    // looks it up by position as it is made, to scale its font.
    window->setScreen(QGuiApplication::screenAt(window->geometry().center()));
    // Every caption but the label's uses the default control font; children inherit it.
    window->setFont(designFont(ui::designs::defaultControlFont));
    return window;
}

// Its caption comes when the window is shown: Qt tells assistive technology of
// every new caption, and the first thing it tells it waits for the session bus.
QPushButton& makeCommand(QWidget& window, const ui::designs::Control& design)
{
    auto* button = new QPushButton(&window);
    button->setGeometry(designRect(design));
    return *button;
}

// A box's share of the chain: its cells in tab order, each of which walks its
// own candidates in their tab order.
void appendCells(std::vector<QWidget*>& chain, BoxWidget& box)
{
    for (std::int16_t k : ui::designs::inTabOrder(ui::designs::usrcntSquare))
        chain.push_back(&box.cell(k));
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

void QtBoardWindow::show()
{
    reset_.widget().setText(designText(ui::designs::cmdReset.caption));
    fix_.widget().setText(designText(ui::designs::cmdFix.caption));
    unFix_.widget().setText(designText(ui::designs::cmdUnFix.caption));
    window_->show();
}

std::vector<QWidget*> QtBoardWindow::focusChain()
{
    using Kind = ui::designs::BoardChild::Kind;
    std::vector<QWidget*> chain;
    for (const ui::designs::BoardChild child : ui::designs::boardChildrenInTabOrder()) {
        switch (child.kind) {
        case Kind::Box: appendCells(chain, box(child.box)); break;
        case Kind::Reset: chain.push_back(&reset_.widget()); break;
        case Kind::Fix: chain.push_back(&fix_.widget()); break;
        case Kind::UnFix: chain.push_back(&unFix_.widget()); break;
        }
    }
    return chain;
}

} // namespace ui::qt
