#include "ui/qt/QtBoardWindow.h"

#include <QGuiApplication>
#include <QShortcut>

#include "ui/CommandKeys.h"
#include "ui/Designs.h"
#include "ui/TabOrder.h"
#include "ui/Text.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

// The window's own area. Tab and Shift+Tab end here when they leave a widget;
// Qt finds the next widget in the chain, and when that is the board it is told
// which way the focus came, so that it starts from its first or last candidate.
class BoardArea final : public ColorArea {
public:
    using ColorArea::ColorArea;

protected:
    bool focusNextPrevChild(bool next) override
    {
        const bool moved = ColorArea::focusNextPrevChild(next);
        if (auto* surface = dynamic_cast<BoardSurface*>(focusWidget()); moved && surface != nullptr)
            surface->enteredByTab(next);
        return moved;
    }
};

std::unique_ptr<ColorArea> makeWindow()
{
    const auto& design = ui::designs::orvaneMain;
    auto window = std::make_unique<BoardArea>(design.back);
    window->setWindowTitle(designText(design.caption));
    window->setFixedSize(designPixels(design.innerWidth), designPixels(design.innerHeight));
    // The window's screen, the one under its place, settled before its children
    // are made, which otherwise look it up by position as each is made.
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

} // namespace

QtBoardWindow::QtBoardWindow()
    : window_(makeWindow()),
      surface_(new BoardSurface(window_.get())),
      reset_(makeCommand(*window_, ui::designs::cmdReset), surface_->board(), &History::reset),
      fix_(makeCommand(*window_, ui::designs::cmdFix), surface_->board(), &History::fix),
      unFix_(makeCommand(*window_, ui::designs::cmdUnFix), surface_->board(), &History::unFix)
{
    // Undo, redo, copy and paste, wherever the focus is in the window: the keys of
    // the one table, bound here rather than by the platform theme, which under a
    // plain X11 session knows no Ctrl+Y.
    for (const ui::KeyChord& chord : ui::commandKeys) {
        const Qt::Key key = chord.key == ui::CommandKey::Insert ? Qt::Key_Insert : Qt::Key(chord.key);
        auto* keys = new QShortcut(QKeyCombination((chord.ctrl ? Qt::ControlModifier : Qt::NoModifier) |
                                                       (chord.shift ? Qt::ShiftModifier : Qt::NoModifier),
                                                   key),
                                   window_.get());
        QObject::connect(keys, &QShortcut::activated, surface_,
                         [this, command = chord.command] { surface_->board().choose(command); });
    }
    // The board's boxes come before the commands in the designs' tab order.
    using Kind = ui::designs::BoardChild::Kind;
    QWidget* previous = nullptr;
    for (const ui::designs::BoardChild child : ui::designs::boardChildrenInTabOrder()) {
        QWidget* next = child.kind == Kind::Box     ? static_cast<QWidget*>(surface_)
                        : child.kind == Kind::Reset ? &reset_.widget()
                        : child.kind == Kind::Fix   ? &fix_.widget()
                                                    : &unFix_.widget();
        if (previous != nullptr && previous != next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    surface_->setFocus();
}

void QtBoardWindow::show()
{
    reset_.widget().setText(designText(ui::_(ui::designs::cmdReset.caption.data())));
    fix_.widget().setText(designText(ui::_(ui::designs::cmdFix.caption.data())));
    unFix_.widget().setText(designText(ui::_(ui::designs::cmdUnFix.caption.data())));
    window_->show();
}

} // namespace ui::qt
