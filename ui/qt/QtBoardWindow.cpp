#include "ui/qt/QtBoardWindow.h"

#include <QGuiApplication>
#include <QShortcut>

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
    // Undo, redo, copy and paste, wherever the focus is in the window: the same
    // keys on every build, bound here rather than by the platform theme, which
    // under a plain X11 session knows no Ctrl+Y.
    using ui::desktop::MenuItem;
    const std::pair<MenuItem, QList<QKeySequence>> bindings[] = {
        {MenuItem::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {MenuItem::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
        {MenuItem::Copy, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {MenuItem::Paste, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
    };
    for (const auto& [item, sequences] : bindings) {
        auto* keys = new QShortcut(window_.get());
        keys->setKeys(sequences);
        QObject::connect(keys, &QShortcut::activated, surface_, [this, item] { surface_->board().choose(item); });
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
