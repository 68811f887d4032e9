#include "ui/qt/BoardSurface.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <vector>

#include "ui/Dispatch.h"
#include "ui/desktop/BoardDrawing.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"
#include "ui/qt/QtAccessibility.h"

namespace ui::qt {
namespace {

using ui::desktop::DrawnBoard;
using ui::desktop::DrawnCell;

ui::desktop::Point pointOf(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
}

DrawnCell::Entry entryBy(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason: return DrawnCell::Entry::Front;
    case Qt::BacktabFocusReason: return DrawnCell::Entry::Back;
    default: return DrawnCell::Entry::Other;
    }
}

// Space and Escape, and the arrows, which move the focus as Tab and Shift+Tab do.
bool keyOf(int key, DrawnBoard::Key& out)
{
    switch (key) {
    case Qt::Key_Space: out = DrawnBoard::Key::Space; return true;
    case Qt::Key_Escape: out = DrawnBoard::Key::Escape; return true;
    case Qt::Key_Right:
    case Qt::Key_Down: out = DrawnBoard::Key::Next; return true;
    case Qt::Key_Left:
    case Qt::Key_Up: out = DrawnBoard::Key::Previous; return true;
    default: return false;
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

void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    DrawnBoard::Key key{};
    if (!keyOf(event->key(), key)) {
        event->ignore();
    } else if (!board_.keyDown(key, event->isAutoRepeat())) {
        if (key == DrawnBoard::Key::Next || key == DrawnBoard::Key::Previous)
            QWidget::focusNextPrevChild(key == DrawnBoard::Key::Next);
        else
            event->ignore();
    }
}

void BoardSurface::keyReleaseEvent(QKeyEvent* event)
{
    DrawnBoard::Key key{};
    if (!keyOf(event->key(), key) || !board_.keyUp(key, event->isAutoRepeat()))
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
        board_.aimFocus(forward ? DrawnCell::Entry::Front : DrawnCell::Entry::Back);
}

ui::desktop::Point BoardSurface::origin() const
{
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    return {corner.x(), corner.y()};
}

void BoardSurface::redraw(const ui::desktop::Rect& area) { update(area.left, area.top, area.width, area.height); }

void BoardSurface::click(const ui::Event<>& click) { ui::dispatchClick(click); }

void BoardSurface::announce(ui::desktop::Part part, Announcement what) { announceOnBoard(*this, part, what); }

void BoardSurface::passFocusOn()
{
    if (!QWidget::focusNextPrevChild(true))
        clearFocus();
}

void BoardSurface::takesFocusChanged(bool takesFocus) { setFocusPolicy(takesFocus ? Qt::TabFocus : Qt::NoFocus); }

} // namespace ui::qt
