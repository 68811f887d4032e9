#include "ui/qt/BoardSurface.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <optional>
#include <vector>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/desktop/BoardDrawing.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"
#include "ui/qt/QtAccessibility.h"

namespace ui::qt {
namespace {

using ui::desktop::DrawnBoard;

ui::desktop::Point pointOf(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
}

DrawnBoard::Entry entryBy(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason: return DrawnBoard::Entry::Front;
    case Qt::BacktabFocusReason: return DrawnBoard::Entry::Back;
    default: return DrawnBoard::Entry::Other;
    }
}

// The top row's digit key by its place, 1 to 9, else 0: X key codes 10 to 18, as
// X11 and Wayland both give them whatever the layout types there.
int topRowOf(const QKeyEvent& event)
{
    const quint32 code = event.nativeScanCode();
    return code >= 10 && code <= 18 ? static_cast<int>(code) - 9 : 0;
}

// The board's keys. With Alt, or with Ctrl where Ctrl is not part of the key, a
// key is left to Qt; Tab comes by focusNextPrevChild.
std::optional<ui::Key> keyOf(const QKeyEvent& event)
{
    using ui::Key;
    const int key = event.key();
    if (event.modifiers() & Qt::AltModifier)
        return std::nullopt;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Home || key == Qt::Key_End)
        return key == Qt::Key_Home ? (ctrl ? Key::BoardStart : Key::RowStart) : (ctrl ? Key::BoardEnd : Key::RowEnd);
    if (ctrl)
        return std::nullopt;
    const QString text = event.text();
    if (const auto digit = ui::digitKeyOf(topRowOf(event), text.size() == 1 ? text.front().unicode() : 0))
        return digit;
    switch (key) {
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: return Key::TakeBack;
    default: return std::nullopt;
    }
}

} // namespace

BoardSurface::BoardSurface(QWidget* parent)
    : QWidget(parent),
      board_(*this, designDpi),
      digitFont_(designFont(ui::designs::lblFont))
{
    installBoardAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    const ui::desktop::Rect bounds = board_.bounds();
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    if (!captions_)
        captions_ = std::make_unique<CaptionLayouts>(font());
    QPainter painter(this);
    QtPainter primitives(painter, palette(), *captions_, digitFont_);
    std::vector<ui::desktop::Rect> areas;
    for (const QRect& area : event->region())
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    ui::desktop::drawBoard(board_, primitives, areas);
}

void BoardSurface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        captions_.reset();
    QWidget::changeEvent(event);
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    if (board_.press(pointOf(*event), event->button() == Qt::LeftButton))
        setFocus(Qt::MouseFocusReason);
    else
        event->ignore();
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event) { board_.drag(pointOf(*event)); }

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        board_.release(pointOf(*event));
}

// By the right button where it was pressed, else (the Menu key, Shift+F10) at the focus.
void BoardSurface::contextMenuEvent(QContextMenuEvent* event)
{
    openMenu(event->reason() == QContextMenuEvent::Mouse ? std::optional(event->globalPos()) : std::nullopt);
}

void BoardSurface::openMenu(std::optional<QPoint> at)
{
    const ui::desktop::Rect focus = board_.placeOf(board_.focus());
    QMenu menu(this);
    for (const ui::desktop::MenuEntry& entry : ui::desktop::boardMenu) {
        QAction* action = menu.addAction(designText(ui::_(entry.caption)) + '\t' + designText(entry.keys));
        action->setEnabled(board_.offers(entry.item));
        action->setData(static_cast<int>(entry.item));
    }
    if (const QAction* chosen = menu.exec(at.value_or(mapToGlobal(QPoint(focus.left, focus.bottom())))))
        board_.choose(static_cast<ui::desktop::MenuItem>(chosen->data().toInt()));
}

void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        openMenu(std::nullopt);
        return;
    }
    const std::optional<ui::Key> key = keyOf(*event);
    if (!key || !board_.keyDown(*key, event->isAutoRepeat()))
        event->ignore();
}

void BoardSurface::keyReleaseEvent(QKeyEvent* event)
{
    const std::optional<ui::Key> key = keyOf(*event);
    if (!key || !board_.keyUp(*key, event->isAutoRepeat()))
        event->ignore();
}

void BoardSurface::focusInEvent(QFocusEvent* event) { board_.focusIn(entryBy(event->reason())); }

void BoardSurface::focusOutEvent(QFocusEvent* event) { board_.focusOut(event->reason() == Qt::PopupFocusReason); }

bool BoardSurface::focusNextPrevChild(bool next)
{
    if (window()->focusWidget() == this &&
        board_.keyDown(next ? DrawnBoard::Key::Next : DrawnBoard::Key::Previous, false))
        return true;
    return QWidget::focusNextPrevChild(next);
}

void BoardSurface::enteredByTab(bool forward)
{
    if (!board_.hasFocus())
        board_.aimFocus(forward ? DrawnBoard::Entry::Front : DrawnBoard::Entry::Back);
}

ui::desktop::Point BoardSurface::origin() const
{
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    return {corner.x(), corner.y()};
}

void BoardSurface::redraw(const ui::desktop::Rect& area) { update(area.left, area.top, area.width, area.height); }

History* BoardSurface::history() const { return modOrvane::history(); }

History::Step BoardSurface::dispatch(const std::function<History::Step()>& action) { return ui::dispatch(action); }

void BoardSurface::announce(ui::desktop::Part part, Announcement what) { announceOnBoard(*this, part, what); }

void BoardSurface::takesFocusChanged(bool takesFocus) { setFocusPolicy(takesFocus ? Qt::TabFocus : Qt::NoFocus); }

// Qt's clipboard is never held from the program: X11 asks the owner for its text
// and waits for it, and Qt on other systems waits out a busy clipboard itself.
std::variant<std::string, PuzzleProblem> BoardSurface::clipboardText(std::size_t atMost) const
{
    if (!clipboardHoldsText())
        return PuzzleProblem::noText();
    return QGuiApplication::clipboard()->text().toUtf8().left(static_cast<qsizetype>(atMost)).toStdString();
}

bool BoardSurface::putOnClipboard(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    return true;
}

bool BoardSurface::clipboardHoldsText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void BoardSurface::warn(const std::string& message)
{
    QMessageBox::warning(window(), window()->windowTitle(), QString::fromStdString(message));
}

void BoardSurface::takeFocus() { setFocus(Qt::OtherFocusReason); }

} // namespace ui::qt
